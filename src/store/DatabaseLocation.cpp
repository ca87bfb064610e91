#include "DatabaseLocation.h"

#include <unistd.h>

#include <cstdlib>

#include "DeliveredDatabase.h"

namespace kelvara {

namespace {

DatabasePaths PathsIn(const std::filesystem::path& folder) {
    return {folder / DeliveredFileName(DeliveredDatabase::Settings),
            folder / DeliveredFileName(DeliveredDatabase::Reports)};
}

void CopyIfAbsent(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code ignored;
    if (!std::filesystem::exists(to, ignored) && std::filesystem::exists(from, ignored))
        std::filesystem::copy_file(from, to, ignored);
}

}  // namespace

std::filesystem::path ProgramFolder() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : program.parent_path();
}

std::filesystem::path UserDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg) return std::filesystem::path(xdg) / "kelvara2027";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : ".") / ".local" / "share" / "kelvara2027";
}

DatabasePaths ResolveDatabasePaths(const std::filesystem::path& programFolder,
                                   const std::filesystem::path& userDataFolder) {
    if (access(programFolder.c_str(), W_OK) == 0) return PathsIn(programFolder);
    std::error_code ignored;
    std::filesystem::create_directories(userDataFolder, ignored);
    const DatabasePaths delivered = PathsIn(programFolder);
    const DatabasePaths own = PathsIn(userDataFolder);
    CopyIfAbsent(delivered.SettingsDatabasePath, own.SettingsDatabasePath);
    CopyIfAbsent(delivered.ReportDatabasePath, own.ReportDatabasePath);
    return own;
}

}  // namespace kelvara
