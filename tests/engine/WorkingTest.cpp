#include <gtest/gtest.h>

#include "Working.h"
#include "WorkingRecorder.h"

namespace kelvara {
namespace {

TEST(Working, AmountsShowAsTheWindowsShowThem) {
    using enum WorkingUnit;
    const std::tuple<double, WorkingUnit, const char*> cases[] = {{5649.484, Money, "5 649.48"},
                                                                  {18224.025, Money, "18 224.03"},
                                                                  {-299.95, Money, "-299.95"},
                                                                  {0.5, WholeRand, "0"},
                                                                  {1.5, WholeRand, "2"},
                                                                  {31, Count, "31"},
                                                                  {27.5, Percent, "27.5%"},
                                                                  {23.25, PercentOneDecimal, "23.2%"},
                                                                  {12, None, ""}};
    for (auto [amount, unit, text] : cases) {
        Working working;
        working.Step("x", amount, unit);
        EXPECT_EQ(AmountText(working.Lines()[0]), text) << amount;
    }
}

// The same steps, recorded into an account or into none: without an account
// no words are built and nothing is handed on.
void RecordSteps(WorkingRecorder working, int& wordsBuilt) {
    const auto words = [&] {
        ++wordsBuilt;
        return std::string("Built");
    };
    working.Heading("Heading");
    working.Step(words, 1);
    working.Detail(words, 2, WorkingUnit::Count);
    working.Note(words);
    working.Result(words, 3, "Figure");
    working.Explain([&](Working& into) { into.Note("Explained"); });
}

TEST(WorkingRecorder, RecordsOnlyIntoAnAccountAskedFor) {
    int wordsBuilt = 0;
    RecordSteps(nullptr, wordsBuilt);
    EXPECT_EQ(wordsBuilt, 0);

    Working working;
    RecordSteps(&working, wordsBuilt);
    EXPECT_EQ(wordsBuilt, 4);
    ASSERT_EQ(working.Lines().size(), 6U);
    EXPECT_TRUE(working.Lines()[0].IsHeading());
    EXPECT_EQ(std::tuple(working.Lines()[2].Depth, working.Lines()[2].Unit), std::tuple(2, WorkingUnit::Count));
    ASSERT_NE(working.Find("Figure"), nullptr);
    EXPECT_EQ(working.Find("Figure")->Amount, 3);
    EXPECT_EQ(working.Lines()[5].Text, "Explained");
}

TEST(Working, FindGivesTheLastLineOfAFigure) {
    Working working;
    working.Result("with the bonus", 1, "Tax");
    working.Step("between", 2);
    working.Result("without the bonus", 3, "Tax");
    ASSERT_NE(working.Find("Tax"), nullptr);
    EXPECT_EQ(working.Find("Tax")->Amount, 3);
    EXPECT_EQ(working.Find("Rebate"), nullptr);
}

TEST(Working, TextAlignsAmountsAndWrapsLongStepsBetweenWords) {
    Working working;
    working.Heading("Monthly PAYE");
    working.Step("Days × 31 ÷ 15", 31, WorkingUnit::Count);
    working.Step(
        "Remuneration: salary, commission, bonus, taxable travel allowance and the employer's 27 585.00 "
        "medical-aid and fund contributions",
        25000);
    working.Note("A note has no amount");
    const std::string text = WorkingText(working);
    EXPECT_EQ(text,
              "Monthly PAYE\n"
              "  Days × 31 ÷ 15                                                                31\n"
              "  Remuneration: salary, commission, bonus, taxable travel\n"
              "    allowance and the employer's 27 585.00 medical-aid and fund\n"
              "    contributions                                                        25 000.00\n"
              "  A note has no amount\n");
}

// A word that cannot be broken runs past the amount column; its amount
// follows after one space instead of the padding running out of range.
TEST(Working, AWordLongerThanTheLineStillEndsWithItsAmount) {
    Working working;
    working.Step(std::string(70, 'x'), 12);
    EXPECT_EQ(WorkingText(working), "  " + std::string(70, 'x') + " " + std::string(11, ' ') + "12.00\n");
}

TEST(Working, FiguresAreWrittenBriefly) {
    EXPECT_EQ(std::tuple(Figure(31), Figure(27.5), Figure(0.333 * 100), Figure(-0.0)),
              std::tuple("31", "27.5", "33.3", "0"));
    EXPECT_EQ(Rand(430000), "430 000.00");
}

}  // namespace
}  // namespace kelvara
