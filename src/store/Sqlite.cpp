#include "Sqlite.h"

#include <sqlite3.h>

namespace kelvara::sqlite {

namespace {

constexpr int kBusyTimeoutMs = 2000;

[[noreturn]] void Fail(sqlite3* db, int code) {
    std::string text = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    throw Error(code & 0xff, text);
}

void Check(sqlite3* db, int code) {
    if (code != SQLITE_OK) Fail(db, code);
}

}  // namespace

bool Error::isBusy() const { return code_ == SQLITE_BUSY || code_ == SQLITE_LOCKED; }

bool Error::isDamage() const { return code_ == SQLITE_NOTADB || code_ == SQLITE_CORRUPT; }

bool Error::isReadOnly() const { return code_ == SQLITE_READONLY; }

Database::Database(const std::filesystem::path& path, OpenMode mode) {
    int flags = mode == OpenMode::ReadOnly    ? SQLITE_OPEN_READONLY
                : mode == OpenMode::ReadWrite ? SQLITE_OPEN_READWRITE
                                              : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    int code = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (code != SQLITE_OK) {
        std::string text = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        sqlite3_close(db_);
        db_ = nullptr;
        throw Error(code & 0xff, text);
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
}

Database::~Database() { sqlite3_close(db_); }

void Database::Execute(const std::string& sql) {
    Check(db_, sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr));
}

int Database::Changes() const { return sqlite3_changes(db_); }

Statement Database::Prepare(const std::string& sql) { return Statement(db_, sql); }

Statement::Statement(sqlite3* db, const std::string& sql) : db_(db) {
    Check(db_, sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt_, nullptr));
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement::Statement(Statement&& other) noexcept : db_(other.db_), stmt_(other.stmt_) { other.stmt_ = nullptr; }

void Statement::Bind(int index, const FieldValue& value) {
    int code = std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::string>)
                return sqlite3_bind_text(stmt_, index, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
            else if constexpr (std::is_same_v<T, double> || std::is_same_v<T, float>)
                return sqlite3_bind_double(stmt_, index, static_cast<double>(v));
            else
                return sqlite3_bind_int(stmt_, index, static_cast<int>(v));
        },
        value);
    Check(db_, code);
}

bool Statement::Step() {
    int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    Fail(db_, code);
}

void Statement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }

std::string Statement::ColumnName(int column) const { return sqlite3_column_name(stmt_, column); }

FieldValue Statement::Column(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
        case SQLITE_INTEGER: return static_cast<std::int32_t>(sqlite3_column_int(stmt_, column));
        case SQLITE_FLOAT: return sqlite3_column_double(stmt_, column);
        default: return ColumnText(column);
    }
}

double Statement::ColumnDouble(int column) const { return sqlite3_column_double(stmt_, column); }

bool Statement::ColumnIsNumber(int column) const {
    const int type = sqlite3_column_type(stmt_, column);
    return type == SQLITE_INTEGER || type == SQLITE_FLOAT;
}

std::string Statement::ColumnText(int column) const {
    const unsigned char* text = sqlite3_column_text(stmt_, column);
    return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

Transaction::Transaction(Database& db) : db_(db) { db_.Execute("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
    if (!done_) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::Commit() {
    db_.Execute("COMMIT");
    done_ = true;
}

std::string QuoteIdentifier(std::string_view name) {
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace kelvara::sqlite
