#include "Working.h"

#include <algorithm>
#include <cstdio>

#include "NumberFormat.h"

namespace kelvara {

namespace {

constexpr std::size_t AmountColumn = 16;
constexpr std::size_t IndentPerDepth = 2;
constexpr std::size_t TextColumns = 64;  // a longer text runs on in the next line

// The columns a UTF-8 text takes: the signs × ÷ − take one each.
std::size_t Columns(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The next space a line may break at: not the one between the digit groups
// of an amount ("27 585.00").
std::size_t BreakAfter(const std::string& text, std::size_t start) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t space = text.find(' ', start); space != std::string::npos; space = text.find(' ', space + 1)) {
        if (space == 0 || space + 1 == text.size() || !digit(text[space - 1]) || !digit(text[space + 1])) return space;
    }
    return std::string::npos;
}

// The text in lines of at most `columns`, broken between words; a
// continued line is indented, so it holds two columns less.
std::vector<std::string> Wrapped(const std::string& text, std::size_t columns) {
    std::vector<std::string> rows{""};
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t space = BreakAfter(text, start);
        const std::string word = text.substr(start, space == std::string::npos ? std::string::npos : space - start);
        const std::size_t room = rows.size() == 1 ? columns : columns - IndentPerDepth;
        if (!rows.back().empty() && Columns(rows.back()) + 1 + Columns(word) > room) rows.emplace_back();
        rows.back() += (rows.back().empty() ? "" : " ") + word;
        if (space == std::string::npos) break;
        start = space + 1;
    }
    return rows;
}

}  // namespace

void Working::Heading(std::string text) { lines_.push_back({0, std::move(text), 0, WorkingUnit::None, {}}); }

void Working::Step(std::string text, double amount, WorkingUnit unit) {
    lines_.push_back({1, std::move(text), amount, unit, {}});
}

void Working::Detail(std::string text, double amount, WorkingUnit unit) {
    lines_.push_back({2, std::move(text), amount, unit, {}});
}

void Working::Note(std::string text) { lines_.push_back({1, std::move(text), 0, WorkingUnit::None, {}}); }

void Working::Result(std::string text, double amount, std::string key, WorkingUnit unit) {
    lines_.push_back({1, std::move(text), amount, unit, std::move(key)});
}

const WorkingLine* Working::Find(std::string_view key) const {
    const auto found =
        std::find_if(lines_.rbegin(), lines_.rend(), [key](const WorkingLine& line) { return line.Key == key; });
    return found == lines_.rend() ? nullptr : &*found;
}

std::string AmountText(const WorkingLine& line) {
    switch (line.Unit) {
        case WorkingUnit::None: return {};
        case WorkingUnit::Money: return FormatNumber(line.Amount, 2);
        case WorkingUnit::WholeRand: return FormatNumber(line.Amount, 0);
        case WorkingUnit::Count: return Figure(line.Amount);
        case WorkingUnit::Percent: return Figure(line.Amount) + "%";
        case WorkingUnit::PercentOneDecimal: return FormatNumber(line.Amount, 1) + "%";
    }
    return {};
}

std::string WorkingText(const Working& working) {
    std::string text;
    for (const WorkingLine& line : working.Lines()) {
        if (line.IsHeading() && !text.empty()) text += '\n';
        const std::string indent(line.Depth * IndentPerDepth, ' ');
        const std::vector<std::string> rows = Wrapped(line.Text, TextColumns - indent.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            text += indent + (i == 0 ? "" : std::string(IndentPerDepth, ' ')) + rows[i];
            const std::string amount = AmountText(line);
            if (i + 1 == rows.size() && !amount.empty()) {
                const std::size_t used = indent.size() + (i == 0 ? 0 : IndentPerDepth) + Columns(rows[i]);
                text += std::string(used < TextColumns + 2 ? TextColumns + 2 - used : 1, ' ');
                text += std::string(amount.size() < AmountColumn ? AmountColumn - amount.size() : 0, ' ') + amount;
            }
            text += '\n';
        }
    }
    return text;
}

std::string Rand(double amount) { return FormatNumber(amount, 2); }

std::string Figure(double value) {
    // Up to six decimals, without trailing zeros.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    std::string text = buffer;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

}  // namespace kelvara
