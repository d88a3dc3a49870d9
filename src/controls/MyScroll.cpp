// The paged scroll bar.
#include "controls/MyScroll.h"

#include <QWheelEvent>

#include <cstdlib>

namespace quillon {

CMyScroll::CMyScroll(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent)
{
    setMinimum(0);
    setMaximum(0);
    // Arrow and page clicks come through actionTriggered and are stepped by the rules below,
    // not by QScrollBar's own single and page steps.
    connect(this, &QAbstractSlider::actionTriggered, this, &CMyScroll::OnAction);
}

void CMyScroll::SetRangeMaximum(int maximum)
{
    m_steps.maximum = maximum;
    m_bPushing = true;
    setRange(0, maximum < 0 ? 0 : maximum);
    m_bPushing = false;
}

void CMyScroll::OnAction(int action)
{
    if (m_bPushing)
        return;
    const bool vertical = orientation() == Qt::Vertical;
    const int before = m_steps.position;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: vertical ? LineBack() : LineLeft(); break;
    case QAbstractSlider::SliderSingleStepAdd: vertical ? LineForward() : LineRight(); break;
    case QAbstractSlider::SliderPageStepSub: vertical ? PageBack() : PageLeft(); break;
    case QAbstractSlider::SliderPageStepAdd: PageForward(); break;
    case QAbstractSlider::SliderMove: SetPosition(sliderPosition()); break;
    case QAbstractSlider::SliderToMinimum: SetPosition(0); break;
    case QAbstractSlider::SliderToMaximum: SetPosition(m_steps.maximum < 0 ? 0 : m_steps.maximum); break;
    default: return;
    }
    // Keep the slider where the rules put it, whatever QAbstractSlider was about to do.
    setSliderPosition(m_steps.position);
    if (m_steps.position != before || action == QAbstractSlider::SliderMove)
        Q_EMIT PositionStepped(m_steps.position);
}

void CMyScroll::Push()
{
    m_bPushing = true;
    setValue(m_steps.position);
    m_bPushing = false;
    update();
}

void CMyScroll::LineBack()
{
    m_steps.LineBack();
    Push();
}
void CMyScroll::LineForward()
{
    m_steps.LineForward();
    Push();
}

void CMyScroll::LineLeft()
{
    if (m_steps.LineLeft())
        Q_EMIT NegativeLineLeft();
    Push();
}

void CMyScroll::LineRight()
{
    m_steps.LineRight();
    Push();
}
void CMyScroll::PageBack()
{
    m_steps.PageBack();
    Push();
}
void CMyScroll::PageLeft()
{
    m_steps.PageLeft();
    Push();
}
void CMyScroll::PageForward()
{
    m_steps.PageForward();
    Push();
}

void CMyScroll::SetPosition(int position)
{
    m_steps.position = position;
    Push();
}

void CMyScroll::ScrollLines(int lines)
{
    // The lines are stepped by the rules, then the bar moves there at once, as a thumb moved there would (the
    // owner repaints once).
    ScrollSteps steps = m_steps;
    const bool vertical = orientation() == Qt::Vertical;
    for (int i = std::abs(lines); i > 0; --i) {
        if (lines < 0)
            vertical ? steps.LineBack() : static_cast<void>(steps.LineLeft());
        else
            vertical ? steps.LineForward() : steps.LineRight();
    }
    if (steps.position != m_steps.position)
        setSliderPosition(steps.position);
}

void CMyScroll::WheelScroll(const QWheelEvent& event)
{
    constexpr int kNotch = 120;
    constexpr int kLinesPerNotch = 3;
    const QPoint delta = event.angleDelta();
    m_nWheelRest += delta.y() != 0 ? delta.y() : delta.x();
    const int notches = m_nWheelRest / kNotch;
    m_nWheelRest -= notches * kNotch;
    // Turning the wheel away from the user scrolls back.
    ScrollLines(-notches * kLinesPerNotch);
}

void CMyScroll::wheelEvent(QWheelEvent* event)
{
    WheelScroll(*event);
    event->accept();
}

} // namespace quillon
