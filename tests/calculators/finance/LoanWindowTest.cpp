#include <QCategoryAxis>
#include <QChartView>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include "DecimalField.h"
#include "LoanAmortGraphWindow.h"
#include "LoanBusterWindow.h"
#include "LoanWindow.h"
#include "PrintPanel.h"
#include "ReportOutput.h"
#include "WholeNumberField.h"
#include "WindowFixture.h"

using namespace kelvara;
using kelvara::testing::WindowDriver;
using kelvara::testing::WindowTestBench;

class LoanWindowTest : public testing::WindowFixture {
    Q_OBJECT

private slots:
    void eachModeCalculatesItsQuantity_data();
    void eachModeCalculatesItsQuantity();
    void theModeMarksTheCalculatedField();
    void aFieldThatBecomesAnInputShowsWhatTheCalculationTakes();
    void financeChargesToggleAndFollowTheCalculation();
    void aRateAboveFiftyShowsTheErrorBox();
    void outOfRangeEntriesAreRefused_data();
    void outOfRangeEntriesAreRefused();
    void activationRestoresTheLoanButNotTheCalculatedField();
    void monthlyTableOfATwelveMonthLoan();
    void longScheduleScrollsAndAnnualTableHasThePartYear();
    void schedulesNeedALoan();
    void printWritesTheLoanAndExactlyTheScheduleRows_data();
    void printWritesTheLoanAndExactlyTheScheduleRows();
    void printWithoutScheduleKeepsTheLastTitle();
    void printWithoutALoanDoesNothing();
    void graphOpensAFreshChartAtTheTopLeft();
    void aPrintRecalculatesOnlyAfterAChange_data();
    void aPrintRecalculatesOnlyAfterAChange();
    void theLoanBusterLeavesTheLoanAlone();

private:
    void mode(int row) { click(QString("optLoanCalc_%1").arg(row)); }
    // Types the three inputs of a mode (an empty text leaves a field alone).
    void enter(int row, const QString& principal, const QString& period, const QString& rate,
               const QString& repayment) {
        mode(row);
        const std::pair<const char*, QString> inputs[] = {
            {"numPrinAmount", principal}, {"numPeriod", period}, {"numIntRate", rate}, {"numMonRePay", repayment}};
        for (const auto& [name, text] : inputs) {
            if (!text.isEmpty()) type(name, text);
        }
    }
    QTableWidget* table() const { return window_->findChild<QTableWidget*>("grdPayments"); }
    QStringList tableRow(int row) const {
        QStringList cells;
        for (int c = 0; c < table()->columnCount(); ++c) cells << table()->item(row, c)->text();
        return cells;
    }
    ui::PrintPanel* printPanel() const { return window_->findChild<ui::PrintPanel*>("fraPrint"); }
    void printWith(int schedule) {  // -1: none, 0: annual, 1: monthly
        click("cmdPrint");
        if (schedule >= 0) {
            window_->findChild<QCheckBox*>("Check1")->setChecked(true);
            window_->findChild<QRadioButton*>(QString("Option1_%1").arg(schedule))->setChecked(true);
        }
        printPanel()->cmdVR()->click();
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

void LoanWindowTest::eachModeCalculatesItsQuantity_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("typed");  // principal, period, rate, repayment
    QTest::addColumn<QStringList>("shown");  // the four fields after "&Calculate"
    QTest::newRow("repayment") << 0 << QStringList{"100000", "60", "10", ""}
                               << QStringList{"100 000.00", "60", "10.000", "2 124.70"};
    QTest::newRow("principal") << 1 << QStringList{"", "60", "10", "2124.70"}
                               << QStringList{"99 999.79", "60", "10.000", "2 124.70"};
    QTest::newRow("period") << 2 << QStringList{"100000", "", "10", "2124.70"}
                            << QStringList{"100 000.00", "60", "10.000", "2 124.71"};
    QTest::newRow("period raised") << 2 << QStringList{"100000", "", "10", "2500"}
                                   << QStringList{"100 000.00", "48", "10.000", "2 536.26"};
    QTest::newRow("period never paid off")
        << 2 << QStringList{"100000", "", "10", "500"} << QStringList{"100 000.00", "0", "10.000", "499.99"};
    QTest::newRow("rate") << 3 << QStringList{"100000", "60", "", "2124.70"}
                          << QStringList{"100 000.00", "60", "9.990", "2 124.70"};
    QTest::newRow("rate higher") << 3 << QStringList{"100000", "60", "", "2200"}
                                 << QStringList{"100 000.00", "60", "11.510", "2 200.00"};
    QTest::newRow("no interest") << 0 << QStringList{"100000", "60", "0", ""}
                                 << QStringList{"100 000.00", "60", "0.000", "0.00"};
}

void LoanWindowTest::eachModeCalculatesItsQuantity() {
    QFETCH(int, row);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    enter(row, typed[0], typed[1], typed[2], typed[3]);
    click("cmdCalculate");
    const char* names[] = {"numPrinAmount", "numPeriod", "numIntRate", "numMonRePay"};
    for (int i = 0; i < 4; ++i) QCOMPARE(field(names[i])->text(), shown[i]);
    QVERIFY(field("Text1")->isHidden());
}

void LoanWindowTest::theModeMarksTheCalculatedField() {
    const char* calculated[] = {"numMonRePay", "numPrinAmount", "numPeriod", "numIntRate"};
    for (int row = 0; row < 4; ++row) {
        mode(row);
        QCOMPARE(loan_.LoanMode, std::string(LoanModes[row]));
        QCOMPARE(window_->findChild<QLabel*>("lblLoanMode")->text(), QString(LoanModes[row]));
        for (const char* name : calculated) {
            const bool isCalculated = name == calculated[row];
            QCOMPARE(field(name)->isReadOnly(), isCalculated);
            QCOMPARE(field(name)->palette().color(QPalette::Base),
                     isCalculated ? QColor(Qt::yellow) : QColor(Qt::white));
            QCOMPARE(bool(field(name)->focusPolicy() & Qt::TabFocus), !isCalculated);
        }
        QCOMPARE(QApplication::focusWidget(), find(row == 1 ? "numPeriod" : "numPrinAmount"));
    }
}

void LoanWindowTest::aFieldThatBecomesAnInputShowsWhatTheCalculationTakes() {
    loan_.Principal = 100000;
    loan_.PeriodMonths = 60;
    loan_.AnnualRate = 10;
    loan_.Repayment = 2124.70;
    window_ = std::make_unique<LoanWindow>(loan_, printDirect_, *bench_->Reports);
    drive(*window_);
    QCOMPARE(field("numMonRePay")->text(), QString("0.00"));  // calculated, so not refilled
    mode(3);
    QCOMPARE(field("numMonRePay")->text(), QString("2 124.70"));
    click("cmdCalculate");
    QCOMPARE(field("numIntRate")->text(), QString("9.990"));
}

void LoanWindowTest::financeChargesToggleAndFollowTheCalculation() {
    enter(0, "100000", "60", "10", "");
    QVERIFY(field("numAns1")->isHidden());
    click("cmdFinCharge");
    QCOMPARE(loan_.FinChargeState, std::string("DOWN"));
    QCOMPARE(field("numAns1")->text(), QString("-100 000.00"));  // nothing calculated yet
    click("cmdCalculate");
    QCOMPARE(field("numAns1")->text(), QString("27 482.27"));
    QCOMPARE(field("numAns2")->text(), QString("127 482.27"));
    click("cmdFinCharge");
    QCOMPARE(loan_.FinChargeState, std::string("UP"));
    QVERIFY(field("numAns2")->isHidden());
}

void LoanWindowTest::aRateAboveFiftyShowsTheErrorBox() {
    enter(3, "1000", "12", "", "200");
    click("cmdCalculate");
    QVERIFY(loan_.AnnualRate > 50);
    QVERIFY(field("Text1")->isVisible());
    QCOMPARE(field("Text1")->text(), QString("   Error"));
    enter(3, "", "", "", "90");  // a rate within bounds hides it again
    click("cmdCalculate");
    QVERIFY(field("Text1")->isHidden());
}

void LoanWindowTest::outOfRangeEntriesAreRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::newRow("period") << "numPeriod"
                            << "601"
                            << "Incorrect Period!"
                            << "The maximum period  allowed is 600 months";
    QTest::newRow("rate") << "numIntRate"
                          << "50.5"
                          << "Incorrect Interest Rate!"
                          << "The maximum interest rate allowed is 50%";
}

