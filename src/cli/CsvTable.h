#pragma once
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara::cli {

// One line of a CSV file read into its cells: cells are separated by commas
// and may be quoted with double quotes ("" inside stands for one quote).
// Nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line);

// A cell as CSV writes it: quoted when it holds a comma, a quote or a line
// break, as it stands otherwise.
std::string CsvCell(std::string_view text);

// Reads a CSV text line by line, counting lines from 1 and dropping the
// carriage return of Windows line ends.
class CsvReader {
public:
    explicit CsvReader(std::istream& in) : in_(in) {}

    // The next line that is not blank, or nothing at the end.
    std::optional<std::string> NextLine();
    int LineNumber() const { return line_; }

private:
    std::istream& in_;
    int line_ = 0;
};

}  // namespace kelvara::cli
