#pragma once
#include <string>

namespace kelvara {

// The bounds of one numeric entry field of a finance window: the window sets
// its field from them and the command-line tool refuses the same values.
struct FinanceFieldBounds {
    const char* Name;   // the field's control name
    int Decimals;
    int IntegerDigits;
    double Min;
    double Max;
};

// A refusal the window shows in a message box (error icon) and the
// command-line tool prints as its error.
struct FinanceMessage {
    std::string Title;
    std::string Text;
};

// A spin-button press: the new value and whether the system beep sounds.
struct SpinStep {
    double Value;
    bool Beep;
};

}  // namespace kelvara
