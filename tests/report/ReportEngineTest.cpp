#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "DeliveredDatabase.h"
#include "MessageService.h"
#include "ReportComposer.h"
#include "ReportEngine.h"
#include "ReportHost.h"
#include "ReportLayout.h"
#include "ReportOutput.h"
#include "ReportPages.h"
#include "ReportWindow.h"

using namespace kelvara;

namespace {

class TestHost : public ReportHost {
public:
    void ShowReportWindow(QWidget* window) override { windows.emplace_back(window); }
    std::vector<std::unique_ptr<QWidget>> windows;
};

}  // namespace

class ReportEngineTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::filesystem::path database_;
    QString layouts_ = qEnvironmentVariable("KV_RUNTIME_DIR", ".");
    QPrinter printer_;
    ui::MessageRecorder messages_;
    std::unique_ptr<TestHost> host_;
    std::unique_ptr<ReportEngine> engine_;

    void WriteQuickTax500000() {
        const FieldValues record{{"AGE", std::int16_t{40}}, {"TAXINCOME", 500000.0},    {"TAXTOPAY", 79998.0},
                                 {"MARGRATE", 31.0},        {"PORTION", 36239.0},       {"TOTTAX", 116237.0},
                                 {"REBATE", 17820.0},       {"TAXCOM4", 98417.0},       {"AVRATE", 23.2474},
                                 {"AVRATEAFT", 19.6834},    {"TAXCOM4/2", 98417.0 / 12}};
        QVERIFY(ReportOutput(database_).WriteReportRecord("kwiktax", record).ok);
    }