void LoanWindowTest::outOfRangeEntriesAreRefused() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, message);
    type(qPrintable(name), text);
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QCOMPARE(bench_->Messages.last().Title, title);
    QCOMPARE(bench_->Messages.last().Text, message);
    QCOMPARE(bench_->Messages.last().Icon, ui::MessageIcon::Critical);
    QCOMPARE(QApplication::focusWidget(), find(name));
    QCOMPARE(loan_.PeriodMonths + loan_.AnnualRate, 0.0);
}

void LoanWindowTest::activationRestoresTheLoanButNotTheCalculatedField() {
    enter(0, "100000", "60", "10", "");
    click("cmdCalculate");
    click("cmdFinCharge");
    window_.reset();
    window_ = std::make_unique<LoanWindow>(loan_, printDirect_, *bench_->Reports);
    drive(*window_);
    QCOMPARE(field("numPrinAmount")->text(), QString("100 000.00"));
    QCOMPARE(field("numPeriod")->text(), QString("60"));
    QCOMPARE(field("numMonRePay")->text(), QString("0.00"));
    QCOMPARE(field("numAns2")->text(), QString("127 482.27"));
    QVERIFY(button("optLoanCalc_0")->isChecked());

    loan_.LoanMode = LoanModes[3];  // the loan buster works in the same loan
    loan_.Principal = 50000;
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QVERIFY(button("optLoanCalc_3")->isChecked());
    QVERIFY(field("numIntRate")->isReadOnly());
    QCOMPARE(field("numPrinAmount")->text(), QString("50 000.00"));
    QCOMPARE(field("numMonRePay")->text(), QString("2 124.70"));
}

