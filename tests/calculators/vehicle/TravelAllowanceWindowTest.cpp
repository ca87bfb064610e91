#include <QCheckBox>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "DateField.h"
#include "DecimalField.h"
#include "PrintPanel.h"
#include "TextField.h"
#include "TravelAllowanceWindow.h"
#include "WholeNumberField.h"
#include "WindowFixture.h"

using namespace kelvara;
using kelvara::testing::WindowDriver;
using kelvara::testing::WindowTestBench;

class TravelAllowanceWindowTest : public testing::WindowFixture {
    Q_OBJECT

private slots:
    void deemedCostClaimFromTheTypedInputs_data();
    void deemedCostClaimFromTheTypedInputs();
    void actualCostClaimWithRecordsKept();
    void aMissingDeemedInputShowsAndKeepsZeros();
    void tickBoxesRecalculateAtOnce_data();
    void tickBoxesRecalculateAtOnce();
    void modeLayoutFollowsTheRecordsOption();
    void enterRecalculatesAndMovesToOk();
    void singlePaymentRefusesTheSecondAmount_data();
    void singlePaymentRefusesTheSecondAmount();
    void refusedDatesGiveTheirMessage_data();
    void refusedDatesGiveTheirMessage();
    void aDateRefusedWhileHiddenGoesBackToTheTaxYear();
    void escapeRestoresTheValueFromWhenTheFieldGotFocus_data();
    void escapeRestoresTheValueFromWhenTheFieldGotFocus();
    void inputsSurviveClosingButDatesStartAgain();
    void printWritesTheRecordWithTheLayoutOfTheMode_data();
    void printWritesTheRecordWithTheLayoutOfTheMode();

private:
    void open() {
        window_ = new TravelAllowanceWindow(state_, printDirect_, *bench_->Reports);
        host_.reset(window_);
        drive(*window_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
        window_->activateWindow();
    }
    void typeDate(const QString& name, const QString& text) {
        auto* field = find<ui::DateField>(name);
        field->setFocus();
        field->home(false);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }
    void typeDeemedExample() {
        type("silgEdit1", "250000");
        type("silgEdit2", "120000");
        type("silgEdit3", "60000");
        type("silgEdit4", "30000");
        type("silgEdit5", "18000");
    }

    QWidget* openWindow() override {
        InitTravelAllowanceState(state_);
        open();
        return nullptr;
    }
    void closeWindow() override { host_.reset(); }

    TravelAllowanceState state_;
    std::int16_t printDirect_ = 0;
    std::unique_ptr<QWidget> host_;  // the window, or the work area holding it
    TravelAllowanceWindow* window_ = nullptr;
};

void TravelAllowanceWindowTest::deemedCostClaimFromTheTypedInputs_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("fuel");
    // period, fraction days, fixed cost, fixed, fuel, maintenance, total
    // rates, claim, as shown
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<double>("claim");
    QTest::newRow("full year") << "01032026" << true
                               << QStringList{"365", "365", "98 689", "329.0", "161.2", "67.8", "558.0", "100 433"}
                               << 100433.394;
    QTest::newRow("from September") << "01092026" << true
                                    << QStringList{"181", "181", "98 689", "163.1", "161.2", "67.8", "392.1", "70 583"}
                                    << 70583.346;
    QTest::newRow("fuel not included") << "01032026" << false
                                       << QStringList{"365", "365", "98 689", "329.0", "0.0", "67.8", "396.8", "71 417"}
                                       << 71417.394;
}

void TravelAllowanceWindowTest::deemedCostClaimFromTheTypedInputs() {
    QFETCH(QString, start);
    QFETCH(bool, fuel);
    QFETCH(QStringList, figures);
    QFETCH(double, claim);
    typeDeemedExample();
    typeDate("dtCarAlStartDate", start);
    if (!fuel) find<QCheckBox>("Check1")->click();
    click("cmdCalculate");
    QVERIFY(bench_->Messages.empty());
    QCOMPARE(shown("sidbEdit3_0"), QString("18 000"));
    QCOMPARE(shown("sidbEdit3_1"), QString("12 000"));
    QCOMPARE(shown("sidbEdit3_2"), QString("30 000"));
    QCOMPARE(shown("sidbEdit3_4"), QString("30 000"));
    const QStringList fields{"silgEdit12",  "silgEdit13_4", "sidbEdit3_3", "sidbEdit1_0",
                             "sidbEdit1_1", "sidbEdit1_2",  "sidbEdit1_3", "sidbEdit1_4"};
    for (int i = 0; i < fields.size(); ++i) QCOMPARE(shown(fields[i]), figures[i]);
    QCOMPARE(shown("silgEdit13_6"), QString("365"));
    QVERIFY(qAbs(state_.DeductionClaim - claim) < 1e-6);
}

