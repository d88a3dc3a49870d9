// The repertorisation chart view.
#include "chart/RepView.h"
#include "followup/FollowUpDialogs.h"

#include "chart/ChartAccessible.h"
#include "chart/ChartPictures.h"
#include "chart/WeightageDialog.h"
#include "controls/DisplayText.h"
#include "controls/FormLook.h"
#include "controls/MyScroll.h"
#include "controls/PictureButton.h"
#include "controls/ViewRegistry.h"
#include "engine/ChartDump.h"
#include "engine/RepEngine.h"
#include "engine/RepertoryTable.h"
#include "filters/DrugFilterDialog.h"
#include "filters/KingdomDialogChooser.h"
#include "reports/DrugList.h"
#include "state/QuillonState.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QToolTip>
#include <QWheelEvent>

namespace quillon {

namespace {

QSize ScreenSizeOf(const QWidget* widget)
{
    const QScreen* screen = widget->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

} // namespace

CRepView::CRepView(CQuillonState& state, IViewRegistry& views, QWidget* parent)
    : QWidget(parent), m_state(state), m_views(views)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowBackground);
    palette.setColor(QPalette::WindowText, kRepViewText);
    setPalette(palette);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_pGrid = std::make_unique<CChartGrid>(*this);
    EnableGridAccessibility();

    const QSize screenSize = ScreenSizeOf(this);
    m_geometry = ChartGeometry(screenSize.width(), screenSize.height());

    CreateControls();
    views.RegisterView(kViewChart, this);
    SetHeaderLine();

    m_pSession = std::make_unique<CChartSession>(state, state.Sink());
    m_pEngine = &m_pSession->Engine();
    m_pMethods = &m_pSession->Methods();
    m_pWeightageChooser = std::make_unique<CWeightageDialogChooser>(this);
    m_pDrugFilterChooser = std::make_unique<CDrugFilterDialogChooser>(this);
    auto kingdomChooser = std::make_unique<CKingdomDialogChooser>(state.Folder(), state.Sink(), this);
    // Behind an open kingdom dialog the chart shows the kingdom's remedies, their count and the caption.
    kingdomChooser->SetBeforeOpen([this] { AfterMethod(MethodOutcome::Refreshed); });
    m_pKingdomChooser = std::move(kingdomChooser);
    m_pSession->SetDialogs(m_pWeightageChooser.get(), m_pDrugFilterChooser.get(), m_pKingdomChooser.get());
    // A failed start has shown its message; the view then stays without a chart and its buttons stay off.
    m_bHasChart = m_pSession->Start();
    ConnectButtons();
    UpdateButtonStates();

    setWindowTitle(tr("Repertorisation -- %1").arg(FromData(state.Patient().name)));
    LayOutControls();
    ResetScrollBars();
    ShowCounts();
    UpdateCounters();
    UpdateCaption();
}

CRepView::~CRepView()
{
    m_views.UnregisterView(kViewChart, this);
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

DropOutcome CRepView::DropOnClipboard(int nSymptom, int k)
{
    if (k < 0 || k >= kClipboardCount || nSymptom < 0 || nSymptom >= m_pEngine->SymptomCount())
        return DropOutcome::NoSymptom;
    const std::size_t before = Clipboard(k).size();
    ChartCommand command{ChartVerb::Clip};
    command.symptom = nSymptom;
    command.clipboard = k + 1;
    Execute(command);
    return Clipboard(k).size() > before ? DropOutcome::Dropped : DropOutcome::AlreadyThere;
}

MethodOutcome CRepView::Execute(const ChartCommand& command)
{
    const MethodOutcome outcome = m_pSession->Execute(command);
    AfterMethod(outcome);
    return outcome;
}

MethodOutcome CRepView::Replay(const ChartCommand& command)
{
    const MethodOutcome outcome = m_pSession->Execute(command, true);
    AfterMethod(outcome);
    return outcome;
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
        ClampCursor();
        AnnounceGridChanged(this);
        update();
    }
}

void CRepView::RunSymptomList()
{
    const QPointer<CRepView> self(this);
    // The dialog's deletions and restores go into the chart's log. The state outlives a view closed meanwhile.
    std::vector<std::pair<bool, int>> edits;
    CQuillonState& state = m_state;
    state.SetEditRecorder(&edits);
    Q_EMIT SymptomListRequested();
    state.SetEditRecorder(nullptr);
    if (!self)
        return;
    std::vector<ChartCommand> commands;
    for (const auto& [restored, index] : edits) {
        commands.push_back(ChartCommand{restored ? ChartVerb::Undelete : ChartVerb::Delete});
        commands.back().symptom = index;
    }
    AfterMethod(m_pSession->SymptomListClosed(commands));
    m_actions.symptomList->setEnabled(state.LiveCount() > 0 || state.DeletedCount() > 0);
}

