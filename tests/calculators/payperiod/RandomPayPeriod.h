#pragma once
#include "ActiveTaxYear.h"
#include "PayPeriodFields.h"
#include "RandomInputs.h"

namespace kelvara::testing {

// The names the drawn values are noted under, by field.
constexpr const char* InputFieldNames[] = {
    "Age",          "Salary",       "Commission",     "Bonus",          "TravelAllowance",
    "EmployerFund", "EmployeeFund", "EmployerMedAid", "EmployeeMedAid", "Members",
    "MonthMembers", "NormalDays",   "ThisDays",
};

inline DayNumber TaxYearDay(RandomInputs& random, const char* name, DayNumber from = ActiveTaxYear().FirstDay) {
    return random.Between(name, from, ActiveTaxYear().LastDay);
}

// The period dates of the annual and monthly windows: inside the tax year,
// the end not before the start. The monthly window accepts any such pair and
// refuses one over two months on Calculate.
inline void SetDates(RandomInputs& random, PayPeriodKind kind, PayPeriodInputs& in) {
    if (kind == PayPeriodKind::Annual) {
        in.StartDate = TaxYearDay(random, "start");
        in.EndDate = random.Chance(0.2) ? ActiveTaxYear().LastDay : TaxYearDay(random, "end", in.StartDate);
    } else if (kind == PayPeriodKind::Monthly) {
        in.StartDate = TaxYearDay(random, "start");
        const CivilDate start = FromDayNumber(in.StartDate);
        const DayNumber monthEnd = in.StartDate + DaysInMonth(start.Year, start.Month) - start.Day;
        in.EndDate = random.Chance(0.9) ? random.Between("end", in.StartDate, monthEnd)
                                        : TaxYearDay(random, "end", in.StartDate);
    }
}

// Inputs as the window's fields of the kind accept them.
inline PayPeriodInputs RandomInputsFor(RandomInputs& random, PayPeriodKind kind) {
    PayPeriodInputs in = DefaultInputs(kind);
    for (const InputBounds& field : InputFieldBounds(kind)) {
        SetField(in, field.Field, random.Field(InputFieldNames[static_cast<int>(field.Field)], field.Bounds));
    }
    if (kind == PayPeriodKind::Annual) {
        // Each month's field as typed, then lowered as the window lowers it.
        for (std::int16_t& count : in.MonthMembers) count = static_cast<std::int16_t>(random.Field("month", 0, 99, 0));
        CapMonthMembers(in.MonthMembers);
    }
    // Mostly a period no longer than a normal one, which the window calculates.
    if (in.NormalDays > 0 && random.Chance(0.8)) in.ThisDays = random.Field("ThisDays", 0, in.NormalDays, 0);
    SetDates(random, kind, in);
    return in;
}

}  // namespace kelvara::testing