void TravelAllowanceWindowTest::actualCostClaimWithRecordsKept() {
    find<QRadioButton>("Option4")->click();
    QVERIFY(state_.RecordsKept);
    type("silgEdit2", "40000");
    type("silgEdit3", "60000");
    type("silgEdit4", "30000");
    type("silgEdit5", "18000");
    const QStringList costs{"20000", "5000", "8000", "2000", "40000"};
    for (int i = 0; i < costs.size(); ++i) type(QString("silgEdit%1").arg(6 + i), costs[i]);
    click("cmdCalculate");
    const QStringList expected{"18 000", "12 000", "30 000", "75 000", "30 000", "40 000", "40 000"};
    for (int i = 0; i < expected.size(); ++i) QCOMPARE(shown(QString("sidbEdit2_%1").arg(i)), expected[i]);
    QCOMPARE(state_.DeductionClaim, 40000.0);
}

// Without records, a result the screen shows as 0 is 0 in the state too, so
// the report cannot print the figures of an older computation.
void TravelAllowanceWindowTest::aMissingDeemedInputShowsAndKeepsZeros() {
    typeDeemedExample();
    click("cmdCalculate");
    QCOMPARE(shown("sidbEdit1_4"), QString("100 433"));
    type("silgEdit5", "0");
    click("cmdCalculate");
    for (const char* name :
         {"sidbEdit3_0", "sidbEdit3_2", "sidbEdit3_3", "sidbEdit1_4", "silgEdit13_4", "silgEdit13_6"})
        QCOMPARE(shown(name), QString("0"));
    QCOMPARE(shown("sidbEdit1_3"), QString("0.0"));
    QCOMPARE(state_.DeductionClaim, 0.0);
    QCOMPARE(state_.TotalCentsPerKm, 0.0);
    QCOMPARE(state_.DistanceTotal, 0.0);
}

void TravelAllowanceWindowTest::tickBoxesRecalculateAtOnce_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("costField");  // the cents a km of the costs the box includes
    QTest::addColumn<QString>("totalWithout");
    QTest::newRow("fuel") << "Check1"
                          << "sidbEdit1_1"
                          << "396.8";
    QTest::newRow("maintenance") << "Check2"
                                 << "sidbEdit1_2"
                                 << "490.2";
}

void TravelAllowanceWindowTest::tickBoxesRecalculateAtOnce() {
    QFETCH(QString, box);
    QFETCH(QString, costField);
    QFETCH(QString, totalWithout);
    typeDeemedExample();
    find<QCheckBox>(box)->click();
    QVERIFY(!(box == "Check1" ? state_.IncludeFuel : state_.IncludeMaintenance));
    QCOMPARE(shown(costField), QString("0.0"));
    QCOMPARE(shown("sidbEdit1_3"), totalWithout);
    find<QCheckBox>(box)->click();
    QCOMPARE(shown("sidbEdit1_3"), QString("558.0"));
}

void TravelAllowanceWindowTest::modeLayoutFollowsTheRecordsOption() {
    auto* deemed = window_->findChild<QWidget*>("fraDeemedCost");
    auto* actual = window_->findChild<QWidget*>("fraActualCost");
    typeDeemedExample();
    click("cmdCalculate");
    for (bool kept : {true, false}) {
        find<QRadioButton>(kept ? "Option4" : "Option3")->click();
        QCOMPARE(state_.RecordsKept, kept);
        QCOMPARE(actual->isVisible(), kept);
        QCOMPARE(deemed->isVisible(), !kept);
        QCOMPARE(find<ui::WholeNumberField>("silgEdit14")->isVisible(), kept);
        for (int i = 6; i <= 11; ++i)
            QCOMPARE(find<ui::WholeNumberField>(QString("silgEdit%1").arg(i))->isEnabled(), kept);
        QCOMPARE(find<ui::DateField>("dtCarAlStartDate")->isEnabled(), !kept);
        QCOMPARE(find<ui::DateField>("dtCarAlEndDate")->isEnabled(), !kept);
        QVERIFY(find<ui::WholeNumberField>("silgEdit1")->isEnabled());
        QVERIFY(find<ui::WholeNumberField>("silgEdit2")->isEnabled());
    }
    QCOMPARE(find<ui::WholeNumberField>("silgEdit14")->text(), QString());
    // Choosing the option changes the layout only: the panel still shows the
    // figures of the last recalculation.
    QCOMPARE(shown("sidbEdit1_4"), QString("100 433"));
    QCOMPARE(shown("sidbEdit2_5"), QString("0"));
}

void TravelAllowanceWindowTest::enterRecalculatesAndMovesToOk() {
    typeDeemedExample();
    auto* business = find<ui::WholeNumberField>("silgEdit5");
    business->setFocus();
    QTest::keyClick(business, Qt::Key_Return);
    QCOMPARE(shown("sidbEdit1_4"), QString("100 433"));
    QCOMPARE(QApplication::focusWidget(), find<QPushButton>("cmdOk"));
}