void CRepView::RunSymptomCoveredReport()
{
    const std::optional<std::string> remedy = m_pMethods->RemedyForReport();
    if (remedy && m_symptomCoveredReport)
        m_symptomCoveredReport(*remedy);
}

void CRepView::SetSymptomCoveredReport(std::function<void(const std::string&)> report)
{
    m_symptomCoveredReport = std::move(report);
    m_actions.symptomCovered->setEnabled(static_cast<bool>(m_symptomCoveredReport));
    UpdateButtonStates();
}

std::string CRepView::DumpChartText() const
{
    const auto text = [this](FormPart part) { return m_statics.at(part)->text().toUtf8().toStdString(); };
    const ChartCounterTexts counters{text(FormPart::MindCount), text(FormPart::GeneralCount), text(FormPart::RestCount),
        text(FormPart::Clip1Count), text(FormPart::Clip2Count), text(FormPart::Clip3Count)};
    return DumpChart(*m_pEngine, text(FormPart::Caption), counters);
}

const std::vector<CSymptomRecord*>& CRepView::Clipboard(int k) const
{
    static const std::vector<CSymptomRecord*> kNone;
    if (!m_pMethods || k < 0 || k >= kClipboardCount)
        return kNone;
    return m_pMethods->Clipboard(k);
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
    if (hasFocus()) {
        // A dotted frame in the highlight colour around the chart, which the keys then move.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(FocusMarkRect());
        // The cell cursor: a frame in the highlight colour just inside the cell.
        const QRect cell = TableCellRect(m_nCursorRow, m_nCursorColumn);
        if (!cell.isEmpty()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
            painter.drawRect(cell.adjusted(2, 2, -2, -2));
        }
    }
}

QImage CRepView::RenderChart() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(kWindowBackground);
    if (m_bHasChart) {
        QPainter painter(&image);
        PaintChart(painter, m_geometry, *m_pEngine, PaintState());
    }
    return image;
}

// --- Scrolling ---

// A thumb drag only marks the bar's area pending, and it is repainted once, when the thumb is released; every
// other change of the position (arrows, pages, wheel, keys) repaints it at once.
void CRepView::OnScrollAction(const CMyScroll* bar, int action, bool& pending, void (CRepView::*repaint)())
{
    if (action == QAbstractSlider::SliderMove && bar->isSliderDown()) {
        pending = true;
        return;
    }
    (this->*repaint)();
    pending = false;
}

void CRepView::OnSymptomScroll(int action)
{
    OnScrollAction(m_pSymptomBar, action, m_bVertPending, &CRepView::RepaintSymptomArea);
}

void CRepView::OnRemedyScroll(int action)
{
    OnScrollAction(m_pRemedyBar, action, m_bHorzPending, &CRepView::RepaintRemedyArea);
}

void CRepView::OnTextScroll(int action)
{
    OnScrollAction(m_pTextBar, action, m_bTextPending, &CRepView::RepaintTextArea);
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
    m_pRemedyBar->SetPosition(ClampRemedyPosition(index, m_pRemedyBar->maximum()));
    RepaintRemedyArea();
}

bool CRepView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        ShowSymptomToolTip(*static_cast<QHelpEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void CRepView::ShowSymptomToolTip(const QHelpEvent& help)
{
    // A symptom line is cut at its box; its tooltip holds the whole line.
    const int p = m_pSymptomBar->Position();
    for (int k = kFirstSymptomLine; k < m_geometry.SymptomLineCount() && m_bHasChart; ++k) {
        const ChartRect line = m_geometry.SymptomLineRect(k);
        const CSymptomRecord* record = m_pEngine->Symptom(p + k - kFirstSymptomLine);
        if (record && line.Contains(help.pos().x(), help.pos().y())) {
            QToolTip::showText(help.globalPos(),
                FromData(ComposeSymptomLine(record->m_pszText, record->m_nType, std::string::npos)), this,
                ToQRect(line));
            return;
        }
    }
    QToolTip::hideText();
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
    } else if (!IsDragging() && !IsSplitterDragging()) {
        unsetCursor();
    }
    if (m_bHover && (event->buttons() & Qt::LeftButton)) {
        // A thin bar follows the pointer.
        m_marks[1]->setGeometry(p.x(), m_geometry.Cy(130), std::max(m_geometry.Cx(2), 1), m_geometry.Cy(250));
    }
    QWidget::mouseMoveEvent(event);
}

void CRepView::wheelEvent(QWheelEvent* event)
{
    // The wheel scrolls the symptom rows wherever it is turned, over the grades as over the rubrics; with Shift or
    // turned sideways it scrolls the remedies.
    const bool remedies = (event->modifiers() & Qt::ShiftModifier) || event->angleDelta().y() == 0;
    CMyScroll* bar = remedies ? m_pRemedyBar : m_pSymptomBar;
    if (!m_bHasChart || bar->isHidden()) {
        event->ignore();
        return;
    }
    bar->WheelScroll(*event);
    event->accept();
}

