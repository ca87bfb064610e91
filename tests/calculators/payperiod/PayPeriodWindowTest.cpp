#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <map>

#include "AnnualPayeWindow.h"
#include "DailyPayeWindow.h"
#include "DateField.h"
#include "DecimalField.h"
#include "FortnightlyPayeWindow.h"
#include "MonthlyPayeWindow.h"
#include "PayslipPrintPanel.h"
#include "ReportOutput.h"
#include "SettingsStore.h"
#include "SetupPanel.h"
#include "TextField.h"
#include "WeeklyPayeWindow.h"
#include "WholeNumberField.h"
#include "WindowFixture.h"
#include "WorkingWindow.h"

using namespace kelvara;
using kelvara::testing::Entries;
using kelvara::testing::SplitEntry;
using kelvara::testing::WindowDriver;
using kelvara::testing::WindowTestBench;

namespace {

// The fields each window names after its form's control arrays, by what they hold.
const QMap<QString, QMap<QString, QString>> kMeanings{
    {"frmAnnual", {{"age", "silgEdit1"}, {"salary", "silgEdit2"}, {"reportOnly", "silgEdit15"}}},
    {"frmMonthly", {{"age", "silgEdit9"}, {"travel", "silgEdit13"}}},
    {"frmFortNight",
     {{"age", "silgEdit14"}, {"bonus", "sidbEdit4"}, {"normalDays", "silgEdit21"}, {"thisDays", "silgEdit22"}}},
    {"frmWeekly",
     {{"age", "silgEdit14"}, {"bonus", "sidbEdit4"}, {"normalDays", "silgEdit21"}, {"thisDays", "silgEdit22"}}},
    {"frmDaily", {{"age", "silgEdit23"}, {"bonus", "sidbEdit4"}}},
};

const char* kIncorrectDate = "Incorrect Date";

}  // namespace

class PayPeriodWindowTest : public testing::WindowFixture {
    Q_OBJECT

private slots:
    void opensWithItsDefaultsAndCalculatesOnce_data();
    void opensWithItsDefaultsAndCalculatesOnce();
    void typedFiguresGiveTheResultsOnCalculate_data();
    void typedFiguresGiveTheResultsOnCalculate();
    void typingStoresAtOnceButDoesNotCalculate();
    void refusedCalculationsSayWhyAndKeepTheResults_data();
    void refusedCalculationsSayWhyAndKeepTheResults();
    void datesOutsideTheirBoundsAreRefused_data();
    void datesOutsideTheirBoundsAreRefused();
    void annualMonthsOutsideThePeriodAreCleared();
    void annualMemberCountsAreLoweredTo24();
    void settingsOkSavesOnlyThePayeFieldsAndRecalculates();
    void settingsRateChangeReachesTheCalculation();
    void informationPanelShowsAndHides();
    void printingWritesThePayslipCheck_data();
    void printingWritesThePayslipCheck();
    void printingRecalculatesFirst();
    void aRefusedCalculationPrintsNothing();
    void workingShowsEveryResultAsTheWindowShowsIt_data();
    void workingShowsEveryResultAsTheWindowShowsIt();
    void workingFollowsCalculationsCopiesAndPrints();
    void anEntryIsTakenWholeBeforeACommand_data();
    void anEntryIsTakenWholeBeforeACommand();

private:
    void open(const QString& form);
    void print(bool afrikaans, const QString& name = {});

    QWidget* openWindow() override {
        engine_ = {};
        return nullptr;
    }
    void closeWindow() override { window_.reset(); }

    EngineState engine_;
    std::int16_t printDirect_ = 0;
    std::unique_ptr<PayPeriodWindow> window_;
};

void PayPeriodWindowTest::open(const QString& form) {
    using Factory = std::function<PayPeriodWindow*(WindowTestBench&, EngineState&, std::int16_t&)>;
    static const std::map<QString, Factory> factories{
        {"frmAnnual",
         [](auto& b, auto& e, auto& p) { return new AnnualPayeWindow(e, p, *b.Reports, b.SettingsDatabase); }},
        {"frmMonthly",
         [](auto& b, auto& e, auto& p) { return new MonthlyPayeWindow(e, p, *b.Reports, b.SettingsDatabase); }},
        {"frmFortNight",
         [](auto& b, auto& e, auto& p) { return new FortnightlyPayeWindow(e, p, *b.Reports, b.SettingsDatabase); }},
        {"frmWeekly",
         [](auto& b, auto& e, auto& p) { return new WeeklyPayeWindow(e, p, *b.Reports, b.SettingsDatabase); }},
        {"frmDaily",
         [](auto& b, auto& e, auto& p) { return new DailyPayeWindow(e, p, *b.Reports, b.SettingsDatabase); }},
    };
    window_.reset(factories.at(form)(*bench_, engine_, printDirect_));
    nameControls(kMeanings.value(form));
    showActive(*window_);
}

