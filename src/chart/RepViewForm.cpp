// The chart view's form: its buttons and counters (one table), labels, marks and scroll bars, and their layout.
#include "chart/RepView.h"

#include "chart/ChartPictures.h"
#include "controls/DisplayText.h"
#include "controls/FormLook.h"
#include "controls/MyScroll.h"
#include "controls/PictureButton.h"
#include "engine/RepEngine.h"
#include "state/QuillonState.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QResizeEvent>

#include <algorithm>
#include <tuple>
#include <vector>

namespace quillon {

namespace {

const QColor kHeaderBackground(255, 255, 225);
const QColor kCaptionBackground(225, 225, 255);

// A control's place in control-frame units (x, y, width, height).
struct DesignBox
{
    FormPart part;
    int x, y, width, height;
};

// The form is laid out in dialog units, which make the control frame.
constexpr DesignBox FromDialogUnits(FormPart part, int x, int y, int width, int height)
{
    return {part, DialogUnitsX(x), DialogUnitsY(y), DialogUnitsX(width), DialogUnitsY(height)};
}

// The lists a list button shows, in the order of its counter texts.
enum ButtonList : int { kNoList = -1, kMindList, kGeneralList, kRestList, kClip1List, kClip2List, kClip3List };

// One button of the form: where it sits (dialog units across; every button is 16 x 14 at 26 down), its tooltip,
// the list it shows (a list button has a full/empty picture pair and a counter 8 x 8 under it, 4 units in; a
// method button has an icon) and the command a click runs (none: the symptoms-covered report).
struct ButtonSpec
{
    FormPart part;
    int x;
    const char* toolTip;
    ButtonList list;
    FormPart counter;
    bool method;
    ChartVerb verb = ChartVerb::Normal;
    int clipboard = 1;
};

// In the order of the form's data exchange, the order in which the buttons are made.
constexpr std::array<ButtonSpec, 15> kButtons{{
    {FormPart::Weightage, 375, QT_TRANSLATE_NOOP("quillon::CRepView", "Weightage Repertorisation"), kNoList,
        FormPart::None, true, ChartVerb::Weightage},
    {FormPart::Sorted, 270, QT_TRANSLATE_NOOP("quillon::CRepView", "Sorted Remedy Repertorisation"), kNoList,
        FormPart::None, true, ChartVerb::Sorted},
    {FormPart::Rest, 44, QT_TRANSLATE_NOOP("quillon::CRepView", "Symptoms Other than Mind"), kRestList,
        FormPart::RestCount, true, ChartVerb::Rest},
    {FormPart::SymptomCovered, 396, QT_TRANSLATE_NOOP("quillon::CRepView", "Symptom Covered / Not Covered By Remedy"),
        kNoList, FormPart::None, false},
    {FormPart::ResetClipboard, 124, QT_TRANSLATE_NOOP("quillon::CRepView", "Reset the Selected Clipboard"), kNoList,
        FormPart::None, true, ChartVerb::ResetClipboard},
    {FormPart::Clipboard1, 64, QT_TRANSLATE_NOOP("quillon::CRepView", "ClipBoard 1 Symptoms"), kClip1List,
        FormPart::Clip1Count, true, ChartVerb::Clipboard, 1},
    {FormPart::Clipboard2, 84, QT_TRANSLATE_NOOP("quillon::CRepView", "ClipBoard 2 Symptoms"), kClip2List,
        FormPart::Clip2Count, true, ChartVerb::Clipboard, 2},
    {FormPart::Clipboard3, 104, QT_TRANSLATE_NOOP("quillon::CRepView", "ClipBoard 3 Symptoms"), kClip3List,
        FormPart::Clip3Count, true, ChartVerb::Clipboard, 3},
    {FormPart::General, 24, QT_TRANSLATE_NOOP("quillon::CRepView", "General Symptoms"), kGeneralList,
        FormPart::GeneralCount, true, ChartVerb::General},
    {FormPart::Mind, 4, QT_TRANSLATE_NOOP("quillon::CRepView", "Mental Symptoms"), kMindList, FormPart::MindCount, true,
        ChartVerb::Mind},
    {FormPart::Normal, 249, QT_TRANSLATE_NOOP("quillon::CRepView", "Normal Repertorisation"), kNoList, FormPart::None,
        true, ChartVerb::Normal},
    {FormPart::DrugFilter, 291, QT_TRANSLATE_NOOP("quillon::CRepView", "Apply Drug Filters"), kNoList, FormPart::None,
        true, ChartVerb::DrugFilter},
    {FormPart::PlantFilter, 312, QT_TRANSLATE_NOOP("quillon::CRepView", "Apply Plant Filters"), kNoList, FormPart::None,
        true, ChartVerb::Plant},
    {FormPart::AnimalFilter, 333, QT_TRANSLATE_NOOP("quillon::CRepView", "Apply Animal Filters"), kNoList,
        FormPart::None, true, ChartVerb::Animal},
    {FormPart::MineralFilter, 354, QT_TRANSLATE_NOOP("quillon::CRepView", "Apply Mineral Filters"), kNoList,
        FormPart::None, true, ChartVerb::Mineral},
}};

// The other controls placed from the design.
constexpr std::array<DesignBox, 7> kStaticLayout{{
    FromDialogUnits(FormPart::Caption, 0, 13, 449, 11),
    {FormPart::HeaderLine, 0, 2, 640, 18},
    // The symptom bar runs beside the eleven symptom lines.
    {FormPart::SymptomScroll, 40, 144, 14, 170},
    {FormPart::SymptomsLabel, 57, 338, 62, 15},
    {FormPart::SymptomCount, 119, 338, 40, 15},
    {FormPart::RemediesLabel, 300, 338, 62, 15},
    {FormPart::RemedyCount, 362, 338, 40, 15},
}};

// The buttons as they stand, left to right: the order they are read and tabbed in.
std::vector<const ButtonSpec*> ButtonsByPlace()
{
    std::vector<const ButtonSpec*> byPlace;
    for (const ButtonSpec& spec : kButtons)
        byPlace.push_back(&spec);
    std::sort(byPlace.begin(), byPlace.end(), [](const ButtonSpec* a, const ButtonSpec* b) { return a->x < b->x; });
    return byPlace;
}

QFont PixelFont(const char* family, int pixels, int weight)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels < 1 ? 1 : pixels);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

} // namespace

