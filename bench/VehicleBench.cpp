#include <benchmark/benchmark.h>

#include "CompanyCar.h"

using namespace kelvara;

namespace {

// The largest list the window holds, every vehicle with a price and distance,
// with the code 3802 total shared out by days of use (1) or typed per car (0).
void BM_CompanyCarLargestList(benchmark::State& run) {
    CompanyCarState state;
    InitCompanyCarState(state);
    state.Vehicles.resize(32768);
    for (std::size_t i = 1; i < state.Vehicles.size(); ++i) {
        CompanyCarVehicle& v = state.Vehicles[i];
        v.CCPrice = 300000 + static_cast<double>(i);
        v.EndMileage = 50000;
        v.StartMileage = 20000;
        v.BusDistance = 12000;
        v.BussMilage = true;
    }
    state.VehicleCount = 32767;
    state.CurrentVehicle = 1;
    state.AutoSplit3802 = run.range(0) == 1;
    state.Actual3802 = 126000;
    for (auto _ : run) {
        CalculateCompanyCar(state);
        benchmark::DoNotOptimize(state.TotalAdjustment);
    }
}

}  // namespace

BENCHMARK(BM_CompanyCarLargestList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
