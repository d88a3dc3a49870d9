// The Select Patient dialog.
#include "symptoms/SelectPatientDialog.h"

#include "controls/DisplayText.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {
namespace {

struct Column
{
    const char* title;
    int width;
    Qt::Alignment alignment;
};

constexpr Column kColumns[] = {
    {QT_TRANSLATE_NOOP("quillon::CSelectPatientDialog", "Reg No"), 50, Qt::AlignRight | Qt::AlignVCenter},
    {QT_TRANSLATE_NOOP("quillon::CSelectPatientDialog", "Patient Name"), 230, Qt::AlignLeft | Qt::AlignVCenter},
    {QT_TRANSLATE_NOOP("quillon::CSelectPatientDialog", "Age"), 50, Qt::AlignRight | Qt::AlignVCenter},
    {QT_TRANSLATE_NOOP("quillon::CSelectPatientDialog", "Visit Date"), 78, Qt::AlignLeft | Qt::AlignVCenter},
};

const QColor kListBackground(255, 255, 240);

// Where the list's sort is remembered between runs.
const QString kSortColumnKey = QStringLiteral("SelectPatient/sortColumn");
const QString kSortOrderKey = QStringLiteral("SelectPatient/sortOrder");
constexpr int kVisibleRows = 18;

QSettings Settings()
{
    return QSettings(QStringLiteral("Quillon"), QStringLiteral("Quillon"));
}

// A text as the search compares it: without letter case and without accents ("Renée" reads "renee").
QString Folded(const QString& text)
{
    QString folded;
    const QString split = text.normalized(QString::NormalizationForm_KD);
    folded.reserve(split.size());
    for (const QChar c : split)
        if (c.category() != QChar::Mark_NonSpacing)
            folded += c;
    return folded.toCaseFolded();
}

// A date of the index (dd/mm/yyyy) in an order that sorts: yyyymmdd; anything else sorts as itself, after them.
QString DateKey(const std::string& date)
{
    if (date.size() == 10 && date[2] == '/' && date[5] == '/')
        return QString::fromLatin1(date.substr(6, 4) + date.substr(3, 2) + date.substr(0, 2));
    return QStringLiteral("~") + FromData(date);
}

} // namespace

// The rows of the patient index as the list shows them. The texts are converted when a row is drawn, so the list
// opens at once on tens of thousands of patients.
class CPatientListModel final : public QAbstractTableModel
{
public:
    CPatientListModel(const PatientIndex& index, QObject* parent) : QAbstractTableModel(parent), m_index(index) {}

    void Reset()
    {
        beginResetModel();
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_index.rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 4; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const PatientRow& row = m_index.rows[static_cast<std::size_t>(index.row())];
        const std::string* fields[] = {&row.regNo, &row.name, &row.age, &row.visitDate};
        switch (role) {
        case Qt::DisplayRole: return FromData(*fields[index.column()]);
        case Qt::TextAlignmentRole: return QVariant::fromValue(kColumns[index.column()].alignment);
        case Qt::BackgroundRole: return kListBackground;
        default: return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= 4)
            return QAbstractTableModel::headerData(section, orientation, role);
        if (role == Qt::DisplayRole)
            return CSelectPatientDialog::tr(kColumns[section].title);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(kColumns[section].alignment);
        // The first click on a column's title sorts it from the smallest, whatever the style's arrows.
        if (role == Qt::InitialSortOrderRole)
            return static_cast<int>(Qt::AscendingOrder);
        return {};
    }

private:
    const PatientIndex& m_index;
};

// The rows the search leaves, in the order of the column clicked last (the file's order until one is).
class CPatientFilter final : public QSortFilterProxyModel
{
public:
    CPatientFilter(const PatientIndex& index, QObject* parent) : QSortFilterProxyModel(parent), m_index(index) {}

