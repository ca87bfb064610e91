// The faults a running program meets in its two databases, and a missing
// printer, met through the calculator windows as a user meets them: the
// program started from its folder, a window opened from the menu, figures
// typed, a print or a Setup confirmed. Each time the user is told what went
// wrong, the typed figures stay, and once the fault is gone the next print or
// save works.
#include <fcntl.h>
#include <linux/fs.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include "AppVersion.h"
#include "BackgroundMdiArea.h"
#include "DecimalField.h"
#include "DeliveredDatabase.h"
#include "MessageService.h"
#include "PrintPanel.h"
#include "ReportOutput.h"
#include "ReportWindow.h"
#include "ScratchSettings.h"
#include "SettingsStore.h"
#include "Shell.h"
#include "StartUpPreferences.h"
#include "WindowDriver.h"
#include "WindowTestBench.h"

using namespace kelvara;
using kelvara::testing::WindowDriver;

namespace {

// A calculator window as the user meets it: the menu item that opens it, the
// figures typed into it ("field=figure", in order), how it prints, and a
// field of the report record that the typing fills.
struct Calculator {
    const char* MenuItem;
    QStringList Typed;
    const char* PrintButton;
    const char* PrintPanel;
    const char* Table;
    const char* Field;
    double Value;
};

const Calculator kQuickTax{
    "QuickTax", {"sidbEdit1_0=500000", "sidbEdit1_1=40"}, "cmPrint", "Frame1", "kwiktax", "TAXINCOME", 500000};
const Calculator kMonthlyPaye{
    "mnuMonthly", {"silgEdit9=40", "numSalRemun=25000"}, "cmdPrint", "fraPrint", "IRP5Mon", "SalNum", 25000};
const Calculator kMonthlyPackage{
    "mnuKelvaraMon", {"numAge=40", "numNetMonSalReq=12000"}, "cmdPrint", "Frame1", "SalPackage", "NetMonSal", 12000};
const Calculator kCarAllowance{
    "mnuCarAll1",
    {"silgEdit1=250000", "silgEdit2=120000", "silgEdit3=60000", "silgEdit4=30000", "silgEdit5=18000"},
    "cmdPrint",
    "Frame1",
    "traveldeduction",
    "MTD",
    30000};
const Calculator kInflation{"mnuInflationProject",
                            {"numPresCost=100000", "numPeriod=10", "numInflaRate=6"},
                            "cmdPrint",
                            "fraPrint",
                            "Inflation",
                            "PresCost",
                            100000};

// One window of each family prints. The car allowance writes its record as
// QuickTax, the PAYE and the package windows do, when the report is asked
// for, so the database faults pass it by; the finance windows write theirs
// when their print frame opens. The PAYE and package windows keep settings.
const Calculator* const kPrinting[] = {&kQuickTax, &kMonthlyPaye, &kMonthlyPackage, &kCarAllowance, &kInflation};
const Calculator* const kWritingReports[] = {&kQuickTax, &kMonthlyPaye, &kMonthlyPackage, &kInflation};
const Calculator* const kWithSettings[] = {&kMonthlyPaye, &kMonthlyPackage};

enum class Fault {
    Missing,
    Emptied,
    Garbage,
    TornPages,
    TableDropped,
    RecordDeleted,
    Locked,
    LockedForWriting,
    ReadOnly
};

// A fault and what the user is told of it; empty when nothing needs saying.
struct FaultCase {
    const char* Name;
    Fault Kind;
    const char* Said;
    ui::MessageIcon Icon;
};

bool Rebuilt(const FaultCase& fault) { return fault.Icon == ui::MessageIcon::Information; }

// Damage is repaired by rebuilding the database (the damaged file kept
// aside), after which the print or save goes ahead; a lock or a read-only
// file stops it.
const FaultCase kWhenWriting[] = {
    {"missing", Fault::Missing, "was missing", ui::MessageIcon::Information},
    {"emptied", Fault::Emptied, "could not be used: table", ui::MessageIcon::Information},
    {"garbage", Fault::Garbage, "cannot be read as a database", ui::MessageIcon::Information},
    {"torn pages", Fault::TornPages, "could not be used", ui::MessageIcon::Information},
    {"table dropped", Fault::TableDropped, "is missing", ui::MessageIcon::Information},
    {"record deleted", Fault::RecordDeleted, "has lost its record", ui::MessageIcon::Information},
    {"locked", Fault::Locked, "is in use", ui::MessageIcon::Critical},
    {"locked for writing", Fault::LockedForWriting, "database is locked", ui::MessageIcon::Critical},
    {"read-only", Fault::ReadOnly, "readonly database", ui::MessageIcon::Critical},
};

// Reading the settings as a window opens: a database locked for writing or
// read-only still reads; one locked outright leaves the delivered values.
const FaultCase kWhenReadingSettings[] = {
    kWhenWriting[0],
    kWhenWriting[1],
    kWhenWriting[2],
    kWhenWriting[3],
    kWhenWriting[4],
    kWhenWriting[5],
    {"locked", Fault::Locked, "values delivered with the program are used instead", ui::MessageIcon::Critical},
    {"locked for writing", Fault::LockedForWriting, "", ui::MessageIcon::None},
    {"read-only", Fault::ReadOnly, "", ui::MessageIcon::None},
};

// Showing a report from the record written earlier: a rebuilt database has
// lost that record and one locked outright cannot be read; one locked for
// writing or read-only reads as before.
const FaultCase kWhenViewing[] = {
    {"missing", Fault::Missing, "print the report again", ui::MessageIcon::Critical},
    {"emptied", Fault::Emptied, "print the report again", ui::MessageIcon::Critical},
    {"garbage", Fault::Garbage, "print the report again", ui::MessageIcon::Critical},
    {"torn pages", Fault::TornPages, "print the report again", ui::MessageIcon::Critical},
    {"table dropped", Fault::TableDropped, "print the report again", ui::MessageIcon::Critical},
    {"record deleted", Fault::RecordDeleted, "print the report again", ui::MessageIcon::Critical},
    {"locked", Fault::Locked, "is in use", ui::MessageIcon::Critical},
    {"locked for writing", Fault::LockedForWriting, "", ui::MessageIcon::None},
    {"read-only", Fault::ReadOnly, "", ui::MessageIcon::None},
};

bool RunningAsRoot() { return geteuid() == 0; }

// Damage done to a database file, or another program's hold on it. Damage
// stays; a hold (a lock, the file made read-only) ends with the scope.
class FaultOn {
public:
    FaultOn(Fault fault, std::filesystem::path database, const std::string& table) : path_(std::move(database)) {
        switch (fault) {
            case Fault::Missing: std::filesystem::remove(path_); break;
            case Fault::Emptied: std::filesystem::resize_file(path_, 0); break;
            case Fault::Garbage: Scribble(0, 4096); break;
            case Fault::TornPages: Scribble(PageSize(), std::filesystem::file_size(path_) - PageSize()); break;
            case Fault::TableDropped: Execute("DROP TABLE \"" + table + "\""); break;
            case Fault::RecordDeleted: Execute("DELETE FROM \"" + table + "\""); break;
            case Fault::Locked: Hold("BEGIN EXCLUSIVE"); break;
            case Fault::LockedForWriting: Hold("BEGIN IMMEDIATE"); break;
            case Fault::ReadOnly: MakeReadOnly(); break;
        }
    }
    ~FaultOn() {
        if (holder_) {
            sqlite3_exec(holder_, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(holder_);
        }
        if (readOnly_) {
            SetImmutable(false);
            std::filesystem::permissions(path_, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add);
        }
    }
    FaultOn(const FaultOn&) = delete;
    FaultOn& operator=(const FaultOn&) = delete;

    // False when the file could not be made read-only for this user.
    bool held() const { return held_; }

private:
    int PageSize() {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* query = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA page_size", -1, &query, nullptr);
        sqlite3_step(query);
        const int size = sqlite3_column_int(query, 0);
        sqlite3_finalize(query);
        sqlite3_close(db);
        return size;
    }
    // Overwrites bytes of the file with a pattern no database has.
    void Scribble(std::uintmax_t from, std::uintmax_t count) {
        std::fstream file(path_, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(from));
        for (std::uintmax_t i = 0; i < count; ++i) file.put(static_cast<char>((i * 151 + 7) % 251));
    }
    void Execute(const std::string& sql) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        QCOMPARE(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    void Hold(const char* begin) {
        QCOMPARE(sqlite3_open_v2(path_.c_str(), &holder_, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_exec(holder_, begin, nullptr, nullptr, nullptr), SQLITE_OK);
    }
    // Write permission does not bind root; the immutable attribute, which
    // only root may set, does.
    void MakeReadOnly() {
        std::filesystem::permissions(path_,
                                     std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
        readOnly_ = true;
        held_ = !RunningAsRoot() || SetImmutable(true);
    }
    bool SetImmutable(bool on) {
        if (!RunningAsRoot()) return false;
        const int fd = open(path_.c_str(), O_RDONLY);
        int flags = 0;
        bool done = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0) close(fd);
        return done;
    }

    std::filesystem::path path_;
    sqlite3* holder_ = nullptr;
    bool readOnly_ = false;
    bool held_ = true;
};

// Answers the file dialog of a PDF export with the given file.
class SaveDialogAnswerer {
public:
    explicit SaveDialogAnswerer(QString file) : file_(std::move(file)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                timer_.stop();
                seen_ = true;
                dialog->selectFile(file_);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        timer_.start(10);
    }
    bool seen() const { return seen_; }

private:
    QString file_;
    QTimer timer_;
    bool seen_ = false;
};

}  // namespace

Q_DECLARE_METATYPE(const Calculator*)
Q_DECLARE_METATYPE(const FaultCase*)

class DatabaseFaultsTest : public QObject, public WindowDriver {
    Q_OBJECT
    ScratchSettings preferences_;
    QTemporaryDir programFolder_;
    std::unique_ptr<Shell> shell_;
    ui::MessageRecorder messages_;
    QPointer<QWidget> window_;

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void printingMeetsAFaultyReportDatabase_data();
    void printingMeetsAFaultyReportDatabase();
    void viewingMeetsAFaultSinceThePrintFrameOpened_data();
    void viewingMeetsAFaultSinceThePrintFrameOpened();
    void openingMeetsAFaultySettingsDatabase_data();
    void openingMeetsAFaultySettingsDatabase();
    void savingSetupMeetsAFaultySettingsDatabase_data();
    void savingSetupMeetsAFaultySettingsDatabase();
    void printingDirectlyWithoutAPrinterOffersAPdf_data();
    void printingDirectlyWithoutAPrinterOffersAPdf();

private:
    std::filesystem::path reportDatabase() const { return shell_->calcState().ReportDatabasePath; }
    std::filesystem::path settingsDatabase() const { return shell_->calcState().SettingsDatabasePath; }

    void open(const Calculator& calculator) {
        window_ = shell_->mainWindow().openWindow(calculator.MenuItem);
        QVERIFY(window_);
        QVERIFY(QTest::qWaitForWindowActive(&shell_->mainWindow()));
        drive(*window_);
    }
    // Clicks the button, which must be there to click.
    void click(const char* name) {
        auto* button = window_->findChild<QPushButton*>(name);
        QVERIFY2(button, name);
        QVERIFY2(button->isEnabled(), name);
        button->click();
    }
    // "&Print", then the panel's button, when the panel opens.
    void print(const Calculator& calculator, bool directly = false) {
        click(calculator.PrintButton);
        auto* panel = window_->findChild<ui::PrintPanel*>(calculator.PrintPanel);
        QVERIFY(panel);
        if (panel->isVisible()) (directly ? panel->cmdPD() : panel->cmdVR())->click();
        QVERIFY(panel->isHidden());
    }
    void confirmSetup(const QString& limit = {}) {
        click("cmdSettings");
        if (!limit.isEmpty()) type("numUIFLimit", limit);
        click("cmdSetupOK");
    }

    // The window is still open, with every typed figure, and takes commands.
    void stillUsable(const QStringList& typed) {
        QVERIFY(window_);
        QVERIFY(window_->isVisible());
        QCOMPARE(shell_->mainWindow().findWindow(window_->objectName()), window_.data());
        for (const QString& entry : typed) {
            const QString shown = window_->findChild<QLineEdit*>(entry.section('=', 0, 0))->text();
            QCOMPARE(QString(shown).remove(' ').toDouble(), entry.section('=', 1).toDouble());
        }
        QVERIFY(window_->findChild<QPushButton*>("cmdCalculate")->isEnabled());
    }
    void saidOnce(const FaultCase& fault) {
        QCOMPARE(messages_.messages().size(), std::size_t{1});
        QVERIFY2(messages_.last().Text.contains(fault.Said), qPrintable(messages_.last().Text));
        QCOMPARE(messages_.last().Icon, fault.Icon);
    }
    // The damaged file is renamed aside, never deleted.
    void keptAsideWhenDamaged(const FaultCase& fault, const std::filesystem::path& database) {
        if (!Rebuilt(fault) || fault.Kind == Fault::Missing) return;
        const QString name = QString::fromStdString(database.filename().string());
        QCOMPARE(QDir(programFolder_.path()).entryList({name + ".damaged-*"}).size(), 1);
        QVERIFY(messages_.last().Text.contains("The damaged file was kept as"));
    }

    int reportWindows() const {
        int count = 0;
        for (QMdiSubWindow* sub : shell_->mainWindow().workArea().subWindowList())
            count += qobject_cast<ReportWindow*>(sub->widget()) != nullptr;
        return count;
    }
    double recorded(const Calculator& calculator) const {
        std::vector<FieldValues> rows;
        if (!ReportOutput(reportDatabase()).ReadReportRows(calculator.Table, rows).ok || rows.size() != 1) return -1;
        for (const auto& [name, value] : rows.front())
            if (name == calculator.Field) return testing::WindowTestBench::Number(value);
        return -1;
    }
    double storedLimit() const {
        Settings stored;
        SettingsStore(settingsDatabase()).Load(PayeSettingsFields(), stored);
        return stored.UIFLimit;
    }
    double limitInUse() const { return window_->findChild<ui::DecimalField*>("numUIFLimit")->value(); }
};

void DatabaseFaultsTest::initTestCase() {
    // The program's folder: the report layouts beside it, the databases made
    // afresh for each test.
    const QDir runtime(qEnvironmentVariable("KV_RUNTIME_DIR", "."));
    for (const QString& layout : runtime.entryList({"*.rpt"}))
        QVERIFY(QFile::copy(runtime.filePath(layout), programFolder_.filePath(layout)));
}

void DatabaseFaultsTest::init() {
    preferences_.clear();
    SetShowAboutAtStartup(false);
    SetAcceptedDisclaimerVersion(VersionNumber(CurrentVersion()));
    QDir folder(programFolder_.path());
    for (const QString& file : folder.entryList({"*.db", "*.db.*"})) QVERIFY(folder.remove(file));
    for (DeliveredDatabase which : {DeliveredDatabase::Settings, DeliveredDatabase::Reports})
        QVERIFY(CreateDeliveredDatabase(folder.filePath(DeliveredFileName(which)).toStdString(), which).ok);
    shell_ = std::make_unique<Shell>(programFolder_.path());
    QVERIFY(shell_->start());
    QVERIFY(messages_.empty());
}

void DatabaseFaultsTest::cleanup() {
    shell_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    messages_.clear();
}

void DatabaseFaultsTest::printingMeetsAFaultyReportDatabase_data() {
    QTest::addColumn<const Calculator*>("calculator");
    QTest::addColumn<const FaultCase*>("fault");
    for (const Calculator* calculator : kWritingReports)
        for (const FaultCase& fault : kWhenWriting)
            QTest::addRow("%s, %s", calculator->MenuItem, fault.Name) << calculator << &fault;
}

void DatabaseFaultsTest::printingMeetsAFaultyReportDatabase() {
    QFETCH(const Calculator*, calculator);
    QFETCH(const FaultCase*, fault);
    open(*calculator);
    typeAll(calculator->Typed);
    {
        FaultOn on(fault->Kind, reportDatabase(), calculator->Table);
        if (!on.held()) QSKIP("running as root, and the file system cannot make the database read-only");
        print(*calculator);
        saidOnce(*fault);
        keptAsideWhenDamaged(*fault, reportDatabase());
        QCOMPARE(reportWindows(), Rebuilt(*fault) ? 1 : 0);
        stillUsable(calculator->Typed);
    }
    QCOMPARE(recorded(*calculator) == calculator->Value, Rebuilt(*fault));

    messages_.clear();
    print(*calculator);
    QVERIFY(messages_.empty());
    QCOMPARE(reportWindows(), Rebuilt(*fault) ? 2 : 1);
    QCOMPARE(recorded(*calculator), calculator->Value);
}

void DatabaseFaultsTest::viewingMeetsAFaultSinceThePrintFrameOpened_data() {
    QTest::addColumn<const FaultCase*>("fault");
    for (const FaultCase& fault : kWhenViewing) QTest::addRow("%s", fault.Name) << &fault;
}

// The finance windows write their record on "&Print" and show the report from
// their frame later: a report is shown only with the figures printed.
void DatabaseFaultsTest::viewingMeetsAFaultSinceThePrintFrameOpened() {
    QFETCH(const FaultCase*, fault);
    const bool shown = !*fault->Said;
    open(kInflation);
    typeAll(kInflation.Typed);
    click(kInflation.PrintButton);
    auto* frame = window_->findChild<ui::PrintPanel*>(kInflation.PrintPanel);
    QVERIFY(frame->isVisible());
    {
        FaultOn on(fault->Kind, reportDatabase(), kInflation.Table);
        if (!on.held()) QSKIP("running as root, and the file system cannot make the database read-only");
        frame->cmdVR()->click();
        QVERIFY(frame->isHidden());
        if (shown) {
            QVERIFY(messages_.empty());
        } else {
            saidOnce(*fault);
        }
        QCOMPARE(reportWindows(), shown ? 1 : 0);
        stillUsable(kInflation.Typed);
    }

    messages_.clear();
    print(kInflation);
    QVERIFY(messages_.empty());
    QCOMPARE(reportWindows(), shown ? 2 : 1);
    QCOMPARE(recorded(kInflation), kInflation.Value);
}

void DatabaseFaultsTest::openingMeetsAFaultySettingsDatabase_data() {
    QTest::addColumn<const Calculator*>("calculator");
    QTest::addColumn<const FaultCase*>("fault");
    for (const Calculator* calculator : kWithSettings)
        for (const FaultCase& fault : kWhenReadingSettings)
            QTest::addRow("%s, %s", calculator->MenuItem, fault.Name) << calculator << &fault;
}

void DatabaseFaultsTest::openingMeetsAFaultySettingsDatabase() {
    QFETCH(const Calculator*, calculator);
    QFETCH(const FaultCase*, fault);
    Settings own = DeliveredSettings();
    own.UIFLimit = 20000;  // the user's own, saved earlier
    QVERIFY(SettingsStore(settingsDatabase()).Save(PackageSettingsFields(), own).ok);
    {
        FaultOn on(fault->Kind, settingsDatabase(), "Setup");
        if (!on.held()) QSKIP("running as root, and the file system cannot make the database read-only");
        open(*calculator);
        if (*fault->Said) {
            saidOnce(*fault);
            keptAsideWhenDamaged(*fault, settingsDatabase());
            QCOMPARE(limitInUse(), DeliveredSettings().UIFLimit);
        } else {
            QVERIFY(messages_.empty());
            QCOMPARE(limitInUse(), 20000.0);
        }
        typeAll(calculator->Typed);
        stillUsable(calculator->Typed);
    }

    messages_.clear();
    confirmSetup("21000");
    QVERIFY(messages_.empty());
    QCOMPARE(storedLimit(), 21000.0);
}

void DatabaseFaultsTest::savingSetupMeetsAFaultySettingsDatabase_data() {
    QTest::addColumn<const Calculator*>("calculator");
    QTest::addColumn<const FaultCase*>("fault");
    for (const Calculator* calculator : kWithSettings)
        for (const FaultCase& fault : kWhenWriting)
            QTest::addRow("%s, %s", calculator->MenuItem, fault.Name) << calculator << &fault;
}

void DatabaseFaultsTest::savingSetupMeetsAFaultySettingsDatabase() {
    QFETCH(const Calculator*, calculator);
    QFETCH(const FaultCase*, fault);
    open(*calculator);
    typeAll(calculator->Typed);
    {
        FaultOn on(fault->Kind, settingsDatabase(), "Setup");
        if (!on.held()) QSKIP("running as root, and the file system cannot make the database read-only");
        confirmSetup("20000");
        saidOnce(*fault);
        keptAsideWhenDamaged(*fault, settingsDatabase());
        QVERIFY(window_->findChild<QWidget*>("Frame3")->isHidden());
        QCOMPARE(limitInUse(), 20000.0);  // in use in the window, saved or not
        stillUsable(calculator->Typed);
    }
    // A rebuilt database takes the confirmed settings; otherwise nothing changed.
    QCOMPARE(storedLimit(), Rebuilt(*fault) ? 20000.0 : DeliveredSettings().UIFLimit);

    messages_.clear();
    confirmSetup();
    QVERIFY(messages_.empty());
    QCOMPARE(storedLimit(), 20000.0);
}

void DatabaseFaultsTest::printingDirectlyWithoutAPrinterOffersAPdf_data() {
    QTest::addColumn<const Calculator*>("calculator");
    for (const Calculator* calculator : kPrinting) QTest::addRow("%s", calculator->MenuItem) << calculator;
}

void DatabaseFaultsTest::printingDirectlyWithoutAPrinterOffersAPdf() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed here");
    QFETCH(const Calculator*, calculator);
    open(*calculator);
    typeAll(calculator->Typed);
    const QString pdf = programFolder_.filePath("report.pdf");
    QFile::remove(pdf);
    SaveDialogAnswerer answerer(pdf);
    print(*calculator, /*directly=*/true);  // "Yes": export it instead
    QCOMPARE(messages_.messages().size(), std::size_t{1});
    QVERIFY(messages_.last().Text.startsWith("No printer is installed"));
    QVERIFY(messages_.last().Text.contains("export it to a PDF file instead?"));
    QCOMPARE(messages_.last().Buttons, ui::MessageButtons::YesNo);
    QVERIFY(answerer.seen());
    QFile exported(pdf);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QVERIFY(exported.read(5) == "%PDF-");
    QCOMPARE(reportWindows(), 0);
    QCOMPARE(recorded(*calculator), calculator->Value);
    stillUsable(calculator->Typed);

    messages_.clear();
    print(*calculator);
    QVERIFY(messages_.empty());
    QCOMPARE(reportWindows(), 1);
}

QTEST_MAIN(DatabaseFaultsTest)
#include "DatabaseFaultsTest.moc"
