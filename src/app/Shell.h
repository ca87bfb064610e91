#pragma once
#include <QString>

#include "CalcState.h"
#include "DatabaseLocation.h"
#include "MainWindow.h"
#include "TaxYearMenu.h"

namespace kelvara {

// The program from launch until it waits for commands: owns the shared
// calculation state and the main window, with every window registered.
class Shell {
public:
    // programFolder holds the picture, the help document and the databases.
    explicit Shell(const QString& programFolder);

    // Loads and shows the main window, resets the shared state, sets the
    // database paths, shows the About window unless turned off and, once per
    // version, the disclaimer. False when the disclaimer was declined: the
    // main window is closed then and the program is to end.
    bool start();

    MainWindow& mainWindow() { return window_; }
    TaxYearMenu& taxYears() { return *taxYears_; }
    CalcState& calcState() { return state_; }

private:
    void useDatabases(const DatabasePaths& paths);
    bool disclaimerAccepted();

    QString folder_;
    CalcState state_;
    MainWindow window_;
    TaxYearMenu* taxYears_;  // owned by the main window
};

}  // namespace kelvara
