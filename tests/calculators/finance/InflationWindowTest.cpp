#include <QLabel>
#include <QToolButton>

#include "InflationWindow.h"
#include "WindowFixture.h"

using namespace kelvara;
using kelvara::testing::WindowDriver;
using kelvara::testing::WindowTestBench;

class InflationWindowTest : public testing::CalculatorWindowFixture<InflationWindow, InflationState> {
    Q_OBJECT

private slots:
    void projectsOnCalculate_data();
    void projectsOnCalculate();
    void aFutureValueTooLargeIsNeitherShownNorPrinted();
    void spinButtonsCycleAndRecalculate_data();
    void spinButtonsCycleAndRecalculate();
    void outOfRangeEntriesAreRefused_data();
    void outOfRangeEntriesAreRefused();
    void activationShowsTheKeptFiguresAndProjects();
    void printWritesTheRecordWithTheTitleSetOnPrint();
    void aSpinPressStepsOnceAndOnlyOnRelease_data();
    void aSpinPressStepsOnceAndOnlyOnRelease();

private:
};

void InflationWindowTest::projectsOnCalculate_data() {
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("future");
    QTest::addColumn<QString>("buying");
    QTest::newRow("6% for 10 years") << "100000"
                                     << "10"
                                     << "6"
                                     << "179 085"
                                     << "55 839";
    QTest::newRow("-5% for 10 years") << "100000"
                                      << "10"
                                      << "-5"
                                      << "59 874"
                                      << "167 018";
    QTest::newRow("no years") << "100000"
                              << "0"
                              << "6"
                              << "100 000"
                              << "100 000";
    QTest::newRow("no inflation") << "100000"
                                  << "10"
                                  << "0"
                                  << "100 000"
                                  << "100 000";
}

void InflationWindowTest::projectsOnCalculate() {
    QFETCH(QString, cost);
    QFETCH(QString, period);
    QFETCH(QString, rate);
    type("numPresCost", cost);
    type("numPeriod", period);
    type("numInflaRate", rate);
    QCOMPARE(shown("numAns1"), QString("0"));  // typing alone projects nothing
    click("cmdCalculate");
    QTEST(shown("numAns1"), "future");
    QTEST(shown("numAns2"), "buying");
}

void InflationWindowTest::aFutureValueTooLargeIsNeitherShownNorPrinted() {
    type("numPresCost", "99999999");
    type("numPeriod", "40");
    type("numInflaRate", "40");
    click("cmdCalculate");
    auto* label = window_->findChild<QLabel*>("Label2_12");
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QString("Amount too large to display"));
    QVERIFY(!window_->findChild<QWidget*>("numAns1")->isVisible());
    QVERIFY(shown("numAns2") != "0");

    click("cmdPrint");
    QVERIFY(printPanel().isHidden());
    QVERIFY(hasFocus("cmdOK"));
    QCOMPARE(bench_->ReportNumber("Inflation", "PresCost"), 0.0);

    type("numPeriod", "1");
    click("cmdCalculate");
    QVERIFY(!label->isVisible());
    QCOMPARE(shown("numAns1"), QString("139 999 999"));
}

void InflationWindowTest::spinButtonsCycleAndRecalculate_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QString>("to");
    QTest::newRow("rate up to 30") << "numInflaRate"
                                   << "29.75"
                                   << "spInflation"
                                   << "up"
                                   << "30.000";
    QTest::newRow("rate up past 30") << "numInflaRate"
                                     << "30"
                                     << "spInflation"
                                     << "up"
                                     << "-5.000";
    QTest::newRow("rate down past -5") << "numInflaRate"
                                       << "-5"
                                       << "spInflation"
                                       << "down"
                                       << "30.000";
    QTest::newRow("rate up to 0") << "numInflaRate"
                                  << "-0.25"
                                  << "spInflation"
                                  << "up"
                                  << "0.000";
    QTest::newRow("period down past 1") << "numPeriod"
                                        << "1"
                                        << "spPeriod"
                                        << "down"
                                        << "40";
    QTest::newRow("period up past 40") << "numPeriod"
                                       << "40"
                                       << "spPeriod"
                                       << "up"
                                       << "1";
    QTest::newRow("period 0 stays") << "numPeriod"
                                    << "0"
                                    << "spPeriod"
                                    << "up"
                                    << "0";
}

void InflationWindowTest::spinButtonsCycleAndRecalculate() {
    QFETCH(QString, field);
    QFETCH(QString, from);
    QFETCH(QString, buttons);
    QFETCH(QString, direction);
    QFETCH(QString, to);
    type("numPresCost", "100000");
    type("numPeriod", "10");
    type("numInflaRate", "6");
    type(qPrintable(field), from);
    spin(qPrintable(buttons), qPrintable(direction));
    QCOMPARE(shown(qPrintable(field)), to);
    QVERIFY(hasFocus("cmdOK"));
    // The projection follows the new figure at once (none when the period stayed 0).
    InflationState expected = state_;
    ProjectInflation(expected);
    QCOMPARE(state_.InflFutureValue, to == "0" ? 0.0 : expected.InflFutureValue);
}

