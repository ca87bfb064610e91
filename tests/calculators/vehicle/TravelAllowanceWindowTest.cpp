#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <tuple>

#include "DateField.h"
#include "PrintPanel.h"
#include "TableRows.h"
#include "TravelAllowanceWindow.h"
#include "VehicleWindowChecks.h"
#include "WholeNumberField.h"
#include "WindowFixture.h"

using namespace kelvara;
using kelvara::testing::Entries;
using kelvara::testing::kExportHint;
using kelvara::testing::MessagesShown;
using kelvara::testing::ShownOnPrint;
using kelvara::testing::Table;

namespace {

// The window's fields by what they hold; the form names most after its control arrays.
QMap<QString, QString> Meanings() {
    QMap<QString, QString> meanings{
        {"start", "dtCarAlStartDate"}, {"end", "dtCarAlEndDate"},        {"car", "Text1"},
        {"employee", "Text3"},         {"noRecords", "Option3"},         {"records", "Option4"},
        {"withFuel", "Check1"},        {"withMaintenance", "Check2"},    {"days", "silgEdit12"},
        {"keptDays", "silgEdit14"},    {"fractionDays", "silgEdit13_4"}, {"yearDays", "silgEdit13_6"}};
    const auto add = [&meanings](const QString& pattern, int first, const QStringList& names) {
        for (int i = 0; i < names.size(); ++i) meanings[names[i]] = pattern.arg(first + i);
    };
    add("silgEdit%1", 1,
        {"value", "allowance", "closingKm", "openingKm", "businessKm", "fuelCost", "repairs", "insurance", "otherCosts",
         "wearAndTear", "lease"});
    add("sidbEdit3_%1", 0, {"business", "private", "total", "fixedCost", "fixedCostKm"});
    add("sidbEdit1_%1", 0, {"fixedRate", "fuelRate", "maintenanceRate", "totalRate", "claim"});
    add("sidbEdit2_%1", 0,
        {"keptBusiness", "keptPrivate", "keptTotal", "costs", "privateUse", "expenses", "keptClaim"});
    return meanings;
}

const Entries kDeemedExample{"value=250000", "allowance=120000", "closingKm=60000", "openingKm=30000",
                             "businessKm=18000"};
// The rows of the tables, their columns as the tests name them.
using ClaimRow = std::tuple<Entries, Entries, double>;
using BoxRow = std::tuple<QString, QString, QString>;
using TextsRow = std::tuple<QString, QString>;
using DateRow = std::tuple<Entries, QString, QString>;
using PrintRow = std::tuple<Entries, QString, QVariantMap>;

const QString kDateMessage = "The date entered is not correct please enter a date between %1 and 28/02/2027";

}  // namespace

Q_DECLARE_METATYPE(ClaimRow)
Q_DECLARE_METATYPE(BoxRow)
Q_DECLARE_METATYPE(TextsRow)
Q_DECLARE_METATYPE(DateRow)
Q_DECLARE_METATYPE(PrintRow)

