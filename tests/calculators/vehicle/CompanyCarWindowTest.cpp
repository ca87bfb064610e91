#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <optional>
#include <set>
#include <tuple>

#include "CompanyCarFixtures.h"
#include "CompanyCarWindow.h"
#include "DateField.h"
#include "ReportOutput.h"
#include "TableRows.h"
#include "VehicleWindowChecks.h"
#include "WindowFixture.h"

using namespace kelvara;
using kelvara::testing::Entries;
using kelvara::testing::ExampleCar;
using kelvara::testing::kExportHint;
using kelvara::testing::ListOf;
using kelvara::testing::MessagesShown;
using kelvara::testing::Registered;
using kelvara::testing::ShownOnPrint;
using kelvara::testing::Table;
using kelvara::testing::ThreeCars;
using kelvara::testing::WindowTestBench;

namespace {

QString Caption(int vehicle, int of) { return QString::fromStdString(testing::CarListCaption(vehicle, of)); }

const QString kYearDates = "between 01/03/2026 and 28/02/2027";

// The rows of the tables, their columns as the tests name them.
using LockRow = std::tuple<int, QString, QStringList>;
using BenefitRow = std::tuple<bool, bool, QStringList, Entries>;
using EndDateRow = std::tuple<const char*, Qt::Key, bool, bool>;

// Answers each message the way a modal box treats the window beneath it: the
// window loses the activation while the message is up, and gets it back only
// after the box has gone. Installed for its lifetime, then `after` again.
class ActivationTakingMessages : public ui::MessageService {
public:
    explicit ActivationTakingMessages(ui::MessageService& after) : after_(after) { ui::InstallMessageService(this); }
    ~ActivationTakingMessages() override { ui::InstallMessageService(&after_); }

    ui::MessageAnswer Show(QWidget*, const QString&, const QString& text, ui::MessageIcon,
                           ui::MessageButtons) override {
        texts << text;
        QWidget box;
        box.show();
        box.activateWindow();
        (void)QTest::qWaitForWindowActive(&box);
        return ui::MessageAnswer::Ok;
    }

    QStringList texts;

private:
    ui::MessageService& after_;
};

}  // namespace

Q_DECLARE_METATYPE(LockRow)
Q_DECLARE_METATYPE(BenefitRow)
Q_DECLARE_METATYPE(EndDateRow)

class CompanyCarWindowTest : public testing::WindowFixture {
    Q_OBJECT

private slots:
    void addingFillsTheNewVehicleFromTheEntryRecord() {
        open();
        QCOMPARE(window_->windowTitle(), Caption(0, 0));
        typeAll({"txtCCRegNumber=CA 1", "numCCPrice=300000", "!cmdAdd"});
        QCOMPARE(window_->windowTitle(), Caption(1, 1));
        QCOMPARE(state_.VehicleCount, std::int16_t{1});
        QCOMPARE(state_.Vehicles[1].CCRegNumber, std::string("CA 1"));
        QCOMPARE(state_.Vehicles[1].CCPrice, 300000.0);
        QCOMPARE(shown("numCCPrice"), QString("300 000"));
        QCOMPARE(enabledControls(), (std::set<QString>{"cmdAdd", "cmdOk", "cmdDelete", "txtCCRegNumber"}));
        QVERIFY(enabled("lblCCRegNumber"));
        QVERIFY(find("chkAutoCalc3802")->isHidden());

        click("cmdAdd");
        QCOMPARE(window_->windowTitle(), Caption(2, 2));
        QCOMPARE(state_.Vehicles[2].CCRegNumber, std::string("CA 1"));
        QCOMPARE(state_.Vehicles[2].CCPrice, 300000.0);
        QVERIFY(visible("chkAutoCalc3802"));
        QVERIFY(state_.AutoSplit3802);
        QVERIFY(!find<QCheckBox>("chkAutoCalc3802")->isChecked());
    }

