#pragma once
#include <string>
#include <vector>

#include "Settings.h"
#include "Sqlite.h"

namespace kelvara {

// A stored value of "Setup" that the program cannot use: not a number, or
// outside what its Setup field accepts. Stored is how the value reads.
struct UnusableSetting {
    SettingsField Field;
    std::string Stored;
};

// Reads the given fields (in table order) of the first record of "Setup" into
// settings. An unusable value is not read: its member is left as it was and
// the field is listed. Throws when the table has no record.
std::vector<UnusableSetting> ReadSetup(sqlite::Database& db, const SettingsFields& fields, Settings& settings);

// Writes the given fields (in table order) of settings into the first record.
void WriteSetup(sqlite::Database& db, const SettingsFields& fields, const Settings& settings);

// Sets each listed member of settings to the value of the same member of from.
void CopySettings(const SettingsFields& fields, const Settings& from, Settings& settings);

// The fields of a list, with their stored values: "EmployeeUIF" (1e+308), ...
std::string DescribeUnusable(const std::vector<UnusableSetting>& unusable);

SettingsFields InTableOrder(SettingsFields fields);

}  // namespace kelvara
