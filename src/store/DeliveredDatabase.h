#pragma once
#include <filesystem>
#include <string>

#include "StoreStatus.h"

namespace kelvara {

// The two databases delivered beside the program. Each is built from one SQL
// schema file (its tables and the records it is delivered with), compiled
// into the program so that a missing or damaged database can be rebuilt.
enum class DeliveredDatabase { Settings, Reports };

const char* DeliveredSchema(DeliveredDatabase which);

// "Settings.db" or "Crysprin.db".
const char* DeliveredFileName(DeliveredDatabase which);

// How messages name the database: "settings database" or "report database".
const char* DescribeDatabase(DeliveredDatabase which);

// Builds the delivered database at path, which must not exist yet. The file
// is written under a temporary name and renamed when complete, so no half-built
// database is ever left at path.
StoreStatus CreateDeliveredDatabase(const std::filesystem::path& path, DeliveredDatabase which);

}  // namespace kelvara
