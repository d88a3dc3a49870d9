// The Select Patient dialog.
#include "symptoms/SelectPatientDialog.h"

#include "controls/DisplayText.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
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
        return {};
    }

private:
    const PatientIndex& m_index;
};

CSelectPatientDialog::CSelectPatientDialog(CQuillonState& state, QWidget* parent) : QDialog(parent), m_state(state)
{
    setWindowTitle(tr("Select Patient"));
    setObjectName(QStringLiteral("SelectPatientDialog"));
    // 283 x 165 dialog units.
    resize(440, 290);

    auto* nameRow = new QHBoxLayout();
    nameRow->addWidget(new QLabel(tr("Dr. Name :"), this));
    m_pPhysician = new QLabel(this);
    m_pPhysician->setObjectName(QStringLiteral("physician"));
    m_pPhysician->setAccessibleName(tr("Dr. Name"));
    nameRow->addWidget(m_pPhysician, 1);

    m_pModel = new CPatientListModel(m_index, this);
    m_pList = new QTableView(this);
    m_pList->setModel(m_pModel);
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

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    // Wide enough for every column beside the list's frame and its vertical scroll bar.
    const QMargins margins = layout->contentsMargins();
    resize(std::max(width(),
               columnsWidth + 2 * m_pList->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                   + margins.left() + margins.right()),
        height());
    layout->addLayout(nameRow);
    layout->addWidget(m_pList, 1);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CSelectPatientDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSelectPatientDialog::reject);
    connect(m_pList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &CSelectPatientDialog::OnSelectionChanged);
    connect(m_pList, &QTableView::doubleClicked, this, [this](const QModelIndex&) { accept(); });

    m_bLoaded = FillList();
}

bool CSelectPatientDialog::FillList()
{
    auto index = LoadPatientIndex(m_state.m_folder, m_state.Sink());
    if (!index)
        return false;
    m_index = std::move(*index);
    m_pPhysician->setText(FromData(m_index.physician));
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
    const int row = selected.front().row();
    if (row < 0 || row >= static_cast<int>(m_index.rows.size()))
        return;
    SetCurrentPatient(m_state, m_index.rows[static_cast<std::size_t>(row)], m_index.physician);
}

void CSelectPatientDialog::accept()
{
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