void TravelAllowanceWindowTest::singlePaymentRefusesTheSecondAmount_data() {
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("typed");
    QTest::newRow("wear and tear after lease") << "silgEdit11"
                                               << "silgEdit10";
    QTest::newRow("lease after wear and tear") << "silgEdit10"
                                               << "silgEdit11";
}

void TravelAllowanceWindowTest::singlePaymentRefusesTheSecondAmount() {
    QFETCH(QString, held);
    QFETCH(QString, typed);
    find<QRadioButton>("Option4")->click();
    type(held, "3000");
    auto* field = find<ui::WholeNumberField>(typed);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "5000");
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QCOMPARE(bench_->Messages.last().Title, QString("Single Payment"));
    QCOMPARE(bench_->Messages.last().Text,
             QString("Only one amount for either Wear & Tear or Lease payments will be accepted"));
    QCOMPARE(bench_->Messages.last().Icon, ui::MessageIcon::Critical);
    QCOMPARE(field->value(), 0);
    QCOMPARE(QApplication::focusWidget(), field);
    const double typedStored = typed == "silgEdit10" ? state_.WearAndTear : state_.LeasePayments;
    const double heldStored = typed == "silgEdit10" ? state_.LeasePayments : state_.WearAndTear;
    QCOMPARE(typedStored, 0.0);
    QCOMPARE(heldStored, 3000.0);
}

void TravelAllowanceWindowTest::refusedDatesGiveTheirMessage_data() {
    QTest::addColumn<QString>("start");  // typed first, accepted
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("kept");  // what the refused field shows again
    const QString start = "The date entered is not correct please enter a date between 01/03/2026 and 28/02/2027";
    QTest::newRow("start before the year") << ""
                                           << "dtCarAlStartDate"
                                           << "28022026" << start << "01/03/2026";
    QTest::newRow("start that does not exist") << ""
                                               << "dtCarAlStartDate"
                                               << "31042026" << start << "01/03/2026";
    QTest::newRow("end before the start")
        << "01092026"
        << "dtCarAlEndDate"
        << "31082026"
        << "The date entered is not correct please enter a date between 01/09/2026 and 28/02/2027"
        << "28/02/2027";
    QTest::newRow("end after the year")
        << ""
        << "dtCarAlEndDate"
        << "01032027"
        << "The date entered is not correct please enter a date between 01/03/2026 and 28/02/2027"
        << "28/02/2027";
}

void TravelAllowanceWindowTest::refusedDatesGiveTheirMessage() {
    QFETCH(QString, start);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, kept);
    if (!start.isEmpty()) typeDate("dtCarAlStartDate", start);
    typeDate(field, typed);
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QCOMPARE(bench_->Messages.last().Title, QString("Incorrect Date"));
    QCOMPARE(bench_->Messages.last().Text, message);
    QCOMPARE(shown(field), kept);
    QCOMPARE(QApplication::focusWidget(), find<ui::DateField>(field));
}

// Closing the window from its frame while a refused date is still being
// typed: the entry is refused only as the window goes, so the date goes back
// to the start of the tax year instead of taking the focus.
void TravelAllowanceWindowTest::aDateRefusedWhileHiddenGoesBackToTheTaxYear() {
    host_.reset();
    auto* area = new QMdiArea;
    host_.reset(area);
    window_ = new TravelAllowanceWindow(state_, printDirect_, *bench_->Reports);
    drive(*window_);
    QMdiSubWindow* frame = area->addSubWindow(window_);
    area->show();
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(area));
    typeDate("dtCarAlStartDate", "01092026");
    auto* start = find<ui::DateField>("dtCarAlStartDate");
    start->setFocus();
    start->home(false);
    QTest::keyClicks(start, "01012026");
    frame->close();
    QVERIFY(window_->isHidden());
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QCOMPARE(bench_->Messages.last().Title, QString("Incorrect Date"));
    QCOMPARE(start->text(), QString("01/03/2026"));
    window_->Recalculate();
    QCOMPARE(state_.PeriodDays, 365.0);
}

void TravelAllowanceWindowTest::escapeRestoresTheValueFromWhenTheFieldGotFocus_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("restored");
    QTest::newRow("number") << "silgEdit1"
                            << "999"
                            << "250 000";
    QTest::newRow("start date") << "dtCarAlStartDate"
                                << "0109"
                                << "01/03/2026";
    QTest::newRow("car") << "Text1"
                         << "Golf"
                         << "Polo";
}

