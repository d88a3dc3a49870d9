// The repertorisation chart view.
#include "repertory/RepView.h"

#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "controls/MyScroll.h"
#include "controls/PictureButton.h"
#include "filters/DrugFilterDialog.h"
#include "filters/KingdomDialogChooser.h"
#include "repertory/ChartDump.h"
#include "repertory/ChartPictures.h"
#include "repertory/RepEngine.h"
#include "repertory/WeightageDialog.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

namespace quillon {

namespace {

const QColor kStaticText(0, 0, 255);
const QColor kHeaderBackground(255, 255, 225);
const QColor kCaptionBackground(225, 225, 255);

// Screen x at which the popup menus change from left- to right-aligned.
constexpr int kPopupAlignX = 445;

// A control's place in control-frame units (x, y, width, height).
struct DesignBox
{
    int id;
    int x, y, width, height;
};

// The buttons are placed in dialog units on the form: 3/2 of a unit across and 13/8 down make the
// control frame.
constexpr DesignBox FromDialogUnits(int id, int x, int y, int width, int height)
{
    return {id, x * 3 / 2, y * 13 / 8, width * 3 / 2, height * 13 / 8};
}

constexpr std::array<DesignBox, 29> kFormLayout{{
    FromDialogUnits(IDC_MIND, 4, 26, 16, 14),
    FromDialogUnits(IDC_GENERAL, 24, 26, 16, 14),
    FromDialogUnits(IDC_REST, 44, 26, 16, 14),
    FromDialogUnits(IDC_CLIPBOARD1, 64, 26, 16, 14),
    FromDialogUnits(IDC_CLIPBOARD2, 84, 26, 16, 14),
    FromDialogUnits(IDC_CLIPBOARD3, 104, 26, 16, 14),
    FromDialogUnits(IDC_RESET_CLIPBOARD, 124, 26, 16, 14),
    FromDialogUnits(IDC_NORMAL, 249, 26, 16, 14),
    FromDialogUnits(IDC_SORTED, 270, 26, 16, 14),
    FromDialogUnits(IDC_DRUG_FILTER, 291, 26, 16, 14),
    FromDialogUnits(IDC_PLANT_FILTER, 312, 26, 16, 14),
    FromDialogUnits(IDC_ANIMAL_FILTER, 333, 26, 16, 14),
    FromDialogUnits(IDC_MINERAL_FILTER, 354, 26, 16, 14),
    FromDialogUnits(IDC_WEIGHTAGE, 375, 26, 16, 14),
    FromDialogUnits(IDC_SYMPTOM_COVERED, 396, 26, 16, 14),
    // The counters stand under the first six buttons.
    FromDialogUnits(IDC_MIND_COUNT, 8, 41, 8, 8),
    FromDialogUnits(IDC_GENERAL_COUNT, 28, 41, 8, 8),
    FromDialogUnits(IDC_REST_COUNT, 48, 41, 8, 8),
    FromDialogUnits(IDC_CLIP1_COUNT, 68, 41, 8, 8),
    FromDialogUnits(IDC_CLIP2_COUNT, 88, 41, 8, 8),
    FromDialogUnits(IDC_CLIP3_COUNT, 108, 41, 8, 8),
    FromDialogUnits(IDC_CAPTION, 0, 13, 449, 11),
    {IDC_HEADER_LINE, 0, 2, 640, 18},
    // The symptom bar runs beside the eleven symptom lines.
    {IDC_SYMPTOM_SCROLL, 40, 144, 14, 170},
    {IDC_SYMPTOMS_LABEL, 57, 338, 62, 15},
    {IDC_SYMPTOM_COUNT, 119, 338, 40, 15},
    {IDC_REMEDIES_LABEL, 300, 338, 62, 15},
    {IDC_REMEDY_COUNT, 362, 338, 40, 15},
    {0, 0, 0, 0, 0},
}};

const char* ButtonToolTip(int id)
{
    switch (id) {
    case IDC_MIND: return "Mental Symptoms";
    case IDC_GENERAL: return "General Symptoms";
    case IDC_REST: return "Symptoms Other than Mind";
    case IDC_CLIPBOARD1: return "ClipBoard 1 Symptoms";
    case IDC_CLIPBOARD2: return "ClipBoard 2 Symptoms";
    case IDC_CLIPBOARD3: return "ClipBoard 3 Symptoms";
    case IDC_RESET_CLIPBOARD: return "Reset the Selected Clipboard";
    case IDC_NORMAL: return "Normal Repertorisation";
    case IDC_SORTED: return "Sorted Remedy Repertorisation";
    case IDC_DRUG_FILTER: return "Apply Drug Filters";
    case IDC_PLANT_FILTER: return "Apply Plant Filters";
    case IDC_ANIMAL_FILTER: return "Apply Animal Filters";
    case IDC_MINERAL_FILTER: return "Apply Mineral Filters";
    case IDC_WEIGHTAGE: return "Weightage Repertorisation";
    case IDC_SYMPTOM_COVERED: return "Symptom Covered / Not Covered By Remedy";
    default: return "";
    }
}

bool IsListButton(int id)
{
    return id == IDC_MIND || id == IDC_GENERAL || id == IDC_REST || id == IDC_CLIPBOARD1 || id == IDC_CLIPBOARD2
        || id == IDC_CLIPBOARD3;
}

QRect ToQRect(const ChartRect& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}

QFont PixelFont(const char* family, int pixels, int weight)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels < 1 ? 1 : pixels);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

QSize ScreenSizeOf(const QWidget* widget)
{
    const QScreen* screen = widget->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

} // namespace

CRepView::CRepView(CQuillonApp& app, QWidget* parent) : QWidget(parent), m_app(app)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, app.m_crBackground);
    palette.setColor(QPalette::WindowText, kStaticText);
    setPalette(palette);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);

    const QSize screenSize = ScreenSizeOf(this);
    m_geometry = ChartGeometry(screenSize.width(), screenSize.height());

    CreateControls();
    app.RegisterView(kViewChart, this);
    SetHeaderLine();

    m_pEngine = std::make_unique<CRepEngine>(app, app.m_pRemedyCatalogue.get(), app.Sink());
    m_pMethods = std::make_unique<CRepMethods>(app, *m_pEngine, app.Sink());
    m_pWeightageChooser = std::make_unique<CWeightageDialogChooser>(this);
    m_pDrugFilterChooser = std::make_unique<CDrugFilterDialogChooser>(this);
    m_pKingdomChooser = std::make_unique<CKingdomDialogChooser>(app.m_folder, app.Sink(), this);
    m_pMethods->SetChoosers(m_pWeightageChooser.get(), m_pDrugFilterChooser.get(), m_pKingdomChooser.get());
    SetClipboardStorage(&m_pMethods->m_mapClip, &m_pMethods->m_nClipNextKey, &m_pMethods->m_nClipCount);
    connect(this, &CRepView::MethodFlagsReset, this, [this] { m_pMethods->ResetMethodFlags(); });
    // A failed start has shown its message; the view then stays without a chart and its buttons stay off.
    m_bHasChart = m_pMethods->Start();
    ConnectButtons();
    UpdateButtonStates();

    setWindowTitle(QStringLiteral("Repertorisation -- ") + FromData(app.m_strPatientName));
    LayOutControls();
    ResetScrollBars();
    ShowCounts();
    UpdateCounters();
    UpdateCaption();
}

