// The case book's schema as a list of migrations: a new book runs them all from version 0, an older book those
// past its PRAGMA user_version.
#pragma once

namespace SQLite {
class Database;
}

namespace quillon {

// Brings the book from version `to - 1` to `to` (1, 2 or 3) and sets its user_version, inside the caller's
// transaction.
void ApplyCaseBookMigration(SQLite::Database& db, int to);

} // namespace quillon
