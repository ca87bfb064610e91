// Draws every window of the program into PNG files, for looking at them
// without a display:  QT_QPA_PLATFORM=offscreen kv-screenshots <folder>
//
// The preferences go to a scratch store, so the user's own stay untouched.
// Every calculator registered with the main window is opened through its menu
// item and shot on its own and inside the whole main window, with each of its
// panels open, with its report as it opens and after "&OK"; one that wants sample inputs in its picture adds
// a filler to SampleInputs.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>

#include "AppVersion.h"
#include "BackgroundMdiArea.h"
#include "DateField.h"
#include "DecimalField.h"
#include "DisclaimerWindow.h"
#include "PrintPanel.h"
#include "ReportEngine.h"
#include "ReportPages.h"
#include "Shell.h"
#include "StartUpPreferences.h"
#include "WholeNumberField.h"

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
        // A 30-month loan with its finance charges and monthly table; its report
        // carries the annual schedule.
        {"frmLoans",
         [](QWidget& w) {
             Type(w, "numPrinAmount", 100000);
             w.findChild<ui::WholeNumberField*>("numPeriod")->setValue(30);
             Type(w, "numIntRate", 10);
             Click(w, "cmdCalculate");
             Click(w, "cmdFinCharge");
             Click(w, "cmdMonAmort");
             w.findChild<QCheckBox*>("Check1")->setChecked(true);
         }},
        {"frmKwikTax",
         [](QWidget& w) {
             Type(w, "sidbEdit1_0", 500000);
             Type(w, "sidbEdit1_1", 40);
             Click(w, "cmdCalculate");
         }},
        // The salary packages: net to gross (Kelvara) and gross to net (Pravel).
        {"frmKelvaraAnn",
         [](QWidget& w) {
             w.findChild<ui::WholeNumberField*>("numAge")->setValue(40);
             Type(w, "numNetMonSalReq", 150000);
             Type(w, "numTravAll", 60000);
             w.findChild<QLineEdit*>("Text1")->setText("Thandi Nkosi");
             Click(w, "cmdCalculate");
         }},
        {"frmKelvaraMon",
         [](QWidget& w) {
             w.findChild<ui::WholeNumberField*>("numAge")->setValue(40);
             Type(w, "numNetMonSalReq", 12000);
             Type(w, "numMedAidCont", 1500);
             w.findChild<ui::WholeNumberField*>("numPMems")->setValue(2);
             w.findChild<QLineEdit*>("txtOtherDet_0")->setText("Parking");
             Type(w, "numOtherDet_0", 300);
             w.findChild<QLineEdit*>("Text1")->setText("Thandi Nkosi");
             Click(w, "cmdCalculate");
         }},
        {"frmPravelAnn",
         [](QWidget& w) {
             w.findChild<ui::WholeNumberField*>("numAge")->setValue(66);
             Type(w, "numNetMonSalReq", 400000);
             Type(w, "numTravAll", 60000);
             Type(w, "numMedAidCont", 12000);
             Type(w, "numCCMedAidCont", 24000);
             w.findChild<ui::WholeNumberField*>("numPMems")->setValue(24);
             Type(w, "numCompCar", 300000);
             w.findChild<QLineEdit*>("Text1")->setText("Thandi Nkosi");
             Click(w, "cmdCalculate");
         }},
        {"frmPravelMon",
         [](QWidget& w) {
             w.findChild<ui::WholeNumberField*>("numAge")->setValue(40);
             Type(w, "numNetMonSalReq", 25000);
             w.findChild<QLineEdit*>("txtOtherDet_2")->setText("Parking");
             Type(w, "numOtherDet_2", 500);
             w.findChild<QLineEdit*>("Text1")->setText("Thandi Nkosi");
             Click(w, "cmdCalculate");
         }},
        // The finance windows that print their last result: "&Print" readies
        // the print frame before the report is viewed.
        {"frmLoanBuster",
         [](QWidget& w) {
             Type(w, "numPrinAmount", 500000);
             w.findChild<ui::WholeNumberField*>("numPeriod")->setValue(240);
             Type(w, "numIntRate", 10.5);
             Type(w, "numXtraPay", 1000);
             Click(w, "cmdCalculate");
             Click(w, "cmdPrint");
         }},
        {"frmLoanComp",
         [](QWidget& w) {
             Type(w, "numBAmt", 500000);
             Type(w, "numIntRate", 10.5);
             Click(w, "cmdCalculate");
             Click(w, "cmdPrint");
         }},
        {"frmInflation",
         [](QWidget& w) {
             w.findChild<ui::WholeNumberField*>("numPresCost")->setValue(100000);
             w.findChild<ui::WholeNumberField*>("numPeriod")->setValue(10);
             Type(w, "numInflaRate", 6);
             Click(w, "cmdCalculate");
             Click(w, "cmdPrint");
         }},
        {"frmDayBal",
         [](QWidget& w) {
             Type(w, "numCapAmount", 100000);
             Type(w, "numIntRate", 10);
             w.findChild<ui::DateField*>("dtStartDate")->setValue(46082);  // 01/03/2026
             w.findChild<ui::DateField*>("dtEndDate")->setValue(46113);    // 01/04/2026
             Click(w, "cmdCalculate");
             Click(w, "cmdPrint");
         }},
        // The deemed-cost claim on a R250 000 car over a full year.
        {"frmCarAll1",
         [](QWidget& w) {
             w.findChild<QLineEdit*>("Text1")->setText("VW Polo 1.6");
             const std::pair<const char*, qint32> inputs[] = {{"silgEdit1", 250000},
                                                              {"silgEdit2", 120000},
                                                              {"silgEdit3", 60000},
                                                              {"silgEdit4", 30000},
                                                              {"silgEdit5", 18000}};
             for (const auto& [field, value] : inputs) w.findChild<ui::WholeNumberField*>(field)->setValue(value);
             w.findChild<QLineEdit*>("Text3")->setText("Thandi Nkosi");
             Click(w, "cmdCalculate");
         }},
        // Two company cars; the first is the 300 000 car of the help example.
        {"frmCompCar",
         [](QWidget& w) {
             const auto text = [&w](const char* field, const char* value) {
                 w.findChild<QLineEdit*>(field)->setText(value);
             };
             const auto tick = [&w](const char* box) { w.findChild<QCheckBox*>(box)->setChecked(true); };
             text("txtCCRegNumber", "new");
             Click(w, "cmdAdd");
             text("txtCCRegNumber", "CA 123-456");
             text("txtCCMake", "Toyota");
             text("txtCCModel", "Corolla 1.8");
             text("txtYearOfManfact", "2025");
             Type(w, "numCCPrice", 300000);
             Type(w, "numEndMileage", 50000);
             Type(w, "numStartMileage", 20000);
             Type(w, "numBusDistance", 12000);
             Type(w, "numFuelReimbEmployer", 10000);
             Type(w, "numEmpPaidInsurance", 6000);
             Type(w, "numEmpPaidLicence", 1000);
             Type(w, "numEmpPaidMaintenance", 5000);
             Type(w, "numActual3802", 126000);
             tick("chkBussMilage");
             tick("chkSARSTable");
             Click(w, "cmdAdd");
             text("txtCCRegNumber", "CB 987-654");
             text("txtCCMake", "Volkswagen");
             text("txtCCModel", "Polo Vivo");
             Type(w, "numCCPrice", 250000);
             Type(w, "numEndMileage", 30000);
             Type(w, "numStartMileage", 12000);
             Type(w, "numBusDistance", 8000);
             tick("chkBussMilage");
             tick("chkMaintIncluded");
             tick("chkAutoCalc3802");
             Click(w, "cmdCalculate");
             Click(w, "cmdBack");
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
    ok &= Save(main, folder, "MDIForm1-" + calculator.objectName() + "-report");
    QString error;
    const QString pdf = folder.filePath(calculator.objectName() + ".pdf");
    ok &= RenderReportToPdf(main.reportEngine().ReportFile(), main.calcState().ReportDatabasePath, pdf, &error);
    std::printf("%s %s %s\n", ok ? "wrote" : "could not write", qPrintable(pdf), qPrintable(error));
    report->close();
    return ok;
}

// Shows a tax calculator's working and prints it to a report window: both are
// shot and the working is written as a PDF.
bool SaveWorking(MainWindow& main, QWidget& calculator, const QDir& folder) {
    auto* show = calculator.findChild<QPushButton*>("cmdWorking");
    if (!show) return true;
    show->click();
    auto* working = calculator.findChild<QWidget*>("frmWorking");
    if (!working) return false;
    const QString name = calculator.objectName() + "-working";
    bool ok = Save(*working, folder, name);
    working->findChild<QPushButton*>("cmdPrint")->click();
    QMdiSubWindow* report = main.workArea().activeSubWindow();
    ok &= report && report->widget() != &calculator && Save(*report, folder, name + "-report");
    QString error;
    const QString pdf = folder.filePath(name + ".pdf");
    ok &= RenderReportToPdf(main.reportEngine().ReportFile(), main.calcState().ReportDatabasePath, pdf, &error);
    std::printf("%s %s %s\n", ok ? "wrote" : "could not write", qPrintable(pdf), qPrintable(error));
    if (report) report->close();
    working->close();
    return ok;
}

// Opens each panel of a calculator by its button, shoots the main window with
// the panel in front, and closes the panel again by its own button.
bool SavePanels(MainWindow& main, QWidget& calculator, const QDir& folder) {
    static const char* const openers[] = {"cmdSettings", "cmdInfo_0",   "cmdRAExpl",  "cmdPrint",
                                          "cmPrint",     "cmdMonAmort", "cmdAnnAmort"};
    static const QRegularExpression closers(
        "^(cmdCancel|cmdPrintCancel|cmdSetupOK|cmdRAOK|cmdOK_Info_One|cmdGridClose)$");
    bool ok = true;
    for (const char* opener : openers) {
        auto* button = calculator.findChild<QPushButton*>(opener);
        if (!button || !button->isVisible() || !button->isEnabled()) continue;
        button->click();
        ok &= Save(main, folder, "MDIForm1-" + calculator.objectName() + "-" + opener);
        for (QPushButton* close : calculator.findChildren<QPushButton*>(closers))
            if (close->isVisible()) close->click();
    }
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

    // Each calculator as the user meets it: opened through its menu item in
    // the main window at the size of a 1366x768 screen, with its report as it
    // opens there, and the main window again once "&OK" has closed it.
    main.resize(1366, 768);
    for (const QString& item : main.registeredItems()) {
        main.menuAction(item)->trigger();
        QMdiSubWindow* frame = main.workArea().activeSubWindow();
        QWidget* window = frame ? frame->widget() : nullptr;
        if (!window) {
            std::printf("could not open %s\n", qPrintable(item));
            ok = false;
            continue;
        }
        if (auto filler = SampleInputs().find(window->objectName()); filler != SampleInputs().end())
            filler->second(*window);
        const QString name = window->objectName();
        ok &= Save(*frame, folder, name);
        ok &= Save(main, folder, "MDIForm1-" + name);
        ok &= SaveReport(main, *window, folder);
        ok &= SaveWorking(main, *window, folder);
        ok &= SavePanels(main, *window, folder);
        // The loan window's annual graph opens a chart window of its own.
        if (name == "frmLoans") {
            Click(*window, "cmdLoanGraph");
            auto* chart = window->findChild<QWidget*>("LoanAmortGraphWindow");
            ok &= chart && Save(*chart, folder, "LoanAmortGraphWindow");
        }
        if (auto* close = window->findChildren<QPushButton*>(QRegularExpression("^cmdO[kK]$")).value(0)) {
            close->click();
            ok &= Save(main, folder, "MDIForm1-" + name + "-after-OK");
        }
        if (main.findWindow(name)) frame->close();  // the help window has no OK
    }
    return ok ? 0 : 1;
}
