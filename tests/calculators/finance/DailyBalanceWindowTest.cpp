#include "DailyBalanceWindow.h"
#include "FinanceWindowTest.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

const QMap<QString, QString> kMeanings{{"capital", "numCapAmount"}, {"rate", "numIntRate"},    {"start", "dtStartDate"},
                                       {"end", "dtEndDate"},        {"interest", "numAnsDB1"}, {"days", "numAnsDB2"},
                                       {"date spin", "spDate"},     {"rate spin", "spRate"}};

const QString kOutOfRange = "The date entered is more than 30 years(360 months) ";

// Dates kept from an earlier window (day numbers), what the window shows of
// them and the capital a print writes (0: nothing printed).
struct KeptDates {
    int Start, End;
    Entries Shown;
    double Printed;
};

}  // namespace

class DailyBalanceWindowTest : public FinanceWindowFixture<DailyBalanceWindow, DailyBalanceState> {
    Q_OBJECT

public:
    DailyBalanceWindowTest() : FinanceWindowFixture(kMeanings) {}

private slots:
    void interestBetweenTwoDates_data() {
        const Table<Calculation> row;
        row("a month", Entries{"end=01042026"}, Entries{"interest=849.32", "days=31"});
        row("a year", Entries{"end=01032027"}, Entries{"interest=10 000.00", "days=365"});
        row("the same day", Entries{"end=01032026"}, Entries{"interest=0.00", "days=0"});
    }
    void interestBetweenTwoDates() {
        QFETCH(Calculation, row);
        typeAll(Entries{"capital=100000", "rate=10", "start=01032026"} + row.Typed);
        QCOMPARE(shown("days"), QString("0"));  // typing alone calculates nothing
        click("cmdCalculate");
        CompareShown(*this, row.Shown);
        QVERIFY(bench_->Messages.empty());
    }

    void emptyDatesGiveNothingToCalculate() {
        CompareShown(*this, {"start=__/__/____", "end=__/__/____"});
        typeAll({"capital=100000", "rate=10", "start=01032026", "!cmdCalculate"});
        spin("date spin", "up");
        CompareShown(*this, {"end=__/__/____", "interest=0.00", "days=0"});
        click("cmdPrint");
        QVERIFY(printPanel().isHidden());
        QVERIFY(hasFocus("cmdOK"));
        QVERIFY(bench_->Messages.empty());  // an empty date is not reported
    }

    void refusedDatesSayWhy_data() {
        const Table<RefusedEntry> row;
        row("no such day", "end", "31022027", "INVALID DATE", "The date entered is invalid please enter a valid date.");
        row("end 10961 days on", "end", "04032056", "DATE OUT OF RANGE", kOutOfRange + "after 01/03/2026.");
        row("start after the end", "start", "02042026", "DATE OUT OF RANGE", kOutOfRange + "before 01/04/2026.");
    }
    void refusedDatesSayWhy() {
        QFETCH(RefusedEntry, row);
        typeAll(kBalanceInputs);
        ExpectRefused(*this, *bench_, row);
        QCOMPARE(state_.DayBalEndDay - state_.DayBalStartDay, 31);  // the refused date is not taken
    }

    void dateSpinStopsAtTheStartDate() {
        typeAll({"capital=100000", "rate=10", "start=01032026", "end=02032026"});
        spin("date spin", "down");
        CompareShown(*this, {"end=01/03/2026", "days=0"});
        spin("date spin", "down");
        CompareShown(*this, {"end=01/03/2026"});
        spin("date spin", "up");
        CompareShown(*this, {"end=02/03/2026", "days=1"});
    }

    void rateSpinCycles_data() {
        QTest::addColumn<Spin>("press");
        QTest::newRow("down from one step") << Spin{"rate", "0.25", "down", "50.000"};
        QTest::newRow("up past 50") << Spin{"rate", "40", "up", "40.250"};
        QTest::newRow("0 stays") << Spin{"rate", "0", "up", "0.000"};
    }
    void rateSpinCycles() {
        QFETCH(Spin, press);
        typeAll({"capital=100000", "rate=" + press.From, "start=01032026", "end=01032027"});
        spin("rate spin", qPrintable(press.Direction));
        QCOMPARE(shown("rate"), press.To);
        QVERIFY(hasFocus("cmdOK"));
        QCOMPARE(shown("days"), QString(press.From == "0" ? "0" : "365"));
        if (press.From != "0")
            QCOMPARE(shownNumber("interest"), std::round(CalculateDailyBalance(state_).Interest * 100.0) / 100.0);
    }

    // Activation calculates over the kept dates; a missing date gives nothing to print.
    void activationCalculatesTheKeptInputs_data() {
        const Table<KeptDates> row;
        row("both dates", 46082, 46113, Entries{"start=01/03/2026", "end=01/04/2026", "interest=849.32", "days=31"},
            100000.0);
        row("no start date", int{EmptyDay}, 46113, Entries{"days=0", "interest=0.00"}, 0.0);
        row("no end date", 46082, int{EmptyDay}, Entries{"days=0", "interest=0.00"}, 0.0);
    }
    void activationCalculatesTheKeptInputs() {
        QFETCH(KeptDates, row);
        WindowDriver again = reopenOver({100000, 10, row.Start, row.End});
        CompareShown(again, row.Shown);
        again.click("cmdPrint");
        QCOMPARE(again.printPanel().isHidden(), row.Printed == 0);
        QCOMPARE(bench_->ReportNumber("DailyBal", "CapAmount"), row.Printed);
    }

    void printWritesTheRecordWithDayNumbers() {
        typeAll(kBalanceInputs);
        click("cmdPrint");  // calculates first: the inputs changed since the last calculation
        QVERIFY(printPanel().isVisible());
        CompareRecord(*bench_, "DailyBal",
                      {"CapAmount=100000", "StartDate=46082", "EndDate=46113", "IntRate=10", "ANS2=31"});
        QCOMPARE(static_cast<float>(bench_->ReportNumber("DailyBal", "ANS1")),
                 static_cast<float>(100000.0 * 10 / 100 * 31 / 365));
    }
};

QTEST_MAIN(DailyBalanceWindowTest)
#include "DailyBalanceWindowTest.moc"
