#include <QLabel>
#include <tuple>

#include "PackageWindow.h"
#include "SettingsStore.h"
#include "TableRows.h"
#include "WindowFixture.h"
#include "WorkingWindow.h"

using namespace kelvara;
using kelvara::testing::Entries;
using kelvara::testing::Table;
using kelvara::testing::WindowTestBench;

namespace {

const QString kExportHint = " - To export printout click on the suitcase button or goto Help";

// The rows of the tables, their columns as the tests name them.
using LinesRow = std::tuple<QString, QString, QStringList, QStringList>;
using WorkedRow = std::tuple<QString, QString, QString, Entries, Entries>;
using PercentRow = std::tuple<QString, QString, QString, double, double>;
using SetupRow = std::tuple<QString, int>;
using RefusalRow = std::tuple<QString, double, Entries, QString, ui::MessageIcon>;
using ExplanationRow = std::tuple<QString, QString, Entries, QString, QString>;
using PrintRow = std::tuple<QString, Entries, QString, QString, Entries>;
using StoppedRow = std::tuple<QString, QString, Entries, QString>;
using TypedRow = std::tuple<QString, Entries>;

}  // namespace

Q_DECLARE_METATYPE(LinesRow)
Q_DECLARE_METATYPE(WorkedRow)
Q_DECLARE_METATYPE(PercentRow)
Q_DECLARE_METATYPE(SetupRow)
Q_DECLARE_METATYPE(RefusalRow)
Q_DECLARE_METATYPE(ExplanationRow)
Q_DECLARE_METATYPE(PrintRow)
Q_DECLARE_METATYPE(StoppedRow)
Q_DECLARE_METATYPE(TypedRow)

class PackageWindowTest : public testing::WindowFixture {
    Q_OBJECT

    void open(const QString& form) {
        window_.reset();
        const PackageKind kind{
            form.startsWith("frmKelvara") ? PackageDirection::NetToGross : PackageDirection::GrossToNet,
            form.endsWith("Ann") ? PackagePeriod::Annual : PackagePeriod::Monthly};
        window_ =
            std::make_unique<PackageWindow>(kind, engine_, bench_->SettingsDatabase, printDirect_, *bench_->Reports);
        showActive(*window_);
    }
    // Employee and employer fund percentages through the Setup panel.
    void setFundPercentages(const QString& employee, const QString& employer) {
        typeAll({"!cmdSettings", "numPenContPerc=" + employee, "numPenPercentage=" + employer, "!cmdSetupOK"});
    }
    Settings savedSettings() const {
        Settings s;
        SettingsStore(bench_->SettingsDatabase).Load(PackageSettingsFields(), s);
        return s;
    }
    ui::WorkingWindow* working() const { return window_->findChild<ui::WorkingWindow*>("frmWorking"); }

    QWidget* openWindow() override {
        engine_ = {};
        return nullptr;
    }
    void closeWindow() override { window_.reset(); }

    EngineState engine_;
    std::int16_t printDirect_ = 0;
    std::unique_ptr<PackageWindow> window_;

private slots:
    void eachWindowHasItsCaptionAndLines_data() {
        const Table<LinesRow> row;
        row("Kelvara annual", "frmKelvaraAnn", "Kelvara : Annual Calculation",
            QStringList{"numRADeduct", "numProvFund", "numCCProvFund"},
            QStringList{"numCCNetMonSalReq", "numPenDeduct"});
        row("Kelvara monthly", "frmKelvaraMon", "Kelvara : Monthly Calculation", QStringList{},
            QStringList{"numRADeduct", "numProvFund", "numCCNetMonSalReq"});
        row("Pravel annual", "frmPravelAnn", "Pravel : Annual Calculation",
            QStringList{"numCCNetMonSalReq", "numPenDeduct", "numCCPenDeduct", "numRADeduct"}, QStringList{});
        row("Pravel monthly", "frmPravelMon", "Pravel : Monthly Calculation",
            QStringList{"numCCNetMonSalReq", "numProvFund"}, QStringList{});
    }
    void eachWindowHasItsCaptionAndLines() {
        QFETCH(LinesRow, row);
        const auto& [form, caption, present, absent] = row;
        open(form);
        QCOMPARE(window_->objectName(), form);
        QCOMPARE(window_->windowTitle(), caption);
        for (const QString& name : present) QVERIFY2(has(name), qPrintable(name));
        for (const QString& name : absent) QVERIFY2(!has(name), qPrintable(name));
    }