class TravelAllowanceWindowTest : public testing::WindowFixture {
    Q_OBJECT

private slots:
    void theTypedInputsGiveTheClaimOfTheMode_data() {
        const Entries deemed{"business=18 000", "private=12 000",   "total=30 000",        "fixedCostKm=30 000",
                             "yearDays=365",    "fixedCost=98 689", "maintenanceRate=67.8"};
        const Entries fullYear = deemed + Entries{"days=365", "fractionDays=365", "fixedRate=329.0"};
        const Table<ClaimRow> row;
        row("full year", kDeemedExample + Entries{"start=01032026"},
            fullYear + Entries{"fuelRate=161.2", "totalRate=558.0", "claim=100 433"}, 100433.394);
        row("from September", kDeemedExample + Entries{"start=01092026"},
            deemed + Entries{"days=181", "fractionDays=181", "fixedRate=163.1", "fuelRate=161.2", "totalRate=392.1",
                             "claim=70 583"},
            70583.346);
        row("fuel not included", kDeemedExample + Entries{"start=01032026", "!withFuel"},
            fullYear + Entries{"fuelRate=0.0", "totalRate=396.8", "claim=71 417"}, 71417.394);
        row("records kept",
            Entries{"!records", "allowance=40000", "closingKm=60000", "openingKm=30000", "businessKm=18000",
                    "fuelCost=20000", "repairs=5000", "insurance=8000", "otherCosts=2000", "wearAndTear=40000"},
            Entries{"keptBusiness=18 000", "keptPrivate=12 000", "keptTotal=30 000", "costs=75 000",
                    "privateUse=30 000", "expenses=40 000", "keptClaim=40 000"},
            40000.0);
    }
    void theTypedInputsGiveTheClaimOfTheMode() {
        QFETCH(ClaimRow, row);
        const auto& [typing, shown, claim] = row;
        typeAll(typing + Entries{"!cmdCalculate"});
        QVERIFY(bench_->Messages.empty());
        QCOMPARE(state_.RecordsKept, typing.contains("!records"));
        QCOMPARE(shownAs(shown), shown);
        QCOMPARE(state_.DeductionClaim, claim);
    }

    // Without records, a result the screen shows as 0 is 0 in the state too, so
    // the report cannot print the figures of an older computation.
    void aMissingDeemedInputShowsAndKeepsZeros() {
        typeAll(kDeemedExample + Entries{"!cmdCalculate"});
        QCOMPARE(shown("claim"), QString("100 433"));
        typeAll({"businessKm=0", "!cmdCalculate"});
        const Entries zeros{"business=0",     "total=0",    "fixedCost=0",  "claim=0",
                            "fractionDays=0", "yearDays=0", "totalRate=0.0"};
        QCOMPARE(shownAs(zeros), zeros);
        QCOMPARE(state_.DeductionClaim, 0.0);
        QCOMPARE(state_.TotalCentsPerKm, 0.0);
        QCOMPARE(state_.DistanceTotal, 0.0);
    }

    void tickBoxesRecalculateAtOnce_data() {
        // The box, the cents a km of the costs it includes, the total rate without them.
        const Table<BoxRow> row;
        row("fuel", "withFuel", "fuelRate", "396.8");
        row("maintenance", "withMaintenance", "maintenanceRate", "490.2");
    }
    void tickBoxesRecalculateAtOnce() {
        QFETCH(BoxRow, row);
        const auto& [box, rate, totalWithout] = row;
        typeAll(kDeemedExample + Entries{"!" + box});
        QVERIFY(!(box == "withFuel" ? state_.IncludeFuel : state_.IncludeMaintenance));
        const Entries without{rate + "=0.0", "totalRate=" + totalWithout};
        QCOMPARE(shownAs(without), without);
        click(box);
        QCOMPARE(shown("totalRate"), QString("558.0"));
    }

    void modeLayoutFollowsTheRecordsOption() {
        typeAll(kDeemedExample + Entries{"!cmdCalculate"});
        for (bool kept : {true, false}) {
            click(kept ? "records" : "noRecords");
            QCOMPARE(state_.RecordsKept, kept);
            QCOMPARE(visible("fraActualCost"), kept);
            QCOMPARE(visible("fraDeemedCost"), !kept);
            QCOMPARE(visible("keptDays"), kept);
            for (const char* cost : {"fuelCost", "repairs", "insurance", "otherCosts", "wearAndTear", "lease"})
                QCOMPARE(enabled(cost), kept);
            QCOMPARE(enabled("start"), !kept);
            QCOMPARE(enabled("end"), !kept);
            QVERIFY(enabled("value") && enabled("allowance"));
        }
        QCOMPARE(find<ui::WholeNumberField>("keptDays")->text(), QString());
        // Choosing the option changes the layout only: the panel still shows the
        // figures of the last recalculation.
        const Entries last{"claim=100 433", "expenses=0"};
        QCOMPARE(shownAs(last), last);
    }

