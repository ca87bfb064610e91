#include <sqlite3.h>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinterInfo>
#include <QTest>

#include "DecimalField.h"
#include "PrintPanel.h"
#include "QuickTaxWindow.h"
#include "WindowFixture.h"
#include "WorkingWindow.h"

using namespace kelvara;
using kelvara::testing::Entries;
using kelvara::testing::WindowDriver;

namespace {

// The window's fields in the order of its control array, by what they hold.
const QStringList kFields{"income",    "age",    "baseTax",       "marginalRate", "portion",
                          "normalTax", "rebate", "taxCommitment", "averageRate",  "averageRateAfter"};

QMap<QString, QString> FieldMeanings() {
    QMap<QString, QString> meanings;
    for (int i = 0; i < kFields.size(); ++i) meanings[kFields[i]] = QString("sidbEdit1_%1").arg(i);
    return meanings;
}

}  // namespace

class QuickTaxWindowTest : public testing::WindowFixture {
    Q_OBJECT

private slots:
    void typedFiguresGiveTheTaxOnCalculate_data() {
        QTest::addColumn<Entries>("typing");
        QTest::addColumn<QStringList>("figures");  // those of the fields after the age, in order
        QTest::newRow("nil") << Entries{"income=0", "age=0"}
                             << QStringList{"0", "18", "0", "0", "17 820", "0", "18.0", "0.0"};
        QTest::newRow("500000 at 40") << Entries{"income=500000", "age=40"}
                                      << QStringList{"79 998", "31",     "36 239", "116 237",
                                                     "17 820", "98 417", "23.2",   "19.7"};
        QTest::newRow("1000000 at 75") << Entries{"income=1000000", "age=75"}
                                       << QStringList{"259 783", "41",      "46 330", "306 113",
                                                      "30 834",  "275 279", "30.6",   "27.5"};
        QTest::newRow("150000 at 65") << Entries{"income=150000", "age=65"}
                                      << QStringList{"0", "18", "27 000", "27 000", "27 585", "0", "18.0", "0.0"};
    }
    void typedFiguresGiveTheTaxOnCalculate() {
        QFETCH(Entries, typing);
        QFETCH(QStringList, figures);
        typeAll(typing + Entries{"!cmdCalculate"});
        Entries shown;
        for (int i = 0; i < figures.size(); ++i) shown << kFields[i + 2] + '=' + figures[i];
        QCOMPARE(shownAs(shown), shown);

        // The working shows every field's figure as the field shows it.
        click("cmdWorking");
        const Working& working = window_->findChild<ui::WorkingWindow*>("frmWorking")->working();
        const char* keys[] = {"TaxableIncome", "QtAge",  "BaseTax",         "MarginalRate",  "Portion",
                              "NormalTax",     "Rebate", "QtTaxCommitment", "QtAverageRate", "QtAverageRateAfter"};
        for (int i = 0; i < 10; ++i) {
            const WorkingLine* line = working.Find(keys[i]);
            QVERIFY2(line, keys[i]);
            QCOMPARE(QString::fromStdString(AmountText(*line)).remove('%'), WindowDriver::shown(kFields[i]));
        }
    }

    void typingAloneDoesNotRecalculate() {
        typeAll({"income=500000", "age=40"});
        QCOMPARE(engine_.TaxableIncome, 500000.0);
        QCOMPARE(quickTax_.QtAge, std::int16_t{40});
        QCOMPARE(find<ui::DecimalField>("normalTax")->value(), 0.0);
    }

    void activationShowsTheIncomeAnotherCalculatorLastUsed() {
        window_.reset();
        QMdiArea area;
        auto* other = area.addSubWindow(new QWidget);
        auto* quick = new QuickTaxWindow(engine_, quickTax_, printDirect_, *bench_->Reports);
        QMdiSubWindow* frame = area.addSubWindow(quick);
        area.show();
        frame->show();
        other->show();
        area.setActiveSubWindow(other);
        CalcAnnualTax(engine_, 500000);  // another calculator hands the engine an income
        area.setActiveSubWindow(frame);
        QCOMPARE(quick->field(0)->text(), QString("500 000"));
        QCOMPARE(quick->field(5)->text(), QString("116 237"));
        QCOMPARE(quickTax_.QtReportIncome, 500000.0);
    }

