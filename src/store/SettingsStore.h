#pragma once
#include <filesystem>

#include "Settings.h"
#include "StoreStatus.h"

namespace kelvara {

// What a load or save does with a database it cannot use: the desktop
// program repairs it (the damaged file kept aside, unusable values set back
// to the delivered ones); the command-line tool leaves the user's file as it
// is and uses the delivered values for the run.
enum class OnDamage { Repair, UseDelivered };

// Reads and writes the "Setup" record of the settings database. It keeps
// nothing of its own: each load and save opens and closes the database.
// A missing database is built as delivered first (the returned message then
// says so).
class SettingsStore {
public:
    explicit SettingsStore(std::filesystem::path databasePath, OnDamage onDamage = OnDamage::Repair)
        : path_(std::move(databasePath)), onDamage_(onDamage) {}

    // Copies the given fields of the record into settings, leaving its other
    // members as they are. When the record cannot be read, or a value in it
    // is not one its Setup field accepts, those fields get the values the
    // program is delivered with and the message says so.
    StoreStatus Load(const SettingsFields& fields, Settings& settings) const;

    // Writes the given fields of settings into the record, in table order, in
    // one transaction: either all of them are saved or none.
    StoreStatus Save(const SettingsFields& fields, const Settings& settings) const;

private:
    StoreStatus CheckHealth() const;

    std::filesystem::path path_;
    OnDamage onDamage_;
};

// The values of "Setup" as delivered with the program.
Settings DeliveredSettings();

}  // namespace kelvara
