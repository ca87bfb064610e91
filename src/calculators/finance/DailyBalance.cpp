#include "DailyBalance.h"

#include <string>

namespace kelvara {

namespace {
constexpr std::int32_t MostDaysApart = 10960;
constexpr double HighestSpinRate = 50;
}  // namespace

DailyBalanceResult CalculateDailyBalance(const DailyBalanceState& balance) {
    DailyBalanceResult result;
    result.Days = balance.DayBalEndDay - balance.DayBalStartDay;
    const double capital = balance.DayBalCapital;
    const double rate = balance.DayBalRate;
    result.Interest = static_cast<float>(capital * rate / 100 * result.Days / 365);
    return result;
}

std::optional<PeriodDates::Bounds> StartDateBounds(std::int32_t endDay) {
    if (endDay <= 0) return std::nullopt;
    return PeriodDates::Bounds{endDay - MostDaysApart, endDay - 1};
}

std::optional<PeriodDates::Bounds> EndDateBounds(std::int32_t startDay) {
    if (startDay <= 0) return std::nullopt;
    return PeriodDates::Bounds{startDay, startDay + MostDaysApart};
}

PeriodDates::Bounds DailyBalanceDesignBounds() { return {ToDayNumber({100, 1, 1}), ToDayNumber({9999, 12, 31})}; }

std::int32_t EndDayUp(const DailyBalanceState& balance) { return balance.DayBalEndDay + 1; }

std::int32_t EndDayDown(const DailyBalanceState& balance) {
    return balance.DayBalEndDay - 1 < balance.DayBalStartDay ? balance.DayBalStartDay : balance.DayBalEndDay - 1;
}

SpinStep DailyBalanceRateUp(const DailyBalanceState& balance) {
    const double rate = balance.DayBalRate;
    if (rate == 0) return {0, false};
    const double up = rate + balance.DayBalRateStep;
    if (up > HighestSpinRate) return {balance.DayBalRateStep, false};
    return {up, up == 0};
}

SpinStep DailyBalanceRateDown(const DailyBalanceState& balance) {
    const double rate = balance.DayBalRate;
    if (rate == 0) return {0, false};
    const double down = rate - balance.DayBalRateStep;
    if (down == 0) return {HighestSpinRate, true};
    return {down, false};
}

FieldValues DailyBalRecord(const DailyBalanceState& balance, const DailyBalanceResult& result) {
    return {
        {"CapAmount", balance.DayBalCapital},
        {"StartDate", balance.DayBalStartDay},
        {"EndDate", balance.DayBalEndDay},
        {"IntRate", balance.DayBalRate},
        {"ANS1", result.Interest},
        {"ANS2", result.Days},
    };
}

Refusal InvalidDateMessage() { return {"INVALID DATE", "The date entered is invalid please enter a valid date."}; }

Refusal EndDateOutOfRangeMessage(std::string_view startFieldText) {
    return {"DATE OUT OF RANGE",
            "The date entered is more than 30 years(360 months) after " + std::string(startFieldText) + "."};
}

Refusal StartDateOutOfRangeMessage(std::string_view endFieldText) {
    return {"DATE OUT OF RANGE",
            "The date entered is more than 30 years(360 months) before " + std::string(endFieldText) + "."};
}

Refusal DailyBalanceRateMessage() { return {"Incorrect Interest Rate!", "The maximum Interest Rate allowed is 40%"}; }

}  // namespace kelvara
