#pragma once
#include <filesystem>

#include "Settings.h"
#include "StoreStatus.h"

namespace kelvara {

// Reads and writes the "Setup" record of the settings database. It keeps
// nothing of its own: each load and save opens and closes the database.
// A missing or damaged database is rebuilt as delivered first (the returned
// message then says so).
class SettingsStore {
public:
    explicit SettingsStore(std::filesystem::path databasePath) : path_(std::move(databasePath)) {}

    // Copies the given fields of the record into settings, leaving its other
    // members as they are. When the record cannot be read, those fields get
    // the values the program is delivered with and the status says why.
    StoreStatus Load(const SettingsFields& fields, Settings& settings) const;

    // Writes the given fields of settings into the record, in table order, in
    // one transaction: either all of them are saved or none.
    StoreStatus Save(const SettingsFields& fields, const Settings& settings) const;

private:
    std::filesystem::path path_;
};

// The values of "Setup" as delivered with the program.
Settings DeliveredSettings();

}  // namespace kelvara
