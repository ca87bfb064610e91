// The payroll batch: any CSV text either is refused as a whole before anything
// is written, or gives a CSV whose every line has as many cells as its header.
// Cells written by CsvCell read back as they were.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "CsvPayeBatch.h"
#include "CsvTable.h"
#include "FuzzCheck.h"
#include "Options.h"

using namespace kelvara;
using namespace kelvara::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 8192) return 0;
    // The first byte picks the calculator, the rest is the file.
    const auto kind = static_cast<PayPeriodKind>(data[0] % 5);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    // Every line split into cells and written again splits into the same cells.
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const auto cells = SplitCsvLine(line);
        if (!cells) continue;
        std::string written;
        for (std::size_t i = 0; i < cells->size(); ++i) written += (i > 0 ? "," : "") + CsvCell((*cells)[i]);
        KV_FUZZ_CHECK(SplitCsvLine(written) == cells, line);
    }

    std::istringstream in(text);
    std::ostringstream out, err;
    int status = 0;
    try {
        status = RunPayeBatch(kind, PayeRow{}, in, out, err);
    } catch (const UsageError&) {
        KV_FUZZ_CHECK(out.str().empty(), text);
        return 0;
    }
    KV_FUZZ_CHECK(status == 0 || status == 1, text);
    KV_FUZZ_CHECK(status == 1 || err.str().empty(), text);

    std::istringstream written(out.str());
    std::string header;
    KV_FUZZ_CHECK(std::getline(written, header), text);
    const auto headerCells = SplitCsvLine(header);
    KV_FUZZ_CHECK(headerCells.has_value(), header);
    for (std::string line; std::getline(written, line);) {
        const auto cells = SplitCsvLine(line);
        KV_FUZZ_CHECK(cells && cells->size() == headerCells->size(), header + "\n" + line);
        KV_FUZZ_CHECK(line.find("nan") == std::string::npos && line.find("inf") == std::string::npos, line);
    }
    return 0;
}
