#include <gtest/gtest.h>

#include "DeliveredDatabase.h"
#include "ReportOutput.h"
#include "TempFolder.h"

using namespace kelvara;

namespace {

class ReportOutputTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreateDeliveredDatabase(path, DeliveredDatabase::Reports).ok); }

    bool Write(const std::string& table, const FieldValues& record) {
        return output.WriteReportRecord(table, record).ok;
    }
    StoreStatus Replace(const std::string& table, const std::string& emptying, const std::vector<FieldValues>& rows) {
        return output.ReplaceReportRows(table, emptying, rows);
    }
    std::vector<FieldValues> Rows(const std::string& table) {
        std::vector<FieldValues> rows;
        EXPECT_TRUE(output.ReadReportRows(table, rows).ok);
        return rows;
    }

    template <class T>
    static T Field(const FieldValues& row, const std::string& name) {
        for (const auto& [field, value] : row)
            if (field == name) return std::get<T>(value);
        throw std::out_of_range(name);
    }

    TempFolder folder;
    std::filesystem::path path = folder / "Crysprin.db";
    ReportOutput output{path};
};

TEST_F(ReportOutputTest, PrintingTwiceOverwritesTheOneRecord) {
    ASSERT_TRUE(Write("kwiktax", {{"AGE", std::int16_t{40}}, {"TAXINCOME", 500000.0}, {"TAXCOM4/2", 98417.0 / 12}}));
    ASSERT_TRUE(Write("kwiktax", {{"TAXINCOME", 150000.0}, {"AGE", std::int16_t{65}}}));

    auto rows = Rows("kwiktax");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Field<std::int32_t>(rows[0], "AGE"), 65);
    EXPECT_EQ(Field<double>(rows[0], "TAXINCOME"), 150000.0);
    EXPECT_DOUBLE_EQ(Field<double>(rows[0], "TAXCOM4/2"), 8201.416666666666)
        << "a field the second print did not write keeps the first print's value";
}

TEST_F(ReportOutputTest, ValuesKeepTheirKinds) {
    ASSERT_TRUE(
        Write("DailyBal", {{"CapAmount", 1000.25f}, {"StartDate", std::int32_t{46082}}, {"ANS2", std::int32_t{364}}}));
    ASSERT_TRUE(Write("IRP5Mon",
                      {{"SDateNum", std::string("01/03/2026")}, {"Employee", std::string(" For : O'Brien \"Jr\"")}}));
    auto daily = Rows("DailyBal")[0];
    EXPECT_EQ(Field<double>(daily, "CapAmount"), 1000.25);
    EXPECT_EQ(Field<std::int32_t>(daily, "StartDate"), 46082);
    auto monthly = Rows("IRP5Mon")[0];
    EXPECT_EQ(Field<std::string>(monthly, "SDateNum"), "01/03/2026");
    EXPECT_EQ(Field<std::string>(monthly, "Employee"), " For : O'Brien \"Jr\"");
}

TEST_F(ReportOutputTest, ReplaceLeavesExactlyTheRowsGiven) {
    auto car = [](std::int16_t number, std::int16_t count, const char* reg) {
        return FieldValues{{"CarNum", number}, {"CMVMaxNum", count}, {"CCRegNumber", std::string(reg)}};
    };
    const char* emptying = "DELETE *FROM compcar";
    ASSERT_TRUE(
        Replace("compcar", emptying, {car(1, 5, "A"), car(2, 5, "B"), car(3, 5, "C"), car(4, 5, "D"), car(5, 5, "E")})
            .ok);
    ASSERT_TRUE(Replace("compcar", emptying, {car(1, 3, "X"), car(2, 3, "Y"), car(3, 3, "Z")}).ok);

    auto rows = Rows("compcar");
    ASSERT_EQ(rows.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Field<std::int32_t>(rows[i], "CarNum"), i + 1);
        EXPECT_EQ(Field<std::int32_t>(rows[i], "CMVMaxNum"), 3);
        EXPECT_EQ(Field<std::string>(rows[i], "CCRegNumber"), std::string(1, char('X' + i)));
    }
}

TEST_F(ReportOutputTest, EmptyingStatementsAreReadForTheirTable) {
    struct Case {
        const char* table;
        const char* statement;
        bool accepted;
    };
    const Case cases[] = {
        {"Amort", "DELETE * FROM Amort ", true}, {"compcar", "DELETE *FROM compcar", true},
        {"Amort", "delete from amort;", true},   {"Amort", "DELETE * FROM compcar", false},
        {"Amort", "DROP TABLE Amort", false},    {"Amort", "DELETE * FROM Amort; DROP TABLE Loans", false},
    };
    for (const Case& c : cases) {
        StoreStatus status = Replace(c.table, c.statement, {});
        EXPECT_EQ(status.ok, c.accepted) << c.statement << ": " << status.message;
    }
    EXPECT_EQ(Rows("Loans").size(), 1u);
}

TEST_F(ReportOutputTest, AFailedWriteChangesNothing) {
    const char* emptying = "DELETE * FROM Amort ";
    ASSERT_TRUE(Replace("Amort", emptying, {{{"Year", std::int32_t{1}}, {"Capital", 10.0}}}).ok);
    // The second row names a field the table lacks: the whole replacement fails.
    StoreStatus status =
        Replace("Amort", emptying, {{{"Year", std::int32_t{1}}}, {{"Year", std::int32_t{2}}, {"Capitel", 1.0}}});
    EXPECT_FALSE(status.ok);
    EXPECT_NE(status.message.find("Amort"), std::string::npos) << status.message;
    auto rows = Rows("Amort");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Field<double>(rows[0], "Capital"), 10.0);

    EXPECT_FALSE(Write("kwiktax", {{"AGE", std::int16_t{30}}, {"NOSUCH", 1.0}}));
    EXPECT_EQ(Field<std::int32_t>(Rows("kwiktax")[0], "AGE"), 0);
}

}  // namespace
