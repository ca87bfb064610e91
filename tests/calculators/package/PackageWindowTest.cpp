#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "PackageWindow.h"
#include "PrintPanel.h"
#include "SettingsStore.h"
#include "WindowFixture.h"
#include "WorkingWindow.h"

using namespace kelvara;
using kelvara::testing::Entries;
using kelvara::testing::SplitEntry;
using kelvara::testing::WindowDriver;
using kelvara::testing::WindowTestBench;

class PackageWindowTest : public testing::WindowFixture {
    Q_OBJECT

private slots:
    void eachWindowHasItsCaptionAndLines_data();
    void eachWindowHasItsCaptionAndLines();
    void workedPackagesShowTheirResults_data();
    void workedPackagesShowTheirResults();
    void amountsAreMirroredIntoTheCostToCompanyColumn();
    void netToGrossHoldsTheFundPercentagesTo27_5_data();
    void netToGrossHoldsTheFundPercentagesTo27_5();
    void setupOpensAtItsTopAndLocksTheCommands_data();
    void setupOpensAtItsTopAndLocksTheCommands();
    void setupConfirmationSavesAndRecalculates();
    void refusedCalculationsSaySoAndKeepTheResults_data();
    void refusedCalculationsSaySoAndKeepTheResults();
    void contributionsAboveTheLimitWarnAndBlockPrinting();
    void retirementAnnuityExplanation_data();
    void retirementAnnuityExplanation();
    void printWritesTheSalPackageRecord_data();
    void printWritesTheSalPackageRecord();
    void printRecalculatesAndLocksTheScreenUntilDone();
    void aRefusedPackageIsNotPrinted();
    void aStoppedCalculationShowsNoOldFigures_data();
    void aStoppedCalculationShowsNoOldFigures();
    void workingShowsEveryResultAsTheWindowShowsIt_data();
    void workingShowsEveryResultAsTheWindowShowsIt();
    void workingOfARefusalSaysWhy();

private:
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
        click("cmdSettings");
        type("numPenContPerc", employee);
        type("numPenPercentage", employer);
        click("cmdSetupOK");
    }
    Settings savedSettings() const {
        Settings s;
        SettingsStore(bench_->SettingsDatabase).Load(PackageSettingsFields(), s);
        return s;
    }
    void printToWindow() {
        click("cmdPrint");
        printPanel("Frame1").cmdVR()->click();
    }

    QWidget* openWindow() override {
        engine_ = {};
        return nullptr;
    }
    void closeWindow() override { window_.reset(); }

    EngineState engine_;
    std::int16_t printDirect_ = 0;
    std::unique_ptr<PackageWindow> window_;
};

void PackageWindowTest::eachWindowHasItsCaptionAndLines_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("has");
    QTest::addColumn<QStringList>("hasNot");
    QTest::newRow("Kelvara annual") << "frmKelvaraAnn"
                                    << "Kelvara : Annual Calculation"
                                    << QStringList{"numRADeduct", "numProvFund", "numCCProvFund"}
                                    << QStringList{"numCCNetMonSalReq", "numPenDeduct"};
    QTest::newRow("Kelvara monthly") << "frmKelvaraMon"
                                     << "Kelvara : Monthly Calculation" << QStringList{}
                                     << QStringList{"numRADeduct", "numProvFund", "numCCNetMonSalReq"};
    QTest::newRow("Pravel annual") << "frmPravelAnn"
                                   << "Pravel : Annual Calculation"
                                   << QStringList{"numCCNetMonSalReq", "numPenDeduct", "numCCPenDeduct", "numRADeduct"}
                                   << QStringList{};
    QTest::newRow("Pravel monthly") << "frmPravelMon"
                                    << "Pravel : Monthly Calculation" << QStringList{"numCCNetMonSalReq", "numProvFund"}
                                    << QStringList{};
}

