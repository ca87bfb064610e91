#pragma once
#include <string>
#include <utility>

namespace kelvara {

// The outcome of a settings or report-database operation. Nothing is thrown:
// a failure comes back with ok false and a message for the user; a success
// may still carry a message, when the database had to be rebuilt first.
struct StoreStatus {
    bool ok = true;
    std::string message;

    static StoreStatus Failure(std::string text) { return {false, std::move(text)}; }
};

}  // namespace kelvara
