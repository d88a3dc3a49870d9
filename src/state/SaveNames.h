// The file names the save dialogs offer: whose results they are and of which visit.
#pragma once

#include "state/PatientContext.h"

#include <string>
#include <string_view>

namespace quillon {

// "REGNO NAME DATE WHAT.EXTENSION" from the parts that are not empty, each character a file name cannot hold
// (a slash, a backslash, a colon, * ? " < > |, a control character) replaced by "-", blanks at the ends dropped;
// "Quillon" when every part is empty.
// The texts are Windows-1252, as the data files hold them.
std::string SuggestedFileName(std::string_view regNo, std::string_view patientName, std::string_view visitDate,
    std::string_view what, std::string_view extension);
// The same for the patient and the visit on show.
std::string SuggestedFileName(const PatientContext& patient, std::string_view what, std::string_view extension);

} // namespace quillon
