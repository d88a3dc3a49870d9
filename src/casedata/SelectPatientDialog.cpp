// The Select Patient dialog.
#include "casedata/SelectPatientDialog.h"

#include "app/QuillonApp.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillon {
namespace {

struct Column
{
    const char* title;
    int width;
    Qt::Alignment alignment;
};

constexpr Column kColumns[] = {
    {"Reg No", 50, Qt::AlignRight | Qt::AlignVCenter},
    {"Patient Name", 230, Qt::AlignLeft | Qt::AlignVCenter},
    {"Age", 50, Qt::AlignRight | Qt::AlignVCenter},
    {"Visit Date", 78, Qt::AlignLeft | Qt::AlignVCenter},
};

const QColor kListBackground(255, 255, 240);

} // namespace

CSelectPatientDialog::CSelectPatientDialog(CQuillonApp& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setWindowTitle(QStringLiteral("Select Patient"));
    setObjectName(QStringLiteral("SelectPatientDialog"));
    // 283 x 165 dialog units.
    resize(440, 290);

    auto* nameRow = new QHBoxLayout();
    nameRow->addWidget(new QLabel(QStringLiteral("Dr. Name :"), this));
    m_pPhysician = new QLabel(this);
    m_pPhysician->setObjectName(QStringLiteral("physician"));
    nameRow->addWidget(m_pPhysician, 1);

    m_pList = new QTableWidget(0, 4, this);
    m_pList->setObjectName(QStringLiteral("patientList"));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setShowGrid(true);
    m_pList->verticalHeader()->hide();
    m_pList->horizontalHeader()->setHighlightSections(false);
    m_pList->setWordWrap(false);
    m_pList->verticalHeader()->setDefaultSectionSize(m_pList->fontMetrics().height() + 4);
    QPalette palette = m_pList->palette();
    palette.setColor(QPalette::Base, kListBackground);
    palette.setColor(QPalette::Text, Qt::black);
    m_pList->setPalette(palette);
    for (int c = 0; c < 4; ++c) {
        auto* header = new QTableWidgetItem(QString::fromLatin1(kColumns[c].title));
        header->setTextAlignment(kColumns[c].alignment);
        m_pList->setHorizontalHeaderItem(c, header);
        m_pList->setColumnWidth(c, kColumns[c].width);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(m_pList, 1);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CSelectPatientDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSelectPatientDialog::reject);
    connect(m_pList, &QTableWidget::itemSelectionChanged, this, &CSelectPatientDialog::OnSelectionChanged);
    connect(m_pList, &QTableWidget::cellDoubleClicked, this, [this](int, int) { accept(); });

    m_bLoaded = FillList();
}

bool CSelectPatientDialog::FillList()
{
    auto index = LoadPatientIndex(m_app.m_folder, m_app.Sink());
    if (!index)
        return false;
    m_index = std::move(*index);
    m_pPhysician->setText(FromData(m_index.physician));
    m_pList->setRowCount(static_cast<int>(m_index.rows.size()));
    for (int r = 0; r < static_cast<int>(m_index.rows.size()); ++r) {
        const PatientRow& row = m_index.rows[static_cast<std::size_t>(r)];
        const std::string* fields[] = {&row.regNo, &row.name, &row.age, &row.visitDate};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(FromData(*fields[c]));
            item->setTextAlignment(kColumns[c].alignment);
            item->setBackground(kListBackground);
            m_pList->setItem(r, c, item);
        }
    }
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
    SetCurrentPatient(m_app, m_index.rows[static_cast<std::size_t>(row)], m_index.physician);
}

void CSelectPatientDialog::accept()
{
    if (m_pList->selectionModel()->selectedRows().isEmpty()) {
        m_app.Sink().Show(kMsgSelectPatient);
        return;
    }
    m_choice = ChooseCurrentPatient(m_app);
    if (m_choice == PatientChoice::StayOpen)
        return;
    QDialog::accept();
}

} // namespace quillon