void PayPeriodWindowTest::print(bool afrikaans, const QString& name) {
    click("cmdPrint");
    auto* panel = window_->findChild<PayslipPrintPanel*>("fraPrint");
    QVERIFY(panel->isVisible());
    panel->findChild<QRadioButton*>(afrikaans ? "Option2" : "Option1")->click();
    if (!name.isEmpty()) QTest::keyClicks(panel->nameField(), name);
    panel->cmdVR()->click();
    QVERIFY(panel->isHidden());
}

void PayPeriodWindowTest::opensWithItsDefaultsAndCalculatesOnce_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Entries>("defaults");
    QTest::newRow("annual") << "frmAnnual"
                            << "Annual" << Entries{"dtStartDate=01/03/2026", "dtEndDate=28/02/2027", "numAns_1=0.00"};
    QTest::newRow("monthly") << "frmMonthly"
                             << "Monthly"
                             << Entries{"dtMStartDate=01/03/2026", "dtMEndDate=31/03/2026", "numMAns=0.00"};
    QTest::newRow("fortnightly") << "frmFortNight"
                                 << "Fortnightly" << Entries{"normalDays=14", "thisDays=14", "numMAns1=0.00"};
    QTest::newRow("weekly") << "frmWeekly"
                            << "Weekly" << Entries{"normalDays=7", "thisDays=7"};
    QTest::newRow("daily") << "frmDaily"
                           << "Daily" << Entries{"age=0", "numTaxLiability=0.00"};
}

void PayPeriodWindowTest::opensWithItsDefaultsAndCalculatesOnce() {
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(Entries, defaults);
    open(form);
    QCOMPARE(window_->objectName(), form);
    QCOMPARE(window_->windowTitle(), caption);
    QCOMPARE(shownAs(defaults), defaults);
    QVERIFY(window_->findChild<QWidget*>("Frame3")->isHidden());
    QVERIFY(window_->findChild<QWidget*>("fraPrint")->isHidden());
    QVERIFY(window_->findChild<QWidget*>("fraInfo_One")->isHidden());
    QCOMPARE(window_->settings().UIFLimit, 17712.0);  // read from the delivered record
    QCOMPARE(window_->findChild<QRadioButton*>("optTAIncRate80")->isChecked(), true);
    QVERIFY(bench_->Messages.empty());
}

void PayPeriodWindowTest::typedFiguresGiveTheResultsOnCalculate_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<Entries>("typing");
    QTest::addColumn<Entries>("results");
    QTest::newRow("annual whole year") << "frmAnnual" << Entries{"age=40", "salary=300000"}
                                       << Entries{"numMAns=40 572.00", "numTaxLiability=40 572.00",
                                                  "numAns_1=40 572.00", "numAllowableRFundDed=0"};
    QTest::newRow("annual fund deduction limited to 27.5%")
        << "frmAnnual" << Entries{"age=40", "salary=300000", "numEmpERFundCont=100000"}
        << Entries{"numAllowableRFundDed=82 500"};
    QTest::newRow("annual part year") << "frmAnnual" << Entries{"age=40", "salary=150000", "dtEndDate=31082026"}
                                      << Entries{"numMAns=20 132.19"};
    QTest::newRow("monthly whole month") << "frmMonthly" << Entries{"age=40", "numSalRemun=25000"}
                                         << Entries{"numMAns=3 381.00", "numMAns1=177.12", "numMAns3=250.00"};
    QTest::newRow("monthly part month") << "frmMonthly" << Entries{"age=40", "numSalRemun=25000", "dtMEndDate=15032026"}
                                        << Entries{"numMAns=5 649.48"};
    QTest::newRow("monthly travel allowance at 80%")
        << "frmMonthly" << Entries{"age=40", "numSalRemun=20000", "travel=5000"}
        << Entries{"numMTAAns=4 000", "numMAns=3 121.00"};
    QTest::newRow("fortnightly") << "frmFortNight" << Entries{"age=40", "numSalRemun=12000"}
                                 << Entries{"numMAns=1 680.46", "numMAns1=81.75"};
    QTest::newRow("weekly short week") << "frmWeekly"
                                       << Entries{"age=40", "numSalRemun=6000", "normalDays=5", "thisDays=3"}
                                       << Entries{"numMAns=1 207.12"};
    QTest::newRow("weekly medical credit")
        << "frmWeekly" << Entries{"age=40", "numSalRemun=6000", "numEmpEEMedAidCont=100", "numMedAidBens=3"}
        << Entries{"numMAns=840.23", "numTaxCredit=251.50", "numTaxLiability=588.73", "numMAns1=40.87",
                   "numMAns3=60.00"};
    QTest::newRow("daily with bonus") << "frmDaily" << Entries{"age=40", "numSalRemun=1200", "bonus=2000"}
                                      << Entries{"numMAns=688.05"};
    QTest::newRow("daily below the threshold with bonus")
        << "frmDaily" << Entries{"age=40", "numSalRemun=200", "bonus=3000"} << Entries{"numMAns=507.46"};
}