    void workedPackagesShowTheirResults_data() {
        const Table<WorkedRow> row;
        row("net 150000 a year", "frmKelvaraAnn", "0", "0", Entries{"numAge=40", "numNetMonSalReq=150000"},
            Entries{"numMAns=11 553.48", "numUIFCont=1 631.86", "numCCUIFCont=1 631.86", "numCCSkillLev=1 631.86",
                    "numGrossSal=163 185.34", "numTotCostComp=166 449.06", "numTaxDeduct=11 553.48"});
        row("net 150000 with a travel allowance", "frmKelvaraAnn", "0", "0",
            Entries{"numAge=40", "numNetMonSalReq=150000", "numTravAll=60000"},
            Entries{"numMAns=8 886.78", "numUIFCont=1 483.71", "numGrossSal=160 370.49", "numTotCostComp=163 337.91"});
        row("net 12000 a month", "frmKelvaraMon", "0", "0", Entries{"numAge=40", "numNetMonSalReq=12000"},
            Entries{"numMAns=851.76", "numUIFCont=129.82", "numGrossSal=12 981.58", "numTotCostComp=13 241.22"});
        row("net 200000 with 7.5% to the fund", "frmKelvaraAnn", "7.5", "0",
            Entries{"numAge=40", "numNetMonSalReq=200000"},
            Entries{"numRFundCont=18 224.03", "numMAns=22 637.34", "numUIFCont=2 125.44"});
        row("package 300000 a year", "frmPravelAnn", "7.5", "0", Entries{"numAge=40", "numNetMonSalReq=300000"},
            Entries{"numRFundCont=22 500.00", "numMAns=34 722.00", "numUIFCont=2 125.44", "numCCSkillLev=2 775.00",
                    "numGrossSal=240 652.56", "numTotCostComp=304 900.44", "numCCNetMonSalReq=300 000.00"});
        row("package 25000 a month", "frmPravelMon", "7.5", "0", Entries{"numAge=40", "numNetMonSalReq=25000"},
            Entries{"numRFundCont=1 875.00", "numMAns=2 893.50", "numUIFCont=177.12", "numCCSkillLev=231.25",
                    "numGrossSal=20 054.38", "numTotCostComp=25 408.37"});
        row("car, travel and medical aid at 66", "frmPravelAnn", "10", "20",
            Entries{"numAge=66", "numNetMonSalReq=400000", "numTravAll=60000", "numMedAidCont=12000",
                    "numCCMedAidCont=24000", "numPMems=24", "numCompCar=300000"},
            Entries{"numCCRFundCont=80 000.00", "numTaxCredit=11 997.02", "numTaxDeduct=36 697.98",
                    "numCCSkillLev=3 688.00", "numGrossSal=205 176.58", "numTotCostComp=485 813.44",
                    "numOnceOff=300 000.00"});
        row("medical deductions count from 65 only", "frmPravelAnn", "0", "0",
            Entries{"numAge=64", "numNetMonSalReq=300000", "numMedDeduct=5000"}, Entries{"numMedDeduct=0.00"});
    }
    void workedPackagesShowTheirResults() {
        QFETCH(WorkedRow, row);
        const auto& [form, employeePercent, employerPercent, typed, results] = row;
        open(form);
        setFundPercentages(employeePercent, employerPercent);
        typeAll(typed + Entries{"!cmdCalculate"});
        QCOMPARE(shownAs(results), results);
        const bool onceOff = shown("numCompCar") != "0.00";
        QCOMPARE(field("numOnceOff")->isVisible(), onceOff);
        QCOMPARE(visible("lblOnceOff1"), onceOff);
        QVERIFY(find("lblLimitWarning")->isHidden());
        QVERIFY(enabled("cmdPrint"));
        QVERIFY(bench_->Messages.empty());
    }

    void amountsAreMirroredIntoTheCostToCompanyColumn() {
        open("frmPravelMon");
        typeAll({"numNetMonSalReq=30000", "numTravAll=4000", "numOTaxFB=250", "numOtherDet_2=500"});
        const Entries mirrored{"numCCNetMonSalReq=30 000.00", "numCCTravAll=4 000.00", "numCCOTaxFB=250.00",
                               "numOtherDetCC_2=500.00"};
        QCOMPARE(shownAs(mirrored), mirrored);
        // A mirror edited on its own leaves the employee's amount alone.
        type("numOtherDetCC_2", "650");
        QCOMPARE(shown("numOtherDet_2"), QString("500.00"));
        // The other expense comes off the take-home salary.
        click("cmdCalculate");
        const double withExpense = shownNumber("numGrossSal");
        typeAll({"numOtherDet_2=0", "!cmdCalculate"});
        QCOMPARE(shownNumber("numGrossSal") - withExpense, 500.0);
    }