CRepView::~CRepView()
{
    m_app.UnregisterView(kViewChart, this);
}

void CRepView::CreateControls()
{
    for (int id : kRepViewButtons) {
        auto* button = new CPictureButton(this);
        button->setFocusPolicy(Qt::NoFocus);
        if (IsListButton(id))
            button->SetPicturePair(ListButtonPicture(id, true), ListButtonPicture(id, false));
        else
            button->SetPicture(MethodButtonIcon(id));
        button->setToolTip(QString::fromLatin1(ButtonToolTip(id)));
        // Enabled once the chart has been built.
        button->setEnabled(false);
        m_buttons[id] = button;
    }

    for (int id :
        {IDC_MIND_COUNT, IDC_GENERAL_COUNT, IDC_REST_COUNT, IDC_CLIP1_COUNT, IDC_CLIP2_COUNT, IDC_CLIP3_COUNT}) {
        QLabel* counter = MakeStatic(id, QStringLiteral("0"), kStaticText, m_app.m_crBackground);
        counter->setAlignment(Qt::AlignCenter);
    }
    QLabel* header = MakeStatic(IDC_HEADER_LINE, QString(), kStaticText, kHeaderBackground);
    header->setFont(PixelFont("Liberation Serif", 16, 600));
    QLabel* caption = MakeStatic(IDC_CAPTION, QString(), kStaticText, kCaptionBackground);
    caption->setFont(PixelFont("Liberation Serif", 15, 600));

    const int countPixels = m_geometry.Sy(15) * 7 / 8;
    for (auto [id, text] : {std::pair{IDC_SYMPTOMS_LABEL, "Symptoms"}, std::pair{IDC_REMEDIES_LABEL, "Remedies"}}) {
        QLabel* label = MakeStatic(id, QString::fromLatin1(text), kStaticText, m_app.m_crBackground);
        label->setFont(PixelFont("Liberation Sans", countPixels, 600));
    }
    for (int id : {IDC_SYMPTOM_COUNT, IDC_REMEDY_COUNT}) {
        QLabel* count = MakeStatic(id, QStringLiteral("0"), Qt::black, m_app.m_crBackground);
        count->setFont(PixelFont("Liberation Sans", countPixels, 600));
    }

    for (int id : {IDC_MARK_1777, IDC_MARK_1778, IDC_MARK_1787, IDC_MARK_1788}) {
        auto* mark = new QFrame(this);
        mark->setFrameStyle(QFrame::Box | QFrame::Plain);
        mark->setLineWidth(1);
        QPalette markPalette = mark->palette();
        markPalette.setColor(QPalette::WindowText, QColor(128, 128, 128));
        mark->setPalette(markPalette);
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_marks[id] = mark;
    }

    m_pSymptomBar = new CMyScroll(Qt::Vertical, this, IDC_SYMPTOM_SCROLL);
    m_pRemedyBar = new CMyScroll(Qt::Horizontal, this, IDC_REMEDY_SCROLL);
    m_pTextBar = new CMyScroll(Qt::Horizontal, this, IDC_SYMPTOM_TEXT_SCROLL);
    for (CMyScroll* bar : {m_pSymptomBar, m_pRemedyBar, m_pTextBar}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->SetMessageSink(&m_app.Sink());
    }
    m_pSymptomBar->SetPage(kSymptomPage);
    m_pRemedyBar->SetPage(kRemedyPage);
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
}

