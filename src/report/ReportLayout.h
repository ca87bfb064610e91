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
//   flag: afrikaans = EOE is (B.& F.W.)   a name that is true when a field holds a text
//
// Blank lines and lines starting with "#" are comments. data/reports/README.md
// describes the format in full.
// A name the template can test, true when a field of the records holds the
// given text. The flag "afrikaans" also prints the page footer in Afrikaans.
struct ReportFlag {
    std::string Name;
    std::string Field;
    std::string Text;
};

struct ReportLayout {
    std::vector<std::string> RecordTables;
    std::vector<std::string> RowTables;
    std::map<std::string, std::string> Formats;  // field -> display pattern
    std::vector<ReportFlag> Flags;
    std::string Body;
};

// Reads a layout; on a malformed header returns false and says why in error.
bool ParseReportLayout(const std::string& text, ReportLayout& layout, std::string& error);

}  // namespace kelvara