void PayPeriodWindowTest::typedFiguresGiveTheResultsOnCalculate() {
    QFETCH(QString, form);
    QFETCH(Entries, typing);
    QFETCH(Entries, results);
    open(form);
    typeAll(typing);
    click("cmdCalculate");
    QCOMPARE(shownAs(results), results);
    QVERIFY(bench_->Messages.empty());
}

void PayPeriodWindowTest::typingStoresAtOnceButDoesNotCalculate() {
    open("frmWeekly");
    typeAll({"age=40", "numSalRemun=6000.50", "bonus=10"});
    QCOMPARE(window_->inputs().Age, std::int16_t{40});
    QCOMPARE(window_->inputs().Salary, 6000.5);
    QCOMPARE(window_->inputs().Bonus, 10.0);
    QCOMPARE(shown("numMAns"), QString("0.00"));
}

void PayPeriodWindowTest::refusedCalculationsSayWhyAndKeepTheResults_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<Entries>("typing");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("monthly dates in two months") << "frmMonthly" << Entries{"dtMEndDate=01042026"} << kIncorrectDate
                                                 << "The Start and End dates entered must be for the same Month"
                                                 << "dtMEndDate";
    QTest::newRow("monthly start after end") << "frmMonthly" << Entries{"dtMStartDate=15032026", "dtMEndDate=10032026"}
                                             << kIncorrectDate << "The Start date entered must be before the End date"
                                             << "dtMStartDate";
    QTest::newRow("weekly this week longer than normal")
        << "frmWeekly" << Entries{"normalDays=5", "thisDays=6"} << "Incorrect Number of Days"
        << "The number of 'Normal work-week' days must be = to or larger than 'This work-week'."
        << "cmdCalculate";
    QTest::newRow("fortnightly this fortnight longer than normal")
        << "frmFortNight" << Entries{"normalDays=10", "thisDays=12"} << "Incorrect Number of Days"
        << "The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'."
        << "cmdCalculate";
    QTest::newRow("weekly no days worked") << "frmWeekly" << Entries{"thisDays=0"} << "Incorrect Number of Days"
                                           << "The number of 'This work-week' days must be larger than 0."
                                           << "cmdCalculate";
}

void PayPeriodWindowTest::refusedCalculationsSayWhyAndKeepTheResults() {
    QFETCH(QString, form);
    QFETCH(Entries, typing);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    open(form);
    typeAll({"age=40", "numSalRemun=6000"});
    click("cmdCalculate");
    const QString before = shown("numMAns");
    typeAll(typing);
    type("numSalRemun", "9000");
    click("cmdCalculate");
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QCOMPARE(bench_->Messages.last().Title, title);
    QCOMPARE(bench_->Messages.last().Text, message);
    QCOMPARE(bench_->Messages.last().Icon, ui::MessageIcon::Critical);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(shown("numMAns"), before);
}

