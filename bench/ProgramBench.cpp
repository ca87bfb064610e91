// Whole-program figures: kelvara-calc from start to exit, and a report from
// its record to a finished PDF.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

#include "DeliveredDatabase.h"
#include "QuickTax.h"
#include "ReportOutput.h"
#include "ReportPages.h"

extern char** environ;

namespace {

const std::string kProgramFolder = KV_RUNTIME_DIR;

void BM_KelvaraCalcProcess(benchmark::State& state) {
    const std::string program = kProgramFolder + "/kelvara-calc";
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("tax"), const_cast<char*>("--income"),
                    const_cast<char*>("500000"), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv, environ) != 0) {
            state.SkipWithError("kelvara-calc could not be started");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&quiet);
}
BENCHMARK(BM_KelvaraCalcProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_QuickTaxReportToPdf(benchmark::State& state) {
    QTemporaryDir folder;
    const std::filesystem::path database = folder.filePath("Crysprin.db").toStdString();
    kelvara::CreateDeliveredDatabase(database, kelvara::DeliveredDatabase::Reports);
    kelvara::EngineState engine;
    engine.TaxableIncome = 500000;
    kelvara::QuickTaxState quickTax;
    quickTax.QtAge = 40;
    const QString layout = QString::fromStdString(kProgramFolder) + "/kwiktep.rpt";
    const QString pdf = folder.filePath("report.pdf");
    for (auto _ : state) {
        kelvara::QuickTaxCalculate(engine, quickTax);
        kelvara::ReportOutput(database).WriteReportRecord(kelvara::KwikTaxTable, kelvara::KwikTaxRecord(engine, quickTax));
        if (!kelvara::RenderReportToPdf(layout, database, pdf)) {
            state.SkipWithError("the report could not be written");
            break;
        }
    }
}
BENCHMARK(BM_QuickTaxReportToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the report pages
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
