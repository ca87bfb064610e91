#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPdfBookmarkModel>
#include <QPdfView>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "BackgroundMdiArea.h"
#include "HelpWindow.h"
#include "StartedProgram.h"
#include "TaxEngine.h"

using namespace kelvara;
using kelvara::testing::ScratchSettings;

namespace {

// A stand-in calculator window: one input, and optionally refusing to close.
class DummyCalculator : public QWidget {
public:
    explicit DummyCalculator(bool refuseClose) : refuseClose_(refuseClose) {
        input = new QLineEdit(this);
        resize(300, 200);
    }
    QLineEdit* input;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (refuseClose_) event->ignore();
    }

private:
    bool refuseClose_;
};

WindowFactory Dummy(int* made = nullptr, bool refuseClose = false) {
    return [made, refuseClose](MainWindow&) {
        if (made) ++*made;
        return new DummyCalculator(refuseClose);
    };
}

QMdiSubWindow* SubWindowOf(QWidget* window) { return qobject_cast<QMdiSubWindow*>(window->parentWidget()); }

// Each menu of the bar as its name and caption, then one "name caption" per
// item ("Space1 -" for a separator).
QList<QStringList> DescribeMenuBar(QMenuBar* bar) {
    QList<QStringList> menus;
    for (QAction* menuAction : bar->actions()) {
        QStringList menu{menuAction->menu()->objectName() + " " + menuAction->text()};
        for (QAction* item : menuAction->menu()->actions())
            menu << item->objectName() + " " + (item->isSeparator() ? QString("-") : item->text());
        menus << menu;
    }
    return menus;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

private slots:
    void init() { settings_.clear(); }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void menuBarHasEveryItemInOrder() {
        CalcState state;
        MainWindow window(state);
        QCOMPARE(window.objectName(), QString("MDIForm1"));
        QCOMPARE(window.windowTitle(), QString("Kelvara 2027"));
        const QList<QStringList> expected{
            {"mnuFile &File", "mnuNew &Initialise All", "mnuTaxYear &Tax year", "Space1 -",
             "mnuPrinterSet &Printer Setup", "Space2 -", "mnuExit E&xit"},
            {"mnuKelvara &Kelvara", "mnuKelvaraMon &Monthly", "mnuKelvaraAnn &Annual"},
            {"mnuPravel P&ravel", "mnuPravelMon &Monthly", "mnuPravelAnn &Annual"},
            {"mnuTaxCalc &TaxCalcs", "mnuAnnual &Annual", "mnuMonthly &Monthly", "mnuFortNight &FortNightly",
             "mnuWeekly &Weekly", "mnuDaily &Daily", "QuickTax QuickTax"},
            {"mnuCarCalcs &Car Calculations", "mnuCompCar &Company car", "mnuCarAll1 Car Allowance"},
            {"mnuBusinessCalcs Bu&siness Calculations", "mnuInflationProject Inflation Projections", "mnuLoans Loans",
             "mnuLoansBuster Loan buster", "mnuLoansComparison Loan comparison", "mnuDailyBalance Daily balance",
             "mnuMSCalculator &MS-Calculator"},
            {"mnuHelp &Help/Videos", "mnuContents Kelvara 2027 Help", "VideoLectures1 Video Lectures",
             "mnuHelpSearchForHelpOn &Search For Help On...", "Space3 -", "mnuAbout &About Kelvara2027..."},
        };
        QCOMPARE(DescribeMenuBar(window.menuBar()), expected);
    }

    // Items open windows only once a window is registered for them.
    void windowItemsEnabledByRegistration() {
        CalcState state;
        MainWindow window(state);
        for (auto [item, enabled] :
             {std::pair{"mnuAnnual", false}, {"QuickTax", false}, {"mnuMSCalculator", true}, {"mnuAbout", true}})
            QVERIFY2(window.menuAction(item)->isEnabled() == enabled, item);
        window.menuAction("mnuAnnual")->trigger();
        QVERIFY(window.workArea().subWindowList().isEmpty());

        window.registerCalculator("mnuAnnual", Dummy());
        QVERIFY(window.menuAction("mnuAnnual")->isEnabled());
        QCOMPARE(window.registeredItems(), QStringList{"mnuAnnual"});
        window.menuAction("mnuAnnual")->trigger();
        QVERIFY(window.findWindow("frmAnnual"));

        Shell shell(QTemporaryDir().path());
        QVERIFY(shell.mainWindow().menuAction("mnuContents")->isEnabled());
    }

    void openingAnOpenWindowBringsItToFront() {
        CalcState state;
        MainWindow window(state);
        window.show();
        int made = 0;
        window.registerCalculator("mnuWeekly", Dummy(&made));
        window.registerCalculator("mnuDaily", Dummy());
        auto* weekly = static_cast<DummyCalculator*>(window.openWindow("mnuWeekly"));
        weekly->input->setText("1500");
        window.openWindow("mnuDaily");
        QCOMPARE(window.workArea().activeSubWindow()->widget()->objectName(), QString("frmDaily"));

        QCOMPARE(window.openWindow("mnuWeekly"), weekly);
        QCOMPARE(made, 1);
        QCOMPARE(weekly->input->text(), QString("1500"));
        QCOMPARE(window.workArea().activeSubWindow(), SubWindowOf(weekly));

        // Closed, it is made afresh.
        SubWindowOf(weekly)->close();
        QVERIFY(!window.findWindow("frmWeekly"));
        auto* fresh = static_cast<DummyCalculator*>(window.openWindow("mnuWeekly"));
        QCOMPARE(made, 2);
        QVERIFY(fresh->input->text().isEmpty());
    }

    void initialiseAllResetsStateAndClosesListedWindows() {
        CalcState state;
        MainWindow window(state);
        window.show();
        CalcAnnualTax(state.Engine, 300000);
        state.ReportDatabasePath = "/data/Crysprin.db";
        state.PrintDirect = 1;
        for (const char* item : {"mnuAnnual", "mnuFortNight", "mnuDaily", "QuickTax"})
            window.registerCalculator(item, Dummy());
        window.registerCalculator("mnuMonthly", Dummy(nullptr, /*refuseClose=*/true));
        for (const char* item : {"mnuAnnual", "mnuFortNight", "mnuDaily", "QuickTax", "mnuMonthly"})
            window.openWindow(item);
        auto* fortnight = static_cast<DummyCalculator*>(window.findWindow("frmFortNight"));
        fortnight->input->setText("4200");

        window.menuAction("mnuNew")->trigger();

        QCOMPARE(state.Engine.Last.Tax, 0.0);
        QCOMPARE(state.Engine.Last.MarginalRate, 0.0);
        QCOMPARE(state.Engine.TaxableIncome, 300000.0);
        QCOMPARE(state.ReportDatabasePath, std::string("/data/Crysprin.db"));
        QCOMPARE(state.PrintDirect, std::int16_t(1));
        QVERIFY(!window.findWindow("frmAnnual"));
        QVERIFY(!window.findWindow("frmDaily"));
        QVERIFY(window.findWindow("frmMonthly"));  // refused to close
        QVERIFY(window.findWindow("frmKwikTax"));
        QCOMPARE(window.findWindow("frmFortNight"), fortnight);
        QCOMPARE(fortnight->input->text(), QString("4200"));
    }

    void cascadingItemsArrangeTheWindows() {
        CalcState state;
        MainWindow window(state);
        window.show();
        window.registerCalculator("mnuAnnual", Dummy());
        window.registerCalculator("mnuKelvaraMon", Dummy());
        QMdiSubWindow* annual = SubWindowOf(window.openWindow("mnuAnnual"));
        annual->move(250, 150);
        window.openWindow("mnuKelvaraMon");
        QCOMPARE(annual->pos(), QPoint(0, 0));
    }

    void companyCarWidensAndCascadesOnlyInNormalState() {
        for (bool maximised : {false, true}) {
            CalcState state;
            MainWindow window(state);
            window.resize(600, 500);
            maximised ? window.showMaximized() : window.show();
            QCoreApplication::processEvents();
            window.registerCalculator("mnuAnnual", Dummy());
            window.registerCalculator("mnuCompCar", Dummy());
            QMdiSubWindow* annual = SubWindowOf(window.openWindow("mnuAnnual"));
            annual->move(120, 80);
            const QSize before = window.frameGeometry().size();
            window.openWindow("mnuCompCar");
            if (maximised) {
                QCOMPARE(window.frameGeometry().size(), before);
                QCOMPARE(annual->pos(), QPoint(120, 80));
            } else {
                QCOMPARE(window.frameGeometry().width(), 894);  // 13405 twips
                QCOMPARE(window.frameGeometry().height(), before.height());
                QCOMPARE(annual->pos(), QPoint(0, 0));
            }
        }
    }

    void helpViewerLeavesMarginRightAndBelow() {
        for (auto [extent, viewer] : {std::pair{3000, 2900}, {2000, 1900}, {60, 0}})
            QCOMPARE(HelpViewerExtentTwips(extent), viewer);
        HelpWindow help("/no/such/kv2027Help.pdf");
        help.show();
        help.resize(200, 400);  // 3000 by 6000 twips
        QCOMPARE(help.content().size(), QSize(193, 393));
        help.resize(600, 150);
        QCOMPARE(help.content().size(), QSize(593, 143));
    }

    // The help document as built: an outline of its sections, a contents
    // page that links to them, a search that finds its words, and F1 in a
    // calculator opening that calculator's section.
    void helpDocumentHasItsOutlineAndF1OpensTheSection() {
        const QString document = qEnvironmentVariable("KV_RUNTIME_DIR", ".") + "/kv2027Help.pdf";
        QProcess text;
        text.start("pdftotext", {"-l", "1", document, "-"});
        QVERIFY(text.waitForFinished());
        QVERIFY(QString::fromUtf8(text.readAllStandardOutput()).contains("Contents"));
        QFile raw(document);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QVERIFY(bytes.contains("/Outlines"));
        QVERIFY(bytes.count("/Subtype /Link") >= 15);  // a line of the contents per section

        ui::MessageRecorder messages;
        QTemporaryDir folder;
        QFile::copy(document, folder.filePath("kv2027Help.pdf"));
        Shell shell(folder.path());
        MainWindow& window = shell.mainWindow();
        window.show();
        auto* help = qobject_cast<HelpWindow*>(window.openWindow("mnuContents"));
        QVERIFY(help);
        QTRY_VERIFY(help->contents().model()->rowCount() >= 15);
        help->searchBox().setText("kelvara-calc");
        QVERIFY(help->finds().isVisible());
        QTRY_VERIFY(help->finds().model()->rowCount() > 0);
        help->close();

        for (auto [menuItem, heading] : {std::pair{"mnuAnnual", "Employees' tax"},
                                         {"mnuCompCar", "Company car"},
                                         {"mnuLoans", "Loans"},
                                         {"QuickTax", "QuickTax"}}) {
            QVERIFY(window.openWindow(menuItem));
            QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_F1);
            auto* opened = qobject_cast<HelpWindow*>(window.findWindow("frmHelpBrowser"));
            QVERIFY2(opened, menuItem);
            const QModelIndex current = opened->contents().currentIndex();
            QVERIFY2(current.data().toString().startsWith(heading), qPrintable(current.data().toString()));
            QTRY_COMPARE(opened->currentPage(), current.data(int(QPdfBookmarkModel::Role::Page)).toInt());
        }
    }

    void initialiseAllAndExitCloseTheHelpWindow() {
        QTemporaryDir folder;
        Shell shell(folder.path());
        MainWindow& window = shell.mainWindow();
        window.show();
        QVERIFY(window.openWindow("mnuContents"));
        window.initialiseAll();
        QVERIFY(!window.findWindow("frmHelpBrowser"));
        window.openWindow("mnuContents");
        window.menuAction("mnuExit")->trigger();
        QVERIFY(!window.isVisible());
        QVERIFY(!window.findWindow("frmHelpBrowser"));
    }

    void desktopCalculatorMessageOnlyWhenNoneStarts() {
        ui::MessageRecorder messages;
        CalcState state;
        MainWindow window(state);
        window.setDesktopCalculators({"/no/such/calculator", "/no/such/kcalc"});
        window.menuAction("mnuMSCalculator")->trigger();
        QCOMPARE(messages.messages().size(), size_t(1));
        QCOMPARE(messages.last().Text,
                 QString("The Microsoft Calculator is not installed or in the Windows directory"));
        QCOMPARE(messages.last().Buttons, ui::MessageButtons::Ok);

        messages.clear();
        window.setDesktopCalculators({"/no/such/calculator", "true"});
        window.menuAction("mnuMSCalculator")->trigger();
        QVERIFY(messages.empty());
    }

    void printerSetupWithoutPrintersSaysSo() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed here");
        ui::MessageRecorder messages;
        CalcState state;
        MainWindow window(state);
        window.menuAction("mnuPrinterSet")->trigger();
        QCOMPARE(messages.messages().size(), size_t(1));
    }

    void missingPictureLeavesPlainBackground() {
        CalcState state;
        MainWindow window(state);
        window.workArea().loadPicture("/no/such/Kelvara.jpg");
        QVERIFY(!window.workArea().hasPicture());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