    void netToGrossHoldsTheFundPercentagesTo27_5_data() {
        const Table<PercentRow> row;
        row("27.5 in all stays", "frmKelvaraAnn", "20", "7.5", 20.0, 7.5);
        row("27.6 falls to nothing", "frmKelvaraAnn", "20", "7.6", 0.0, 0.0);
        row("15 and 15 fall to nothing", "frmKelvaraMon", "15", "15", 0.0, 0.0);
        row("gross to net keeps 20 and 10", "frmPravelAnn", "20", "10", 20.0, 10.0);
        row("gross to net keeps 15 and 15", "frmPravelMon", "15", "15", 15.0, 15.0);
    }
    void netToGrossHoldsTheFundPercentagesTo27_5() {
        QFETCH(PercentRow, row);
        const auto& [form, employee, employer, keptEmployee, keptEmployer] = row;
        open(form);
        typeAll({"!cmdSettings", "numPenContPerc=" + employee, "numPenPercentage=" + employer});
        // The rule works while typing, before anything is confirmed.
        QCOMPARE(shown("numPenContPerc"), QString::number(keptEmployee, 'f', 3));
        QCOMPARE(shown("numPenPercentage"), QString::number(keptEmployer, 'f', 3));
        click("cmdSetupOK");
        QCOMPARE(savedSettings().PensionCont, keptEmployee);
        QCOMPARE(savedSettings().EmployerPenCont, keptEmployer);
    }

    void setupOpensAtItsTopAndLocksTheCommands_data() {
        const Table<SetupRow> row;
        row("Kelvara annual", "frmKelvaraAnn", 960);
        row("Kelvara monthly", "frmKelvaraMon", 1080);
        row("Pravel annual", "frmPravelAnn", 750);
        row("Pravel monthly", "frmPravelMon", 960);
    }
    void setupOpensAtItsTopAndLocksTheCommands() {
        QFETCH(SetupRow, row);
        const auto& [form, topTwips] = row;
        open(form);
        const char* commands[] = {"cmdOk", "cmdCalculate", "cmdSettings", "cmdPrint", "cmdRAExpl", "cmdWorking"};
        click("cmdSettings");
        auto* setup = find("Frame3");
        QVERIFY(setup->isVisible());
        // At its place, or raised to the top of a row it would cut in two.
        QVERIFY(setup->y() <= topTwips / 15 && setup->y() > topTwips / 15 - 30);
        for (const char* name : commands) QVERIFY2(!enabled(name), name);
        click("cmdSetupOK");
        QVERIFY(setup->isHidden());
        for (const char* name : commands) QVERIFY2(enabled(name), name);
    }

    void setupConfirmationSavesAndRecalculates() {
        open("frmPravelAnn");
        typeAll({"numAge=40", "numNetMonSalReq=300000", "numProvContPerc=5", "numCCProvContPerc=2.5", "!cmdCalculate"});
        QCOMPARE(shown("numRFundCont"), QString("0.00"));
        typeAll({"!cmdSettings", "numPenContPerc=7.5", "numEmpEUIF=1.5", "!optCompCarMPYes", "!cmdSetupOK"});
        // Confirming works the package out again under the new settings.
        QCOMPARE(shown("numRFundCont"), QString("22 500.00"));
        QCOMPARE(shown("numUIFCont"), QString("3 188.16"));
        const Settings saved = savedSettings();
        QCOMPARE(saved.PensionCont, 7.5);
        QCOMPARE(saved.EmployeeUIF, 1.5);
        QCOMPARE(saved.ProvCont, 5.0);
        QCOMPARE(saved.EmployerProvCont, 2.5);
        QCOMPARE(saved.CompCarMPYesNo, true);
        QCOMPARE(saved.UIFLimit, 17712.0);
        // A window opened afterwards starts from the saved settings.
        open("frmKelvaraMon");
        QCOMPARE(shown("numPenContPerc"), QString("7.500"));
        QCOMPARE(shown("numProvContPerc"), QString("5.000"));
    }

