#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TaxYearData.h"

namespace kelvara {

// One tax year the program can work in, and the file it came from (empty for
// the year built into the program).
struct TaxYearChoice {
    std::shared_ptr<const TaxYearData> Data;
    std::filesystem::path File;
};

// The years found, earliest first, one per year, and the messages of the
// year files that were refused.
struct TaxYearCatalogue {
    std::vector<TaxYearChoice> Years;
    std::vector<std::string> Refusals;

    // The year ending in the given calendar year; nothing when none.
    const TaxYearChoice* Find(int year) const;
    // The latest year: the one the program works in unless told otherwise.
    const TaxYearChoice& Latest() const;
};

// The delivered year, then every "*.json" in each folder in turn (a folder
// that does not exist adds nothing). A file for a year already found takes
// its place, so a year file in the user's folder overrides the program's.
TaxYearCatalogue FindTaxYears(const std::vector<std::filesystem::path>& folders);

// The folder of year files inside a program or user data folder.
std::filesystem::path TaxYearFolder(const std::filesystem::path& dataFolder);

}  // namespace kelvara
