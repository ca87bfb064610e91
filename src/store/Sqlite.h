#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "FieldValue.h"

struct sqlite3;
struct sqlite3_stmt;

namespace kelvara::sqlite {

// An error of the database engine, with its primary result code. It never
// leaves the store: the public operations turn it into a StoreStatus.
class Error : public std::runtime_error {
public:
    Error(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
    int code() const { return code_; }
    bool isBusy() const;      // locked by another connection
    bool isDamage() const;    // not a database, or corrupt
    bool isReadOnly() const;  // needed writing where it may not write

private:
    int code_;
};

enum class OpenMode { ReadOnly, ReadWrite, Create };

class Statement;

// One open connection; closed when it goes out of scope.
class Database {
public:
    Database(const std::filesystem::path& path, OpenMode mode);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void Execute(const std::string& sql);
    Statement Prepare(const std::string& sql);
    int Changes() const;  // rows changed by the last statement
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// A prepared statement. Bind indexes count from 1, column indexes from 0.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;

    void Bind(int index, const FieldValue& value);
    bool Step();  // true while a row is available
    void Reset();

    int ColumnCount() const;
    std::string ColumnName(int column) const;
    FieldValue Column(int column) const;  // NULL reads as an empty text
    double ColumnDouble(int column) const;
    bool ColumnIsNumber(int column) const;  // an integer or a real, not NULL or text
    std::string ColumnText(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// BEGIN IMMEDIATE on construction; rolled back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

private:
    Database& db_;
    bool done_ = false;
};

// A table or field name quoted for SQL ("TAXCOM4/2" needs it).
std::string QuoteIdentifier(std::string_view name);

}  // namespace kelvara::sqlite
