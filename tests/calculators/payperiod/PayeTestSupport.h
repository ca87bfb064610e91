#pragma once
#include <stdexcept>
#include <string>

#include "DayNumber.h"
#include "PayPeriod.h"

namespace kelvara::testing {

// The settings as the program is delivered with them.
inline Settings DeliveredPayeSettings() {
    Settings s;
    s.EmployeeUIF = s.EmployerUIF = s.SkillLevy = 1;
    s.UIFLimit = 17712;
    s.TAIncRate8020 = 0.8;
    return s;
}

inline DayNumber Day(const char* text) { return *ParseDate(text); }

// What a case types into the fields; dates and days it leaves out keep the
// window's defaults.
struct Typed {
    double Salary = 0, Commission = 0, Bonus = 0, Travel = 0, EmployeeFund = 0, EmployerFund = 0;
    double EmployeeMedAid = 0;
    std::int16_t Members = 0;
    const char* Start = nullptr;
    const char* End = nullptr;
    double NormalDays = 0, ThisDays = 0;
};

// Age 40 and nothing else unless the case types it.
inline PayPeriodInputs Inputs(PayPeriodKind kind, const Typed& t = {}) {
    PayPeriodInputs in = DefaultInputs(kind);
    in.Age = 40;
    in.Salary = t.Salary;
    in.Commission = t.Commission;
    in.Bonus = t.Bonus;
    in.TravelAllowance = t.Travel;
    in.EmployeeFundCont = t.EmployeeFund;
    in.EmployerFundCont = t.EmployerFund;
    in.EmployeeMedAidCont = t.EmployeeMedAid;
    in.Members = t.Members;
    if (t.Start) in.StartDate = Day(t.Start);
    if (t.End) in.EndDate = Day(t.End);
    if (t.NormalDays) in.NormalDays = t.NormalDays;
    if (t.ThisDays) in.ThisDays = t.ThisDays;
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
