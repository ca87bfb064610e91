// Whole-program figures: kelvara-calc from start to exit, the desktop program
// from start to its first painted main window, and reports from their records
// to a finished PDF.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "AppVersion.h"
#include "DeliveredDatabase.h"
#include "LoanReport.h"
#include "QuickTax.h"
#include "ReportOutput.h"
#include "ReportPages.h"
#include "StartUpPreferences.h"

extern char** environ;

using namespace kelvara;

namespace {

const std::string kProgramFolder = KV_RUNTIME_DIR;

// This process's environment with some variables set otherwise, for a child.
class Environment {
public:
    explicit Environment(const std::map<std::string, std::string>& changed) {
        for (char** variable = environ; *variable; ++variable) {
            const std::string setting = *variable;
            if (!changed.contains(setting.substr(0, setting.find('=')))) settings_.push_back(setting);
        }
        for (const auto& [name, value] : changed) settings_.push_back(name + "=" + value);
        for (std::string& setting : settings_) pointers_.push_back(setting.data());
        pointers_.push_back(nullptr);
    }
    char** get() { return pointers_.data(); }

private:
    std::vector<std::string> settings_;
    std::vector<char*> pointers_;
};

// Runs a program of the program folder with its output thrown away, waits for
// it and adds the processor time it took to cpuSeconds; false when it could
// not be started or did not exit with 0.
bool RunProgram(std::vector<std::string> arguments, double& cpuSeconds, char** environment = environ) {
    arguments.front() = kProgramFolder + "/" + arguments.front();
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, argv.front(), &quiet, nullptr, argv.data(), environment) == 0;
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    rusage usage{};
    if (!started || wait4(pid, &status, 0, &usage) != pid) return false;
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    cpuSeconds += seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The processor time of the program runs, in milliseconds a run: on a busy
// machine the time the program itself needs, where the real time includes
// the waits for a processor.
void ReportProgramTime(benchmark::State& state, double cpuSeconds) {
    state.counters["program_cpu_ms"] = benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}

void BM_KelvaraCalcProcess(benchmark::State& state) {
    double cpuSeconds = 0;
    for (auto _ : state) {
        if (!RunProgram({"kelvara-calc", "tax", "--income", "500000"}, cpuSeconds)) {
            state.SkipWithError("kelvara-calc failed");
            break;
        }
    }
    ReportProgramTime(state, cpuSeconds);
}
BENCHMARK(BM_KelvaraCalcProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The desktop program under the offscreen platform, from start to its main
// window painted once after start-up (databases checked, preferences read),
// with About and the disclaimer turned off in a scratch home of its own.
void BM_DesktopStartUp(benchmark::State& state) {
    QTemporaryDir home;
    const QString config = home.filePath(".config");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    SetShowAboutAtStartup(false);
    SetAcceptedDisclaimerVersion(VersionNumber(CurrentVersion()));
    QSettings().sync();

    Environment environment({{"HOME", home.path().toStdString()},
                             {"XDG_CONFIG_HOME", config.toStdString()},
                             {"XDG_DATA_HOME", home.filePath(".local/share").toStdString()}});
    double cpuSeconds = 0;
    for (auto _ : state) {
        if (!RunProgram({"kelvara2027", "--quit-after-first-paint"}, cpuSeconds, environment.get())) {
            state.SkipWithError("kelvara2027 failed");
            break;
        }
    }
    ReportProgramTime(state, cpuSeconds);
}
// Runs of a few hundred milliseconds: 2 s of them make a mean of several.
BENCHMARK(BM_DesktopStartUp)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// A report database of its own in a scratch folder.
struct ScratchReports {
    ScratchReports() { CreateDeliveredDatabase(database, DeliveredDatabase::Reports); }

    QTemporaryDir folder;
    const std::filesystem::path database = folder.filePath("Crysprin.db").toStdString();
    const QString pdf = folder.filePath("report.pdf");
};

QString Layout(const char* name) { return QString::fromStdString(kProgramFolder) + "/" + name; }

void BM_QuickTaxReportToPdf(benchmark::State& state) {
    const ScratchReports reports;
    EngineState engine;
    engine.TaxableIncome = 500000;
    QuickTaxState quickTax;
    quickTax.QtAge = 40;
    for (auto _ : state) {
        QuickTaxCalculate(engine, quickTax);
        ReportOutput(reports.database).WriteReportRecord(KwikTaxTable, KwikTaxRecord(engine, quickTax));
        if (!RenderReportToPdf(Layout("kwiktep.rpt"), reports.database, reports.pdf)) {
            state.SkipWithError("the report could not be written");
            break;
        }
    }
}
BENCHMARK(BM_QuickTaxReportToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// A 30-year loan printed with its monthly schedule, as the loan window prints
// it: the loan's record, the 360 schedule rows, then the layout to a PDF.
void BM_MonthlyScheduleReportToPdf(benchmark::State& state) {
    const ScratchReports reports;
    LoanState loan;
    loan.Principal = 1500000;
    loan.PeriodMonths = 360;
    loan.AnnualRate = 11.75;
    RPAYMENT(loan);
    const ReportOutput output(reports.database);
    for (auto _ : state) {
        const bool ok =
            output.WriteReportRecord(LoansTable, LoansRecord(loan, LoanSchedule::Monthly)).ok &&
            output.ReplaceReportRows(AmortTable, AmortEmptyingStatement, AmortRecords(loan, LoanSchedule::Monthly))
                .ok &&
            RenderReportToPdf(Layout("LonrepaA.rpt"), reports.database, reports.pdf);
        if (!ok) {
            state.SkipWithError("the report could not be written");
            break;
        }
    }
}
// Runs of a few hundred milliseconds: 2 s of them make a mean of several.
BENCHMARK(BM_MonthlyScheduleReportToPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the report pages
    QCoreApplication::setOrganizationName(MakerName);
    QCoreApplication::setApplicationName("Kelvara 2027");  // where the desktop program keeps its preferences
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
