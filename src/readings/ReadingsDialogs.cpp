// The Strategies and Families dialogs.
#include "readings/ReadingsDialogs.h"

#include "casedata/TextCodec.h"
#include "chart/ChartCsv.h"
#include "controls/DisplayText.h"
#include "controls/SavedFile.h"
#include "controls/UserChoices.h"
#include "engine/RepEngine.h"
#include "engine/RepMethods.h"
#include "state/QuillonState.h"
#include "state/SaveNames.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>

namespace quillon {
namespace {

// A strategy's heading as the window shows it.
QString StrategyHeading(Strategy strategy)
{
    return QCoreApplication::translate("CStrategyReader", StrategyTitle(strategy));
}

// A kingdom's name as the chooser and the table show it.
QString KingdomTitle(FamilyKingdoms kingdom)
{
    const char* title = QT_TRANSLATE_NOOP("CFamiliesDialog", "All");
    switch (kingdom) {
    case FamilyKingdoms::Plant: title = QT_TRANSLATE_NOOP("CFamiliesDialog", "Plant"); break;
    case FamilyKingdoms::Mineral: title = QT_TRANSLATE_NOOP("CFamiliesDialog", "Mineral"); break;
    case FamilyKingdoms::Animal: title = QT_TRANSLATE_NOOP("CFamiliesDialog", "Animal"); break;
    case FamilyKingdoms::All: break;
    }
    return QCoreApplication::translate("CFamiliesDialog", title);
}

// What a strategy ranks by, as its column's tooltip and the dialog's heading say it.
QString StrategyRanking(Strategy strategy)
{
    switch (strategy) {
    case Strategy::Totality:
        return CStrategiesDialog::tr("Totality: by the totality, then the symptoms covered, as the chart.");
    case Strategy::Covered:
        return CStrategiesDialog::tr("Symptoms covered first: by the symptoms covered, then the totality.");
    case Strategy::Weighted:
        return CStrategiesDialog::tr(
            "Weighted: by the sum of grade \u00d7 Weightage intensity (shown first), then the symptoms covered.");
    case Strategy::SmallRubrics:
        return CStrategiesDialog::tr("Small rubrics: by the sum of the grades (shown first), a grade counting 3 in a "
                                     "rubric of up to 10 remedies, 2 up to 50, 1 above.");
    case Strategy::Elimination:
        return CStrategiesDialog::tr("Elimination: as Totality, among the remedies every eliminating symptom names.");
    }
    return {};
}

// A remedy's numbers in a column: its totality and symptoms covered as the chart's two rows show them, after the
// column's own sum where the column ranks by one.
QString ShownNumbers(Strategy strategy, const StrategyRemedy& remedy)
{
    const QString chart = QStringLiteral("%1/%2").arg(remedy.totality).arg(remedy.covered);
    switch (strategy) {
    case Strategy::Weighted: return QStringLiteral("%1 (%2)").arg(remedy.weighted).arg(chart);
    case Strategy::SmallRubrics: return QStringLiteral("%1 (%2)").arg(remedy.small).arg(chart);
    case Strategy::Totality:
    case Strategy::Covered:
    case Strategy::Elimination: break;
    }
    return chart;
}

} // namespace

CStrategiesDialog::CStrategiesDialog(const CQuillonState& state, IUserChoices& choices, const CRepEngine& engine,
    const CRepMethods& methods, QWidget* parent)
    : CFollowUpTableDialog(state, choices, tr("Strategies"), parent)
{
    ReadChartStrategies(m_reader, engine, methods, state.Catalogue());
    m_nSymptoms = engine.SymptomCount();
    QStringList headings{tr("Rank")};
    for (const Strategy strategy : kStrategies)
        headings << StrategyHeading(strategy);
    m_pTable->setColumnCount(static_cast<int>(headings.size()));
    m_pTable->setHorizontalHeaderLabels(headings);
    for (int c = 0; c < kStrategyCount; ++c)
        m_pTable->horizontalHeaderItem(c + 1)->setToolTip(StrategyRanking(kStrategies[static_cast<std::size_t>(c)]));
    const QSignalBlocker quiet(m_pTop);
    m_pTop->setRange(kMinStrategyTop, kMaxStrategyTop);
    m_pTop->setValue(kDefaultStrategyTop);
    Fill();
}

void CStrategiesDialog::Fill()
{
    const auto top = static_cast<std::size_t>(m_pTop->value());
    const auto& remedies = m_reader.Remedies();
    // A remedy among the first K of every column that lists remedies leads every reading: it is marked.
    const auto leadsEverywhere = [&](std::size_t index) {
        for (const Strategy strategy : kStrategies) {
            if (strategy == Strategy::Elimination && !m_reader.HasElimination())
                continue;
            const int rank = m_reader.Rank(strategy, index);
            if (rank == 0 || static_cast<std::size_t>(rank) > top)
                return false;
        }
        return true;
    };
    QString heading = tr("%1 active symptoms read five ways; each column lists its first %2 remedies with their "
                         "totality/symptoms covered, as the chart shows them.\n"
                         "* leads every column: it stands among the first %2 of each.")
                          .arg(m_nSymptoms)
                          .arg(top);
    for (const Strategy strategy : kStrategies)
        heading += QLatin1Char('\n') + StrategyRanking(strategy);
    if (!m_reader.HasElimination())
        heading += tr("\nElimination: no symptom is marked \"Eliminate by this Symptom\".");
    SetHeading(heading);

    std::size_t rows = 0;
    for (const Strategy strategy : kStrategies)
        rows = std::max(rows, std::min(top, m_reader.Order(strategy).size()));
    m_pTable->setRowCount(static_cast<int>(rows));
    for (std::size_t r = 0; r < rows; ++r) {
        m_pTable->setItem(static_cast<int>(r), 0, Cell(QString::number(r + 1), true));
        for (int c = 0; c < kStrategyCount; ++c) {
            const Strategy strategy = kStrategies[static_cast<std::size_t>(c)];
            const auto order = m_reader.Order(strategy);
            if (r >= order.size()) {
                m_pTable->setItem(static_cast<int>(r), c + 1, Cell(QString(), false));
                continue;
            }
            const StrategyRemedy& remedy = remedies[order[r]];
            QString text = FromData(remedy.name) + QStringLiteral("  ") + ShownNumbers(strategy, remedy);
            const bool leads = leadsEverywhere(order[r]);
            if (leads)
                text += QStringLiteral("  *");
            QTableWidgetItem* item = Cell(text, false);
            QStringList ranks{FromData(remedy.name)};
            for (const Strategy other : kStrategies) {
                const int rank = m_reader.Rank(other, order[r]);
                ranks << QStringLiteral("%1: %2").arg(
                    StrategyHeading(other), rank > 0 ? QString::number(rank) : QStringLiteral("-"));
            }
            item->setToolTip(ranks.join(QLatin1Char('\n')));
            if (leads) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(QColor(220, 240, 220));
            }
            m_pTable->setItem(static_cast<int>(r), c + 1, item);
        }
    }
    m_pTable->resizeColumnsToContents();
}

