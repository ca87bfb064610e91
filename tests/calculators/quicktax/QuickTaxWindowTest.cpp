#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <sqlite3.h>

#include "TypeOver.h"
#include "DecimalField.h"
#include "PrintPanel.h"
#include "WindowTestBench.h"
#include "WorkingWindow.h"
#include "QuickTaxWindow.h"

using namespace kelvara;
using kelvara::testing::TypeOver;
using kelvara::testing::WindowTestBench;

class QuickTaxWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typedFiguresGiveTheTaxOnCalculate_data();
    void typedFiguresGiveTheTaxOnCalculate();
    void typingAloneDoesNotRecalculate();
    void activationShowsTheIncomeAnotherCalculatorLastUsed();
    void printWritesTheRecordAndOpensTheTitledReport();
    void printRecalculatesTheIncomeTypedSinceTheLastCalculation();
    void printingTwiceKeepsOneRecord();
    void printingDirectlyWithoutAPrinterSaysSo();
    void aLockedReportDatabaseGivesAMessageAndNoReport();

private:
    void type(int index, const QString& text) {
        ui::DecimalField* field = window_->field(index);
        TypeOver(field, text);
    }
    void click(const char* name) { window_->findChild<QPushButton*>(name)->click(); }
    double record(const char* field) {
        const auto r = bench_->ReportRecord("kwiktax");
        if (!r) return -1;
        return WindowTestBench::Number(WindowTestBench::Field(*r, field));
    }

    std::unique_ptr<WindowTestBench> bench_;
    EngineState engine_;
    QuickTaxState quickTax_;
    std::int16_t printDirect_ = 0;
    std::unique_ptr<QuickTaxWindow> window_;
};

