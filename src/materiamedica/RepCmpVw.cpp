// The materia medica view.
#include "materiamedica/RepCmpVw.h"

#include "controls/DisplayText.h"
#include "controls/MyScroll.h"
#include "controls/ViewRegistry.h"
#include "magnifier/Magnifier.h"
#include "materiamedica/MateriaMedicaAccessible.h"
#include "materiamedica/MateriaMedicaPainter.h"
#include "state/QuillonState.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace quillon {

CRepCmpVw::CRepCmpVw(CQuillonState& state, const CMateriaMedicaRequest& request, IViewRegistry& views, QWidget* parent)
    : QWidget(parent), m_state(state), m_views(views)
{
    setObjectName(QStringLiteral("CRepCmpVw"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    m_pGrid = std::make_unique<CMateriaMedicaGrid>(*this);
    EnableGridAccessibility();
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_screen = screen ? screen->size() : QSize(640, 400);

    m_pHScroll = new CMyScroll(Qt::Horizontal, this);
    m_pVScroll = new CMyScroll(Qt::Vertical, this);
    for (CMyScroll* bar : {m_pHScroll, m_pVScroll}) {
        // The page's rules move the bars: the cursor takes part in the vertical steps.
        disconnect(bar, &QAbstractSlider::actionTriggered, bar, nullptr);
        const bool vertical = bar == m_pVScroll;
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, vertical](int a) { OnBarAction(vertical, a); });
        connect(bar, &CMyScroll::NegativeLineLeft, this, [&state] { state.Sink().Show(kMsgLineLeftNegative); });
    }
    m_pHScroll->SetPage(kMMPageColumns);
    m_pVScroll->SetPage(kMMPageLines);
    connect(m_pVScroll, &QAbstractSlider::sliderReleased, this, [this] {
        if (m_bThumbPending)
            update();
        m_bThumbPending = false;
    });

    views.RegisterView(kViewMateriaMedica, this);
    m_listing = BuildMateriaMedica(request, state.RepSymptoms(), state.Catalogue());
    m_cursor.Reset(m_listing.RetainedCount(), m_listing.drugCount);
    setWindowTitle(FromData(MateriaMedicaTitle(m_listing.mode)));
    LayOutBars();
    SyncBars();
    m_pMagnifier = new CMagnifier(this);
    // View > Magnify, offered by the main frame while this view is active.
    auto* magnify = new QAction(this);
    magnify->setObjectName(QStringLiteral("magnify"));
    connect(magnify, &QAction::triggered, m_pMagnifier, &CMagnifier::Toggle);
    if (m_listing.RetainedCount() == 0) {
        // Told once the view is up; closing it returns to the conversion dialog.
        QTimer::singleShot(0, this, [this] {
            m_state.Sink().Show(kMsgNoMatchFound);
            CloseFrame();
        });
    }
}

CRepCmpVw::~CRepCmpVw()
{
    m_views.UnregisterView(kViewMateriaMedica, this);
}

void CRepCmpVw::CloseFrame()
{
    QWidget* frame = parentWidget();
    while (frame && !qobject_cast<QMdiSubWindow*>(frame))
        frame = frame->parentWidget();
    (frame ? frame : this)->close();
    if (!frame)
        deleteLater();
}

void CRepCmpVw::SetScreenSize(QSize screen)
{
    m_screen = screen;
    LayOutBars();
    update();
}

void CRepCmpVw::LayOutBars()
{
    m_pHScroll->setGeometry(ScaleDesignRect(380, 305, 601, 315, m_screen));
    m_pVScroll->setGeometry(ScaleDesignRect(603, 63, 613, 305, m_screen));
    m_pHScroll->SetRangeMaximum(m_listing.drugCount - kMMPageColumns);
    m_pVScroll->SetRangeMaximum(m_listing.RetainedCount() - kMMPageLines);
    m_pHScroll->setVisible(m_cursor.HorizontalBarShown());
    m_pVScroll->setVisible(m_cursor.VerticalBarShown());
}

void CRepCmpVw::SyncBars()
{
    if (m_pHScroll->Position() != m_cursor.FirstColumn())
        m_pHScroll->SetPosition(m_cursor.FirstColumn());
    if (m_pVScroll->Position() != m_cursor.Top())
        m_pVScroll->SetPosition(m_cursor.Top());
}

void CRepCmpVw::OnBarAction(bool vertical, int action)
{
    CMyScroll* bar = vertical ? m_pVScroll : m_pHScroll;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: vertical ? m_cursor.LineUp() : m_cursor.ColumnLeft(); break;
    case QAbstractSlider::SliderSingleStepAdd: vertical ? m_cursor.LineDown() : m_cursor.ColumnRight(); break;
    case QAbstractSlider::SliderPageStepSub: vertical ? m_cursor.PageUp() : m_cursor.ColumnsPageLeft(); break;
    case QAbstractSlider::SliderPageStepAdd: vertical ? m_cursor.PageDown() : m_cursor.ColumnsPageRight(); break;
    case QAbstractSlider::SliderMove:
        vertical ? m_cursor.SetTop(bar->sliderPosition()) : m_cursor.SetFirstColumn(bar->sliderPosition());
        break;
    default: return;
    }
    bar->setSliderPosition(vertical ? m_cursor.Top() : m_cursor.FirstColumn());
    SyncBars();
    // A vertical thumb drag repaints when it ends.
    if (vertical && action == QAbstractSlider::SliderMove && bar->isSliderDown())
        m_bThumbPending = true;
    else
        update();
}

void CRepCmpVw::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up: m_cursor.LineUp(); break;
    case Qt::Key_Down: m_cursor.LineDown(); break;
    case Qt::Key_PageUp: m_cursor.PageUp(); break;
    case Qt::Key_PageDown: m_cursor.PageDown(); break;
    case Qt::Key_Control: m_cursor.ControlDown(); break;
    case Qt::Key_Home: m_cursor.Home(); break;
    case Qt::Key_End: m_cursor.End(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    SyncBars();
    update();
    AnnounceGridCursor(this);
}

void CRepCmpVw::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    const RowLayout& layout = m_layout;
    for (int line = 1; line <= kMMPageLines; ++line) {
        if (ScaleDesignRect(layout.rows[static_cast<std::size_t>(line)].rect, m_screen).contains(event->pos())) {
            if (m_cursor.Click(line)) {
                update();
                AnnounceGridCursor(this);
            }
            return;
        }
    }
}

void CRepCmpVw::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The layout table keeps which row the cursor highlights.
    for (int r = 0; r < kLayoutRows; ++r)
        m_layout.rows[static_cast<std::size_t>(r)].highlighted
            = m_cursor.CursorDisplayRow() >= 0 && r == m_cursor.CursorRow();
    PaintMateriaMedica(painter, m_listing, m_cursor, m_layout, m_screen);
}

const IAccessibleGrid& CRepCmpVw::AccessibleGrid() const
{
    return *m_pGrid;
}

} // namespace quillon
