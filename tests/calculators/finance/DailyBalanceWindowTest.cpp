#include "DailyBalanceWindow.h"
#include "WindowFixture.h"

using namespace kelvara;
using kelvara::testing::WindowDriver;
using kelvara::testing::WindowTestBench;

class DailyBalanceWindowTest : public testing::CalculatorWindowFixture<DailyBalanceWindow, DailyBalanceState> {
    Q_OBJECT

private slots:
    void interestBetweenTwoDates_data();
    void interestBetweenTwoDates();
    void emptyDatesGiveNothingToCalculate();
    void refusedDatesSayWhy_data();
    void refusedDatesSayWhy();
    void dateSpinStopsAtTheStartDate();
    void rateSpinCycles_data();
    void rateSpinCycles();
    void activationShowsTheKeptInputsAndCalculates();
    void aMissingDateIsNeitherCalculatedNorPrinted_data();
    void aMissingDateIsNeitherCalculatedNorPrinted();
    void printWritesTheRecordWithDayNumbers();

private:
    void enter(const QString& capital, const QString& rate, const QString& start, const QString& end) {
        type("numCapAmount", capital);
        type("numIntRate", rate);
        type("dtStartDate", start);
        type("dtEndDate", end);
    }
};

void DailyBalanceWindowTest::interestBetweenTwoDates_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("interest");
    QTest::addColumn<QString>("days");
    QTest::newRow("a month") << "01042026"
                             << "849.32"
                             << "31";
    QTest::newRow("a year") << "01032027"
                            << "10 000.00"
                            << "365";
    QTest::newRow("the same day") << "01032026"
                                  << "0.00"
                                  << "0";
}

void DailyBalanceWindowTest::interestBetweenTwoDates() {
    QFETCH(QString, end);
    enter("100000", "10", "01032026", end);
    QCOMPARE(shown("numAnsDB2"), QString("0"));  // typing alone calculates nothing
    click("cmdCalculate");
    QTEST(shown("numAnsDB1"), "interest");
    QTEST(shown("numAnsDB2"), "days");
    QVERIFY(bench_->Messages.empty());
}

void DailyBalanceWindowTest::emptyDatesGiveNothingToCalculate() {
    QCOMPARE(shown("dtStartDate"), QString("__/__/____"));
    QCOMPARE(shown("dtEndDate"), QString("__/__/____"));
    type("numCapAmount", "100000");
    type("numIntRate", "10");
    type("dtStartDate", "01032026");
    click("cmdCalculate");
    spin("spDate", "up");
    QCOMPARE(shown("dtEndDate"), QString("__/__/____"));
    QCOMPARE(shown("numAnsDB1"), QString("0.00"));
    QCOMPARE(shown("numAnsDB2"), QString("0"));
    click("cmdPrint");
    QVERIFY(printPanel().isHidden());
    QVERIFY(hasFocus("cmdOK"));
    QVERIFY(bench_->Messages.empty());  // an empty date is not reported
}

void DailyBalanceWindowTest::refusedDatesSayWhy_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("no such day") << "dtEndDate"
                                 << "31022027"
                                 << "INVALID DATE"
                                 << "The date entered is invalid please enter a valid date.";
    QTest::newRow("end 10961 days on") << "dtEndDate"
                                       << "04032056"
                                       << "DATE OUT OF RANGE"
                                       << "The date entered is more than 30 years(360 months) after 01/03/2026.";
    QTest::newRow("start after the end") << "dtStartDate"
                                         << "02042026"
                                         << "DATE OUT OF RANGE"
                                         << "The date entered is more than 30 years(360 months) before 01/04/2026.";
}

void DailyBalanceWindowTest::refusedDatesSayWhy() {
    QFETCH(QString, field);
    QFETCH(QString, entry);
    enter("100000", "10", "01032026", "01042026");
    type(qPrintable(field), entry);
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QTEST(bench_->Messages.last().Title, "title");
    QTEST(bench_->Messages.last().Text, "text");
    QCOMPARE(bench_->Messages.last().Icon, ui::MessageIcon::Critical);
    QVERIFY(hasFocus(qPrintable(field)));
    // The refused date is not taken.
    QCOMPARE(state_.DayBalEndDay - state_.DayBalStartDay, 31);
}

