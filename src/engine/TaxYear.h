#pragma once
// The fixed figures of the tax year 1 March 2026 to 28 February 2027.

namespace kelvara::TaxYear {

inline constexpr long StartDay = 46082;  // 01/03/2026
inline constexpr long EndDay = 46446;    // 28/02/2027
inline constexpr const char* StartText = "01/03/2026";
inline constexpr const char* EndText = "28/02/2027";

inline constexpr double PrimaryRebate = 17820;
inline constexpr double SecondaryRebate = 9765;           // added from age 65
inline constexpr double SecondaryPlusTertiaryRebate = 13014;  // added instead from age 75
inline constexpr double RebateUnder65 = 17820;
inline constexpr double Rebate65To74 = 27585;
inline constexpr double Rebate75AndOlder = 30834;

inline constexpr int SecondaryRebateAge = 65;
inline constexpr int TertiaryRebateAge = 75;

}  // namespace kelvara::TaxYear
