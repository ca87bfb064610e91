#include <benchmark/benchmark.h>

#include <sstream>

#include "CsvPayeBatch.h"
#include "PayPeriod.h"

namespace {

using kelvara::PayPeriodKind;

kelvara::Settings DeliveredSettings() {
    kelvara::Settings s;
    s.EmployeeUIF = s.EmployerUIF = s.SkillLevy = 1;
    s.UIFLimit = 17712;
    s.TAIncRate8020 = 0.8;
    return s;
}

kelvara::PayPeriodInputs ExampleInputs(PayPeriodKind kind) {
    kelvara::PayPeriodInputs in = kelvara::DefaultInputs(kind);
    in.Age = 40;
    in.Salary = kind == PayPeriodKind::Annual ? 300000 : 6000;
    in.Bonus = 1000;
    in.TravelAllowance = 500;
    in.EmployeeFundCont = 300;
    in.EmployeeMedAidCont = 400;
    in.Members = 3;
    in.MonthMembers.fill(3);
    return in;
}

void BM_Calculate(benchmark::State& state, PayPeriodKind kind) {
    const kelvara::PayPeriodInputs in = ExampleInputs(kind);
    const kelvara::Settings settings = DeliveredSettings();
    kelvara::EngineState engine;
    for (auto _ : state) benchmark::DoNotOptimize(kelvara::Calculate(kind, engine, in, settings));
}
BENCHMARK_CAPTURE(BM_Calculate, annual, PayPeriodKind::Annual);
BENCHMARK_CAPTURE(BM_Calculate, monthly, PayPeriodKind::Monthly);
BENCHMARK_CAPTURE(BM_Calculate, fortnightly, PayPeriodKind::Fortnightly);
BENCHMARK_CAPTURE(BM_Calculate, weekly, PayPeriodKind::Weekly);
BENCHMARK_CAPTURE(BM_Calculate, daily, PayPeriodKind::Daily);

// The same monthly calculation with its working recorded, as "Show working"
// and --explain ask for it; without an account the calculation records nothing.
void BM_CalculateWithWorking(benchmark::State& state) {
    const kelvara::PayPeriodInputs in = ExampleInputs(PayPeriodKind::Monthly);
    const kelvara::Settings settings = DeliveredSettings();
    kelvara::EngineState engine;
    for (auto _ : state) {
        kelvara::Working working;
        benchmark::DoNotOptimize(kelvara::Calculate(PayPeriodKind::Monthly, engine, in, settings, &working));
    }
}
BENCHMARK(BM_CalculateWithWorking);

// A monthly payroll of 10 000 payslips checked in one batch.
void BM_MonthlyPayrollCsv(benchmark::State& state) {
    constexpr int Rows = 10000;
    std::ostringstream csv;
    csv << "age,salary,bonus,travel-allowance,employee-fund-cont,employee-med-aid-cont,members,end-date,payslip-paye\n";
    for (int i = 0; i < Rows; ++i) {
        csv << 20 + i % 60 << ',' << 8000 + i * 7 % 90000 << ',' << (i % 12 == 0 ? 5000 : 0) << ','
            << (i % 5 == 0 ? 3000 : 0) << ',' << i % 2000 << ',' << (i % 3 ? 1500 : 0) << ',' << i % 5 << ','
            << (i % 10 == 0 ? "15/03/2026" : "") << ',' << 1000 + i % 4000 << '\n';
    }
    const std::string text = csv.str();
    const kelvara::cli::PayeRow base{kelvara::DefaultInputs(PayPeriodKind::Monthly), DeliveredSettings()};
    for (auto _ : state) {
        std::istringstream in(text);
        std::ostringstream out, err;
        benchmark::DoNotOptimize(kelvara::cli::RunPayeBatch(PayPeriodKind::Monthly, base, in, out, err));
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_MonthlyPayrollCsv)->Unit(benchmark::kMillisecond);

}  // namespace