QLabel* CRepView::MakeStatic(int id, const QString& text, const QColor& textColour, const QColor& background)
{
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, textColour);
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_statics[id] = label;
    return label;
}

void CRepView::LayOutControls()
{
    for (const DesignBox& box : kFormLayout) {
        QWidget* control = Control(box.id);
        if (!control)
            continue;
        control->setGeometry(
            ToQRect(m_geometry.ControlToPixels({box.x, box.y, box.x + box.width, box.y + box.height})));
    }
    const SplitterLayout& layout = m_geometry.Layout();
    m_pTextBar->setGeometry(ToQRect(layout.symptomTextBar));
    m_pRemedyBar->setGeometry(ToQRect(layout.remedyBar));
    const std::array<int, 4> markIds{IDC_MARK_1777, IDC_MARK_1778, IDC_MARK_1787, IDC_MARK_1788};
    for (std::size_t i = 0; i < markIds.size(); ++i)
        m_marks[markIds[i]]->setGeometry(ToQRect(layout.marks[i]));
}

void CRepView::SetScreenSize(int width, int height)
{
    const int x0 = m_geometry.GridOrigin();
    m_geometry = ChartGeometry(width, height);
    if (x0 != kInitialGridOrigin)
        m_geometry.ReleaseSplitter((x0 - 5) * width / kChartFrameWidth);
    const int countPixels = m_geometry.Sy(15) * 7 / 8;
    for (int id : {IDC_SYMPTOMS_LABEL, IDC_REMEDIES_LABEL, IDC_SYMPTOM_COUNT, IDC_REMEDY_COUNT})
        m_statics[id]->setFont(PixelFont("Liberation Sans", countPixels, 600));
    LayOutControls();
    // The labels' width follows the screen's width and their font its height: on a narrow screen the font
    // shrinks until the word fits.
    for (int id : {IDC_SYMPTOMS_LABEL, IDC_REMEDIES_LABEL}) {
        QLabel* label = m_statics[id];
        for (int pixels = countPixels; pixels > 6; --pixels) {
            const QFont font = PixelFont("Liberation Sans", pixels, 600);
            label->setFont(font);
            if (QFontMetrics(font).horizontalAdvance(label->text()) <= label->width())
                break;
        }
    }
    update();
}

void CRepView::SetHeaderLine()
{
    const std::string line = "  Of " + m_app.m_strPatientName + std::string(8, ' ')
        + "Reg. No. : " + m_app.m_strPatientFile + std::string(7, ' ') + "Rep. Date : " + m_app.m_szVisitDate;
    m_statics[IDC_HEADER_LINE]->setText(FromData(line));
}

