#include "StoredSettings.h"

#include <iostream>

#include "DatabaseLocation.h"
#include "SettingsStore.h"

namespace kelvara::cli {

Settings StoredSettings(const SettingsFields& fields) {
    const DatabasePaths paths = ResolveDatabasePaths(ProgramFolder(), UserDataFolder());
    Settings settings;
    const StoreStatus status = SettingsStore(paths.SettingsDatabasePath).Load(fields, settings);
    if (!status.ok) std::cerr << "kelvara-calc: " << status.message << "\n";
    return settings;
}

}  // namespace kelvara::cli
