#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

#include "AnnualPayeWindow.h"
#include "DailyPayeWindow.h"
#include "FortnightlyPayeWindow.h"
#include "MonthlyPayeWindow.h"
#include "PayslipPrintPanel.h"
#include "ReportOutput.h"
#include "SettingsStore.h"
#include "SetupPanel.h"
#include "TableRows.h"
#include "TextField.h"
#include "WeeklyPayeWindow.h"
#include "WindowFixture.h"
#include "WorkingWindow.h"

using namespace kelvara;
using kelvara::testing::Entries;
using kelvara::testing::Table;
using kelvara::testing::WindowTestBench;

namespace {

template <class Window>
PayPeriodWindow* Make(WindowTestBench& bench, EngineState& engine, std::int16_t& printDirect) {
    return new Window(engine, printDirect, *bench.Reports, bench.SettingsDatabase);
}

// Each window by its form's name, with the fields it names after the form's
// control arrays by what they hold.
struct Form {
    PayPeriodWindow* (*Open)(WindowTestBench&, EngineState&, std::int16_t&);
    QMap<QString, QString> Meanings;
};
const QMap<QString, QString> kDaysMeanings{
    {"age", "silgEdit14"}, {"bonus", "sidbEdit4"}, {"normalDays", "silgEdit21"}, {"thisDays", "silgEdit22"}};
const QMap<QString, Form> kForms{
    {"frmAnnual",
     {Make<AnnualPayeWindow>, {{"age", "silgEdit1"}, {"salary", "silgEdit2"}, {"reportOnly", "silgEdit15"}}}},
    {"frmMonthly", {Make<MonthlyPayeWindow>, {{"age", "silgEdit9"}, {"travel", "silgEdit13"}}}},
    {"frmFortNight", {Make<FortnightlyPayeWindow>, kDaysMeanings}},
    {"frmWeekly", {Make<WeeklyPayeWindow>, kDaysMeanings}},
    {"frmDaily", {Make<DailyPayeWindow>, {{"age", "silgEdit23"}, {"bonus", "sidbEdit4"}}}},
};

const QString kIncorrectDate = "Incorrect Date";
const QString kExportHint = " - To export printout click on the suitcase button or goto Help";

// The rows of the tables, their columns as the tests name them.
using DefaultsRow = std::tuple<QString, QString, Entries>;
using ResultsRow = std::tuple<QString, Entries, Entries>;
using RefusalRow = std::tuple<QString, Entries, QString, QString, QString>;
using Numbers = std::vector<std::pair<std::string, double>>;
using PrintRow = std::tuple<QString, Entries, bool, std::string, QString, Entries, Numbers>;
using TypingRow = std::tuple<QString, Entries>;
using AccessKeyRow = std::tuple<bool, Qt::Key>;

}  // namespace

Q_DECLARE_METATYPE(DefaultsRow)
Q_DECLARE_METATYPE(ResultsRow)
Q_DECLARE_METATYPE(RefusalRow)
Q_DECLARE_METATYPE(PrintRow)
Q_DECLARE_METATYPE(TypingRow)
Q_DECLARE_METATYPE(AccessKeyRow)

class PayPeriodWindowTest : public testing::WindowFixture {
    Q_OBJECT

    void open(const QString& form) {
        window_.reset(kForms[form].Open(*bench_, engine_, printDirect_));
        nameControls(kForms[form].Meanings);
        showActive(*window_);
    }
    void print(bool afrikaans, const QString& name = {}) {
        click("cmdPrint");
        auto* panel = window_->findChild<PayslipPrintPanel*>("fraPrint");
        QVERIFY(panel->isVisible());
        panel->findChild<QRadioButton*>(afrikaans ? "Option2" : "Option1")->click();
        if (!name.isEmpty()) QTest::keyClicks(panel->nameField(), name);
        panel->cmdVR()->click();
        QVERIFY(panel->isHidden());
    }
    QString monthShown(int month) const { return shown(QString("numAnnCalcBens_%1").arg(month)); }

    QWidget* openWindow() override {
        engine_ = {};
        return nullptr;
    }
    void closeWindow() override { window_.reset(); }

