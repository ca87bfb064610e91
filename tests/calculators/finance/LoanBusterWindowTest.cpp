#include "LoanBusterWindow.h"
#include "WindowFixture.h"

using namespace kelvara;
using kelvara::testing::WindowDriver;
using kelvara::testing::WindowTestBench;

class LoanBusterWindowTest : public testing::CalculatorWindowFixture<LoanBusterWindow, LoanBusterState> {
    Q_OBJECT

private slots:
    void extraPaymentsShortenTheLoan_data();
    void extraPaymentsShortenTheLoan();
    void anExtraAboveTenRepaymentsLeavesTheExtraColumn();
    void outOfRangeEntriesAreRefused_data();
    void outOfRangeEntriesAreRefused();
    void activationShowsTheKeptInputs();
    void printWritesTheLastCalculation();
    void printAfterAChangeCalculatesFirst();

private:
    void enter(const QString& principal, const QString& period, const QString& rate, const QString& extra) {
        type("numPrinAmount", principal);
        type("numPeriod", period);
        type("numIntRate", rate);
        type("numXtraPay", extra);
    }
};

void LoanBusterWindowTest::extraPaymentsShortenTheLoan_data() {
    QTest::addColumn<QString>("principal");
    QTest::addColumn<QString>("extra");
    // Shown in numMonRePay, numAns1 0 and 1, numXtraPay, numAns2, numAns1 4 to 7.
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("1000 extra") << "500000"
                                << "1000" << QStringList{"4 991.90", "698 055.86", "1 198 055.86", "1 006.90",  "150",
                                                         "5 998.80", "399 819.92", "899 819.92",   "298 235.95"};
    // Without an extra payment the cent search settles on A0 or a cent more.
    QTest::newRow("no extra") << "500000"
                              << "0" << QStringList{"4 991.90", "698 055.86", "1 198 055.86", "0.00", "240",
                                                    "4 991.91", "698 055.86", "1 198 055.86", "0.00"};
    QTest::newRow("no principal") << "0"
                                  << "1000" << QStringList{"0.00", "0.00", "0.00", "1 000.00", "0",
                                                           "0.00", "0.00", "0.00", "0.00"};
}

void LoanBusterWindowTest::extraPaymentsShortenTheLoan() {
    QFETCH(QString, principal);
    QFETCH(QString, extra);
    QFETCH(QStringList, shown);
    enter(principal, "240", "10.5", extra);
    click("cmdCalculate");
    const char* fields[] = {"numMonRePay", "numAns1_0", "numAns1_1", "numXtraPay", "numAns2",
                            "numAns1_4",   "numAns1_5", "numAns1_6", "numAns1_7"};
    for (int i = 0; i < shown.size(); ++i) QCOMPARE(WindowDriver::shown(fields[i]), shown[i]);
    QCOMPARE(WindowDriver::shown("numAns1_2"), WindowDriver::shown("numPrinAmount"));
    QCOMPARE(WindowDriver::shown("numAns1_3"), QString("10.500"));
}

void LoanBusterWindowTest::anExtraAboveTenRepaymentsLeavesTheExtraColumn() {
    enter("500000", "240", "10.5", "1000");
    click("cmdCalculate");
    type("numXtraPay", "50000");
    click("cmdCalculate");
    QCOMPARE(shown("numXtraPay"), QString("50 000.00"));
    QCOMPARE(shown("numAns2"), QString("150"));
    QCOMPARE(shown("numAns1_4"), QString("5 998.80"));
    QCOMPARE(shown("numAns1_7"), QString("298 235.95"));
}

void LoanBusterWindowTest::outOfRangeEntriesAreRefused_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("rate") << "numIntRate"
                          << "51"
                          << "Incorrect Interest Rate!"
                          << "The maximum interest rate allowed is 50%";
    QTest::newRow("period") << "numPeriod"
                            << "601"
                            << "Incorrect Period!"
                            << "The maximum period  allowed is 600 months";
}

void LoanBusterWindowTest::outOfRangeEntriesAreRefused() {
    QFETCH(QString, field);
    QFETCH(QString, entry);
    type(qPrintable(field), entry);
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QTEST(bench_->Messages.last().Title, "title");
    QTEST(bench_->Messages.last().Text, "text");
    QVERIFY(hasFocus(qPrintable(field)));
}

void LoanBusterWindowTest::activationShowsTheKeptInputs() {
    window_.reset();
    state_ = {500000, 10.5f, 1000};
    WindowDriver again = reopenInWorkArea();
    QCOMPARE(again.shown("numPrinAmount"), QString("500 000.00"));
    QCOMPARE(again.shown("numIntRate"), QString("10.500"));
    QCOMPARE(again.shown("numXtraPay"), QString("1 000.00"));
    QCOMPARE(again.shown("numMonRePay"), QString("0.00"));  // it does not calculate
}

void LoanBusterWindowTest::printWritesTheLastCalculation() {
    enter("500000", "240", "10.5", "1000");
    click("cmdCalculate");
    click("cmdPrint");
    QVERIFY(printPanel().isVisible());
    QCOMPARE(bench_->ReportNumber("BondBust", "PAmt"), 500000.0);
    QCOMPARE(bench_->ReportNumber("BondBust", "Period"), 240.0);
    QCOMPARE(bench_->ReportNumber("BondBust", "IntRate"), 10.5);
    QCOMPARE(std::round(bench_->ReportNumber("BondBust", "MonRep") * 100) / 100, 4991.90);
    QCOMPARE(std::round(bench_->ReportNumber("BondBust", "TotIntPaid") * 100) / 100, 698055.86);
    QCOMPARE(std::round(bench_->ReportNumber("BondBust", "XtraPay") * 100) / 100, 1006.90);
    QCOMPARE(bench_->ReportNumber("BondBust", "Xper"), 150.0);
    QCOMPARE(std::round(bench_->ReportNumber("BondBust", "XMonRep") * 100) / 100, 5998.80);
    QCOMPARE(std::round(bench_->ReportNumber("BondBust", "XTotSavings") * 100) / 100, 298235.95);
}

void LoanBusterWindowTest::printAfterAChangeCalculatesFirst() {
    enter("500000", "240", "10.5", "1000");
    click("cmdCalculate");
    type("numPrinAmount", "250000");
    click("cmdPrint");
    QCOMPARE(bench_->ReportNumber("BondBust", "PAmt"), 250000.0);
    QCOMPARE(std::round(bench_->ReportNumber("BondBust", "TotIntPaid") * 100) / 100, 349027.93);
    QCOMPARE(shown("numAns1_0"), QString("349 027.93"));
}

QTEST_MAIN(LoanBusterWindowTest)
#include "LoanBusterWindowTest.moc"