CPictureButton* CRepView::Button(int id) const
{
    const auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

QLabel* CRepView::Static(int id) const
{
    const auto it = m_statics.find(id);
    return it == m_statics.end() ? nullptr : it->second;
}

CMyScroll* CRepView::ScrollBar(int id) const
{
    switch (id) {
    case IDC_SYMPTOM_SCROLL: return m_pSymptomBar;
    case IDC_REMEDY_SCROLL: return m_pRemedyBar;
    case IDC_SYMPTOM_TEXT_SCROLL: return m_pTextBar;
    default: return nullptr;
    }
}

QWidget* CRepView::Control(int id) const
{
    if (QWidget* button = Button(id))
        return button;
    if (QWidget* label = Static(id))
        return label;
    if (QWidget* bar = ScrollBar(id))
        return bar;
    const auto it = m_marks.find(id);
    return it == m_marks.end() ? nullptr : it->second;
}

ChartPaintState CRepView::PaintState() const
{
    ChartPaintState state;
    state.symptomPosition = m_pSymptomBar->Position();
    state.remedyPosition = m_pRemedyBar->Position();
    state.textPosition = m_pTextBar->Position();
    state.textScrolled = m_bTextScrolled;
    return state;
}

// --- Results, counts and caption ---

void CRepView::ResetScrollBars()
{
    const int symptoms = m_pEngine ? m_pEngine->SymptomCount() : 0;
    const int remedies = m_pEngine ? m_pEngine->RemedyCount() : 0;
    const ScrollRange symptomRange = SymptomScrollRange(symptoms);
    const ScrollRange remedyRange = RemedyScrollRange(remedies);
    m_pSymptomBar->SetRangeMaximum(symptomRange.maximum);
    m_pSymptomBar->SetPosition(0);
    m_pSymptomBar->setVisible(symptomRange.shown);
    m_pRemedyBar->SetRangeMaximum(remedyRange.maximum);
    m_pRemedyBar->SetPosition(0);
    m_pRemedyBar->setVisible(remedyRange.shown && !m_bSplitterDragging);
    m_pTextBar->SetRangeMaximum(kSymptomTextMaximum);
    m_pTextBar->SetPosition(0);
    m_pTextBar->setVisible(!m_bSplitterDragging);
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
    m_statics[IDC_SYMPTOM_COUNT]->setText(QString::number(symptoms));
    m_statics[IDC_REMEDY_COUNT]->setText(QString::number(remedies));
}

QString CRepView::CaptionText() const
{
    return m_pMethods ? FromData(m_pMethods->BuildCaption()) : QString();
}

void CRepView::UpdateCaption()
{
    m_statics[IDC_CAPTION]->setText(CaptionText());
}

void CRepView::UpdateCounters()
{
    const int mind = m_app.MindCount();
    const int general = m_app.GeneralCount();
    const int rest = m_app.RestCount();
    m_statics[IDC_MIND_COUNT]->setText(QString::number(mind));
    m_statics[IDC_GENERAL_COUNT]->setText(QString::number(general));
    m_statics[IDC_REST_COUNT]->setText(QString::number(rest));
    // A clipboard's counter shows its count in the case store (also the next key there).
    for (int k = 0; k < kChartClipboardCount; ++k) {
        const int count = m_pMethods ? m_pMethods->ClipCount(k) : ClipboardSize(k);
        m_statics[IDC_CLIP1_COUNT + k]->setText(QString::number(count));
    }
    m_buttons[IDC_MIND]->SetFull(mind >= 1);
    m_buttons[IDC_GENERAL]->SetFull(general >= 1);
    m_buttons[IDC_REST]->SetFull(rest >= 1);
    SetClipboardPictures();
}

void CRepView::SetClipboardPictures()
{
    m_buttons[IDC_CLIPBOARD1]->SetFull(!Clipboard(0).empty());
    m_buttons[IDC_CLIPBOARD2]->SetFull(!Clipboard(1).empty());
    m_buttons[IDC_CLIPBOARD3]->SetFull(!Clipboard(2).empty());
}

DropOutcome CRepView::DropOnClipboard(int nSymptom, int k)
{
    if (k < 0 || k >= kChartClipboardCount)
        return DropOutcome::NoSymptom;
    m_pMethods->m_nSelRemedy = m_nSelRemedy;
    m_pMethods->m_nSelSymptom = nSymptom;
    const DropOutcome outcome = m_pMethods->DropOnClipboard(k);
    if (outcome != DropOutcome::NoSymptom)
        AfterMethod(MethodOutcome::Unchanged);
    return outcome;
}

void CRepView::ConnectButtons()
{
    const auto on = [this](int id, std::function<MethodOutcome(CRepMethods&)> handler) {
        connect(m_buttons[id], &QPushButton::clicked, this,
            [this, handler] { RunMethod([this, &handler] { return handler(*m_pMethods); }); });
    };
    on(IDC_NORMAL, [](CRepMethods& m) { return m.OnNormal(); });
    on(IDC_MIND, [](CRepMethods& m) { return m.OnMind(); });
    on(IDC_GENERAL, [](CRepMethods& m) { return m.OnGeneral(); });
    on(IDC_REST, [](CRepMethods& m) { return m.OnRest(); });
    on(IDC_CLIPBOARD1, [](CRepMethods& m) { return m.OnClipboard(0); });
    on(IDC_CLIPBOARD2, [](CRepMethods& m) { return m.OnClipboard(1); });
    on(IDC_CLIPBOARD3, [](CRepMethods& m) { return m.OnClipboard(2); });
    on(IDC_RESET_CLIPBOARD, [](CRepMethods& m) { return m.OnResetClipboard(); });
    on(IDC_SORTED, [](CRepMethods& m) { return m.OnSorted(); });
    on(IDC_WEIGHTAGE, [](CRepMethods& m) { return m.OnWeightage(); });
    on(IDC_DRUG_FILTER, [](CRepMethods& m) { return m.OnDrugFilter(); });
    on(IDC_PLANT_FILTER, [](CRepMethods& m) { return m.OnPlantFilter(); });
    on(IDC_ANIMAL_FILTER, [](CRepMethods& m) { return m.OnAnimalFilter(); });
    on(IDC_MINERAL_FILTER, [](CRepMethods& m) { return m.OnMineralFilter(); });
    connect(m_buttons[IDC_SYMPTOM_COVERED], &QPushButton::clicked, this, &CRepView::RunSymptomCoveredReport);
}

void CRepView::UpdateButtonStates()
{
    for (const auto& [id, button] : m_buttons) {
        const bool enabled = id == IDC_SYMPTOM_COVERED ? static_cast<bool>(m_symptomCoveredReport) : true;
        button->setEnabled(m_bHasChart && enabled);
    }
}

void CRepView::RunMethod(const std::function<MethodOutcome()>& handler)
{
    m_pMethods->m_nSelRemedy = m_nSelRemedy;
    m_pMethods->m_nSelSymptom = m_nSelSymptom;
    AfterMethod(handler());
}

void CRepView::AfterMethod(MethodOutcome outcome)
{
    UpdateCaption();
    UpdateCounters();
    if (outcome == MethodOutcome::Refreshed) {
        // The handler left the results sorted with the matrix filled: show them from the start.
        m_bHasChart = m_pEngine->HasSortedOrder();
        ResetScrollBars();
        ShowCounts();
        update();
    }
}

void CRepView::RefreshFromCaseStore()
{
    RunMethod([this] { return m_pMethods->OnSymptomListClosed(); });
}

bool CRepView::SymptomListAvailable() const
{
    return m_app.LiveCount() > 0 || m_app.DeletedCount() > 0;
}

void CRepView::RunSymptomList()
{
    if (!SymptomListAvailable())
        return;
    const QPointer<CRepView> self(this);
    m_app.RunRecordedSymptomsDialog(1);
    if (!self)
        return;
    RefreshFromCaseStore();
    if (CMainFrame* frame = m_app.MainFrame())
        frame->UpdateCommandUI();
}

void CRepView::RunSymptomCoveredReport()
{
    m_pMethods->m_nSelRemedy = m_nSelRemedy;
    m_pMethods->m_nSelSymptom = m_nSelSymptom;
    const std::optional<std::string> remedy = m_pMethods->RemedyForReport();
    if (remedy && m_symptomCoveredReport)
        m_symptomCoveredReport(*remedy);
}

void CRepView::SetSymptomCoveredReport(std::function<void(const std::string&)> report)
{
    m_symptomCoveredReport = std::move(report);
    UpdateButtonStates();
}

std::string CRepView::DumpChartText() const
{
    const auto text = [this](int id) { return m_statics.at(id)->text().toUtf8().toStdString(); };
    const ChartCounterTexts counters{text(IDC_MIND_COUNT), text(IDC_GENERAL_COUNT), text(IDC_REST_COUNT),
        text(IDC_CLIP1_COUNT), text(IDC_CLIP2_COUNT), text(IDC_CLIP3_COUNT)};
    return DumpChart(*m_pEngine, text(IDC_CAPTION), counters);
}

void CRepView::SetClipboardStorage(std::array<std::vector<CSymptomRecord*>, kChartClipboardCount>* clip,
    std::array<int, kChartClipboardCount>* nextKey, std::array<int, kChartClipboardCount>* count)
{
    m_pClip = clip ? clip : &m_ownClipboards.m_mapClip;
    m_pClipNextKey = nextKey ? nextKey : &m_ownClipboards.m_nClipNextKey;
    m_pClipCount = count ? count : &m_ownClipboards.m_nClipCount;
    UpdateCounters();
}

const std::vector<CSymptomRecord*>& CRepView::Clipboard(int k) const
{
    static const std::vector<CSymptomRecord*> kNone;
    if (k < 0 || k >= kChartClipboardCount)
        return kNone;
    return (*m_pClip)[static_cast<std::size_t>(k)];
}

void CRepView::SetCommandHandler(int commandId, std::function<void()> handler)
{
    if (handler)
        m_commandHandlers[commandId] = std::move(handler);
    else
        m_commandHandlers.erase(commandId);
}

bool CRepView::IsCommandEnabled(int commandId) const
{
    if (commandId == ID_SYMPTOM_LIST || commandId == ID_MENU_SYMPTOM_LIST)
        return SymptomListAvailable();
    if (commandId == ID_MENU_SYMPTOM_COVERED)
        return static_cast<bool>(m_symptomCoveredReport);
    if (commandId >= ID_MENU_CLIPBOARD1 && commandId <= ID_MENU_CLIPBOARD3)
        return true;
    return m_commandHandlers.count(commandId) > 0;
}

void CRepView::OnCommand(int commandId)
{
    if (commandId == ID_SYMPTOM_LIST || commandId == ID_MENU_SYMPTOM_LIST) {
        RunSymptomList();
        return;
    }
    if (commandId == ID_MENU_SYMPTOM_COVERED) {
        RunSymptomCoveredReport();
        return;
    }
    if (commandId >= ID_MENU_CLIPBOARD1 && commandId <= ID_MENU_CLIPBOARD3) {
        const int k = commandId - ID_MENU_CLIPBOARD1;
        m_pMethods->m_nSelRemedy = m_nSelRemedy;
        m_pMethods->m_nSelSymptom = m_nSelSymptom;
        if (m_pMethods->DropOnClipboard(k, true) != DropOutcome::NoSymptom)
            AfterMethod(MethodOutcome::Unchanged);
        return;
    }
    const auto it = m_commandHandlers.find(commandId);
    if (it != m_commandHandlers.end())
        it->second();
}

void CRepView::ResetMethodFlags()
{
    // The methods reset their flags and the sort mode through the signal.
    Q_EMIT MethodFlagsReset();
    UpdateCaption();
}

void CRepView::SortFromLabel(int sortMode)
{
    const auto mode = sortMode == SortByName
        ? SortByName
        : (sortMode == SortBySymptomsCovered ? SortBySymptomsCovered : SortByTotality);
    RunMethod([this, mode] { return m_pMethods->OnSortLabel(mode); });
}

// --- Painting ---

void CRepView::paintEvent(QPaintEvent* event)
{
    if (!m_bHasChart)
        return;
    const QRegion& region = event->region();
    const int x0 = m_geometry.GridOrigin();
    const auto touches = [&region](const ChartRect& r) { return region.intersects(ToQRect(r)); };
    unsigned parts = 0;
    if (touches(m_geometry.GridCellRect(kGridColumns - 1)) || touches(m_geometry.GridCellRect(2 * kGridColumns - 1))
        || touches(m_geometry.GradeArea()))
        parts |= kPartFrames;
    if (touches(m_geometry.SymptomArea()))
        parts |= kPartSymptomLines;
    if (touches(m_geometry.RemedyNameArea()))
        parts |= kPartRemedyNames;
    if (touches(m_geometry.ChartToPixels({x0 - 160, 130, x0, 210})))
        parts |= kPartRowLabels;
    if (touches(m_geometry.GradeArea()))
        parts |= kPartGrades;
    if (touches(m_geometry.HeaderRowArea()))
        parts |= kPartHeaderRows;
    if (parts == 0)
        return;
    QPainter painter(this);
    PaintChart(painter, m_geometry, *m_pEngine, PaintState(), parts);
}

QImage CRepView::RenderChart() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(m_app.m_crBackground);
    if (m_bHasChart) {
        QPainter painter(&image);
        PaintChart(painter, m_geometry, *m_pEngine, PaintState());
    }
    return image;
}

