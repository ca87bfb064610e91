#pragma once
#include <filesystem>

namespace kelvara {

// Where the program keeps its two databases.
struct DatabasePaths {
    std::filesystem::path SettingsDatabasePath;
    std::filesystem::path ReportDatabasePath;
};

// The folder of the running program.
std::filesystem::path ProgramFolder();

// The user's own data folder for the program: $XDG_DATA_HOME/kelvara2027, or
// ~/.local/share/kelvara2027 when XDG_DATA_HOME is not set.
std::filesystem::path UserDataFolder();

// The databases live beside the program. When that folder cannot be written
// (an installed program), they live in the user's data folder instead, which
// is created and given copies of the delivered databases on first use. A
// database that is still missing afterwards is rebuilt when first opened.
DatabasePaths ResolveDatabasePaths(const std::filesystem::path& programFolder,
                                   const std::filesystem::path& userDataFolder);

}  // namespace kelvara