// Around the symptom lines and the grid, inside the form.
QRect CRepView::FocusMarkRect() const
{
    const ChartRect symptoms = m_geometry.SymptomArea();
    const ChartRect grades = m_geometry.GradeArea();
    const int top = m_geometry.Cy(kChartTop) - 3;
    return QRect(QPoint(symptoms.left - 3, top), QPoint(std::min(grades.right + 2, width() - 3), grades.bottom + 2));
}

void CRepView::focusInEvent(QFocusEvent* event)
{
    update(FocusMarkRect().adjusted(-1, -1, 1, 1));
    QWidget::focusInEvent(event);
    AnnounceGridCursor(this);
}

void CRepView::focusOutEvent(QFocusEvent* event)
{
    update(FocusMarkRect().adjusted(-1, -1, 1, 1));
    QWidget::focusOutEvent(event);
}

// The arrows move the cell cursor (the chart scrolls when it would leave the sight); Page Up/Down scroll the
// symptoms, with Shift the remedies, and Home and End the remedies. Enter presses the button that has the focus.
void CRepView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<CPictureButton*>(focusWidget()); button && button->parentWidget() == this) {
            button->click();
            return;
        }
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    CMyScroll* bar = m_pRemedyBar;
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    // The Menu key and Shift+F10 open the popup of the cursor's cell.
    if ((event->key() == Qt::Key_Menu && !shift)
        || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        ShowCursorPopup();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up: MoveCursor(-1, 0); return;
    case Qt::Key_Down: MoveCursor(1, 0); return;
    case Qt::Key_Left: MoveCursor(0, -1); return;
    case Qt::Key_Right: MoveCursor(0, 1); return;
    case Qt::Key_PageUp:
        bar = shift ? m_pRemedyBar : m_pSymptomBar;
        action = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        bar = shift ? m_pRemedyBar : m_pSymptomBar;
        action = QAbstractSlider::SliderPageStepAdd;
        break;
    case Qt::Key_Home: action = QAbstractSlider::SliderToMinimum; break;
    case Qt::Key_End: action = QAbstractSlider::SliderToMaximum; break;
    default: break;
    }
    // A hidden bar has nothing to scroll.
    if (action == QAbstractSlider::SliderNoAction || !m_bHasChart || bar->isHidden()) {
        QWidget::keyPressEvent(event);
        return;
    }
    bar->triggerAction(action);
}

void CRepView::OnLeftButtonDown(const QPoint& p)
{
    setFocus(Qt::MouseFocusReason);
    m_pointer.Press(
        m_geometry, *m_pEngine, m_bHasChart, p.x(), p.y(), {m_pSymptomBar->Position(), m_pRemedyBar->Position()});
    // The cursor goes to the cell pressed; a grade or a covered count picks its remedy (and a grade its symptom),
    // as a totality cell does.
    if (const auto [row, column] = TableCellAt(p); row >= 0) {
        PlaceCursor(row, column);
        if (row != kTotalityTableRow)
            m_pointer.PickCell(
                column, row >= kFirstSymptomTableRow ? std::optional(row - kFirstSymptomTableRow) : std::nullopt);
    } else if (const int symptom = m_pointer.Picked().symptom.value_or(-1); symptom >= 0) {
        PlaceCursor(kFirstSymptomTableRow + symptom, m_nCursorColumn);
    }
    // A label or a click runs now; a drag grabs the mouse until its release tells whether it was a drop.
    if (const std::optional<ChartCommand> command = m_pointer.TakePressCommand())
        Execute(*command);
    if (IsDragging())
        setCursor(DragSheetCursor());
    if (IsSplitterDragging()) {
        setCursor(Qt::SizeHorCursor);
        m_pTextBar->hide();
        m_pRemedyBar->hide();
    }
    m_bHover = false;
}

void CRepView::OnLeftButtonUp(const QPoint& p)
{
    const bool dragged = IsDragging();
    const ChartRelease release = m_pointer.Release(m_geometry, p.x(), p.y());
    if (dragged)
        unsetCursor();
    if (release.command)
        Execute(*release.command);
    if (release.zone == DropZone::SymptomsCovered)
        RunSymptomCoveredReport();
    if (release.releaseSplitter)
        ReleaseSplitter(release.splitterX);
}

void CRepView::ReleaseSplitter(int x)
{
    unsetCursor();
    m_geometry.ReleaseSplitter(x);
    LayOutControls();
    m_pTextBar->show();
    // A fitted chart holds another number of columns beside the moved splitter.
    SetScrollRanges();
    m_pRemedyBar->setVisible(m_geometry.RemedyRange(m_pEngine->RemedyCount()).shown);
    // The symptom text starts again at its first character.
    m_pTextBar->SetPosition(0);
    m_nLastTextPosition = -1;
    m_bTextScrolled = false;
    update();
}

} // namespace quillon
