#pragma once
#include <string>

#include "DayNumber.h"
#include "PayPeriod.h"

namespace kelvara::testing {

// The settings as the program is delivered with them.
inline Settings DeliveredPayeSettings() {
    Settings s;
    s.EmployeeUIF = 1;
    s.EmployerUIF = 1;
    s.SkillLevy = 1;
    s.UIFLimit = 17712;
    s.TAIncRate8020 = 0.8;
    return s;
}

inline DayNumber Day(const char* text) { return *ParseDate(text); }

// Age 40 and nothing else unless the case says so.
inline PayPeriodInputs Inputs(PayPeriodKind kind) {
    PayPeriodInputs in = DefaultInputs(kind);
    in.Age = 40;
    return in;
}

inline PayPeriodResult CalculateOk(PayPeriodKind kind, const PayPeriodInputs& in,
                                   const Settings& settings = DeliveredPayeSettings()) {
    EngineState engine;
    const PayPeriodOutcome outcome = Calculate(kind, engine, in, settings);
    if (outcome.Refusal) throw std::runtime_error("refused: " + outcome.Refusal->Text);
    return outcome.Result;
}

}  // namespace kelvara::testing
