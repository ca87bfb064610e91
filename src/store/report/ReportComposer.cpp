#include "ReportComposer.h"

#include <QDate>
#include <QFile>
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

Data RowData(const FieldValues& row, const ReportLayout& layout, Data data) {
    for (const auto& [name, value] : row) {
        const auto format = layout.Formats.find(name);
        data.set(name, DisplayValue(value, format == layout.Formats.end() ? nullptr : &format->second));
    }
    return data;
}

}  // namespace

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
        report.error = QString("The report layout \"%1\" is not valid: %2.").arg(layoutFile, QString::fromStdString(error));
        return report;
    }

    const ReportOutput database(reportDatabase);
    Data data{Data::type::object};
    data.set("printed_on", QDate::currentDate().toString("dd/MM/yyyy").toStdString());
    const TaxYearData& year = ActiveTaxYear();
    data.set("tax_year_span", year.SpanText());
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
        if (!rows.empty()) data = RowData(rows.front(), layout, data);
    }
    for (const std::string& table : layout.RowTables) {
        std::vector<FieldValues> rows;
        if (!read(table, rows)) return report;
        Data list{Data::type::list};
        for (const FieldValues& row : rows) list.push_back(RowData(row, layout, Data{Data::type::object}));
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