// --- Scrolling ---

// Arrow and page steps repaint the bar's area at once; a thumb drag only marks it pending and the area is
// repainted once, when the thumb is released.
void CRepView::OnScrollAction(int action, bool& pending, void (CRepView::*repaint)())
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepAdd:
    case QAbstractSlider::SliderPageStepSub: (this->*repaint)(); break;
    case QAbstractSlider::SliderMove: pending = true; return;
    default: break;
    }
    if (pending) {
        (this->*repaint)();
        pending = false;
    }
}

void CRepView::OnSymptomScroll(int action)
{
    OnScrollAction(action, m_bVertPending, &CRepView::RepaintSymptomArea);
}

void CRepView::OnRemedyScroll(int action)
{
    OnScrollAction(action, m_bHorzPending, &CRepView::RepaintRemedyArea);
}

void CRepView::OnTextScroll(int action)
{
    OnScrollAction(action, m_bTextPending, &CRepView::RepaintTextArea);
}

void CRepView::RepaintSymptomArea()
{
    const int position = m_pSymptomBar->Position();
    if (position == m_nLastSymptomPosition)
        return;
    m_nLastSymptomPosition = position;
    ++m_nSymptomRepaints;
    QRegion region(ToQRect(m_geometry.SymptomArea()));
    region += ToQRect(m_geometry.GradeArea());
    region += ToQRect(m_geometry.CoveredRowStrip());
    update(region);
}

