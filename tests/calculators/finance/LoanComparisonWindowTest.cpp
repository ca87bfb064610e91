#include <QHeaderView>
#include <QTableWidget>

#include "LoanComparisonWindow.h"
#include "WindowFixture.h"

using namespace kelvara;
using kelvara::testing::WindowDriver;
using kelvara::testing::WindowTestBench;

class LoanComparisonWindowTest : public testing::CalculatorWindowFixture<LoanComparisonWindow, LoanCompState> {
    Q_OBJECT

private slots:
    void comparesSixPeriods_data();
    void comparesSixPeriods();
    void theTableHasItsHeadings();
    void aRateAbove50IsRefused();
    void activationShowsTheKeptBondAndCompares();
    void printWritesTheComparison();

private:
    QString cell(int row, int column) const {
        return window_->findChild<QTableWidget*>("grdPayments")->item(row, column)->text();
    }
};

void LoanComparisonWindowTest::comparesSixPeriods_data() {
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QStringList>("repayments");
    QTest::addColumn<QStringList>("interest");
    QTest::addColumn<QStringList>("paid");  // 5 and 30 years
    QTest::newRow("10.5%") << "10.5"
                           << QStringList{"10 746.95 ", "6 746.75 ", "5 526.99 ", "4 991.90 ", "4 720.91 ", "4 573.70 "}
                           << QStringList{"144 817.01 ", "309 609.98 ", "494 859.03 ",
                                          "698 055.86 ", "916 272.56 ", "1 146 530.73 "}
                           << QStringList{"644 817.01 ", "1 646 530.73 "};
    const QStringList zero(6, "0.00 ");
    QTest::newRow("no interest") << "0" << zero << QStringList(6, "-500 000.00 ") << QStringList{"0.00 ", "0.00 "};
}

void LoanComparisonWindowTest::comparesSixPeriods() {
    QFETCH(QString, rate);
    QFETCH(QStringList, repayments);
    QFETCH(QStringList, interest);
    QFETCH(QStringList, paid);
    type("numBAmt", "500000");
    type("numIntRate", rate);
    click("cmdCalculate");
    const QStringList labels{"5 yrs.", "10 yrs.", "15 yrs.", "20 yrs.", "25 yrs.", "30 yrs."};
    for (int row = 0; row < 6; ++row) {
        QCOMPARE(cell(row, 0), labels[row]);
        QCOMPARE(cell(row, 1), repayments[row]);
        QCOMPARE(cell(row, 2), interest[row]);
    }
    QCOMPARE(cell(0, 3), paid[0]);
    QCOMPARE(cell(5, 3), paid[1]);
}

void LoanComparisonWindowTest::theTableHasItsHeadings() {
    auto* table = window_->findChild<QTableWidget*>("grdPayments");
    const QStringList headings{" Period ", "Monthly repayment", "   Total Interest   ", "  Total Paid    "};
    for (int column = 0; column < 4; ++column) QCOMPARE(table->horizontalHeaderItem(column)->text(), headings[column]);
    // 1750, 1600 and 1600 twips, widened where the font needs more for the heading.
    const QFontMetrics metrics = table->horizontalHeader()->fontMetrics();
    for (const auto& [column, pixels] : {std::pair{1, 117}, std::pair{2, 107}, std::pair{3, 107}}) {
        QVERIFY(table->columnWidth(column) >= pixels);
        QVERIFY2(table->columnWidth(column) > metrics.horizontalAdvance(headings[column]),
                 qPrintable(headings[column]));
    }
    QCOMPARE(table->horizontalHeader()->height(), 17);  // 250 twips
}

void LoanComparisonWindowTest::aRateAbove50IsRefused() {
    type("numIntRate", "10.5");
    type("numIntRate", "51");
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QCOMPARE(bench_->Messages.last().Title, QString("Incorrect Interest Rate!"));
    QCOMPARE(bench_->Messages.last().Text, QString("The maximum interest rate allowed is 50%"));
    QVERIFY(hasFocus("numIntRate"));
    QCOMPARE(state_.CompRate, 10.5f);
}

void LoanComparisonWindowTest::activationShowsTheKeptBondAndCompares() {
    window_.reset();
    state_ = {500000, 10.5f};
    WindowDriver again = reopenInWorkArea();
    QCOMPARE(again.shown("numBAmt"), QString("500 000.00"));
    QCOMPARE(again.shown("numIntRate"), QString("10.500"));
    QCOMPARE(again.find<QTableWidget>("grdPayments")->item(3, 2)->text(), QString("698 055.86 "));
}

void LoanComparisonWindowTest::printWritesTheComparison() {
    type("numBAmt", "500000");
    type("numIntRate", "10.1");
    click("cmdPrint");  // compares first: the inputs changed since the last comparison
    QVERIFY(printPanel().isVisible());
    QCOMPARE(bench_->ReportNumber("BondComp", "PAmt"), 500000.0);
    QCOMPARE(bench_->ReportNumber("BondComp", "IntRate"), static_cast<double>(10.1f));  // held in single precision
    const LoanComparison expected = Compare({500000, 10.1f});
    QCOMPARE(bench_->ReportNumber("BondComp", "MonRep1"), expected[0].Repayment);
    QCOMPARE(bench_->ReportNumber("BondComp", "IntPaid4"), expected[3].TotalInterest);
    QCOMPARE(bench_->ReportNumber("BondComp", "Total6"), expected[5].TotalPaid);
}

QTEST_MAIN(LoanComparisonWindowTest)
#include "LoanComparisonWindowTest.moc"
