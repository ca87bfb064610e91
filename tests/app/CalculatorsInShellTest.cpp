// Every calculator as a user meets it: the program started from its folder,
// the window opened from the menu of the main window, inside its work area.
// "&OK" leaves no empty frame behind, a report opens wholly inside the work
// area, the company car fits, the calculator's own access keys win over the
// menu's, and no caption is cut off or lies over another control, neither on
// the window nor on a panel it shows in front (Setup, print, explanations).
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTableWidget>
#include <QTextDocument>
#include <QtTest>

#include "AppVersion.h"
#include "BackgroundMdiArea.h"
#include "MenuTree.h"
#include "MessageService.h"
#include "PrintPanel.h"
#include "ProgramFolder.h"
#include "ReportWindow.h"
#include "ScratchSettings.h"
#include "Shell.h"
#include "StartUpPreferences.h"
#include "WindowDriver.h"

using namespace kelvara;
using kelvara::testing::WindowDriver;

namespace {

// A calculator's menu item and what gives it a result worth printing: figures
// typed ("field=figure") and buttons clicked ("!button"), in order.
struct Calculator {
    const char* MenuItem;
    QStringList Typed;
};

const Calculator kCalculators[] = {
    {"mnuKelvaraMon", {"numAge=40", "numNetMonSalReq=12000"}},
    {"mnuKelvaraAnn", {"numAge=40", "numNetMonSalReq=150000"}},
    {"mnuPravelMon", {"numAge=40", "numNetMonSalReq=25000"}},
    {"mnuPravelAnn", {"numAge=40", "numNetMonSalReq=400000"}},
    {"mnuAnnual", {"silgEdit1=40", "silgEdit2=420000"}},
    {"mnuMonthly", {"silgEdit9=40", "numSalRemun=25000"}},
    {"mnuFortNight", {"silgEdit14=40", "numSalRemun=12000"}},
    {"mnuWeekly", {"silgEdit14=40", "numSalRemun=6000"}},
    {"mnuDaily", {"silgEdit23=40", "numSalRemun=1200"}},
    {"QuickTax", {"sidbEdit1_0=500000", "sidbEdit1_1=40"}},
    {"mnuCompCar",
     {"txtCCRegNumber=new", "!cmdAdd", "txtCCRegNumber=CA 123-456", "numCCPrice=300000", "numEndMileage=50000",
      "numStartMileage=20000"}},
    {"mnuCarAll1", {"silgEdit1=250000", "silgEdit2=120000", "silgEdit3=60000", "silgEdit4=30000"}},
    {"mnuInflationProject", {"numPresCost=100000", "numPeriod=10", "numInflaRate=6"}},
    {"mnuLoans", {"numPrinAmount=100000", "numPeriod=30", "numIntRate=10"}},
    {"mnuLoansBuster", {"numPrinAmount=500000", "numPeriod=240", "numIntRate=10.5"}},
    {"mnuLoansComparison", {"numBAmt=500000", "numIntRate=10.5"}},
    {"mnuDailyBalance", {"numCapAmount=100000", "numIntRate=10", "dtStartDate=01/03/2026", "dtEndDate=01/04/2026"}},
};

QString FormOf(const char* menuItem) { return MenuItemNamed(menuItem)->FormName; }

// The controls a user reads or clicks, each once: a field's own parts (its
// spin buttons) do not count on their own.
QList<QWidget*> VisibleControls(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w);
        if (!control || !w->isVisible() || w->window() != window.window()) continue;
        bool inside = false;
        for (QWidget* up = w->parentWidget(); up && up != &window; up = up->parentWidget())
            inside |= qobject_cast<QLineEdit*>(up) != nullptr;
        if (!inside) controls << w;
    }
    return controls;
}

// What a label shows: its text without the access-key marks, or the plain
// text of rich text.
QString ShownText(const QLabel& label) {
    if (Qt::mightBeRichText(label.text())) {
        QTextDocument document;
        document.setHtml(label.text());
        return document.toPlainText();
    }
    return QString(label.text()).replace("&&", "\x01").remove('&').replace('\x01', '&');
}

// Where a control lies in the window.
QRect InWindow(QWidget& control, QWidget& window) {
    return QRect(control.mapTo(&window, QPoint(0, 0)), control.size());
}