    void pagingGoesRoundAtEitherEnd_data() {
        QTest::addColumn<Entries>("clicks");
        QTest::addColumn<int>("expected");
        QTest::newRow("back from 1 of 3") << Entries{"!cmdBack"} << 3;
        QTest::newRow("forward from 3 of 3") << Entries{"!cmdForward", "!cmdForward", "!cmdForward"} << 1;
        QTest::newRow("back from 2 of 3") << Entries{"!cmdForward", "!cmdBack"} << 1;
        QTest::newRow("forward from 1 of 3") << Entries{"!cmdForward"} << 2;
    }
    void pagingGoesRoundAtEitherEnd() {
        QFETCH(Entries, clicks);
        QFETCH(int, expected);
        open(ThreeCars(0));
        typeAll(clicks);
        QCOMPARE(window_->windowTitle(), Caption(expected, 3));
        QCOMPARE(shown("txtCCRegNumber"), QString(QChar('A' + expected - 1)));
        QCOMPARE(state_.CurrentVehicle, std::int16_t(expected));
    }

    void deletingRenumbersTheVehiclesAbove() {
        open(ThreeCars(126000));
        typeAll({"!cmdForward", "!cmdDelete"});
        QCOMPARE(window_->windowTitle(), Caption(1, 2));
        QCOMPARE(state_.Vehicles[2].CCRegNumber, std::string("C"));
        QCOMPARE(shown("txtCCRegNumber"), QString("A"));

        click("cmdDelete");
        QCOMPARE(window_->windowTitle(), Caption(1, 1));
        QVERIFY(find("chkAutoCalc3802")->isHidden());
        QVERIFY(!enabled("cmdBack"));

        click("cmdDelete");
        QCOMPARE(window_->windowTitle(), Caption(0, 0));
        QCOMPARE(state_.Actual3802, 0.0);
        QCOMPARE(shown("txtCCRegNumber"), QString());
        QCOMPARE(enabledControls(), (std::set<QString>{"cmdAdd", "cmdOk", "cmdCalculate", "cmdPrint"}));
    }

    void aVehicleWithoutRegistrationLocksTheWindow_data() {
        const QStringList open{"cmdOk",      "cmdAdd",       "cmdCalculate", "cmdPrint",
                               "numCCPrice", "chkSARSTable", "dtCCEndDate",  "numActual3802"};
        const Table<LockRow> row;  // the vehicles, the registration typed, the controls enabled besides it
        row("one, cleared", 1, "", QStringList{"cmdOk", "cmdAdd"});
        row("two, cleared", 2, "", QStringList{"cmdDelete"});
        row("one, typed", 1, "XY", open);
        row("two, typed", 2, "XY", open + QStringList{"cmdBack", "cmdForward", "cmdDelete"});
    }
    void aVehicleWithoutRegistrationLocksTheWindow() {
        QFETCH(LockRow, row);
        const auto& [vehicles, registration, enabled] = row;
        open(ListOf(std::vector<CompanyCarVehicle>(vehicles, Registered("A")), 0));
        field("txtCCRegNumber")->clear();
        if (!registration.isEmpty()) type("txtCCRegNumber", registration);

        const std::set<QString> now = enabledControls();
        for (const QString& name : enabled) QVERIFY2(now.count(name), qPrintable(name + " is disabled"));
        QVERIFY(now.count("txtCCRegNumber"));
        QVERIFY(WindowDriver::enabled("lblCCRegNumber"));
        if (registration.isEmpty()) {
            QCOMPARE(now.size(), std::size_t(enabled.size() + 1));
        } else {
            QCOMPARE(now.count("cmdBack"), std::size_t(vehicles > 1));
        }
        QCOMPARE(state_.Vehicles[1].CCRegNumber, registration.toStdString());
    }

