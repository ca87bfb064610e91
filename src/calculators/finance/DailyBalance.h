#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "FieldValue.h"
#include "FinanceFields.h"
#include "PeriodDates.h"

namespace kelvara {

// The day number that stands for an empty date field (1 January 1800).
inline constexpr std::int32_t EmptyDay = -36522;

// The daily balance calculator's inputs, kept in the shared calculation state.
struct DailyBalanceState {
    float DayBalCapital = 0;  // rand, single precision
    float DayBalRate = 0;     // percent a year, single precision
    std::int32_t DayBalStartDay = EmptyDay;
    std::int32_t DayBalEndDay = EmptyDay;
    double DayBalRateStep = 0.25;
};

struct DailyBalanceResult {
    std::int32_t Days = 0;
    float Interest = 0;  // single precision
};

inline void InitDailyBalanceState(DailyBalanceState& balance) { balance = {}; }

// Whether a stored day number is a date the window shows when it becomes
// active (earlier ones stand for an empty field).
inline bool ShownOnActivation(std::int32_t day) { return day >= -36520; }

// The simple interest on the capital from the start to the end date, on a
// 365-day year.
DailyBalanceResult CalculateDailyBalance(const DailyBalanceState& balance);

inline bool CanPrintDailyBalance(const DailyBalanceResult& result) { return result.Interest > 0 && result.Days > 0; }

// The bounds a date field takes when it receives the focus: the start date
// lies before the end date, the end date on or after the start date, at most
// 10960 days apart. Nothing while the other date is not set: the field keeps
// the bounds it has.
std::optional<PeriodDates::Bounds> StartDateBounds(std::int32_t endDay);
std::optional<PeriodDates::Bounds> EndDateBounds(std::int32_t startDay);

// The bounds both date fields start with: 1 January 100 to 31 December 9999.
PeriodDates::Bounds DailyBalanceDesignBounds();

// The end-date spin buttons: a day later, or a day earlier but never before
// the start date.
std::int32_t EndDayUp(const DailyBalanceState& balance);
std::int32_t EndDayDown(const DailyBalanceState& balance);

// The rate spin buttons step by the state's rate step, up cycling past 50 to
// one step and down from one step to 50 (with a beep); a rate of 0 is left alone.
SpinStep DailyBalanceRateUp(const DailyBalanceState& balance);
SpinStep DailyBalanceRateDown(const DailyBalanceState& balance);

// The one record of table "DailyBal".
FieldValues DailyBalRecord(const DailyBalanceState& balance, const DailyBalanceResult& result);

namespace DailyBalanceFields {
inline constexpr NamedFieldBounds Capital{"numCapAmount", {2, 9, -999999999.99, 999999999.99}};
inline constexpr NamedFieldBounds Rate{"numIntRate", {3, 2, 0, 40}};
}  // namespace DailyBalanceFields

Refusal InvalidDateMessage();
// The end date is out of range; names the start date as its field shows it.
Refusal EndDateOutOfRangeMessage(std::string_view startFieldText);
// The start date is out of range; names the end date as its field shows it.
Refusal StartDateOutOfRangeMessage(std::string_view endFieldText);
Refusal DailyBalanceRateMessage();

inline constexpr const char* DailyBalTable = "DailyBal";
inline constexpr const char* DailyBalanceLayout = "\\DayBal.rpt";
inline constexpr const char* DailyBalanceTitle = "Daily Balance Calculation";

}  // namespace kelvara
