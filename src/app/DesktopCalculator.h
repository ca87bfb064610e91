#pragma once
#include <QStringList>

namespace kelvara {

// The desktop calculators tried, in turn, by "&MS-Calculator".
QStringList DesktopCalculatorPrograms();

// Starts the first of the programs that will start; false when none did.
bool StartFirstProgram(const QStringList& programs);

}  // namespace kelvara
