#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <functional>

#include "DatabaseHealth.h"
#include "ReportOutput.h"
#include "SettingsStore.h"
#include "TempFolder.h"

using namespace kelvara;

namespace {

void RunSql(const std::filesystem::path& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

std::vector<std::filesystem::path> KeptAside(const TempFolder& folder) {
    std::vector<std::filesystem::path> kept;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        if (entry.path().filename().string().find(".damaged-") != std::string::npos) kept.push_back(entry.path());
    return kept;
}

struct Damage {
    const char* name;
    DeliveredDatabase database;
    std::function<void(const std::filesystem::path&)> harm;  // null: the file is missing
    const char* reason;                                       // expected in the message
};

class DatabaseRepairTest : public ::testing::TestWithParam<Damage> {};

TEST_P(DatabaseRepairTest, RebuildsTheDeliveredDatabaseAndKeepsTheDamagedOne) {
    const Damage& damage = GetParam();
    TempFolder folder;
    const auto path = folder / DeliveredFileName(damage.database);
    if (damage.harm) {
        ASSERT_TRUE(CreateDeliveredDatabase(path, damage.database).ok);
        damage.harm(path);
    }

    StoreStatus status = EnsureDatabaseHealthy(path, damage.database);

    EXPECT_TRUE(status.ok);
    EXPECT_NE(status.message.find(path.string()), std::string::npos) << status.message;
    EXPECT_NE(status.message.find(damage.reason), std::string::npos) << status.message;
    EXPECT_NE(status.message.find("recreated"), std::string::npos) << status.message;
    EXPECT_EQ(KeptAside(folder).size(), damage.harm ? 1u : 0u);
    EXPECT_EQ(EnsureDatabaseHealthy(path, damage.database).message, "") << "the rebuilt database is whole";
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DatabaseRepairTest,
    ::testing::Values(
        Damage{"MissingSettings", DeliveredDatabase::Settings, nullptr, "was missing"},
        Damage{"MissingReports", DeliveredDatabase::Reports, nullptr, "was missing"},
        Damage{"GarbageFile", DeliveredDatabase::Settings,
               [](const std::filesystem::path& p) { std::ofstream(p) << std::string(5000, 'x'); },
               "cannot be read as a database"},
        Damage{"MissingTable", DeliveredDatabase::Reports,
               [](const std::filesystem::path& p) { RunSql(p, "DROP TABLE kwiktax"); },
               "table \"kwiktax\" is missing"},
        Damage{"MissingRecord", DeliveredDatabase::Settings,
               [](const std::filesystem::path& p) { RunSql(p, "DELETE FROM Setup"); },
               "table \"Setup\" has lost its record"},
        Damage{"MissingField", DeliveredDatabase::Reports,
               [](const std::filesystem::path& p) { RunSql(p, "ALTER TABLE Amort DROP COLUMN Required"); },
               "has no field \"required\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DatabaseHealth, EmptyItemTablesAreHealthy) {
    TempFolder folder;
    const auto path = folder / "Crysprin.db";
    ASSERT_TRUE(CreateDeliveredDatabase(path, DeliveredDatabase::Reports).ok);
    StoreStatus status = EnsureDatabaseHealthy(path, DeliveredDatabase::Reports);
    EXPECT_TRUE(status.ok);
    EXPECT_EQ(status.message, "");
}

TEST(DatabaseHealth, StoreOperationsRepairFirstAndReportIt) {
    TempFolder folder;
    Settings settings;
    StoreStatus loaded = SettingsStore(folder / "Settings.db").Load(PayeSettingsFields(), settings);
    EXPECT_TRUE(loaded.ok);
    EXPECT_NE(loaded.message.find("was missing"), std::string::npos);
    EXPECT_EQ(settings.UIFLimit, 17712);

    StoreStatus written = ReportOutput(folder / "Crysprin.db").WriteReportRecord("kwiktax", {{"AGE", std::int16_t{40}}});
    EXPECT_TRUE(written.ok) << written.message;
    EXPECT_NE(written.message.find("was missing"), std::string::npos);
}

}  // namespace
