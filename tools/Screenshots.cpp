// Draws every window of the program into PNG files, for looking at them
// without a display:  QT_QPA_PLATFORM=offscreen kv-screenshots <folder>
//
// The preferences go to a scratch store, so the user's own stay untouched.
// Every calculator registered with the main window is shot as it opens; one
// that wants sample inputs in its picture adds a filler to SampleInputs.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <map>

#include "AppVersion.h"
#include "BackgroundMdiArea.h"
#include "DecimalField.h"
#include "PrintPanel.h"
#include "ReportEngine.h"
#include "ReportPages.h"
#include "DisclaimerWindow.h"
#include "Shell.h"
#include "StartUpPreferences.h"

using namespace kelvara;

namespace {

void Type(QWidget& window, const char* field, double value) {
    window.findChild<ui::DecimalField*>(field)->setValue(value);
}

void Click(QWidget& window, const char* button) { window.findChild<QPushButton*>(button)->click(); }

// Fills a calculator window, found by its form name, with example figures.
const std::map<QString, std::function<void(QWidget&)>>& SampleInputs() {
    static const std::map<QString, std::function<void(QWidget&)>> fillers{
        // The PAYE windows: a month's, week's ... pay of one employee, named on
        // the payslip check.
        {"frmAnnual",
         [](QWidget& w) {
             Type(w, "silgEdit1", 40);
             Type(w, "silgEdit2", 420000);
             Type(w, "numEmpEEMedAidCont", 36000);
             Type(w, "numEmpERFundCont", 30000);
             Type(w, "numAnnCalcBens_3", 2);
             Click(w, "cmdDuplicate");
             w.findChild<QLineEdit*>("Text1")->setText("Thandi Nkosi");
             Click(w, "cmdCalculate");
         }},
        {"frmMonthly",
         [](QWidget& w) {
             Type(w, "silgEdit9", 40);
             Type(w, "numSalRemun", 25000);
             Type(w, "silgEdit13", 5000);
             Type(w, "numEmpEEMedAidCont", 3000);
             Type(w, "numMedAidBens", 3);
             w.findChild<QLineEdit*>("Text1")->setText("Thandi Nkosi");
             Click(w, "cmdCalculate");
         }},
        {"frmFortNight",
         [](QWidget& w) {
             Type(w, "silgEdit14", 40);
             Type(w, "numSalRemun", 12000);
             Type(w, "sidbEdit4", 2500);
             w.findChild<QLineEdit*>("Text1")->setText("Thandi Nkosi");
             Click(w, "cmdCalculate");
         }},
        {"frmWeekly",
         [](QWidget& w) {
             Type(w, "silgEdit14", 40);
             Type(w, "numSalRemun", 6000);
             Type(w, "silgEdit21", 5);
             Type(w, "silgEdit22", 3);
             w.findChild<QLineEdit*>("Text1")->setText("Thandi Nkosi");
             Click(w, "cmdCalculate");
         }},
        {"frmDaily",
         [](QWidget& w) {
             Type(w, "silgEdit23", 40);
             Type(w, "numSalRemun", 1200);
             Type(w, "sidbEdit4", 2000);
             w.findChild<QLineEdit*>("Text1")->setText("Thandi Nkosi");
             Click(w, "cmdCalculate");
         }},
        {"frmKwikTax",
         [](QWidget& w) {
             Type(w, "sidbEdit1_0", 500000);
             Type(w, "sidbEdit1_1", 40);
             Click(w, "cmdCalculate");
         }},
    };
    return fillers;
}


// Lets the windows finish painting; the help viewer draws its pages in the
// background, so this waits a little rather than only emptying the queue.
void Settle() {
    QEventLoop loop;
    QTimer::singleShot(600, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
    Settle();
    const QString path = folder.filePath(name + ".png");
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// Prints a calculator's report to a report window: the window is shot and the
// report is written as a PDF beside the pictures.
bool SaveReport(MainWindow& main, QWidget& calculator, const QDir& folder) {
    auto* panel = calculator.findChild<ui::PrintPanel*>("Frame1");
    if (!panel) panel = calculator.findChild<ui::PrintPanel*>("fraPrint");  // the PAYE windows' name for it
    if (!panel) return true;
    panel->cmdVR()->click();
    QMdiSubWindow* report = main.workArea().activeSubWindow();
    if (!report || report->widget() == &calculator) return false;
    bool ok = Save(*report, folder, calculator.objectName() + "-report");
    QString error;
    const QString pdf = folder.filePath(calculator.objectName() + ".pdf");
    ok &= RenderReportToPdf(main.reportEngine().ReportFile(), main.calcState().ReportDatabasePath, pdf, &error);
    std::printf("%s %s %s\n", ok ? "wrote" : "could not write", qPrintable(pdf), qPrintable(error));
    report->close();
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv-screenshots <folder>\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "kv-screenshots: cannot make %s\n", argv[1]);
        return 1;
    }
    QCoreApplication::setApplicationVersion(VersionString(CurrentVersion()));
    QTemporaryDir scratch;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, scratch.path());
    SetShowAboutAtStartup(false);
    SetAcceptedDisclaimerVersion(VersionNumber(CurrentVersion()));

    Shell shell(QCoreApplication::applicationDirPath());
    shell.start();
    MainWindow& main = shell.mainWindow();
    main.resize(1100, 760);
    bool ok = Save(main, folder, "MDIForm1");

    QWidget* about = main.showAbout();
    ok &= Save(*about, folder, "frmAbout");
    about->close();

    DisclaimerWindow disclaimer(&main);
    disclaimer.show();
    ok &= Save(disclaimer, folder, "frmDisclaimerYesNo");
    disclaimer.close();

    for (const QString& item : main.registeredItems()) {
        QWidget* window = main.openWindow(item);
        if (auto filler = SampleInputs().find(window->objectName()); filler != SampleInputs().end())
            filler->second(*window);
        ok &= Save(*window->parentWidget(), folder, window->objectName());
        ok &= SaveReport(main, *window, folder);
    }
    ok &= Save(main, folder, "MDIForm1-with-windows");
    return ok ? 0 : 1;
}
