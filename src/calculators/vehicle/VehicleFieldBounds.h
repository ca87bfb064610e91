#pragma once

namespace kelvara {

// What one numeric entry field of a vehicle window accepts, named by the
// state field it stores into. The window sets its field from it and the
// command-line tool checks its option against it.
struct VehicleFieldBounds {
    const char* Field;
    int Decimals;
    int IntegerDigits;
    double Min;
    double Max;
};

}  // namespace kelvara
