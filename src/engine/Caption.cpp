// The caption line of the chart.
#include "engine/Caption.h"

#include "engine/RepEngine.h"

namespace quillon {

std::string BuildCaption(const RepMethodFlags& flags, int sortMode, std::string_view filterDesc)
{
    std::string caption = "Repertorisation: ";
    if (flags.m_bNormal) {
        caption += "Normal ";
    } else {
        if (flags.m_bDrugFilter)
            caption += "Drug Filter+";
        if (flags.m_bWeightage)
            caption += "Weightage+";
        if (flags.m_bMind)
            caption += "Mind Symptoms+";
        if (flags.m_bRest)
            caption += "Rest Symptoms+";
        if (flags.m_bGeneral)
            caption += "General Symptoms+";
        if (flags.m_bSorted)
            caption += "Sorted List of Remedies+";
        if (sortMode == SortBySymptomsCovered)
            caption += "Symptoms Covered+";
        if (flags.m_bClipboard[0])
            caption += "ClipBoard #1+";
        if (flags.m_bClipboard[1])
            caption += "ClipBoard #2+";
        if (flags.m_bClipboard[2])
            caption += "ClipBoard #3+";
    }
    const auto isBlank
        = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
    while (!caption.empty() && isBlank(caption.back()))
        caption.pop_back();
    while (!caption.empty() && caption.back() == '+')
        caption.pop_back();
    if (flags.m_bDrugFilter) {
        caption += "     ";
        caption += filterDesc;
    }
    return caption;
}

} // namespace quillon
