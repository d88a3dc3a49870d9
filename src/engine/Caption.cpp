// The caption line of the chart.
#include "engine/Caption.h"

#include "casedata/Translatable.h"
#include "engine/RepEngine.h"

namespace quillon {

std::string BuildCaption(const RepMethodFlags& flags, int sortMode, std::string_view filterDesc)
{
    std::string caption = translate("CRepMethods", "Repertorisation:") + ' ';
    const auto add = [&caption](const std::string& method) {
        caption += method;
        caption += '+';
    };
    if (flags.m_bNormal) {
        caption += translate("CRepMethods", "Normal") + ' ';
    } else {
        if (flags.m_bDrugFilter)
            add(translate("CRepMethods", "Drug Filter"));
        if (flags.m_bWeightage)
            add(translate("CRepMethods", "Weightage"));
        if (flags.m_bMind)
            add(translate("CRepMethods", "Mind Symptoms"));
        if (flags.m_bRest)
            add(translate("CRepMethods", "Rest Symptoms"));
        if (flags.m_bGeneral)
            add(translate("CRepMethods", "General Symptoms"));
        if (flags.m_bSorted)
            add(translate("CRepMethods", "Sorted List of Remedies"));
        if (sortMode == SortBySymptomsCovered)
            add(translate("CRepMethods", "Symptoms Covered"));
        if (flags.m_bClipboard[0])
            add(translate("CRepMethods", "ClipBoard #1"));
        if (flags.m_bClipboard[1])
            add(translate("CRepMethods", "ClipBoard #2"));
        if (flags.m_bClipboard[2])
            add(translate("CRepMethods", "ClipBoard #3"));
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