std::string CStrategiesDialog::VisitDates() const
{
    return m_state.Patient().visitDate;
}

QString CStrategiesDialog::VisitLabel() const
{
    return tr("Visit date: %1").arg(FromData(VisitDates()));
}

CFamiliesDialog::CFamiliesDialog(const CQuillonState& state, IUserChoices& choices, const CRepEngine& engine,
    std::function<void(const ChartCommand&)> apply, QWidget* parent)
    : CFollowUpTableDialog(state, choices, tr("Families"), parent),
      m_tables(LoadFamilyTables(state.Folder(), state.Sink())),
      m_chart(ChartFamilyRemedies(engine)),
      m_pCatalogue(state.Catalogue()),
      m_apply(std::move(apply))
{
    auto* label = new QLabel(tr("&Kingdom:"), this);
    m_pKingdom = new QComboBox(this);
    m_pKingdom->setObjectName(QStringLiteral("kingdom"));
    label->setBuddy(m_pKingdom);
    for (const FamilyKingdoms kingdom :
        {FamilyKingdoms::All, FamilyKingdoms::Plant, FamilyKingdoms::Animal, FamilyKingdoms::Mineral})
        m_pKingdom->addItem(KingdomTitle(kingdom), static_cast<int>(kingdom));
    auto* controls = static_cast<QHBoxLayout*>(m_pControls);
    controls->insertWidget(0, label);
    controls->insertWidget(1, m_pKingdom);
    controls->insertSpacing(2, 16);
    auto* csv = new QPushButton(tr("Save as C&SV\u2026"), this);
    csv->setObjectName(QStringLiteral("csv"));
    controls->addWidget(csv);
    connect(csv, &QPushButton::clicked, this, &CFamiliesDialog::SaveAsCsv);

    m_pTable->setColumnCount(6);
    m_pTable->setHorizontalHeaderLabels(
        {tr("Kingdom"), tr("Family"), tr("Remedies"), tr("Sum of totalities"), tr("Best rank"), tr("First remedies")});
    m_pTable->setToolTip(tr("Double click a family to keep only its remedies in the chart"));
    connect(m_pTable, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ApplyRow(row); });
    for (QLabel* topLabel : findChildren<QLabel*>())
        if (topLabel->buddy() == m_pTop)
            topLabel->setText(tr("First families:"));
    {
        const QSignalBlocker quiet(m_pTop);
        m_pTop->setRange(1, kMaxFamilyTop);
        m_pTop->setValue(kDefaultFamilyTop);
    }
    connect(m_pKingdom, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
    Fill();
}