    EngineState engine_;
    std::int16_t printDirect_ = 0;
    std::unique_ptr<PayPeriodWindow> window_;

private slots:
    void opensWithItsDefaultsAndCalculatesOnce_data() {
        const Table<DefaultsRow> row;
        row("annual", "frmAnnual", "Annual",
            Entries{"dtStartDate=01/03/2026", "dtEndDate=28/02/2027", "numAns_1=0.00"});
        row("monthly", "frmMonthly", "Monthly",
            Entries{"dtMStartDate=01/03/2026", "dtMEndDate=31/03/2026", "numMAns=0.00"});
        row("fortnightly", "frmFortNight", "Fortnightly", Entries{"normalDays=14", "thisDays=14", "numMAns1=0.00"});
        row("weekly", "frmWeekly", "Weekly", Entries{"normalDays=7", "thisDays=7"});
        row("daily", "frmDaily", "Daily", Entries{"age=0", "numTaxLiability=0.00"});
    }
    void opensWithItsDefaultsAndCalculatesOnce() {
        QFETCH(DefaultsRow, row);
        const auto& [form, caption, defaults] = row;
        open(form);
        QCOMPARE(window_->objectName(), form);
        QCOMPARE(window_->windowTitle(), caption);
        QCOMPARE(shownAs(defaults), defaults);
        for (const char* panel : {"Frame3", "fraPrint", "fraInfo_One"}) QVERIFY2(find(panel)->isHidden(), panel);
        QCOMPARE(window_->settings().UIFLimit, 17712.0);  // read from the delivered record
        QCOMPARE(button("optTAIncRate80")->isChecked(), true);
        QVERIFY(bench_->Messages.empty());
    }

    void typedFiguresGiveTheResultsOnCalculate_data() {
        const Table<ResultsRow> row;
        row("annual whole year", "frmAnnual", Entries{"age=40", "salary=300000"},
            Entries{"numMAns=40 572.00", "numTaxLiability=40 572.00", "numAns_1=40 572.00", "numAllowableRFundDed=0"});
        row("annual fund deduction limited to 27.5%", "frmAnnual",
            Entries{"age=40", "salary=300000", "numEmpERFundCont=100000"}, Entries{"numAllowableRFundDed=82 500"});
        row("annual part year", "frmAnnual", Entries{"age=40", "salary=150000", "dtEndDate=31082026"},
            Entries{"numMAns=20 132.19"});
        row("monthly whole month", "frmMonthly", Entries{"age=40", "numSalRemun=25000"},
            Entries{"numMAns=3 381.00", "numMAns1=177.12", "numMAns3=250.00"});
        row("monthly part month", "frmMonthly", Entries{"age=40", "numSalRemun=25000", "dtMEndDate=15032026"},
            Entries{"numMAns=5 649.48"});
        row("monthly travel allowance at 80%", "frmMonthly", Entries{"age=40", "numSalRemun=20000", "travel=5000"},
            Entries{"numMTAAns=4 000", "numMAns=3 121.00"});
        row("fortnightly", "frmFortNight", Entries{"age=40", "numSalRemun=12000"},
            Entries{"numMAns=1 680.46", "numMAns1=81.75"});
        row("weekly short week", "frmWeekly", Entries{"age=40", "numSalRemun=6000", "normalDays=5", "thisDays=3"},
            Entries{"numMAns=1 207.12"});
        row("weekly medical credit", "frmWeekly",
            Entries{"age=40", "numSalRemun=6000", "numEmpEEMedAidCont=100", "numMedAidBens=3"},
            Entries{"numMAns=840.23", "numTaxCredit=251.50", "numTaxLiability=588.73", "numMAns1=40.87",
                    "numMAns3=60.00"});
        row("daily with bonus", "frmDaily", Entries{"age=40", "numSalRemun=1200", "bonus=2000"},
            Entries{"numMAns=688.05"});
        row("daily below the threshold with bonus", "frmDaily", Entries{"age=40", "numSalRemun=200", "bonus=3000"},
            Entries{"numMAns=507.46"});
    }
    void typedFiguresGiveTheResultsOnCalculate() {
        QFETCH(ResultsRow, row);
        const auto& [form, typing, results] = row;
        open(form);
        typeAll(typing + Entries{"!cmdCalculate"});
        QCOMPARE(shownAs(results), results);
        QVERIFY(bench_->Messages.empty());
    }

