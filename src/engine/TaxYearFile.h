#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "TaxYearData.h"

namespace kelvara {

// A year file read: the year, or why the file was refused (a message naming
// the file and the key at fault).
struct TaxYearLoad {
    std::shared_ptr<const TaxYearData> Year;
    std::string Error;
};

// Reads the text of a year file; fileName only names it in the message.
TaxYearLoad ReadTaxYear(std::string_view jsonText, const std::string& fileName);

// Reads the year file at path.
TaxYearLoad LoadTaxYearFile(const std::filesystem::path& path);

// The year delivered with the program, built in from its year file so that
// the program always has a year to fall back on.
std::shared_ptr<const TaxYearData> DeliveredTaxYear();

}  // namespace kelvara
