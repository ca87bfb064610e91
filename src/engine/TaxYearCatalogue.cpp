#include "TaxYearCatalogue.h"

#include <algorithm>
#include <system_error>

#include "TaxYearFile.h"

namespace kelvara {

namespace {

void Add(TaxYearCatalogue& catalogue, TaxYearChoice choice) {
    auto& years = catalogue.Years;
    const auto at = std::find_if(years.begin(), years.end(),
                                 [&](const TaxYearChoice& c) { return c.Data->Year >= choice.Data->Year; });
    if (at != years.end() && at->Data->Year == choice.Data->Year) {
        *at = std::move(choice);
    } else {
        years.insert(at, std::move(choice));
    }
}

// The year files of a folder, in name order so that the outcome never
// depends on the order the file system lists them in.
std::vector<std::filesystem::path> YearFilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == ".json" && it->is_regular_file(error)) files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

const TaxYearChoice* TaxYearCatalogue::Find(int year) const {
    for (const TaxYearChoice& choice : Years) {
        if (choice.Data->Year == year) return &choice;
    }
    return nullptr;
}

const TaxYearChoice& TaxYearCatalogue::Latest() const { return Years.back(); }

TaxYearCatalogue FindTaxYears(const std::vector<std::filesystem::path>& folders) {
    TaxYearCatalogue catalogue;
    Add(catalogue, {DeliveredTaxYear(), {}});
    for (const std::filesystem::path& folder : folders) {
        for (const std::filesystem::path& file : YearFilesIn(folder)) {
            TaxYearLoad load = LoadTaxYearFile(file);
            if (load.Year) {
                Add(catalogue, {std::move(load.Year), file});
            } else {
                catalogue.Refusals.push_back(std::move(load.Error));
            }
        }
    }
    return catalogue;
}

std::filesystem::path TaxYearFolder(const std::filesystem::path& dataFolder) { return dataFolder / "tax-years"; }

}  // namespace kelvara
