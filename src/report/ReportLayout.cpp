#include "ReportLayout.h"

#include <sstream>

namespace kelvara {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// "NAME = FIELD is TEXT"
bool FlagOf(const std::string& value, ReportFlag& flag) {
    const auto equals = value.find('=');
    const auto is = value.find(" is ", equals);
    if (equals == std::string::npos || is == std::string::npos) return false;
    const std::vector<std::string> name = Words(value.substr(0, equals));
    const std::vector<std::string> field = Words(value.substr(equals + 1, is - equals - 1));
    if (name.size() != 1 || field.size() != 1) return false;
    flag = {name.front(), field.front(), Trim(value.substr(is + 4))};
    return !flag.Text.empty();
}

}  // namespace

bool ParseReportLayout(const std::string& text, ReportLayout& layout, std::string& error) {
    std::istringstream in(text);
    std::string line;
    ReportFlag flag;
    for (int number = 1; std::getline(in, line); ++number) {
        line = Trim(line);
        if (line == "---") {
            std::ostringstream body;
            body << in.rdbuf();
            layout.Body = body.str();
            return true;
        }
        if (line.empty() || line.front() == '#') continue;
        const auto colon = line.find(':');
        const std::string key = colon == std::string::npos ? line : Trim(line.substr(0, colon));
        const std::string value = colon == std::string::npos ? std::string() : Trim(line.substr(colon + 1));
        if (key == "record" && !value.empty()) {
            layout.RecordTables.push_back(value);
        } else if (key == "rows" && !value.empty()) {
            layout.RowTables.push_back(value);
        } else if (key == "format" && value.find('=') != std::string::npos) {
            const auto equals = value.find('=');
            const std::string pattern = Trim(value.substr(equals + 1));
            for (const std::string& field : Words(value.substr(0, equals))) layout.Formats[field] = pattern;
        } else if (key == "flag" && FlagOf(value, flag)) {
            layout.Flags.push_back(flag);
        } else {
            error = "line " + std::to_string(number) + " is not understood: \"" + line + "\"";
            return false;
        }
    }
    error = "the line \"---\" that starts the page template is missing";
    return false;
}

}  // namespace kelvara
