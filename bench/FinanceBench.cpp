#include <benchmark/benchmark.h>

#include "Amortisation.h"
#include "DailyBalance.h"
#include "Inflation.h"
#include "Loan.h"
#include "LoanBuster.h"
#include "LoanComparison.h"

namespace kelvara {
namespace {

LoanState Loan(const char* mode, double period, double rate, double repayment) {
    LoanState loan;
    loan.LoanMode = mode;
    loan.Principal = 100000;
    loan.PeriodMonths = period;
    loan.AnnualRate = rate;
    loan.Repayment = repayment;
    return loan;
}

// One "Calculate" of the loan calculator in each mode; the period search
// raises the repayment by some 3 600 cents.
void BM_LoanCalc(benchmark::State& state) {
    const LoanState loans[] = {Loan("Monthly repayment", 60, 10, 0), Loan("Principal amount", 60, 10, 2124.70),
                               Loan("Repayment period", 0, 10, 2500), Loan("Interest rate", 60, 0, 2200)};
    const LoanState& input = loans[state.range(0)];
    for (auto _ : state) {
        LoanState loan = input;
        benchmark::DoNotOptimize(LoanCalc(loan));
    }
}
BENCHMARK(BM_LoanCalc)->DenseRange(0, 3);

void BM_AnnualSchedule360(benchmark::State& state) {
    LoanState loan = Loan("Monthly repayment", 360, 10.5, 0);
    RPAYMENT(loan);
    for (auto _ : state) {
        CalcAnnAmort(loan);
        benchmark::DoNotOptimize(loan.YearCapital.data());
    }
}
BENCHMARK(BM_AnnualSchedule360);

void BM_MonthlySchedule360(benchmark::State& state) {
    LoanState loan = Loan("Monthly repayment", 360, 10.5, 0);
    RPAYMENT(loan);
    for (auto _ : state) {
        MonthlySchedule(loan);
        benchmark::DoNotOptimize(loan.MonthBalance.data());
    }
}
BENCHMARK(BM_MonthlySchedule360);

void BM_BBCalc(benchmark::State& state) {
    for (auto _ : state) {
        LoanBusterState buster{500000, 10.5f, 1000};
        LoanBusterResult result;
        BBCalc(buster, 240, result);
        benchmark::DoNotOptimize(result.TotalSaving);
    }
}
BENCHMARK(BM_BBCalc);

void BM_Compare(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Compare({500000, 10.5f}));
}
BENCHMARK(BM_Compare);

void BM_ProjectInflation(benchmark::State& state) {
    for (auto _ : state) {
        InflationState inflation{100000, 40, 6, 0, 0};
        ProjectInflation(inflation);
        benchmark::DoNotOptimize(inflation.InflFutureValue);
    }
}
BENCHMARK(BM_ProjectInflation);

void BM_DailyBalance(benchmark::State& state) {
    const DailyBalanceState balance{100000, 10, 46082, 46113, 0.25};
    for (auto _ : state) benchmark::DoNotOptimize(CalculateDailyBalance(balance));
}
BENCHMARK(BM_DailyBalance);

}  // namespace
}  // namespace kelvara
