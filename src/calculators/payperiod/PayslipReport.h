#pragma once
#include <cstdint>

#include "FieldValue.h"
#include "PayPeriod.h"

namespace kelvara {

enum class ReportLanguage { English, Afrikaans };

// Where a calculator's payslip check goes: its one-record table in the report
// database, its layout file and the title of the report window.
struct PayslipReport {
    const char* Table;
    const char* Layout;
    const char* WindowTitle;
};

const PayslipReport& PayslipReportFor(PayPeriodKind kind);

// The fields of the payslip-check record, captions in the chosen language:
// the inputs as they stand and the results of the last calculation. UIF and
// the levy are written as their result fields show them (two decimals); the
// other amounts unrounded. medAidContributionDeduction is the annual window's
// "Med Aid contribution deduction" field, which only that report copies.
FieldValues PayslipReportRecord(PayPeriodKind kind, const PayPeriodInputs& in, const PayPeriodResult& result,
                                ReportLanguage language, std::int32_t medAidContributionDeduction = 0);

}  // namespace kelvara