    void refusedCalculationsSaySoAndKeepTheResults_data() {
        const Table<RefusalRow> row;
        row("nothing required", "frmKelvaraAnn", 0.0, Entries{"numAge=40"}, "", ui::MessageIcon::None);
        row("fringe benefits above the net", "frmKelvaraAnn", 0.0, Entries{"numNetMonSalReq=50000", "numTravAll=60000"},
            "Fringe benefits more than salary required!", ui::MessageIcon::None);
        row("a fund percentage no gross can carry (saved from gross to net)", "frmKelvaraAnn", 100.0,
            Entries{"numNetMonSalReq=100000"},
            "The employee's retirement-fund and UIF percentages in the settings leave", ui::MessageIcon::Critical);
        row("a net beyond any gross the fields show", "frmKelvaraMon", 0.0, Entries{"numNetMonSalReq=99999999.99"},
            "No gross salary up to R99 999 999", ui::MessageIcon::Critical);
    }
    void refusedCalculationsSaySoAndKeepTheResults() {
        QFETCH(RefusalRow, row);  // an empty message: none
        const auto& [form, storedEmployeePercent, typed, message, icon] = row;
        Settings stored = savedSettings();
        stored.PensionCont = storedEmployeePercent;
        QVERIFY(SettingsStore(bench_->SettingsDatabase).Save(PackageSettingsFields(), stored).ok);
        open(form);
        typeAll(typed + Entries{"!cmdCalculate"});
        if (message.isEmpty()) {
            QVERIFY(bench_->Messages.empty());
        } else {
            QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
            QCOMPARE(bench_->Messages.last().Title, QString("Kelvara 2027"));
            QVERIFY2(bench_->Messages.last().Text.startsWith(message), qPrintable(bench_->Messages.last().Text));
            QCOMPARE(bench_->Messages.last().Icon, icon);
        }
        // Nothing was worked out: the tax and UIF are still those of the newly
        // opened window.
        QCOMPARE(shown("numMAns"), QString("0.00"));
        QCOMPARE(shown("numUIFCont"), QString("0.00"));
    }

    void contributionsAboveTheLimitWarnAndBlockPrinting() {
        open("frmPravelAnn");
        typeAll({"numAge=40", "numNetMonSalReq=300000", "!cmdCalculate"});
        const int buttonsTop = button("cmdOk")->y();
        const int height = window_->height();
        setFundPercentages("20", "20");
        auto* warning = find<QLabel>("lblLimitWarning");
        QVERIFY(warning->isVisible());
        QCOMPARE(warning->text(), QString("R/Fund contributions exceed allowable limits!"));
        QVERIFY(!enabled("cmdPrint"));
        QVERIFY(button("cmdOk")->y() > buttonsTop);
        QVERIFY(window_->height() > height);
        setFundPercentages("7.5", "0");
        QVERIFY(warning->isHidden());
        QVERIFY(enabled("cmdPrint"));
        QCOMPARE(button("cmdOk")->y(), buttonsTop);
    }

    void retirementAnnuityExplanation_data() {
        const Table<ExplanationRow> row;
        row("no fund percentage: all of the gross", "frmKelvaraAnn", "0",
            Entries{"numAge=40", "numNetMonSalReq=150000"}, "ie: R 3 500 - R0.00 = R3 500.00",
            "ie: R163 185.34 X 15% = R24 477.80");
        row("contributions above R3 500", "frmPravelAnn", "7.5",
            Entries{"numAge=40", "numNetMonSalReq=300000", "numTravAll=20000"},
            "ie: R 3 500 - R22 500.00 = - R19 000.00", "ie: R20 000.00 X 15% = R3 000.00");
        row("a month raised to a year", "frmPravelMon", "0",
            Entries{"numAge=40", "numNetMonSalReq=25000", "numRFundCont=200"}, "ie: R 3 500 - R2 400.00 = R1 100.00",
            "ie: R300 000.00 X 15% = R45 000.00");
    }
    void retirementAnnuityExplanation() {
        QFETCH(ExplanationRow, row);
        const auto& [form, employeePercent, typed, lineA, lineC] = row;
        open(form);
        setFundPercentages(employeePercent, "0");
        typeAll(typed + Entries{"!cmdCalculate", "!cmdRAExpl"});
        auto* panel = find("Frame2");
        QVERIFY(panel->isVisible());
        QCOMPARE(find<QLabel>("lblRALineA")->text(), lineA);
        QCOMPARE(find<QLabel>("lblRALineC")->text(), lineC);
        click("cmdRAOK");
        QVERIFY(panel->isHidden());
    }

