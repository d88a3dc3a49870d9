// The Weightage Repertorisation dialog.
#include "chart/WeightageDialog.h"

#include "casedata/TextCodec.h"
#include "controls/FormLook.h"
#include "controls/MyScroll.h"
#include "controls/PictureButton.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace quillon {

namespace {

// Control ids of the rows' intensity lists, row place 0 first.
constexpr int kFirstIntensityListId = 1044;

// The dialog's template is laid out in dialog units.
constexpr int Dx(int x)
{
    return DialogUnitsX(x);
}
constexpr int Dy(int y)
{
    return DialogUnitsY(y);
}

// Dialog-unit y of the intensity list of row place 0..6.
constexpr std::array<int, kWeightageRows> kListY{58, 77, 95, 114, 132, 150, 168};

QFont RowFont(int pixelHeight)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Medium);
    return font;
}

// The banner across the top: a scale with a weight in each pan, drawn once.
QPixmap MakeBanner()
{
    QPixmap banner(455, 55);
    banner.fill(kWindowBackground);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 455, 0);
    band.setColorAt(0, QColor(40, 70, 140));
    band.setColorAt(1, QColor(150, 180, 230));
    painter.fillRect(QRect(0, 0, 455, 44), band);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(30, 10, 30, 36);
    painter.drawLine(14, 14, 46, 14);
    painter.drawLine(14, 14, 10, 26);
    painter.drawLine(14, 14, 18, 26);
    painter.drawLine(46, 14, 42, 22);
    painter.drawLine(46, 14, 50, 22);
    painter.drawArc(QRect(8, 22, 12, 8), 180 * 16, 180 * 16);
    painter.drawArc(QRect(40, 18, 12, 8), 180 * 16, 180 * 16);
    painter.drawLine(22, 36, 38, 36);
    return banner;
}

} // namespace

QRect CWeightageDlg::RowBand(int r)
{
    // Row place r: (30, 10 + 30r) - (460, 34 + 30r), drawn moved to (50, +85) - (432, +80).
    const int top = 10 + 30 * r;
    return QRect(QPoint(50, top + 85), QPoint(431, top + 24 + 80 - 1));
}

CWeightageDlg::CWeightageDlg(CWeightageModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(tr(kWeightageTitle));
    setFixedSize(Dx(303), Dy(201));
    QPalette background = palette();
    background.setColor(QPalette::Window, kWindowBackground);
    setPalette(background);
    setAutoFillBackground(true);

    for (int r = 0; r < kWeightageRows; ++r) {
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("intensity%1").arg(kFirstIntensityListId + r));
        for (int i = 0; i <= kMaxIntensity; ++i)
            list->addItem(QString::number(i));
        list->setGeometry(Dx(5), Dy(kListY[static_cast<std::size_t>(r)]), Dx(24), 22);
        // A wheel turned over a list that does not show the focus scrolls the rows instead of changing it.
        list->setFocusPolicy(Qt::StrongFocus);
        list->installEventFilter(this);
        connect(list, &QComboBox::activated, this, [this, r](int index) { m_model.RowSelectionChanged(r, index); });
        list->setVisible(m_model.RowListVisible(r));
        m_lists[static_cast<std::size_t>(r)] = list;

        // The rubric is the list's label, so a screen reader names the list by its rubric; the dialog paints the
        // band's focus frame behind it and shows its tooltip.
        auto* rubric = new QLabel(this);
        rubric->setObjectName(QStringLiteral("rubric%1").arg(kFirstIntensityListId + r));
        rubric->setTextFormat(Qt::PlainText);
        rubric->setFont(RowFont(16));
        rubric->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        rubric->setGeometry(RowBand(r));
        rubric->setAttribute(Qt::WA_TransparentForMouseEvents);
        rubric->setBuddy(list);
        rubric->hide();
        m_labels[static_cast<std::size_t>(r)] = rubric;
    }

    m_wndScroll = new CMyScroll(Qt::Vertical, this);
    m_wndScroll->setGeometry(Dx(291), Dy(55), Dx(10), Dy(126));
    m_wndScroll->setAccessibleName(tr("Rubrics"));
    m_wndScroll->SetPage(kWeightagePage);
    m_wndScroll->SetRangeMaximum(m_model.ScrollMaximum());
    m_wndScroll->SetPosition(m_model.Position());
    m_wndScroll->setVisible(m_model.ScrollBarVisible());
    connect(m_wndScroll, &CMyScroll::PositionStepped, this, &CWeightageDlg::OnScrolled);
    connect(m_wndScroll, &QAbstractSlider::sliderReleased, this, &CWeightageDlg::OnThumbReleased);

    m_pOk = new CPictureButton(tr("OK"), this);
    m_pOk->setDefault(true);
    m_pCancel = new CPictureButton(tr("Cancel"), this);
    // The two buttons end where the template's Cancel ends, each as wide as the template's or as the longer
    // text in the user's language needs.
    int buttonWidth = Dx(36);
    for (CPictureButton* button : {m_pOk, m_pCancel}) {
        const QRect room = button->TextArea();
        const int needed = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
        buttonWidth = std::max(buttonWidth, needed + button->width() - room.width() + 4);
    }
    m_pCancel->setGeometry(Dx(292) - buttonWidth, Dy(186), buttonWidth, Dy(13));
    m_pOk->setGeometry(m_pCancel->x() - Dx(2) - buttonWidth, Dy(186), buttonWidth, Dy(13));
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
    // The dialog opens on OK, not on the first list: a list holding a focus it does not show would take the keys.
    m_pOk->setFocus();

    ShowRows();
}

