#include "CsvTable.h"

#include <algorithm>

namespace kelvara::cli {

std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line, char separator) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                cells.back() += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                cells.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    if (quoted) return std::nullopt;
    return cells;
}

char DetectSeparator(std::string_view headerLine) {
    std::size_t commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (char c : headerLine) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        commas += c == ',';
        semicolons += c == ';';
        tabs += c == '\t';
    }
    if (semicolons > commas && semicolons >= tabs) return ';';
    if (tabs > commas) return '\t';
    return ',';
}

std::string CsvCell(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string cell = "\"";
    for (char c : text) {
        if (c == '"') cell += '"';
        cell += c;
    }
    return cell + '"';
}

CsvReader::CsvReader(std::istream& in) : in_(*in.rdbuf()) {
    static const std::string_view mark = "\xEF\xBB\xBF";
    while (pending_.size() < mark.size() && in_.sgetc() == static_cast<unsigned char>(mark[pending_.size()]))
        pending_ += static_cast<char>(in_.sbumpc());
    if (pending_ == mark) pending_.clear();  // otherwise the text merely starts like the mark
}

int CsvReader::Get() {
    if (pending_.empty()) return in_.sbumpc();
    const int c = static_cast<unsigned char>(pending_.front());
    pending_.erase(0, 1);
    return c;
}

int CsvReader::Peek() { return pending_.empty() ? in_.sgetc() : static_cast<unsigned char>(pending_.front()); }

std::optional<std::string> CsvReader::NextLine() {
    constexpr auto eof = std::char_traits<char>::eof();
    while (Peek() != eof) {
        std::string record;
        line_ = next_;
        bool quoted = false;
        for (int c = Get(); c != eof; c = Get()) {
            const char ch = static_cast<char>(c);
            if (ch == '\r' || ch == '\n') {
                if (ch == '\r' && Peek() == '\n') Get();
                ++next_;
                if (!quoted) break;
                record += '\n';  // a line break inside a quoted cell
                continue;
            }
            if (ch == '"') quoted = !quoted;
            record += ch;
        }
        if (record.find_first_not_of(" \t") != std::string::npos) return record;
    }
    return std::nullopt;
}

}  // namespace kelvara::cli
