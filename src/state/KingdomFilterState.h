// Filter state that outlives the kingdom dialogs: kept by the application for the whole run.
#pragma once

namespace quillon {

struct KingdomFilterState
{
    // Set by the Mineral Filter dialog's OK when nothing was chosen; the chart then removes no remedy.
    // The chart reads it after the dialog and resets it to false.
    bool m_bMineralNoSelection = false;
};

} // namespace quillon
