// What the case book tests share: Anna of the practice "/practice", analyses built from their steps, clocks, and
// the names a damaged book was moved aside to.
#pragma once

#include "casebook/CaseBook.h"
#include "casebook/CaseBookFile.h"
#include "casebook/CaseBookSchema.h"

#include <SQLiteCpp/SQLiteCpp.h>

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

// A book as an earlier release wrote it: the schema of `version`, without the id books carry now, holding what `sql`
// writes into it.
inline void WriteEarlierBook(const std::filesystem::path& path, int version, const std::string& sql)
{
    SQLite::Database db(path.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("PRAGMA journal_mode = WAL");
    for (int to = 1; to <= version; ++to)
        ApplyCaseBookMigration(db, to);
    db.exec(sql);
}

// A case book of a version newer than this program's: its own application id, a schema version past ours.
inline void WriteNewerBook(const std::filesystem::path& path)
{
    SQLite::Database(path.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
        .exec("CREATE TABLE future(x); PRAGMA user_version = " + std::to_string(CCaseBook::kSchemaVersion + 1)
            + "; PRAGMA application_id = " + std::to_string(kCaseBookApplicationId));
}

} // namespace quillon::testing
