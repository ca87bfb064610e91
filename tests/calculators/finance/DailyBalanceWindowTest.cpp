#include "DailyBalanceWindow.h"
#include "FinanceWindowTest.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

const QMap<QString, QString> kMeanings{{"capital", "numCapAmount"}, {"rate", "numIntRate"},    {"start", "dtStartDate"},
                                       {"end", "dtEndDate"},        {"interest", "numAnsDB1"}, {"days", "numAnsDB2"},
                                       {"date spin", "spDate"},     {"rate spin", "spRate"}};

const QString kOutOfRange = "The date entered is more than 30 years(360 months) ";

}  // namespace

class DailyBalanceWindowTest : public CalculatorWindowFixture<DailyBalanceWindow, DailyBalanceState> {
    Q_OBJECT

public:
    DailyBalanceWindowTest() { nameControls(kMeanings); }

private slots:
    void interestBetweenTwoDates_data() {
        QTest::addColumn<QString>("end");
        QTest::addColumn<Entries>("results");
        QTest::newRow("a month") << QString("01042026") << Entries{"interest=849.32", "days=31"};
        QTest::newRow("a year") << QString("01032027") << Entries{"interest=10 000.00", "days=365"};
        QTest::newRow("the same day") << QString("01032026") << Entries{"interest=0.00", "days=0"};
    }
    void interestBetweenTwoDates() {
        QFETCH(QString, end);
        QFETCH(Entries, results);
        typeAll({"capital=100000", "rate=10", "start=01032026", "end=" + end});
        QCOMPARE(shown("days"), QString("0"));  // typing alone calculates nothing
        click("cmdCalculate");
        CompareShown(*this, results);
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
        QTest::addColumn<RefusedEntry>("refusal");
        QTest::newRow("no such day") << RefusedEntry{"end", "31022027", "INVALID DATE",
                                                     "The date entered is invalid please enter a valid date."};
        QTest::newRow("end 10961 days on")
            << RefusedEntry{"end", "04032056", "DATE OUT OF RANGE", kOutOfRange + "after 01/03/2026."};
        QTest::newRow("start after the end")
            << RefusedEntry{"start", "02042026", "DATE OUT OF RANGE", kOutOfRange + "before 01/04/2026."};
    }
    void refusedDatesSayWhy() {
        QFETCH(RefusedEntry, refusal);
        typeAll(kBalanceInputs);
        ExpectRefused(*this, *bench_, refusal);
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

    void activationShowsTheKeptInputsAndCalculates() {
        window_.reset();
        state_ = {100000, 10, 46082, 46113};  // 01/03/2026 to 01/04/2026
        WindowDriver again = reopenInWorkArea();
        again.nameControls(kMeanings);
        CompareShown(again, {"start=01/03/2026", "end=01/04/2026", "interest=849.32", "days=31"});
    }

    void aMissingDateIsNeitherCalculatedNorPrinted_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::newRow("no start date") << int{EmptyDay} << 46113;
        QTest::newRow("no end date") << 46082 << int{EmptyDay};
    }
    void aMissingDateIsNeitherCalculatedNorPrinted() {
        QFETCH(int, start);
        QFETCH(int, end);
        window_.reset();
        state_ = {100000, 10, start, end};
        WindowDriver again = reopenInWorkArea();
        again.nameControls(kMeanings);
        CompareShown(again, {"days=0", "interest=0.00"});
        again.click("cmdPrint");
        QVERIFY(again.printPanel().isHidden());
        QCOMPARE(bench_->ReportNumber("DailyBal", "CapAmount"), 0.0);
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
