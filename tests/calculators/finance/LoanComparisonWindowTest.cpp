#include <QHeaderView>
#include <QTableWidget>

#include "FinanceWindowTest.h"
#include "LoanComparisonWindow.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

// A rate typed with a bond of R500 000, and the six periods' repayments and
// interest, with the total paid over 5 and 30 years, as the table shows them.
struct Comparison {
    QString Rate;
    QStringList Repayments, Interest, Paid;
};

}  // namespace

class LoanComparisonWindowTest : public FinanceWindowFixture<LoanComparisonWindow, LoanCompState> {
    Q_OBJECT

private slots:
    void comparesSixPeriods_data() {
        const Table<Comparison> row;
        row("10.5%", "10.5", QStringList{"10 746.95 ", "6 746.75 ", "5 526.99 ", "4 991.90 ", "4 720.91 ", "4 573.70 "},
            QStringList{"144 817.01 ", "309 609.98 ", "494 859.03 ", "698 055.86 ", "916 272.56 ", "1 146 530.73 "},
            QStringList{"644 817.01 ", "1 646 530.73 "});
        row("no interest", "0", QStringList(6, "0.00 "), QStringList(6, "-500 000.00 "), QStringList{"0.00 ", "0.00 "});
    }
    void comparesSixPeriods() {
        QFETCH(Comparison, row);
        typeAll({"numBAmt=500000", "numIntRate=" + row.Rate, "!cmdCalculate"});
        const QStringList labels{"5 yrs.", "10 yrs.", "15 yrs.", "20 yrs.", "25 yrs.", "30 yrs."};
        for (int r = 0; r < 6; ++r) {
            QCOMPARE(cell(r, 0), labels[r]);
            QCOMPARE(cell(r, 1), row.Repayments[r]);
            QCOMPARE(cell(r, 2), row.Interest[r]);
        }
        QCOMPARE(cell(0, 3), row.Paid[0]);
        QCOMPARE(cell(5, 3), row.Paid[1]);

        // The headings over the figures: 1750, 1600 and 1600 twips wide, widened
        // where the font needs more for the heading, and 250 twips high.
        const QStringList headings{" Period ", "Monthly repayment", "   Total Interest   ", "  Total Paid    "};
        for (int c = 0; c < 4; ++c) QCOMPARE(table()->horizontalHeaderItem(c)->text(), headings[c]);
        const QFontMetrics metrics = table()->horizontalHeader()->fontMetrics();
        for (const auto& [column, pixels] : {std::pair{1, 117}, std::pair{2, 107}, std::pair{3, 107}}) {
            QVERIFY(table()->columnWidth(column) >= pixels);
            QVERIFY2(table()->columnWidth(column) > metrics.horizontalAdvance(headings[column]),
                     qPrintable(headings[column]));
        }
        QCOMPARE(table()->horizontalHeader()->height(), 17);
    }

    void aRateAbove50IsRefused() {
        type("numIntRate", "10.5");
        ExpectRefused(*this, *bench_,
                      {"numIntRate", "51", "Incorrect Interest Rate!", "The maximum interest rate allowed is 50%"});
        QCOMPARE(state_.CompRate, 10.5f);
    }

    void activationShowsTheKeptBondAndCompares() {
        const WindowDriver again = reopenOver({500000, 10.5f});
        CompareShown(again, {"numBAmt=500 000.00", "numIntRate=10.500"});
        QCOMPARE(again.find<QTableWidget>("grdPayments")->item(3, 2)->text(), QString("698 055.86 "));
    }

    void printWritesTheComparison() {
        typeAll({"numBAmt=500000", "numIntRate=10.1"});
        click("cmdPrint");  // compares first: the inputs changed since the last comparison
        QVERIFY(printPanel().isVisible());
        QCOMPARE(bench_->ReportNumber("BondComp", "PAmt"), 500000.0);
        QCOMPARE(bench_->ReportNumber("BondComp", "IntRate"), static_cast<double>(10.1f));  // held in single precision
        const LoanComparison expected = Compare({500000, 10.1f});
        QCOMPARE(bench_->ReportNumber("BondComp", "MonRep1"), expected[0].Repayment);
        QCOMPARE(bench_->ReportNumber("BondComp", "IntPaid4"), expected[3].TotalInterest);
        QCOMPARE(bench_->ReportNumber("BondComp", "Total6"), expected[5].TotalPaid);
    }

private:
    QTableWidget* table() const { return find<QTableWidget>("grdPayments"); }
    QString cell(int row, int column) const { return table()->item(row, column)->text(); }
};

QTEST_MAIN(LoanComparisonWindowTest)
#include "LoanComparisonWindowTest.moc"
