// Whose case a window shows: the practice folder, the patient and the visit on show. The views, dialogs and pages
// that name the patient take it instead of the shared state.
#pragma once

#include <string>

namespace quillon {

class CPracticeFolder;

struct PatientContext
{
    const CPracticeFolder& folder;
    std::string regNo; // the base name of the patient's files
    std::string name;
    std::string physician;
    std::string visitDate; // the visit on show, at most 14 characters (empty before a visit loads)
};

} // namespace quillon
