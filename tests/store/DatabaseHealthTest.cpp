#include <gtest/gtest.h>
#include <sqlite3.h>

#include <unistd.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "DatabaseHealth.h"
#include "ReportOutput.h"
#include "SettingsFaults.h"
#include "SettingsStore.h"
#include "TempFolder.h"

using namespace kelvara;
using kelvara::testing::RunSqlOn;
using Path = std::filesystem::path;

namespace {

// What is done to a database file before the test.
using Harm = std::function<void(const Path&)>;

Harm Sql(const std::string& sql) {
    return [sql](const Path& p) { ASSERT_TRUE(RunSqlOn(p, sql)); };
}
// A database made by hand may lack the delivered NOT NULL.
Harm StoreUif(const std::string& value) {
    return Sql(
        "CREATE TABLE Copy AS SELECT * FROM Setup; DROP TABLE Setup; ALTER TABLE Copy RENAME TO Setup;"
        "UPDATE Setup SET EmployeeUIF = " +
        value);
}
const Harm kGarbage = [](const Path& p) { std::ofstream(p) << std::string(5000, 'x'); };

template <class Param>
std::string ParamName(const ::testing::TestParamInfo<Param>& info) {
    return info.param.name;
}

std::vector<Path> KeptAside(const TempFolder& folder) {
    std::vector<Path> kept;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        if (entry.path().filename().string().find(".damaged-") != std::string::npos) kept.push_back(entry.path());
    return kept;
}

int PragmaNumber(const Path& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_stmt* query = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_prepare_v2(db, sql.c_str(), -1, &query, nullptr);
    const int number = sqlite3_step(query) == SQLITE_ROW ? sqlite3_column_int(query, 0) : -1;
    sqlite3_finalize(query);
    sqlite3_close(db);
    return number;
}

// Overwrites the root page of a table with bytes no b-tree page starts with.
void ScribbleRootPageOf(const Path& path, const std::string& table) {
    const int page = PragmaNumber(path, "SELECT rootpage FROM sqlite_master WHERE name = '" + table + "'");
    const int size = PragmaNumber(path, "PRAGMA page_size");
    ASSERT_GT(page, 1);
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(page - 1) * size);
    file << std::string(static_cast<std::size_t>(size), '\x7f');
}

struct Damage {
    const char* name;
    DeliveredDatabase database;
    Harm harm;           // null: the file is missing
    const char* reason;  // expected in the message
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

// A row prints as its name, so that a test keeps its name from run to run
// (gtest would print the row's bytes, addresses included).
void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

const Damage kDamages[] = {
    {"MissingSettings", DeliveredDatabase::Settings, nullptr, "was missing"},
    {"MissingReports", DeliveredDatabase::Reports, nullptr, "was missing"},
    {"GarbageFile", DeliveredDatabase::Settings, kGarbage, "cannot be read as a database"},
    {"MissingTable", DeliveredDatabase::Reports, Sql("DROP TABLE kwiktax"), "table \"kwiktax\" is missing"},
    {"MissingRecord", DeliveredDatabase::Settings, Sql("DELETE FROM Setup"), "table \"Setup\" has lost its record"},
    // Only the full check reads the pages of a table delivered empty.
    {"TornEmptyTable", DeliveredDatabase::Reports, [](const Path& p) { ScribbleRootPageOf(p, "compcar"); },
     "it is damaged"},
    {"MissingField", DeliveredDatabase::Reports, Sql("ALTER TABLE Amort DROP COLUMN Required"),
     "has no field \"required\""}};
INSTANTIATE_TEST_SUITE_P(Damages, DatabaseRepairTest, ::testing::ValuesIn(kDamages), ParamName<Damage>);

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

    StoreStatus written =
        ReportOutput(folder / "Crysprin.db").WriteReportRecord("kwiktax", {{"AGE", std::int16_t{40}}});
    EXPECT_TRUE(written.ok) << written.message;
    EXPECT_NE(written.message.find("was missing"), std::string::npos);
}

// The user's settings are never discarded while they can be read: a save cut
// short is rolled back, a file that is not a database file is left where it
// is, and only a value that cannot be used is replaced.
struct SettingsFault {
    const char* name;
    Harm harm;
    double uif;            // the employee UIF a load gives afterwards
    const char* repaired;  // what the repairing check says ("" for nothing)
    const char* warned;    // what a load that leaves the file alone says ("" for nothing)
    bool keptAside;        // the repairing check renames the file aside
};