    void enterRecalculatesAndMovesToOk() {
        typeAll(kDeemedExample);
        field("businessKm")->setFocus();
        QTest::keyClick(field("businessKm"), Qt::Key_Return);
        QCOMPARE(shown("claim"), QString("100 433"));
        QVERIFY(hasFocus("cmdOk"));
    }

    void singlePaymentRefusesTheSecondAmount_data() {
        const Table<TextsRow> row;  // the amount held, the one typed
        row("wear and tear after lease", "lease", "wearAndTear");
        row("lease after wear and tear", "wearAndTear", "lease");
    }
    void singlePaymentRefusesTheSecondAmount() {
        QFETCH(TextsRow, row);
        const auto& [held, typed] = row;
        click("records");
        type(held, "3000");
        auto* entry = find<ui::WholeNumberField>(typed);
        entry->setFocus();
        entry->selectAll();
        QTest::keyClicks(entry, "5000");
        QCOMPARE(
            MessagesShown(bench_->Messages),
            QStringList{"Single Payment: Only one amount for either Wear & Tear or Lease payments will be accepted"});
        QCOMPARE(bench_->Messages.last().Icon, ui::MessageIcon::Critical);
        QCOMPARE(entry->value(), 0);
        QVERIFY(entry->hasFocus());
        const bool wearAndTear = typed == "wearAndTear";
        QCOMPARE(wearAndTear ? state_.WearAndTear : state_.LeasePayments, 0.0);
        QCOMPARE(wearAndTear ? state_.LeasePayments : state_.WearAndTear, 3000.0);
    }

    void refusedDatesGiveTheirMessage_data() {
        // The typing, the last entry refused; the earliest date the message allows;
        // what the refused field shows again.
        const Table<DateRow> row;
        row("start before the year", Entries{"start=28022026"}, "01/03/2026", "01/03/2026");
        row("start that does not exist", Entries{"start=31042026"}, "01/03/2026", "01/03/2026");
        row("end before the start", Entries{"start=01092026", "end=31082026"}, "01/09/2026", "28/02/2027");
        row("end after the year", Entries{"end=01032027"}, "01/03/2026", "28/02/2027");
    }
    void refusedDatesGiveTheirMessage() {
        QFETCH(DateRow, row);
        const auto& [typing, lowest, kept] = row;
        typeAll(typing);
        QCOMPARE(MessagesShown(bench_->Messages), QStringList{"Incorrect Date: " + kDateMessage.arg(lowest)});
        const QString refused = testing::SplitEntry(typing.last()).first;
        QCOMPARE(shown(refused), kept);
        QVERIFY(hasFocus(refused));
    }

    // Closing the window from its frame while a refused date is still being
    // typed: the entry is refused only as the window goes, so the date goes back
    // to the start of the tax year instead of taking the focus.
    void aDateRefusedWhileHiddenGoesBackToTheTaxYear() {
        host_.reset();
        auto* area = new QMdiArea;
        host_.reset(area);
        window_ = new TravelAllowanceWindow(state_, printDirect_, *bench_->Reports);
        drive(*window_);
        QMdiSubWindow* frame = area->addSubWindow(window_);
        area->show();
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(area));
        type("start", "01092026");
        auto* start = find<ui::DateField>("start");
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

