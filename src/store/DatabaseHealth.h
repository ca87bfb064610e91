#pragma once
#include <filesystem>

#include "DeliveredDatabase.h"
#include "StoreStatus.h"

namespace kelvara {

// Makes sure the database at path can serve the program: it exists, reads as
// a database, holds every delivered table with every field, and every table
// delivered with a record still has one. A database that fails any of this is
// renamed aside (never deleted: "<name>.damaged-<yyyymmdd-hhmmss>") and the
// delivered database is built in its place.
//
// Returns ok with no message when all was well, ok with a message naming the
// file when it was rebuilt, and a failure when it is in use or could not be
// rebuilt. The caller shows the message and goes on.
StoreStatus EnsureDatabaseHealthy(const std::filesystem::path& path, DeliveredDatabase which);

}  // namespace kelvara