    // The names as the search compares them, made once when the index is read (before the list is reset).
    void ReadNames()
    {
        m_names.clear();
        m_names.reserve(m_index.rows.size());
        for (const PatientRow& row : m_index.rows)
            m_names.push_back(Folded(FromData(row.name)));
    }
    void SetNeedle(const QString& text)
    {
        m_needle = Folded(text.trimmed());
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex&) const override
    {
        if (m_needle.isEmpty())
            return true;
        const auto r = static_cast<std::size_t>(sourceRow);
        return (r < m_names.size() && m_names[r].contains(m_needle))
            || FromData(m_index.rows[r].regNo).startsWith(m_needle, Qt::CaseInsensitive);
    }
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override
    {
        const PatientRow& a = m_index.rows[static_cast<std::size_t>(left.row())];
        const PatientRow& b = m_index.rows[static_cast<std::size_t>(right.row())];
        // Numbers by their value, a number before a text; names without regard to case and accents.
        const auto number = [](const std::string& one, const std::string& other) {
            bool numberA = false, numberB = false;
            const qlonglong x = FromData(one).trimmed().toLongLong(&numberA);
            const qlonglong y = FromData(other).trimmed().toLongLong(&numberB);
            if (numberA != numberB)
                return numberA;
            return numberA ? x < y : one < other;
        };
        switch (left.column()) {
        case 0: return number(a.regNo, b.regNo);
        case 1: return m_names[static_cast<std::size_t>(left.row())] < m_names[static_cast<std::size_t>(right.row())];
        case 2: return number(a.age, b.age);
        default: return DateKey(a.visitDate) < DateKey(b.visitDate);
        }
    }

private:
    const PatientIndex& m_index;
    std::vector<QString> m_names;
    QString m_needle;
};

CSelectPatientDialog::CSelectPatientDialog(CQuillonState& state, QWidget* parent) : QDialog(parent), m_state(state)
{
    setWindowTitle(tr("Select Patient"));
    setObjectName(QStringLiteral("SelectPatientDialog"));
    setSizeGripEnabled(true);

    auto* searchRow = new QHBoxLayout();
    auto* searchLabel = new QLabel(tr("&Search:"), this);
    m_pSearch = new QLineEdit(this);
    m_pSearch->setObjectName(QStringLiteral("patientSearch"));
    m_pSearch->setPlaceholderText(tr("Registration number or part of the name"));
    m_pSearch->setAccessibleName(tr("Search patients"));
    m_pSearch->setClearButtonEnabled(true);
    m_pSearch->installEventFilter(this);
    searchLabel->setBuddy(m_pSearch);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_pSearch, 1);

    auto* nameRow = new QHBoxLayout();
    nameRow->addWidget(new QLabel(tr("Dr. Name :"), this));
    m_pPhysician = new QLabel(this);
    m_pPhysician->setObjectName(QStringLiteral("physician"));
    m_pPhysician->setAccessibleName(tr("Dr. Name"));
    nameRow->addWidget(m_pPhysician, 1);

    m_pModel = new CPatientListModel(m_index, this);
    m_pFilter = new CPatientFilter(m_index, this);
    m_pFilter->setSourceModel(m_pModel);
    m_pList = new QTableView(this);
    m_pList->setModel(m_pFilter);
    m_pList->setObjectName(QStringLiteral("patientList"));
    m_pList->setAccessibleName(tr("Patients"));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setShowGrid(true);
    m_pList->verticalHeader()->hide();
    m_pList->horizontalHeader()->setHighlightSections(false);
    m_pList->setWordWrap(false);
    m_pList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pList->verticalHeader()->setDefaultSectionSize(m_pList->fontMetrics().height() + 4);
    QPalette palette = m_pList->palette();
    palette.setColor(QPalette::Base, kListBackground);
    palette.setColor(QPalette::Text, Qt::black);
    m_pList->setPalette(palette);
    // A column is as wide as its template, or as its heading in the user's language where that is wider.
    const QFontMetrics headingMetrics(m_pList->horizontalHeader()->font());
    const int headingMargin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, m_pList->horizontalHeader());
    int columnsWidth = 0;
    for (int c = 0; c < 4; ++c) {
        const int width
            = std::max(kColumns[c].width, headingMetrics.horizontalAdvance(tr(kColumns[c].title)) + headingMargin + 2);
        m_pList->setColumnWidth(c, width);
        columnsWidth += width;
    }
    // A click on a column's title sorts by it, a second click the other way round; the next run keeps the order.
    m_pList->horizontalHeader()->setSectionsClickable(true);
    m_pList->horizontalHeader()->setSortIndicatorShown(true);
    m_pList->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_pList->setSortingEnabled(true);
    {
        const QSettings settings = Settings();
        const int column = settings.value(kSortColumnKey, -1).toInt();
        if (column >= 0 && column < 4)
            m_pList->sortByColumn(column,
                settings.value(kSortOrderKey).toInt() == Qt::DescendingOrder ? Qt::DescendingOrder
                                                                             : Qt::AscendingOrder);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addLayout(searchRow);
    layout->addWidget(m_pList, 1);
    layout->addWidget(buttons);
    // The list shows a good screenful of patients and grows with the dialog; it is wide enough for every column
    // beside the list's frame and its vertical scroll bar.
    const QMargins margins = layout->contentsMargins();
    const int columnsRoom = columnsWidth + 2 * m_pList->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent)
        + margins.left() + margins.right();
    resize(std::max({440, sizeHint().width(), columnsRoom}),
        sizeHint().height() - m_pList->sizeHint().height()
            + kVisibleRows * m_pList->verticalHeader()->defaultSectionSize()
            + m_pList->horizontalHeader()->sizeHint().height() + 2 * m_pList->frameWidth());
    // The search comes first; Down moves into the list.
    setTabOrder(m_pSearch, m_pList);
    m_pSearch->setFocus();
    connect(m_pSearch, &QLineEdit::textChanged, m_pFilter, &CPatientFilter::SetNeedle);
    connect(m_pList->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [](int column, Qt::SortOrder order) {
        QSettings settings = Settings();
        settings.setValue(kSortColumnKey, column);
        settings.setValue(kSortOrderKey, static_cast<int>(order));
    });

    connect(buttons, &QDialogButtonBox::accepted, this, &CSelectPatientDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSelectPatientDialog::reject);
    connect(m_pList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &CSelectPatientDialog::OnSelectionChanged);
    connect(m_pList, &QTableView::doubleClicked, this, [this](const QModelIndex&) { accept(); });

    m_bLoaded = FillList();
}