    void typingStoresAtOnceButDoesNotCalculate() {
        open("frmWeekly");
        typeAll({"age=40", "numSalRemun=6000.50", "bonus=10"});
        QCOMPARE(window_->inputs().Age, std::int16_t{40});
        QCOMPARE(window_->inputs().Salary, 6000.5);
        QCOMPARE(window_->inputs().Bonus, 10.0);
        QCOMPARE(shown("numMAns"), QString("0.00"));
    }

    void refusedCalculationsSayWhyAndKeepTheResults_data() {
        const QString days = "Incorrect Number of Days";
        const Table<RefusalRow> row;
        row("monthly dates in two months", "frmMonthly", Entries{"dtMEndDate=01042026"}, kIncorrectDate,
            "The Start and End dates entered must be for the same Month", "dtMEndDate");
        row("monthly start after end", "frmMonthly", Entries{"dtMStartDate=15032026", "dtMEndDate=10032026"},
            kIncorrectDate, "The Start date entered must be before the End date", "dtMStartDate");
        row("weekly this week longer than normal", "frmWeekly", Entries{"normalDays=5", "thisDays=6"}, days,
            "The number of 'Normal work-week' days must be = to or larger than 'This work-week'.", "cmdCalculate");
        row("fortnightly this fortnight longer than normal", "frmFortNight", Entries{"normalDays=10", "thisDays=12"},
            days, "The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'.",
            "cmdCalculate");
        row("weekly no days worked", "frmWeekly", Entries{"thisDays=0"}, days,
            "The number of 'This work-week' days must be larger than 0.", "cmdCalculate");
    }
    void refusedCalculationsSayWhyAndKeepTheResults() {
        QFETCH(RefusalRow, row);
        const auto& [form, typing, title, message, focus] = row;
        open(form);
        typeAll({"age=40", "numSalRemun=6000", "!cmdCalculate"});
        const QString before = shown("numMAns");
        typeAll(typing + Entries{"numSalRemun=9000", "!cmdCalculate"});
        QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
        QCOMPARE(bench_->Messages.last().Title, title);
        QCOMPARE(bench_->Messages.last().Text, message);
        QCOMPARE(bench_->Messages.last().Icon, ui::MessageIcon::Critical);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(shown("numMAns"), before);
    }

    void datesOutsideTheirBoundsAreRefused_data() {
        const QString year = "01/03/2026 and 28/02/2027";
        const Table<RefusalRow> row;
        row("annual start before the tax year", "frmAnnual", Entries{"dtStartDate=28022026"}, year, "dtStartDate",
            "01/03/2026");
        row("annual end before the start", "frmAnnual", Entries{"dtStartDate=01062026", "dtEndDate=31052026"},
            "01/06/2026 and 28/02/2027", "dtEndDate", "28/02/2027");
        row("annual start after the end", "frmAnnual", Entries{"dtEndDate=30062026", "dtStartDate=01072026"}, year,
            "dtStartDate", "01/03/2026");
        row("annual date that does not exist", "frmAnnual", Entries{"dtEndDate=31042026"}, year, "dtEndDate",
            "28/02/2027");
        row("monthly end after the tax year", "frmMonthly", Entries{"dtMEndDate=01032027"}, year, "dtMEndDate",
            "31/03/2026");
    }
    void datesOutsideTheirBoundsAreRefused() {
        QFETCH(RefusalRow, row);  // the dates the message names, the field that refuses, what it keeps
        const auto& [form, typing, between, name, kept] = row;
        open(form);
        typeAll(typing);
        QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
        QCOMPARE(bench_->Messages.last().Title, kIncorrectDate);
        QCOMPARE(bench_->Messages.last().Text,
                 "The date entered is not correct please enter a date between " + between);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
        QCOMPARE(shown(name), kept);
    }

