#pragma once
#include <QString>
#include <filesystem>

namespace kelvara {

// A report filled in and ready to lay out on pages.
struct ComposedReport {
    bool ok = false;
    QString html;   // the filled template
    QString error;  // why it could not be composed
};

// Reads the layout file, the tables it names from the report database, and
// fills the template. Numbers show as the windows show them: "." as decimal
// sign, a space between thousands; amounts with two decimals unless the
// layout gives a pattern. The name printed_on holds today's date; tax_year_span,
// tax_year_years, tax_year_first and tax_year_last name the year in use. A report
// database that has to be rebuilt on the way has lost the figures written
// for the report, so nothing is composed then.
ComposedReport ComposeReport(const QString& layoutFile, const std::filesystem::path& reportDatabase);

}  // namespace kelvara
