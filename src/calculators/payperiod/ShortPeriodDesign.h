#pragma once
#include "MedicalCredits.h"
#include "PayPeriod.h"

namespace kelvara {

// The fortnightly and weekly calculators are one design; these are the
// figures and texts in which they differ.
struct ShortPeriodDesign {
    PayPeriodKind Kind;
    const char* Name;        // "Fortnightly"
    const char* PeriodWord;  // "fortnight"
    int Periods;             // a year
    double FullDays;         // the default and largest day count
    CreditPeriod Credit;
    const char* NormalDaysCaption;
    const char* ThisDaysCaption;
    const char* DayCountMessage;  // this period longer than a normal one
    const char* NoDaysMessage;    // no days worked in this period
};

inline constexpr ShortPeriodDesign FortnightlyDesign{
    PayPeriodKind::Fortnightly,
    "Fortnightly",
    "fortnight",
    26,
    14,
    CreditPeriod::Fortnightly,
    "Normal fortnight",
    "This fortnight",
    "The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'.",
    "The number of 'This fortnight' days must be larger than 0.",
};

inline constexpr ShortPeriodDesign WeeklyDesign{
    PayPeriodKind::Weekly,
    "Weekly",
    "week",
    52,
    7,
    CreditPeriod::Weekly,
    "Normal work week",
    "This work week",
    "The number of 'Normal work-week' days must be = to or larger than 'This work-week'.",
    "The number of 'This work-week' days must be larger than 0.",
};

inline constexpr const char* IncorrectDaysTitle = "Incorrect Number of Days";

}  // namespace kelvara
