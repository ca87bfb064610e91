#include <benchmark/benchmark.h>

#include "TaxEngine.h"

namespace {

void BM_CalcAnnualTax(benchmark::State& state) {
    kelvara::EngineState engine;
    double income = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kelvara::CalcAnnualTax(engine, income));
        income = income > 2500000 ? 0 : income + 12345.67;
    }
}
BENCHMARK(BM_CalcAnnualTax);

}  // namespace
