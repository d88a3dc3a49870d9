// The paged scroll bar.
#include "controls/MyScroll.h"

#include "casedata/MessageSink.h"

namespace quillon {

CMyScroll::CMyScroll(Qt::Orientation orientation, QWidget* parent, int controlId)
    : QScrollBar(orientation, parent), m_nControlId(controlId)
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
    if (m_steps.LineLeft() && m_pSink)
        m_pSink->Show(kMsgLineLeftNegative);
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

} // namespace quillon
