#pragma once
#include <CLI/CLI.hpp>

namespace kelvara::cli {

// Makes the year a command works in the one that --tax-year YEAR or
// --tax-year-file PATH names, or else the latest year the program has. It
// reads the command line ahead of the commands, whose date bounds are the
// year's; throws UsageError for an unknown year or a refused year file.
void ChooseTaxYear(int argc, char** argv);

// Adds both options to the tool, so that help lists them and every command
// takes them.
void AddTaxYearOptions(CLI::App& app);

}  // namespace kelvara::cli
