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
#include <QFileDialog>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrinterInfo>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include "BackgroundMdiArea.h"
#include "CalculatorsAsMet.h"
#include "DecimalField.h"
#include "ReportOutput.h"
#include "ReportWindow.h"
#include "SettingsFaults.h"
#include "SettingsStore.h"
#include "StartedProgram.h"
#include "WindowTestBench.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

// One window of each family prints. The car allowance writes its record as
// QuickTax, the PAYE and the package windows do, when the report is asked
// for, so the database faults pass it by; the finance windows write theirs
// when their print frame opens. The PAYE and package windows keep settings.
const Calculator& kQuickTax = CalculatorFor("QuickTax");
const Calculator& kMonthlyPaye = CalculatorFor("mnuMonthly");
const Calculator& kMonthlyPackage = CalculatorFor("mnuKelvaraMon");
const Calculator& kInflation = CalculatorFor("mnuInflationProject");
const Calculator* const kPrinting[] = {&kQuickTax, &kMonthlyPaye, &kMonthlyPackage, &CalculatorFor("mnuCarAll1"),
                                       &kInflation};
const Calculator* const kWritingReports[] = {&kQuickTax, &kMonthlyPaye, &kMonthlyPackage, &kInflation};
const Calculator* const kWithSettings[] = {&kMonthlyPaye, &kMonthlyPackage};

enum class Fault { Missing, Emptied, Garbage, TornPages, TableDropped, RecordDeleted, Locked, WriteLocked, ReadOnly };

// What the user is told of a fault; nothing when nothing needs saying.
struct Told {
    const char* Said = "";
    ui::MessageIcon Icon = ui::MessageIcon::None;
};

// Damage is repaired by rebuilding the database (the damaged file kept
// aside), after which the print or save goes ahead; a lock or a read-only
// file stops it.
bool Rebuilt(const Told& told) { return told.Icon == ui::MessageIcon::Information; }

// A fault, and what the user is told of it when a print or a Setup writes,
// when a window reads its settings as it opens, and when a report is shown
// from the record written earlier. Reading, a database locked for writing or
// read-only still reads; one locked outright leaves the delivered settings
// and cannot show the report. A rebuilt database has lost the report's record.
struct FaultCase {
    const char* Name;
    Fault Kind;
    Told Writing, ReadingSettings, Viewing;
};

FaultCase Damage(const char* name, Fault kind, const char* said) {
    const Told rebuilt{said, ui::MessageIcon::Information};
    return {name, kind, rebuilt, rebuilt, {"print the report again", ui::MessageIcon::Critical}};
}