void CRepView::RepaintRemedyArea()
{
    const int position = m_pRemedyBar->Position();
    if (position == m_nLastRemedyPosition)
        return;
    m_nLastRemedyPosition = position;
    ++m_nRemedyRepaints;
    QRegion region(ToQRect(m_geometry.GradeArea()));
    region += ToQRect(m_geometry.HeaderRowArea());
    region += ToQRect(m_geometry.RemedyNameArea());
    region += ToQRect(m_geometry.RemedyNameStrip()).intersected(rect());
    repaint(region);
}

void CRepView::RepaintTextArea()
{
    const int position = m_pTextBar->Position();
    if (position == m_nLastTextPosition)
        return;
    m_nLastTextPosition = position;
    m_bTextScrolled = true;
    ++m_nTextRepaints;
    update(ToQRect(m_geometry.SymptomArea()));
}

void CRepView::ScrollToRemedy(int index)
{
    m_pRemedyBar->SetPosition(index);
    RepaintRemedyArea();
}

bool CRepView::event(QEvent* event)
{
    if (event->type() == CScrollToRemedyEvent::kType) {
        ScrollToRemedy(static_cast<CScrollToRemedyEvent*>(event)->Position());
        return true;
    }
    return QWidget::event(event);
}

// --- Mouse ---

