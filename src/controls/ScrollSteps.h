// The stepping rules of the paged scroll bar, kept apart from the widget so that every owner
// (and the command-line report) steps the same way.
#pragma once

#include <string>

namespace quillon {

inline constexpr const char* kMsgLineLeftNegative = "In LineMagnitude SBLineLeft";

struct ScrollSteps
{
    int position = 0;
    int page = 0;
    int maximum = 0; // the range runs from 0 to maximum

    void LineBack()
    {
        if (position > 0)
            --position;
    }
    void LineForward()
    {
        if (position < maximum)
            ++position;
    }
    // A negative position is first reset to 0; returns true when that happened (the owner reports it).
    bool LineLeft()
    {
        const bool wasNegative = position < 0;
        if (wasNegative)
            position = 0;
        if (position > 0)
            --position;
        return wasNegative;
    }
    void LineRight()
    {
        if (position < 0)
            position = 0;
        if (position < maximum)
            ++position;
    }
    void PageBack() { position = position < page ? 0 : position - page; }
    void PageLeft()
    {
        if (position >= page)
            position -= page;
    }
    void PageForward() { position = position >= maximum - page ? maximum : position + page; }
};

} // namespace quillon
