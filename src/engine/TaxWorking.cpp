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

void ExplainAnnualTax(Working& working, std::string heading, double income, const TaxResult& r, WorkingUnit money) {
    working.Heading(std::move(heading));
    working.Result("Annual taxable income", income, "TaxableIncome", money);
    working.Result(RowText(r) + ", marginal rate", r.MarginalRate, "MarginalRate", WorkingUnit::Percent);
    if (r.BracketLower > 0) {
        working.Result("Tax on the first " + WholeRand(r.BracketLower), r.BaseTax, "BaseTax", money);
        working.Result(Figure(r.MarginalRate) + "% of the " + Rand(income - r.BracketLower) + " above " +
                           WholeRand(r.BracketLower),
                       r.Portion, "Portion", money);
    } else {
        working.Result("The lowest row has no base tax", r.BaseTax, "BaseTax", money);
        working.Result(Figure(r.MarginalRate) + "% of " + Rand(income), r.Portion, "Portion", money);
    }
    working.Result("Normal tax", r.Tax, "NormalTax", money);
}

void ExplainRebate(Working& working, std::int16_t age, double rebate, WorkingUnit money) {
    std::string which = "primary";
    if (age >= TaxYear::TertiaryRebateAge) {
        which = "primary, secondary and tertiary";
    } else if (age >= TaxYear::SecondaryRebateAge) {
        which = "primary and secondary";
    }
    working.Result("Rebate for age " + std::to_string(age) + " (" + which + ")", rebate, "Rebate", money);
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