void PackageWindowTest::eachWindowHasItsCaptionAndLines() {
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(QStringList, has);
    QFETCH(QStringList, hasNot);
    open(form);
    QCOMPARE(window_->objectName(), form);
    QCOMPARE(window_->windowTitle(), caption);
    for (const QString& name : has) QVERIFY2(this->has(name), qPrintable(name));
    for (const QString& name : hasNot) QVERIFY2(!this->has(name), qPrintable(name));
}

void PackageWindowTest::workedPackagesShowTheirResults_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("employeePercent");
    QTest::addColumn<QString>("employerPercent");
    QTest::addColumn<Entries>("typed");
    QTest::addColumn<Entries>("shown");
    QTest::newRow("net 150000 a year") << "frmKelvaraAnn"
                                       << "0"
                                       << "0" << Entries{"numAge=40", "numNetMonSalReq=150000"}
                                       << Entries{"numMAns=11 553.48",      "numUIFCont=1 631.86",
                                                  "numCCUIFCont=1 631.86",  "numCCSkillLev=1 631.86",
                                                  "numGrossSal=163 185.34", "numTotCostComp=166 449.06",
                                                  "numTaxDeduct=11 553.48"};
    QTest::newRow("net 150000 with a travel allowance")
        << "frmKelvaraAnn"
        << "0"
        << "0" << Entries{"numAge=40", "numNetMonSalReq=150000", "numTravAll=60000"}
        << Entries{"numMAns=8 886.78", "numUIFCont=1 483.71", "numGrossSal=160 370.49", "numTotCostComp=163 337.91"};
    QTest::newRow("net 12000 a month") << "frmKelvaraMon"
                                       << "0"
                                       << "0" << Entries{"numAge=40", "numNetMonSalReq=12000"}
                                       << Entries{"numMAns=851.76", "numUIFCont=129.82", "numGrossSal=12 981.58",
                                                  "numTotCostComp=13 241.22"};
    QTest::newRow("net 200000 with 7.5% to the fund")
        << "frmKelvaraAnn"
        << "7.5"
        << "0" << Entries{"numAge=40", "numNetMonSalReq=200000"}
        << Entries{"numRFundCont=18 224.03", "numMAns=22 637.34", "numUIFCont=2 125.44"};
    QTest::newRow("package 300000 a year")
        << "frmPravelAnn"
        << "7.5"
        << "0" << Entries{"numAge=40", "numNetMonSalReq=300000"}
        << Entries{"numRFundCont=22 500.00",      "numMAns=34 722.00",      "numUIFCont=2 125.44",
                   "numCCSkillLev=2 775.00",      "numGrossSal=240 652.56", "numTotCostComp=304 900.44",
                   "numCCNetMonSalReq=300 000.00"};
    QTest::newRow("package 25000 a month")
        << "frmPravelMon"
        << "7.5"
        << "0" << Entries{"numAge=40", "numNetMonSalReq=25000"}
        << Entries{"numRFundCont=1 875.00", "numMAns=2 893.50",      "numUIFCont=177.12",
                   "numCCSkillLev=231.25",  "numGrossSal=20 054.38", "numTotCostComp=25 408.37"};
    QTest::newRow("car, travel and medical aid at 66")
        << "frmPravelAnn"
        << "10"
        << "20" << Entries{"numAge=66",           "numNetMonSalReq=400000", "numTravAll=60000",
                           "numMedAidCont=12000", "numCCMedAidCont=24000",  "numPMems=24",
                           "numCompCar=300000"}
        << Entries{"numCCRFundCont=80 000.00", "numTaxCredit=11 997.02", "numTaxDeduct=36 697.98",
                   "numCCSkillLev=3 688.00",   "numGrossSal=205 176.58", "numTotCostComp=485 813.44",
                   "numOnceOff=300 000.00"};
    QTest::newRow("medical deductions count from 65 only")
        << "frmPravelAnn"
        << "0"
        << "0" << Entries{"numAge=64", "numNetMonSalReq=300000", "numMedDeduct=5000"} << Entries{"numMedDeduct=0.00"};
}

