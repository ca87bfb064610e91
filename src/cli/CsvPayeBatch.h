#pragma once
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

#include "PayPeriod.h"
#include "PayPeriodFields.h"
#include "Result.h"
#include "ResultText.h"

namespace kelvara::cli {

// The inputs and settings of one pay-period calculation, as the options or a
// batch row give them.
struct PayeRow {
    PayPeriodInputs Inputs;
    Settings Setup;
};

enum class PayeDate { Start, End };

// One option of `paye KIND`, bounded like the window field that takes it.
struct PayeOption {
    enum class Type { Amount, Whole, Date, MonthList };
    std::string Name;  // without dashes
    std::string What;
    Type Kind;
    double Min;
    double Max;
    std::variant<std::monostate, PayPeriodField, SettingsField, PayeDate> Target;  // none: read only
};

// The options a calculator takes, inputs first and settings last.
const std::vector<PayeOption>& PayeOptions(PayPeriodKind kind);

// What an option accepts, as its help and its refusals say it.
std::string AcceptedRange(const PayeOption& option);

// Reads an option's text into the row; throws UsageError naming the option,
// the value and the accepted range.
void ApplyPayeOption(const PayeOption& option, const std::string& text, PayeRow& row);

// The keys the command prints for a calculation, in order.
Result PayeResult(PayPeriodKind kind, const PayPeriodResult& result, const EngineState& engine);

// What the text output calls those keys: the calculator windows' captions.
Captions PayeCaptions();

// Checks a whole payroll: reads a CSV whose header names options, calculates
// every row over the base row and writes the input columns with the result
// keys (and a difference column beside a payslip-paye column). A bad row is
// reported on err with its line number and left out. Returns the exit status:
// 0, or 1 when a row was bad. A header naming an unknown column throws
// UsageError before anything is written.
int RunPayeBatch(PayPeriodKind kind, const PayeRow& base, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kelvara::cli
