// The follow-up dialogs.
#include "followup/FollowUpDialogs.h"

#include "controls/DisplayText.h"
#include "controls/UserChoices.h"
#include "state/QuillonState.h"
#include "state/SaveNames.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillon {

namespace {

// How a remedy's rank moved from the first visit to the second, kept with the "Change" cell.
enum class Move : int { Same, Up, Down, New, Dropped };
constexpr int kMoveRole = Qt::UserRole + 1;

// Draws the "Change" cell as an arrow: up green, down red, then the number of places; "new" and "dropped" as words.
class CMoveDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const auto move = static_cast<Move>(index.data(kMoveRole).toInt());
        if (move != Move::Up && move != Move::Down) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRect r = option.rect.adjusted(4, 3, -4, -3);
        const int side = std::min(r.height(), 14);
        const QRectF arrow(r.left(), r.center().y() - side / 2.0, side, side);
        QPainterPath path;
        if (move == Move::Up) {
            path.moveTo(arrow.center().x(), arrow.top());
            path.lineTo(arrow.right(), arrow.bottom());
            path.lineTo(arrow.left(), arrow.bottom());
        } else {
            path.moveTo(arrow.left(), arrow.top());
            path.lineTo(arrow.right(), arrow.top());
            path.lineTo(arrow.center().x(), arrow.bottom());
        }
        path.closeSubpath();
        const QColor colour = move == Move::Up ? QColor(0, 140, 0) : QColor(200, 0, 0);
        painter->fillPath(path, colour);
        painter->setPen(colour);
        painter->drawText(QRect(r.left() + side + 4, r.top(), r.width() - side - 4, r.height()),
            Qt::AlignVCenter | Qt::AlignLeft, index.data().toString().mid(1));
        painter->restore();
    }
};

QString NumberOrDash(bool present, int value)
{
    return present ? QString::number(value) : QStringLiteral("-");
}

// The visit of the chart: the first visit whose date is the date on show.
} // namespace

