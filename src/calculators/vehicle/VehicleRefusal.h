#pragma once
#include <string>

namespace kelvara {

// An input the vehicle windows refuse with an error message box; the
// command-line tool answers with the same title and text.
struct VehicleRefusal {
    std::string Title;
    std::string Message;
};

}  // namespace kelvara
