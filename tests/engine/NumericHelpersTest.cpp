#include <gtest/gtest.h>

#include "DayNumber.h"
#include "NumberFormat.h"
#include "PeriodDates.h"
#include "Rounding.h"

namespace kelvara {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const std::tuple<double, int, double> cases[] = {{2.5, 0, 2},         {3.5, 0, 4},
                                                     {-2.5, 0, -2},       {0.125, 2, 0.12},
                                                     {0.135, 2, 0.14},    {0.285, 2, 0.28},
                                                     {1.005, 2, 1.0},     {23.2474, 1, 23.2},
                                                     {19.6834, 1, 19.7},  {8201.416666, 2, 8201.42},
                                                     {12345.5, 0, 12346}, {1e15 + 0.5, 0, 1e15},
                                                     {-0.5, 0, -0.0},     {-18224.025, 2, -18224.03},
                                                     {2.675, 2, 2.67}};
    for (auto [value, decimals, expected] : cases)
        EXPECT_DOUBLE_EQ(RoundHalfEven(value, decimals), expected) << value << " at " << decimals;
    EXPECT_DOUBLE_EQ(RoundHalfEven(242987 * 7.5 / 100, 2), 18224.03);  // a percentage of a whole amount
}

TEST(IntPart, TruncatesTowardsMinusInfinity) {
    EXPECT_EQ(std::tuple(IntPart(2.9), IntPart(-2.1), IntPart(-2.0)), std::tuple(2, -3, -2));
    EXPECT_DOUBLE_EQ(TruncateTo(12.349, 2), 12.34);
    EXPECT_DOUBLE_EQ(TruncateTo(-12.341, 2), -12.35);
    EXPECT_DOUBLE_EQ(TruncateTo(0.29, 2), 0.29);  // 0.29 × 100 is 28.999…, still 29 cents
}

TEST(ToInt16, RoundsHalfEvenAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(std::tuple(ToInt16(64.5), ToInt16(65.5), ToInt16(32767), ToInt16(-32768)),
              std::tuple(64, 66, 32767, -32768));
    for (double outside : {32768.0, -32769.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(ToInt16(outside).has_value()) << outside;
}

TEST(AsSingle, HoldsAValueInSinglePrecision) {
    EXPECT_EQ(AsSingle(0.1), static_cast<double>(0.1f));
    EXPECT_NE(AsSingle(0.1), 0.1);
    EXPECT_EQ(AsSingle(16777217), 16777216);
}

TEST(DayNumber, CountsFromTheLastDaysOf1899) {
    EXPECT_EQ(std::tuple(ToDayNumber({1899, 12, 30}), ToDayNumber({1900, 3, 1}), ToDayNumber({2026, 3, 1}),
                         ToDayNumber({2027, 2, 28})),
              std::tuple(0, 61, 46082, 46446));
    EXPECT_EQ(std::tuple(FormatDate(46082), FormatDate(0)), std::tuple("01/03/2026", "30/12/1899"));
    for (DayNumber day : {-700000L, 0L, 46082L, 46446L, 2958465L}) EXPECT_EQ(ToDayNumber(FromDayNumber(day)), day);
}

TEST(ParseDate, ReadsBothFormsAndRefusesDatesThatDoNotExist) {
    for (const char* good : {"01/03/2026", "1/3/2026", "2026-03-01"}) EXPECT_EQ(ParseDate(good), 46082) << good;
    EXPECT_EQ(ParseDate("29/02/2024"), ToDayNumber({2024, 2, 29}));
    for (const char* bad : {"", "29/02/2026", "31/04/2026", "00/01/2026", "01/13/2026", "1/3/26", "01-03-2026",
                            "2026/03/01", "01/03/2026x", "ab/cd/efgh", "__/__/____", "26-3-1"})
        EXPECT_FALSE(ParseDate(bad).has_value()) << bad;
}

TEST(FormatPattern, ShowsTheWindowsPatterns) {
    const std::tuple<double, const char*, const char*> cases[] = {
        {1, "00", "01"},
        {0, "000", "000"},
        {7, "000", "007"},
        {0, "##", ""},
        {42, "##", "42"},
        {1234567.891, "# ### ### ##0.00", "1 234 567.89"},
        {0, "# ### ### ##0.00", "0.00"},
        {0.5, "# ### ### ###.00", ".50"},
        {1234.5, "### ### ##0.00", "1 234.50"},
        {1234.5, "# ### ### ##0.00 ", "1 234.50 "},
        {-1234.5, "# ### ### ##0.00", "-1 234.50"},
        {-0.001, "# ### ### ##0.00", "0.00"},
        {0.125, "# ### ### ##0.00", "0.12"},
        {999999.995, "# ### ### ##0.00", "999 999.99"},  // held as 999999.99499999999
        {999999.996, "# ### ### ##0.00", "1 000 000.00"}};
    for (auto [value, pattern, shown] : cases)
        EXPECT_EQ(FormatPattern(value, pattern), shown) << value << " as '" << pattern << "'";
}

TEST(FormatNumber, GroupsWholeRandAndDecimals) {
    EXPECT_EQ(std::tuple(FormatNumber(116237, 0), FormatNumber(23.2474, 1), FormatNumber(-180, 2), FormatNumber(999, 0),
                         FormatNumber(1000, 0)),
              std::tuple("116 237", "23.2", "-180.00", "999", "1 000"));
}

TEST(LeadingNumber, ReadsTheLeadingNumberIgnoringSpaces) {
    const std::pair<const char*, double> cases[] = {
        {"", 0},          {"   ", 0},  {"abc", 0},  {"1 234.50", 1234.5}, {"1 234.50abc", 1234.5},
        {"-12.5", -12.5}, {".5", 0.5}, {"12.", 12}, {"7 %", 7},           {"1.2.3", 1.2},
        {"-", 0}};
    for (auto [text, value] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << "'" << text << "'";
}

TEST(PeriodDates, BoundsFollowTheOtherDateAndMessagesNameThem) {
    EXPECT_EQ(std::tuple(PeriodDates::StartFieldBounds(46200).Lower, PeriodDates::StartFieldBounds(46200).Upper),
              std::tuple(46082, 46200));
    EXPECT_EQ(std::tuple(PeriodDates::EndFieldBounds(46174).Lower, PeriodDates::EndFieldBounds(46174).Upper),
              std::tuple(46174, 46446));
    EXPECT_EQ(PeriodDates::StartDateMessage(),
              "The date entered is not correct please enter a date between 01/03/2026 and 28/02/2027");
    EXPECT_EQ(PeriodDates::EndDateMessage("01/06/2026"),
              "The date entered is not correct please enter a date between 01/06/2026 and 28/02/2027");
    EXPECT_EQ(PeriodDates::CompanyCarDatesMessage(),
              "The dates entered are not correct please enter a dates between 01/03/2026 and 28/02/2027");
}

}  // namespace
}  // namespace kelvara