std::string Contents(const Path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class SettingsFaultTest : public ::testing::TestWithParam<SettingsFault> {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDeliveredDatabase(path, DeliveredDatabase::Settings).ok);
        GetParam().harm(path);
    }
    void ExpectSaid(const StoreStatus& status, const char* said) {
        if (!*said) {
            EXPECT_EQ(status.message, "");
            return;
        }
        EXPECT_NE(status.message.find(said), std::string::npos) << status.message;
        EXPECT_NE(status.message.find(path.string()), std::string::npos) << status.message;
    }
    TempFolder folder;
    Path path = folder / "Settings.db";
};

TEST_P(SettingsFaultTest, TheRepairingCheckRepairsOnlyWhatCannotBeUsed) {
    ExpectSaid(EnsureDatabaseHealthy(path, DeliveredDatabase::Settings), GetParam().repaired);
    EXPECT_EQ(KeptAside(folder).size(), GetParam().keptAside ? 1u : 0u);
    Settings loaded;
    SettingsStore(path).Load(PayeSettingsFields(), loaded);
    EXPECT_EQ(loaded.EmployeeUIF, GetParam().uif);
}

TEST_P(SettingsFaultTest, ALoadThatLeavesTheFileAloneWarnsAndUsesTheDeliveredValue) {
    const bool isFile = std::filesystem::is_regular_file(path);
    const std::string before = isFile ? Contents(path) : "";
    Settings loaded;
    ExpectSaid(SettingsStore(path, OnDamage::UseDelivered).Load(PayeSettingsFields(), loaded), GetParam().warned);
    EXPECT_EQ(loaded.EmployeeUIF, GetParam().uif);
    EXPECT_TRUE(KeptAside(folder).empty());
    EXPECT_EQ(std::filesystem::is_regular_file(path), isFile);
    if (isFile && GetParam().uif != 2) {
        EXPECT_EQ(Contents(path), before);
    }
}

void PrintTo(const SettingsFault& fault, std::ostream* out) { *out << fault.name; }

const SettingsFault kFaults[] = {
    {"InterruptedSave", [](const Path& p) { ASSERT_TRUE(kelvara::testing::InterruptSaveAfter(p, 2)); }, 2, "", "",
     false},
    {"FolderInItsPlace",
     [](const Path& p) {
         std::filesystem::remove(p);
         std::filesystem::create_directory(p);
     },
     1, "it is a folder, not a file. It was left as it is", "it is a folder, not a file", false},
    {"Garbage", kGarbage, 1, "cannot be read as a database", "cannot be read as a database", true},
    {"HugeValue", StoreUif("1e308"), 1, "\"EmployeeUIF\" (1e+308). They have been set back", "\"EmployeeUIF\" (1e+308)",
     false},
    {"NegativeValue", StoreUif("-50"), 1, "\"EmployeeUIF\" (-50)", "\"EmployeeUIF\" (-50)", false},
    {"NoValue", StoreUif("NULL"), 1, "\"EmployeeUIF\" (empty)", "\"EmployeeUIF\" (empty)", false},
    {"Text", StoreUif("'1,5\n'"), 1, "\"EmployeeUIF\" ('1,5?')", "\"EmployeeUIF\" ('1,5?')", false}};
INSTANTIATE_TEST_SUITE_P(Faults, SettingsFaultTest, ::testing::ValuesIn(kFaults), ParamName<SettingsFault>);

TEST(DatabaseHealth, AFileThatMayNotBeReadIsLeftWhereItIs) {
    if (geteuid() == 0) GTEST_SKIP() << "root may read any file";
    TempFolder folder;
    const auto path = folder / "Settings.db";
    ASSERT_TRUE(CreateDeliveredDatabase(path, DeliveredDatabase::Settings).ok);
    std::filesystem::permissions(path, std::filesystem::perms::none);
    const StoreStatus status = EnsureDatabaseHealthy(path, DeliveredDatabase::Settings);
    EXPECT_FALSE(status.ok);
    EXPECT_NE(status.message.find("may not be read"), std::string::npos) << status.message;
    EXPECT_TRUE(KeptAside(folder).empty());
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    Settings loaded;
    EXPECT_TRUE(SettingsStore(path).Load(PayeSettingsFields(), loaded).message.empty());
}

}  // namespace
