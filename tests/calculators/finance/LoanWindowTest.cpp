#include <QCategoryAxis>
#include <QChartView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>

#include "FinanceWindowTest.h"
#include "LoanAmortGraphWindow.h"
#include "LoanBusterWindow.h"
#include "LoanWindow.h"
#include "ReportOutput.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

const QMap<QString, QString> kMeanings{
    {"principal", "numPrinAmount"}, {"period", "numPeriod"}, {"rate", "numIntRate"}, {"repayment", "numMonRePay"},
    {"interest", "numAns1"},        {"repaid", "numAns2"},   {"error", "Text1"},     {"schedule", "fraGrid"}};
// The inputs in the order rows give them.
const char* kInputs[] = {"principal", "period", "rate", "repayment"};
// The field each calculate mode works out, in the order of the mode buttons.
const char* kCalculated[] = {"repayment", "principal", "period", "rate"};
const QString kExport = " - To export printout click on the suitcase button or goto Help";

// A calculate mode with the principal, period, rate and repayment typed in
// it, and the four as shown after "&Calculate".
struct ModeRow {
    int Mode;
    QStringList Typed, Shown;
};

// A loan printed in a calculate mode with a schedule (0 annual, 1 monthly):
// the rows and layout it prints and the report window's title.
struct Print {
    int Mode, Schedule;
    QString Months;
    int Rows;
    QString YearMon, Layout, Title;
};

}  // namespace

class LoanWindowTest : public WindowFixture {
    Q_OBJECT

public:
    LoanWindowTest() { nameControls(kMeanings); }

private slots:
    void eachModeCalculatesItsQuantity_data() {
        QTest::addColumn<ModeRow>("row");
        const auto row = [](const char* name, const ModeRow& values) { QTest::newRow(name) << values; };
        row("repayment", {0, {"100000", "60", "10", ""}, {"100 000.00", "60", "10.000", "2 124.70"}});
        row("principal", {1, {"", "60", "10", "2124.70"}, {"99 999.79", "60", "10.000", "2 124.70"}});
        row("period", {2, {"100000", "", "10", "2124.70"}, {"100 000.00", "60", "10.000", "2 124.71"}});
        row("period raised", {2, {"100000", "", "10", "2500"}, {"100 000.00", "48", "10.000", "2 536.26"}});
        row("period never paid off", {2, {"100000", "", "10", "500"}, {"100 000.00", "0", "10.000", "499.99"}});
        row("rate", {3, {"100000", "60", "", "2124.70"}, {"100 000.00", "60", "9.990", "2 124.70"}});
        row("rate higher", {3, {"100000", "60", "", "2200"}, {"100 000.00", "60", "11.510", "2 200.00"}});
        row("no interest", {0, {"100000", "60", "0", ""}, {"100 000.00", "60", "0.000", "0.00"}});
    }
    void eachModeCalculatesItsQuantity() {
        QFETCH(ModeRow, row);
        calculate(row.Mode, row.Typed);
        for (int i = 0; i < 4; ++i) QCOMPARE(field(kInputs[i])->text(), row.Shown[i]);
        QVERIFY(field("error")->isHidden());
    }

    void theModeMarksTheCalculatedField() {
        for (int row = 0; row < 4; ++row) {
            mode(row);
            QCOMPARE(loan_.LoanMode, std::string(LoanModes[row]));
            QCOMPARE(find<QLabel>("lblLoanMode")->text(), QString(LoanModes[row]));
            for (const char* name : kCalculated) {
                const bool isCalculated = name == kCalculated[row];
                QCOMPARE(field(name)->isReadOnly(), isCalculated);
                QCOMPARE(field(name)->palette().color(QPalette::Base),
                         isCalculated ? QColor(Qt::yellow) : QColor(Qt::white));
                QCOMPARE(bool(field(name)->focusPolicy() & Qt::TabFocus), !isCalculated);
            }
            QCOMPARE(QApplication::focusWidget(), find(row == 1 ? "period" : "principal"));
        }
    }

    void aFieldThatBecomesAnInputShowsWhatTheCalculationTakes() {
        loan_.Principal = 100000;
        loan_.PeriodMonths = 60;
        loan_.AnnualRate = 10;
        loan_.Repayment = 2124.70;
        reopen();
        QCOMPARE(field("repayment")->text(), QString("0.00"));  // calculated, so not refilled
        mode(3);
        QCOMPARE(field("repayment")->text(), QString("2 124.70"));
        click("cmdCalculate");
        QCOMPARE(field("rate")->text(), QString("9.990"));
    }

