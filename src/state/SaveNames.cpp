// The file names the save dialogs offer.
#include "state/SaveNames.h"

#include <initializer_list>

namespace quillon {

namespace {

bool Unfit(unsigned char c)
{
    return c < 0x20 || c == 0x7F
        || std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace

std::string SuggestedFileName(std::string_view regNo, std::string_view patientName, std::string_view visitDate,
    std::string_view what, std::string_view extension)
{
    std::string name;
    for (std::string_view part : {regNo, patientName, visitDate, what}) {
        while (!part.empty() && part.front() == ' ')
            part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ')
            part.remove_suffix(1);
        if (part.empty())
            continue;
        if (!name.empty())
            name += ' ';
        for (const char c : part)
            name += Unfit(static_cast<unsigned char>(c)) ? '-' : c;
    }
    if (name.empty())
        name = "Quillon";
    name += '.';
    name += extension;
    return name;
}

std::string SuggestedFileName(const PatientContext& patient, std::string_view what, std::string_view extension)
{
    return SuggestedFileName(patient.regNo, patient.name, patient.visitDate, what, extension);
}

} // namespace quillon