void CRepView::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        OnLeftButtonDown(p);
    else if (event->button() == Qt::RightButton)
        OnRightButtonDown(p);
    else
        QWidget::mousePressEvent(event);
}

void CRepView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLeftButtonUp(event->position().toPoint());
    else
        QWidget::mouseReleaseEvent(event);
}

void CRepView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (m_geometry.InLabelHotSpot(p.x(), p.y())) {
        setCursor(Qt::PointingHandCursor);
        m_bHover = true;
    } else if (m_geometry.SplitterGrip().Contains(p.x(), p.y())) {
        setCursor(Qt::SizeHorCursor);
        m_bHover = true;
    } else if (!m_bDragging && !m_bSplitterDragging) {
        unsetCursor();
    }
    if (m_bHover && (event->buttons() & Qt::LeftButton)) {
        // A thin bar follows the pointer.
        m_marks[IDC_MARK_1778]->setGeometry(
            p.x(), m_geometry.Cy(130), std::max(m_geometry.Cx(2), 1), m_geometry.Cy(250));
    }
    QWidget::mouseMoveEvent(event);
}

void CRepView::OnLeftButtonDown(const QPoint& p)
{
    setFocus(Qt::MouseFocusReason);
    ResetMethodFlags();
    if (m_bHasChart) {
        if (m_geometry.TotalityHotSpot().Contains(p.x(), p.y()))
            SortFromLabel(SortByTotality);
        if (m_geometry.CoveredHotSpot().Contains(p.x(), p.y()))
            SortFromLabel(SortBySymptomsCovered);
        if (m_geometry.NameHotSpot().Contains(p.x(), p.y()))
            SortFromLabel(SortByName);

        m_nSelSymptom = -1;
        const ChartHit hit = m_geometry.HitTest(
            p.x(), p.y(), m_pSymptomBar->Position(), [this](int s) { return m_pEngine->Symptom(s) != nullptr; },
            m_pRemedyBar->Position(), m_pEngine->RemedyCount());
        if (hit.onSymptom)
            m_nSelSymptom = hit.symptom;
        if (hit.remedy >= 0)
            m_nSelRemedy = hit.remedy;
        if (hit.hit) {
            // The press grabs the mouse until the release.
            m_bDragging = true;
            setCursor(DragSheetCursor());
        }
    }
    if (m_geometry.SplitterGrip().Contains(p.x(), p.y())) {
        setCursor(Qt::SizeHorCursor);
        m_pTextBar->hide();
        m_pRemedyBar->hide();
        m_bSplitterDragging = true;
    }
    m_bHover = false;
}