    void theExampleCarShowsItsFringeBenefit_data() {
        // True inclusion, IRP5 amount, monthly, fortnightly and weekly at 80% and 20%.
        const QStringList fullCosts{"126 000", "8 400", "2 100", "3 876.80", "969.20", "1 938.40", "484.60"};
        const Entries logBook{"numPrivateDistance=18 000",
                              "numFuelComponent=48 360",
                              "numFuelClaim=23 016",
                              "numTotAddExpense=7 200",
                              "numFuelExp=30 216",
                              "numAdjustTaxableInc=-80 823",
                              "numAdjustTaxableIncSARS=-80 616.00",
                              "numTotAdjustTaxableInc=-80 823"};
        const Table<BenefitRow> row;  // log book, maintenance plan, the figures, more fields shown
        row("log book", true, false, QStringList{"75 393"} + fullCosts, logBook);
        row("no log book", false, false, QStringList{"125 656"} + fullCosts, Entries{});
        row("maintenance plan, no log book", false, true,
            QStringList{"116 680", "117 000", "7 800", "1 950", "3 600.00", "900.00", "1 800.00", "450.00"}, Entries{});
    }
    void theExampleCarShowsItsFringeBenefit() {
        QFETCH(BenefitRow, row);
        const auto& [logBook, maintenancePlan, figures, more] = row;
        CompanyCarVehicle registeredOnly;
        registeredOnly.CCRegNumber = "CA 123-456";
        open(ListOf({registeredOnly}, 0));
        typeAll({"numCCPrice=300000", "numEndMileage=50000", "numStartMileage=20000", "numBusDistance=12000",
                 "numFuelReimbEmployer=10000", "numEmpPaidInsurance=6000", "numEmpPaidLicence=1000",
                 "numEmpPaidMaintenance=5000", "numActual3802=126000"});
        find<QCheckBox>("chkBussMilage")->setChecked(logBook);
        find<QCheckBox>("chkMaintIncluded")->setChecked(maintenancePlan);
        find<QCheckBox>("chkSARSTable")->setChecked(true);
        QCOMPARE(shown("numTrueInclusion"), QString("0"));  // ticking and typing do not calculate
        click("cmdCalculate");

        const QStringList names{"numTrueInclusion", "numIRP53802", "numMonFB80",  "numMonFB20",
                                "numFortFB80",      "numFortFB20", "numWeekFB80", "numWeekFB20"};
        Entries expected{"numTrueInclusion_1=" + figures[0], "numFB3802ThisCar=126 000", "numTotalDistance=30 000",
                         "numCCMonths=365"};
        for (int i = 0; i < names.size(); ++i) expected << names[i] + '=' + figures[i];
        expected += more;
        QCOMPARE(shownAs(expected), expected);
    }

    void theFuelTableBoxClearsTheFuelItReplaces() {
        open(ListOf({ExampleCar([](auto& v) { v.SARSTable = false; })}, 0));
        type("numActualExpEmployee", "9000");
        QCOMPARE(state_.Vehicles[1].ActualExpEmployee, 9000.0);
        find<QCheckBox>("chkSARSTable")->setChecked(true);
        QCOMPARE(shown("numActualExpEmployee"), QString("0"));
        QCOMPARE(state_.Vehicles[1].ActualExpEmployee, 0.0);
        click("cmdCalculate");
        QCOMPARE(shown("numFuelComponent"), QString("48 360"));
        find<QCheckBox>("chkSARSTable")->setChecked(false);
        QCOMPARE(shown("numFuelComponent"), QString("0"));
        QCOMPARE(state_.Vehicles[1].FuelComponent, 0.0);
    }