void CWeightageDlg::ShowRows()
{
    for (int r = 0; r < kWeightageRows; ++r) {
        const int s = m_model.SymptomOfRow(r);
        QLabel* rubric = m_labels[static_cast<std::size_t>(r)];
        if (s < 0) {
            rubric->hide();
            continue;
        }
        QComboBox* list = m_lists[static_cast<std::size_t>(r)];
        list->setCurrentIndex(m_model.Intensity(s));
        // On some desktops a combo box is named by its value; the description and the label name the rubric there.
        const QString text = RowText(s);
        list->setAccessibleName(tr("Intensity of %1").arg(text));
        list->setAccessibleDescription(list->accessibleName());
        // A rubric too long for its band ends in "…"; its tooltip and its accessible name hold the whole text.
        QString shown = rubric->fontMetrics().elidedText(text, Qt::ElideRight, rubric->width());
        rubric->setText(shown.replace(QLatin1Char('&'), QStringLiteral("&&")));
        rubric->setAccessibleName(text);
        rubric->show();
    }
    update();
}

void CWeightageDlg::OnScrolled(int position)
{
    if (m_wndScroll->isSliderDown()) {
        m_model.ThumbTrack(position);
        return;
    }
    if (m_model.ScrollTo(position))
        ShowRows();
}

void CWeightageDlg::OnThumbReleased()
{
    if (m_model.ThumbReleased())
        ShowRows();
}

void CWeightageDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    static const QPixmap banner = MakeBanner();
    painter.drawPixmap(0, 0, banner);

    painter.setFont(RowFont(17));
    painter.setPen(Qt::black);
    const int baseline = 65 + QFontMetrics(painter.font()).ascent();
    painter.drawText(45, baseline, tr(kWeightageHeading));
    painter.setPen(Qt::red);
    // The title keeps its place unless the heading, in the fonts at hand, would run into it.
    const QString heading = tr(kWeightageHeading);
    const int titleX = std::max(180, 45 + QFontMetrics(painter.font()).horizontalAdvance(heading) + 8);
    painter.drawText(titleX, baseline, tr(kWeightageTitle));

    for (int r = 0; r < kWeightageRows; ++r) {
        if (m_model.SymptomOfRow(r) < 0)
            break;
        const QRect band = RowBand(r);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = band;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

QString CWeightageDlg::RowText(int s) const
{
    return QString::fromStdString(Cp1252ToUtf8(m_model.SymptomText(s)));
}

bool CWeightageDlg::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        for (int r = 0; r < kWeightageRows; ++r) {
            const int s = m_model.SymptomOfRow(r);
            if (s >= 0 && RowBand(r).contains(help->pos())) {
                QToolTip::showText(help->globalPos(), RowText(s), this, RowBand(r));
                return true;
            }
        }
        QToolTip::hideText();
        return true;
    }
    return QDialog::event(event);
}

bool CWeightageDlg::ShowsFocus(const QWidget* list)
{
    // The style draws a list's focus frame only once the keyboard has moved the focus in the window.
    return list->hasFocus() && list->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

bool CWeightageDlg::eventFilter(QObject* watched, QEvent* event)
{
    const auto* list = qobject_cast<QComboBox*>(watched);
    if (event->type() == QEvent::Wheel && list && !ShowsFocus(list)) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CWeightageDlg::wheelEvent(QWheelEvent* event)
{
    // The wheel anywhere over the rows scrolls them as the bar does.
    if (m_wndScroll->isHidden()) {
        event->ignore();
        return;
    }
    m_wndScroll->WheelScroll(*event);
    event->accept();
}

bool CWeightageDialogChooser::ChooseWeightage(CWeightageModel& model)
{
    CWeightageDlg dialog(model, m_pParent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace quillon