    void annualMonthsOutsideThePeriodAreCleared() {
        open("frmAnnual");
        typeAll({"numEmpEEMedAidCont=36000", "numAnnCalcBens_3=2", "!cmdDuplicate"});
        for (int month = 1; month <= 12; ++month) QCOMPARE(monthShown(month), QString("2"));
        click("cmdCalculate");
        QCOMPARE(shown("numTaxCredit"), QString("9 024.00"));

        typeAll({"dtStartDate=01062026", "dtEndDate=31122026", "!cmdCalculate"});
        for (int month = 1; month <= 12; ++month) QCOMPARE(monthShown(month), QString(month < 6 ? "0" : "2"));
        QCOMPARE(window_->inputs().MonthMembers[2], std::int16_t{0});  // March cleared in the inputs too
        QCOMPARE(shown("numTaxCredit"), QString("5 264.00"));          // 7 months of 752
    }

    void annualMemberCountsAreLoweredTo24() {
        open("frmAnnual");
        type("numAnnCalcBens_7", "30");
        QCOMPARE(monthShown(7), QString("24"));
        QCOMPARE(window_->inputs().MonthMembers[6], std::int16_t{24});
        QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
        QCOMPARE(bench_->Messages.last().Text,
                 QString("Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!"));
        QCOMPARE(bench_->Messages.last().Icon, ui::MessageIcon::None);

        // March still being typed when the button is pressed: lowered, then copied.
        QLineEdit* march = field("numAnnCalcBens_3");
        march->setFocus();
        march->selectAll();
        QTest::keyClicks(march, "40");
        click("cmdDuplicate");
        QCOMPARE(bench_->Messages.messages().size(), std::size_t{2});
        for (int month = 1; month <= 12; ++month) QCOMPARE(monthShown(month), QString("24"));

        // A count still being typed when the shown window is deleted: the field
        // loses the focus only once the window is gone, and nothing answers it.
        march->selectAll();
        QTest::keyClicks(march, "50");
        window_.reset();
        QCOMPARE(bench_->Messages.messages().size(), std::size_t{2});
    }

    void settingsOkSavesOnlyThePayeFieldsAndRecalculates() {
        Settings before;
        SettingsStore(bench_->SettingsDatabase).Load(PackageSettingsFields(), before);
        open("frmWeekly");
        typeAll({"age=40", "numSalRemun=3000", "!cmdCalculate"});
        QCOMPARE(shown("numMAns1"), QString("30.00"));

        click("cmdSettings");
        auto* setup = find<ui::SetupPanel>("Frame3");
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
        const Entries results{"numMAns1=45.00", "numMAns2=60.00", "numMAns3=15.00"};
        QCOMPARE(shownAs(results), results);
        Settings after;
        SettingsStore(bench_->SettingsDatabase).Load(PackageSettingsFields(), after);
        QCOMPARE(after.EmployeeUIF, 1.5);
        QCOMPARE(after.EmployerUIF, 2.0);
        QCOMPARE(after.PensionCont, before.PensionCont);
        QCOMPARE(after.CompCarFBRate8020, before.CompCarFBRate8020);
    }

    void settingsRateChangeReachesTheCalculation() {
        open("frmMonthly");
        typeAll({"age=40", "numSalRemun=20000", "travel=5000", "!cmdSettings", "!optTAIncRate20"});
        find<ui::SetupPanel>("Frame3")->cmdSetupOK()->click();
        QCOMPARE(shown("numMTAAns"), QString("1 000"));
        QCOMPARE(window_->settings().TAIncRate8020, 0.2);
    }

    void informationPanelShowsAndHides() {
        open("frmDaily");
        click("cmdInfo_0");
        auto* info = find<QGroupBox>("fraInfo_One");
        QVERIFY(info->isVisible());
        QCOMPARE(info->title(), QString("General Information"));
        QVERIFY(info->findChild<QLabel*>("lblABC")->text().endsWith("The deduction is capped at R350,000 per year. "));
        click("cmdOK_Info_One");
        QVERIFY(info->isHidden());
    }

