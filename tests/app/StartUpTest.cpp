#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <tuple>

#include "ActiveTaxYear.h"
#include "BackgroundMdiArea.h"
#include "DeliveredDatabase.h"
#include "DisclaimerWindow.h"
#include "SettingsFaults.h"
#include "SettingsStore.h"
#include "StartedProgram.h"
#include "TableRows.h"

using namespace kelvara;
using kelvara::testing::ScratchSettings;
using kelvara::testing::Table;
using DisclaimerAnswerer = kelvara::testing::ModalAnswerer<kelvara::DisclaimerWindow>;

namespace {

void TickAndAccept(DisclaimerWindow& disclaimer) {
    disclaimer.findChild<QCheckBox*>("chkDisclaimerYesNo")->setChecked(true);
    disclaimer.findChild<QPushButton*>("cmdOk")->click();
}

void Decline(DisclaimerWindow& disclaimer) { disclaimer.findChild<QPushButton*>("cmdCancel")->click(); }

QWidget* OpenAbout() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "frmAbout" && widget->isVisible()) return widget;
    return nullptr;
}

}  // namespace

// The rows of the tables below, their columns named where each test reads them.
using VersionRow = std::tuple<ProgramVersion, QString, int>;
using SettingsFaultRow = std::tuple<QString, QString, double>;
using DisclaimerRow = std::tuple<int, bool, bool>;
Q_DECLARE_METATYPE(VersionRow)
Q_DECLARE_METATYPE(SettingsFaultRow)
Q_DECLARE_METATYPE(DisclaimerRow)

class StartUpTest : public QObject {
    Q_OBJECT
    ScratchSettings settings_;
    QTemporaryDir programFolder_;
    ui::MessageRecorder messages_;

private slots:
    void init() {
        settings_.clear();
        messages_.clear();
        SetAcceptedDisclaimerVersion(110);  // this version's, unless the test says otherwise
    }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void versionFormsCaptionAndNumber_data() {
        const Table<VersionRow> row;
        row("1.1.0", ProgramVersion{1, 1, 0}, "1.01.000", 110);
        row("1.0.0", ProgramVersion{1, 0, 0}, "1.00.000", 100);
        row("2.12.5", ProgramVersion{2, 12, 5}, "2.12.005", 2125);
        row("1.10.12", ProgramVersion{1, 10, 12}, "1.10.012", 11012);
    }
    void versionFormsCaptionAndNumber() {
        QFETCH(VersionRow, row);
        const auto& [version, text, number] = row;
        QCOMPARE(VersionText(version), text);
        QCOMPARE(VersionNumber(version), number);
        QVERIFY(MainCaption(version).startsWith("Kelvara 2027 Ver: " + text + " "));
    }