void PayPeriodWindowTest::datesOutsideTheirBoundsAreRefused_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<Entries>("typing");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("kept");
    const QString between = "The date entered is not correct please enter a date between ";
    QTest::newRow("annual start before the tax year")
        << "frmAnnual" << Entries{"dtStartDate=28022026"} << between + "01/03/2026 and 28/02/2027"
        << "dtStartDate"
        << "01/03/2026";
    QTest::newRow("annual end before the start")
        << "frmAnnual" << Entries{"dtStartDate=01062026", "dtEndDate=31052026"} << between + "01/06/2026 and 28/02/2027"
        << "dtEndDate"
        << "28/02/2027";
    QTest::newRow("annual start after the end")
        << "frmAnnual" << Entries{"dtEndDate=30062026", "dtStartDate=01072026"} << between + "01/03/2026 and 28/02/2027"
        << "dtStartDate"
        << "01/03/2026";
    QTest::newRow("annual date that does not exist")
        << "frmAnnual" << Entries{"dtEndDate=31042026"} << between + "01/03/2026 and 28/02/2027"
        << "dtEndDate"
        << "28/02/2027";
    QTest::newRow("monthly end after the tax year")
        << "frmMonthly" << Entries{"dtMEndDate=01032027"} << between + "01/03/2026 and 28/02/2027"
        << "dtMEndDate"
        << "31/03/2026";
}

void PayPeriodWindowTest::datesOutsideTheirBoundsAreRefused() {
    QFETCH(QString, form);
    QFETCH(Entries, typing);
    QFETCH(QString, message);
    QFETCH(QString, field);
    QFETCH(QString, kept);
    open(form);
    typeAll(typing);
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QCOMPARE(bench_->Messages.last().Title, QString(kIncorrectDate));
    QCOMPARE(bench_->Messages.last().Text, message);
    QCOMPARE(QApplication::focusWidget()->objectName(), field);
    QCOMPARE(shown(field), kept);
}

void PayPeriodWindowTest::annualMonthsOutsideThePeriodAreCleared() {
    open("frmAnnual");
    typeAll({"numEmpEEMedAidCont=36000", "numAnnCalcBens_3=2"});
    click("cmdDuplicate");
    for (int month = 1; month <= 12; ++month) QCOMPARE(shown(QString("numAnnCalcBens_%1").arg(month)), QString("2"));
    click("cmdCalculate");
    QCOMPARE(shown("numTaxCredit"), QString("9 024.00"));

    typeAll({"dtStartDate=01062026", "dtEndDate=31122026"});
    click("cmdCalculate");
    for (int month : {1, 2, 3, 4, 5}) QCOMPARE(shown(QString("numAnnCalcBens_%1").arg(month)), QString("0"));
    for (int month = 6; month <= 12; ++month) QCOMPARE(shown(QString("numAnnCalcBens_%1").arg(month)), QString("2"));
    QCOMPARE(window_->inputs().MonthMembers[2], std::int16_t{0});  // March cleared in the inputs too
    QCOMPARE(shown("numTaxCredit"), QString("5 264.00"));          // 7 months of 752
}

void PayPeriodWindowTest::annualMemberCountsAreLoweredTo24() {
    open("frmAnnual");
    type("numAnnCalcBens_7", "30");
    QCOMPARE(shown("numAnnCalcBens_7"), QString("24"));
    QCOMPARE(window_->inputs().MonthMembers[6], std::int16_t{24});
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QCOMPARE(bench_->Messages.last().Text,
             QString("Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!"));
    QCOMPARE(bench_->Messages.last().Icon, ui::MessageIcon::None);

    // March still being typed when the button is pressed: lowered, then copied.
    auto* march = window_->findChild<QLineEdit*>("numAnnCalcBens_3");
    march->setFocus();
    march->selectAll();
    QTest::keyClicks(march, "40");
    click("cmdDuplicate");
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{2});
    for (int month = 1; month <= 12; ++month) QCOMPARE(shown(QString("numAnnCalcBens_%1").arg(month)), QString("24"));

    // A count still being typed when the shown window is deleted: the field
    // loses the focus only once the window is gone, and nothing answers it.
    march->selectAll();
    QTest::keyClicks(march, "50");
    window_.reset();
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{2});
}