void PackageWindowTest::workedPackagesShowTheirResults() {
    QFETCH(QString, form);
    QFETCH(QString, employeePercent);
    QFETCH(QString, employerPercent);
    QFETCH(Entries, typed);
    QFETCH(Entries, shown);
    open(form);
    setFundPercentages(employeePercent, employerPercent);
    typeAll(typed);
    click("cmdCalculate");
    QCOMPARE(shownAs(shown), shown);
    const bool onceOff = WindowDriver::shown("numCompCar") != "0.00";
    QCOMPARE(field("numOnceOff")->isVisible(), onceOff);
    QCOMPARE(find<QLabel>("lblOnceOff1")->isVisible(), onceOff);
    QVERIFY(find<QLabel>("lblLimitWarning")->isHidden());
    QVERIFY(button("cmdPrint")->isEnabled());
    QVERIFY(bench_->Messages.empty());
}

void PackageWindowTest::amountsAreMirroredIntoTheCostToCompanyColumn() {
    open("frmPravelMon");
    typeAll({"numNetMonSalReq=30000", "numTravAll=4000", "numOTaxFB=250", "numOtherDet_2=500"});
    QCOMPARE(shown("numCCNetMonSalReq"), QString("30 000.00"));
    QCOMPARE(shown("numCCTravAll"), QString("4 000.00"));
    QCOMPARE(shown("numCCOTaxFB"), QString("250.00"));
    QCOMPARE(shown("numOtherDetCC_2"), QString("500.00"));
    // A mirror edited on its own leaves the employee's amount alone.
    type("numOtherDetCC_2", "650");
    QCOMPARE(shown("numOtherDet_2"), QString("500.00"));
    // The other expense comes off the take-home salary.
    click("cmdCalculate");
    const QString withExpense = shown("numGrossSal");
    type("numOtherDet_2", "0");
    click("cmdCalculate");
    QCOMPARE(shownNumber("numGrossSal") - QLocale::c().toDouble(QString(withExpense).remove(' ')), 500.0);
}

void PackageWindowTest::netToGrossHoldsTheFundPercentagesTo27_5_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("employee");
    QTest::addColumn<QString>("employer");
    QTest::addColumn<double>("keptEmployee");
    QTest::addColumn<double>("keptEmployer");
    QTest::newRow("27.5 in all stays") << "frmKelvaraAnn"
                                       << "20"
                                       << "7.5" << 20.0 << 7.5;
    QTest::newRow("27.6 falls to nothing") << "frmKelvaraAnn"
                                           << "20"
                                           << "7.6" << 0.0 << 0.0;
    QTest::newRow("15 and 15 fall to nothing") << "frmKelvaraMon"
                                               << "15"
                                               << "15" << 0.0 << 0.0;
    QTest::newRow("gross to net keeps 20 and 10") << "frmPravelAnn"
                                                  << "20"
                                                  << "10" << 20.0 << 10.0;
    QTest::newRow("gross to net keeps 15 and 15") << "frmPravelMon"
                                                  << "15"
                                                  << "15" << 15.0 << 15.0;
}

void PackageWindowTest::netToGrossHoldsTheFundPercentagesTo27_5() {
    QFETCH(QString, form);
    QFETCH(QString, employee);
    QFETCH(QString, employer);
    QFETCH(double, keptEmployee);
    QFETCH(double, keptEmployer);
    open(form);
    click("cmdSettings");
    type("numPenContPerc", employee);
    type("numPenPercentage", employer);
    // The rule works while typing, before anything is confirmed.
    QCOMPARE(shown("numPenContPerc"), QString::number(keptEmployee, 'f', 3));
    QCOMPARE(shown("numPenPercentage"), QString::number(keptEmployer, 'f', 3));
    click("cmdSetupOK");
    QCOMPARE(savedSettings().PensionCont, keptEmployee);
    QCOMPARE(savedSettings().EmployerPenCont, keptEmployer);
}