    void secondVehicleSharesTheCode3802TotalByDaysOfUse() {
        CompanyCarVehicle half = Registered("B");
        half.CCEndDate = half.CCStartDate + 180;  // 181 days
        open(ListOf({Registered("A"), half}, 126000));
        find<QCheckBox>("chkAutoCalc3802")->setChecked(true);
        QVERIFY(!enabled("numFB3802ThisCar"));
        click("cmdCalculate");
        QVERIFY(std::abs(state_.Vehicles[1].FB3802ThisCar - 84230.769230769) < 1e-6);
        QVERIFY(std::abs(state_.Vehicles[2].FB3802ThisCar - 41769.230769231) < 1e-6);
        QCOMPARE(shown("numFB3802ThisCar"), QString("84 231"));
        click("cmdForward");
        const Entries second{"numFB3802ThisCar=41 769", "numCCMonths=181", "dtCCEndDate=28/08/2026"};
        QCOMPARE(shownAs(second), second);
    }

    // The vehicle on screen is not the first: its readings give its total before
    // the calculation asks whether it has a distance, and its business distance stays.
    void aLaterVehicleTakesItsDistanceFromItsReadings() {
        CompanyCarVehicle second;
        second.CCRegNumber = "B";
        open(ListOf({Registered("A"), second}, 0));
        typeAll({"!cmdForward", "numCCPrice=250000", "numEndMileage=30000", "numStartMileage=12000",
                 "numBusDistance=8000", "!cmdCalculate"});
        const Entries distances{"numTotalDistance=18 000", "numBusDistance=8 000", "numPrivateDistance=10 000"};
        QCOMPARE(shownAs(distances), distances);
        QCOMPARE(state_.Vehicles[2].BusDistance, 8000.0);
    }

    void closingWithARefusedEndDate_data() {
        const Table<EndDateRow> row;  // the end date typed, the key after it, the field left first, closes
        row("out of bounds", "01012028", Qt::Key_Return, false, false);
        row("out of bounds, field left", "01012028", Qt::Key_Return, true, true);
        row("out of bounds on leaving", "01012028", Qt::Key_Tab, false, false);
        row("not a date", "31022027", Qt::Key_Return, false, true);
    }
    void closingWithARefusedEndDate() {
        QFETCH(EndDateRow, row);
        const auto& [endDate, commitKey, leaveFirst, closes] = row;
        open(ListOf({Registered("A")}, 0));
        typeEndDate(endDate, commitKey);
        QStringList messages{"Incorrect Date: The date entered is not correct please enter a date " + kYearDates};
        QCOMPARE(MessagesShown(bench_->Messages), messages);
        QCOMPARE(shown("dtCCEndDate"), QString("28/02/2027"));
        QVERIFY(hasFocus("dtCCEndDate"));
        if (leaveFirst) QTest::keyClick(field("dtCCEndDate"), Qt::Key_Tab);

        QCOMPARE(window_->close(), closes);
        QCOMPARE(window_->isVisible(), !closes);
        if (!closes) messages << "Incorrect Date: The dates entered are not correct please enter a dates " + kYearDates;
        QCOMPARE(MessagesShown(bench_->Messages), messages);
        if (closes) return;
        QCOMPARE(bench_->Messages.last().Icon, ui::MessageIcon::Critical);
        QVERIFY(hasFocus("dtCCStartDate"));
        QVERIFY(window_->close());  // the focus left the end date
    }

    void theListSurvivesClosingUntilInitialised() {
        open();
        typeAll({"txtCCRegNumber=CA 1", "txtCCMake=Toyota", "!cmdAdd", "!cmdAdd", "txtCCRegNumber=CA 2"});
        QVERIFY(window_->close());
        window_.reset();

        open();
        QCOMPARE(window_->windowTitle(), Caption(1, 2));
        const Entries first{"txtCCRegNumber=CA 1", "txtCCMake=Toyota"};
        QCOMPARE(shownAs(first), first);
        QVERIFY(visible("chkAutoCalc3802"));
        QVERIFY(window_->close());
        window_.reset();

        InitCompanyCarState(state_);
        open();
        QCOMPARE(window_->windowTitle(), Caption(0, 0));
        QCOMPARE(state_.Vehicles.size(), std::size_t{1});
    }

