#pragma once
#include <map>
#include <string>
#include <vector>

namespace kelvara {

// A report layout (".rpt" file): a small header, a line "---", then a
// Mustache template over HTML. The header names what the template reads:
//
//   record: kwiktax                       fields of the table's record become names
//   rows: Amort                           {{#Amort}}...{{/Amort}} repeats per row
//   format: TAXINCOME TOTTAX = # ### ##0  how those numbers are shown
//
// Blank lines and lines starting with "#" are comments. data/reports/README.md
// describes the format in full.
struct ReportLayout {
    std::vector<std::string> RecordTables;
    std::vector<std::string> RowTables;
    std::map<std::string, std::string> Formats;  // field -> display pattern
    std::string Body;
};

// Reads a layout; on a malformed header returns false and says why in error.
bool ParseReportLayout(const std::string& text, ReportLayout& layout, std::string& error);

}  // namespace kelvara
