// Build-time tool: writes a delivered database from the schema compiled into
// the store, the same code that rebuilds a damaged database at run time.
// Usage: kv-makedb settings|reports <output file>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "DeliveredDatabase.h"

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "settings") != 0 && std::strcmp(argv[1], "reports") != 0)) {
        std::cerr << "usage: kv-makedb settings|reports <output file>\n";
        return 2;
    }
    using kelvara::DeliveredDatabase;
    const DeliveredDatabase which =
        std::strcmp(argv[1], "settings") == 0 ? DeliveredDatabase::Settings : DeliveredDatabase::Reports;
    const std::filesystem::path output = argv[2];
    std::error_code ignored;
    std::filesystem::remove(output, ignored);
    kelvara::StoreStatus status = kelvara::CreateDeliveredDatabase(output, which);
    if (!status.ok) {
        std::cerr << status.message << "\n";
        return 1;
    }
    return 0;
}
