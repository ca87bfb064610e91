#include "DatabaseHealth.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <optional>
#include <set>
#include <vector>

#include "Sqlite.h"

namespace kelvara {

namespace {

struct TableShape {
    std::string name;
    std::set<std::string> columns;  // lower case: field names are case-insensitive
    bool hasRecord = false;
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::set<std::string> ColumnsOf(sqlite::Database& db, const std::string& table) {
    std::set<std::string> columns;
    sqlite::Statement query = db.Prepare("SELECT name FROM pragma_table_info(?)");
    query.Bind(1, table);
    while (query.Step()) columns.insert(Lower(query.ColumnText(0)));
    return columns;
}

bool HasRecord(sqlite::Database& db, const std::string& table) {
    sqlite::Statement query = db.Prepare("SELECT EXISTS (SELECT 1 FROM " + sqlite::QuoteIdentifier(table) + ")");
    query.Step();
    return query.ColumnDouble(0) != 0;
}

// The tables, fields and records of the delivered database, read from its
// schema built in memory.
std::vector<TableShape> DeliveredShape(DeliveredDatabase which) {
    sqlite::Database db(":memory:", sqlite::OpenMode::Create);
    db.Execute(DeliveredSchema(which));
    std::vector<TableShape> shape;
    sqlite::Statement tables = db.Prepare("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid");
    while (tables.Step()) {
        TableShape table{tables.ColumnText(0), {}, false};
        table.columns = ColumnsOf(db, table.name);
        table.hasRecord = HasRecord(db, table.name);
        shape.push_back(std::move(table));
    }
    return shape;
}

// What is wrong with the database, or nothing. Throws when it is in use.
std::optional<std::string> FindDamage(const std::filesystem::path& path, DeliveredDatabase which) {
    try {
        sqlite::Database db(path, sqlite::OpenMode::ReadOnly);
        sqlite::Statement check = db.Prepare("PRAGMA quick_check");
        if (!check.Step() || check.ColumnText(0) != "ok") return "it is damaged";
        for (const TableShape& expected : DeliveredShape(which)) {
            std::set<std::string> present = ColumnsOf(db, expected.name);
            if (present.empty()) return "table \"" + expected.name + "\" is missing";
            for (const std::string& column : expected.columns)
                if (!present.contains(column))
                    return "table \"" + expected.name + "\" has no field \"" + column + "\"";
            if (expected.hasRecord && !HasRecord(db, expected.name))
                return "table \"" + expected.name + "\" has lost its record";
        }
        return std::nullopt;
    } catch (const sqlite::Error& e) {
        if (e.isBusy()) throw;
        return std::string("it cannot be read as a database (") + e.what() + ")";
    }
}

std::string Timestamp() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// Renames the database, and any journal that belongs to it, out of the way.
std::filesystem::path MoveAside(const std::filesystem::path& path) {
    std::filesystem::path aside = path;
    aside += ".damaged-" + Timestamp();
    for (int n = 2; std::filesystem::exists(aside); ++n) {
        aside = path;
        aside += ".damaged-" + Timestamp() + "-" + std::to_string(n);
    }
    std::filesystem::rename(path, aside);
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        std::filesystem::path from = path, to = aside;
        from += suffix;
        to += suffix;
        std::error_code ignored;
        if (std::filesystem::exists(from, ignored)) std::filesystem::rename(from, to, ignored);
    }
    return aside;
}

}  // namespace

StoreStatus EnsureDatabaseHealthy(const std::filesystem::path& path, DeliveredDatabase which) {
    const std::string name = std::string("The ") + DescribeDatabase(which) + " \"" + path.string() + "\"";
    try {
        std::string repaired;
        if (!std::filesystem::exists(path)) {
            repaired = name + " was missing.";
        } else if (std::optional<std::string> damage = FindDamage(path, which)) {
            std::filesystem::path aside = MoveAside(path);
            repaired = name + " could not be used: " + *damage + ". The damaged file was kept as \"" +
                       aside.string() + "\".";
        } else {
            return {};
        }
        StoreStatus created = CreateDeliveredDatabase(path, which);
        if (!created.ok) return StoreStatus::Failure(repaired + " " + created.message);
        return {true, repaired + " It has been recreated as delivered with the program."};
    } catch (const sqlite::Error& e) {
        if (!e.isBusy()) return StoreStatus::Failure(name + " could not be checked: " + e.what() + ".");
        return StoreStatus::Failure(name + " is in use and could not be opened (" + e.what() + ").");
    } catch (const std::exception& e) {
        return StoreStatus::Failure(name + " could not be checked or repaired: " + e.what() + ".");
    }
}

}  // namespace kelvara