    void printWritesTheSalPackageRecord_data() {
        const Table<PrintRow> row;
        row("Kelvara annual", "frmKelvaraAnn", Entries{"numAge=40", "numNetMonSalReq=150000"},
            "Kelvara Salary Package Calculation : Annual", "Kelvara2020 Annual",
            Entries{"MonAnnSal=Net annual salary required", "RADirective=Medical beneficiaries months",
                    "OEXPTXT=", "PlusCompCar1="});
        row("Kelvara monthly, one other expense", "frmKelvaraMon",
            Entries{"numAge=40", "numNetMonSalReq=12000", "txtOtherDet_2=Parking", "numOtherDet_2=500"},
            "Kelvara Salary Package Calculation : Monthly", "Kelvara2020 Monthly",
            Entries{"MonAnnSal=Net monthly salary required", "RADirective=Med. aid fund beneficiaries",
                    "OEXPTXT=Other Expenses :", "ODedTxt2=Parking", "ODedR2=R", "ODedTxt0=", "ODedR0="});
        row("Pravel annual, a description without an amount", "frmPravelAnn",
            Entries{"numAge=40", "numNetMonSalReq=300000", "txtOtherDet_1=Club", "numOtherDet_3=100"},
            "Pravel Salary Package Calculation : Annual", "Pravel2020 Annual",
            Entries{"MonAnnSal=Net annual salary required", "ODedTxt1=", "ODedR3=R"});
        row("Pravel monthly with a company car", "frmPravelMon",
            Entries{"numAge=40", "numNetMonSalReq=25000", "numCompCar=300000"},
            "Pravel Salary Package Calculation : Monthly", "Pravel2020 Monthly",
            Entries{"PlusCompCar1=(plus a 'once-off' cost of R 300000",
                    "PlusCompCar2=for the company car and this does not include fuel, maintenance etc)."});
    }
    void printWritesTheSalPackageRecord() {
        QFETCH(PrintRow, row);  // the report window's title before the export hint; the record's text fields
        const auto& [form, typed, heading, title, texts] = row;
        open(form);
        typeAll(typed + Entries{"!cmdPrint", "Text1=A. Taxpayer"});
        printPanel("Frame1").cmdVR()->click();
        QVERIFY(bench_->Messages.empty());

        const auto record = bench_->ReportRecord("SalPackage");
        QVERIFY(record.has_value());
        const auto text = [&](const char* name) { return WindowTestBench::Text(*record, name); };
        const auto number = [&](const char* name) { return WindowTestBench::Number(*record, name); };
        QCOMPARE(text("MonAnn"), heading);
        QCOMPARE(text("TPName"), QString("A. Taxpayer"));
        QCOMPARE(number("TPAge"), 40.0);
        QCOMPARE(number("NetMonSal"), shownNumber("numNetMonSalReq"));
        QCOMPARE(number("TaxDue"), shownNumber("numMAns"));
        QCOMPARE(number("UIFCont"), shownNumber("numUIFCont"));
        QCOMPARE(number("GSal"), shownNumber("numGrossSal"));
        QCOMPARE(number("TotCostComp"), shownNumber("numTotCostComp"));
        for (const QString& entry : texts) {
            const auto [name, value] = testing::SplitEntry(entry);
            QCOMPARE(WindowTestBench::Text(*record, name.toStdString()), value);
        }
        QCOMPARE(bench_->ReportWindows.size(), std::size_t{1});
        QCOMPARE(bench_->ReportWindows[0]->windowTitle(), title + kExportHint);
    }

    void printRecalculatesAndLocksTheScreenUntilDone() {
        open("frmPravelAnn");
        typeAll({"numAge=40", "numNetMonSalReq=300000", "!cmdCalculate", "numNetMonSalReq=400000", "!cmdPrint"});
        // The package typed since the last calculation is worked out first.
        QCOMPARE(shown("numMAns"), QString("67 417.00"));
        ui::PrintPanel& panel = printPanel("Frame1");
        QVERIFY(panel.isVisible());
        const char* commands[] = {"cmdOk", "cmdCalculate", "cmdSettings", "cmdRAExpl", "numNetMonSalReq"};
        for (const char* name : commands) QVERIFY2(!enabled(name), name);
        panel.cancelButton()->click();
        QVERIFY(panel.isHidden());
        for (const char* name : commands) QVERIFY2(enabled(name), name);

        click("cmdPrint");
        panel.cmdVR()->click();
        QCOMPARE(bench_->ReportNumber("SalPackage", "TaxDue"), 67417.0);
        QVERIFY(enabled("cmdCalculate"));
    }

