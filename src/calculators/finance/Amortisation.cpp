#include "Amortisation.h"

#include <cmath>

#include "Annuity.h"

namespace kelvara {

namespace {

int Months(const LoanState& loan) { return static_cast<int>(loan.PeriodMonths); }

bool HasLoan(const LoanState& loan) { return loan.Principal != 0 && loan.AnnualRate != 0 && loan.Repayment != 0; }

}  // namespace

bool CanShowMonthlySchedule(const LoanState& loan) { return HasLoan(loan) && loan.PeriodMonths != 0; }

bool CanShowAnnualSchedule(const LoanState& loan) { return HasLoan(loan) && loan.PeriodMonths >= 13; }

void MonthlySchedule(LoanState& loan) {
    const int n = Months(loan);
    const double i = Annuity::MonthlyRate(loan.AnnualRate);
    const double repayment = Annuity::Repayment(loan.Principal, i, n);
    loan.MonthCapital.assign(n + 1, 0);
    loan.MonthInterest.assign(n + 1, 0);
    loan.MonthBalance.assign(n + 1, 0);
    loan.MonthBalance[0] = loan.Principal;
    for (int m = 1; m <= n; ++m) {
        const double capital = repayment * std::pow(1 + i, -(n + 1 - m));
        loan.MonthCapital[m] = capital;
        loan.MonthInterest[m] = repayment - capital;
        loan.MonthBalance[m] = std::fabs(loan.MonthBalance[m - 1] - capital);
    }
}

void CalcAnnAmort(LoanState& loan) {
    MonthlySchedule(loan);
    const int n = Months(loan);
    const int wholeYears = n / 12;
    const int rows = n % 12 == 0 ? wholeYears : wholeYears + 1;
    loan.WholeYears = static_cast<std::int16_t>(wholeYears);
    loan.YearCapital.assign(rows + 1, 0);
    loan.YearInterest.assign(rows + 1, 0);
    double capitalTotal = 0;
    double interestTotal = 0;
    for (int y = 1; y <= wholeYears; ++y) {
        for (int m = 12 * y - 11; m <= 12 * y; ++m) {
            loan.YearCapital[y] += loan.MonthCapital[m];
            loan.YearInterest[y] += loan.MonthInterest[m];
        }
        loan.MonthBalance[y] = loan.MonthBalance[12 * y];
        capitalTotal += loan.YearCapital[y];
        interestTotal += loan.YearInterest[y];
    }
    loan.ScheduleYears = static_cast<std::int16_t>(rows);
    if (rows == wholeYears) {
        loan.ScheduleKind = 1;
        return;
    }
    loan.ScheduleKind = 2;
    loan.YearCapital[rows] = loan.Principal - capitalTotal;
    loan.YearInterest[rows] = TotalInterest(loan) - interestTotal;
    loan.MonthBalance[rows] = 0;
}

std::vector<ScheduleRow> MonthlyRows(const LoanState& loan) {
    std::vector<ScheduleRow> rows;
    for (std::size_t m = 1; m < loan.MonthCapital.size(); ++m) {
        rows.push_back(
            {static_cast<std::int32_t>(m), loan.MonthCapital[m], loan.MonthInterest[m], loan.MonthBalance[m]});
    }
    return rows;
}

std::vector<ScheduleRow> AnnualRows(const LoanState& loan) {
    std::vector<ScheduleRow> rows;
    for (std::size_t y = 1; y < loan.YearCapital.size(); ++y) {
        rows.push_back({static_cast<std::int32_t>(y), loan.YearCapital[y], loan.YearInterest[y], loan.MonthBalance[y]});
    }
    return rows;
}

}  // namespace kelvara
