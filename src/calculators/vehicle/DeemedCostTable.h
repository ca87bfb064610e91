#pragma once
#include <array>

namespace kelvara {

// The deemed costs of running a vehicle in the tax year, by its value.
struct DeemedCostRow {
    double FixedCost;         // rand per year
    double FuelPerKm;         // rand per km
    double MaintenancePerKm;  // rand per km
};

struct DeemedCostBand {
    double UpTo;  // the vehicle value that still belongs to the band
    DeemedCostRow Costs;
};

// The bands in order; the last one takes every value above 920000 and costs it
// as a vehicle worth 920000. The first also takes 0 and below.
inline constexpr std::array<DeemedCostBand, 9> DeemedCostTable{{
    {115000, {38344, 1.329, 0.491}},
    {230000, {68487, 1.484, 0.614}},
    {345000, {98689, 1.612, 0.678}},
    {460000, {125393, 1.734, 0.740}},
    {575000, {152097, 1.855, 0.869}},
    {690000, {180078, 2.128, 1.020}},
    {805000, {208106, 2.165, 1.145}},
    {920000, {237679, 2.201, 1.269}},
    {9999999999, {237679, 2.201, 1.269}},
}};

// The costs of the first band whose upper bound is at least the value.
DeemedCostRow LookupDeemedCost(double vehicleValue);

}  // namespace kelvara