    void aRefusedPackageIsNotPrinted() {
        open("frmKelvaraAnn");
        typeAll({"numNetMonSalReq=50000", "numTravAll=60000", "!cmdPrint"});
        QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
        QVERIFY(printPanel("Frame1").isHidden());
        QVERIFY(enabled("cmdCalculate"));
    }

    void aStoppedCalculationShowsNoOldFigures_data() {
        const Table<StoppedRow> row;
        row("net to gross, nothing required", "frmKelvaraAnn", "0", Entries{"numNetMonSalReq=0"},
            "There is nothing to print");
        row("gross to net, nothing required", "frmPravelMon", "0", Entries{"numNetMonSalReq=0"},
            "There is nothing to print");
        row("fringe benefits above the net", "frmKelvaraAnn", "0", Entries{"numTravAll=250000"},
            "Fringe benefits more than salary required!");
        row("a written-back contribution is no fringe benefit", "frmKelvaraAnn", "7.5",
            Entries{"numNetMonSalReq=15000"}, "");
    }
    void aStoppedCalculationShowsNoOldFigures() {
        // The percentage is set before the first calculation, the typing after
        // it; an empty message: the package prints.
        QFETCH(StoppedRow, row);
        const auto& [form, employeePercent, typed, message] = row;
        open(form);
        setFundPercentages(employeePercent, "0");
        typeAll({"numAge=40", "numNetMonSalReq=200000", "!cmdCalculate"});
        QVERIFY(shown("numMAns") != "0.00");
        typeAll(typed + Entries{"!cmdPrint"});
        if (message.isEmpty()) {
            QVERIFY(bench_->Messages.empty());
            QVERIFY(printPanel("Frame1").isVisible());
            return;
        }
        QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
        QVERIFY2(bench_->Messages.last().Text.startsWith(message), qPrintable(bench_->Messages.last().Text));
        QVERIFY(printPanel("Frame1").isHidden());
        for (const char* result : {"numMAns", "numUIFCont", "numCCSkillLev", "numGrossSal", "numTotCostComp"})
            QCOMPARE(shown(result), QString("0.00"));
    }

    void workingShowsEveryResultAsTheWindowShowsIt_data() {
        const Table<TypedRow> row;
        row("net to gross, annual", "frmKelvaraAnn",
            Entries{"numAge=67", "numNetMonSalReq=150000", "numTravAll=60000", "numMedAidCont=12000", "numPMems=24"});
        row("net to gross, monthly", "frmKelvaraMon", Entries{"numAge=40", "numNetMonSalReq=12000"});
        row("gross to net, annual", "frmPravelAnn", Entries{"numAge=40", "numNetMonSalReq=300000"});
        row("gross to net, monthly", "frmPravelMon",
            Entries{"numAge=70", "numNetMonSalReq=25000", "numMedAidCont=2000", "numPMems=2"});
    }
    void workingShowsEveryResultAsTheWindowShowsIt() {
        QFETCH(TypedRow, row);
        const auto& [form, typed] = row;
        open(form);
        typeAll(typed + Entries{"!cmdCalculate", "!cmdWorking"});
        QVERIFY(working() && working()->isVisible());
        for (const char* key :
             {"UIFCont", "CCUIFCont", "CCSkillLev", "MAns", "TaxCredit", "TaxDeduct", "GrossSal", "TotCostComp"}) {
            const WorkingLine* line = working()->working().Find(key);
            QVERIFY2(line, key);
            QCOMPARE(QString::fromStdString(AmountText(*line)), field(QString("num") + key)->text());
        }
    }

    void workingOfARefusalSaysWhy() {
        open("frmKelvaraMon");
        typeAll({"numNetMonSalReq=1000", "numTravAll=5000", "!cmdCalculate"});
        QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
        click("cmdWorking");
        const Working& lines = working()->working();
        QCOMPARE(lines.Lines().size(), std::size_t{1});
        QVERIFY(lines.Lines()[0].Text.find("Fringe benefits more than salary required!") != std::string::npos);
    }
};

QTEST_MAIN(PackageWindowTest)
#include "PackageWindowTest.moc"
