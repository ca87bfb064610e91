#include "ReportOutput.h"

#include <regex>

#include "DatabaseHealth.h"
#include "Sqlite.h"

namespace kelvara {

namespace {

// The table that an emptying statement of the form "DELETE [*] FROM table"
// empties, whatever the spacing; nothing for any other statement.
std::string TableEmptiedBy(std::string_view statement) {
    static const std::regex pattern(R"re(^\s*DELETE\s*\*?\s*FROM\s+"?([A-Za-z_][A-Za-z0-9_]*)"?\s*;?\s*$)re",
                                    std::regex::icase);
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_match(statement.begin(), statement.end(), match, pattern)) return {};
    return match[1].str();
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return std::tolower(x) == std::tolower(y); });
}

void InsertRow(sqlite::Database& db, const std::string& table, const FieldValues& row) {
    if (row.empty()) {
        db.Execute("INSERT INTO " + sqlite::QuoteIdentifier(table) + " DEFAULT VALUES");
        return;
    }
    std::string names, places;
    for (const auto& [name, value] : row) {
        names += (names.empty() ? "" : ", ") + sqlite::QuoteIdentifier(name);
        places += places.empty() ? "?" : ", ?";
    }
    sqlite::Statement insert =
        db.Prepare("INSERT INTO " + sqlite::QuoteIdentifier(table) + " (" + names + ") VALUES (" + places + ")");
    for (std::size_t i = 0; i < row.size(); ++i) insert.Bind(static_cast<int>(i + 1), row[i].second);
    insert.Step();
}

StoreStatus Failed(const std::string& table, const std::string& why) {
    return StoreStatus::Failure("The report table \"" + table + "\" could not be written: " + why +
                                ". Nothing was changed.");
}

}  // namespace

StoreStatus ReportOutput::WriteReportRecord(const std::string& table, const FieldValues& fields) const {
    StoreStatus health = EnsureDatabaseHealthy(path_, DeliveredDatabase::Reports);
    if (!health.ok || fields.empty()) return health;
    try {
        sqlite::Database db(path_, sqlite::OpenMode::ReadWrite);
        const std::string quoted = sqlite::QuoteIdentifier(table);
        std::string assignments;
        for (const auto& [name, value] : fields)
            assignments += (assignments.empty() ? "" : ", ") + sqlite::QuoteIdentifier(name) + " = ?";
        sqlite::Transaction transaction(db);
        sqlite::Statement update = db.Prepare("UPDATE " + quoted + " SET " + assignments +
                                              " WHERE rowid = (SELECT min(rowid) FROM " + quoted + ")");
        for (std::size_t i = 0; i < fields.size(); ++i) update.Bind(static_cast<int>(i + 1), fields[i].second);
        update.Step();
        if (db.Changes() != 1) return Failed(table, "it has no record");
        transaction.Commit();
        return health;
    } catch (const std::exception& e) {
        return Failed(table, e.what());
    }
}

StoreStatus ReportOutput::ReplaceReportRows(const std::string& table, std::string_view emptyingStatement,
                                            const std::vector<FieldValues>& rows) const {
    if (!SameName(TableEmptiedBy(emptyingStatement), table))
        return Failed(table, "the statement \"" + std::string(emptyingStatement) + "\" does not empty it");
    StoreStatus health = EnsureDatabaseHealthy(path_, DeliveredDatabase::Reports);
    if (!health.ok) return health;
    try {
        sqlite::Database db(path_, sqlite::OpenMode::ReadWrite);
        sqlite::Transaction transaction(db);
        db.Execute("DELETE FROM " + sqlite::QuoteIdentifier(table));
        for (const FieldValues& row : rows) InsertRow(db, table, row);
        transaction.Commit();
        return health;
    } catch (const std::exception& e) {
        return Failed(table, e.what());
    }
}

StoreStatus ReportOutput::ReadReportRows(const std::string& table, std::vector<FieldValues>& rows) const {
    StoreStatus health = EnsureDatabaseHealthy(path_, DeliveredDatabase::Reports);
    if (!health.ok) return health;
    try {
        sqlite::Database db(path_, sqlite::OpenMode::ReadOnly);
        sqlite::Statement query = db.Prepare("SELECT * FROM " + sqlite::QuoteIdentifier(table) + " ORDER BY rowid");
        rows.clear();
        while (query.Step()) {
            FieldValues row;
            for (int c = 0; c < query.ColumnCount(); ++c) row.emplace_back(query.ColumnName(c), query.Column(c));
            rows.push_back(std::move(row));
        }
        return health;
    } catch (const std::exception& e) {
        return StoreStatus::Failure("The report table \"" + table + "\" could not be read: " + e.what() + ".");
    }
}

}  // namespace kelvara
