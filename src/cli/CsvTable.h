#pragma once
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara::cli {

// One record of a CSV text split into its cells: cells are separated by the
// separator and may be quoted with double quotes ("" inside stands for one
// quote; a quoted cell may hold separators and line breaks). Nothing when a
// quote is left open.
std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line, char separator = ',');

// The separator of a CSV file, found from its header line: a semicolon or a
// tab where the line holds more of them than commas (outside quotes), else a
// comma. Spreadsheets in South African settings write semicolons.
char DetectSeparator(std::string_view headerLine);

// A cell as CSV writes it: quoted when it holds a comma, a quote or a line
// break, as it stands otherwise.
std::string CsvCell(std::string_view text);

// Reads a CSV text record by record, as spreadsheets write it: a UTF-8
// byte-order mark at the start is skipped; records end with CRLF, LF or a CR
// alone, except inside a quoted cell, where a line break belongs to the cell.
class CsvReader {
public:
    explicit CsvReader(std::istream& in);

    // The text of the next record that is not blank, its line end dropped, or
    // nothing at the end.
    std::optional<std::string> NextLine();
    // The line on which the record last returned starts, counting from 1.
    int LineNumber() const { return line_; }

private:
    int Get();
    int Peek();

    std::streambuf& in_;
    std::string pending_;  // bytes read while looking for the byte-order mark
    int line_ = 0;
    int next_ = 1;  // the line the next record starts on
};

}  // namespace kelvara::cli