void PayPeriodWindowTest::settingsOkSavesOnlyThePayeFieldsAndRecalculates() {
    Settings before;
    SettingsStore(bench_->SettingsDatabase).Load(PackageSettingsFields(), before);
    open("frmWeekly");
    typeAll({"age=40", "numSalRemun=3000"});
    click("cmdCalculate");
    QCOMPARE(shown("numMAns1"), QString("30.00"));

    click("cmdSettings");
    auto* setup = window_->findChild<ui::SetupPanel*>("Frame3");
    QVERIFY(setup->isVisible());
    // At its place, or raised to the top of a row it would cut in two.
    QVERIFY(setup->y() <= 1710 / 15 && setup->y() > 1710 / 15 - 30);
    for (const char* button : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdPrint"}) QVERIFY(!enabled(button));
    // Three different rates, so that no result field can show another's.
    typeAll({"numEmpEUIF=1.5", "numEmpRUIF=2", "numSkillPercent=0.5"});
    QCOMPARE(shown("numMAns1"), QString("30.00"));  // nothing before "O&K"
    setup->cmdSetupOK()->click();

    QVERIFY(setup->isHidden());
    QVERIFY(enabled("cmdPrint"));
    QCOMPARE(shown("numMAns1"), QString("45.00"));
    QCOMPARE(shown("numMAns2"), QString("60.00"));
    QCOMPARE(shown("numMAns3"), QString("15.00"));
    Settings after;
    SettingsStore(bench_->SettingsDatabase).Load(PackageSettingsFields(), after);
    QCOMPARE(after.EmployeeUIF, 1.5);
    QCOMPARE(after.EmployerUIF, 2.0);
    QCOMPARE(after.PensionCont, before.PensionCont);
    QCOMPARE(after.CompCarFBRate8020, before.CompCarFBRate8020);
}

void PayPeriodWindowTest::settingsRateChangeReachesTheCalculation() {
    open("frmMonthly");
    typeAll({"age=40", "numSalRemun=20000", "travel=5000"});
    click("cmdSettings");
    window_->findChild<QRadioButton*>("optTAIncRate20")->click();
    window_->findChild<ui::SetupPanel*>("Frame3")->cmdSetupOK()->click();
    QCOMPARE(shown("numMTAAns"), QString("1 000"));
    QCOMPARE(window_->settings().TAIncRate8020, 0.2);
}

void PayPeriodWindowTest::informationPanelShowsAndHides() {
    open("frmDaily");
    click("cmdInfo_0");
    auto* info = window_->findChild<QGroupBox*>("fraInfo_One");
    QVERIFY(info->isVisible());
    QCOMPARE(info->title(), QString("General Information"));
    QVERIFY(info->findChild<QLabel*>("lblABC")->text().endsWith("The deduction is capped at R350,000 per year. "));
    click("cmdOK_Info_One");
    QVERIFY(info->isHidden());
}

void PayPeriodWindowTest::printingWritesThePayslipCheck_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<Entries>("typing");
    QTest::addColumn<bool>("afrikaans");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("title");
    QTest::addColumn<Entries>("texts");
    QTest::addColumn<QList<QPair<QString, double>>>("numbers");
    QTest::newRow("weekly in Afrikaans") << "frmWeekly" << Entries{"age=40", "numSalRemun=6000"} << true << "IRP5Week"
                                         << "Weekly - To export printout click on the suitcase button or goto Help"
                                         << Entries{"TypeAM=Weeklikse Inkomste", "Employee=Vir : Jan Smit",
                                                    "TOTAL=Totaal belasting", "SDateNum=7"}
                                         << QList<QPair<QString, double>>{{"SalNum", 6000},
                                                                          {"AgeNum", 40},
                                                                          {"UIFEMPENum", 40.87},
                                                                          {"TotalNum", (61512.0 - 17820) / 52}};
    QTest::newRow("fortnightly in English")
        << "frmFortNight" << Entries{"age=40", "numSalRemun=12000"} << false << "IRP5Week"
        << "FortNightly - To export printout click on the suitcase button or goto Help"
        << Entries{"TypeAM=Fortnightly Check", "Employee= For : Jan Smit", "EDate=This fortnight"}
        << QList<QPair<QString, double>>{{"Taxliabilitynum", (61512.0 - 17820) / 26}};
    QTest::newRow("monthly part month") << "frmMonthly"
                                        << Entries{"age=40", "numSalRemun=25000", "dtMEndDate=15032026", "travel=1000"}
                                        << false << "IRP5Mon"
                                        << "Monthly - To export printout click on the suitcase button or goto Help"
                                        << Entries{"TypeAM=Monthly Check", "SDateNum=01/03/2026", "EDateNum=15/03/2026"}
                                        << QList<QPair<QString, double>>{{"TravOne", 1000}, {"TravTwo", 800}};
    QTest::newRow("annual in Afrikaans")
        << "frmAnnual" << Entries{"age=40", "salary=300000", "reportOnly=1234"} << true << "IRP5Ann"
        << "Annual - To export printout click on the suitcase button or goto Help"
        << Entries{"TypeAM=Jaarlikse Inkomste", "PAYE=LBS", "TOTAL=Totaal", "AnnCalcBens5=Mei"}
        << QList<QPair<QString, double>>{
               {"PAYENum", 40572}, {"TotalNum", 40572}, {"SITENum", 0}, {"MedAidBensnum", 1234}};
    QTest::newRow("daily credits above the tax")
        << "frmDaily" << Entries{"age=40", "numEmpEEMedAidCont=20", "numMedAidBens=2"} << false << "IRP5Day"
        << "Daily - To export printout click on the suitcase button or goto Help"
        << Entries{"TypeAM=Daily Check", "TravAll=Travel allowance "}
        << QList<QPair<QString, double>>{{"TotalNum", 0}, {"AnnCalcBens3num", 2}};
}