void PackageWindowTest::setupOpensAtItsTopAndLocksTheCommands_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("topTwips");
    QTest::newRow("Kelvara annual") << "frmKelvaraAnn" << 960;
    QTest::newRow("Kelvara monthly") << "frmKelvaraMon" << 1080;
    QTest::newRow("Pravel annual") << "frmPravelAnn" << 750;
    QTest::newRow("Pravel monthly") << "frmPravelMon" << 960;
}

void PackageWindowTest::setupOpensAtItsTopAndLocksTheCommands() {
    QFETCH(QString, form);
    QFETCH(int, topTwips);
    open(form);
    const char* commands[] = {"cmdOk", "cmdCalculate", "cmdSettings", "cmdPrint", "cmdRAExpl", "cmdWorking"};
    click("cmdSettings");
    auto* setup = find("Frame3");
    QVERIFY(setup->isVisible());
    // At its place, or raised to the top of a row it would cut in two.
    QVERIFY(setup->y() <= topTwips / 15 && setup->y() > topTwips / 15 - 30);
    for (const char* name : commands) QVERIFY2(!button(name)->isEnabled(), name);
    click("cmdSetupOK");
    QVERIFY(setup->isHidden());
    for (const char* name : commands) QVERIFY2(button(name)->isEnabled(), name);
}

void PackageWindowTest::setupConfirmationSavesAndRecalculates() {
    open("frmPravelAnn");
    typeAll({"numAge=40", "numNetMonSalReq=300000", "numProvContPerc=5", "numCCProvContPerc=2.5"});
    click("cmdCalculate");
    QCOMPARE(shown("numRFundCont"), QString("0.00"));
    click("cmdSettings");
    type("numPenContPerc", "7.5");
    type("numEmpEUIF", "1.5");
    click("optCompCarMPYes");
    click("cmdSetupOK");
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

void PackageWindowTest::refusedCalculationsSaySoAndKeepTheResults_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<double>("storedEmployeePercent");
    QTest::addColumn<Entries>("typed");
    QTest::addColumn<QString>("message");  // empty: none
    QTest::addColumn<int>("icon");
    QTest::newRow("nothing required") << "frmKelvaraAnn" << 0.0 << Entries{"numAge=40"} << "" << 0;
    QTest::newRow("fringe benefits above the net")
        << "frmKelvaraAnn" << 0.0 << Entries{"numNetMonSalReq=50000", "numTravAll=60000"}
        << "Fringe benefits more than salary required!" << int(ui::MessageIcon::None);
    QTest::newRow("a fund percentage no gross can carry (saved from gross to net)")
        << "frmKelvaraAnn" << 100.0 << Entries{"numNetMonSalReq=100000"} << "leave too little"
        << int(ui::MessageIcon::Critical);
    QTest::newRow("a net beyond any gross the fields show")
        << "frmKelvaraMon" << 0.0 << Entries{"numNetMonSalReq=99999999.99"} << "No gross salary up to R99 999 999"
        << int(ui::MessageIcon::Critical);
}

void PackageWindowTest::refusedCalculationsSaySoAndKeepTheResults() {
    QFETCH(QString, form);
    QFETCH(double, storedEmployeePercent);
    QFETCH(Entries, typed);
    QFETCH(QString, message);
    QFETCH(int, icon);
    Settings stored = savedSettings();
    stored.PensionCont = storedEmployeePercent;
    QVERIFY(SettingsStore(bench_->SettingsDatabase).Save(PackageSettingsFields(), stored).ok);
    open(form);
    typeAll(typed);
    click("cmdCalculate");
    if (message.isEmpty()) {
        QVERIFY(bench_->Messages.empty());
    } else {
        QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
        QCOMPARE(bench_->Messages.last().Title, QString("Kelvara 2027"));
        QVERIFY2(bench_->Messages.last().Text.contains(message), qPrintable(bench_->Messages.last().Text));
        QCOMPARE(int(bench_->Messages.last().Icon), icon);
    }
    // Nothing was worked out: the tax and UIF are still those of the newly
    // opened window.
    QCOMPARE(shown("numMAns"), QString("0.00"));
    QCOMPARE(shown("numUIFCont"), QString("0.00"));
}

