// kelvara-calc reads the user's settings database but never repairs it: a
// database it cannot use, or a value it cannot use, gives one warning line and
// the delivered value, and the file stays as it was for the desktop program.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "DeliveredDatabase.h"
#include "SettingsFaults.h"
#include "TempFolder.h"

namespace kelvara::testing {
namespace {

using Path = std::filesystem::path;

struct StoredSettingsCase {
    const char* Name;
    std::function<void(const Path&)> Harm;
    double Uif;          // the employee UIF of a monthly salary of 30000
    const char* Warned;  // in the one warning line, "" for no warning
};

void StoreSetting(const Path& database, const std::string& assignment) {
    ASSERT_TRUE(RunSqlOn(database,
                         "CREATE TABLE Copy AS SELECT * FROM Setup; DROP TABLE Setup;"
                         "ALTER TABLE Copy RENAME TO Setup; UPDATE Setup SET " +
                             assignment));
}

const StoredSettingsCase kCases[] = {
    {"whole", [](const Path&) {}, 177.12, ""},
    {"the user's own", [](const Path& p) { StoreSetting(p, "EmployeeUIF = 2"); }, 354.24, ""},
    {"save cut short", [](const Path& p) { ASSERT_TRUE(InterruptSaveAfter(p, 2)); }, 354.24, ""},
    {"missing", [](const Path& p) { std::filesystem::remove(p); }, 177.12, ""},
    {"garbage", [](const Path& p) { std::ofstream(p) << std::string(5000, 'x'); }, 177.12,
     "cannot be read as a database"},
    {"a folder", [](const Path& p) { std::filesystem::remove(p), std::filesystem::create_directory(p); }, 177.12,
     "it is a folder, not a file"},
    {"huge", [](const Path& p) { StoreSetting(p, "EmployeeUIF = 1e308"); }, 177.12, "\"EmployeeUIF\" (1e+308)"},
    {"negative", [](const Path& p) { StoreSetting(p, "EmployeeUIF = -50"); }, 177.12, "\"EmployeeUIF\" (-50)"},
    {"no limit", [](const Path& p) { StoreSetting(p, "UIFLimit = NULL"); }, 177.12, "\"UIFLimit\" (empty)"},
    {"text", [](const Path& p) { StoreSetting(p, "EmployeeUIF = 'two'"); }, 177.12, "\"EmployeeUIF\" ('two')"},
};

TEST(CliSettings, TheUsersDatabaseIsReadNeverRepaired) {
    for (const StoredSettingsCase& c : kCases) {
        TempFolder folder;
        const Path database = folder / "Settings.db";
        ASSERT_TRUE(CreateDeliveredDatabase(database, DeliveredDatabase::Settings).ok);
        c.Harm(database);
        const bool isFile = std::filesystem::is_regular_file(database);
        const std::string before = isFile ? ReadAll(database) : "";

        const CliRun run = RunCliFrom(folder.path(), "paye monthly --salary 30000");

        EXPECT_EQ(run.ExitCode, 0) << c.Name << ": " << run.Err;
        EXPECT_DOUBLE_EQ(nlohmann::json::parse(run.Out)["UIFEmployee"].get<double>(), c.Uif) << c.Name;
        if (*c.Warned) {
            EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << c.Name << ": " << run.Err;
            for (const std::string& said : {std::string(c.Warned), database.string(), std::string("delivered")})
                EXPECT_NE(run.Err.find(said), std::string::npos) << c.Name << ": " << run.Err;
        } else {
            EXPECT_EQ(run.Err, "") << c.Name;
        }
        EXPECT_EQ(std::filesystem::is_regular_file(database), isFile || std::string(c.Name) == "missing") << c.Name;
        if (isFile && std::string(c.Name) != "save cut short") {
            EXPECT_EQ(ReadAll(database), before) << c.Name;
        }
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            EXPECT_EQ(entry.path().string().find(".damaged-"), std::string::npos) << c.Name;
    }
}

}  // namespace
}  // namespace kelvara::testing
