// The repertorisation chart view: the visit's symptoms against their remedies, with the method buttons,
// counters, caption and scroll bars of its form.
#pragma once

#include "chart/ChartFormParts.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartPainter.h"
#include "chart/ChartPointer.h"
#include "chart/ChartSession.h"
#include "controls/GridAccessible.h"
#include "engine/Caption.h"
#include "engine/ClipboardDrop.h"
#include "engine/RepMethods.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QFrame;
class QHelpEvent;
class QContextMenuEvent;
class QAction;
class QMenu;

namespace quillon {

class CMyScroll;
class CPictureButton;
class CQuillonState;
class CRepEngine;
class CRepMethods;
class IViewRegistry;

// The chart's own commands: its popups offer them, and the main frame's menus offer those of the same name while
// the chart is the active view. A command whose dialog lives elsewhere is disabled until its owner connects it.
struct ChartActions
{
    QAction* symptomList = nullptr;
    QAction* fullSymptom = nullptr;
    std::array<QAction*, 3> clipboards{};
    QAction* eliminate = nullptr; // a check item: the picked symptom eliminates
    QAction* symptomCovered = nullptr;
    QAction* conversion = nullptr;
    QAction* drugList = nullptr;
    QAction* stability = nullptr;
    QAction* recordPrescription = nullptr;
    QAction* compareVisits = nullptr;
    QAction* strategies = nullptr;
    QAction* families = nullptr;
    QAction* magnify = nullptr;
};

// The colour of the form's texts.
inline const QColor kRepViewText(0, 0, 255);

class CChartGrid;

class CRepView final : public QWidget, public IAccessibleGridOwner
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CRepView)

public:
    // The view enters itself in `views` while it lives.
    CRepView(CQuillonState& state, IViewRegistry& views, QWidget* parent = nullptr);
    ~CRepView() override;

    // The chart as it stands; only its commands (Execute, Replay) change it.
    const CRepEngine& Engine() const { return *m_pEngine; }
    // The method state behind the fifteen buttons, and what the mouse picked.
    const CRepMethods& Methods() const { return *m_pMethods; }
    // Runs one user operation of the chart (as its button, click or dialog does) and shows what it left.
    MethodOutcome Execute(const ChartCommand& command);
    // Runs an operation with the answers it carries, no dialog opening: a saved analysis restored, a family
    // applied from the Families list.
    MethodOutcome Replay(const ChartCommand& command);
    // Every operation that changed the chart since it opened, in order, with the dialogs' answers: replayed by
    // quillon-report's --do, it ends with the same chart.
    const std::vector<ChartCommand>& Operations() const { return m_pSession->Operations(); }
    const CChartSession& Session() const { return *m_pSession; }
    // False when the start of the view failed (its message was shown): the view shows no chart.
    bool HasChart() const { return m_bHasChart; }

    // Scrolls the remedy columns so that display index `index` comes first (as the drug list asks).
    void ScrollToRemedy(int index);

    // The form's parts (null for a part of another kind).
    CPictureButton* Button(FormPart part) const;
    QLabel* Static(FormPart part) const;
    CMyScroll* ScrollBar(FormPart part) const;
    QWidget* Control(FormPart part) const;
    // The marks of the splitter and the grid's corners (0..3, as the layout's marks).
    QFrame* Mark(std::size_t i) const { return m_marks.at(i); }
    const ChartActions& Actions() const { return m_actions; }

    // The caption names the methods in force (composed by the methods).
    void UpdateCaption();
    QString CaptionText() const;
    // Shows the counts of the case store's kinds and of the clipboards, and the pictures of the six list buttons.
    void UpdateCounters();

    // The chart's state as text (UTF-8, LF): the caption and counter texts as shown, the active symptoms and the
    // remedies in display order with their grades.
    std::string DumpChartText() const;

    // Clipboard k, which the buttons' pictures follow.
    const std::vector<CSymptomRecord*>& Clipboard(int k) const;
    int ClipboardSize(int k) const { return static_cast<int>(Clipboard(k).size()); }
    // Drops active symptom nSymptom on clipboard k (0..2), as the popup menu does.
    DropOutcome DropOnClipboard(int nSymptom, int k);

    // Opens the symptoms-covered report for a remedy name. Until one is set, its button and popup item are
    // disabled; a drop on the button still tells "Remedy not selected" when no remedy is picked.
    void SetSymptomCoveredReport(std::function<void(const std::string&)> report);

    // Geometry and scroll state.
    const ChartGeometry& Geometry() const { return m_geometry; }
    // Lays the chart and the form out for another screen size (the screen the view is on is the default).
    void SetScreenSize(int width, int height);
    // Fit Chart to Window: as many symptom rows and remedy columns as the view holds; off, the specified 11
    // rows and 14 columns. The scroll positions stay where they are, as far as the new ranges allow.
    void SetFitToWindow(bool fit);
    bool FitsToWindow() const { return m_bFit; }
    ChartPaintState PaintState() const;
    int SelRemedy() const { return m_pMethods->PickedRemedy(); }
    bool IsDragging() const { return m_pointer.Dragging(); }
    bool IsSplitterDragging() const { return m_pointer.SplitterDragging(); }

    // How often a scroll redrew the symptom, remedy or symptom-text area (for the scroll rules).
    int SymptomRepaints() const { return m_nSymptomRepaints; }
    int RemedyRepaints() const { return m_nRemedyRepaints; }
    int TextRepaints() const { return m_nTextRepaints; }

    // The chart alone, drawn at the view's size, as the screen shows it.
    QImage RenderChart() const;

    // The keyboard's cell cursor, in the rows of the chart's accessible table (ChartAccessible.h): 0 the
    // totality, 1 the symptoms covered, 2 + s symptom s; its column is the remedy's display index.
    int CursorRow() const { return m_nCursorRow; }
    int CursorColumn() const { return m_nCursorColumn; }
    // The pixel rectangle of a cell of that table while the chart shows it; empty when scrolled out of sight.
    QRect TableCellRect(int row, int column) const;
    const IAccessibleGrid& AccessibleGrid() const override;