void DailyBalanceWindowTest::dateSpinStopsAtTheStartDate() {
    enter("100000", "10", "01032026", "02032026");
    spin("spDate", "down");
    QCOMPARE(shown("dtEndDate"), QString("01/03/2026"));
    QCOMPARE(shown("numAnsDB2"), QString("0"));
    spin("spDate", "down");
    QCOMPARE(shown("dtEndDate"), QString("01/03/2026"));
    spin("spDate", "up");
    QCOMPARE(shown("dtEndDate"), QString("02/03/2026"));
    QCOMPARE(shown("numAnsDB2"), QString("1"));
}

void DailyBalanceWindowTest::rateSpinCycles_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QString>("to");
    QTest::newRow("down from one step") << "0.25"
                                        << "down"
                                        << "50.000";
    QTest::newRow("up past 50") << "40"
                                << "up"
                                << "40.250";
    QTest::newRow("0 stays") << "0"
                             << "up"
                             << "0.000";
}

void DailyBalanceWindowTest::rateSpinCycles() {
    QFETCH(QString, from);
    QFETCH(QString, direction);
    enter("100000", from, "01032026", "01032027");
    spin("spRate", qPrintable(direction));
    QTEST(shown("numIntRate"), "to");
    QVERIFY(hasFocus("cmdOK"));
    const DailyBalanceResult expected = CalculateDailyBalance(state_);
    QCOMPARE(shown("numAnsDB2"), QString(from == "0" ? "0" : "365"));
    if (from != "0")
        QCOMPARE(window_->findChild<QLineEdit*>("numAnsDB1")->text().remove(' ').toDouble(),
                 std::round(expected.Interest * 100.0) / 100.0);
}

void DailyBalanceWindowTest::activationShowsTheKeptInputsAndCalculates() {
    window_.reset();
    state_.DayBalCapital = 100000;
    state_.DayBalRate = 10;
    state_.DayBalStartDay = 46082;  // 01/03/2026
    state_.DayBalEndDay = 46113;    // 01/04/2026
    WindowDriver again = reopenInWorkArea();
    QCOMPARE(again.shown("dtStartDate"), QString("01/03/2026"));
    QCOMPARE(again.shown("dtEndDate"), QString("01/04/2026"));
    QCOMPARE(again.shown("numAnsDB1"), QString("849.32"));
    QCOMPARE(again.shown("numAnsDB2"), QString("31"));
}

void DailyBalanceWindowTest::aMissingDateIsNeitherCalculatedNorPrinted_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::newRow("no start date") << int{EmptyDay} << 46113;
    QTest::newRow("no end date") << 46082 << int{EmptyDay};
}

void DailyBalanceWindowTest::aMissingDateIsNeitherCalculatedNorPrinted() {
    QFETCH(int, start);
    QFETCH(int, end);
    window_.reset();
    state_ = {100000, 10, start, end};
    WindowDriver again = reopenInWorkArea();
    QCOMPARE(again.shown("numAnsDB2"), QString("0"));
    QCOMPARE(again.shown("numAnsDB1"), QString("0.00"));
    again.click("cmdPrint");
    QVERIFY(again.printPanel().isHidden());
    QCOMPARE(bench_->ReportNumber("DailyBal", "CapAmount"), 0.0);
}

void DailyBalanceWindowTest::printWritesTheRecordWithDayNumbers() {
    enter("100000", "10", "01032026", "01042026");
    click("cmdPrint");  // calculates first: the inputs changed since the last calculation
    QVERIFY(printPanel().isVisible());
    QCOMPARE(bench_->ReportNumber("DailyBal", "CapAmount"), 100000.0);
    QCOMPARE(bench_->ReportNumber("DailyBal", "StartDate"), 46082.0);
    QCOMPARE(bench_->ReportNumber("DailyBal", "EndDate"), 46113.0);
    QCOMPARE(bench_->ReportNumber("DailyBal", "IntRate"), 10.0);
    QCOMPARE(static_cast<float>(bench_->ReportNumber("DailyBal", "ANS1")),
             static_cast<float>(100000.0 * 10 / 100 * 31 / 365));
    QCOMPARE(bench_->ReportNumber("DailyBal", "ANS2"), 31.0);
}

QTEST_MAIN(DailyBalanceWindowTest)
#include "DailyBalanceWindowTest.moc"
