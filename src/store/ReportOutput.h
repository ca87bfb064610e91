#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "FieldValue.h"
#include "StoreStatus.h"

namespace kelvara {

// Fills the tables of the report database that the report layouts read. Each
// operation opens and closes the database and changes it in one transaction:
// on any error nothing is changed and the status says what went wrong. A
// missing or damaged database is rebuilt as delivered first.
class ReportOutput {
public:
    explicit ReportOutput(std::filesystem::path databasePath) : path_(std::move(databasePath)) {}

    // Overwrites the fields given, in the order given, in the one record of a
    // single-record table. Fields not given keep what the last print left.
    StoreStatus WriteReportRecord(const std::string& table, const FieldValues& fields) const;

    // Empties a one-row-per-item table with its emptying statement (such as
    // "DELETE *FROM compcar", which must name the same table) and adds the
    // rows given, so the table holds exactly those rows.
    StoreStatus ReplaceReportRows(const std::string& table, std::string_view emptyingStatement,
                                  const std::vector<FieldValues>& rows) const;

    // Every record of a table, in the order they were added, with all fields.
    StoreStatus ReadReportRows(const std::string& table, std::vector<FieldValues>& rows) const;

private:
    std::filesystem::path path_;
};

}  // namespace kelvara
