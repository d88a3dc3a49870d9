// The Undelete Recorded Symptom dialog.
#include "symptoms/UndeleteDialog.h"

#include "controls/DisplayText.h"
#include "controls/PictureButton.h"
#include "symptoms/SymptomIcons.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quillon {

CUndeleteDialog::CUndeleteDialog(CCaseStore& store, QWidget* parent) : QDialog(parent), m_model(store)
{
    setWindowTitle(tr("Undelete Recorded Symptom"));
    setObjectName(QStringLiteral("UndeleteDialog"));
    // 282 x 162 dialog units, 40 units right of and below the owner's corner.
    resize(425, 265);
    if (parent)
        move(parent->window()->geometry().topLeft() + QPoint(60, 65));

    m_pCaption = new QLineEdit(this);
    m_pCaption->setObjectName(QStringLiteral("deletedCaption"));
    m_pCaption->setAccessibleName(tr("Deleted symptoms"));
    m_pCaption->setReadOnly(true);
    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPixelSize(15);
    captionFont.setWeight(QFont::Bold);
    m_pCaption->setFont(captionFont);

    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("deletedList"));
    m_pList->setAccessibleName(tr("Deleted symptom list"));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setSortingEnabled(false);
    QFont listFont = font();
    listFont.setPixelSize(15);
    listFont.setWeight(QFont::DemiBold);
    m_pList->setFont(listFont);

    m_pUndelete = new CPictureButton(tr("&Undelete"), this);
    m_pUndelete->SetPicture(symptom_icons::UndeleteIcon());
    symptom_icons::FitPictureButton(m_pUndelete);
    m_pUndeleteAll = new CPictureButton(tr("Undelete&All"), this);
    m_pUndeleteAll->SetPicture(symptom_icons::UndeleteAllIcon());
    symptom_icons::FitPictureButton(m_pUndeleteAll);
    m_pOk = new CPictureButton(tr("&OK"), this);
    m_pOk->SetPicture(symptom_icons::OkIcon());
    symptom_icons::FitPictureButton(m_pOk);
    m_pOk->setDefault(true);

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(m_pUndelete);
    buttons->addWidget(m_pUndeleteAll);
    buttons->addStretch(1);
    buttons->addWidget(m_pOk);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pCaption);
    layout->addWidget(m_pList, 1);
    layout->addLayout(buttons);

    connect(m_pUndelete, &QPushButton::clicked, this, &CUndeleteDialog::OnUndelete);
    connect(m_pUndeleteAll, &QPushButton::clicked, this, &CUndeleteDialog::OnUndeleteAll);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pList, &QListWidget::currentRowChanged, this, [this](int row) { m_model.Select(row); });

    ShowModel();
}

void CUndeleteDialog::ShowModel()
{
    const QSignalBlocker blocker(m_pList);
    m_pList->clear();
    for (const std::string& text : m_model.Texts())
        m_pList->addItem(FromData(text));
    m_pList->setCurrentRow(m_model.Selection());
    m_pCaption->setText(FromData(m_model.Caption()));
    m_pUndelete->setEnabled(m_model.ButtonsEnabled());
    m_pUndeleteAll->setEnabled(m_model.ButtonsEnabled());
}

void CUndeleteDialog::OnUndelete()
{
    // The selection the user sees is the one restored.
    m_model.Select(m_pList->currentItem() && m_pList->currentItem()->isSelected() ? m_pList->currentRow() : -1);
    if (m_model.Undelete())
        ShowModel();
}

void CUndeleteDialog::OnUndeleteAll()
{
    m_model.UndeleteAll();
    ShowModel();
    accept();
}

} // namespace quillon
