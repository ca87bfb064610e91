#include "DeliveredDatabase.h"

#include "ActiveTaxYear.h"
#include "DeliveredSchemaText.h"
#include "Sqlite.h"

namespace kelvara {

const char* DeliveredSchema(DeliveredDatabase which) {
    return which == DeliveredDatabase::Settings ? generated::kSettingsSchema : generated::kReportsSchema;
}

const char* DeliveredFileName(DeliveredDatabase which) {
    return which == DeliveredDatabase::Settings ? "Settings.db" : "Crysprin.db";
}

const char* DescribeDatabase(DeliveredDatabase which) {
    return which == DeliveredDatabase::Settings ? "settings database" : "report database";
}

namespace {

// The record as delivered takes the UIF, levy and inclusion figures of the
// year in use; the fund percentages and the maintenance plan are the user's.
void UseYearsSettings(sqlite::Database& db, const DeliveredSettingsFigures& year) {
    sqlite::Statement update = db.Prepare(
        "UPDATE \"Setup\" SET \"EmployeeUIF\" = ?, \"EmployerUIF\" = ?, \"SkillLevy\" = ?, \"UIFLimit\" = ?, "
        "\"TAIncRate8020\" = ?, \"CompCarFBRate8020\" = ?");
    const double values[] = {year.EmployeeUIF, year.EmployerUIF,   year.SkillLevy,
                             year.UIFLimit,    year.TAIncRate8020, year.CompCarFBRate8020};
    for (int i = 0; i < 6; ++i) update.Bind(i + 1, values[i]);
    update.Step();
}

}  // namespace

StoreStatus CreateDeliveredDatabase(const std::filesystem::path& path, DeliveredDatabase which) {
    std::filesystem::path building = path;
    building += ".building";
    std::error_code ignored;
    std::filesystem::remove(building, ignored);
    try {
        {
            sqlite::Database db(building, sqlite::OpenMode::Create);
            sqlite::Transaction transaction(db);
            db.Execute(DeliveredSchema(which));
            if (which == DeliveredDatabase::Settings) UseYearsSettings(db, ActiveTaxYear().DeliveredSettings);
            transaction.Commit();
        }
        std::filesystem::rename(building, path);
        return {};
    } catch (const std::exception& e) {
        std::filesystem::remove(building, ignored);
        return StoreStatus::Failure("The " + std::string(DescribeDatabase(which)) + " \"" + path.string() +
                                    "\" could not be created: " + e.what() + ".");
    }
}

}  // namespace kelvara