    // The refused closing moves the focus off the end date while its message box
    // still holds the window; a click elsewhere and "&Ok" must then close.
    void closingAfterTheRefusalMessageTookTheFocus() {
        open(ListOf({Registered("A")}, 0));
        ActivationTakingMessages messages(bench_->Messages);
        const auto reactivate = [this] {
            window_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        };
        typeEndDate("01012028", Qt::Key_Tab);
        reactivate();
        window_->close();
        reactivate();
        QCOMPARE(messages.texts.size(), 2);
        QVERIFY(window_->isVisible());
        find("numTotalDistance")->setFocus(Qt::MouseFocusReason);
        click("cmdOk");
        QVERIFY(!window_->isVisible());
        QCOMPARE(messages.texts.size(), 2);
    }

    // A calculation that cannot be made shows 0 in the distances, but what was
    // typed stays with the vehicle for when it can.
    void aVehicleWithoutPriceKeepsWhatWasTyped() {
        CompanyCarState cars = ListOf({Registered("A"), Registered("B")}, 0);
        cars.Vehicles[1].CCPrice = 0;
        open(cars);
        typeAll({"numBusDistance=5000", "!cmdForward", "!cmdBack"});
        QCOMPARE(shown("numBusDistance"), QString("0"));
        QCOMPARE(state_.Vehicles[1].BusDistance, 5000.0);
        typeAll({"numCCPrice=300000", "!cmdCalculate"});
        QCOMPARE(shown("numBusDistance"), QString("5 000"));
    }

    void printingThreeVehiclesLeavesExactlyThreeRows() {
        const ReportOutput output(bench_->ReportDatabase);
        const std::vector<FieldValues> earlier(5, FieldValues{{"CarNum", std::int16_t{9}}});
        QVERIFY(output.ReplaceReportRows("compcar", "DELETE *FROM compcar", earlier).ok);

        open(ThreeCars(0));
        click("cmdPrint");
        ui::PrintPanel& panel = printPanel("Frame1");
        QVERIFY(panel.isVisible());
        panel.cmdVR()->click();
        QVERIFY(panel.isHidden());

        std::vector<FieldValues> rows;
        QVERIFY(output.ReadReportRows("compcar", rows).ok);
        QCOMPARE(rows.size(), std::size_t{3});
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(WindowTestBench::Number(rows[i], "CarNum"), i + 1.0);
            QCOMPARE(WindowTestBench::Number(rows[i], "CMVMaxNum"), 3.0);
            QCOMPARE(WindowTestBench::Text(rows[i], "CCRegNumber"), QString(QChar('A' + i)));
            QCOMPARE(WindowTestBench::Number(rows[i], "TrueInclusion"), 75393.0);
        }
        QCOMPARE(ShownOnPrint(*bench_), QStringList{"Full use of Company Car" + kExportHint});
    }

private:
    void open(std::optional<CompanyCarState> state = {}) {
        if (state) state_ = *state;
        window_ = std::make_unique<CompanyCarWindow>(state_, printDirect_, *bench_->Reports);
        showActive(*window_);
    }
    void typeEndDate(const char* text, Qt::Key commit) {
        auto* end = find<ui::DateField>("dtCCEndDate");
        end->setFocus();
        end->selectAll();
        QTest::keyClicks(end, text);
        QTest::keyClick(end, commit);
    }
    // The controls a user can reach, by name, among those the locking governs.
    std::set<QString> enabledControls() {
        std::set<QString> names;
        for (QWidget* w : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isEnabled() &&
                (qobject_cast<QPushButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w)))
                names.insert(w->objectName());
        }
        return names;
    }

    QWidget* openWindow() override {
        state_ = {};
        printDirect_ = 0;
        return nullptr;
    }
    void closeWindow() override { window_.reset(); }

    CompanyCarState state_;
    std::int16_t printDirect_ = 0;
    std::unique_ptr<CompanyCarWindow> window_;
};

QTEST_MAIN(CompanyCarWindowTest)
#include "CompanyCarWindowTest.moc"