void PayPeriodWindowTest::printingWritesThePayslipCheck() {
    QFETCH(QString, form);
    QFETCH(Entries, typing);
    QFETCH(bool, afrikaans);
    QFETCH(QString, table);
    QFETCH(QString, title);
    QFETCH(Entries, texts);
    using Numbers = QList<QPair<QString, double>>;
    QFETCH(Numbers, numbers);
    open(form);
    typeAll(typing);
    print(afrikaans, "Jan Smit");
    QCOMPARE(printDirect_, std::int16_t{0});
    const auto r = bench_->ReportRecord(table.toStdString());
    QVERIFY(r.has_value());
    for (const QString& entry : texts) {
        const auto [field, value] = SplitEntry(entry);
        QCOMPARE(WindowTestBench::Text(*r, field.toStdString()), value);
    }
    for (const auto& [field, value] : numbers) QCOMPARE(WindowTestBench::Number(*r, field.toStdString()), value);
    QCOMPARE(bench_->ReportWindows.size(), std::size_t{1});
    QCOMPARE(bench_->ReportWindows[0]->windowTitle(), title);
    QVERIFY(bench_->Messages.empty());
}

void PayPeriodWindowTest::printingRecalculatesFirst() {
    open("frmMonthly");
    typeAll({"age=40", "numSalRemun=25000"});
    print(false);
    QCOMPARE(bench_->ReportNumber("IRP5Mon", "Taxliabilitynum"), 3381.0);
    QCOMPARE(shown("numMAns"), QString("3 381.00"));
}

void PayPeriodWindowTest::aRefusedCalculationPrintsNothing() {
    open("frmMonthly");
    type("dtMEndDate", "01042026");
    print(false);
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QCOMPARE(bench_->Messages.last().Text, QString("The Start and End dates entered must be for the same Month"));
    QVERIFY(bench_->ReportWindows.empty());
    QCOMPARE(bench_->ReportText("IRP5Mon", "TypeAM"), QString());
}

void PayPeriodWindowTest::workingShowsEveryResultAsTheWindowShowsIt_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<Entries>("typing");
    const Entries medical{"numEmpEEMedAidCont=900", "numEmpERFundCont=2500", "numMedAidBens=3"};
    QTest::newRow("annual") << "frmAnnual"
                            << Entries{"age=67", "salary=420000", "numEmpEEMedAidCont=36000", "numAnnCalcBens_3=2",
                                       "dtEndDate=30112026"};
    QTest::newRow("monthly part month") << "frmMonthly"
                                        << Entries{"age=40", "numSalRemun=25000", "dtMEndDate=15032026"};
    QTest::newRow("fortnightly") << "frmFortNight" << (Entries{"age=70", "numSalRemun=12000"} + medical);
    QTest::newRow("weekly") << "frmWeekly" << (Entries{"age=40", "numSalRemun=6000", "thisDays=3"} + medical);
    QTest::newRow("daily") << "frmDaily" << Entries{"age=40", "numSalRemun=1200", "bonus=2000"};
}