void CRepView::CreateControls()
{
    // The controls are made in reading order, which is the order a screen reader lists them in: the header and
    // the caption, each button with its counter, the chart (see CChartGrid) and the totals under it.
    CreateActions();
    QLabel* header = MakeStatic(FormPart::HeaderLine, QString(), kRepViewText, kHeaderBackground);
    header->setFont(PixelFont("Liberation Serif", 16, 600));
    QLabel* caption = MakeStatic(FormPart::Caption, QString(), kRepViewText, kCaptionBackground);
    caption->setFont(PixelFont("Liberation Serif", 15, 600));

    for (const ButtonSpec* place : ButtonsByPlace()) {
        const ButtonSpec& spec = *place;
        auto* button = new CPictureButton(this);
        button->setFocusPolicy(Qt::StrongFocus);
        if (spec.list != kNoList)
            button->SetPicturePair(ListButtonPicture(spec.part, true), ListButtonPicture(spec.part, false));
        else
            button->SetPicture(MethodButtonIcon(spec.part));
        button->setToolTip(tr(spec.toolTip));
        button->setAccessibleName(button->toolTip());
        // Enabled once the chart has been built.
        button->setEnabled(false);
        m_buttons[spec.part] = button;
        if (spec.counter != FormPart::None)
            MakeStatic(spec.counter, QStringLiteral("0"), kRepViewText, kWindowBackground)
                ->setAlignment(Qt::AlignCenter);
    }

    const int countPixels = m_geometry.Sy(15) * 7 / 8;
    for (auto [labelId, text, countId] : {std::tuple{FormPart::SymptomsLabel, tr("Symptoms"), FormPart::SymptomCount},
             std::tuple{FormPart::RemediesLabel, tr("Remedies"), FormPart::RemedyCount}}) {
        QLabel* label = MakeStatic(labelId, text, kRepViewText, kWindowBackground);
        label->setFont(PixelFont("Liberation Sans", countPixels, 600));
        QLabel* count = MakeStatic(countId, QStringLiteral("0"), Qt::black, kWindowBackground);
        count->setFont(PixelFont("Liberation Sans", countPixels, 600));
    }

    for (QFrame*& frame : m_marks) {
        auto* mark = new QFrame(this);
        mark->setFrameStyle(QFrame::Box | QFrame::Plain);
        mark->setLineWidth(1);
        QPalette markPalette = mark->palette();
        markPalette.setColor(QPalette::WindowText, QColor(128, 128, 128));
        mark->setPalette(markPalette);
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame = mark;
    }

    m_pSymptomBar = new CMyScroll(Qt::Vertical, this);
    m_pRemedyBar = new CMyScroll(Qt::Horizontal, this);
    m_pTextBar = new CMyScroll(Qt::Horizontal, this);
    for (CMyScroll* bar : {m_pSymptomBar, m_pRemedyBar, m_pTextBar}) {
        bar->setFocusPolicy(Qt::NoFocus);
        connect(bar, &CMyScroll::NegativeLineLeft, this, [this] { m_state.Sink().Show(kMsgLineLeftNegative); });
    }
    m_pSymptomBar->setAccessibleName(tr("Symptom rows"));
    m_pRemedyBar->setAccessibleName(tr("Remedy columns"));
    m_pTextBar->setAccessibleName(tr("Rubric text"));
    m_pSymptomBar->SetPage(m_geometry.SymptomPage());
    m_pRemedyBar->SetPage(m_geometry.RemedyPage());
    m_pTextBar->SetPage(kSymptomTextPage);
    // CMyScroll steps the bar in its own handler of the same signal, which runs first.
    connect(m_pSymptomBar, &QAbstractSlider::actionTriggered, this, &CRepView::OnSymptomScroll);
    connect(m_pRemedyBar, &QAbstractSlider::actionTriggered, this, &CRepView::OnRemedyScroll);
    connect(m_pTextBar, &QAbstractSlider::actionTriggered, this, &CRepView::OnTextScroll);
    connect(m_pSymptomBar, &QAbstractSlider::sliderReleased, this,
        [this] { OnSymptomScroll(QAbstractSlider::SliderNoAction); });
    connect(m_pRemedyBar, &QAbstractSlider::sliderReleased, this,
        [this] { OnRemedyScroll(QAbstractSlider::SliderNoAction); });
    connect(
        m_pTextBar, &QAbstractSlider::sliderReleased, this, [this] { OnTextScroll(QAbstractSlider::SliderNoAction); });
    SetTabOrder();
}