void CFamiliesDialog::Fill()
{
    const auto kingdoms = static_cast<FamilyKingdoms>(m_pKingdom->currentData().toInt());
    m_families = ReadFamilies(m_chart, m_pCatalogue, m_tables, kingdoms, m_pTop->value());
    SetHeading(tr("The families of the %1 remedies of the chart as it stands, by the sum of their "
                  "totalities.\nDouble click a family to keep only its remedies in the chart.")
                   .arg(m_chart.size()));
    m_pTable->setRowCount(static_cast<int>(m_families.size()));
    int r = 0;
    for (const Family& family : m_families) {
        QStringList first;
        for (const std::string& name : family.first)
            first << FromData(name);
        // A row or a column of the periodic table is named in the user's language; a class or group as its file has it.
        QString name = FromData(family.name);
        if (family.kind == FamilyKind::Row)
            name = tr("Row %1").arg(family.number + 1);
        else if (family.kind == FamilyKind::Column)
            name = tr("Column %1").arg(family.number + 1);
        m_pTable->setItem(r, 0, Cell(KingdomTitle(family.kingdom), false));
        m_pTable->setItem(r, 1, Cell(name, false));
        m_pTable->setItem(r, 2, Cell(QString::number(family.count), true));
        m_pTable->setItem(r, 3, Cell(QString::number(family.sum), true));
        m_pTable->setItem(r, 4, Cell(QString::number(family.best), true));
        m_pTable->setItem(r, 5, Cell(first.join(QStringLiteral(", ")), false));
        ++r;
    }
    m_pTable->resizeColumnsToContents();
    // Another kingdom's families are read from their first.
    m_pTable->scrollToTop();
    m_pTable->horizontalScrollBar()->setValue(0);
}

std::string CFamiliesDialog::CsvText() const
{
    std::string out;
    const auto row = [&out](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += ',';
            AppendCsvField(out, fields[i]);
        }
        out += "\r\n";
    };
    row({"Kingdom", "Family", "Remedies", "Sum of totalities", "Best rank", "First remedies"});
    for (const Family& family : m_families) {
        std::string first;
        for (const std::string& name : family.first)
            first += (first.empty() ? "" : ", ") + Cp1252ToUtf8(name);
        row({KingdomWord(family.kingdom), Cp1252ToUtf8(family.name), std::to_string(family.count),
            std::to_string(family.sum), std::to_string(family.best), first});
    }
    return out;
}

void CFamiliesDialog::SaveAsCsv()
{
    const QString suggested = FromData(SuggestedFileName(
        m_state.Patient().regNo, m_state.Patient().name, VisitDates(), ToData(tr("Families")), "csv"));
    const std::optional<QString> path
        = m_choices.ChooseSaveFile(this, tr("Save as CSV"), suggested, tr("CSV files (*.csv)"));
    if (path && !SaveChosenFile(*path, CsvText()))
        m_state.Sink().Show(kMsgErrorCreatingFile);
}

void CFamiliesDialog::ApplyRow(int row)
{
    if (row < 0 || row >= static_cast<int>(m_families.size()))
        return;
    const ChartCommand command = FamilyFilterCommand(m_families[static_cast<std::size_t>(row)], m_tables);
    accept();
    if (m_apply)
        m_apply(command);
}

std::string CFamiliesDialog::VisitDates() const
{
    return m_state.Patient().visitDate;
}

QString CFamiliesDialog::VisitLabel() const
{
    return tr("Visit date: %1").arg(FromData(VisitDates()));
}

} // namespace quillon
