#include "DesktopCalculator.h"

#include <QProcess>

namespace kelvara {

QStringList DesktopCalculatorPrograms() {
    return {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};
}

bool StartFirstProgram(const QStringList& programs) {
    for (const QString& program : programs)
        if (QProcess::startDetached(program, {})) return true;
    return false;
}

}  // namespace kelvara