const Told kInUse{"is in use", ui::MessageIcon::Critical};
const FaultCase kFaults[] = {
    Damage("missing", Fault::Missing, "was missing"),
    Damage("emptied", Fault::Emptied, "could not be used: table"),
    Damage("garbage", Fault::Garbage, "cannot be read as a database"),
    Damage("torn pages", Fault::TornPages, "could not be used"),
    Damage("table dropped", Fault::TableDropped, "is missing"),
    Damage("record deleted", Fault::RecordDeleted, "has lost its record"),
    {"locked", Fault::Locked, kInUse, {"values delivered with the program are used instead", kInUse.Icon}, kInUse},
    {"locked for writing", Fault::WriteLocked, {"database is locked", ui::MessageIcon::Critical}, {}, {}},
    {"read-only", Fault::ReadOnly, {"readonly database", ui::MessageIcon::Critical}, {}, {}},
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
            case Fault::TableDropped: QVERIFY(RunSqlOn(path_, "DROP TABLE \"" + table + "\"")); break;
            case Fault::RecordDeleted: QVERIFY(RunSqlOn(path_, "DELETE FROM \"" + table + "\"")); break;
            case Fault::Locked: Hold("BEGIN EXCLUSIVE"); break;
            case Fault::WriteLocked: Hold("BEGIN IMMEDIATE"); break;
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
    void Hold(const char* begin) {
        QCOMPARE(sqlite3_open_v2(path_.c_str(), &holder_, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_exec(holder_, begin, nullptr, nullptr, nullptr), SQLITE_OK);
    }
    // Write permission does not bind root; the immutable attribute, which
    // only root may set, does.
    void MakeReadOnly() {
        using std::filesystem::perms;
        std::filesystem::permissions(path_, perms::owner_write | perms::group_write | perms::others_write,
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

}  // namespace

Q_DECLARE_METATYPE(const FaultCase*)
Q_DECLARE_METATYPE(Told)

class DatabaseFaultsTest : public QObject, public WindowDriver {
    Q_OBJECT
    StartedProgram program_;
    ui::MessageRecorder& messages_ = program_.messages;
    QPointer<QWidget> window_;

private slots:
    void init() {
        QVERIFY(program_.start());
        QVERIFY(messages_.empty());
    }
    void cleanup() { program_.stop(); }

    void printingMeetsAFaultyReportDatabase_data() { table(kWritingReports, &FaultCase::Writing); }
    void printingMeetsAFaultyReportDatabase() {
        QFETCH(const Calculator*, calculator);
        QFETCH(const FaultCase*, fault);
        QFETCH(Told, told);
        openAndType(*calculator);
        {
            FaultOn on(fault->Kind, reportDatabase(), calculator->Table);
            if (!on.held()) QSKIP("running as root, and the file system cannot make the database read-only");
            print(*calculator);
            saidAsTold(told);
            keptAsideWhenDamaged(*fault, told, reportDatabase());
            QCOMPARE(reportWindows(), Rebuilt(told) ? 1 : 0);
            stillUsable(*calculator);
        }
        QCOMPARE(recorded(*calculator) == calculator->Value, Rebuilt(told));
        printsAgain(*calculator, Rebuilt(told) ? 2 : 1);
    }

    void viewingMeetsAFaultSinceThePrintFrameOpened_data() {
        QTest::addColumn<const FaultCase*>("fault");
        QTest::addColumn<Told>("told");
        for (const FaultCase& fault : kFaults) QTest::addRow("%s", fault.Name) << &fault << fault.Viewing;
    }
    // The finance windows write their record on "&Print" and show the report
    // from their frame later: a report is shown only with the figures printed.
    void viewingMeetsAFaultSinceThePrintFrameOpened() {
        QFETCH(const FaultCase*, fault);
        QFETCH(Told, told);
        const bool shown = !*told.Said;
        openAndType(kInflation);
        ClickEnabled(*this, kInflation.PrintButton);
        ui::PrintPanel& frame = printPanel(kInflation.PrintPanel);
        QVERIFY(frame.isVisible());
        {
            FaultOn on(fault->Kind, reportDatabase(), kInflation.Table);
            if (!on.held()) QSKIP("running as root, and the file system cannot make the database read-only");
            frame.cmdVR()->click();
            QVERIFY(frame.isHidden());
            saidAsTold(told);
            QCOMPARE(reportWindows(), shown ? 1 : 0);
            stillUsable(kInflation);
        }
        printsAgain(kInflation, shown ? 2 : 1);
    }

    void openingMeetsAFaultySettingsDatabase_data() { table(kWithSettings, &FaultCase::ReadingSettings); }
    void openingMeetsAFaultySettingsDatabase() {
        QFETCH(const Calculator*, calculator);
        QFETCH(const FaultCase*, fault);
        QFETCH(Told, told);
        Settings own = DeliveredSettings();
        own.UIFLimit = 20000;  // the user's own, saved earlier
        QVERIFY(SettingsStore(settingsDatabase()).Save(PackageSettingsFields(), own).ok);
        {
            FaultOn on(fault->Kind, settingsDatabase(), "Setup");
            if (!on.held()) QSKIP("running as root, and the file system cannot make the database read-only");
            open(*calculator);
            saidAsTold(told);
            keptAsideWhenDamaged(*fault, told, settingsDatabase());
            QCOMPARE(limitInUse(), *told.Said ? DeliveredSettings().UIFLimit : 20000.0);
            typeAll(calculator->Typed);
            stillUsable(*calculator);
        }
        savesAgain("21000");
    }

    void savingSetupMeetsAFaultySettingsDatabase_data() { table(kWithSettings, &FaultCase::Writing); }
    void savingSetupMeetsAFaultySettingsDatabase() {
        QFETCH(const Calculator*, calculator);
        QFETCH(const FaultCase*, fault);
        QFETCH(Told, told);
        openAndType(*calculator);
        {
            FaultOn on(fault->Kind, settingsDatabase(), "Setup");
            if (!on.held()) QSKIP("running as root, and the file system cannot make the database read-only");
            confirmSetup("20000");
            saidAsTold(told);
            keptAsideWhenDamaged(*fault, told, settingsDatabase());
            QVERIFY(window_->findChild<QWidget*>("Frame3")->isHidden());
            QCOMPARE(limitInUse(), 20000.0);  // in use in the window, saved or not
            stillUsable(*calculator);
        }
        // A rebuilt database takes the confirmed settings; otherwise nothing changed.
        QCOMPARE(storedLimit(), Rebuilt(told) ? 20000.0 : DeliveredSettings().UIFLimit);
        savesAgain("");
    }

    void printingDirectlyWithoutAPrinterOffersAPdf_data() {
        QTest::addColumn<const Calculator*>("calculator");
        for (const Calculator* calculator : kPrinting) QTest::addRow("%s", calculator->MenuItem) << calculator;
    }
    void printingDirectlyWithoutAPrinterOffersAPdf() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed here");
        QFETCH(const Calculator*, calculator);
        openAndType(*calculator);
        const QString pdf = program_.folder() + "/report.pdf";
        QFile::remove(pdf);
        ModalAnswerer<QFileDialog> answerer([&pdf](QFileDialog& dialog) {
            dialog.selectFile(pdf);
            QMetaObject::invokeMethod(&dialog, "accept");
        });
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
        stillUsable(*calculator);
        printsAgain(*calculator, 1);
    }

private:
    // Each calculator meeting each fault, and what the user is told of it then.
    template <size_t count>
    static void table(const Calculator* const (&calculators)[count], Told FaultCase::*when) {
        QTest::addColumn<const Calculator*>("calculator");
        QTest::addColumn<const FaultCase*>("fault");
        QTest::addColumn<Told>("told");
        for (const Calculator* calculator : calculators)
            for (const FaultCase& fault : kFaults)
                QTest::addRow("%s, %s", calculator->MenuItem, fault.Name) << calculator << &fault << fault.*when;
    }

    std::filesystem::path reportDatabase() { return program_.shell().calcState().ReportDatabasePath; }
    std::filesystem::path settingsDatabase() { return program_.shell().calcState().SettingsDatabasePath; }

    void open(const Calculator& calculator) {
        window_ = program_.main().openWindow(calculator.MenuItem);
        QVERIFY(window_);
        QVERIFY(QTest::qWaitForWindowActive(&program_.main()));
        drive(*window_);
        nameControls(kMeanings.value(calculator.MenuItem));
    }
    void openAndType(const Calculator& calculator) {
        open(calculator);
        typeAll(calculator.Typed);
    }
    // "&Print", then the panel's button, when the panel opens.
    void print(const Calculator& calculator, bool directly = false) {
        ClickEnabled(*this, calculator.PrintButton);
        ui::PrintPanel& panel = printPanel(calculator.PrintPanel);
        if (panel.isVisible()) (directly ? panel.cmdPD() : panel.cmdVR())->click();
        QVERIFY(panel.isHidden());
    }
    // The fault gone, the next print works: one more report window, the record written.
    void printsAgain(const Calculator& calculator, int reportWindowsThen) {
        messages_.clear();
        print(calculator);
        QVERIFY(messages_.empty());
        QCOMPARE(reportWindows(), reportWindowsThen);
        QCOMPARE(recorded(calculator), calculator.Value);
    }
    void confirmSetup(const QString& limit) {
        ClickEnabled(*this, "cmdSettings");
        if (!limit.isEmpty()) type("numUIFLimit", limit);
        ClickEnabled(*this, "cmdSetupOK");
    }
    // The fault gone, the next Setup confirmed saves the limit in use, or the one given.
    void savesAgain(const QString& limit) {
        messages_.clear();
        confirmSetup(limit);
        QVERIFY(messages_.empty());
        QCOMPARE(storedLimit(), limit.isEmpty() ? 20000.0 : limit.toDouble());
    }

    // The window is still open, with every typed figure, and takes commands.
    void stillUsable(const Calculator& calculator) {
        QVERIFY(window_);
        QVERIFY(window_->isVisible());
        QCOMPARE(program_.main().findWindow(window_->objectName()), window_.data());
        for (const QString& entry : calculator.Typed) {
            const auto [name, figure] = SplitEntry(entry);
            QCOMPARE(shownNumber(name), figure.toDouble());
        }
        QVERIFY(enabled("cmdCalculate"));
    }
    // One message as told, or none when nothing was to be told.
    void saidAsTold(const Told& told) {
        QCOMPARE(messages_.messages().size(), std::size_t{*told.Said ? 1U : 0U});
        if (!*told.Said) return;
        QVERIFY2(messages_.last().Text.contains(told.Said), qPrintable(messages_.last().Text));
        QCOMPARE(messages_.last().Icon, told.Icon);
    }
    // The damaged file is renamed aside, never deleted.
    void keptAsideWhenDamaged(const FaultCase& fault, const Told& told, const std::filesystem::path& database) {
        if (!Rebuilt(told) || fault.Kind == Fault::Missing) return;
        const QString name = QString::fromStdString(database.filename().string());
        QCOMPARE(QDir(program_.folder()).entryList({name + ".damaged-*"}).size(), 1);
        QVERIFY(messages_.last().Text.contains("The damaged file was kept as"));
    }

    int reportWindows() {
        int count = 0;
        for (QMdiSubWindow* sub : program_.main().workArea().subWindowList())
            count += qobject_cast<ReportWindow*>(sub->widget()) != nullptr;
        return count;
    }
    double recorded(const Calculator& calculator) {
        std::vector<FieldValues> rows;
        if (!ReportOutput(reportDatabase()).ReadReportRows(calculator.Table, rows).ok || rows.size() != 1) return -1;
        for (const auto& [name, value] : rows.front())
            if (name == calculator.Field) return WindowTestBench::Number(value);
        return -1;
    }
    double storedLimit() {
        Settings stored;
        SettingsStore(settingsDatabase()).Load(PayeSettingsFields(), stored);
        return stored.UIFLimit;
    }
    double limitInUse() const { return find<ui::DecimalField>("numUIFLimit")->value(); }
};

QTEST_MAIN(DatabaseFaultsTest)
#include "DatabaseFaultsTest.moc"