void LoanWindowTest::monthlyTableOfATwelveMonthLoan() {
    enter(0, "100000", "12", "10", "");
    click("cmdCalculate");
    click("cmdMonAmort");
    auto* panel = find("fraGrid");
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

void LoanWindowTest::longScheduleScrollsAndAnnualTableHasThePartYear() {
    enter(0, "100000", "6", "10", "");
    click("cmdCalculate");
    click("cmdMonAmort");
    QCOMPARE(table()->rowCount(), 6);
    QCOMPARE(table()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    const int shrunkTable = qRound((6 * 250 + 445) / 15.0);
    QCOMPARE(find("fraGrid")->height(), shrunkTable + qRound(500 / 15.0));
    const int columns =
        table()->columnWidth(0) + table()->columnWidth(1) + table()->columnWidth(2) + table()->columnWidth(3);
    QCOMPARE(table()->width(), columns + 2 * table()->frameWidth());

    enter(0, "", "30", "", "");
    click("cmdCalculate");
    click("cmdAnnAmort");
    QCOMPARE(table()->rowCount(), 3);
    QCOMPARE(table()->horizontalHeaderItem(0)->text(), QString(" Year "));
    QCOMPARE(tableRow(0), (QStringList{"1", "37 040.88", "8 332.81", "62 959.12"}));
    QCOMPARE(tableRow(1), (QStringList{"2", "40 919.54", "4 454.15", "22 039.58"}));
    QCOMPARE(tableRow(2), (QStringList{"3", "22 039.58", "647.27", ".00"}));
}

void LoanWindowTest::schedulesNeedALoan() {
    enter(0, "100000", "12", "10", "");
    click("cmdCalculate");
    for (const char* command : {"cmdAnnAmort", "cmdLoanGraph"}) {
        find("cmdPrint")->setFocus();
        click(command);
        QVERIFY(find("fraGrid")->isHidden());
        QVERIFY(!window_->graphWindow());
        QCOMPARE(QApplication::focusWidget(), find(command == std::string("cmdAnnAmort") ? "numPrinAmount" : "cmdOk"));
    }
    enter(0, "", "", "0", "");
    click("cmdCalculate");
    click("cmdMonAmort");
    QVERIFY(find("fraGrid")->isHidden());
}

void LoanWindowTest::printWritesTheLoanAndExactlyTheScheduleRows_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("schedule");
    QTest::addColumn<QString>("months");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("yearMon");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("title");
    QTest::newRow("repayment, monthly") << 0 << 1 << "12" << 12 << "Month"
                                        << "LonrepaA.rpt"
                                        << "Annual repayment of Loan with Monthly Amortisation - To export printout "
                                           "click on the suitcase button or goto Help";
    QTest::newRow("repayment, annual")
        << 0 << 0 << "30" << 3 << "Year"
        << "LonrepaA.rpt"
        << "Annual repayment of Loan with Amortisation - To export printout click on the suitcase button or goto Help";
    QTest::newRow("rate, annual of 6 months") << 3 << 0 << "6" << 1 << "Year"
                                              << "LonInRtA.rpt"
                                              << "Interest rate calculation of Loan with Annual Amortisation - To "
                                                 "export printout click on the suitcase button or goto Help";
    QTest::newRow("principal, monthly") << 1 << 1 << "24" << 24 << "Month"
                                        << "LonPrAmA.rpt"
                                        << "Principal calculation of Loan with Monthly Amortisation - To export "
                                           "printout click on the suitcase button or goto Help";
}

void LoanWindowTest::printWritesTheLoanAndExactlyTheScheduleRows() {
    QFETCH(int, row);
    QFETCH(int, schedule);
    QFETCH(QString, months);
    QFETCH(int, rows);
    QFETCH(QString, yearMon);
    QFETCH(QString, layout);
    QFETCH(QString, title);
    // A longer schedule printed before must not leave rows behind.
    enter(0, "100000", "60", "10", "");
    printWith(1);
    QCOMPARE(amortRows().size(), std::size_t{60});

    enter(0, "100000", months, "10", "");
    click("cmdCalculate");
    click("cmdFinCharge");
    mode(row);
    printWith(schedule);  // prints recalculate, so the mode's quantity is worked out again
    QVERIFY(printPanel()->isHidden());
    const auto record = bench_->ReportRecord("Loans");
    QVERIFY(record);
    QCOMPARE(WindowTestBench::Text(*record, "Heading"), QString(LoanModes[row]));
    QCOMPARE(WindowTestBench::Number(*record, "Num2"), months.toDouble());
    QCOMPARE(WindowTestBench::Text(*record, "FinText1"), QString("Total Interest"));
    QCOMPARE(WindowTestBench::Text(*record, "YearMon"), yearMon);
    const std::vector<FieldValues> written = amortRows();
    QCOMPARE(written.size(), std::size_t(rows));
    double capital = 0;
    for (int i = 0; i < rows; ++i) {
        QCOMPARE(WindowTestBench::Number(written[i], "Year"), double(i + 1));
        capital += WindowTestBench::Number(written[i], "Capital");
    }
    QCOMPARE(qRound(capital), qRound(loan_.Principal));
    QVERIFY(bench_->Reports->ReportFile().endsWith("/" + layout));
    QCOMPARE(bench_->ReportWindows.size(), std::size_t{2});
    QCOMPARE(bench_->ReportWindows.back()->windowTitle(), title);
    QVERIFY(bench_->Messages.empty());
}

void LoanWindowTest::printWithoutScheduleKeepsTheLastTitle() {
    enter(2, "100000", "", "10", "2500");
    printWith(0);
    const QString annualTitle = bench_->ReportWindows.back()->windowTitle();
    window_->findChild<QCheckBox*>("Check1")->setChecked(false);
    QVERIFY(!window_->findChild<QRadioButton*>("Option1_0")->isEnabled());
    printWith(-1);
    QVERIFY(bench_->Reports->ReportFile().endsWith("/LonRPer.rpt"));
    QCOMPARE(bench_->ReportWindows.back()->windowTitle(), annualTitle);
    const auto record = bench_->ReportRecord("Loans");
    QCOMPARE(WindowTestBench::Number(*record, "Num2"), 48.0);
    QCOMPARE(WindowTestBench::Number(*record, "Num4"), loan_.Repayment);
    QCOMPARE(WindowTestBench::Text(*record, "FinText1"), QString());
}

void LoanWindowTest::printWithoutALoanDoesNothing() {
    enter(0, "100000", "60", "", "");
    printWith(0);
    QVERIFY(printPanel()->isVisible());
    QVERIFY(bench_->ReportWindows.empty());
    QCOMPARE(bench_->ReportNumber("Loans", "Num1"), 0.0);
    printPanel()->cancelButton()->click();
    QVERIFY(printPanel()->isHidden());
    QCOMPARE(printPanel()->cancelButton()->text(), QString("C&ancel"));
}

void LoanWindowTest::graphOpensAFreshChartAtTheTopLeft() {
    enter(0, "100000", "30", "10", "");
    click("cmdCalculate");
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

QTEST_MAIN(LoanWindowTest)
#include "LoanWindowTest.moc"

void LoanWindowTest::aPrintRecalculatesOnlyAfterAChange_data() {
    QTest::addColumn<QString>("retyped");  // the repayment typed after "&Calculate" ("" none)
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("repayment");
    QTest::newRow("unchanged: no cent taken off per print") << ""
                                                            << "0"
                                                            << "499.99";
    QTest::newRow("changed: worked out again") << "2124.70"
                                               << "60"
                                               << "2 124.71";
}

void LoanWindowTest::aPrintRecalculatesOnlyAfterAChange() {
    QFETCH(QString, retyped);
    enter(2, "100000", "", "10", "500");
    click("cmdCalculate");
    if (!retyped.isEmpty()) type("numMonRePay", retyped);
    for (int press = 0; press < 2; ++press) printWith(-1);
    QTEST(field("numPeriod")->text(), "period");
    QTEST(field("numMonRePay")->text(), "repayment");
}

// The loan buster works a loan of its own; the loan calculator's figures,
// schedule and report stay those of the loan it shows.
void LoanWindowTest::theLoanBusterLeavesTheLoanAlone() {
    enter(0, "100022.95", "30", "9.99", "");
    click("cmdCalculate");
    click("cmdFinCharge");
    const auto figures = [this] {
        click("cmdAnnAmort");
        QStringList shown{field("numMonRePay")->text(), field("numAns1")->text(), field("numAns2")->text()};
        shown << tableRow(2);
        click("cmdGridClose");
        printWith(-1);
        shown << QString::number(bench_->ReportNumber("Loans", "Num4"));
        return shown;
    };
    const QStringList before = figures();
    QCOMPARE(before[0], QString("3 781.54"));

    LoanBusterState buster;
    LoanBusterWindow busterWindow(buster, *bench_->Reports);
    busterWindow.show();
    WindowDriver other(busterWindow);
    other.type("numPrinAmount", "500000");
    other.type("numPeriod", "240");
    other.type("numIntRate", "10.5");
    other.type("numXtraPay", "1000");
    other.click("cmdCalculate");
    busterWindow.close();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QCOMPARE(figures(), before);
}