void TravelAllowanceWindowTest::escapeRestoresTheValueFromWhenTheFieldGotFocus() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, restored);
    type("silgEdit1", "250000");
    type("Text1", "Polo");
    auto* entry = find<QLineEdit>(field);
    entry->setFocus();
    entry->selectAll();
    QTest::keyClicks(entry, typed);
    QTest::keyClick(entry, Qt::Key_Escape);
    QCOMPARE(entry->text(), restored);
    QCOMPARE(QApplication::focusWidget(), entry);
    QCOMPARE(state_.VehicleValue, 250000.0);
    QCOMPARE(state_.CarDescription, std::string("Polo"));
    QVERIFY(bench_->Messages.empty());
}

void TravelAllowanceWindowTest::inputsSurviveClosingButDatesStartAgain() {
    typeDeemedExample();
    type("Text1", "Polo");
    find<QRadioButton>("Option4")->click();
    find<QRadioButton>("Option3")->click();
    typeDate("dtCarAlStartDate", "01092026");
    click("cmdOk");
    QVERIFY(window_->isHidden());
    QVERIFY(qAbs(state_.DeductionClaim - 70583.346) < 1e-6);  // closing recalculates
    open();
    QCOMPARE(shown("Text1"), QString("Polo"));
    QCOMPARE(shown("silgEdit1"), QString("250 000"));
    QCOMPARE(shown("dtCarAlStartDate"), QString("01/03/2026"));
    QCOMPARE(shown("silgEdit12"), QString("365"));
    QCOMPARE(shown("sidbEdit1_4"), QString("100 433"));  // opening recalculates
}

void TravelAllowanceWindowTest::printWritesTheRecordWithTheLayoutOfTheMode_data() {
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("layout");
    QTest::newRow("records not kept") << false << "caepnrk.rpt";
    QTest::newRow("records kept") << true << "caeprk.rpt";
}

void TravelAllowanceWindowTest::printWritesTheRecordWithTheLayoutOfTheMode() {
    QFETCH(bool, kept);
    QFETCH(QString, layout);
    typeDeemedExample();
    type("Text1", "Polo");
    find<QCheckBox>("Check1")->click();
    typeDate("dtCarAlStartDate", "01092026");
    if (kept) {
        find<QRadioButton>("Option4")->click();
        type("silgEdit6", "20000");
        type("silgEdit10", "40000");
    }
    click("cmdPrint");  // recalculates first
    auto* panel = window_->findChild<ui::PrintPanel*>("Frame1");
    QVERIFY(panel->isVisible());
    QCOMPARE(QApplication::focusWidget(), panel->cmdPD());
    type("Text3", "T. Mokoena");
    panel->cmdVR()->click();
    QVERIFY(panel->isHidden());
    QCOMPARE(printDirect_, std::int16_t{0});
    QCOMPARE(QFileInfo(bench_->Reports->ReportFile()).fileName(), layout);
    QCOMPARE(bench_->ReportWindows.size(), std::size_t{1});
    QCOMPARE(bench_->ReportWindows[0]->windowTitle(),
             QString("Car Allowance - To export printout click on the suitcase button or goto Help"));
    QVERIFY(bench_->Messages.empty());
    QCOMPARE(bench_->ReportValue("traveldeduction", "TPName"), QVariant(QString("T. Mokoena")));
    QCOMPARE(bench_->ReportValue("traveldeduction", "mta01"), QVariant(QString("Polo")));
    QCOMPARE(bench_->ReportValue("traveldeduction", "tadeduction"), QVariant(state_.DeductionClaim));
    QCOMPARE(bench_->ReportValue("traveldeduction", "MTD"), QVariant(30000.0));
    if (kept) {
        QCOMPARE(bench_->ReportValue("traveldeduction", "totcost"), QVariant(60000.0));
        QCOMPARE(bench_->ReportValue("traveldeduction", "pu"), QVariant(24000.0));
        QCOMPARE(bench_->ReportValue("traveldeduction", "DateStart"),
                 QVariant(QString()));  // the deemed-cost fields stay as they were
    } else {
        QCOMPARE(bench_->ReportValue("traveldeduction", "fc"), QVariant(0.0));
        QCOMPARE(bench_->ReportValue("traveldeduction", "FCDet"), QVariant(QString("Fuel costs not included")));
        QCOMPARE(bench_->ReportValue("traveldeduction", "MCDet"), QVariant(QString("Maintenance costs")));
        QCOMPARE(bench_->ReportValue("traveldeduction", "mta14"), QVariant(181.0));
        QCOMPARE(bench_->ReportValue("traveldeduction", "DateStart"), QVariant(QString("01/09/2026")));
        QCOMPARE(bench_->ReportValue("traveldeduction", "DateEnd"), QVariant(QString("28/02/2027")));
    }
}

QTEST_MAIN(TravelAllowanceWindowTest)
#include "TravelAllowanceWindowTest.moc"