void PackageWindowTest::contributionsAboveTheLimitWarnAndBlockPrinting() {
    open("frmPravelAnn");
    typeAll({"numAge=40", "numNetMonSalReq=300000"});
    click("cmdCalculate");
    const int buttonsTop = button("cmdOk")->y();
    const int height = window_->height();
    setFundPercentages("20", "20");
    auto* warning = find<QLabel>("lblLimitWarning");
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->text(), QString("R/Fund contributions exceed allowable limits!"));
    QVERIFY(!button("cmdPrint")->isEnabled());
    QVERIFY(button("cmdOk")->y() > buttonsTop);
    QVERIFY(window_->height() > height);
    setFundPercentages("7.5", "0");
    QVERIFY(warning->isHidden());
    QVERIFY(button("cmdPrint")->isEnabled());
    QCOMPARE(button("cmdOk")->y(), buttonsTop);
}

void PackageWindowTest::retirementAnnuityExplanation_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("employeePercent");
    QTest::addColumn<Entries>("typed");
    QTest::addColumn<QString>("lineA");
    QTest::addColumn<QString>("lineC");
    QTest::newRow("no fund percentage: all of the gross")
        << "frmKelvaraAnn"
        << "0" << Entries{"numAge=40", "numNetMonSalReq=150000"} << "ie: R 3 500 - R0.00 = R3 500.00"
        << "ie: R163 185.34 X 15% = R24 477.80";
    QTest::newRow("contributions above R3 500")
        << "frmPravelAnn"
        << "7.5" << Entries{"numAge=40", "numNetMonSalReq=300000", "numTravAll=20000"}
        << "ie: R 3 500 - R22 500.00 = - R19 000.00"
        << "ie: R20 000.00 X 15% = R3 000.00";
    QTest::newRow("a month raised to a year")
        << "frmPravelMon"
        << "0" << Entries{"numAge=40", "numNetMonSalReq=25000", "numRFundCont=200"}
        << "ie: R 3 500 - R2 400.00 = R1 100.00"
        << "ie: R300 000.00 X 15% = R45 000.00";
}

void PackageWindowTest::retirementAnnuityExplanation() {
    QFETCH(QString, form);
    QFETCH(QString, employeePercent);
    QFETCH(Entries, typed);
    QFETCH(QString, lineA);
    QFETCH(QString, lineC);
    open(form);
    setFundPercentages(employeePercent, "0");
    typeAll(typed);
    click("cmdCalculate");
    click("cmdRAExpl");
    auto* panel = find("Frame2");
    QVERIFY(panel->isVisible());
    QCOMPARE(find<QLabel>("lblRALineA")->text(), lineA);
    QCOMPARE(find<QLabel>("lblRALineC")->text(), lineC);
    click("cmdRAOK");
    QVERIFY(panel->isHidden());
}

void PackageWindowTest::printWritesTheSalPackageRecord_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<Entries>("typed");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("title");
    QTest::addColumn<Entries>("record");  // text fields as written
    QTest::newRow("Kelvara annual")
        << "frmKelvaraAnn" << Entries{"numAge=40", "numNetMonSalReq=150000"}
        << "Kelvara Salary Package Calculation : Annual"
        << "Kelvara2020 Annual - To export printout click on the suitcase button or goto Help"
        << Entries{"MonAnnSal=Net annual salary required", "RADirective=Medical beneficiaries months",
                   "OEXPTXT=", "PlusCompCar1="};
    QTest::newRow("Kelvara monthly, one other expense")
        << "frmKelvaraMon"
        << Entries{"numAge=40", "numNetMonSalReq=12000", "txtOtherDet_2=Parking", "numOtherDet_2=500"}
        << "Kelvara Salary Package Calculation : Monthly"
        << "Kelvara2020 Monthly - To export printout click on the suitcase button or goto Help"
        << Entries{"MonAnnSal=Net monthly salary required",
                   "RADirective=Med. aid fund beneficiaries",
                   "OEXPTXT=Other Expenses :",
                   "ODedTxt2=Parking",
                   "ODedR2=R",
                   "ODedTxt0=",
                   "ODedR0="};
    QTest::newRow("Pravel annual, a description without an amount")
        << "frmPravelAnn" << Entries{"numAge=40", "numNetMonSalReq=300000", "txtOtherDet_1=Club", "numOtherDet_3=100"}
        << "Pravel Salary Package Calculation : Annual"
        << "Pravel2020 Annual - To export printout click on the suitcase button or goto Help"
        << Entries{"MonAnnSal=Net annual salary required", "ODedTxt1=", "ODedR3=R"};
    QTest::newRow("Pravel monthly with a company car")
        << "frmPravelMon" << Entries{"numAge=40", "numNetMonSalReq=25000", "numCompCar=300000"}
        << "Pravel Salary Package Calculation : Monthly"
        << "Pravel2020 Monthly - To export printout click on the suitcase button or goto Help"
        << Entries{"PlusCompCar1=(plus a 'once-off' cost of R 300000",
                   "PlusCompCar2=for the company car and this does not include fuel, maintenance etc)."};
}

