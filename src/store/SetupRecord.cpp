#include "SetupRecord.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <variant>

namespace kelvara {

namespace {

// A field of "Setup": where its value lives and the values its Setup field
// accepts (the two rates are fractions; the flag is 0 or 1).
struct SetupField {
    const char* Name;
    std::variant<double Settings::*, bool Settings::*> Member;
    double Min;
    double Max;
};

constexpr double kPercentMax = 100;
constexpr double kUifLimitMax = 999999;

// Indexed by SettingsField, so in table order.
const std::array<SetupField, 11> kFields{{
    {"PensionCont", &Settings::PensionCont, 0, kPercentMax},
    {"EmployerPenCont", &Settings::EmployerPenCont, 0, kPercentMax},
    {"EmployeeUIF", &Settings::EmployeeUIF, 0, kPercentMax},
    {"EmployerUIF", &Settings::EmployerUIF, 0, kPercentMax},
    {"SkillLevy", &Settings::SkillLevy, 0, kPercentMax},
    {"ProvCont", &Settings::ProvCont, 0, kPercentMax},
    {"EmployerProvCont", &Settings::EmployerProvCont, 0, kPercentMax},
    {"UIFLimit", &Settings::UIFLimit, 0, kUifLimitMax},
    {"TAIncRate8020", &Settings::TAIncRate8020, 0, 1},
    {"CompCarFBRate8020", &Settings::CompCarFBRate8020, 0, 1},
    {"CompCarMPYesNo", &Settings::CompCarMPYesNo, 0, 1},
}};

const SetupField& FieldOf(SettingsField field) { return kFields.at(static_cast<std::size_t>(field)); }

bool Usable(const SetupField& field, double value) {
    if (!(value >= field.Min && value <= field.Max)) return false;  // NaN fails too
    return std::holds_alternative<double Settings::*>(field.Member) || value == 0 || value == 1;
}

std::string StoredText(const sqlite::Statement& row, int column) {
    if (row.ColumnIsNumber(column)) {
        char text[32];
        const auto [end, error] = std::to_chars(text, text + sizeof text, row.ColumnDouble(column));
        return error == std::errc() ? std::string(text, end) : "?";
    }
    const FieldValue value = row.Column(column);
    const std::string text = std::get<std::string>(value);
    if (text.empty()) return "empty";
    std::string shown;
    for (char c : text.substr(0, 20)) shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    return "'" + shown + (text.size() > 20 ? "...'" : "'");
}

const std::string kFirstRecord = " WHERE rowid = (SELECT min(rowid) FROM \"Setup\")";

std::string NameList(const SettingsFields& fields, const char* separator) {
    std::string list;
    for (SettingsField field : fields)
        list += (list.empty() ? "" : separator) + sqlite::QuoteIdentifier(FieldOf(field).Name);
    return list;
}

}  // namespace

SettingsFields InTableOrder(SettingsFields fields) {
    std::sort(fields.begin(), fields.end());
    fields.erase(std::unique(fields.begin(), fields.end()), fields.end());
    return fields;
}

std::vector<UnusableSetting> ReadSetup(sqlite::Database& db, const SettingsFields& wanted, Settings& settings) {
    const SettingsFields fields = InTableOrder(wanted);
    std::vector<UnusableSetting> unusable;
    if (fields.empty()) return unusable;
    sqlite::Statement query = db.Prepare("SELECT " + NameList(fields, ", ") + " FROM \"Setup\"" + kFirstRecord);
    if (!query.Step()) throw sqlite::Error(0, "table \"Setup\" has no record");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const int column = static_cast<int>(i);
        const SetupField& field = FieldOf(fields[i]);
        const double value = query.ColumnDouble(column);
        if (!query.ColumnIsNumber(column) || !Usable(field, value)) {
            unusable.push_back({fields[i], StoredText(query, column)});
            continue;
        }
        std::visit(
            [&](auto member) { settings.*member = static_cast<std::decay_t<decltype(settings.*member)>>(value); },
            field.Member);
    }
    return unusable;
}

void WriteSetup(sqlite::Database& db, const SettingsFields& wanted, const Settings& settings) {
    const SettingsFields fields = InTableOrder(wanted);
    if (fields.empty()) return;
    sqlite::Statement update = db.Prepare("UPDATE \"Setup\" SET " + NameList(fields, " = ?, ") + " = ?" + kFirstRecord);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldValue value =
            std::visit([&](auto member) { return FieldValue(settings.*member); }, FieldOf(fields[i]).Member);
        update.Bind(static_cast<int>(i + 1), value);
    }
    update.Step();
}

void CopySettings(const SettingsFields& fields, const Settings& from, Settings& settings) {
    for (SettingsField field : fields)
        std::visit([&](auto member) { settings.*member = from.*member; }, FieldOf(field).Member);
}

std::string DescribeUnusable(const std::vector<UnusableSetting>& unusable) {
    std::string list;
    for (const UnusableSetting& setting : unusable)
        list +=
            (list.empty() ? "\"" : ", \"") + std::string(FieldOf(setting.Field).Name) + "\" (" + setting.Stored + ")";
    return list;
}

}  // namespace kelvara
