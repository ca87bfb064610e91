#pragma once
#include <string>

namespace kelvara {

// An input or a calculation a calculator refuses: its window shows the title
// and text in a message box and kelvara-calc answers with them as its error.
struct Refusal {
    std::string Title;
    std::string Text;
    bool ErrorIcon = true;  // the box shows the error icon; a few notices show none
};

}  // namespace kelvara
