#pragma once
#include <QString>
#include <filesystem>
#include <string>

#include "FieldValue.h"
#include "ReportLayout.h"

namespace kelvara {

// A report filled in and ready to lay out on pages.
struct ComposedReport {
    bool ok = false;
    QString html;            // the filled template
    QString error;           // why it could not be composed
    bool afrikaans = false;  // the page footer in Afrikaans
};

// Reads the layout file, the tables it names from the report database, and
// fills the template. Numbers show as the windows show them: "." as decimal
// sign, a space between thousands; amounts with two decimals unless the
// layout gives a pattern. Beside the fields the template finds:
//   has.FIELD   true when a number is not 0 or a text not blank;
//   last_row    in a row of a "rows:" table, true in the last one;
//   the layout's flags, true or false;
//   printed_on  today's date, and printed: "Printed on " (or, in a report
//               flagged afrikaans, "Gedruk op ") followed by it;
//   tax_year_span, tax_year_span_af (in Afrikaans), tax_year_years,
//   tax_year_first, tax_year_last   the tax year in use.
// A report
// database that has to be rebuilt on the way has lost the figures written
// for the report, so nothing is composed then.
// A field's value as the report shows it, by the layout's pattern for it.
std::string ReportFieldText(const ReportLayout& layout, const std::string& field, const FieldValue& value);

ComposedReport ComposeReport(const QString& layoutFile, const std::filesystem::path& reportDatabase);

}  // namespace kelvara
