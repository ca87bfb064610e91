#include "DeliveredDatabase.h"

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
