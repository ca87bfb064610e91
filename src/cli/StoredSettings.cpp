#include "StoredSettings.h"

#include <iostream>

#include "DatabaseLocation.h"
#include "SettingsStore.h"
#include "UserText.h"

namespace kelvara::cli {

Settings StoredSettings(const SettingsFields& fields) {
    const DatabasePaths paths = ResolveDatabasePaths(ProgramFolder(), UserDataFolder());
    Settings settings;
    // The user's database is read, never repaired here: the desktop program
    // repairs it and tells the user so.
    const StoreStatus status = SettingsStore(paths.SettingsDatabasePath, OnDamage::UseDelivered).Load(fields, settings);
    if (!status.message.empty()) std::cerr << "kelvara-calc: warning: " << OneLine(status.message) << "\n";
    return settings;
}

}  // namespace kelvara::cli
