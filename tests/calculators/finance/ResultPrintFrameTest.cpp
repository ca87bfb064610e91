#include <functional>

#include "DailyBalanceWindow.h"
#include "FinanceWindowTest.h"
#include "InflationWindow.h"
#include "LoanBusterWindow.h"
#include "LoanComparisonWindow.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

// The four finance windows that print their last result, each with inputs
// that give a result worth printing.
struct Calculator {
    QString Name;
    std::function<QWidget*(ReportEngine&)> Open;
    Entries Inputs;
    const char* Table;
    const char* KeyField;  // a field the inputs set to a non-zero value
    QString ViewTitle;
};

struct States {
    LoanBusterState Buster;
    LoanCompState Comp;
    InflationState Inflation;
    DailyBalanceState Balance;
} state;

const Calculator kCalculators[] = {
    {"loan buster", [](ReportEngine& r) { return new LoanBusterWindow(state.Buster, r); }, kBusterInputs, "BondBust",
     "PAmt", "Loan Buster"},
    {"loan comparison", [](ReportEngine& r) { return new LoanComparisonWindow(state.Comp, r); }, kComparisonInputs,
     "BondComp", "PAmt", "Loan Comparison"},
    {"inflation", [](ReportEngine& r) { return new InflationWindow(state.Inflation, r); }, kInflationInputs,
     "Inflation", "PresCost", "Inflation - To export printout click on the suitcase button or goto Help"},
    {"daily balance", [](ReportEngine& r) { return new DailyBalanceWindow(state.Balance, r); }, kBalanceInputs,
     "DailyBal", "CapAmount", "Daily Balance Calculation"}};

}  // namespace

class ResultPrintFrameTest : public WindowFixture {
    Q_OBJECT

private slots:
    void withoutAResultPrintOnlyFocusesOK_data() { calculators(); }
    void withoutAResultPrintOnlyFocusesOK() {
        const Calculator& calculator = open(false);
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QVERIFY(printPanel().isHidden());
        QVERIFY(hasFocus("cmdOK"));
        QCOMPARE(keyField(calculator), 0.0);
        QVERIFY(bench_->Messages.empty());
    }

    void viewingShowsTheTitledReport_data() { calculators(); }
    void viewingShowsTheTitledReport() {
        const Calculator& calculator = open(true);
        QVERIFY(printPanel().isVisible());
        QVERIFY(keyField(calculator) > 0);
        printPanel().cmdVR()->click();
        QVERIFY(printPanel().isHidden());
        QCOMPARE(bench_->ReportWindows.size(), std::size_t{1});
        QCOMPARE(bench_->ReportWindows[0]->windowTitle(), calculator.ViewTitle);
        QVERIFY(bench_->Messages.empty());
    }

    void printingDirectlyLeavesTheTitle_data() { calculators(); }
    void printingDirectlyLeavesTheTitle() {
        bench_->Reports->SetWindowTitle("The report before");
        bench_->Messages.QueueAnswer(ui::MessageAnswer::No);  // no PDF when there is no printer
        const Calculator& calculator = open(true);
        printPanel().cmdPD()->click();
        QVERIFY(printPanel().isHidden());
        QCOMPARE(bench_->Reports->Destination(), int{ReportEngine::Printer});
        QVERIFY(bench_->ReportWindows.empty());
        // Only the inflation projection sets its title, and it does so on "Print".
        QCOMPARE(bench_->Reports->WindowTitle(),
                 calculator.Name == "inflation" ? calculator.ViewTitle : "The report before");
    }

    // Another window prints between this one's "&Print" and its report button;
    // the report engine keeps only the last layout and title.
    void eachWindowRunsItsOwnReport_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("destination");
        for (int c = 0; c < 4; ++c) {
            QTest::newRow(qPrintable(kCalculators[c].Name + " viewed")) << c << int{ReportEngine::Window};
            QTest::newRow(qPrintable(kCalculators[c].Name + " printed")) << c << int{ReportEngine::Printer};
        }
    }
    void eachWindowRunsItsOwnReport() {
        QFETCH(int, destination);
        bench_->Messages.QueueAnswer(ui::MessageAnswer::No);  // no PDF when there is no printer
        const Calculator& calculator = open(true);
        const QString layout = bench_->Reports->ReportFile();
        bench_->Reports->SetReportFile(bench_->Reports->LayoutFile("\\loanbuster.rpt") == layout
                                           ? bench_->Reports->LayoutFile("\\Inflatin.rpt")
                                           : bench_->Reports->LayoutFile("\\loanbuster.rpt"));
        bench_->Reports->SetWindowTitle("Another window's report");
        (destination == ReportEngine::Window ? printPanel().cmdVR() : printPanel().cmdPD())->click();
        QCOMPARE(bench_->Reports->ReportFile(), layout);
        if (destination == ReportEngine::Window) {
            QCOMPARE(bench_->ReportWindows.size(), std::size_t{1});
            QCOMPARE(bench_->ReportWindows[0]->windowTitle(), calculator.ViewTitle);
        }
    }

    void cancelHidesTheFrame_data() { calculators(); }
    void cancelHidesTheFrame() {
        open(true);
        QPushButton* cancel = printPanel().cancelButton();
        QCOMPARE(cancel->text(), QString("C&ancel"));
        QCOMPARE(cancel->objectName(), QString("cmdPrintCancel"));
        cancel->click();
        QVERIFY(printPanel().isHidden());
        QVERIFY(bench_->ReportWindows.empty());
    }

private:
    void calculators() {
        QTest::addColumn<int>("index");
        for (int c = 0; c < 4; ++c) QTest::newRow(qPrintable(kCalculators[c].Name)) << c;
    }
    // Opens the row's window; with fill, gives it a result worth printing and
    // presses "&Print".
    const Calculator& open(bool fill) {
        QFETCH(int, index);
        const Calculator& calculator = kCalculators[index];
        window_.reset(calculator.Open(*bench_->Reports));
        window_->show();
        drive(*window_);
        if (fill) typeAll(calculator.Inputs);
        click("cmdPrint");
        return calculator;
    }
    double keyField(const Calculator& c) { return bench_->ReportNumber(c.Table, c.KeyField); }

    // Each test opens the window of its row.
    QWidget* openWindow() override {
        state = {};
        return nullptr;
    }
    void closeWindow() override { window_.reset(); }

    std::unique_ptr<QWidget> window_;
};

QTEST_MAIN(ResultPrintFrameTest)
#include "ResultPrintFrameTest.moc"
