// The patient index "PatDet.txt": the physician and one row per patient.
#pragma once

#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillon {

inline constexpr const char* kPatientIndexFile = "PatDet.txt";
inline constexpr const char* kMsgCouldNotLoadPatients = QT_TRANSLATE_NOOP("Message", "Could load Patient Information");
inline constexpr std::size_t kMaxPatientField = 499;

struct PatientRow
{
    std::string regNo;
    std::string name;
    std::string age;
    std::string visitDate;

    bool operator==(const PatientRow&) const = default;
};

struct PatientIndex
{
    std::string physician;
    std::vector<PatientRow> rows; // list order, duplicates already dropped
};

// A line whose registration number begins an earlier row's number (letter case ignored) is a duplicate and
// dropped: 101 after 1015 is dropped, 1015 after 101 is listed.
PatientIndex ParsePatientIndex(std::span<const std::uint8_t> bytes);

// Reads "PatDet.txt" of the folder; shows "Could load Patient Information" when it cannot be read.
std::optional<PatientIndex> LoadPatientIndex(const CPracticeFolder& folder, IMessageSink& sink);

} // namespace quillon
