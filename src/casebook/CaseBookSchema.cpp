// The migrations of the case book's schema.
#include "casebook/CaseBookSchema.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <string>

namespace quillon {
namespace {

// Version 1 kept an analysis's steps as one text, an action per line.
void CreateVersion1(SQLite::Database& db)
{
    db.exec(R"(
CREATE TABLE practices(id INTEGER PRIMARY KEY, folder TEXT NOT NULL, physician TEXT NOT NULL,
  UNIQUE(folder, physician));
CREATE TABLE patients(id INTEGER PRIMARY KEY,
  practice_id INTEGER NOT NULL REFERENCES practices(id) ON DELETE CASCADE,
  reg_no TEXT NOT NULL, name TEXT NOT NULL DEFAULT '', UNIQUE(practice_id, reg_no));
CREATE TABLE analyses(id INTEGER PRIMARY KEY,
  patient_id INTEGER NOT NULL REFERENCES patients(id) ON DELETE CASCADE,
  visit_date TEXT NOT NULL, fingerprint TEXT NOT NULL, name TEXT NOT NULL, notes TEXT NOT NULL DEFAULT '',
  created TEXT NOT NULL, changed TEXT NOT NULL, steps TEXT NOT NULL DEFAULT '',
  UNIQUE(patient_id, visit_date, fingerprint, name));
CREATE TABLE prescriptions(id INTEGER PRIMARY KEY,
  patient_id INTEGER NOT NULL REFERENCES patients(id) ON DELETE CASCADE,
  analysis_id INTEGER REFERENCES analyses(id) ON DELETE SET NULL,
  remedy_code INTEGER NOT NULL, remedy_name TEXT NOT NULL, potency TEXT NOT NULL,
  repetition TEXT NOT NULL DEFAULT '', date TEXT NOT NULL, note TEXT NOT NULL DEFAULT '', created TEXT NOT NULL);
CREATE INDEX prescriptions_patient ON prescriptions(patient_id);
)");
}

// Version 2: the steps in a table of their own, one row per step in order; their count, the caption and the first
// remedies of the chart kept with the analysis, so that a list shows them without reading the steps or replaying.
void UpgradeToVersion2(SQLite::Database& db)
{
    db.exec(R"(
CREATE TABLE steps(analysis_id INTEGER NOT NULL REFERENCES analyses(id) ON DELETE CASCADE,
  position INTEGER NOT NULL, action TEXT NOT NULL, PRIMARY KEY(analysis_id, position)) WITHOUT ROWID;
ALTER TABLE analyses ADD COLUMN caption TEXT NOT NULL DEFAULT '';
ALTER TABLE analyses ADD COLUMN top_remedies TEXT NOT NULL DEFAULT '';
ALTER TABLE analyses ADD COLUMN step_count INTEGER NOT NULL DEFAULT 0;
CREATE INDEX analyses_patient ON analyses(patient_id, created);
CREATE INDEX prescriptions_analysis ON prescriptions(analysis_id);
)");
    SQLite::Statement read(db, "SELECT id, steps FROM analyses");
    SQLite::Statement write(db, "INSERT INTO steps(analysis_id, position, action) VALUES(?, ?, ?)");
    while (read.executeStep()) {
        const std::int64_t id = read.getColumn(0).getInt64();
        const std::string text = read.getColumn(1).getString();
        int position = 0;
        for (std::size_t start = 0; start < text.size();) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            if (end > start) {
                write.bind(1, id);
                write.bind(2, position++);
                write.bind(3, text.substr(start, end - start));
                write.exec();
                write.reset();
            }
            start = end + 1;
        }
    }
    db.exec("UPDATE analyses SET step_count = (SELECT count(*) FROM steps WHERE analysis_id = analyses.id)");
    db.exec("ALTER TABLE analyses DROP COLUMN steps");
}

// A random identity in the form of a version 4 UUID, made by SQLite for every row in turn.
constexpr const char* kRandomUid
    = "lower(hex(randomblob(4))) || '-' || lower(hex(randomblob(2))) || '-4' || substr(lower(hex(randomblob(2))), 2)"
      " || '-' || substr('89ab', 1 + abs(random()) % 4, 1) || substr(lower(hex(randomblob(2))), 2) || '-'"
      " || lower(hex(randomblob(6)))";

// Version 3: analyses and prescriptions carry an identity of their own that export and import keep, so that two
// records alike in every field stay two; and a folder found to hold a practice saved under another path is
// remembered with that practice.
void UpgradeToVersion3(SQLite::Database& db)
{
    db.exec(R"(
ALTER TABLE analyses ADD COLUMN uid TEXT;
ALTER TABLE prescriptions ADD COLUMN uid TEXT;
CREATE TABLE practice_folders(folder TEXT NOT NULL, physician TEXT NOT NULL,
  practice_id INTEGER NOT NULL REFERENCES practices(id) ON DELETE CASCADE,
  PRIMARY KEY(folder, physician)) WITHOUT ROWID;
)");
    db.exec(std::string("UPDATE analyses SET uid = ") + kRandomUid);
    db.exec(std::string("UPDATE prescriptions SET uid = ") + kRandomUid);
    db.exec("CREATE UNIQUE INDEX analyses_uid ON analyses(uid);"
            "CREATE UNIQUE INDEX prescriptions_uid ON prescriptions(uid);");
}

} // namespace

void ApplyCaseBookMigration(SQLite::Database& db, int to)
{
    if (to == 1)
        CreateVersion1(db);
    else if (to == 2)
        UpgradeToVersion2(db);
    else if (to == 3)
        UpgradeToVersion3(db);
    db.exec("PRAGMA user_version = " + std::to_string(to));
}

} // namespace quillon