private slots:
    void init() {
        database_ = std::filesystem::path(folder_.path().toStdString()) / "Crysprin.db";
        std::filesystem::remove(database_);
        QVERIFY(CreateDeliveredDatabase(database_, DeliveredDatabase::Reports).ok);
        messages_.clear();
        host_ = std::make_unique<TestHost>();
        engine_ = std::make_unique<ReportEngine>(*host_, printer_, database_, layouts_);
    }
    void cleanup() {
        engine_.reset();
        host_.reset();
    }

    void keepsItsPropertiesBetweenReports() {
        QVERIFY(engine_->RunReport("\\kwiktep.rpt", QString("QuickTax - first"), ReportEngine::Window));
        QVERIFY(engine_->RunReport("\\kwiktep.rpt", std::nullopt, ReportEngine::Window));
        QCOMPARE(host_->windows.size(), size_t(2));
        QCOMPARE(host_->windows[1]->windowTitle(), QString("QuickTax - first"));
        QCOMPARE(engine_->ReportFile(), layouts_ + "/kwiktep.rpt");

        engine_->SetDestination(7);  // no such destination: nothing runs
        QVERIFY(!engine_->Run());
        QCOMPARE(host_->windows.size(), size_t(2));
        QVERIFY(messages_.empty());

        engine_->SetWindowTitle("Second");
        engine_->SetDestination(ReportEngine::Window);
        QVERIFY(engine_->Run());
        QCOMPARE(host_->windows.back()->windowTitle(), QString("Second"));
        QCOMPARE(engine_->Destination(), int(ReportEngine::Window));
    }

    void reportWindowShowsThePages() {
        WriteQuickTax500000();
        QVERIFY(engine_->RunReport("\\kwiktep.rpt", QString("QuickTax"), ReportEngine::Window));
        auto* window = qobject_cast<ReportWindow*>(host_->windows.back().get());
        QVERIFY(window);
        window->show();
        QTRY_COMPARE(window->pageCount(), 1);
        const QString shot = qEnvironmentVariable("KV_REPORT_SHOT");
        if (!shot.isEmpty()) window->grab().save(shot);
    }

    void printingWithoutAPrinterOffersPdf() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed here");
        messages_.QueueAnswer(ui::MessageAnswer::No);
        engine_->SetWindowTitle("Kept");
        QVERIFY(!engine_->RunReport("\\kwiktep.rpt", std::nullopt, ReportEngine::Printer));
        QCOMPARE(messages_.messages().size(), size_t(1));
        QCOMPARE(messages_.last().Buttons, ui::MessageButtons::YesNo);
        QVERIFY(messages_.last().Text.contains("No printer is installed"));
        QVERIFY(messages_.last().Text.contains("PDF"));
        QVERIFY(host_->windows.empty());
        QCOMPARE(engine_->WindowTitle(), QString("Kept"));
    }

    void reportErrorsAreShownNotThrown() {
        QVERIFY(!engine_->RunReport("\\nosuch.rpt", QString("X"), ReportEngine::Window));
        QVERIFY(messages_.last().Text.contains("nosuch.rpt"));

        // Rebuilt, it has lost the record written for the report: said so, and
        // no report of the delivered figures.
        std::filesystem::remove(database_);
        messages_.clear();
        QVERIFY(!engine_->RunReport("\\kwiktep.rpt", QString("X"), ReportEngine::Window));
        QCOMPARE(messages_.messages().size(), size_t(1));
        QVERIFY(messages_.last().Text.contains("was missing"));
        QVERIFY(messages_.last().Text.endsWith("print the report again."));
        QVERIFY(host_->windows.empty());
    }

    void layoutHeaders_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("complete") << QString("# note\nrecord: Loans\nrows: Amort\nformat: Num1 Num4 = #0.00\n---\n<p/>")
                                  << "";
        QTest::newRow("no template") << QString("record: Loans\n") << "\"---\"";
        QTest::newRow("unknown line") << QString("tables: Loans\n---\n") << "line 1";
        QTest::newRow("format without pattern") << QString("record: Loans\nformat: Num1\n---\n") << "line 2";
    }

    void layoutHeaders() {
        QFETCH(QString, text);
        QFETCH(QString, error);
        ReportLayout layout;
        std::string why;
        QCOMPARE(ParseReportLayout(text.toStdString(), layout, why), error.isEmpty());
        QVERIFY2(QString::fromStdString(why).contains(error), why.c_str());
        if (error.isEmpty()) {
            QCOMPARE(layout.RowTables, std::vector<std::string>{"Amort"});
            QCOMPARE(layout.Formats.at("Num4"), std::string("#0.00"));
            QCOMPARE(layout.Body, std::string("<p/>"));
        }
    }

    void quickTaxPdfHoldsTheFigures() {
        WriteQuickTax500000();
        const QString pdf = folder_.filePath("kwiktep.pdf");
        QString error;
        QVERIFY2(RenderReportToPdf(layouts_ + "/kwiktep.rpt", database_, pdf, &error), qPrintable(error));

        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(pdftotext.waitForFinished());
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        for (const QString figure :
             {"Kelvara 2027", "Tax year 1 March 2026 to 28 February 2027", "500 000", "79 998", "M/Rate (31%)",
              "36 239", "116 237", "17 820", "98 417", "8 201.42", "23.2 %", "19.7 %", "Page 1 of 1"})
            QVERIFY2(text.contains(figure), qPrintable(figure + "\n" + text));

        const QString copy = qEnvironmentVariable("KV_REPORT_PDF");
        if (!copy.isEmpty()) QFile::copy(pdf, copy);
    }

    void dayNumbersShowAsDates() {
        QVERIFY(ReportOutput(database_)
                    .WriteReportRecord(
                        "DailyBal",
                        {{"CapAmount", 10000.0f}, {"StartDate", std::int32_t{46082}}, {"EndDate", std::int32_t{46446}}})
                    .ok);
        const ComposedReport report = ComposeReport(layouts_ + "/DayBal.rpt", database_);
        QVERIFY2(report.ok, qPrintable(report.error));
        QVERIFY(report.html.contains("01/03/2026"));
        QVERIFY(report.html.contains("28/02/2027"));
        QVERIFY(!report.html.contains("46082"));
    }
};

QTEST_MAIN(ReportEngineTest)
#include "ReportEngineTest.moc"