CFollowUpTableDialog::CFollowUpTableDialog(
    const CQuillonState& state, IUserChoices& choices, const QString& title, QWidget* parent)
    : QDialog(parent), m_state(state), m_choices(choices)
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    m_pHeading = new QLabel(this);
    m_pHeading->setObjectName(QStringLiteral("heading"));
    m_pHeading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_pHeading);

    auto* controls = new QHBoxLayout();
    m_pControls = controls;
    auto* topLabel = new QLabel(tr("First remedies:"), this);
    m_pTop = new QSpinBox(this);
    m_pTop->setObjectName(QStringLiteral("top"));
    m_pTop->setRange(kMinFollowUpTop, kMaxFollowUpTop);
    m_pTop->setValue(kDefaultFollowUpTop);
    topLabel->setBuddy(m_pTop);
    controls->addWidget(topLabel);
    controls->addWidget(m_pTop);
    controls->addStretch();
    layout->addLayout(controls);

    m_pTable = new QTableWidget(this);
    m_pTable->setObjectName(QStringLiteral("table"));
    m_pTable->setAccessibleName(title);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->verticalHeader()->setVisible(false);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->installEventFilter(this);
    layout->addWidget(m_pTable, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    auto* print = buttons->addButton(tr("&Print\u2026"), QDialogButtonBox::ActionRole);
    auto* pdf = buttons->addButton(tr("Save as P&DF\u2026"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copy"));
    print->setObjectName(QStringLiteral("print"));
    pdf->setObjectName(QStringLiteral("pdf"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(copy, &QPushButton::clicked, this, &CFollowUpTableDialog::CopyTable);
    connect(print, &QPushButton::clicked, this, &CFollowUpTableDialog::Print);
    connect(pdf, &QPushButton::clicked, this, &CFollowUpTableDialog::SaveAsPdf);

    auto* copyAction = new QAction(this);
    copyAction->setShortcut(QKeySequence::Copy);
    addAction(copyAction);
    connect(copyAction, &QAction::triggered, this, &CFollowUpTableDialog::CopyTable);
    connect(m_pTop, &QSpinBox::valueChanged, this, [this] { Fill(); });
    resize(820, 560);
}

bool CFollowUpTableDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pTable && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopyTable();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QTableWidgetItem* CFollowUpTableDialog::Cell(const QString& text, bool number)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

void CFollowUpTableDialog::SetHeading(const QString& text)
{
    m_pHeading->setText(text);
}

QString CFollowUpTableDialog::TableText() const
{
    QStringList lines = m_pHeading->text().split(QLatin1Char('\n'));
    QStringList cells;
    for (int c = 0; c < m_pTable->columnCount(); ++c)
        cells << m_pTable->horizontalHeaderItem(c)->text();
    lines << cells.join(QLatin1Char('\t'));
    for (int r = 0; r < m_pTable->rowCount(); ++r) {
        cells.clear();
        for (int c = 0; c < m_pTable->columnCount(); ++c)
            cells << (m_pTable->item(r, c) ? m_pTable->item(r, c)->text() : QString());
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void CFollowUpTableDialog::CopyTable() const
{
    QApplication::clipboard()->setText(TableText());
}

QString CFollowUpTableDialog::PageHtml() const
{
    QString html = QStringLiteral("<html><body style=\"font-family:'Liberation Sans'; font-size:9pt\"><h3>%1</h3>")
                       .arg(windowTitle().toHtmlEscaped());
    html += QStringLiteral("<p>%1</p>")
                .arg(m_pHeading->text().toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    // The column headings stand on every page.
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><thead><tr>");
    for (int c = 0; c < m_pTable->columnCount(); ++c)
        html += QStringLiteral("<th>%1</th>").arg(m_pTable->horizontalHeaderItem(c)->text().toHtmlEscaped());
    html += QStringLiteral("</tr></thead>");
    for (int r = 0; r < m_pTable->rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < m_pTable->columnCount(); ++c) {
            const QTableWidgetItem* item = m_pTable->item(r, c);
            html += QStringLiteral("<td>%1</td>").arg(item ? item->text().toHtmlEscaped() : QString());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table></body></html>");
}

QStringList CFollowUpTableDialog::PageHeader() const
{
    const PatientContext patient = m_state.Patient();
    return {windowTitle(),
        tr("Patient: %1    Reg No: %2    %3").arg(FromData(patient.name), FromData(patient.regNo), VisitLabel())};
}

void CFollowUpTableDialog::Output(PageTarget target)
{
    const QString html = PageHtml();
    const QStringList header = PageHeader();
    PageJob job;
    job.target = target;
    job.title = windowTitle();
    job.caption = tr("Save as PDF");
    const PatientContext patient = m_state.Patient();
    job.suggestedName
        = FromData(SuggestedFileName(patient.regNo, patient.name, VisitDates(), ToData(windowTitle()), "pdf"));
    job.paint = [&html, &header](QPainter& painter, QPagedPaintDevice& device) {
        return PaintHtmlPages(painter, device, html, header);
    };
    OutputPages(job, m_choices, m_state.Sink(), this);
}

void CFollowUpTableDialog::Print()
{
    Output(PageTarget::Printer);
}

void CFollowUpTableDialog::SaveAsPdf()
{
    Output(PageTarget::PdfFile);
}

CCompareVisitsDialog::CCompareVisitsDialog(
    const CQuillonState& state, IUserChoices& choices, int chartVisit, QWidget* parent)
    : CFollowUpTableDialog(state, choices, tr("Compare Visits"), parent)
{
    auto* label = new QLabel(tr("Compare with &visit:"), this);
    m_pVisit = new QComboBox(this);
    m_pVisit->setObjectName(QStringLiteral("visit"));
    label->setBuddy(m_pVisit);
    for (int v = 0; v < state.VisitCount(); ++v)
        if (v != chartVisit)
            m_pVisit->addItem(FromData(state.VisitDates()[static_cast<std::size_t>(v)]), v);
    auto* controls = static_cast<QHBoxLayout*>(m_pControls);
    controls->insertWidget(0, label);
    controls->insertWidget(1, m_pVisit);
    controls->insertSpacing(2, 16);

    m_pTable->setColumnCount(8);
    m_pTable->setHorizontalHeaderLabels({tr("Remedy"), tr("Rank"), tr("Rank"), tr("Change"), tr("Totality"),
        tr("Totality"), tr("Covered"), tr("Covered")});
    m_pTable->setItemDelegateForColumn(3, new CMoveDelegate(m_pTable));

    m_chartSide = LoadVisitSide(state, chartVisit, state.Catalogue(), state.Sink());
    const int start = m_pVisit->findData(DefaultOtherVisit(state.VisitDates(), chartVisit));
    m_pVisit->setCurrentIndex(start >= 0 ? start : 0);
    connect(m_pVisit, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
    Fill();
}

void CCompareVisitsDialog::SetOtherVisit(int visit)
{
    const int index = m_pVisit->findData(visit);
    if (index >= 0)
        m_pVisit->setCurrentIndex(index);
}

void CCompareVisitsDialog::Fill()
{
    m_pTable->setRowCount(0);
    m_comparison.reset();
    const int other = m_pVisit->currentData().toInt();
    if (m_pVisit->count() == 0 || !m_chartSide) {
        SetHeading(QString());
        return;
    }
    if (other != m_nOtherVisit) {
        m_otherSide = LoadVisitSide(m_state, other, m_state.Catalogue(), m_state.Sink());
        m_nOtherVisit = other;
    }
    if (!m_otherSide) {
        SetHeading(tr("Visit %1 cannot be compared.").arg(m_pVisit->currentText()));
        return;
    }
    // The earlier visit is the first side whichever of the two the chart shows, so a rise is a rise by the later.
    const auto [earlier, later] = InTimeOrder(*m_chartSide, *m_otherSide);
    m_comparison = CompareVisits(*earlier, *later, m_pTop->value());
    const QString dateA = FromData(earlier->date);
    const QString dateB = FromData(later->date);
    SetHeading(tr("From %1 to %2\nVisit %1: %3 symptoms\nVisit %2: %4 symptoms\nSymptoms in both visits: %5")
                   .arg(dateA, dateB)
                   .arg(m_comparison->symptomsA)
                   .arg(m_comparison->symptomsB)
                   .arg(m_comparison->sharedTexts));
    m_pTable->setHorizontalHeaderLabels({tr("Remedy"), dateA, dateB, tr("Change"), tr("Totality %1").arg(dateA),
        tr("Totality %1").arg(dateB), tr("Covered %1").arg(dateA), tr("Covered %1").arg(dateB)});
    m_pTable->setRowCount(static_cast<int>(m_comparison->rows.size()));
    int r = 0;
    for (const ComparisonRow& row : m_comparison->rows) {
        const bool inA = row.rankA > 0;
        const bool inB = row.rankB > 0;
        Move move = Move::Same;
        QString change = QStringLiteral("=");
        if (!inA) {
            move = Move::New;
            change = tr("new");
        } else if (!inB) {
            move = Move::Dropped;
            change = tr("dropped");
        } else if (row.rankB < row.rankA) {
            move = Move::Up;
            change = QStringLiteral("+%1").arg(row.rankA - row.rankB);
        } else if (row.rankB > row.rankA) {
            move = Move::Down;
            change = QStringLiteral("-%1").arg(row.rankB - row.rankA);
        }
        m_pTable->setItem(r, 0, Cell(FromData(row.name), false));
        m_pTable->setItem(r, 1, Cell(NumberOrDash(inA, row.rankA), true));
        m_pTable->setItem(r, 2, Cell(NumberOrDash(inB, row.rankB), true));
        QTableWidgetItem* cell = Cell(change, false);
        cell->setData(kMoveRole, static_cast<int>(move));
        if (move == Move::New)
            cell->setForeground(QColor(0, 0, 200));
        else if (move == Move::Dropped)
            cell->setForeground(QColor(128, 128, 128));
        m_pTable->setItem(r, 3, cell);
        m_pTable->setItem(r, 4, Cell(NumberOrDash(inA, row.totalityA), true));
        m_pTable->setItem(r, 5, Cell(NumberOrDash(inB, row.totalityB), true));
        m_pTable->setItem(r, 6, Cell(NumberOrDash(inA, row.coveredA), true));
        m_pTable->setItem(r, 7, Cell(NumberOrDash(inB, row.coveredB), true));
        ++r;
    }
    m_pTable->resizeColumnsToContents();
    m_pTable->setColumnWidth(3, std::max(m_pTable->columnWidth(3), 72));
}

std::string CCompareVisitsDialog::VisitDates() const
{
    if (!m_chartSide)
        return {};
    if (!m_otherSide || !m_comparison)
        return m_chartSide->date;
    const auto [earlier, later] = InTimeOrder(*m_chartSide, *m_otherSide);
    return earlier->date + " and " + later->date;
}

QString CCompareVisitsDialog::VisitLabel() const
{
    if (m_chartSide && m_otherSide && m_comparison) {
        const auto [earlier, later] = InTimeOrder(*m_chartSide, *m_otherSide);
        return tr("Visit dates: %1 and %2").arg(FromData(earlier->date), FromData(later->date));
    }
    return tr("Visit dates: %1").arg(FromData(VisitDates()));
}

CStabilityDialog::CStabilityDialog(const CQuillonState& state, IUserChoices& choices, int selectCode, QWidget* parent)
    : CFollowUpTableDialog(state, choices, tr("Stability"), parent), m_nSelectCode(selectCode)
{
    m_pTable->setColumnCount(7);
    m_pTable->setHorizontalHeaderLabels({tr("Rank"), tr("Remedy"), tr("Totality"), tr("Covered"), tr("Worst rank"),
        tr("Changes"), tr("Symptom whose removal gives the worst rank")});
    m_symptoms = Borrow(state.Symptoms());
    m_ranking = NormalRanking(m_symptoms, state.Folder(), state.Catalogue(), state.Sink());
    Fill();
}

void CStabilityDialog::Fill()
{
    m_pTable->setRowCount(0);
    m_rows.clear();
    if (!m_ranking)
        return;
    m_rows = RankStability(m_symptoms, *m_ranking, m_pTop->value());
    SetHeading(tr("Normal repertorisation of %1 symptoms, each left out in turn").arg(m_symptoms.size()));
    m_pTable->setRowCount(static_cast<int>(m_rows.size()));
    int r = 0;
    for (const StabilityRow& row : m_rows) {
        m_pTable->setItem(r, 0, Cell(QString::number(row.rank), true));
        m_pTable->setItem(r, 1, Cell(FromData(row.name), false));
        m_pTable->setItem(r, 2, Cell(QString::number(row.totality), true));
        m_pTable->setItem(r, 3, Cell(QString::number(row.covered), true));
        QTableWidgetItem* worst = Cell(row.gone ? tr("gone") : QString::number(row.worstRank), true);
        if (row.gone || row.worstRank > row.rank)
            worst->setForeground(QColor(200, 0, 0));
        m_pTable->setItem(r, 4, worst);
        m_pTable->setItem(r, 5, Cell(QString::number(row.changes), true));
        const QString symptom = row.worstSymptom >= 0
            ? FromData(m_symptoms[static_cast<std::size_t>(row.worstSymptom)]->m_pszText)
            : QString();
        QTableWidgetItem* text = Cell(symptom, false);
        text->setToolTip(symptom);
        m_pTable->setItem(r, 6, text);
        if (row.code == m_nSelectCode)
            m_pTable->selectRow(r);
        ++r;
    }
    m_pTable->resizeColumnsToContents();
}

std::string CStabilityDialog::VisitDates() const
{
    return m_state.Patient().visitDate;
}

QString CStabilityDialog::VisitLabel() const
{
    return tr("Visit date: %1").arg(FromData(VisitDates()));
}

} // namespace quillon