void QuickTaxWindowTest::init() {
    bench_ = std::make_unique<WindowTestBench>();
    engine_ = {};
    quickTax_ = {};
    window_ = std::make_unique<QuickTaxWindow>(engine_, quickTax_, printDirect_, *bench_->Reports);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void QuickTaxWindowTest::cleanup() {
    window_.reset();
    bench_.reset();
}

void QuickTaxWindowTest::typedFiguresGiveTheTaxOnCalculate_data() {
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QStringList>("shown");  // fields 2 to 9 as displayed
    QTest::newRow("nil") << "0" << "0"
                         << QStringList{"0", "18", "0", "0", "17 820", "0", "18.0", "0.0"};
    QTest::newRow("500000 at 40") << "500000" << "40"
                                  << QStringList{"79 998", "31", "36 239", "116 237", "17 820", "98 417", "23.2", "19.7"};
    QTest::newRow("1000000 at 75") << "1000000" << "75"
                                   << QStringList{"259 783", "41", "46 330", "306 113", "30 834", "275 279", "30.6", "27.5"};
    QTest::newRow("150000 at 65") << "150000" << "65"
                                  << QStringList{"0", "18", "27 000", "27 000", "27 585", "0", "18.0", "0.0"};
}

void QuickTaxWindowTest::typedFiguresGiveTheTaxOnCalculate() {
    QFETCH(QString, income);
    QFETCH(QString, age);
    QFETCH(QStringList, shown);
    type(0, income);
    type(1, age);
    click("cmdCalculate");
    for (int i = 0; i < shown.size(); ++i) QCOMPARE(window_->field(i + 2)->text(), shown[i]);

    // The working shows every field's figure as the field shows it.
    click("cmdWorking");
    const Working& working = window_->findChild<ui::WorkingWindow*>("frmWorking")->working();
    const char* keys[] = {"TaxableIncome", "QtAge",     "BaseTax", "MarginalRate",    "Portion",
                          "NormalTax",     "Rebate",    "QtTaxCommitment", "QtAverageRate", "QtAverageRateAfter"};
    for (int i = 0; i < 10; ++i) {
        const WorkingLine* line = working.Find(keys[i]);
        QVERIFY2(line, keys[i]);
        QCOMPARE(QString::fromStdString(AmountText(*line)).remove('%'), window_->field(i)->text());
    }
}

void QuickTaxWindowTest::typingAloneDoesNotRecalculate() {
    type(0, "500000");
    type(1, "40");
    QCOMPARE(engine_.TaxableIncome, 500000.0);
    QCOMPARE(quickTax_.QtAge, std::int16_t{40});
    QCOMPARE(window_->field(5)->value(), 0.0);
}

void QuickTaxWindowTest::activationShowsTheIncomeAnotherCalculatorLastUsed() {
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

void QuickTaxWindowTest::printWritesTheRecordAndOpensTheTitledReport() {
    type(0, "500000");
    type(1, "40");
    click("cmdCalculate");
    click("cmPrint");
    auto* panel = window_->findChild<ui::PrintPanel*>("Frame1");
    QVERIFY(panel->isVisible());
    panel->cmdVR()->click();
    QVERIFY(panel->isHidden());
    QCOMPARE(printDirect_, std::int16_t{0});
    QCOMPARE(record("AGE"), 40.0);
    QCOMPARE(record("TAXINCOME"), 500000.0);
    QCOMPARE(record("TAXTOPAY"), 79998.0);
    QCOMPARE(record("MARGRATE"), 31.0);
    QCOMPARE(record("PORTION"), 36239.0);
    QCOMPARE(record("TOTTAX"), 116237.0);
    QCOMPARE(record("REBATE"), 17820.0);
    QCOMPARE(record("TAXCOM4"), 98417.0);
    QCOMPARE(record("TAXCOM4/2"), 98417.0 / 12);
    QCOMPARE(bench_->ReportWindows.size(), std::size_t{1});
    QCOMPARE(bench_->ReportWindows[0]->windowTitle(),
             QString("QuickTax - To export printout click on the suitcase button or goto Help"));
    QVERIFY(bench_->Messages.empty());
}

void QuickTaxWindowTest::printRecalculatesTheIncomeTypedSinceTheLastCalculation() {
    type(0, "500000");
    click("cmdCalculate");
    type(0, "1000000");
    click("cmPrint");
    window_->findChild<ui::PrintPanel*>("Frame1")->cmdVR()->click();
    QCOMPARE(record("TAXINCOME"), 1000000.0);
    QCOMPARE(record("TOTTAX"), 306113.0);
    QCOMPARE(window_->field(5)->text(), QString("306 113"));
}

void QuickTaxWindowTest::printingTwiceKeepsOneRecord() {
    type(0, "500000");
    for (int i = 0; i < 2; ++i) {
        click("cmPrint");
        window_->findChild<ui::PrintPanel*>("Frame1")->cmdVR()->click();
    }
    QVERIFY(bench_->ReportRecord("kwiktax").has_value());  // exactly one row
    QCOMPARE(bench_->ReportWindows.size(), std::size_t{2});
}

void QuickTaxWindowTest::printingDirectlyWithoutAPrinterSaysSo() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed here");
    bench_->Messages.QueueAnswer(ui::MessageAnswer::No);  // no PDF instead
    type(0, "500000");
    click("cmPrint");
    window_->findChild<ui::PrintPanel*>("Frame1")->cmdPD()->click();
    QCOMPARE(printDirect_, std::int16_t{1});
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QVERIFY(bench_->Messages.last().Text.contains("printer", Qt::CaseInsensitive));
    QVERIFY(bench_->ReportWindows.empty());
    QCOMPARE(record("TAXINCOME"), 500000.0);  // the record is written all the same
}

void QuickTaxWindowTest::aLockedReportDatabaseGivesAMessageAndNoReport() {
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open(bench_->ReportDatabase.c_str(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    type(0, "500000");
    click("cmPrint");
    window_->findChild<ui::PrintPanel*>("Frame1")->cmdVR()->click();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    QCOMPARE(bench_->Messages.messages().size(), std::size_t{1});
    QCOMPARE(bench_->Messages.last().Icon, ui::MessageIcon::Critical);
    QVERIFY(bench_->ReportWindows.empty());
    QCOMPARE(record("TAXINCOME"), 0.0);
}

QTEST_MAIN(QuickTaxWindowTest)
#include "QuickTaxWindowTest.moc"
