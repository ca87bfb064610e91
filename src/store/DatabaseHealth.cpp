#include "DatabaseHealth.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <optional>
#include <set>
#include <vector>

#include "SettingsStore.h"
#include "SetupRecord.h"
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

enum class Finding { Healthy, Damaged, Unusable };

struct Verdict {
    Finding Kind = Finding::Healthy;
    std::string Reason;
};

// Why the file at path cannot even be opened (a folder in its place, no
// permission to read it), or nothing.
std::optional<std::string> NotOpenable(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) return error.message();
    if (std::filesystem::is_directory(status)) return "it is a folder, not a file";
    if (!std::filesystem::is_regular_file(status)) return "it is not a regular file";
    if (access(path.c_str(), R_OK) != 0) return "it may not be read (" + std::string(std::strerror(errno)) + ")";
    return std::nullopt;
}

// SQLite rolls back a save that was cut short (a hot journal) only on a
// connection that may write the file and its folder.
bool Writable(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    return access(path.c_str(), W_OK) == 0 && access(folder.c_str(), W_OK) == 0;
}

// What is wrong with the database. Throws when it is in use.
Verdict Inspect(const std::filesystem::path& path, DeliveredDatabase which) {
    if (std::optional<std::string> why = NotOpenable(path)) return {Finding::Unusable, *why};
    try {
        sqlite::Database db(path, Writable(path) ? sqlite::OpenMode::ReadWrite : sqlite::OpenMode::ReadOnly);
        sqlite::Statement check = db.Prepare("PRAGMA quick_check");
        if (!check.Step() || check.ColumnText(0) != "ok") return {Finding::Damaged, "it is damaged"};
        for (const TableShape& expected : DeliveredShape(which)) {
            std::set<std::string> present = ColumnsOf(db, expected.name);
            if (present.empty()) return {Finding::Damaged, "table \"" + expected.name + "\" is missing"};
            for (const std::string& column : expected.columns)
                if (!present.contains(column))
                    return {Finding::Damaged, "table \"" + expected.name + "\" has no field \"" + column + "\""};
            if (expected.hasRecord && !HasRecord(db, expected.name))
                return {Finding::Damaged, "table \"" + expected.name + "\" has lost its record"};
        }
        return {};
    } catch (const sqlite::Error& e) {
        if (e.isBusy()) throw;
        if (e.isDamage()) return {Finding::Damaged, std::string("it cannot be read as a database (") + e.what() + ")"};
        if (e.isReadOnly())
            return {Finding::Unusable,
                    "a save to it was cut short and cannot be rolled back without permission to "
                    "write it (" +
                        std::string(e.what()) + ")"};
        return {Finding::Unusable, e.what()};
    }
}

// Sets stored settings that the program cannot use back to the delivered
// values; says which, or nothing. A file that may not be written keeps them
// (the settings store then uses the delivered values and says so).
std::string RepairStoredSettings(const std::filesystem::path& path, const std::string& name) {
    if (!Writable(path)) return {};
    sqlite::Database db(path, sqlite::OpenMode::ReadWrite);
    Settings stored;
    const std::vector<UnusableSetting> unusable = ReadSetup(db, PackageSettingsFields(), stored);
    if (unusable.empty()) return {};
    SettingsFields fields;
    for (const UnusableSetting& setting : unusable) fields.push_back(setting.Field);
    sqlite::Transaction transaction(db);
    WriteSetup(db, fields, DeliveredSettings());
    transaction.Commit();
    return name + " held settings that could not be used: " + DescribeUnusable(unusable) +
           ". They have been set back to the values delivered with the program.";
}

std::string NameOf(const std::filesystem::path& path, DeliveredDatabase which) {
    return std::string("The ") + DescribeDatabase(which) + " \"" + path.string() + "\"";
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
    const std::string name = NameOf(path, which);
    try {
        std::string repaired;
        std::error_code ignored;
        if (!std::filesystem::exists(std::filesystem::symlink_status(path, ignored))) {
            repaired = name + " was missing.";
        } else {
            const Verdict verdict = Inspect(path, which);
            if (verdict.Kind == Finding::Unusable)
                return StoreStatus::Failure(name + " cannot be used: " + verdict.Reason + ". It was left as it is.");
            if (verdict.Kind == Finding::Healthy)
                return {true, which == DeliveredDatabase::Settings ? RepairStoredSettings(path, name) : ""};
            std::filesystem::path aside = MoveAside(path);
            repaired = name + " could not be used: " + verdict.Reason + ". The damaged file was kept as \"" +
                       aside.string() + "\".";
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

StoreStatus CheckDatabaseUsable(const std::filesystem::path& path, DeliveredDatabase which) {
    const std::string name = NameOf(path, which);
    try {
        std::error_code ignored;
        if (!std::filesystem::exists(std::filesystem::symlink_status(path, ignored)))
            return CreateDeliveredDatabase(path, which);
        const Verdict verdict = Inspect(path, which);
        if (verdict.Kind == Finding::Healthy) return {};
        return StoreStatus::Failure(name + " could not be used: " + verdict.Reason + ".");
    } catch (const std::exception& e) {
        return StoreStatus::Failure(name + " could not be opened: " + e.what() + ".");
    }
}

}  // namespace kelvara
