#pragma once
#include "Settings.h"

namespace kelvara::cli {

// The shared settings as the windows read them when they open: those of the
// settings database beside the program (or in the user's data folder). A
// database that cannot be read leaves the delivered values, and says so on
// standard error.
Settings StoredSettings(const SettingsFields& fields);

}  // namespace kelvara::cli
