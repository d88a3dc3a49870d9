// Command numbers of the menu, shared by the frame and the views that handle routed commands.
#pragma once

namespace quillon {

enum CommandId : int {
    ID_REPERTORISATION = 32771,
    ID_SELECT_PATIENT = 32772,
    ID_RECORDED_SYMPTOMS = 32773,
    ID_MAGNIFY = 32774,
    ID_SYMPTOM_LIST = 32775,
    ID_FULL_CASE_RECORD = 32776,
    ID_FOLLOWUP = 32777,
    ID_COMPARE_VISITS = 32790, // View menu and the chart's remedy popup
    ID_STABILITY = 32791,
    ID_STRATEGIES = 32810, // View menu
    ID_FAMILIES = 32811,
    ID_FIT_CHART = 32812, // View menu: the chart fills the window, a check item
    ID_EXPORT_CHART_CSV = 32793, // File menu, while a chart is open
    ID_SAVE_CHART_PDF = 32794,
    ID_PRINT_CHART = 32795,
    ID_APP_EXIT = 57665,
    ID_OPEN_FOLDER = 57601,
    ID_APP_ABOUT = 57664,
    ID_HELP_CONTENTS = 57666,
};

// A view that handles commands routed to the active view (Symptom List, Magnify).
class ICommandTarget
{
public:
    virtual ~ICommandTarget() = default;
    virtual bool IsCommandEnabled(int commandId) const = 0;
    virtual void OnCommand(int commandId) = 0;
};

} // namespace quillon
