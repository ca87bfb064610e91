#include "Shell.h"

#include <QCoreApplication>

#include "AppVersion.h"
#include "BackgroundMdiArea.h"
#include "BusyPointer.h"
#include "CalculatorCatalogue.h"
#include "DisclaimerWindow.h"
#include "HelpWindow.h"
#include "StartUpPreferences.h"

namespace kelvara {

Shell::Shell(const QString& programFolder) : folder_(programFolder), window_(state_) {
    const QString helpDocument = folder_ + "/kv2027Help.pdf";
    window_.registerCalculator("mnuContents", [helpDocument](MainWindow&) { return new HelpWindow(helpDocument); });
    RegisterCalculators(window_);
}

bool Shell::start() {
    window_.workArea().loadPicture(folder_ + "/Kelvara.jpg");
    window_.setWindowTitle(MainCaption(CurrentVersion()));
    window_.show();
    QCoreApplication::processEvents();  // painted before the slower steps

    {
        BusyPointer busy;
        InitCalcState(state_);
    }
    state_.ReportDatabasePath = (folder_ + "/Crysprin.db").toStdString();
    state_.SettingsDatabasePath = (folder_ + "/Settings.db").toStdString();

    if (ShowAboutAtStartup()) window_.showAbout();

    if (VersionNumber(CurrentVersion()) > AcceptedDisclaimerVersion() && !disclaimerAccepted()) {
        window_.close();
        return false;
    }
    return true;
}

bool Shell::disclaimerAccepted() {
    DisclaimerWindow disclaimer(&window_);
    disclaimer.exec();
    return disclaimer.accepted();
}

}  // namespace kelvara