    void escapeRestoresTheValueFromWhenTheFieldGotFocus_data() {
        const Table<TextsRow> row;  // the typing, not left; the entry restored
        row("number", "value=999", "250 000");
        row("start date", "start=0109", "01/03/2026");
        row("car", "car=Golf", "Polo");
    }
    void escapeRestoresTheValueFromWhenTheFieldGotFocus() {
        QFETCH(TextsRow, row);
        const auto& [typing, restored] = row;
        typeAll({"value=250000", "car=Polo"});
        const auto [name, typed] = testing::SplitEntry(typing);
        QLineEdit* entry = field(name);
        entry->setFocus();
        entry->selectAll();
        QTest::keyClicks(entry, typed);
        QTest::keyClick(entry, Qt::Key_Escape);
        QCOMPARE(entry->text(), restored);
        QVERIFY(entry->hasFocus());
        QCOMPARE(state_.VehicleValue, 250000.0);
        QCOMPARE(state_.CarDescription, std::string("Polo"));
        QVERIFY(bench_->Messages.empty());
    }

    void inputsSurviveClosingButDatesStartAgain() {
        typeAll(kDeemedExample + Entries{"car=Polo", "!records", "!noRecords", "start=01092026", "!cmdOk"});
        QVERIFY(window_->isHidden());
        QVERIFY(qAbs(state_.DeductionClaim - 70583.346) < 1e-6);  // closing recalculates
        open();
        // Opening recalculates.
        const Entries reopened{"car=Polo", "value=250 000", "start=01/03/2026", "days=365", "claim=100 433"};
        QCOMPARE(shownAs(reopened), reopened);
    }

    void printWritesTheRecordWithTheLayoutOfTheMode_data() {
        const Table<PrintRow> row;  // the record besides the fields of both modes
        const QVariantMap deemed{{"fc", 0.0},      {"FCDet", "Fuel costs not included"}, {"MCDet", "Maintenance costs"},
                                 {"mta14", 181.0}, {"DateStart", "01/09/2026"},          {"DateEnd", "28/02/2027"}};
        row("records not kept", Entries{}, "caepnrk.rpt", deemed);
        // With records the deemed-cost fields stay as they were.
        row("records kept", Entries{"!records", "fuelCost=20000", "wearAndTear=40000"}, "caeprk.rpt",
            QVariantMap{{"totcost", 60000.0}, {"pu", 24000.0}, {"DateStart", QString()}});
    }
    void printWritesTheRecordWithTheLayoutOfTheMode() {
        QFETCH(PrintRow, row);
        auto [typing, layout, record] = row;
        typeAll(kDeemedExample + Entries{"car=Polo", "!withFuel", "start=01092026"} + typing);
        click("cmdPrint");  // recalculates first
        ui::PrintPanel& panel = printPanel("Frame1");
        QVERIFY(panel.isVisible());
        QCOMPARE(QApplication::focusWidget(), panel.cmdPD());
        type("employee", "T. Mokoena");
        panel.cmdVR()->click();
        QVERIFY(panel.isHidden());
        QCOMPARE(printDirect_, std::int16_t{0});
        QCOMPARE(QFileInfo(bench_->Reports->ReportFile()).fileName(), layout);
        QCOMPARE(ShownOnPrint(*bench_), QStringList{"Car Allowance" + kExportHint});
        record.insert(
            {{"TPName", "T. Mokoena"}, {"mta01", "Polo"}, {"tadeduction", state_.DeductionClaim}, {"MTD", 30000.0}});
        for (auto [name, value] : record.asKeyValueRange())
            QCOMPARE(std::pair(name, bench_->ReportValue("traveldeduction", name.toStdString())),
                     std::pair(name, value));
    }

private:
    QWidget* openWindow() override {
        InitTravelAllowanceState(state_);
        nameControls(Meanings());
        open();
        return nullptr;
    }
    void closeWindow() override { host_.reset(); }
    void open() {
        window_ = new TravelAllowanceWindow(state_, printDirect_, *bench_->Reports);
        host_.reset(window_);
        showActive(*window_);
    }

    TravelAllowanceState state_;
    std::int16_t printDirect_ = 0;
    std::unique_ptr<QWidget> host_;  // the window, or the work area holding it
    TravelAllowanceWindow* window_ = nullptr;
};

QTEST_MAIN(TravelAllowanceWindowTest)
#include "TravelAllowanceWindowTest.moc"