// Why a caption is cut, or empty when it fits: a label's text against its
// width and height, a button's text (with a box's or radio's indicator)
// against its width, a table heading against its section.
QString CutCaption(QWidget& control) {
    const QFontMetrics metrics = control.fontMetrics();
    int needed = 0, has = 0;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        if (label->wordWrap() || label->text().isEmpty()) return {};
        text = ShownText(*label);
        if (label->contentsRect().height() < metrics.height())
            return QString("\"%1\" is %2 px high, needs %3")
                .arg(text)
                .arg(label->contentsRect().height())
                .arg(metrics.height());
        needed = metrics.horizontalAdvance(text);
        has = label->contentsRect().width();
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        text = QString(button->text()).remove('&');
        if (text.isEmpty()) return {};
        const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        needed = box ? button->sizeHint().width() : metrics.horizontalAdvance(text) + 6;
        has = button->width();
    }
    if (needed <= has) return {};
    return QString("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(has);
}

QString CutHeading(QHeaderView& header) {
    const int margins = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int section = 0; section < header.count(); ++section) {
        const QString text = header.model()->headerData(section, header.orientation()).toString();
        const int needed = header.fontMetrics().horizontalAdvance(text.trimmed()) + margins;
        if (needed > header.sectionSize(section))
            return QString("heading \"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(header.sectionSize(section));
    }
    return {};
}

// How many pixels of two pictures differ; pictures of different sizes differ wholly.
int DifferingPixels(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_RGB32), right = b.convertToFormat(QImage::Format_RGB32);
    if (left.size() != right.size()) return left.width() * left.height();
    int differing = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) differing += left.pixel(x, y) != right.pixel(x, y);
    return differing;
}

// The buttons that show a panel in front of a calculator, and those that
// close one again.
const char* const kPanelOpeners[] = {"cmdSettings", "cmdInfo_0",   "cmdRAExpl",  "cmdPrint",
                                     "cmPrint",     "cmdMonAmort", "cmdAnnAmort"};
const QRegularExpression kPanelClosers("^(cmdCancel|cmdPrintCancel|cmdSetupOK|cmdRAOK|cmdOK_Info_One|cmdGridClose)$");

// The panels a click showed: frames that became visible, outermost only.
QList<QWidget*> NewPanels(QWidget& window, const QList<QWidget*>& visibleBefore) {
    QList<QWidget*> panels;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool frame = qobject_cast<QGroupBox*>(w) || (qobject_cast<QFrame*>(w) && !qobject_cast<QLabel*>(w) &&
                                                           !qobject_cast<QAbstractScrollArea*>(w));
        if (frame && w->isVisible() && !visibleBefore.contains(w) && !visibleBefore.contains(w->parentWidget()))
            panels << w;
    }
    return panels;
}

// The window's area as a rectangle in the work area's viewport.
QRect InViewport(QWidget& frame, QMdiArea& area) {
    return QRect(frame.mapTo(area.viewport(), QPoint(0, 0)), frame.size());
}

}  // namespace

Q_DECLARE_METATYPE(const Calculator*)

class CalculatorsInShellTest : public QObject {
    Q_OBJECT
    ScratchSettings preferences_;
    testing::ProgramFolder folder_;
    std::unique_ptr<Shell> shell_;
    ui::MessageRecorder messages_;

private slots:
    void init() {
        preferences_.clear();
        SetShowAboutAtStartup(false);
        SetAcceptedDisclaimerVersion(VersionNumber(CurrentVersion()));
        QVERIFY(folder_.freshDatabases());
        shell_ = std::make_unique<Shell>(folder_.path());
        QVERIFY(shell_->start());
        main().resize(1000, 700);
        QVERIFY(QTest::qWaitForWindowActive(&main()));
    }
    void cleanup() {
        shell_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        messages_.clear();
    }

    void everyMenuCalculatorIsCovered() {
        QStringList covered;
        for (const Calculator& calculator : kCalculators) covered << calculator.MenuItem;
        QStringList registered = main().registeredItems();
        registered.removeAll("mnuContents");  // the help window, no calculator
        QCOMPARE(covered.size(), registered.size());
        for (const QString& item : registered) QVERIFY2(covered.contains(item), qPrintable(item));
    }

    void okClosesTheWholeWindow_data() { table(); }
    void okClosesTheWholeWindow() {
        QFETCH(const Calculator*, calculator);
        QPointer<QWidget> window = open(*calculator);
        QVERIFY(window);
        QPointer<QMdiSubWindow> frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        const int framesBefore = main().workArea().subWindowList().size();
        okButton(*window)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frame || frame->isHidden());
        QCOMPARE(main().workArea().subWindowList().size(), framesBefore - 1);
        QVERIFY(!main().findWindow(FormOf(calculator->MenuItem)));

