#include "TaxYearOption.h"

#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "ActiveTaxYear.h"
#include "DatabaseLocation.h"
#include "Options.h"
#include "TaxYearCatalogue.h"
#include "TaxYearFile.h"

namespace kelvara::cli {

namespace {

constexpr std::string_view YearOption = "--tax-year";
constexpr std::string_view FileOption = "--tax-year-file";

// The value of an option given as "--name VALUE" or "--name=VALUE"; the last
// one counts, as with every other option.
std::optional<std::string> OptionValue(int argc, char** argv, std::string_view name) {
    std::optional<std::string> value;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == name && i + 1 < argc) {
            value = argv[++i];
        } else if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
            value = std::string(arg.substr(name.size() + 1));
        }
    }
    return value;
}

std::string YearsText(const TaxYearCatalogue& catalogue) {
    std::string text;
    for (const TaxYearChoice& choice : catalogue.Years) {
        text += (text.empty() ? "" : ", ") + std::to_string(choice.Data->Year);
    }
    return text;
}

}  // namespace

void ChooseTaxYear(int argc, char** argv) {
    if (const auto file = OptionValue(argc, argv, FileOption)) {
        TaxYearLoad load = LoadTaxYearFile(*file);
        if (!load.Year) throw UsageError(load.Error);
        UseTaxYear(std::move(load.Year));
        return;
    }
    const TaxYearCatalogue catalogue = FindTaxYears({TaxYearFolder(ProgramFolder()), TaxYearFolder(UserDataFolder())});
    for (const std::string& refusal : catalogue.Refusals) std::cerr << "kelvara-calc: " << refusal << "\n";
    const TaxYearChoice* choice = &catalogue.Latest();
    if (const auto year = OptionValue(argc, argv, YearOption)) {
        int wanted = 0;
        try {
            std::size_t used = 0;
            wanted = std::stoi(*year, &used);
            if (used != year->size()) wanted = 0;
        } catch (const std::exception&) {}
        choice = catalogue.Find(wanted);
        if (!choice) {
            throw UsageError("--tax-year " + year->substr(0, 40) + ": no such tax year; the years at hand are " +
                             YearsText(catalogue));
        }
    }
    UseTaxYear(choice->Data);
}

void AddTaxYearOptions(CLI::App& app) {
    // Read by ChooseTaxYear before the commands are made; here they are only
    // accepted and listed.
    static std::string ignored;
    app.add_option(std::string(YearOption), ignored,
                   "work in the tax year that ends in YEAR (default: the latest year at hand)");
    app.add_option(std::string(FileOption), ignored, "work in the figures of this year file");
}

}  // namespace kelvara::cli