Q_SIGNALS:
    // The Symptom List command: whoever opened the view runs the Recorded Symptoms dialog in its list mode; the
    // chart is then rebuilt from what is still recorded.
    void SymptomListRequested();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateControls();
    void CreateActions();
    QLabel* MakeStatic(FormPart part, const QString& text, const QColor& text_colour, const QColor& background);
    void LayOutControls();
    void FitCountLabels();
    void SetHeaderLine();
    void ResetScrollBars();
    // The room the chart has now, and the chart and form laid out again when it changed (keeping the splitter
    // and, as far as the ranges allow, the scroll positions).
    ChartArea CurrentArea() const;
    void FitToArea();
    void SetScrollRanges();
    void ShowCounts();
    void ConnectButtons();
    void UpdateButtonStates();
    void AfterMethod(MethodOutcome outcome);
    void RunSymptomList();
    void RunSymptomCoveredReport();

    void OnScrollAction(const CMyScroll* bar, int action, bool& pending, void (CRepView::*repaint)());
    void OnSymptomScroll(int action);
    void OnRemedyScroll(int action);
    void OnTextScroll(int action);
    void RepaintSymptomArea();
    void RepaintRemedyArea();
    void RepaintTextArea();

    // Moves the cell cursor and scrolls only as far as it needs to stay in sight.
    void MoveCursor(int rows, int columns);
    // Puts the cursor on a cell the mouse pressed (in sight), without picking.
    void PlaceCursor(int row, int column);
    // The table cell (row, column) under a pixel point, or (-1, -1).
    std::pair<int, int> TableCellAt(const QPoint& p) const;
    void ClampCursor();
    int CursorColumnsInSight() const;
    void SetTabOrder();
    QRect FocusMarkRect() const;
    void ShowSymptomToolTip(const QHelpEvent& help);
    void OnLeftButtonDown(const QPoint& p);
    void OnLeftButtonUp(const QPoint& p);
    void OnRightButtonDown(const QPoint& p);
    void ReleaseSplitter(int x);
    void ShowRemedyPopup(const QPoint& p);
    void ShowSymptomPopup(const QPoint& p);
    void ShowCursorPopup();
    void ShowPopup(QMenu& menu, const QPoint& p);

    CQuillonState& m_state;
    IViewRegistry& m_views;
    std::unique_ptr<CChartSession> m_pSession;
    const CRepEngine* m_pEngine = nullptr; // the session's
    const CRepMethods* m_pMethods = nullptr; // the session's
    ChartPointer m_pointer; // the left button's press until its release
    std::unique_ptr<IWeightageChooser> m_pWeightageChooser;
    std::unique_ptr<IDrugFilterChooser> m_pDrugFilterChooser;
    std::unique_ptr<IKingdomChooser> m_pKingdomChooser;
    std::function<void(const std::string&)> m_symptomCoveredReport;
    bool m_bHasChart = false;
    ChartGeometry m_geometry;
    bool m_bFit = false;

    int m_nLastSymptomPosition = -1;
    int m_nLastRemedyPosition = -1;
    int m_nLastTextPosition = -1;
    bool m_bVertPending = false;
    bool m_bHorzPending = false;
    bool m_bTextPending = false;
    bool m_bTextScrolled = false;
    bool m_bHover = false;

    int m_nSymptomRepaints = 0;
    int m_nRemedyRepaints = 0;
    int m_nTextRepaints = 0;

    int m_nCursorRow = 2;
    int m_nCursorColumn = 0;
    std::unique_ptr<CChartGrid> m_pGrid;

    CMyScroll* m_pSymptomBar = nullptr;
    CMyScroll* m_pRemedyBar = nullptr;
    CMyScroll* m_pTextBar = nullptr;
    std::map<FormPart, CPictureButton*> m_buttons;
    std::map<FormPart, QLabel*> m_statics;
    std::array<QFrame*, 4> m_marks{};
    ChartActions m_actions;
};

} // namespace quillon
