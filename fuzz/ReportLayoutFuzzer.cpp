// Report layouts: any text is read as a layout or refused with a reason, and a
// layout that is read fills its template the way reports are filled: the
// record's fields and a list of rows, numbers shown by the layout's patterns.
#include <kainjow/mustache.hpp>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "NumberFormat.h"
#include "ReportLayout.h"

using namespace kelvara;
using Data = kainjow::mustache::data;

namespace {

Data Fields(const ReportLayout& layout, double value, Data data) {
    data.set("TAXINCOME", FormatNumber(value, 2));
    data.set("NAME", "A & B <c>");
    for (const auto& [field, pattern] : layout.Formats) data.set(field, FormatPattern(value, pattern));
    return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 16384) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    ReportLayout layout;
    std::string error;
    if (!ParseReportLayout(text, layout, error)) {
        KV_FUZZ_CHECK(!error.empty(), text);
        return 0;
    }
    KV_FUZZ_CHECK(text.find("---") != std::string::npos, text);
    KV_FUZZ_CHECK(text.size() >= layout.Body.size() && text.ends_with(layout.Body), text);

    Data values = Fields(layout, 1234567.125, Data{Data::type::object});
    values.set("printed_on", "01/03/2026");
    for (const std::string& table : layout.RowTables) {
        Data rows{Data::type::list};
        for (double value : {0.0, -0.5, 99999999.995}) rows.push_back(Fields(layout, value, Data{Data::type::object}));
        values.set(table, rows);
    }
    kainjow::mustache::mustache page{layout.Body};
    if (page.is_valid()) {
        page.render(values);
    } else {
        KV_FUZZ_CHECK(!page.error_message().empty(), text);
    }
    return 0;
}
