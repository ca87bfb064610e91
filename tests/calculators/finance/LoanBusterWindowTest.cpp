#include "FinanceWindowTest.h"
#include "LoanBusterWindow.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

// The loan as it stands, then as the extra payment shortens it.
const QMap<QString, QString> kMeanings{
    {"principal", "numPrinAmount"}, {"period", "numPeriod"},         {"rate", "numIntRate"},
    {"extra", "numXtraPay"},        {"repayment", "numMonRePay"},    {"interest", "numAns1_0"},
    {"repaid", "numAns1_1"},        {"shownPrincipal", "numAns1_2"}, {"shownRate", "numAns1_3"},
    {"newPeriod", "numAns2"},       {"newRepayment", "numAns1_4"},   {"newInterest", "numAns1_5"},
    {"newRepaid", "numAns1_6"},     {"saving", "numAns1_7"}};

}  // namespace

class LoanBusterWindowTest : public FinanceWindowFixture<LoanBusterWindow, LoanBusterState> {
    Q_OBJECT

public:
    LoanBusterWindowTest() : FinanceWindowFixture(kMeanings) {}

private slots:
    void extraPaymentsShortenTheLoan_data() {
        const Table<Calculation> row;
        row("1000 extra", Entries{"principal=500000", "period=240", "rate=10.5", "extra=1000"},
            Entries{"repayment=4 991.90", "interest=698 055.86", "repaid=1 198 055.86", "extra=1 006.90",
                    "newPeriod=150", "newRepayment=5 998.80", "newInterest=399 819.92", "newRepaid=899 819.92",
                    "saving=298 235.95"});
        // Without an extra payment the cent search settles on A0 or a cent more.
        row("no extra", Entries{"principal=500000", "period=240", "rate=10.5", "extra=0"},
            Entries{"repayment=4 991.90", "interest=698 055.86", "repaid=1 198 055.86", "extra=0.00", "newPeriod=240",
                    "newRepayment=4 991.91", "newInterest=698 055.86", "newRepaid=1 198 055.86", "saving=0.00"});
        row("no principal", Entries{"principal=0", "period=240", "rate=10.5", "extra=1000"},
            Entries{"repayment=0.00", "interest=0.00", "repaid=0.00", "extra=1 000.00", "newPeriod=0",
                    "newRepayment=0.00", "newInterest=0.00", "newRepaid=0.00", "saving=0.00"});
    }
    void extraPaymentsShortenTheLoan() {
        QFETCH(Calculation, row);
        typeAll(row.Typed + Entries{"!cmdCalculate"});
        CompareShown(*this, row.Shown);
        QCOMPARE(shown("shownPrincipal"), shown("principal"));
        QCOMPARE(shown("shownRate"), QString("10.500"));
    }

    void anExtraAboveTenRepaymentsLeavesTheExtraColumn() {
        typeAll(kBusterInputs + Entries{"extra=1000", "!cmdCalculate", "extra=50000", "!cmdCalculate"});
        CompareShown(*this, {"extra=50 000.00", "newPeriod=150", "newRepayment=5 998.80", "saving=298 235.95"});
    }

    void outOfRangeEntriesAreRefused_data() {
        const Table<RefusedEntry> row;
        row("rate", "rate", "51", "Incorrect Interest Rate!", "The maximum interest rate allowed is 50%");
        row("period", "period", "601", "Incorrect Period!", "The maximum period  allowed is 600 months");
    }
    void outOfRangeEntriesAreRefused() {
        QFETCH(RefusedEntry, row);
        ExpectRefused(*this, *bench_, row);
    }

    void activationShowsTheKeptInputs() {
        // It does not calculate.
        CompareShown(reopenOver({500000, 10.5f, 1000}),
                     {"principal=500 000.00", "rate=10.500", "extra=1 000.00", "repayment=0.00"});
    }

    void printWritesTheLastCalculation() {
        typeAll(kBusterInputs + Entries{"extra=1000", "!cmdCalculate", "!cmdPrint"});
        QVERIFY(printPanel().isVisible());
        CompareRecord(*bench_, "BondBust",
                      {"PAmt=500000", "Period=240", "IntRate=10.5", "MonRep=4991.90", "TotIntPaid=698055.86",
                       "XtraPay=1006.90", "Xper=150", "XMonRep=5998.80", "XTotSavings=298235.95"});
    }

    void printAfterAChangeCalculatesFirst() {
        typeAll(kBusterInputs + Entries{"extra=1000", "!cmdCalculate", "principal=250000", "!cmdPrint"});
        CompareRecord(*bench_, "BondBust", {"PAmt=250000", "TotIntPaid=349027.93"});
        QCOMPARE(shown("interest"), QString("349 027.93"));
    }
};

QTEST_MAIN(LoanBusterWindowTest)
#include "LoanBusterWindowTest.moc"
