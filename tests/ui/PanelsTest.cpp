#include <sqlite3.h>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "ActivationNotifier.h"
#include "DecimalField.h"
#include "DeliveredDatabase.h"
#include "MessageService.h"
#include "PrintPanel.h"
#include "SettingsStore.h"
#include "SetupPanel.h"

using namespace kelvara;
using namespace kelvara::ui;

class PanelsTest : public QObject {
    Q_OBJECT

    std::filesystem::path database() const { return folder_->filePath("Settings.db").toStdString(); }
    Settings stored(const SettingsFields& fields) const {
        Settings s;
        SettingsStore(database()).Load(fields, s);
        return s;
    }
    SaveSettings saveToDatabase() const {
        return [this](const SettingsFields& fields, const Settings& settings) {
            const StoreStatus saved = SettingsStore(database()).Save(fields, settings);
            return SettingsSaved{saved.ok, saved.message};
        };
    }

    std::unique_ptr<QTemporaryDir> folder_;

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(CreateDeliveredDatabase(database(), DeliveredDatabase::Settings).ok);
    }

    void setupShowsOnlyExactRatesAsOptions() {
        QWidget window;
        Settings copy = DeliveredSettings();
        copy.TAIncRate8020 = 0.5;
        copy.CompCarFBRate8020 = 0.2;
        SetupPanel panel(SetupPanel::Kind::Package, copy, saveToDatabase(), &window);
        panel.ShowSettings();
        const auto checked = [&](const char* name) { return panel.findChild<QRadioButton*>(name)->isChecked(); };
        QVERIFY(!checked("optTAIncRate80") && !checked("optTAIncRate20"));
        QCOMPARE(copy.TAIncRate8020, 0.5);
        QVERIFY(checked("optCompCarFBRate20"));
        QVERIFY(checked("optCompCarMPNo"));

        panel.findChild<QRadioButton*>("optTAIncRate20")->click();
        QCOMPARE(copy.TAIncRate8020, 0.2);
        QVERIFY(checked("optTAIncRate20") && !checked("optTAIncRate80"));
        panel.findChild<QRadioButton*>("optTAIncRate80")->click();
        QCOMPARE(copy.TAIncRate8020, 0.8);
        QVERIFY(checked("optTAIncRate80") && !checked("optTAIncRate20"));
    }

    void setupConfirmSavesTheCalculatorsFieldsOnly() {
        Settings package = DeliveredSettings();
        package.PensionCont = 7.5;
        QVERIFY(SettingsStore(database()).Save(PackageSettingsFields(), package).ok);

        QWidget window;
        Settings copy = stored(PayeSettingsFields());
        copy.PensionCont = 99;  // not a field of the PAYE calculators: never written by them
        SetupPanel panel(SetupPanel::Kind::Paye, copy, saveToDatabase(), &window);
        QVERIFY(!panel.numPenContPerc());
        panel.ShowSettings();
        QSignalSpy confirmed(&panel, &SetupPanel::confirmed);
        window.show();
        panel.Open(1710, {});
        panel.numEmpEUIF()->selectAll();
        QTest::keyClicks(panel.numEmpEUIF(), "1.5");
        panel.numUIFLimit()->setFocus();
        panel.numUIFLimit()->selectAll();
        QTest::keyClicks(panel.numUIFLimit(), "20000");  // taken as shown, without leaving the field
        panel.cmdSetupOK()->click();

        QCOMPARE(confirmed.count(), 1);
        QVERIFY(panel.isHidden());
        const Settings saved = stored(PackageSettingsFields());
        QCOMPARE(saved.EmployeeUIF, 1.5);
        QCOMPARE(saved.UIFLimit, 20000.0);
        QCOMPARE(saved.PensionCont, 7.5);
    }

    void setupDisablesTheCalculatorsButtonsWhileOpen() {
        QWidget window;
        auto* calculate = new QPushButton("&Calculate", &window);
        auto* print = new QPushButton("&Print", &window);
        Settings copy = DeliveredSettings();
        SetupPanel panel(SetupPanel::Kind::Paye, copy, saveToDatabase(), &window);
        window.show();
        panel.Open(1935, {calculate, print});
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.y(), 1935 / 15);
        QVERIFY(!calculate->isEnabled() && !print->isEnabled());
        panel.cmdSetupOK()->click();
        QVERIFY(calculate->isEnabled() && print->isEnabled());
    }

    void setupReportsASaveThatFailsAndGoesOn() {
        MessageRecorder messages;
        QWidget window;
        Settings copy = DeliveredSettings();
        SetupPanel panel(SetupPanel::Kind::Paye, copy, saveToDatabase(), &window);
        // Another program holds the database locked for the whole save.
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(database().c_str(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QSignalSpy confirmed(&panel, &SetupPanel::confirmed);
        copy.EmployeeUIF = 2;
        panel.cmdSetupOK()->click();
        QCOMPARE(messages.messages().size(), std::size_t{1});
        QCOMPARE(messages.last().Icon, MessageIcon::Critical);
        QCOMPARE(confirmed.count(), 1);
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QCOMPARE(stored(PayeSettingsFields()).EmployeeUIF, 1.0);
    }

    void printPanelSetsTheDestinationAndRunsThePrintRoutine_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("destination");  // the print routine's printDirect
        QTest::newRow("view") << "cmdVR" << 0;
        QTest::newRow("printer") << "cmdPD" << 1;
    }
    void printPanelSetsTheDestinationAndRunsThePrintRoutine() {
        QFETCH(QString, button);
        QFETCH(int, destination);
        QWidget window;
        PrintPanel panel("&Cancel", &window);
        std::int16_t printDirect = 7;
        int printed = 0;
        UsePrintRoutine(panel, printDirect, [&] {
            ++printed;
            QCOMPARE(int(printDirect), destination);
        });
        window.show();
        panel.present();
        panel.findChild<QPushButton*>(button)->click();
        QCOMPARE(printed, 1);
        QVERIFY(panel.isHidden());

        panel.present();
        panel.findChild<QPushButton*>("cmdCancel")->click();
        QCOMPARE(printed, 1);
        QVERIFY(panel.isHidden());
    }

    void childWindowsHearOfEachActivation() {
        QMdiArea area;
        auto* first = new QWidget;
        auto* second = new QWidget;
        QSignalSpy firstActivated(new ActivationNotifier(first), &ActivationNotifier::activated);
        QMdiSubWindow* firstFrame = area.addSubWindow(first);
        QMdiSubWindow* secondFrame = area.addSubWindow(second);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        firstFrame->show();
        area.setActiveSubWindow(firstFrame);
        const int afterOpening = firstActivated.count();
        QVERIFY(afterOpening >= 1);
        secondFrame->show();
        area.setActiveSubWindow(secondFrame);
        area.setActiveSubWindow(firstFrame);
        QCOMPARE(firstActivated.count(), afterOpening + 1);
    }
};

QTEST_MAIN(PanelsTest)
#include "PanelsTest.moc"