    void financeChargesToggleAndFollowTheCalculation() {
        enter(0, {"100000", "60", "10", ""});
        QVERIFY(field("interest")->isHidden());
        click("cmdFinCharge");
        QCOMPARE(loan_.FinChargeState, std::string("DOWN"));
        QCOMPARE(field("interest")->text(), QString("-100 000.00"));  // nothing calculated yet
        click("cmdCalculate");
        CompareShown(*this, {"interest=27 482.27", "repaid=127 482.27"});
        click("cmdFinCharge");
        QCOMPARE(loan_.FinChargeState, std::string("UP"));
        QVERIFY(field("repaid")->isHidden());
    }

    void aRateAboveFiftyShowsTheErrorBox() {
        calculate(3, {"1000", "12", "", "200"});
        QVERIFY(loan_.AnnualRate > 50);
        QVERIFY(field("error")->isVisible());
        QCOMPARE(field("error")->text(), QString("   Error"));
        calculate(3, {"", "", "", "90"});  // a rate within bounds hides it again
        QVERIFY(field("error")->isHidden());
    }

    void outOfRangeEntriesAreRefused_data() {
        const Table<RefusedEntry> row;
        row("period", "period", "601", "Incorrect Period!", "The maximum period  allowed is 600 months");
        row("rate", "rate", "50.5", "Incorrect Interest Rate!", "The maximum interest rate allowed is 50%");
    }
    void outOfRangeEntriesAreRefused() {
        QFETCH(RefusedEntry, row);
        ExpectRefused(*this, *bench_, row);
        QCOMPARE(loan_.PeriodMonths + loan_.AnnualRate, 0.0);
    }

    void activationRestoresTheLoanButNotTheCalculatedField() {
        calculate(0, {"100000", "60", "10", ""});
        click("cmdFinCharge");
        reopen();
        CompareShown(*this, {"principal=100 000.00", "period=60", "repayment=0.00", "repaid=127 482.27"});
        QVERIFY(button("optLoanCalc_0")->isChecked());

        loan_.LoanMode = LoanModes[3];  // the loan buster works in the same loan
        loan_.Principal = 50000;
        showActive(*window_);
        QVERIFY(button("optLoanCalc_3")->isChecked());
        QVERIFY(field("rate")->isReadOnly());
        CompareShown(*this, {"principal=50 000.00", "repayment=2 124.70"});
    }

