#pragma once
#include <QString>

namespace kelvara {

// The program's version numbers, as the build gives them (1.1.0).
struct ProgramVersion {
    int Major;
    int Minor;
    int Revision;
};

ProgramVersion CurrentVersion();

// "1.1.0": the form QCoreApplication keeps.
QString VersionString(ProgramVersion version);

// "1.01.000": the minor version shown with two digits, the revision with three.
QString VersionText(ProgramVersion version);

// The three numbers written one after the other and read as one number
// (1.1.0 gives 110). The disclaimer is accepted once per such number.
int VersionNumber(ProgramVersion version);

// The maker's name, shown after the version in the main window's caption and
// before "Disclaimer" in the disclaimer's caption.
inline constexpr const char* MakerName = "Kelvara Software";

// "Kelvara 2027 Ver: 1.01.000 - Kelvara Software".
QString MainCaption(ProgramVersion version);

}  // namespace kelvara
