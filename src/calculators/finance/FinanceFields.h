#pragma once
#include "FieldBounds.h"
#include "Refusal.h"

namespace kelvara {

// A spin-button press: the new value and whether the system beep sounds.
struct SpinStep {
    double Value;
    bool Beep;
};

}  // namespace kelvara
