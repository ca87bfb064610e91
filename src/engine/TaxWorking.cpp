#include "TaxWorking.h"

#include "MedicalCredits.h"
#include "NumberFormat.h"

namespace kelvara {

namespace {

std::string WholeRand(double amount) { return FormatNumber(amount, 0); }

// "three times"; a count that is no small whole number in figures.
std::string TimesText(double count) {
    static const char* const words[] = {"no", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"};
    const bool small = count >= 0 && count < 10 && count == static_cast<int>(count);
    return (small ? std::string(words[static_cast<int>(count)]) : Figure(count)) + " times";
}

std::string RowText(const TaxResult& r) {
    if (r.BracketUpper >= NoUpperLimit) return "Tax table: above " + WholeRand(r.BracketLower);
    if (r.BracketLower <= 0) return "Tax table: up to " + WholeRand(r.BracketUpper);
    return "Tax table: above " + WholeRand(r.BracketLower) + " up to " + WholeRand(r.BracketUpper);
}

}  // namespace

void ExplainAnnualTax(Working& working, std::string heading, double income, const TaxResult& r, WorkingUnit money,
                      bool shownFigures) {
    const auto figure = [&](std::string text, double amount, const char* key, WorkingUnit unit) {
        if (shownFigures) {
            working.Result(std::move(text), amount, key, unit);
        } else {
            working.Step(std::move(text), amount, unit);
        }
    };
    working.Heading(std::move(heading));
    figure("Annual taxable income", income, "TaxableIncome", money);
    figure(RowText(r) + ", marginal rate", r.MarginalRate, "MarginalRate", WorkingUnit::Percent);
    if (r.BracketLower > 0) {
        figure("Tax on the first " + WholeRand(r.BracketLower), r.BaseTax, "BaseTax", money);
        figure(Figure(r.MarginalRate) + "% of the " + Rand(income - r.BracketLower) + " above " +
                   WholeRand(r.BracketLower),
               r.Portion, "Portion", money);
    } else {
        figure("The lowest row has no base tax", r.BaseTax, "BaseTax", money);
        figure(Figure(r.MarginalRate) + "% of " + Rand(income), r.Portion, "Portion", money);
    }
    figure("Normal tax", r.Tax, "NormalTax", money);
}

void ExplainRebate(Working& working, std::int16_t age, double rebate, WorkingUnit money, bool shownFigure) {
    std::string which = "primary";
    const RebateFigures& rebates = ActiveTaxYear().Rebates;
    if (age >= rebates.TertiaryAge) {
        which = "primary, secondary and tertiary";
    } else if (age >= rebates.SecondaryAge) {
        which = "primary and secondary";
    }
    std::string text = "Rebate for age " + std::to_string(age) + " (" + which + ")";
    if (shownFigure) {
        working.Result(std::move(text), rebate, "Rebate", money);
    } else {
        working.Step(std::move(text), rebate, money);
    }
}

std::string MedicalCreditRatesText() {
    const MedicalCreditFigures& medical = ActiveTaxYear().Medical;
    return "R" + std::to_string(medical.FirstMembersCredit) + " a month for each of the first two members, R" +
           std::to_string(medical.FurtherMemberCredit) + " for each further member";
}

std::string AdditionalCreditText(std::int16_t age) {
    const MedicalCreditFigures& medical = ActiveTaxYear().Medical;
    const std::string from = std::to_string(medical.AdditionalCreditAge);
    if (age < medical.AdditionalCreditAge) return "Additional medical credit: none below age " + from;
    return "Additional medical credit (from age " + from + "): " + Figure(medical.AdditionalCreditRate * 100) +
           "% of the medical-aid contributions above " + TimesText(medical.CreditsDeducted) + " the credit";
}

}  // namespace kelvara