    void damagedOrMissingDatabasesAreRebuiltWithAMessage() {
        QTemporaryDir folder;
        QFile garbage(folder.filePath("Settings.db"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("this is not a database at all");
        garbage.close();
        Shell shell(folder.path());
        QVERIFY(shell.start());

        QCOMPARE(messages_.messages().size(), std::size_t{2});
        QVERIFY(messages_.messages()[0].Text.contains(folder.filePath("Settings.db")));
        QVERIFY(messages_.messages()[1].Text.contains(folder.filePath("Crysprin.db")));
        QCOMPARE(QDir(folder.path()).entryList({"Settings.db.damaged-*"}).size(), 1);
        Settings loaded;
        const StoreStatus status =
            SettingsStore(shell.calcState().SettingsDatabasePath).Load(PayeSettingsFields(), loaded);
        QVERIFY(status.ok && status.message.empty());
        QCOMPARE(loaded.UIFLimit, 17712.0);

        messages_.clear();
        Shell again(folder.path());
        QVERIFY(again.start());
        QVERIFY(messages_.empty());
    }

    // Settings that can still be read are kept: a save cut short is rolled
    // back without a word, a folder in the file's place is left there, and
    // only a value that cannot be used is set back, with a message.
    void settingsThatCanBeReadAreKept_data() {
        const Table<SettingsFaultRow> row;
        row("cut short", "interrupted", "", 2.0);
        row("folder", "folder", "it is a folder, not a file. It was left as it is", 1.0);
        row("out of bounds", "UIF -50", "\"EmployeeUIF\" (-50). They have been set back", 1.0);
        row("not a number", "UIF 'x'", "\"EmployeeUIF\" ('x'). They have been set back", 1.0);
    }
    void settingsThatCanBeReadAreKept() {
        QFETCH(SettingsFaultRow, row);
        const auto& [fault, said, uif] = row;
        QTemporaryDir folder;
        const std::filesystem::path settings = folder.filePath("Settings.db").toStdString();
        for (DeliveredDatabase which : {DeliveredDatabase::Settings, DeliveredDatabase::Reports})
            QVERIFY(CreateDeliveredDatabase(folder.filePath(DeliveredFileName(which)).toStdString(), which).ok);
        if (fault == "interrupted") {
            QVERIFY(testing::InterruptSaveAfter(settings, 2));
        } else if (fault == "folder") {
            std::filesystem::remove(settings);
            std::filesystem::create_directory(settings);
        } else {
            QVERIFY(testing::RunSqlOn(settings,
                                      "CREATE TABLE Copy AS SELECT * FROM Setup; DROP TABLE Setup;"
                                      "ALTER TABLE Copy RENAME TO Setup; UPDATE Setup SET EmployeeUIF = " +
                                          fault.section(' ', 1).toStdString()));
        }
        Shell shell(folder.path());
        QVERIFY(shell.start());

        QCOMPARE(messages_.messages().size(), said.isEmpty() ? std::size_t{0} : std::size_t{1});
        if (!said.isEmpty()) {
            QVERIFY2(messages_.last().Text.contains(said), qPrintable(messages_.last().Text));
            QVERIFY(messages_.last().Text.contains(folder.filePath("Settings.db")));
        }
        QCOMPARE(QDir(folder.path()).entryList({"Settings.db.damaged-*"}).size(), 0);
        QCOMPARE(std::filesystem::is_directory(settings), fault == "folder");
        Settings loaded;
        SettingsStore(settings).Load(PayeSettingsFields(), loaded);
        QCOMPARE(loaded.EmployeeUIF, uif);
    }

    // A year file in a year folder is offered on the File menu; the latest is
    // in use until the user picks another, which the next start remembers. A
    // file that cannot be used is named, and the program starts all the same.
    void taxYearChoiceOnTheFileMenu() {
        QDir(programFolder_.path()).mkpath("tax-years");
        const QString years = programFolder_.filePath("tax-years");
        QVERIFY(QFile::copy(KV_SOURCE_DIR "/tests/engine/TestYear2028.json", years + "/2028.json"));
        QFile broken(years + "/broken.json");
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(R"({"format": 1, "year": 2029, "name": "2028/29"})");
        broken.close();
        {
            Shell shell(programFolder_.path());
            QVERIFY(shell.start());
            QVERIFY(shell.mainWindow().windowTitle().endsWith(" - Tax year 2027/28 (test)"));
            QVERIFY(shell.mainWindow().workArea().subtitle().endsWith("1 March 2027 to 29 February 2028"));
            QCOMPARE(ActiveTaxYear().Year, 2028);
            const auto& shown = messages_.messages();
            const auto refusal =
                std::find_if(shown.begin(), shown.end(), [](const auto& m) { return m.Text.contains("broken.json"); });
            QVERIFY(refusal != shown.end());
            QVERIFY(refusal->Text.contains("\"firstDay\" is missing"));
            QMenu* menu = shell.mainWindow().menuAction("mnuTaxYear")->menu();
            QVERIFY(menu);
            QCOMPARE(menu->actions().size(), 2);
            QVERIFY(menu->actions()[1]->isChecked());
            shell.mainWindow().openWindow("mnuMonthly");
            menu->actions()[0]->trigger();
            QVERIFY(!shell.mainWindow().findWindow("frmMonthly"));
            QCOMPARE(ActiveTaxYear().Year, 2027);
            QVERIFY(shell.mainWindow().windowTitle().endsWith(" - Tax year 2026/27"));
            QVERIFY(shell.mainWindow().workArea().subtitle().endsWith("1 March 2026 to 28 February 2027"));
        }
        QCOMPARE(PreferredTaxYear(), 2027);
        Shell again(programFolder_.path());
        QVERIFY(again.start());
        QCOMPARE(ActiveTaxYear().Year, 2027);
        QDir(years).removeRecursively();
    }

    void startUpSetsCaptionPathsAndState() {
        Shell shell(programFolder_.path());
        shell.calcState().Engine.Last.Tax = 1234;
        QVERIFY(shell.start());
        QVERIFY(shell.mainWindow().windowTitle().startsWith("Kelvara 2027 Ver: 1.01.000"));
        QVERIFY(shell.mainWindow().isVisible());
        QCOMPARE(shell.calcState().Engine.Last.Tax, 0.0);
        QCOMPARE(QString::fromStdString(shell.calcState().ReportDatabasePath), programFolder_.filePath("Crysprin.db"));
        QCOMPARE(QString::fromStdString(shell.calcState().SettingsDatabasePath),
                 programFolder_.filePath("Settings.db"));
        QCOMPARE(OpenAbout()->findChild<QLabel*>("Label1_3")->text(), QString("Version: 1.01.000"));
    }

    // The About window's box decides the next start, both ways.
    void aboutCheckBoxCarriesToNextStart() {
        for (bool tick : {true, false}) {
            {
                Shell shell(programFolder_.path());
                QVERIFY(shell.start());
                QWidget* about = OpenAbout();
                QVERIFY(about);
                auto* check = about->findChild<QCheckBox*>("Check1");
                QCOMPARE(check->isChecked(), !ShowAboutAtStartup());
                check->setChecked(tick);
                about->findChild<QPushButton*>("Command1")->click();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(ShowAboutAtStartup(), !tick);
            Shell next(programFolder_.path());
            QVERIFY(next.start());
            QCOMPARE(OpenAbout() != nullptr, !tick);
            if (!tick) continue;
            // Turned off: no window; turn it back on from the menu's About.
            QWidget* fromMenu = next.mainWindow().showAbout();
            fromMenu->findChild<QCheckBox*>("Check1")->setChecked(false);
            fromMenu->close();
            QVERIFY(ShowAboutAtStartup());
        }
    }

    void aboutIsPlacedOverMainWindow() {
        Shell shell(programFolder_.path());
        QVERIFY(shell.start());
        QWidget* about = OpenAbout();
        const QRect main = shell.mainWindow().frameGeometry();
        const QRect box = about->frameGeometry();
        QCOMPARE(box.x() - main.x(), (main.width() - box.width()) / 2);
        QCOMPARE(box.y() - main.y(), (main.height() - box.height()) / 4);
    }

    // The disclaimer shows at the first start of a newer version. Accepted,
    // it shows no more; declined, the program ends and shows it next time.
    void disclaimerShownOnlyForNewerVersion_data() {
        const Table<DisclaimerRow> row;
        row("never accepted", 0, true, true);
        row("older version", 109, true, true);
        row("this version", 110, true, false);
        row("newer version", 111, true, false);
        row("declined", 109, false, true);
        row("declined, never accepted", 0, false, true);
    }
    void disclaimerShownOnlyForNewerVersion() {
        QFETCH(DisclaimerRow, row);
        const auto [accepted, accept, shown] = row;
        SetShowAboutAtStartup(false);
        SetAcceptedDisclaimerVersion(accepted);
        {
            DisclaimerAnswerer answerer(accept ? TickAndAccept : Decline);
            Shell shell(programFolder_.path());
            QCOMPARE(shell.start(), accept);
            QCOMPARE(answerer.seen(), shown);
            QCOMPARE(shell.mainWindow().isVisible(), accept);
            QCOMPARE(AcceptedDisclaimerVersion(), accept && shown ? 110 : accepted);
        }
        DisclaimerAnswerer again(TickAndAccept);
        Shell shell(programFolder_.path());
        QVERIFY(shell.start());
        QCOMPARE(again.seen(), !accept);
    }

    void okFollowsTheCheckBox() {
        SetAcceptedDisclaimerVersion(0);
        QWidget main;
        DisclaimerWindow disclaimer(&main);
        QCOMPARE(disclaimer.windowTitle(), QString(MakerName) + " Disclaimer");
        auto* check = disclaimer.findChild<QCheckBox*>("chkDisclaimerYesNo");
        auto* ok = disclaimer.findChild<QPushButton*>("cmdOk");
        QVERIFY(!ok->isEnabled());
        check->setChecked(true);
        QVERIFY(ok->isEnabled());
        check->setChecked(false);
        QVERIFY(!ok->isEnabled());
        ok->click();  // a click on the disabled button accepts nothing
        QVERIFY(!disclaimer.accepted());
        QCOMPARE(AcceptedDisclaimerVersion(), 0);
    }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