void PackageWindowTest::printWritesTheSalPackageRecord() {
    QFETCH(QString, form);
    QFETCH(Entries, typed);
    QFETCH(QString, heading);
    QFETCH(QString, title);
    QFETCH(Entries, record);
    open(form);
    typeAll(typed);
    click("cmdPrint");
    type("Text1", "A. Taxpayer");
    printPanel("Frame1").cmdVR()->click();
    QVERIFY(bench_->Messages.empty());

    const auto row = bench_->ReportRecord("SalPackage");
    QVERIFY(row.has_value());
    QCOMPARE(WindowTestBench::Text(*row, "MonAnn"), heading);
    QCOMPARE(WindowTestBench::Text(*row, "TPName"), QString("A. Taxpayer"));
    QCOMPARE(WindowTestBench::Number(*row, "TPAge"), 40.0);
    QCOMPARE(WindowTestBench::Number(*row, "NetMonSal"), shownNumber("numNetMonSalReq"));
    QCOMPARE(WindowTestBench::Number(*row, "TaxDue"), shownNumber("numMAns"));
    QCOMPARE(WindowTestBench::Number(*row, "UIFCont"), shownNumber("numUIFCont"));
    QCOMPARE(WindowTestBench::Number(*row, "GSal"), shownNumber("numGrossSal"));
    QCOMPARE(WindowTestBench::Number(*row, "TotCostComp"), shownNumber("numTotCostComp"));
    for (const QString& entry : record) {
        const auto [name, value] = SplitEntry(entry);
        QCOMPARE(WindowTestBench::Text(*row, name.toStdString()), value);
    }
    QCOMPARE(bench_->ReportWindows.size(), std::size_t{1});
    QCOMPARE(bench_->ReportWindows[0]->windowTitle(), title);
}

