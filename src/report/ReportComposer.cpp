#include "ReportComposer.h"

#include <QDate>
#include <QFile>
#include <algorithm>
#include <kainjow/mustache.hpp>

#include "ActiveTaxYear.h"
#include "DayNumber.h"
#include "NumberFormat.h"
#include "ReportLayout.h"
#include "ReportOutput.h"

namespace kelvara {

namespace {

using Data = kainjow::mustache::data;

// The pattern that shows a day number as a date.
constexpr const char* kDatePattern = "dd/mm/yyyy";

std::string DisplayValue(const FieldValue& value, const std::string* pattern) {
    return std::visit(
        [&](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::string>) {
                return v;
            } else {
                const double number = static_cast<double>(v);
                if (pattern && *pattern == kDatePattern) return FormatDate(static_cast<DayNumber>(number));
                if (pattern) return FormatPattern(number, *pattern);
                if constexpr (std::is_same_v<T, double> || std::is_same_v<T, float>)
                    return FormatNumber(number, 2);
                else
                    return std::to_string(static_cast<long long>(v));
            }
        },
        value);
}

bool HasSomething(const FieldValue& value) {
    return std::visit(
        [](const auto& v) {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>)
                return v.find_first_not_of(" \t") != std::string::npos;
            else
                return v != 0;
        },
        value);
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The fields of a row as the template shows them, beside the has.FIELD names.
Data RowData(const FieldValues& row, const ReportLayout& layout, Data data) {
    Data has = data.get("has") ? *data.get("has") : Data{Data::type::object};
    for (const auto& [name, value] : row) {
        data.set(name, ReportFieldText(layout, name, value));
        has.set(name, Data{HasSomething(value)});
    }
    data.set("has", has);
    return data;
}

bool FlagHolds(const ReportFlag& flag, const FieldValues& record) {
    const auto field =
        std::find_if(record.begin(), record.end(), [&](const auto& named) { return named.first == flag.Field; });
    if (field == record.end()) return false;
    const auto* text = std::get_if<std::string>(&field->second);
    return text && Trimmed(*text) == flag.Text;
}

}  // namespace

std::string ReportFieldText(const ReportLayout& layout, const std::string& field, const FieldValue& value) {
    const auto format = layout.Formats.find(field);
    return DisplayValue(value, format == layout.Formats.end() ? nullptr : &format->second);
}

ComposedReport ComposeReport(const QString& layoutFile, const std::filesystem::path& reportDatabase) {
    ComposedReport report;
    QFile file(layoutFile);
    if (!file.open(QIODevice::ReadOnly)) {
        report.error = QString("The report layout \"%1\" could not be read: %2.").arg(layoutFile, file.errorString());
        return report;
    }
    ReportLayout layout;
    std::string error;
    if (!ParseReportLayout(file.readAll().toStdString(), layout, error)) {
        report.error =
            QString("The report layout \"%1\" is not valid: %2.").arg(layoutFile, QString::fromStdString(error));
        return report;
    }

    const ReportOutput database(reportDatabase);
    Data data{Data::type::object};
    for (const ReportFlag& flag : layout.Flags) data.set(flag.Name, Data{false});
    const TaxYearData& year = ActiveTaxYear();
    data.set("tax_year_span", year.SpanText());
    data.set("tax_year_span_af", year.AfrikaansSpanText());
    data.set("tax_year_years", year.CalendarYearsText());
    data.set("tax_year_first", year.FirstDayText());
    data.set("tax_year_last", year.LastDayText());
    auto read = [&](const std::string& table, std::vector<FieldValues>& rows) {
        const StoreStatus status = database.ReadReportRows(table, rows);
        if (status.message.empty()) return true;
        report.error = QString::fromStdString(status.message);
        // Rebuilt just now, the database holds the delivered records instead
        // of the figures written for this report.
        if (status.ok) report.error += " The figures of this report were lost with it: print the report again.";
        return false;
    };
    for (const std::string& table : layout.RecordTables) {
        std::vector<FieldValues> rows;
        if (!read(table, rows)) return report;
        if (rows.empty()) continue;
        data = RowData(rows.front(), layout, data);
        for (const ReportFlag& flag : layout.Flags)
            if (FlagHolds(flag, rows.front())) data.set(flag.Name, Data{true});
    }
    report.afrikaans = data.get("afrikaans") && data.get("afrikaans")->is_true();
    const std::string today = QDate::currentDate().toString("dd/MM/yyyy").toStdString();
    data.set("printed_on", today);
    data.set("printed", (report.afrikaans ? "Gedruk op " : "Printed on ") + today);
    for (const std::string& table : layout.RowTables) {
        std::vector<FieldValues> rows;
        if (!read(table, rows)) return report;
        Data list{Data::type::list};
        for (std::size_t i = 0; i < rows.size(); ++i) {
            Data row = RowData(rows[i], layout, Data{Data::type::object});
            row.set("last_row", Data{i + 1 == rows.size()});
            list.push_back(row);
        }
        data.set(table, list);
    }

    kainjow::mustache::mustache page{layout.Body};
    if (!page.is_valid()) {
        report.error = QString("The report layout \"%1\" is not valid: %2.")
                           .arg(layoutFile, QString::fromStdString(page.error_message()));
        return report;
    }
    report.html = QString::fromStdString(page.render(data));
    report.ok = true;
    return report;
}

}  // namespace kelvara
