// The Drug Filter dialog.
#include "filters/DrugFilterDialog.h"

#include "controls/FormLook.h"
#include "controls/PictureButton.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quillon {

namespace {

// The banner in the top left corner: a mortar with a pestle, drawn once.
QPixmap MakeBanner()
{
    QPixmap banner(48, 40);
    banner.fill(Qt::transparent);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 90), 2));
    painter.setBrush(QColor(170, 190, 230));
    painter.drawChord(QRect(6, 4, 36, 32), 180 * 16, 180 * 16);
    painter.drawLine(6, 20, 42, 20);
    painter.setBrush(QColor(120, 90, 60));
    painter.drawRoundedRect(QRectF(26, 2, 6, 18), 3, 3);
    return banner;
}

} // namespace

CDrugFilterDlg::CDrugFilterDlg(CDrugFilterModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(QCoreApplication::translate("CDrugFilterModel", kDrugFilterTitle));
    QPalette background = palette();
    background.setColor(QPalette::Window, kWindowBackground);
    setPalette(background);
    setAutoFillBackground(true);

    auto* banner = new QLabel(this);
    banner->setPixmap(MakeBanner());
    auto* heading = new QLabel(QCoreApplication::translate("CDrugFilterModel", kDrugFilterHeading), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto* top = new QHBoxLayout;
    top->addWidget(banner);
    top->addWidget(heading, 1);

    auto* frame = new QGroupBox(this);
    auto* columns = new QHBoxLayout(frame);
    std::array<QVBoxLayout*, 3> column{};
    for (auto& c : column) {
        c = new QVBoxLayout;
        columns->addLayout(c);
    }
    for (std::size_t g = 0; g < kDrugPropertyGroups.size(); ++g) {
        const DrugPropertyGroup& group = kDrugPropertyGroups[g];
        auto* box = new QGroupBox(QCoreApplication::translate("CDrugFilterModel", group.title), frame);
        auto* rows = new QVBoxLayout(box);
        for (const int k : group.properties) {
            const DrugProperty* property = FindDrugProperty(k);
            auto* check = new QCheckBox(QCoreApplication::translate("CDrugFilterModel", property->label), box);
            check->setObjectName(QStringLiteral("property%1").arg(property->controlId));
            check->setChecked(m_model.IsChecked(k));
            connect(check, &QCheckBox::toggled, this, [this, k](bool on) { m_model.SetChecked(k, on); });
            rows->addWidget(check);
            m_boxes[static_cast<std::size_t>(k - 1)] = check;
        }
        column[static_cast<std::size_t>(group.column)]->addWidget(box);
        m_groups[g] = box;
    }
    for (auto* c : column)
        c->addStretch(1);

    m_pOk = new CPictureButton(tr("&OK"), this);
    m_pOk->setDefault(true);
    m_pCancel = new CPictureButton(tr("Cancel"), this);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
}

QCheckBox* CDrugFilterDlg::PropertyBox(int k) const
{
    if (k < 1 || k > kDrugPropertyCount)
        return nullptr;
    return m_boxes[static_cast<std::size_t>(k - 1)];
}

bool CDrugFilterDialogChooser::ChooseDrugFilter(CDrugFilterModel& model)
{
    CDrugFilterDlg dialog(model, m_pParent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace quillon
