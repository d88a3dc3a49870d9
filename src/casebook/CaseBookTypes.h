// What the case book keeps: saved analyses of a visit's chart and the prescriptions made from them. Every text is
// UTF-8 (texts of the data files are converted by the caller).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillon {

// A practice: the canonical path of its folder and the physician line of its patient index.
struct PracticeIdentity
{
    std::string folder;
    std::string physician;

    bool operator==(const PracticeIdentity&) const = default;
};

// A patient of a practice, by registration number; the name is kept as it last stood.
struct PatientIdentity
{
    PracticeIdentity practice;
    std::string regNo;
    std::string name;
};

// A visit: its date and the fingerprint of its recorded symptoms (not its index in the file, which moves when the
// practice exports another visit).
struct VisitIdentity
{
    std::string date;
    std::string fingerprint;

    bool operator==(const VisitIdentity&) const = default;
};

struct PrescriptionRecord
{
    std::int64_t id = 0;
    std::int64_t analysisId = 0; // 0: not linked to an analysis
    int remedyCode = 0;
    std::string remedyName; // the full name as it stood when prescribed
    std::string potency;
    std::string repetition;
    std::string date; // YYYY-MM-DD
    std::string note;
    std::string created; // YYYY-MM-DDTHH:MM:SSZ
    std::string uid; // the record's own identity, the same in every book it is carried to; empty: not given yet

    bool operator==(const PrescriptionRecord&) const = default;
};

struct AnalysisRecord
{
    std::int64_t id = 0; // 0: not saved yet
    VisitIdentity visit;
    std::string name;
    std::string notes;
    std::string created; // YYYY-MM-DDTHH:MM:SSZ, UTC
    std::string changed;
    std::string caption; // the chart's caption when saved
    std::vector<std::string> topRemedies; // the first three remedies of the chart when saved
    std::vector<std::string> steps; // the chart's operations in the words of quillon-report's --do
    std::string uid; // the record's own identity, the same in every book it is carried to; empty: not given yet
};

// One line of a patient's list of analyses: the analysis without its steps, how many it has, and its latest
// prescription.
struct AnalysisListing
{
    AnalysisRecord analysis;
    int stepCount = 0;
    std::optional<PrescriptionRecord> prescription;
};

// Where a page of a patient's analyses starts: after the analysis of this created time and id.
struct ListingKey
{
    std::string created;
    std::int64_t id = 0;
};

// "REMEDY POTENCY[ REPETITION]".
std::string PrescriptionText(const PrescriptionRecord& prescription);

} // namespace quillon