void PackageWindowTest::printRecalculatesAndLocksTheScreenUntilDone() {
    open("frmPravelAnn");
    typeAll({"numAge=40", "numNetMonSalReq=300000"});
    click("cmdCalculate");
    type("numNetMonSalReq", "400000");
    click("cmdPrint");
    // The package typed since the last calculation is worked out first.
    QCOMPARE(shown("numMAns"), QString("67 417.00"));
    auto* panel = find<ui::PrintPanel>("Frame1");
    QVERIFY(panel->isVisible());
    for (const char* name : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdRAExpl"}) QVERIFY(!button(name)->isEnabled());
    QVERIFY(!field("numNetMonSalReq")->isEnabled());
    panel->cancelButton()->click();
    QVERIFY(panel->isHidden());
    for (const char* name : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdRAExpl"}) QVERIFY(button(name)->isEnabled());
    QVERIFY(field("numNetMonSalReq")->isEnabled());

    printToWindow();
    QCOMPARE(bench_->ReportNumber("SalPackage", "TaxDue"), 67417.0);
    QVERIFY(button("cmdCalculate")->isEnabled());
}

void PackageWindowTest::aRefusedPackageIsNotPrinted() {
    open("frmKelvaraAnn");
    typeAll({"numNetMonSalReq=50000", "numTravAll=60000"});
    click("cmdPrint");
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QVERIFY(printPanel("Frame1").isHidden());
    QVERIFY(button("cmdCalculate")->isEnabled());
}

void PackageWindowTest::aStoppedCalculationShowsNoOldFigures_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("employeePercent");  // set before the first calculation
    QTest::addColumn<Entries>("typed");            // after it
    QTest::addColumn<QString>("message");          // on "&Print"; "" when the package prints
    QTest::newRow("net to gross, nothing required")
        << "frmKelvaraAnn"
        << "0" << Entries{"numNetMonSalReq=0"} << "There is nothing to print";
    QTest::newRow("gross to net, nothing required")
        << "frmPravelMon"
        << "0" << Entries{"numNetMonSalReq=0"} << "There is nothing to print";
    QTest::newRow("fringe benefits above the net")
        << "frmKelvaraAnn"
        << "0" << Entries{"numTravAll=250000"} << "Fringe benefits more than salary required!";
    QTest::newRow("a written-back contribution is no fringe benefit")
        << "frmKelvaraAnn"
        << "7.5" << Entries{"numNetMonSalReq=15000"} << "";
}

void PackageWindowTest::aStoppedCalculationShowsNoOldFigures() {
    QFETCH(QString, form);
    QFETCH(QString, employeePercent);
    QFETCH(Entries, typed);
    QFETCH(QString, message);
    open(form);
    setFundPercentages(employeePercent, "0");
    typeAll({"numAge=40", "numNetMonSalReq=200000"});
    click("cmdCalculate");
    QVERIFY(shown("numMAns") != "0.00");
    typeAll(typed);
    click("cmdPrint");
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

void PackageWindowTest::workingShowsEveryResultAsTheWindowShowsIt_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<Entries>("typed");
    QTest::newRow("net to gross, annual")
        << "frmKelvaraAnn"
        << Entries{"numAge=67", "numNetMonSalReq=150000", "numTravAll=60000", "numMedAidCont=12000", "numPMems=24"};
    QTest::newRow("net to gross, monthly") << "frmKelvaraMon" << Entries{"numAge=40", "numNetMonSalReq=12000"};
    QTest::newRow("gross to net, annual") << "frmPravelAnn" << Entries{"numAge=40", "numNetMonSalReq=300000"};
    QTest::newRow("gross to net, monthly")
        << "frmPravelMon" << Entries{"numAge=70", "numNetMonSalReq=25000", "numMedAidCont=2000", "numPMems=2"};
}

void PackageWindowTest::workingShowsEveryResultAsTheWindowShowsIt() {
    QFETCH(QString, form);
    QFETCH(Entries, typed);
    open(form);
    typeAll(typed);
    click("cmdCalculate");
    click("cmdWorking");
    auto* working = window_->findChild<ui::WorkingWindow*>("frmWorking");
    QVERIFY(working && working->isVisible());
    for (const char* key :
         {"UIFCont", "CCUIFCont", "CCSkillLev", "MAns", "TaxCredit", "TaxDeduct", "GrossSal", "TotCostComp"}) {
        const WorkingLine* line = working->working().Find(key);
        QVERIFY2(line, key);
        QCOMPARE(QString::fromStdString(AmountText(*line)), field(QString("num") + key)->text());
    }
}

void PackageWindowTest::workingOfARefusalSaysWhy() {
    open("frmKelvaraMon");
    typeAll({"numNetMonSalReq=1000", "numTravAll=5000"});
    click("cmdCalculate");
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    click("cmdWorking");
    const Working& working = window_->findChild<ui::WorkingWindow*>("frmWorking")->working();
    QCOMPARE(working.Lines().size(), std::size_t{1});
    QVERIFY(working.Lines()[0].Text.find("Fringe benefits more than salary required!") != std::string::npos);
}

QTEST_MAIN(PackageWindowTest)
#include "PackageWindowTest.moc"
