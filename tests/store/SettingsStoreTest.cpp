#include <gtest/gtest.h>
#include <sqlite3.h>

#include "DeliveredDatabase.h"
#include "SettingsStore.h"
#include "TempFolder.h"

using namespace kelvara;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreateDeliveredDatabase(path, DeliveredDatabase::Settings).ok); }

    Settings LoadAll() {
        Settings settings;
        EXPECT_TRUE(SettingsStore(path).Load(PackageSettingsFields(), settings).ok);
        return settings;
    }

    TempFolder folder;
    std::filesystem::path path = folder / "Settings.db";
};

TEST_F(SettingsStoreTest, DeliveredRecordHoldsTheShippedValues) {
    const Settings s = LoadAll();
    EXPECT_EQ((std::vector{s.PensionCont, s.EmployerPenCont, s.EmployeeUIF, s.EmployerUIF, s.SkillLevy, s.ProvCont,
                           s.EmployerProvCont, s.UIFLimit, s.TAIncRate8020, s.CompCarFBRate8020}),
              (std::vector<double>{0, 0, 1, 1, 1, 0, 0, 17712, 0.8, 0.8}));
    EXPECT_FALSE(s.CompCarMPYesNo);
}

TEST_F(SettingsStoreTest, PayeSaveWritesOnlyItsOwnFields) {
    Settings package = LoadAll();
    package.PensionCont = 7.5;
    package.CompCarMPYesNo = true;
    ASSERT_TRUE(SettingsStore(path).Save(PackageSettingsFields(), package).ok);

    // A weekly calculator read its fields only; its other members are junk
    // that must not reach the database.
    Settings weekly;
    weekly.PensionCont = 99;
    weekly.CompCarMPYesNo = false;
    ASSERT_TRUE(SettingsStore(path).Load(PayeSettingsFields(), weekly).ok);
    EXPECT_EQ(weekly.PensionCont, 99) << "load must not touch fields the calculator does not use";
    weekly.EmployeeUIF = 1.5;
    ASSERT_TRUE(SettingsStore(path).Save(PayeSettingsFields(), weekly).ok);

    Settings after = LoadAll();
    EXPECT_EQ(after.EmployeeUIF, 1.5);
    EXPECT_EQ(after.PensionCont, 7.5);
    EXPECT_TRUE(after.CompCarMPYesNo);
    EXPECT_EQ(after.UIFLimit, 17712);
}

TEST_F(SettingsStoreTest, OddRatesAreKeptAsStored) {
    Settings s = LoadAll();
    s.TAIncRate8020 = 0.5;
    ASSERT_TRUE(SettingsStore(path).Save(PackageSettingsFields(), s).ok);
    EXPECT_EQ(LoadAll().TAIncRate8020, 0.5);
}

TEST_F(SettingsStoreTest, LockedDatabaseGivesAnErrorAndChangesNothing) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    Settings s;
    s.EmployeeUIF = 3;
    StoreStatus saved = SettingsStore(path).Save(PayeSettingsFields(), s);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.message.find(path.string()), std::string::npos) << saved.message;
    EXPECT_EQ(LoadAll().EmployeeUIF, 1);
}

TEST_F(SettingsStoreTest, ReadOnlyDatabaseGivesAnErrorAndChangesNothing) {
    if (geteuid() == 0) GTEST_SKIP() << "file permissions do not bind root";
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    Settings s = LoadAll();
    s.SkillLevy = 2;
    StoreStatus saved = SettingsStore(path).Save(PayeSettingsFields(), s);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.message.find("could not be saved"), std::string::npos) << saved.message;
    EXPECT_EQ(LoadAll().SkillLevy, 1);
}

TEST_F(SettingsStoreTest, UnreadableSettingsFallBackToDeliveredValues) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "UPDATE Setup SET UIFLimit = 20000; BEGIN EXCLUSIVE", nullptr, nullptr, nullptr),
              SQLITE_OK);

    Settings s;
    StoreStatus loaded = SettingsStore(path).Load(PayeSettingsFields(), s);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    EXPECT_FALSE(loaded.ok);
    EXPECT_NE(loaded.message.find("delivered with the program"), std::string::npos) << loaded.message;
    EXPECT_EQ(s.UIFLimit, 17712);
    EXPECT_EQ(s.EmployeeUIF, 1);
}

}  // namespace
