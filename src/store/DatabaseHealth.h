#pragma once
#include <filesystem>

#include "DeliveredDatabase.h"
#include "StoreStatus.h"

namespace kelvara {

// Makes sure the database at path can serve the program: it exists, reads as
// a database, holds every delivered table with every field, and every table
// delivered with a record still has one. A database that fails any of this is
// renamed aside with its journal (never deleted: "<name>.damaged-<yyyymmdd-
// hhmmss>") and the delivered database is built in its place. In the settings
// database, a stored value that its Setup field would not accept is set back
// to the delivered one.
//
// Damage is judged only after SQLite has had the chance to finish rolling back
// a save that was cut short. A file that may not be read, or a folder in the
// database's place, is not damage: it is left where it is.
//
// Returns ok with no message when all was well, ok with a message naming the
// file when it was rebuilt or repaired, and a failure when it is in use, may
// not be read or could not be rebuilt. The caller shows the message and goes on.
StoreStatus EnsureDatabaseHealthy(const std::filesystem::path& path, DeliveredDatabase which);

// The same check without any repair: an existing database is never renamed,
// replaced or written (a missing one is built as delivered). Returns ok with no
// message when the database can be used, and otherwise a failure naming the
// file and what is wrong with it.
StoreStatus CheckDatabaseUsable(const std::filesystem::path& path, DeliveredDatabase which);

}  // namespace kelvara
