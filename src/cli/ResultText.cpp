#include "ResultText.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "NumberFormat.h"
#include "UserText.h"

namespace kelvara::cli {

namespace {

// A list prints as a table only while its rows fit a terminal's line.
constexpr std::size_t kLineWidth = 80;
constexpr std::size_t kGap = 2;
const std::string kStep = "  ";  // the indent of what belongs to a heading

std::string Shown(const Result& value) {
    if (value.is_number_float()) return FormatNumber(value.get<double>(), 2);
    if (value.is_boolean()) return value.get<bool>() ? "yes" : "no";
    if (value.is_string()) return value.get<std::string>();
    return value.dump();
}

std::string Padded(const std::string& text, std::size_t width) {
    const std::size_t length = CharacterCount(text);
    return std::string(width > length ? width - length : 0, ' ') + text;
}

// Right-aligned columns under their headings, or nothing when they would not
// fit on a line.
std::optional<std::vector<std::string>> TableLines(const std::vector<std::string>& headings,
                                                   const std::vector<std::vector<std::string>>& rows,
                                                   const std::string& indent) {
    std::vector<std::size_t> widths;
    for (const std::string& heading : headings) widths.push_back(CharacterCount(heading));
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], CharacterCount(row[i]));
    }
    std::size_t total = indent.size();
    for (std::size_t i = 0; i < widths.size(); ++i) total += (i ? kGap : 0) + widths[i];
    if (total > kLineWidth) return std::nullopt;
    const auto line = [&](const std::vector<std::string>& cells) {
        std::string text = indent;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            text += (i ? std::string(kGap, ' ') : "") + Padded(cells[i], widths[i]);
        }
        return text;
    };
    std::vector<std::string> lines{line(headings)};
    for (const auto& row : rows) lines.push_back(line(row));
    return lines;
}

class TextWriter {
public:
    explicit TextWriter(Captions captions) : captions_(captions) {}

    void Object(const Result& object, const std::string& indent) {
        for (const auto& [key, value] : object.items()) {
            if (value.is_array()) {
                List(key, value, indent);
            } else if (value.is_object()) {
                Heading(indent, Label(key));
                Object(value, indent + kStep);
            } else {
                lines_.push_back({indent, Label(key), Shown(value)});
            }
        }
    }

    // Every figure's line with its caption and value columns as wide as the
    // widest of the whole result.
    std::string Text() const {
        std::size_t labelWidth = 0;
        std::size_t valueWidth = 0;
        for (const Line& line : lines_) {
            if (!line.Value) continue;
            labelWidth = std::max(labelWidth, line.Indent.size() + CharacterCount(line.Label));
            valueWidth = std::max(valueWidth, CharacterCount(*line.Value));
        }
        std::string out;
        for (const Line& line : lines_) {
            out += line.Indent + line.Label;
            if (line.Value) {
                const std::size_t used = line.Indent.size() + CharacterCount(line.Label);
                out += std::string(labelWidth - used + kGap, ' ') + Padded(*line.Value, valueWidth);
            }
            out += "\n";
        }
        return out;
    }

private:
    struct Line {
        std::string Indent;
        std::string Label;
        std::optional<std::string> Value;  // none: a heading or a line of a table
    };

    const Caption* Find(std::string_view key) const {
        const auto found = std::find_if(captions_.begin(), captions_.end(),
                                        [key](const Caption& caption) { return caption.Key == key; });
        return found == captions_.end() ? nullptr : &*found;
    }

    std::string CaptionText(const std::string& key) const {
        const Caption* caption = Find(key);
        return caption ? std::string(caption->Text) : key;
    }

    std::string Label(const std::string& key) const {
        const Caption* caption = Find(key);
        return caption ? std::string(caption->Text) + " [" + key + "]" : key;
    }

    void Heading(const std::string& indent, const std::string& text) { lines_.push_back({indent, text, std::nullopt}); }

    void List(const std::string& key, const Result& list, const std::string& indent) {
        const auto plain = [](const Result& value) { return !value.is_structured(); };
        const bool rows = std::all_of(list.begin(), list.end(), [&](const Result& item) {
            return item.is_object() && std::all_of(item.begin(), item.end(), plain);
        });
        if (rows && !list.empty()) {
            RowList(key, list, indent);
        } else if (std::all_of(list.begin(), list.end(), plain)) {
            ValueList(key, list, indent);
        } else {
            Blocks(key, list, indent);
        }
    }

    // Rows of figures under the captions of their keys (those of the first row).
    void RowList(const std::string& key, const Result& list, const std::string& indent) {
        std::vector<std::string> keys;
        std::vector<std::string> headings;
        for (const auto& [column, value] : list.front().items()) {
            keys.push_back(column);
            headings.push_back(CaptionText(column));
        }
        std::vector<std::vector<std::string>> cells;
        for (const Result& row : list) {
            std::vector<std::string>& line = cells.emplace_back();
            for (const std::string& column : keys) line.push_back(row.contains(column) ? Shown(row[column]) : "");
        }
        if (const auto table = TableLines(headings, cells, indent + kStep)) {
            Heading(indent, Label(key));
            for (const std::string& text : *table) Heading("", text);
        } else {
            Blocks(key, list, indent);
        }
    }

    // Plain values under the names of their places (the months of a tax year).
    void ValueList(const std::string& key, const Result& list, const std::string& indent) {
        const Caption* caption = Find(key);
        std::vector<std::string> names;
        std::vector<std::string> values;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const bool named = caption && i < caption->Items.size();
            names.push_back(named ? std::string(caption->Items[i]) : std::to_string(i + 1));
            values.push_back(Shown(list[i]));
        }
        Heading(indent, Label(key));
        if (const auto table = TableLines(names, {values}, indent + kStep)) {
            for (const std::string& text : *table) Heading("", text);
        } else {
            for (std::size_t i = 0; i < names.size(); ++i) lines_.push_back({indent + kStep, names[i], values[i]});
        }
    }

    // Each item under a heading of its own: "Vehicle 1", "Vehicle 2", ...
    void Blocks(const std::string& key, const Result& list, const std::string& indent) {
        const std::string name = CaptionText(key);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string heading = name + " " + std::to_string(i + 1);
            if (list[i].is_object()) {
                Heading(indent, heading);
                Object(list[i], indent + kStep);
            } else {
                lines_.push_back({indent, heading, Shown(list[i])});
            }
        }
    }

    Captions captions_;
    std::vector<Line> lines_;
};

}  // namespace

std::string ToText(const Result& result, Captions captions) {
    if (const auto error = result.find("error"); error != result.end() && error->is_object()) {
        return error->value("title", "") + "\n" + error->value("message", "") + "\n";
    }
    TextWriter writer(captions);
    writer.Object(result, "");
    return writer.Text();
}

}  // namespace kelvara::cli
