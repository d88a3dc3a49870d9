// The paged scroll bar: a scroll bar that keeps its own position and page and steps by fixed rules.
#pragma once

#include "controls/ScrollSteps.h"

#include <QScrollBar>

namespace quillon {

class CMyScroll final : public QScrollBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMyScroll)

public:
    CMyScroll(Qt::Orientation orientation, QWidget* parent);

    int Position() const { return m_steps.position; }
    int Page() const { return m_steps.page; }
    void SetPage(int page) { m_steps.page = page; }
    // The range runs from 0 to maximum.
    void SetRangeMaximum(int maximum);
    // Where the "In LineMagnitude SBLineLeft" report goes; without a sink it is not shown.

    void LineBack();
    void LineForward();
    void LineLeft();
    void LineRight();
    void PageBack();
    void PageLeft();
    void PageForward();
    void SetPosition(int position);
    // Steps `lines` lines (negative: back or left) by the line rules; the owner sees one move of the bar.
    void ScrollLines(int lines);
    // Turns the wheel's notches into line steps, three a notch (also for a wheel turned over the owner).
    void WheelScroll(const QWheelEvent& event);

Q_SIGNALS:
    // The position changed through one of the stepping operations or a thumb drag.
    void PositionStepped(int position);
    // Line left found the position below zero (and put it at zero): the window tells the user so.
    void NegativeLineLeft();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void Push();
    void OnAction(int action);

    ScrollSteps m_steps;
    bool m_bPushing = false;
    int m_nWheelRest = 0; // eighths of a degree short of a whole notch
};

} // namespace quillon