// Tab runs from the chart through the buttons as they stand, left to right, and back to the chart.
void CRepView::SetTabOrder()
{
    const std::vector<const ButtonSpec*> byPlace = ButtonsByPlace();
    for (std::size_t i = 1; i < byPlace.size(); ++i)
        setTabOrder(m_buttons[byPlace[i - 1]->part], m_buttons[byPlace[i]->part]);
}

void CRepView::ConnectButtons()
{
    for (const ButtonSpec& spec : kButtons) {
        if (spec.method) {
            connect(m_buttons[spec.part], &QPushButton::clicked, this, [this, &spec] {
                ChartCommand command{spec.verb};
                command.clipboard = spec.clipboard;
                Execute(command);
            });
        } else {
            connect(m_buttons[spec.part], &QPushButton::clicked, this, &CRepView::RunSymptomCoveredReport);
        }
    }
}

void CRepView::UpdateButtonStates()
{
    for (const ButtonSpec& spec : kButtons) {
        const bool enabled = spec.method ? true : static_cast<bool>(m_symptomCoveredReport);
        m_buttons[spec.part]->setEnabled(m_bHasChart && enabled);
    }
}

void CRepView::UpdateCounters()
{
    // A clipboard's counter shows its count in the case store (also the next key there); its picture shows
    // whether the chart's copy holds symptoms.
    const auto clipCount = [this](int k) { return m_pMethods ? m_pMethods->ClipCount(k) : ClipboardSize(k); };
    const std::array<int, 6> counts{
        m_state.MindCount(), m_state.GeneralCount(), m_state.RestCount(), clipCount(0), clipCount(1), clipCount(2)};
    const std::array<bool, 6> full{counts[kMindList] >= 1, counts[kGeneralList] >= 1, counts[kRestList] >= 1,
        !Clipboard(0).empty(), !Clipboard(1).empty(), !Clipboard(2).empty()};
    for (const ButtonSpec& spec : kButtons) {
        if (spec.list == kNoList)
            continue;
        const auto at = static_cast<std::size_t>(spec.list);
        m_statics[spec.counter]->setText(QString::number(counts[at]));
        // Read with the button it counts for, not as a bare number.
        m_statics[spec.counter]->setAccessibleName(tr("%1: %2").arg(tr(spec.toolTip)).arg(counts[at]));
        m_buttons[spec.part]->SetFull(full[at]);
    }
}

QLabel* CRepView::MakeStatic(FormPart part, const QString& text, const QColor& textColour, const QColor& background)
{
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, textColour);
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_statics[part] = label;
    return label;
}