bool CSelectPatientDialog::FillList()
{
    auto index = LoadPatientIndex(m_state.Folder(), m_state.Sink());
    if (!index)
        return false;
    m_index = std::move(*index);
    m_pPhysician->setText(FromData(m_index.physician));
    m_pFilter->ReadNames();
    m_pModel->Reset();
    return true;
}

int CSelectPatientDialog::exec()
{
    // Without a patient index the dialog closes as cancelled at once.
    if (!m_bLoaded)
        return QDialog::Rejected;
    return QDialog::exec();
}

void CSelectPatientDialog::OnSelectionChanged()
{
    const auto selected = m_pList->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int row = m_pFilter->mapToSource(selected.front()).row();
    if (row < 0 || row >= static_cast<int>(m_index.rows.size()))
        return;
    SetCurrentPatient(m_state, m_index.rows[static_cast<std::size_t>(row)], m_index.physician);
}

bool CSelectPatientDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Down (or Page Down) in the search goes into the list, on its first row when none is chosen.
    if (watched == m_pSearch && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_PageDown) && m_pFilter->rowCount() > 0) {
            m_pList->setFocus(Qt::TabFocusReason);
            if (m_pList->selectionModel()->selectedRows().isEmpty())
                m_pList->selectRow(0);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CSelectPatientDialog::accept()
{
    // A search that leaves one patient has chosen it.
    if (m_pList->selectionModel()->selectedRows().isEmpty() && m_pFilter->rowCount() == 1
        && !m_pSearch->text().trimmed().isEmpty())
        m_pList->selectRow(0);
    if (m_pList->selectionModel()->selectedRows().isEmpty()) {
        m_state.Sink().Show(kMsgSelectPatient);
        return;
    }
    m_choice = ChooseCurrentPatient(m_state, 0, m_beforeLoading);
    if (m_choice == PatientChoice::StayOpen)
        return;
    QDialog::accept();
}

} // namespace quillon
