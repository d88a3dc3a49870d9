// The magnifying glass's property sheet.
#include "magnifier/PropMagn.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quillon {

CPropPage::CPropPage(const QStringList& texts, int checked, QWidget* parent)
    : QWidget(parent), m_pGroup(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < texts.size(); ++i) {
        auto* radio = new QRadioButton(texts[i], this);
        m_pGroup->addButton(radio, i);
        layout->addWidget(radio);
    }
    layout->addStretch();
    SetChecked(checked);
}

int CPropPage::Checked() const
{
    return std::max(0, m_pGroup->checkedId());
}

void CPropPage::SetChecked(int index)
{
    if (QAbstractButton* button = m_pGroup->button(index))
        button->setChecked(true);
}

CPropMagn::CPropMagn(const LensSettings& current, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Magnifying Glass Properties"));
    m_pTabs = new QTabWidget(this);
    m_pSize
        = new CPropPage({QStringLiteral("100"), QStringLiteral("120"), QStringLiteral("150"), QStringLiteral("180")},
            current.SizeIndex(), m_pTabs);
    m_pZoom
        = new CPropPage({QStringLiteral("X1.5"), QStringLiteral("X2"), QStringLiteral("X2.5"), QStringLiteral("X3")},
            current.ZoomIndex(), m_pTabs);
    m_pShape = new CPropPage({tr("Rectangular"), tr("Round")}, current.shape, m_pTabs);
    m_pSize->setObjectName(QStringLiteral("CPPSize"));
    m_pZoom->setObjectName(QStringLiteral("CPPZoom"));
    m_pShape->setObjectName(QStringLiteral("CPPShape"));
    m_pTabs->addTab(m_pSize, tr("Size"));
    m_pTabs->addTab(m_pZoom, tr("Zoom"));
    m_pTabs->addTab(m_pShape, tr("Shape"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(buttons);
    setMinimumWidth(TitleWidth(windowTitle()));
}

int CPropMagn::TitleWidth(const QString& title)
{
    // Title bars set the caption in bold beside the window's icon and buttons.
    constexpr int kTitleBarExtra = 150;
    QFont bold = QApplication::font(); // the window's own font can differ from the title bar's
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + kTitleBarExtra;
}

LensSettings CPropMagn::Chosen() const
{
    return LensSettings::FromIndexes(m_pSize->Checked(), m_pZoom->Checked(), m_pShape->Checked());
}

bool CPropMagn::Run(LensSettings& settings, QWidget* parent)
{
    CPropMagn sheet(settings, parent);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    settings = sheet.Chosen();
    return true;
}

} // namespace quillon