void CRepView::LayOutControls()
{
    // The form never shrinks below its controls; a smaller frame scrolls it (the header and caption lines span
    // whatever width the form has, and the far remedy columns may run past its edge, as on the design).
    // A fitted chart's bottom controls follow its last row, and the form may shrink to one row: the remedy bar
    // then ends inside the view.
    const SplitterLayout& layout = m_geometry.Layout();
    const int dy = m_geometry.BottomShift();
    QRect used = ToQRect(layout.symptomTextBar);
    if (!m_bFit)
        used |= ToQRect(layout.remedyBar);
    const auto place = [this, &used, dy](const DesignBox& box) {
        QRect rect = ToQRect(m_geometry.ControlToPixels({box.x, box.y, box.x + box.width, box.y + box.height}));
        if (box.part == FormPart::SymptomScroll)
            rect.setBottom(rect.bottom() + dy);
        else if (box.part == FormPart::SymptomsLabel || box.part == FormPart::SymptomCount
            || box.part == FormPart::RemediesLabel || box.part == FormPart::RemedyCount)
            rect.translate(0, dy);
        if (QWidget* control = Control(box.part))
            control->setGeometry(rect);
        if (box.part != FormPart::HeaderLine && box.part != FormPart::Caption)
            used |= rect;
    };
    for (const ButtonSpec& spec : kButtons) {
        place(FromDialogUnits(spec.part, spec.x, 26, 16, 14));
        if (spec.counter != FormPart::None)
            place(FromDialogUnits(spec.counter, spec.x + 4, 41, 8, 8));
    }
    for (const DesignBox& box : kStaticLayout)
        place(box);
    m_pTextBar->setGeometry(ToQRect(layout.symptomTextBar));
    m_pRemedyBar->setGeometry(ToQRect(layout.remedyBar));
    for (std::size_t i = 0; i < m_marks.size(); ++i)
        m_marks[i]->setGeometry(ToQRect(layout.marks[i]));
    if (m_bFit)
        setMinimumSize(used.right() + m_geometry.Sx(4), m_geometry.HeightForRows(1));
    else
        setMinimumSize(used.right() + m_geometry.Sx(4), used.bottom() + m_geometry.Sy(4));
    FitCountLabels();
}

void CRepView::FitCountLabels()
{
    // The labels' width follows the screen's width and their font its height: the font shrinks until the word
    // and a blank fit, so that the count beside the word never touches it.
    const int countPixels = m_geometry.Sy(15) * 7 / 8;
    for (FormPart part : {FormPart::SymptomsLabel, FormPart::RemediesLabel}) {
        QLabel* label = m_statics[part];
        for (int pixels = countPixels;; --pixels) {
            const QFont font = PixelFont("Liberation Sans", pixels, 600);
            label->setFont(font);
            if (pixels <= 6 || QFontMetrics(font).horizontalAdvance(label->text() + QLatin1Char(' ')) <= label->width())
                break;
        }
    }
}

void CRepView::SetScreenSize(int width, int height)
{
    const int x0 = m_geometry.GridOrigin();
    m_geometry = ChartGeometry(width, height, CurrentArea());
    if (x0 != kInitialGridOrigin)
        m_geometry.KeepGridOrigin(x0);
    const int countPixels = m_geometry.Sy(15) * 7 / 8;
    for (FormPart part :
        {FormPart::SymptomsLabel, FormPart::RemediesLabel, FormPart::SymptomCount, FormPart::RemedyCount})
        m_statics[part]->setFont(PixelFont("Liberation Sans", countPixels, 600));
    LayOutControls();
    SetScrollRanges();
    update();
}

ChartArea CRepView::CurrentArea() const
{
    ChartArea area;
    area.fit = m_bFit;
    // The widest the view gets is the width of the area that holds its frame, while that area is shown.
    for (const QWidget* holder = parentWidget(); holder; holder = holder->parentWidget()) {
        if (const auto* frames = qobject_cast<const QMdiArea*>(holder)) {
            if (frames->isVisible())
                area.width = frames->viewport()->width();
            break;
        }
    }
    if (m_bFit) {
        area.viewWidth = width();
        area.viewHeight = height();
    }
    return area;
}

void CRepView::FitToArea()
{
    const ChartArea area = CurrentArea();
    if (area == m_geometry.Area())
        return;
    const int x0 = m_geometry.GridOrigin();
    m_geometry = ChartGeometry(m_geometry.ScreenWidth(), m_geometry.ScreenHeight(), area);
    if (x0 != kInitialGridOrigin)
        m_geometry.KeepGridOrigin(x0);
    LayOutControls();
    SetScrollRanges();
    update();
}

void CRepView::SetFitToWindow(bool fit)
{
    if (fit == m_bFit)
        return;
    m_bFit = fit;
    FitToArea();
}

