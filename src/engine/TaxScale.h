#pragma once
#include <array>

namespace kelvara {

// One row of the income-tax scale; amounts in rand per year, rate in percent.
struct TaxScaleRow {
    double Lower;  // exclusive
    double Upper;  // inclusive
    int Rate;
    double BaseTax;  // the tax on Lower
};

// The seven brackets of the year, lowest first. Row 1 also takes 0 and any
// negative income; the upper bound of row 7 stands for no limit.
inline constexpr std::array<TaxScaleRow, 7> TaxScale{{
    {0, 245100, 18, 0},
    {245100, 383100, 26, 44118},
    {383100, 530200, 31, 79998},
    {530200, 695800, 36, 125599},
    {695800, 887000, 39, 185215},
    {887000, 1878600, 41, 259783},
    {1878600, 9999999999, 45, 666339},
}};

// The row that taxes the given annual income.
const TaxScaleRow& TaxScaleRowFor(double income);

}  // namespace kelvara