    void printingWritesThePayslipCheck_data() {
        const Table<PrintRow> row;
        row("weekly in Afrikaans", "frmWeekly", Entries{"age=40", "numSalRemun=6000"}, true, "IRP5Week", "Weekly",
            Entries{"TypeAM=Weeklikse Inkomste", "Employee=Vir : Jan Smit", "TOTAL=Totaal belasting", "SDateNum=7"},
            Numbers{{"SalNum", 6000}, {"AgeNum", 40}, {"UIFEMPENum", 40.87}, {"TotalNum", (61512.0 - 17820) / 52}});
        row("fortnightly in English", "frmFortNight", Entries{"age=40", "numSalRemun=12000"}, false, "IRP5Week",
            "FortNightly", Entries{"TypeAM=Fortnightly Check", "Employee= For : Jan Smit", "EDate=This fortnight"},
            Numbers{{"Taxliabilitynum", (61512.0 - 17820) / 26}});
        row("monthly part month", "frmMonthly",
            Entries{"age=40", "numSalRemun=25000", "dtMEndDate=15032026", "travel=1000"}, false, "IRP5Mon", "Monthly",
            Entries{"TypeAM=Monthly Check", "SDateNum=01/03/2026", "EDateNum=15/03/2026"},
            Numbers{{"TravOne", 1000}, {"TravTwo", 800}});
        row("annual in Afrikaans", "frmAnnual", Entries{"age=40", "salary=300000", "reportOnly=1234"}, true, "IRP5Ann",
            "Annual", Entries{"TypeAM=Jaarlikse Inkomste", "PAYE=LBS", "TOTAL=Totaal", "AnnCalcBens5=Mei"},
            Numbers{{"PAYENum", 40572}, {"TotalNum", 40572}, {"SITENum", 0}, {"MedAidBensnum", 1234}});
        row("daily credits above the tax", "frmDaily", Entries{"age=40", "numEmpEEMedAidCont=20", "numMedAidBens=2"},
            false, "IRP5Day", "Daily", Entries{"TypeAM=Daily Check", "TravAll=Travel allowance "},
            Numbers{{"TotalNum", 0}, {"AnnCalcBens3num", 2}});
    }
    void printingWritesThePayslipCheck() {
        QFETCH(PrintRow, row);  // the report window's title before the export hint
        const auto& [form, typing, afrikaans, table, title, texts, numbers] = row;
        open(form);
        typeAll(typing);
        print(afrikaans, "Jan Smit");
        QCOMPARE(printDirect_, std::int16_t{0});
        const auto r = bench_->ReportRecord(table);
        QVERIFY(r.has_value());
        for (const QString& entry : texts) {
            const auto [field, value] = testing::SplitEntry(entry);
            QCOMPARE(WindowTestBench::Text(*r, field.toStdString()), value);
        }
        for (const auto& [field, value] : numbers) QCOMPARE(WindowTestBench::Number(*r, field), value);
        QCOMPARE(bench_->ReportWindows.size(), std::size_t{1});
        QCOMPARE(bench_->ReportWindows[0]->windowTitle(), title + kExportHint);
        QVERIFY(bench_->Messages.empty());
    }

    void printingRecalculatesFirst() {
        open("frmMonthly");
        typeAll({"age=40", "numSalRemun=25000"});
        print(false);
        QCOMPARE(bench_->ReportNumber("IRP5Mon", "Taxliabilitynum"), 3381.0);
        QCOMPARE(shown("numMAns"), QString("3 381.00"));
    }

    void aRefusedCalculationPrintsNothing() {
        open("frmMonthly");
        type("dtMEndDate", "01042026");
        print(false);
        QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
        QCOMPARE(bench_->Messages.last().Text, QString("The Start and End dates entered must be for the same Month"));
        QVERIFY(bench_->ReportWindows.empty());
        QCOMPARE(bench_->ReportText("IRP5Mon", "TypeAM"), QString());
    }

