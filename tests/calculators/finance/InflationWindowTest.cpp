#include <QLabel>
#include <QToolButton>

#include "FinanceWindowTest.h"
#include "InflationWindow.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

const QMap<QString, QString> kMeanings{
    {"cost", "numPresCost"}, {"period", "numPeriod"},   {"rate", "numInflaRate"},     {"future", "numAns1"},
    {"buying", "numAns2"},   {"tooLarge", "Label2_12"}, {"rate spin", "spInflation"}, {"period spin", "spPeriod"}};

// An entry typed but not yet taken when the "up" spin button goes down: what
// shows after its release and how many messages were given.
struct HeldSpin {
    QString Field, Entry, Shown;
    int Messages;
};

}  // namespace

class InflationWindowTest : public FinanceWindowFixture<InflationWindow, InflationState> {
    Q_OBJECT

public:
    InflationWindowTest() : FinanceWindowFixture(kMeanings) {}

private slots:
    void projectsOnCalculate_data() {
        const Table<Calculation> row;
        row("6% for 10 years", Entries{"period=10", "rate=6"}, Entries{"future=179 085", "buying=55 839"});
        row("-5% for 10 years", Entries{"period=10", "rate=-5"}, Entries{"future=59 874", "buying=167 018"});
        row("no years", Entries{"period=0", "rate=6"}, Entries{"future=100 000", "buying=100 000"});
        row("no inflation", Entries{"period=10", "rate=0"}, Entries{"future=100 000", "buying=100 000"});
    }
    void projectsOnCalculate() {
        QFETCH(Calculation, row);
        typeAll(Entries{"cost=100000"} + row.Typed);
        QCOMPARE(shown("future"), QString("0"));  // typing alone projects nothing
        click("cmdCalculate");
        CompareShown(*this, row.Shown);
    }

    void aFutureValueTooLargeIsNeitherShownNorPrinted() {
        typeAll({"cost=99999999", "period=40", "rate=40", "!cmdCalculate"});
        QVERIFY(visible("tooLarge"));
        QCOMPARE(find<QLabel>("tooLarge")->text(), QString("Amount too large to display"));
        QVERIFY(!visible("future"));
        QVERIFY(shown("buying") != "0");

        click("cmdPrint");
        QVERIFY(printPanel().isHidden());
        QVERIFY(hasFocus("cmdOK"));
        QCOMPARE(bench_->ReportNumber("Inflation", "PresCost"), 0.0);

        typeAll({"period=1", "!cmdCalculate"});
        QVERIFY(!visible("tooLarge"));
        QCOMPARE(shown("future"), QString("139 999 999"));
    }

    void spinButtonsCycleAndRecalculate_data() {
        QTest::addColumn<Spin>("press");
        QTest::newRow("rate up to 30") << Spin{"rate", "29.75", "up", "30.000"};
        QTest::newRow("rate up past 30") << Spin{"rate", "30", "up", "-5.000"};
        QTest::newRow("rate down past -5") << Spin{"rate", "-5", "down", "30.000"};
        QTest::newRow("rate up to 0") << Spin{"rate", "-0.25", "up", "0.000"};
        QTest::newRow("period down past 1") << Spin{"period", "1", "down", "40"};
        QTest::newRow("period up past 40") << Spin{"period", "40", "up", "1"};
        QTest::newRow("period 0 stays") << Spin{"period", "0", "up", "0"};
    }
    void spinButtonsCycleAndRecalculate() {
        QFETCH(Spin, press);
        typeAll(kInflationInputs + Entries{press.Field + '=' + press.From});
        spin(press.Field + " spin", qPrintable(press.Direction));
        QCOMPARE(shown(press.Field), press.To);
        QVERIFY(hasFocus("cmdOK"));
        // The projection follows the new figure at once (none when the period stayed 0).
        InflationState expected = state_;
        ProjectInflation(expected);
        QCOMPARE(state_.InflFutureValue, press.To == "0" ? 0.0 : expected.InflFutureValue);
    }

    void outOfRangeEntriesAreRefused_data() {
        const Table<RefusedEntry> row;
        row("rate", "rate", "41", "Incorrect Inflation Rate!",
            "The range of the Inflation Rate is between -5% and 40%");
        row("period", "period", "41", "Incorrect Period!", "The maximum period allowed 40 years");
    }
    void outOfRangeEntriesAreRefused() {
        QFETCH(RefusedEntry, row);
        type(row.Field, "5");
        ExpectRefused(*this, *bench_, row);
        QVERIFY(shown(row.Field).startsWith("5"));
    }

    void activationShowsTheKeptFiguresAndProjects() {
        const WindowDriver again = reopenOver({100000, 10, 6, 0, 0});
        CompareShown(again, {"cost=100 000", "period=10", "rate=6.000", "future=179 085", "buying=55 839"});
    }

    void printWritesTheRecordWithTheTitleSetOnPrint() {
        typeAll(kInflationInputs);
        click("cmdPrint");  // projects first: the inputs changed since the last projection
        QVERIFY(printPanel().isVisible());
        const QString title = "Inflation - To export printout click on the suitcase button or goto Help";
        QCOMPARE(bench_->Reports->WindowTitle(), title);
        CompareRecord(*bench_, "Inflation",
                      {"PresCost=100000", "Period=10", "InflaRate=6", "Ans1=179084.77", "ANS2=55839.48"});

        printPanel().cmdVR()->click();
        QVERIFY(printPanel().isHidden());
        QCOMPARE(bench_->ReportWindows.size(), std::size_t{1});
        QCOMPARE(bench_->ReportWindows[0]->windowTitle(), title);
    }

    void aSpinPressStepsOnceAndOnlyOnRelease_data() {
        QTest::addColumn<HeldSpin>("press");
        QTest::newRow("refused rate: no step") << HeldSpin{"rate", "45", "30.000", 1};
        QTest::newRow("refused period: no step") << HeldSpin{"period", "41", "10", 1};
        QTest::newRow("taken rate: one step") << HeldSpin{"rate", "20", "20.250", 0};
        QTest::newRow("taken period: one step") << HeldSpin{"period", "12", "13", 0};
    }
    // A message box taking the focus while an arrow is down once left it down and
    // repeating for ever; here the button is held as long as it takes to repeat.
    void aSpinPressStepsOnceAndOnlyOnRelease() {
        QFETCH(HeldSpin, press);
        typeAll({"cost=100000", "period=10", "rate=30"});
        const double future = state_.InflFutureValue;
        QLineEdit* edit = field(press.Field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, press.Entry);
        auto* up = find(press.Field + " spin")->findChild<QToolButton*>("up");
        QTest::mousePress(up, Qt::LeftButton);
        QTest::qWait(500);
        QVERIFY(bench_->Messages.empty());
        QCOMPARE(edit->text(), press.Entry);  // nothing taken, nothing stepped while held
        QCOMPARE(state_.InflFutureValue, future);
        QTest::mouseRelease(up, Qt::LeftButton);
        QCOMPARE(shown(press.Field), press.Shown);
        QCOMPARE(int(bench_->Messages.messages().size()), press.Messages);
        QTest::qWait(200);
        QCOMPARE(shown(press.Field), press.Shown);
    }
};

QTEST_MAIN(InflationWindowTest)
#include "InflationWindowTest.moc"
