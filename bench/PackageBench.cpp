#include <benchmark/benchmark.h>

#include "NetToGross.h"
#include "OneRandSearch.h"

namespace {

using namespace kelvara;

// The worked settings: 1% UIF each side, 1% levy, a R17 712 UIF limit.
NetToGrossBasis Basis(double required, PackagePeriod period, double employeeFundPercent = 0) {
    Settings s;
    s.PensionCont = employeeFundPercent;
    s.EmployeeUIF = 1;
    s.EmployerUIF = 1;
    s.SkillLevy = 1;
    s.UIFLimit = 17712;
    s.TAIncRate8020 = 0.8;
    s.CompCarFBRate8020 = 0.8;
    PackageInputs in;
    in.Required = required;
    in.Age = 40;
    return PrepareNetToGross(in, s, period);
}

void BM_FindGross(benchmark::State& state, double required, PackagePeriod period) {
    const NetToGrossBasis basis = Basis(required, period);
    for (auto _ : state) benchmark::DoNotOptimize(FindGross(basis));
}

// Settings that leave the net under a cent a rand: the search that allows
// for a net that falls below the UIF ceiling.
void BM_FindGrossHeavySettings(benchmark::State& state, double required, double employeeFundPercent) {
    const NetToGrossBasis basis = Basis(required, PackagePeriod::Annual, employeeFundPercent);
    for (auto _ : state) benchmark::DoNotOptimize(FindGross(basis));
}

void BM_OneRandSearch(benchmark::State& state, double required, PackagePeriod period) {
    const NetToGrossBasis basis = Basis(required, period);
    for (auto _ : state) benchmark::DoNotOptimize(testing::OneRandSearch(basis, LargestSearch));
}

BENCHMARK_CAPTURE(BM_FindGross, annual_1000000, 1000000.0, PackagePeriod::Annual);
BENCHMARK_CAPTURE(BM_OneRandSearch, annual_1000000, 1000000.0, PackagePeriod::Annual)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindGross, monthly_50000, 50000.0, PackagePeriod::Monthly);
BENCHMARK_CAPTURE(BM_OneRandSearch, monthly_50000, 50000.0, PackagePeriod::Monthly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindGross, annual_largest_reachable, 50000000.0, PackagePeriod::Annual);
BENCHMARK_CAPTURE(BM_FindGrossHeavySettings, annual_97_percent_to_the_fund, 150000.0, 97.0);

}  // namespace
