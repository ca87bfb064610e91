#include "SettingsStore.h"

#include <algorithm>
#include <array>
#include <variant>

#include "DatabaseHealth.h"
#include "Sqlite.h"

namespace kelvara {

namespace {

struct FieldBinding {
    const char* name;
    std::variant<double Settings::*, bool Settings::*> member;
};

// Indexed by SettingsField, so in table order.
const std::array<FieldBinding, 11> kBindings{{
    {"PensionCont", &Settings::PensionCont},
    {"EmployerPenCont", &Settings::EmployerPenCont},
    {"EmployeeUIF", &Settings::EmployeeUIF},
    {"EmployerUIF", &Settings::EmployerUIF},
    {"SkillLevy", &Settings::SkillLevy},
    {"ProvCont", &Settings::ProvCont},
    {"EmployerProvCont", &Settings::EmployerProvCont},
    {"UIFLimit", &Settings::UIFLimit},
    {"TAIncRate8020", &Settings::TAIncRate8020},
    {"CompCarFBRate8020", &Settings::CompCarFBRate8020},
    {"CompCarMPYesNo", &Settings::CompCarMPYesNo},
}};

const FieldBinding& Binding(SettingsField field) { return kBindings.at(static_cast<std::size_t>(field)); }

SettingsFields InTableOrder(SettingsFields fields) {
    std::sort(fields.begin(), fields.end());
    fields.erase(std::unique(fields.begin(), fields.end()), fields.end());
    return fields;
}

const std::string kFirstRecord = " WHERE rowid = (SELECT min(rowid) FROM \"Setup\")";

void ReadSetup(sqlite::Database& db, const SettingsFields& fields, Settings& settings) {
    if (fields.empty()) return;
    std::string sql = "SELECT ";
    for (SettingsField field : fields)
        sql += (field == fields.front() ? "" : ", ") + sqlite::QuoteIdentifier(Binding(field).name);
    sqlite::Statement query = db.Prepare(sql + " FROM \"Setup\"" + kFirstRecord);
    if (!query.Step()) throw sqlite::Error(0, "table \"Setup\" has no record");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        double value = query.ColumnDouble(static_cast<int>(i));
        std::visit([&](auto member) { settings.*member = static_cast<std::decay_t<decltype(settings.*member)>>(value); },
                   Binding(fields[i]).member);
    }
}

FieldValue ValueOf(const Settings& settings, SettingsField field) {
    return std::visit([&](auto member) { return FieldValue(settings.*member); }, Binding(field).member);
}

}  // namespace

const SettingsFields& PayeSettingsFields() {
    static const SettingsFields fields{SettingsField::EmployeeUIF, SettingsField::EmployerUIF, SettingsField::SkillLevy,
                                       SettingsField::UIFLimit, SettingsField::TAIncRate8020};
    return fields;
}

const SettingsFields& PackageSettingsFields() {
    static const SettingsFields fields = [] {
        SettingsFields all;
        for (std::size_t i = 0; i < kBindings.size(); ++i) all.push_back(static_cast<SettingsField>(i));
        return all;
    }();
    return fields;
}

Settings DeliveredSettings() {
    Settings settings;
    sqlite::Database db(":memory:", sqlite::OpenMode::Create);
    db.Execute(DeliveredSchema(DeliveredDatabase::Settings));
    ReadSetup(db, PackageSettingsFields(), settings);
    return settings;
}

StoreStatus SettingsStore::Load(const SettingsFields& fields, Settings& settings) const {
    StoreStatus status = EnsureDatabaseHealthy(path_, DeliveredDatabase::Settings);
    if (status.ok) {
        try {
            sqlite::Database db(path_, sqlite::OpenMode::ReadOnly);
            ReadSetup(db, InTableOrder(fields), settings);
            return status;
        } catch (const std::exception& e) {
            status = StoreStatus::Failure("The settings could not be read from \"" + path_.string() + "\": " +
                                          e.what() + ".");
        }
    }
    const Settings delivered = DeliveredSettings();
    for (SettingsField field : fields)
        std::visit([&](auto member) { settings.*member = delivered.*member; }, Binding(field).member);
    status.message += " The values delivered with the program are used instead.";
    return status;
}

StoreStatus SettingsStore::Save(const SettingsFields& fields, const Settings& settings) const {
    StoreStatus health = EnsureDatabaseHealthy(path_, DeliveredDatabase::Settings);
    if (!health.ok) return health;
    const SettingsFields ordered = InTableOrder(fields);
    if (ordered.empty()) return health;
    try {
        sqlite::Database db(path_, sqlite::OpenMode::ReadWrite);
        std::string sql = "UPDATE \"Setup\" SET ";
        for (SettingsField field : ordered)
            sql += (field == ordered.front() ? "" : ", ") + sqlite::QuoteIdentifier(Binding(field).name) + " = ?";
        sqlite::Transaction transaction(db);
        sqlite::Statement update = db.Prepare(sql + kFirstRecord);
        for (std::size_t i = 0; i < ordered.size(); ++i)
            update.Bind(static_cast<int>(i + 1), ValueOf(settings, ordered[i]));
        update.Step();
        transaction.Commit();
        return health;
    } catch (const std::exception& e) {
        return StoreStatus::Failure("The settings could not be saved to \"" + path_.string() + "\": " + e.what() +
                                    ". Nothing was changed.");
    }
}

}  // namespace kelvara
