#pragma once
// What befalls a user's settings database between runs, done to a file the
// way it happens: a save cut short by a power cut, a value written by hand.
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace kelvara::testing {

// Runs SQL on the database and says whether it worked.
inline bool RunSqlOn(const std::filesystem::path& database, const std::string& sql) {
    sqlite3* db = nullptr;
    bool done = sqlite3_open(database.c_str(), &db) == SQLITE_OK &&
                sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return done;
}

// Saves the user's employee UIF, then starts another save large enough to
// reach the file and kills the writer in the middle of it: the database is
// left with a hot journal that SQLite rolls back to the user's value.
inline bool InterruptSaveAfter(const std::filesystem::path& database, double employeeUif) {
    if (!RunSqlOn(database, "UPDATE Setup SET EmployeeUIF = " + std::to_string(employeeUif))) return false;
    const pid_t writer = fork();
    if (writer == 0) {
        sqlite3* db = nullptr;
        sqlite3_open(database.c_str(), &db);
        sqlite3_exec(db,
                     "PRAGMA cache_size = 1; BEGIN; UPDATE Setup SET EmployeeUIF = 99; CREATE TABLE Filler(x);"
                     "INSERT INTO Filler WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                     " SELECT randomblob(500) FROM n;",
                     nullptr, nullptr, nullptr);
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(writer, &status, 0);
    std::filesystem::path journal = database;
    journal += "-journal";
    return WIFSIGNALED(status) && std::filesystem::file_size(journal) > 0;
}

}  // namespace kelvara::testing