void CRepView::OnLeftButtonUp(const QPoint& p)
{
    int splitterX = p.x();
    if (m_bDragging) {
        m_bDragging = false;
        unsetCursor();
        const QPoint d = p + QPoint(m_geometry.Sx(4), m_geometry.Sy(4));
        switch (m_geometry.DropZoneAt(d.x(), d.y())) {
        case DropZone::Clipboard1: DropOnClipboard(m_nSelSymptom, 0); break;
        case DropZone::Clipboard2: DropOnClipboard(m_nSelSymptom, 1); break;
        case DropZone::Clipboard3: DropOnClipboard(m_nSelSymptom, 2); break;
        case DropZone::SymptomsCovered: RunSymptomCoveredReport(); break;
        case DropZone::None: break;
        }
        splitterX = d.x();
    }
    if (m_bSplitterDragging)
        ReleaseSplitter(splitterX);
}

void CRepView::ReleaseSplitter(int x)
{
    unsetCursor();
    m_geometry.ReleaseSplitter(x);
    m_bSplitterDragging = false;
    LayOutControls();
    m_pTextBar->show();
    m_pRemedyBar->setVisible(RemedyScrollRange(m_pEngine->RemedyCount()).shown);
    // The symptom text starts again at its first character.
    m_pTextBar->SetPosition(0);
    m_nLastTextPosition = -1;
    m_bTextScrolled = false;
    update();
}

void CRepView::OnRightButtonDown(const QPoint& p)
{
    if (!m_bHasChart)
        return;
    m_nSelSymptom = -1;
    const ChartHit hit = m_geometry.HitTest(
        p.x(), p.y(), m_pSymptomBar->Position(), [this](int s) { return m_pEngine->Symptom(s) != nullptr; },
        m_pRemedyBar->Position(), m_pEngine->RemedyCount());
    if (hit.onSymptom)
        m_nSelSymptom = hit.symptom;

    m_nSelRemedy = 0;
    if (const int column = m_geometry.TotalityColumnAt(p.x(), p.y()); column >= 0) {
        m_nSelRemedy = m_pRemedyBar->Position() + column;
        if (m_nSelRemedy < m_pEngine->RemedyCount()) {
            QMenu menu(this);
            AddMenuItem(menu, QStringLiteral("&Symptom Covered/Not Covered"), ID_MENU_SYMPTOM_COVERED);
            AddMenuItem(menu, QStringLiteral("&Conv. Rep To MM"), ID_MENU_CONV_REP_TO_MM);
            AddMenuItem(menu, QStringLiteral("&Drug List"), ID_MENU_DRUG_LIST);
            ShowPopup(menu, p);
        }
    }
    if (const int line = m_geometry.SymptomLineAt(p.x(), p.y()); line >= 0) {
        if (m_pSymptomBar->Position() + line - kFirstSymptomLine < m_pEngine->SymptomCount()) {
            QMenu menu(this);
            AddMenuItem(menu, QStringLiteral("Symptom &List"), ID_MENU_SYMPTOM_LIST);
            AddMenuItem(menu, QStringLiteral("&Full Symptom"), ID_MENU_FULL_SYMPTOM);
            AddMenuItem(menu, QStringLiteral("ClipBoard &1"), ID_MENU_CLIPBOARD1);
            AddMenuItem(menu, QStringLiteral("ClipBoard &2"), ID_MENU_CLIPBOARD2);
            AddMenuItem(menu, QStringLiteral("ClipBoard &3"), ID_MENU_CLIPBOARD3);
            ShowPopup(menu, p);
        }
    }
}

void CRepView::AddMenuItem(QMenu& menu, const QString& text, int commandId)
{
    QAction* action = menu.addAction(text);
    action->setData(commandId);
    action->setEnabled(IsCommandEnabled(commandId));
}

void CRepView::ShowPopup(QMenu& menu, const QPoint& p)
{
    QPoint at = mapToGlobal(p);
    if (at.x() >= kPopupAlignX)
        at.rx() -= menu.sizeHint().width();
    int chosen = 0;
    connect(&menu, &QMenu::triggered, &menu, [&chosen](QAction* action) { chosen = action->data().toInt(); });
    menu.exec(at);
    if (chosen != 0)
        RunMenuCommand(chosen);
}

void CRepView::RunMenuCommand(int commandId)
{
    OnCommand(commandId);
}

} // namespace quillon
