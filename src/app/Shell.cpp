#include "Shell.h"

#include <QCoreApplication>

#include "AppVersion.h"
#include "BackgroundMdiArea.h"
#include "BusyPointer.h"
#include "CalculatorCatalogue.h"
#include "DatabaseHealth.h"
#include "DatabaseLocation.h"
#include "DisclaimerWindow.h"
#include "HelpWindow.h"
#include "MessageService.h"
#include "ReportEngine.h"
#include "StartUpPreferences.h"

namespace kelvara {

Shell::Shell(const QString& programFolder) : folder_(programFolder), window_(state_, programFolder) {
    const QString helpDocument = folder_ + "/kv2027Help.pdf";
    window_.registerCalculator("mnuContents", [helpDocument](MainWindow&) { return new HelpWindow(helpDocument); });
    RegisterCalculators(window_);
    const std::filesystem::path folder = folder_.toStdString();
    taxYears_ = new TaxYearMenu(window_, {TaxYearFolder(folder), TaxYearFolder(UserDataFolder())});
}

bool Shell::start() {
    window_.workArea().loadPicture(folder_ + "/Kelvara.jpg");
    window_.setWindowTitle(MainCaption(CurrentVersion()));
    // A year file that cannot be used is named with its fault; the program
    // works in the years it has, the delivered one at least.
    const QStringList refusals = taxYears_->start();
    window_.show();
    QCoreApplication::processEvents();  // painted before the slower steps

    {
        BusyPointer busy;
        InitCalcState(state_);
    }
    useDatabases(ResolveDatabasePaths(folder_.toStdString(), UserDataFolder()));
    for (const QString& refusal : refusals)
        ui::ShowMessage(&window_, "Kelvara 2027", refusal, ui::MessageIcon::Warning);

    if (ShowAboutAtStartup()) window_.showAbout();

    if (VersionNumber(CurrentVersion()) > AcceptedDisclaimerVersion() && !disclaimerAccepted()) {
        window_.close();
        return false;
    }
    return true;
}

void Shell::useDatabases(const DatabasePaths& paths) {
    state_.SettingsDatabasePath = paths.SettingsDatabasePath.string();
    state_.ReportDatabasePath = paths.ReportDatabasePath.string();
    window_.reportEngine().SetReportDatabase(paths.ReportDatabasePath);
    // A missing or damaged database is put back as delivered (the damaged file
    // kept aside) and the program goes on; the user is told which file it was.
    const std::pair<std::filesystem::path, DeliveredDatabase> databases[] = {
        {paths.SettingsDatabasePath, DeliveredDatabase::Settings},
        {paths.ReportDatabasePath, DeliveredDatabase::Reports},
    };
    for (const auto& [path, which] : databases) {
        const StoreStatus health = EnsureDatabaseHealthy(path, which);
        if (health.message.empty()) continue;
        ui::ShowMessage(&window_, "Kelvara 2027", QString::fromStdString(health.message),
                        health.ok ? ui::MessageIcon::Warning : ui::MessageIcon::Critical);
    }
}

bool Shell::disclaimerAccepted() {
    DisclaimerWindow disclaimer(&window_);
    disclaimer.exec();
    return disclaimer.accepted();
}

}  // namespace kelvara