    void workingShowsEveryResultAsTheWindowShowsIt_data() {
        const Entries medical{"numEmpEEMedAidCont=900", "numEmpERFundCont=2500", "numMedAidBens=3"};
        const Table<TypingRow> row;
        row("annual", "frmAnnual",
            Entries{"age=67", "salary=420000", "numEmpEEMedAidCont=36000", "numAnnCalcBens_3=2", "dtEndDate=30112026"});
        row("monthly part month", "frmMonthly", Entries{"age=40", "numSalRemun=25000", "dtMEndDate=15032026"});
        row("fortnightly", "frmFortNight", Entries{"age=70", "numSalRemun=12000"} + medical);
        row("weekly", "frmWeekly", Entries{"age=40", "numSalRemun=6000", "thisDays=3"} + medical);
        row("daily", "frmDaily", Entries{"age=40", "numSalRemun=1200", "bonus=2000"});
    }
    void workingShowsEveryResultAsTheWindowShowsIt() {
        QFETCH(TypingRow, row);
        const auto& [form, typing] = row;
        open(form);
        typeAll(typing + Entries{"!cmdCalculate", "!cmdWorking"});
        auto* working = window_->findChild<ui::WorkingWindow*>("frmWorking");
        QVERIFY(working && working->isVisible());
        QCOMPARE(working->windowTitle(), "Working - " + window_->windowTitle());
        const std::pair<const char*, const char*> fields[] = {{"numAllowableRFundDed", "FundDeduction"},
                                                              {"numMAns", "PeriodTax"},
                                                              {"numTaxCredit", "MedicalCredit"},
                                                              {"numMTCForContri", "AdditionalCredit"},
                                                              {"numTaxLiability", "TaxAfterCredits"},
                                                              {"numMAns1", "UIFEmployee"},
                                                              {"numMAns2", "UIFEmployer"},
                                                              {"numMAns3", "SkillsLevy"}};
        for (const auto& [field, key] : fields) {
            if (!has(field)) continue;  // the annual window has no UIF
            const WorkingLine* line = working->working().Find(key);
            QVERIFY2(line, key);
            QCOMPARE(QString::fromStdString(AmountText(*line)), shown(field));
        }
    }

    void workingFollowsCalculationsCopiesAndPrints() {
        open("frmMonthly");
        typeAll({"age=40", "numSalRemun=25000", "!cmdCalculate", "!cmdWorking"});
        auto* working = window_->findChild<ui::WorkingWindow*>("frmWorking");
        const auto periodTax = [&] { return AmountText(*working->working().Find("PeriodTax")); };
        QCOMPARE(periodTax(), std::string("3 381.00"));

        // Typing alone changes nothing; the open window follows the next calculation.
        type("dtMEndDate", "15032026");
        QCOMPARE(periodTax(), std::string("3 381.00"));
        click("cmdCalculate");
        QCOMPARE(periodTax(), std::string("5 649.48"));

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
    void anEntryIsTakenWholeBeforeACommand_data() {
        const Table<AccessKeyRow> row;
        row("Alt+V in the print panel", true, Qt::Key_V);
        row("Alt+C", false, Qt::Key_C);
    }
    void anEntryIsTakenWholeBeforeACommand() {
        QFETCH(AccessKeyRow, row);
        const auto [inPrintPanel, key] = row;
        open("frmFortNight");
        typeAll({"age=40", "numSalRemun=5000", "!cmdCalculate"});
        const QString tax = shown("numMAns1");
        if (inPrintPanel) click("cmdPrint");
        QLineEdit* days = field("thisDays");
        days->setFocus();
        days->selectAll();
        QTest::keyClicks(days, "15");
        QTest::keyClick(days, key, Qt::AltModifier);
        QTest::qWait(300);  // an access key clicks its button after a moment
        QCOMPARE(shown("thisDays"), QString("14"));
        QCOMPARE(shown("numMAns1"), tax);
        QVERIFY(bench_->ReportWindows.empty());
        QVERIFY(bench_->Messages.empty());
        QCOMPARE(find<QLabel>("fieldNote")->text(), QString("15 is out of range. This field takes 0 to 14."));
    }
};

QTEST_MAIN(PayPeriodWindowTest)
#include "PayPeriodWindowTest.moc"