void PayPeriodWindowTest::workingShowsEveryResultAsTheWindowShowsIt() {
    QFETCH(QString, form);
    QFETCH(Entries, typing);
    open(form);
    typeAll(typing);
    click("cmdCalculate");
    click("cmdWorking");
    auto* working = window_->findChild<ui::WorkingWindow*>("frmWorking");
    QVERIFY(working && working->isVisible());
    QCOMPARE(working->windowTitle(), "Working - " + window_->windowTitle());
    const QList<QPair<QString, std::string>> fields{
        {"numAllowableRFundDed", "FundDeduction"},
        {"numMAns", "PeriodTax"},
        {"numTaxCredit", "MedicalCredit"},
        {"numMTCForContri", "AdditionalCredit"},
        {"numTaxLiability", "TaxAfterCredits"},
        {"numMAns1", "UIFEmployee"},
        {"numMAns2", "UIFEmployer"},
        {"numMAns3", "SkillsLevy"},
    };
    for (const auto& [field, key] : fields) {
        if (!has(field)) continue;  // the annual window has no UIF
        const WorkingLine* line = working->working().Find(key);
        QVERIFY2(line, key.c_str());
        QCOMPARE(QString::fromStdString(AmountText(*line)), shown(field));
    }
}

void PayPeriodWindowTest::workingFollowsCalculationsCopiesAndPrints() {
    open("frmMonthly");
    typeAll({"age=40", "numSalRemun=25000"});
    click("cmdCalculate");
    click("cmdWorking");
    auto* working = window_->findChild<ui::WorkingWindow*>("frmWorking");
    QCOMPARE(AmountText(*working->working().Find("PeriodTax")), std::string("3 381.00"));

    // Typing alone changes nothing; the open window follows the next calculation.
    type("dtMEndDate", "15032026");
    QCOMPARE(AmountText(*working->working().Find("PeriodTax")), std::string("3 381.00"));
    click("cmdCalculate");
    QCOMPARE(AmountText(*working->working().Find("PeriodTax")), std::string("5 649.48"));

    working->findChild<QPushButton*>("cmdCopy")->click();
    QCOMPARE(QApplication::clipboard()->text().toStdString(), WorkingText(working->working()));

    working->findChild<QPushButton*>("cmdPrint")->click();
    QCOMPARE(bench_->ReportWindows.size(), std::size_t{1});
    QCOMPARE(bench_->ReportWindows.back()->windowTitle(), QString("Working - Monthly"));
    std::vector<FieldValues> rows;
    QVERIFY(ReportOutput(bench_->ReportDatabase).ReadReportRows("WorkingLines", rows).ok);
    QCOMPARE(rows.size(), working->working().Lines().size());
    QVERIFY(bench_->Messages.empty());

    working->findChild<QPushButton*>("cmdClose")->click();
    QVERIFY(working->isHidden());
}

// An access key leaves the focus in the field being typed in; "15" in a
// field of 0 to 14 days must not go to work as the "1" it started with.
void PayPeriodWindowTest::anEntryIsTakenWholeBeforeACommand_data() {
    QTest::addColumn<bool>("printPanel");
    QTest::addColumn<int>("key");
    QTest::newRow("Alt+V in the print panel") << true << int{Qt::Key_V};
    QTest::newRow("Alt+C") << false << int{Qt::Key_C};
}

void PayPeriodWindowTest::anEntryIsTakenWholeBeforeACommand() {
    QFETCH(bool, printPanel);
    QFETCH(int, key);
    open("frmFortNight");
    typeAll({"age=40", "numSalRemun=5000"});
    click("cmdCalculate");
    const QString tax = shown("numMAns1");
    if (printPanel) click("cmdPrint");
    auto* days = field("thisDays");
    days->setFocus();
    days->selectAll();
    QTest::keyClicks(days, "15");
    QTest::keyClick(days, static_cast<Qt::Key>(key), Qt::AltModifier);
    QTest::qWait(300);  // an access key clicks its button after a moment
    QCOMPARE(shown("thisDays"), QString("14"));
    QCOMPARE(shown("numMAns1"), tax);
    QVERIFY(bench_->ReportWindows.empty());
    QVERIFY(bench_->Messages.empty());
    QCOMPARE(window_->findChild<QLabel*>("fieldNote")->text(),
             QString("15 is out of range. This field takes 0 to 14."));
}

QTEST_MAIN(PayPeriodWindowTest)
#include "PayPeriodWindowTest.moc"
