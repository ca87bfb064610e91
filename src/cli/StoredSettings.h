#pragma once
#include "Settings.h"

namespace kelvara::cli {

// The shared settings as the windows read them when they open: those of the
// settings database beside the program (or in the user's data folder). A
// database that cannot be used, or a stored value that the Setup panel would
// not accept, leaves the delivered values with one warning line on standard
// error; the file itself is left as it is.
Settings StoredSettings(const SettingsFields& fields);

}  // namespace kelvara::cli