void InflationWindowTest::outOfRangeEntriesAreRefused_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("rate") << "numInflaRate"
                          << "41"
                          << "Incorrect Inflation Rate!"
                          << "The range of the Inflation Rate is between -5% and 40%";
    QTest::newRow("period") << "numPeriod"
                            << "41"
                            << "Incorrect Period!"
                            << "The maximum period allowed 40 years";
}

void InflationWindowTest::outOfRangeEntriesAreRefused() {
    QFETCH(QString, field);
    QFETCH(QString, entry);
    type(qPrintable(field), "5");
    type(qPrintable(field), entry);
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QTEST(bench_->Messages.last().Title, "title");
    QTEST(bench_->Messages.last().Text, "text");
    QCOMPARE(bench_->Messages.last().Icon, ui::MessageIcon::Critical);
    QVERIFY(hasFocus(qPrintable(field)));
    QVERIFY(shown(qPrintable(field)).startsWith("5"));
}

void InflationWindowTest::activationShowsTheKeptFiguresAndProjects() {
    window_.reset();
    state_ = {100000, 10, 6, 0, 0};  // left by an earlier window
    WindowDriver again = reopenInWorkArea();
    QCOMPARE(again.shown("numPresCost"), QString("100 000"));
    QCOMPARE(again.shown("numPeriod"), QString("10"));
    QCOMPARE(again.shown("numInflaRate"), QString("6.000"));
    QCOMPARE(again.shown("numAns1"), QString("179 085"));
    QCOMPARE(again.shown("numAns2"), QString("55 839"));
}

void InflationWindowTest::printWritesTheRecordWithTheTitleSetOnPrint() {
    type("numPresCost", "100000");
    type("numPeriod", "10");
    type("numInflaRate", "6");
    click("cmdPrint");  // projects first: the inputs changed since the last projection
    QVERIFY(printPanel().isVisible());
    const QString title = "Inflation - To export printout click on the suitcase button or goto Help";
    QCOMPARE(bench_->Reports->WindowTitle(), title);
    QCOMPARE(bench_->ReportNumber("Inflation", "PresCost"), 100000.0);
    QCOMPARE(bench_->ReportNumber("Inflation", "Period"), 10.0);
    QCOMPARE(bench_->ReportNumber("Inflation", "InflaRate"), 6.0);
    QCOMPARE(std::round(bench_->ReportNumber("Inflation", "Ans1") * 100) / 100, 179084.77);
    QCOMPARE(std::round(bench_->ReportNumber("Inflation", "ANS2") * 100) / 100, 55839.48);

    printPanel().cmdVR()->click();
    QVERIFY(printPanel().isHidden());
    QCOMPARE(bench_->ReportWindows.size(), std::size_t{1});
    QCOMPARE(bench_->ReportWindows[0]->windowTitle(), title);
}

void InflationWindowTest::aSpinPressStepsOnceAndOnlyOnRelease_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<QString>("entry");  // typed, not yet taken
    QTest::addColumn<QString>("shown");  // after the release
    QTest::addColumn<int>("messages");
    QTest::newRow("refused rate: no step") << "numInflaRate"
                                           << "spInflation"
                                           << "45"
                                           << "30.000" << 1;
    QTest::newRow("refused period: no step") << "numPeriod"
                                             << "spPeriod"
                                             << "41"
                                             << "10" << 1;
    QTest::newRow("taken rate: one step") << "numInflaRate"
                                          << "spInflation"
                                          << "20"
                                          << "20.250" << 0;
    QTest::newRow("taken period: one step") << "numPeriod"
                                            << "spPeriod"
                                            << "12"
                                            << "13" << 0;
}

// A message box taking the focus while an arrow is down once left it down and
// repeating for ever; here the button is held as long as it takes to repeat.
void InflationWindowTest::aSpinPressStepsOnceAndOnlyOnRelease() {
    QFETCH(QString, field);
    QFETCH(QString, buttons);
    QFETCH(QString, entry);
    type("numPresCost", "100000");
    type("numPeriod", "10");
    type("numInflaRate", "30");
    const InflationState before = state_;
    auto* edit = window_->findChild<QLineEdit*>(field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, entry);
    auto* up = window_->findChild<QWidget*>(buttons)->findChild<QToolButton*>("up");
    QTest::mousePress(up, Qt::LeftButton);
    QTest::qWait(500);
    QVERIFY(bench_->Messages.empty());
    QCOMPARE(edit->text(), entry);  // nothing taken, nothing stepped while held
    QCOMPARE(state_.InflFutureValue, before.InflFutureValue);
    QTest::mouseRelease(up, Qt::LeftButton);
    QTEST(shown(qPrintable(field)), "shown");
    QTEST(static_cast<int>(bench_->Messages.messages().size()), "messages");
    QTest::qWait(200);
    QTEST(shown(qPrintable(field)), "shown");
}

QTEST_MAIN(InflationWindowTest)
#include "InflationWindowTest.moc"