    void monthlyTableOfATwelveMonthLoan() {
        calculate(0, {"100000", "12", "10", ""});
        click("cmdMonAmort");
        QWidget* panel = find("schedule");
        QVERIFY(panel->isVisible());
        QCOMPARE(table()->rowCount(), 12);
        const QStringList headings{" Month   ", "Capital payment ", "Interest payment", "    Balance    "};
        for (int c = 0; c < 4; ++c) QCOMPARE(table()->horizontalHeaderItem(c)->text(), headings[c]);
        QCOMPARE(tableRow(0), (QStringList{"1", "7 958.26", "833.33", "92 041.74"}));
        QCOMPARE(tableRow(11), (QStringList{"12", "8 718.93", "72.66", ".00"}));
        // Twelve rows scroll; the widened table keeps the full height.
        QCOMPARE(table()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(table()->height() + 8, 212);
        QCOMPARE(panel->height(), 249);

        click("cmdGridClose");
        QVERIFY(panel->isHidden());
        QCOMPARE(table()->rowCount(), 0);
        QCOMPARE(QApplication::focusWidget(), find("cmdOk"));
    }

    void longScheduleScrollsAndAnnualTableHasThePartYear() {
        calculate(0, {"100000", "6", "10", ""});
        click("cmdMonAmort");
        QCOMPARE(table()->rowCount(), 6);
        QCOMPARE(table()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        const int shrunkTable = qRound((6 * 250 + 445) / 15.0);
        QCOMPARE(find("schedule")->height(), shrunkTable + qRound(500 / 15.0));
        const int columns =
            table()->columnWidth(0) + table()->columnWidth(1) + table()->columnWidth(2) + table()->columnWidth(3);
        QCOMPARE(table()->width(), columns + 2 * table()->frameWidth());

        calculate(0, {"", "30", "", ""});
        click("cmdAnnAmort");
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(table()->horizontalHeaderItem(0)->text(), QString(" Year "));
        QCOMPARE(tableRow(0), (QStringList{"1", "37 040.88", "8 332.81", "62 959.12"}));
        QCOMPARE(tableRow(1), (QStringList{"2", "40 919.54", "4 454.15", "22 039.58"}));
        QCOMPARE(tableRow(2), (QStringList{"3", "22 039.58", "647.27", ".00"}));
    }

    void schedulesNeedALoan() {
        calculate(0, {"100000", "12", "10", ""});
        for (const char* command : {"cmdAnnAmort", "cmdLoanGraph"}) {
            find("cmdPrint")->setFocus();
            click(command);
            QVERIFY(find("schedule")->isHidden());
            QVERIFY(!window_->graphWindow());
            QCOMPARE(QApplication::focusWidget(), find(command == std::string("cmdAnnAmort") ? "principal" : "cmdOk"));
        }
        calculate(0, {"", "", "0", ""});
        click("cmdMonAmort");
        QVERIFY(find("schedule")->isHidden());
    }

    void printWritesTheLoanAndExactlyTheScheduleRows_data() {
        QTest::addColumn<Print>("print");
        QTest::newRow("repayment, monthly")
            << Print{0, 1, "12", 12, "Month", "LonrepaA.rpt", "Annual repayment of Loan with Monthly Amortisation"};
        QTest::newRow("repayment, annual")
            << Print{0, 0, "30", 3, "Year", "LonrepaA.rpt", "Annual repayment of Loan with Amortisation"};
        QTest::newRow("rate, annual of 6 months") << Print{
            3, 0, "6", 1, "Year", "LonInRtA.rpt", "Interest rate calculation of Loan with Annual Amortisation"};
        QTest::newRow("principal, monthly") << Print{
            1, 1, "24", 24, "Month", "LonPrAmA.rpt", "Principal calculation of Loan with Monthly Amortisation"};
    }
    void printWritesTheLoanAndExactlyTheScheduleRows() {
        QFETCH(Print, print);
        // A longer schedule printed before must not leave rows behind.
        enter(0, {"100000", "60", "10", ""});
        printWith(1);
        QCOMPARE(amortRows().size(), std::size_t{60});

        calculate(0, {"100000", print.Months, "10", ""});
        click("cmdFinCharge");
        mode(print.Mode);
        printWith(print.Schedule);  // prints recalculate, so the mode's quantity is worked out again
        QVERIFY(printPanel().isHidden());
        const auto record = bench_->ReportRecord("Loans");
        QVERIFY(record);
        QCOMPARE(WindowTestBench::Text(*record, "Heading"), QString(LoanModes[print.Mode]));
        QCOMPARE(WindowTestBench::Number(*record, "Num2"), print.Months.toDouble());
        QCOMPARE(WindowTestBench::Text(*record, "FinText1"), QString("Total Interest"));
        QCOMPARE(WindowTestBench::Text(*record, "YearMon"), print.YearMon);
        const std::vector<FieldValues> written = amortRows();
        QCOMPARE(written.size(), std::size_t(print.Rows));
        double capital = 0;
        for (int i = 0; i < print.Rows; ++i) {
            QCOMPARE(WindowTestBench::Number(written[i], "Year"), double(i + 1));
            capital += WindowTestBench::Number(written[i], "Capital");
        }
        QCOMPARE(qRound(capital), qRound(loan_.Principal));
        QVERIFY(bench_->Reports->ReportFile().endsWith("/" + print.Layout));
        QCOMPARE(bench_->ReportWindows.size(), std::size_t{2});
        QCOMPARE(bench_->ReportWindows.back()->windowTitle(), print.Title + kExport);
        QVERIFY(bench_->Messages.empty());
    }

    void printWithoutScheduleKeepsTheLastTitle() {
        enter(2, {"100000", "", "10", "2500"});
        printWith(0);
        const QString annualTitle = bench_->ReportWindows.back()->windowTitle();
        button("Check1")->setChecked(false);
        QVERIFY(!button("Option1_0")->isEnabled());
        printWith(-1);
        QVERIFY(bench_->Reports->ReportFile().endsWith("/LonRPer.rpt"));
        QCOMPARE(bench_->ReportWindows.back()->windowTitle(), annualTitle);
        const auto record = bench_->ReportRecord("Loans");
        QCOMPARE(WindowTestBench::Number(*record, "Num2"), 48.0);
        QCOMPARE(WindowTestBench::Number(*record, "Num4"), loan_.Repayment);
        QCOMPARE(WindowTestBench::Text(*record, "FinText1"), QString());
    }

    void printWithoutALoanDoesNothing() {
        enter(0, {"100000", "60", "", ""});
        printWith(0);
        QVERIFY(printPanel().isVisible());
        QVERIFY(bench_->ReportWindows.empty());
        QCOMPARE(bench_->ReportNumber("Loans", "Num1"), 0.0);
        printPanel().cancelButton()->click();
        QVERIFY(printPanel().isHidden());
        QCOMPARE(printPanel().cancelButton()->text(), QString("C&ancel"));
    }

    void graphOpensAFreshChartAtTheTopLeft() {
        calculate(0, {"100000", "30", "10", ""});
        click("cmdLoanGraph");
        QPointer<LoanAmortGraphWindow> first = window_->graphWindow();
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->pos(), first->screen()->availableGeometry().topLeft());
        QCOMPARE(loan_.ScheduleKind, std::int16_t{2});
        // The balance axis counts in rand as the windows show them.
        QStringList labels;
        for (auto* axis : first->findChild<QChartView*>()->chart()->axes())
            if (auto* rand = qobject_cast<QCategoryAxis*>(axis)) labels += rand->categoriesLabels();
        QVERIFY2(labels.contains("60 000") && labels.contains("0"), qPrintable(labels.join(" | ")));
        click("cmdLoanGraph");
        QVERIFY(window_->graphWindow() != first.data());
        QTRY_VERIFY(!first);
    }

    void aPrintRecalculatesOnlyAfterAChange_data() {
        QTest::addColumn<QString>("retyped");  // the repayment typed after "&Calculate" ("" none)
        QTest::addColumn<Entries>("after");
        QTest::newRow("unchanged: no cent taken off per print") << QString() << Entries{"period=0", "repayment=499.99"};
        QTest::newRow("changed: worked out again") << QString("2124.70") << Entries{"period=60", "repayment=2 124.71"};
    }
    void aPrintRecalculatesOnlyAfterAChange() {
        QFETCH(QString, retyped);
        QFETCH(Entries, after);
        calculate(2, {"100000", "", "10", "500"});
        if (!retyped.isEmpty()) type("repayment", retyped);
        for (int press = 0; press < 2; ++press) printWith(-1);
        CompareShown(*this, after);
    }

    // The loan buster works a loan of its own; the loan calculator's figures,
    // schedule and report stay those of the loan it shows.
    void theLoanBusterLeavesTheLoanAlone() {
        calculate(0, {"100022.95", "30", "9.99", ""});
        click("cmdFinCharge");
        const auto figures = [this] {
            click("cmdAnnAmort");
            QStringList seen = shownAs({"repayment", "interest", "repaid"}) + tableRow(2);
            click("cmdGridClose");
            printWith(-1);
            return seen << QString::number(bench_->ReportNumber("Loans", "Num4"));
        };
        const QStringList before = figures();
        QCOMPARE(before[0], QString("repayment=3 781.54"));

        LoanBusterState buster;
        LoanBusterWindow busterWindow(buster, *bench_->Reports);
        busterWindow.show();
        WindowDriver(busterWindow).typeAll(kBusterInputs + Entries{"numXtraPay=1000", "!cmdCalculate"});
        busterWindow.close();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(figures(), before);
    }

private:
    void mode(int row) { click(QString("optLoanCalc_%1").arg(row)); }
    // Chooses the mode and types its inputs (an empty text leaves a field alone).
    void enter(int row, const QStringList& inputs) {
        mode(row);
        for (int i = 0; i < 4; ++i)
            if (!inputs[i].isEmpty()) type(kInputs[i], inputs[i]);
    }
    void calculate(int row, const QStringList& inputs) {
        enter(row, inputs);
        click("cmdCalculate");
    }
    // Opens the window again over the loan as it is now.
    void reopen() {
        window_.reset();
        window_ = std::make_unique<LoanWindow>(loan_, printDirect_, *bench_->Reports);
        drive(*window_);
    }
    QTableWidget* table() const { return find<QTableWidget>("grdPayments"); }
    QStringList tableRow(int row) const {
        QStringList cells;
        for (int c = 0; c < table()->columnCount(); ++c) cells << table()->item(row, c)->text();
        return cells;
    }
    void printWith(int schedule) {  // -1: none, 0: annual, 1: monthly
        click("cmdPrint");
        if (schedule >= 0) {
            button("Check1")->setChecked(true);
            button(QString("Option1_%1").arg(schedule))->setChecked(true);
        }
        printPanel().cmdVR()->click();
    }
    std::vector<FieldValues> amortRows() const {
        std::vector<FieldValues> rows;
        ReportOutput(bench_->ReportDatabase).ReadReportRows("Amort", rows);
        return rows;
    }

    QWidget* openWindow() override {
        loan_ = {};
        window_ = std::make_unique<LoanWindow>(loan_, printDirect_, *bench_->Reports);
        return window_.get();
    }
    void closeWindow() override { window_.reset(); }

    LoanState loan_;
    std::int16_t printDirect_ = 0;
    std::unique_ptr<LoanWindow> window_;
};

QTEST_MAIN(LoanWindowTest)
#include "LoanWindowTest.moc"
