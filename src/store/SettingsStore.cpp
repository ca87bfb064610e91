#include "SettingsStore.h"

#include "DatabaseHealth.h"
#include "SetupRecord.h"
#include "Sqlite.h"

namespace kelvara {

Settings DeliveredSettings() {
    Settings settings;
    sqlite::Database db(":memory:", sqlite::OpenMode::Create);
    db.Execute(DeliveredSchema(DeliveredDatabase::Settings));
    ReadSetup(db, PackageSettingsFields(), settings);
    return settings;
}

StoreStatus SettingsStore::CheckHealth() const {
    return onDamage_ == OnDamage::Repair ? EnsureDatabaseHealthy(path_, DeliveredDatabase::Settings)
                                         : CheckDatabaseUsable(path_, DeliveredDatabase::Settings);
}

StoreStatus SettingsStore::Load(const SettingsFields& fields, Settings& settings) const {
    StoreStatus status = CheckHealth();
    if (status.ok) {
        try {
            sqlite::Database db(path_, sqlite::OpenMode::ReadOnly);
            const std::vector<UnusableSetting> unusable = ReadSetup(db, fields, settings);
            if (unusable.empty()) return status;
            SettingsFields bad;
            for (const UnusableSetting& setting : unusable) bad.push_back(setting.Field);
            CopySettings(bad, DeliveredSettings(), settings);
            status.message += std::string(status.message.empty() ? "" : " ") + "The settings database \"" +
                              path_.string() + "\" holds values that cannot be used: " + DescribeUnusable(unusable) +
                              ". The values delivered with the program are used for them.";
            return status;
        } catch (const std::exception& e) {
            status = StoreStatus::Failure("The settings could not be read from \"" + path_.string() +
                                          "\": " + e.what() + ".");
        }
    }
    CopySettings(fields, DeliveredSettings(), settings);
    status.message += " The values delivered with the program are used instead.";
    return status;
}

StoreStatus SettingsStore::Save(const SettingsFields& fields, const Settings& settings) const {
    StoreStatus health = CheckHealth();
    if (!health.ok || fields.empty()) return health;
    try {
        sqlite::Database db(path_, sqlite::OpenMode::ReadWrite);
        sqlite::Transaction transaction(db);
        WriteSetup(db, fields, settings);
        transaction.Commit();
        return health;
    } catch (const std::exception& e) {
        return StoreStatus::Failure("The settings could not be saved to \"" + path_.string() + "\": " + e.what() +
                                    ". Nothing was changed.");
    }
}

}  // namespace kelvara