        QWidget* again = open(*calculator);
        QVERIFY(again);
        QVERIFY(again != window.data() || !window);
        QVERIFY(again->isVisible());
        QVERIFY(again->parentWidget()->isVisible());
        QVERIFY(again->findChild<QPushButton*>("cmdCalculate")->isEnabled());
    }

    // A company car list whose dates were refused keeps its window open,
    // whether OK or the frame's close box asks.
    void okIsRefusedAsTheCloseBoxIs() {
        for (bool byOk : {true, false}) {
            QWidget* window = open(kCalculators[10]);
            QVERIFY(window);
            auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
            shell_->calcState().CompanyCar.DatesRejected = true;
            messages_.clear();
            byOk ? okButton(*window)->click() : (void)frame->close();
            QCOMPARE(messages_.messages().size(), std::size_t{1});
            QVERIFY(frame->isVisible());
            QVERIFY(window->isVisible());
            shell_->calcState().CompanyCar.DatesRejected = false;
            frame->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    // In a roomy main window and in a small one.
    void reportOpensInsideTheWorkArea_data() {
        QTest::addColumn<const Calculator*>("calculator");
        QTest::addColumn<QSize>("mainSize");
        for (const Calculator& calculator : kCalculators)
            for (QSize size : {QSize(1000, 700), QSize(640, 480)})
                QTest::addRow("%s, %dx%d", calculator.MenuItem, size.width(), size.height()) << &calculator << size;
    }
    void reportOpensInsideTheWorkArea() {
        QFETCH(const Calculator*, calculator);
        QFETCH(QSize, mainSize);
        QWidget* window = open(*calculator);
        QVERIFY(window);
        main().resize(mainSize);
        calculate(*window, calculator->Typed);
        const QString button = window->findChild<QPushButton*>("cmPrint") ? "cmPrint" : "cmdPrint";
        click(*window, qPrintable(button));
        ui::PrintPanel* panel = nullptr;
        for (auto* candidate : window->findChildren<ui::PrintPanel*>())
            if (candidate->isVisible()) panel = candidate;
        QVERIFY(panel);
        panel->cmdVR()->click();
        QVERIFY(messages_.empty());

        QMdiSubWindow* report = main().workArea().activeSubWindow();
        QVERIFY(report && qobject_cast<ReportWindow*>(report->widget()));
        QCoreApplication::processEvents();
        const QRect viewport = main().workArea().viewport()->rect();
        QVERIFY2(viewport.contains(InViewport(*report, main().workArea())),
                 qPrintable(QString("report at %1,%2 %3x%4 in %5x%6")
                                .arg(report->x())
                                .arg(report->y())
                                .arg(report->width())
                                .arg(report->height())
                                .arg(viewport.width())
                                .arg(viewport.height())));
    }

    // The company car is wider than the main window's usual width: the main
    // window widens for it and never narrows.
    void companyCarWidensTheMainWindow() {
        const int before = main().frameGeometry().width();
        main().menuAction("mnuCompCar")->trigger();
        QCoreApplication::processEvents();
        auto* frame = qobject_cast<QMdiSubWindow*>(main().findWindow("frmCompCar")->parentWidget());
        QVERIFY(main().frameGeometry().width() >= before);
        QVERIFY2(main().workArea().viewport()->rect().contains(InViewport(*frame, main().workArea())),
                 qPrintable(QString("company car %1x%2 in a main window %3 wide")
                                .arg(frame->width())
                                .arg(frame->height())
                                .arg(main().width())));
    }

    // A main window kept small (the screen allows no more) lets the user
    // scroll to every part of a calculator.
    void aSmallMainWindowScrollsToTheWholeCalculator() {
        QWidget* window = open(kCalculators[10]);
        QVERIFY(window);
        main().resize(500, 400);
        QCoreApplication::processEvents();
        QMdiArea& area = main().workArea();
        QVERIFY(area.horizontalScrollBar()->isVisible());
        QVERIFY(area.verticalScrollBar()->isVisible());
        QVERIFY(area.horizontalScrollBar()->maximum() >= window->parentWidget()->width() - area.viewport()->width());
    }

    // Each of the calculator's buttons whose access key the menu bar also
    // uses is pressed by its key; the menu opens by its other keys.
    void accessKeysOfTheCalculatorWin_data() { table(); }
    void accessKeysOfTheCalculatorWin() {
        QFETCH(const Calculator*, calculator);
        QStringList menuKeys;
        for (QAction* menu : main().menuBar()->actions()) menuKeys << QKeySequence::mnemonic(menu->text()).toString();
        QWidget* window = open(*calculator);
        QVERIFY(window);
        QList<QAbstractButton*> clashing;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (button->isVisible() && button->isEnabled() &&
                menuKeys.contains(QKeySequence::mnemonic(button->text()).toString()))
                clashing << button;
        QVERIFY(!clashing.isEmpty());  // "&Calculate" at least
        // "&Calculate" first: the others may open a panel in front.
        std::stable_sort(clashing.begin(), clashing.end(), [](QAbstractButton* a, QAbstractButton* b) {
            return a->text() == "&Calculate" && b->text() != "&Calculate";
        });
        for (QAbstractButton* button : {clashing.first(), clashing.last()}) {
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            const QKeySequence key = QKeySequence::mnemonic(button->text());
            QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
            QVERIFY2(!QApplication::activePopupWidget(), qPrintable(button->text()));
            QTRY_COMPARE_WITH_TIMEOUT(clicked.count(), 1, 1000);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);  // no one's key
        QVERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
        QCOMPARE(QApplication::activePopupWidget(), main().findChild<QMenu*>("mnuHelp"));
        QApplication::activePopupWidget()->close();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        QCOMPARE(QApplication::activePopupWidget(), main().findChild<QMenu*>("mnuFile"));
        QApplication::activePopupWidget()->close();
    }

    // The calculator's own access key, which leaves the focus in the field
    // being typed in, first has that field take its whole entry: "15" in a
    // field of 0 to 14 days is refused, not used as the "1" it started with.
    void anAccessKeyTakesTheWholeEntryFirst() {
        QWidget* window = open(kCalculators[6]);
        QVERIFY(window);
        calculate(*window, kCalculators[6].Typed);
        auto* tax = window->findChild<QLineEdit*>("numMAns1");
        const QString before = tax->text();
        auto* days = window->findChild<QLineEdit*>("silgEdit22");
        days->setFocus();
        days->selectAll();
        QTest::keyClicks(days, "15");
        QTest::keyClick(days, Qt::Key_C, Qt::AltModifier);
        QTest::qWait(300);  // an access key clicks its button after a moment
        QCOMPARE(days->text(), QString("14"));
        QCOMPARE(tax->text(), before);
    }

    // Each step's row is as tall as its text needs at the width its column
    // has on screen, the first time the working is shown.
    void workingRowsFitTheirText() {
        int shown = 0;
        for (const Calculator& calculator : kCalculators) {
            QWidget* window = open(calculator);
            QVERIFY(window);
            if (!window->findChild<QPushButton*>("cmdWorking")) continue;
            calculate(*window, calculator.Typed);
            click(*window, "cmdWorking");
            auto* working = window->findChild<QWidget*>("frmWorking");
            QVERIFY(QTest::qWaitForWindowExposed(working));
            auto* grid = working->findChild<QTableWidget*>("grdWorking");
            QList<int> heights;
            for (int row = 0; row < grid->rowCount(); ++row) heights << grid->rowHeight(row);
            grid->resizeRowsToContents();  // what the rows need at the columns' present widths
            for (int row = 0; row < grid->rowCount(); ++row)
                QVERIFY2(heights[row] == grid->rowHeight(row), qPrintable(QString("%1 row %2 \"%3\" is %4 px, needs %5")
                                                                              .arg(calculator.MenuItem)
                                                                              .arg(row)
                                                                              .arg(grid->item(row, 0)->text())
                                                                              .arg(heights[row])
                                                                              .arg(grid->rowHeight(row))));
            working->close();
            ++shown;
        }
        QVERIFY(shown > 0);
    }

    // Each panel the calculator shows in front: its captions fit and its
    // controls lie apart; it paints its whole area over what lies behind and
    // covers wholly each control of the window it overlaps; the window's own
    // captions are not squeezed by it.
    void panelsStandInFrontWhole_data() { table(); }
    void panelsStandInFrontWhole() {
        QFETCH(const Calculator*, calculator);
        QWidget* window = open(*calculator);
        QVERIFY(window);
        calculate(*window, calculator->Typed);
        if (auto* schedule = window->findChild<QCheckBox*>("Check1")) schedule->setChecked(true);
        int opened = 0;
        for (const char* opener : kPanelOpeners) {
            auto* button = window->findChild<QPushButton*>(opener);
            if (!button || !button->isVisible() || !button->isEnabled()) continue;
            QList<QWidget*> visibleBefore;
            for (QWidget* w : window->findChildren<QWidget*>())
                if (w->isVisible()) visibleBefore << w;
            button->click();
            QCoreApplication::processEvents();
            const QList<QWidget*> panels = NewPanels(*window, visibleBefore);
            QVERIFY2(panels.size() == 1, opener);
            QWidget* panel = panels.first();
            const QString where = QString("%1 %2: ").arg(opener, panel->objectName());

            const QList<QWidget*> inside = VisibleControls(*panel);
            for (QWidget* control : inside) {
                const QString cut = CutCaption(*control);
                QVERIFY2(cut.isEmpty(), qPrintable(where + cut));
            }
            for (int i = 0; i < inside.size(); ++i)
                for (int j = i + 1; j < inside.size(); ++j)
                    QVERIFY2(!InWindow(*inside[i], *panel).intersects(InWindow(*inside[j], *panel)),
                             qPrintable(where + describe(inside[i]) + " overlaps " + describe(inside[j])));

            const QRect area = InWindow(*panel, *window);
            QVERIFY2(panel->autoFillBackground(), qPrintable(where + "not opaque"));
            const int differing = DifferingPixels(window->grab(area).toImage(), panel->grab().toImage());
            QVERIFY2(differing == 0,
                     qPrintable(where + QString("%1 pixels of what lies behind show through").arg(differing)));
            for (QWidget* control : VisibleControls(*window)) {
                if (panel->isAncestorOf(control)) continue;
                const QRect rect = InWindow(*control, *window);
                QVERIFY2(!area.intersects(rect) || area.contains(rect),
                         qPrintable(where + describe(control) + " shows at the panel's edge"));
                if (!area.intersects(rect)) {
                    const QString cut = CutCaption(*control);
                    QVERIFY2(cut.isEmpty(), qPrintable(where + "squeezed " + cut));
                }
            }
            for (QPushButton* close : window->findChildren<QPushButton*>(kPanelClosers))
                if (close->isVisible()) close->click();
            QCoreApplication::processEvents();
            QVERIFY2(panel->isHidden(), qPrintable(where + "stays open"));
            ++opened;
        }
        QVERIFY(opened > 0);
    }

    void captionsFitNothingOverlapsResultsStandApart_data() { table(); }
    void captionsFitNothingOverlapsResultsStandApart() {
        QFETCH(const Calculator*, calculator);
        QWidget* window = open(*calculator);
        QVERIFY(window);
        QCoreApplication::processEvents();
        const QList<QWidget*> controls = VisibleControls(*window);
        for (QWidget* control : controls) {
            const QString cut = CutCaption(*control);
            QVERIFY2(cut.isEmpty(), qPrintable(cut));
        }
        for (QHeaderView* header : window->findChildren<QHeaderView*>()) {
            if (!header->isVisible() || header->orientation() != Qt::Horizontal) continue;
            const QString cut = CutHeading(*header);
            QVERIFY2(cut.isEmpty(), qPrintable(cut));
        }
        // Results look unlike the fields to type into: no frame, no entry background.
        for (QWidget* control : controls) {
            auto* field = qobject_cast<QLineEdit*>(control);
            if (!field) continue;
            QVERIFY2(field->hasFrame() != field->isReadOnly(), qPrintable(describe(field)));
            if (field->isReadOnly())
                QVERIFY2(field->palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Base),
                         qPrintable(describe(field)));
        }
        for (int i = 0; i < controls.size(); ++i) {
            const QRect a(controls[i]->mapTo(window, QPoint(0, 0)), controls[i]->size());
            for (int j = i + 1; j < controls.size(); ++j) {
                const QRect b(controls[j]->mapTo(window, QPoint(0, 0)), controls[j]->size());
                QVERIFY2(!a.intersects(b), qPrintable(describe(controls[i]) + " overlaps " + describe(controls[j])));
            }
        }
    }

private:
    MainWindow& main() { return shell_->mainWindow(); }

    void table() {
        QTest::addColumn<const Calculator*>("calculator");
        for (const Calculator& calculator : kCalculators) QTest::newRow(calculator.MenuItem) << &calculator;
    }

    QWidget* open(const Calculator& calculator) {
        main().menuAction(calculator.MenuItem)->trigger();
        QCoreApplication::processEvents();
        QWidget* window = main().findWindow(FormOf(calculator.MenuItem));
        return window && window->isVisible() ? window : nullptr;
    }

    static QPushButton* okButton(QWidget& window) {
        return window.findChildren<QPushButton*>(QRegularExpression("^cmdO[kK]$")).value(0);
    }

    static void click(QWidget& window, const char* name) {
        QVERIFY2(WindowDriver(window).enabled(name), name);
        WindowDriver(window).click(name);
    }

    // Types and clicks what gives the calculator a result, then calculates.
    static void calculate(QWidget& window, const QStringList& entries) {
        WindowDriver(window).typeAll(entries);
        click(window, "cmdCalculate");
    }

    static QString describe(QWidget* control) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
        return QString("%1 \"%2\"").arg(control->objectName(), text);
    }
};

QTEST_MAIN(CalculatorsInShellTest)
#include "CalculatorsInShellTest.moc"
