// What the case book tests share: Anna of the practice "/practice", analyses built from their steps, clocks, and
// the names a damaged book was moved aside to.
#pragma once

#include "casebook/CaseBook.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace quillon::testing {

inline const PatientIdentity kAnna{{"/practice", "Helen Marsh"}, "1001", "Anna Berger"};
inline const VisitIdentity kAnnasVisit{"12/03/2002", "00000000000000aa"};

inline AnalysisRecord Analysis(
    std::string name, std::vector<std::string> steps = {"mind"}, VisitIdentity visit = kAnnasVisit)
{
    AnalysisRecord a;
    a.visit = std::move(visit);
    a.name = std::move(name);
    a.steps = std::move(steps);
    return a;
}

// An analysis of `count` drops, "drop:0:1" to "drop:<count - 1>:1": a big one tells a save cut short.
inline AnalysisRecord Drops(const std::string& name, int count)
{
    std::vector<std::string> steps;
    for (int s = 0; s < count; ++s)
        steps.push_back("drop:" + std::to_string(s) + ":1");
    return Analysis(name, std::move(steps));
}

inline CaseBookOptions FixedClock(std::string now)
{
    CaseBookOptions o;
    o.now = [now] { return now; };
    return o;
}

// A clock one second further on at every reading, from 2026-01-01T00:00:00Z.
struct Clock
{
    int tick = 0;
    CaseBookOptions Options()
    {
        CaseBookOptions o;
        o.now = [this] {
            const int second = tick++;
            return "2026-01-01T00:00:" + std::string(second < 10 ? "0" : "") + std::to_string(second) + "Z";
        };
        return o;
    }
};

// The names in the folder that were moved aside, in order.
inline std::vector<std::filesystem::path> MovedAside(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> aside;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().find(".damaged-") != std::string::npos)
            aside.push_back(entry.path());
    std::sort(aside.begin(), aside.end());
    return aside;
}

} // namespace quillon::testing