    void printWritesTheRecordAndOpensTheTitledReport() {
        typeAll({"income=500000", "age=40", "!cmdCalculate", "!cmPrint"});
        ui::PrintPanel& panel = printPanel("Frame1");
        QVERIFY(panel.isVisible());
        panel.cmdVR()->click();
        QVERIFY(panel.isHidden());
        QCOMPARE(printDirect_, std::int16_t{0});
        const std::pair<const char*, double> record[] = {
            {"AGE", 40},       {"TAXINCOME", 500000}, {"TAXTOPAY", 79998},
            {"MARGRATE", 31},  {"PORTION", 36239},    {"TOTTAX", 116237},
            {"REBATE", 17820}, {"TAXCOM4", 98417},    {"TAXCOM4/2", 98417.0 / 12}};
        for (auto [name, value] : record)
            QCOMPARE(std::pair(name, bench_->ReportNumber("kwiktax", name)), std::pair(name, value));
        QCOMPARE(bench_->ReportWindows.size(), std::size_t{1});
        QCOMPARE(bench_->ReportWindows[0]->windowTitle(),
                 QString("QuickTax - To export printout click on the suitcase button or goto Help"));
        QVERIFY(bench_->Messages.empty());
    }

    void printRecalculatesTheIncomeTypedSinceTheLastCalculation() {
        typeAll({"income=500000", "!cmdCalculate", "income=1000000", "!cmPrint", "!cmdVR"});
        QCOMPARE(bench_->ReportNumber("kwiktax", "TAXINCOME"), 1000000.0);
        QCOMPARE(bench_->ReportNumber("kwiktax", "TOTTAX"), 306113.0);
        QCOMPARE(field("normalTax")->text(), QString("306 113"));
    }

    void printingTwiceKeepsOneRecord() {
        print();
        print();
        QVERIFY(bench_->ReportRecord("kwiktax").has_value());  // exactly one row
        QCOMPARE(bench_->ReportWindows.size(), std::size_t{2});
    }

    void printingDirectlyWithoutAPrinterSaysSo() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed here");
        bench_->Messages.QueueAnswer(ui::MessageAnswer::No);  // no PDF instead
        print("cmdPD");
        QCOMPARE(printDirect_, std::int16_t{1});
        QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
        QVERIFY(bench_->Messages.last().Text.contains("printer", Qt::CaseInsensitive));
        QVERIFY(bench_->ReportWindows.empty());
        QCOMPARE(bench_->ReportNumber("kwiktax", "TAXINCOME"), 500000.0);  // the record is written all the same
    }

    void aLockedReportDatabaseGivesAMessageAndNoReport() {
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(bench_->ReportDatabase.c_str(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        print();
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
        QCOMPARE(bench_->Messages.last().Icon, ui::MessageIcon::Critical);
        QVERIFY(bench_->ReportWindows.empty());
        QCOMPARE(bench_->ReportNumber("kwiktax", "TAXINCOME"), 0.0);
    }

private:
    QWidget* openWindow() override {
        engine_ = {};
        quickTax_ = {};
        window_ = std::make_unique<QuickTaxWindow>(engine_, quickTax_, printDirect_, *bench_->Reports);
        nameControls(FieldMeanings());
        return window_.get();
    }
    void closeWindow() override { window_.reset(); }
    // Types an income and prints it with the given button of the print panel.
    void print(const QString& button = "cmdVR") { typeAll({"income=500000", "!cmPrint", "!" + button}); }

    EngineState engine_;
    QuickTaxState quickTax_;
    std::int16_t printDirect_ = 0;
    std::unique_ptr<QuickTaxWindow> window_;
};

QTEST_MAIN(QuickTaxWindowTest)
#include "QuickTaxWindowTest.moc"