void CRepView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FitToArea();
}

void CRepView::SetHeaderLine()
{
    const PatientContext patient = m_state.Patient();
    m_statics[FormPart::HeaderLine]->setText(
        tr("  Of %1        Reg. No. : %2       Rep. Date : %3")
            .arg(FromData(patient.name), FromData(patient.regNo), FromData(patient.visitDate)));
}

CPictureButton* CRepView::Button(FormPart part) const
{
    const auto it = m_buttons.find(part);
    return it == m_buttons.end() ? nullptr : it->second;
}

QLabel* CRepView::Static(FormPart part) const
{
    const auto it = m_statics.find(part);
    return it == m_statics.end() ? nullptr : it->second;
}

CMyScroll* CRepView::ScrollBar(FormPart part) const
{
    switch (part) {
    case FormPart::SymptomScroll: return m_pSymptomBar;
    case FormPart::RemedyScroll: return m_pRemedyBar;
    case FormPart::TextScroll: return m_pTextBar;
    default: return nullptr;
    }
}

QWidget* CRepView::Control(FormPart part) const
{
    if (QWidget* button = Button(part))
        return button;
    if (QWidget* label = Static(part))
        return label;
    return ScrollBar(part);
}

// The bars' ranges and pages of the layout; the positions stay, as far as the ranges allow.
void CRepView::SetScrollRanges()
{
    const int symptoms = m_pEngine ? m_pEngine->SymptomCount() : 0;
    const int remedies = m_pEngine ? m_pEngine->RemedyCount() : 0;
    const ScrollRange symptomRange = m_geometry.SymptomRange(symptoms);
    const ScrollRange remedyRange = m_geometry.RemedyRange(remedies);
    const int p = m_pSymptomBar->Position();
    const int q = m_pRemedyBar->Position();
    m_pSymptomBar->SetPage(m_geometry.SymptomPage());
    m_pRemedyBar->SetPage(m_geometry.RemedyPage());
    m_pSymptomBar->SetRangeMaximum(symptomRange.maximum);
    m_pSymptomBar->SetPosition(symptomRange.shown ? std::min(p, symptomRange.maximum) : 0);
    m_pSymptomBar->setVisible(symptomRange.shown);
    m_pRemedyBar->SetRangeMaximum(remedyRange.maximum);
    m_pRemedyBar->SetPosition(remedyRange.shown ? std::min(q, remedyRange.maximum) : 0);
    m_pRemedyBar->setVisible(remedyRange.shown && !(m_pMethods && IsSplitterDragging()));
    if (m_pSymptomBar->Position() != p || m_pRemedyBar->Position() != q) {
        m_nLastSymptomPosition = -1;
        m_nLastRemedyPosition = -1;
    }
    if (m_pEngine)
        ClampCursor();
}

void CRepView::ResetScrollBars()
{
    m_pSymptomBar->SetPosition(0);
    m_pRemedyBar->SetPosition(0);
    SetScrollRanges();
    m_pSymptomBar->SetPosition(0);
    m_pRemedyBar->SetPosition(0);
    m_pTextBar->SetRangeMaximum(kSymptomTextMaximum);
    m_pTextBar->SetPosition(0);
    m_pTextBar->setVisible(!(m_pMethods && IsSplitterDragging()));
    // A new range starts from the top: any later position differs from what is drawn.
    m_nLastSymptomPosition = -1;
    m_nLastRemedyPosition = -1;
    m_nLastTextPosition = -1;
    m_bTextScrolled = false;
    m_bVertPending = m_bHorzPending = m_bTextPending = false;
}

void CRepView::ShowCounts()
{
    const int symptoms = m_pEngine ? m_pEngine->SymptomCount() : 0;
    const int remedies = m_pEngine ? m_pEngine->RemedyCount() : 0;
    m_statics[FormPart::SymptomCount]->setText(QString::number(symptoms));
    m_statics[FormPart::RemedyCount]->setText(QString::number(remedies));
    // Read with their words, as a screen reader meets the numbers apart from them.
    m_statics[FormPart::SymptomCount]->setAccessibleName(tr("Symptoms: %1").arg(symptoms));
    m_statics[FormPart::RemedyCount]->setAccessibleName(tr("Remedies: %1").arg(remedies));
}

QString CRepView::CaptionText() const
{
    return m_pMethods ? FromData(m_pMethods->BuildCaption()) : QString();
}

void CRepView::UpdateCaption()
{
    m_statics[FormPart::Caption]->setText(CaptionText());
}

} // namespace quillon
