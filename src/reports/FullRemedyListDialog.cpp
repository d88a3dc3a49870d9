// The Full Remedy List dialog.
#include "reports/FullRemedyListDialog.h"

#include "controls/DisplayText.h"
#include "controls/FormLook.h"
#include "controls/UserChoices.h"
#include "state/SaveNames.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quillon {
namespace {

const QColor kListBackground(255, 255, 240);

QFont ArialFont(int weight)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

} // namespace

CFullRemedyListDialog::CFullRemedyListDialog(const PatientContext& patient, const CRemedyCatalogue* catalogue,
    IMessageSink& sink, IUserChoices& choices, const CSymptomRecord& symptom, QWidget* parent)
    : QDialog(parent), m_patient(patient), m_sink(sink), m_choices(choices), m_model(symptom, catalogue)
{
    setWindowTitle(tr("Full Remedy List"));
    setObjectName(QStringLiteral("FullRemedyListDialog"));
    resize(520, 470);

    m_pSymptom = new QPlainTextEdit(this);
    m_pSymptom->setObjectName(QStringLiteral("symptomText"));
    m_pSymptom->setAccessibleName(tr("Symptom"));
    m_pSymptom->setReadOnly(true);
    m_pSymptom->setFont(ArialFont(600));
    m_pSymptom->setFixedHeight(3 * QFontMetrics(m_pSymptom->font()).lineSpacing() + 10);
    m_pSymptom->setPlainText(FromData(m_model.SymptomText()));

    m_pCount = new QLineEdit(this);
    m_pCount->setObjectName(QStringLiteral("remedyCount"));
    m_pCount->setAccessibleName(tr("Remedy count"));
    m_pCount->setReadOnly(true);
    m_pCount->setFont(ArialFont(600));
    m_pCount->setText(FromData(m_model.CountText()));

    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("remedyList"));
    m_pList->setAccessibleName(tr("Full Remedy List"));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setFont(ArialFont(400));
    m_pList->setUniformItemSizes(true);
    QPalette listPalette = m_pList->palette();
    listPalette.setColor(QPalette::Base, kListBackground);
    listPalette.setColor(QPalette::Text, Qt::black);
    m_pList->setPalette(listPalette);

    m_pSave = new QPushButton(tr("&Save"), this);
    m_pSave->setAutoDefault(false);
    auto* sortBy = new QGroupBox(tr("Sort By"), this);
    m_pByMark = new QRadioButton(tr("Drug &Mark"), sortBy);
    m_pByName = new QRadioButton(tr("&Remedy"), sortBy);
    auto* sortLayout = new QVBoxLayout(sortBy);
    sortLayout->addWidget(m_pByMark);
    sortLayout->addWidget(m_pByName);

    m_pSearch = new QLineEdit(this);
    m_pSearch->setObjectName(QStringLiteral("remedySearch"));
    auto* searchLabel = new QLabel(tr("Search Rem"), this);
    searchLabel->setBuddy(m_pSearch);

    m_pFullName = new QLineEdit(this);
    m_pFullName->setObjectName(QStringLiteral("fullName"));
    m_pFullName->setAccessibleName(tr("Full name"));
    m_pFullName->setReadOnly(true);
    m_pFullName->setFont(ArialFont(400));
    QPalette namePalette = m_pFullName->palette();
    namePalette.setColor(QPalette::Base, kWindowBackground);
    m_pFullName->setPalette(namePalette);

    m_pOk = new QPushButton(tr("&OK"), this);
    m_pOk->setFont(ArialFont(400));
    m_pOk->setToolTip(tr("Close Window"));
    m_pOk->setDefault(true);

    auto* side = new QVBoxLayout();
    side->addWidget(m_pCount);
    side->addWidget(sortBy);
    side->addWidget(searchLabel);
    side->addWidget(m_pSearch);
    side->addStretch(1);
    side->addWidget(m_pSave);
    side->addWidget(m_pOk);

    auto* middle = new QHBoxLayout();
    middle->addWidget(m_pList, 1);
    middle->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pSymptom);
    layout->addLayout(middle, 1);
    layout->addWidget(m_pFullName);

    connect(m_pByMark, &QRadioButton::clicked, this, [this] { Fill(RemedyListOrder::DrugMark); });
    connect(m_pByName, &QRadioButton::clicked, this, [this] { Fill(RemedyListOrder::Remedy); });
    connect(m_pList, &QListWidget::currentRowChanged, this,
        [this](int row) { m_pFullName->setText(FromData(m_model.FullName(row))); });
    connect(m_pSearch, &QLineEdit::textChanged, this,
        [this](const QString& text) { MakeCurrent(m_model.Search(ToData(text), m_pList->currentRow())); });
    connect(m_pSave, &QPushButton::clicked, this, &CFullRemedyListDialog::OnSave);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);

    m_pByMark->setChecked(true);
    Fill(RemedyListOrder::DrugMark);
}

void CFullRemedyListDialog::Fill(RemedyListOrder order)
{
    m_model.Sort(order);
    {
        const QSignalBlocker blocker(m_pList);
        QStringList items;
        items.reserve(m_model.Count());
        for (int i = 0; i < m_model.Count(); ++i)
            items.append(FromData(m_model.ItemText(i)));
        m_pList->clear();
        m_pList->addItems(items);
    }
    MakeCurrent(m_model.Count() > 0 ? 0 : -1);
}

void CFullRemedyListDialog::MakeCurrent(int row)
{
    {
        const QSignalBlocker blocker(m_pList);
        m_pList->setCurrentRow(row);
    }
    if (row >= 0)
        m_pList->scrollToItem(m_pList->item(row));
    m_pFullName->setText(FromData(m_model.FullName(row)));
}

void CFullRemedyListDialog::OnSave()
{
    const QString suggested = FromData(SuggestedFileName(m_patient, ToData(tr("Remedy List")), "txt"));
    if (const auto path = ChooseTextFile(m_choices, this, suggested))
        m_model.Save(*path, m_sink);
}

} // namespace quillon
