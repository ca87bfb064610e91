#include "WindowTestBench.h"

#include <stdexcept>

#include "DeliveredDatabase.h"
#include "ReportOutput.h"

namespace kelvara::testing {

WindowTestBench::WindowTestBench()
    : SettingsDatabase(Folder.filePath("Settings.db").toStdString()),
      ReportDatabase(Folder.filePath("Crysprin.db").toStdString()) {
    CreateDeliveredDatabase(SettingsDatabase, DeliveredDatabase::Settings);
    CreateDeliveredDatabase(ReportDatabase, DeliveredDatabase::Reports);
    Reports =
        std::make_unique<ReportEngine>(*this, Printer, ReportDatabase, qEnvironmentVariable("KV_RUNTIME_DIR", "."));
}

void WindowTestBench::ShowReportWindow(QWidget* window) { ReportWindows.emplace_back(window); }

std::optional<FieldValues> WindowTestBench::ReportRecord(const std::string& table) const {
    std::vector<FieldValues> rows;
    if (!ReportOutput(ReportDatabase).ReadReportRows(table, rows).ok || rows.size() != 1) return std::nullopt;
    return rows.front();
}

const FieldValue& WindowTestBench::Field(const FieldValues& record, const std::string& name) {
    for (const auto& [field, value] : record) {
        if (field == name) return value;
    }
    throw std::out_of_range("no field " + name);
}

double WindowTestBench::Number(const FieldValue& value) {
    return std::visit(
        [](const auto& v) -> double {
            if constexpr (std::is_arithmetic_v<std::decay_t<decltype(v)>>) {
                return static_cast<double>(v);
            } else {
                throw std::invalid_argument("not a number: " + v);
            }
        },
        value);
}

double WindowTestBench::Number(const FieldValues& record, const std::string& name) {
    return Number(Field(record, name));
}

QString WindowTestBench::Text(const FieldValues& record, const std::string& name) {
    return QString::fromStdString(std::get<std::string>(Field(record, name)));
}

namespace {

FieldValues SingleRecord(const WindowTestBench& bench, const std::string& table) {
    const auto record = bench.ReportRecord(table);
    if (!record) throw std::runtime_error("no single record in " + table);
    return *record;
}

}  // namespace

double WindowTestBench::ReportNumber(const std::string& table, const std::string& name) const {
    return Number(SingleRecord(*this, table), name);
}

QString WindowTestBench::ReportText(const std::string& table, const std::string& name) const {
    return Text(SingleRecord(*this, table), name);
}

QVariant WindowTestBench::ReportValue(const std::string& table, const std::string& name) const {
    const auto record = ReportRecord(table);
    if (!record) return {};
    const FieldValue& value = Field(*record, name);
    if (const auto* text = std::get_if<std::string>(&value)) return QString::fromStdString(*text);
    return Number(value);
}

}  // namespace kelvara::testing
