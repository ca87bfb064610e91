#include "TaxWorking.h"

#include "MedicalCredits.h"
#include "NumberFormat.h"
#include "TaxScale.h"
#include "TaxYear.h"

namespace kelvara {

namespace {

std::string WholeRand(double amount) { return FormatNumber(amount, 0); }

std::string RowText(const TaxResult& r) {
    if (r.BracketUpper >= TaxScale.back().Upper) return "Tax table: above " + WholeRand(r.BracketLower);
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
    if (age >= TaxYear::TertiaryRebateAge) {
        which = "primary, secondary and tertiary";
    } else if (age >= TaxYear::SecondaryRebateAge) {
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
    return "R" + std::to_string(MedicalCredits::FirstMembersCredit) + " a month for each of the first two members, R" +
           std::to_string(MedicalCredits::FurtherMemberCredit) + " for each further member";
}

std::string AdditionalCreditText(std::int16_t age) {
    if (age < MedicalCredits::AdditionalCreditAge) return "Additional medical credit: none below age 65";
    return "Additional medical credit (from age 65): " + Figure(MedicalCredits::AdditionalCreditRate * 100) +
           "% of the medical-aid contributions above three times the credit";
}

}  // namespace kelvara
