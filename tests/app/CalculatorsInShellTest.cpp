// Every calculator as a user meets it: the program started from its folder,
// the window opened from the menu of the main window, inside its work area.
// "&OK" leaves no empty frame behind, a report opens wholly inside the work
// area, the company car fits, the calculator's own access keys win over the
// menu's, and no caption is cut off or lies over another control, neither on
// the window nor on a panel it shows in front (Setup, print, explanations).
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
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

#include "BackgroundMdiArea.h"
#include "CalculatorsAsMet.h"
#include "MenuTree.h"
#include "ReportWindow.h"
#include "StartedProgram.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

QString FormOf(const char* menuItem) { return MenuItemNamed(menuItem)->FormName; }

// The text with each "%n" in turn replaced by the next argument.
template <class... Args>
QString Say(QString text, const Args&... args) {
    ((text = text.arg(args)), ...);
    return text;
}

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

QString Describe(QWidget* control) {
    QString text;
    if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
    return QString("%1 \"%2\"").arg(control->objectName(), text);
}

// Where a control lies in the window.
QRect InWindow(QWidget& control, QWidget& window) {
    return QRect(control.mapTo(&window, QPoint(0, 0)), control.size());
}

// Why a caption is cut, or empty when it fits: a label's text against its
// width and height, a button's text (with a box's or radio's indicator)
// against its width.
QString CutCaption(QWidget& control) {
    const QFontMetrics metrics = control.fontMetrics();
    int needed = 0, has = 0;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        if (label->wordWrap() || label->text().isEmpty()) return {};
        text = ShownText(*label);
        if (label->contentsRect().height() < metrics.height())
            return Say("\"%1\" is %2 px high, needs %3", text, label->contentsRect().height(), metrics.height());
        needed = metrics.horizontalAdvance(text);
        has = label->contentsRect().width();
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        text = QString(button->text()).remove('&');
        if (text.isEmpty()) return {};
        const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        needed = box ? button->sizeHint().width() : metrics.horizontalAdvance(text) + 6;
        has = button->width();
    }
    return needed <= has ? QString() : Say("\"%1\" needs %2 px, has %3", text, needed, has);
}

// A table heading cut against its section, or empty.
QString CutHeading(QHeaderView& header) {
    const int margins = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int section = 0; section < header.count(); ++section) {
        const QString text = header.model()->headerData(section, header.orientation()).toString();
        const int needed = header.fontMetrics().horizontalAdvance(text.trimmed()) + margins;
        if (needed > header.sectionSize(section))
            return Say("heading \"%1\" needs %2 px, has %3", text, needed, header.sectionSize(section));
    }
    return {};
}

// The first caption cut among the controls, or the first two of them that
// lie over each other in the window; empty when all fit apart.
QString Misfit(const QList<QWidget*>& controls, QWidget& window) {
    for (QWidget* control : controls)
        if (const QString cut = CutCaption(*control); !cut.isEmpty()) return cut;
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j)
            if (InWindow(*controls[i], window).intersects(InWindow(*controls[j], window)))
                return Describe(controls[i]) + " overlaps " + Describe(controls[j]);
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

QPushButton* OkButton(QWidget& window) {
    return window.findChildren<QPushButton*>(QRegularExpression("^cmdO[kK]$")).value(0);
}

}  // namespace

class CalculatorsInShellTest : public QObject {
    Q_OBJECT
    StartedProgram program_;

private slots:
    void init() {
        QVERIFY(program_.start());
        main().resize(1000, 700);
        QVERIFY(QTest::qWaitForWindowActive(&main()));
    }
    void cleanup() { program_.stop(); }

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
        OkButton(*window)->click();
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
            QWidget* window = open(CalculatorFor("mnuCompCar"));
            QVERIFY(window);
            auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
            program_.shell().calcState().CompanyCar.DatesRejected = true;
            program_.messages.clear();
            byOk ? OkButton(*window)->click() : (void)frame->close();
            QCOMPARE(program_.messages.messages().size(), std::size_t{1});
            QVERIFY(frame->isVisible());
            QVERIFY(window->isVisible());
            program_.shell().calcState().CompanyCar.DatesRejected = false;
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
        calculate(*window, *calculator);
        ClickEnabled(WindowDriver(*window), calculator->PrintButton);
        ui::PrintPanel* panel = nullptr;
        for (auto* candidate : window->findChildren<ui::PrintPanel*>())
            if (candidate->isVisible()) panel = candidate;
        QVERIFY(panel);
        panel->cmdVR()->click();
        QVERIFY(program_.messages.empty());

        QMdiSubWindow* report = main().workArea().activeSubWindow();
        QVERIFY(report && qobject_cast<ReportWindow*>(report->widget()));
        QCoreApplication::processEvents();
        const QRect viewport = main().workArea().viewport()->rect();
        QVERIFY2(viewport.contains(InViewport(*report, main().workArea())),
                 qPrintable(Say("report at %1,%2 %3x%4 in %5x%6", report->x(), report->y(), report->width(),
                                report->height(), viewport.width(), viewport.height())));
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
                 qPrintable(Say("company car %1x%2 in a main window %3 wide", frame->width(), frame->height(),
                                main().width())));
    }

    // A main window kept small (the screen allows no more) lets the user
    // scroll to every part of a calculator.
    void aSmallMainWindowScrollsToTheWholeCalculator() {
        QWidget* window = open(CalculatorFor("mnuCompCar"));
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
        const Calculator& fortnightly = CalculatorFor("mnuFortNight");
        QWidget* window = open(fortnightly);
        QVERIFY(window);
        calculate(*window, fortnightly);
        const WindowDriver driver = fortnightly.driver(*window);
        const QString before = driver.shown("employeeUif");
        QLineEdit* days = driver.field("thisDays");
        days->setFocus();
        days->selectAll();
        QTest::keyClicks(days, "15");
        QTest::keyClick(days, Qt::Key_C, Qt::AltModifier);
        QTest::qWait(300);  // an access key clicks its button after a moment
        QCOMPARE(days->text(), QString("14"));
        QCOMPARE(driver.shown("employeeUif"), before);
    }

    // Each step's row is as tall as its text needs at the width its column
    // has on screen, the first time the working is shown.
    void workingRowsFitTheirText() {
        int shown = 0;
        for (const Calculator& calculator : kCalculators) {
            QWidget* window = open(calculator);
            QVERIFY(window);
            if (!window->findChild<QPushButton*>("cmdWorking")) continue;
            calculate(*window, calculator);
            ClickEnabled(WindowDriver(*window), "cmdWorking");
            auto* working = window->findChild<QWidget*>("frmWorking");
            QVERIFY(QTest::qWaitForWindowExposed(working));
            auto* grid = working->findChild<QTableWidget*>("grdWorking");
            QList<int> heights;
            for (int row = 0; row < grid->rowCount(); ++row) heights << grid->rowHeight(row);
            grid->resizeRowsToContents();  // what the rows need at the columns' present widths
            for (int row = 0; row < grid->rowCount(); ++row)
                QVERIFY2(heights[row] == grid->rowHeight(row),
                         qPrintable(Say("%1 row %2 \"%3\" is %4 px, needs %5", calculator.MenuItem, row,
                                        grid->item(row, 0)->text(), heights[row], grid->rowHeight(row))));
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
        calculate(*window, *calculator);
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
            const QString misfit = Misfit(VisibleControls(*panel), *panel);
            QVERIFY2(misfit.isEmpty(), qPrintable(where + misfit));

            const QRect area = InWindow(*panel, *window);
            QVERIFY2(panel->autoFillBackground(), qPrintable(where + "not opaque"));
            const int differing = DifferingPixels(window->grab(area).toImage(), panel->grab().toImage());
            QVERIFY2(differing == 0, qPrintable(where + Say("%1 pixels of what lies behind show through", differing)));
            for (QWidget* control : VisibleControls(*window)) {
                if (panel->isAncestorOf(control)) continue;
                const QRect rect = InWindow(*control, *window);
                QVERIFY2(!area.intersects(rect) || area.contains(rect),
                         qPrintable(where + Describe(control) + " shows at the panel's edge"));
                const QString cut = area.intersects(rect) ? QString() : CutCaption(*control);
                QVERIFY2(cut.isEmpty(), qPrintable(where + "squeezed " + cut));
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
        const QString misfit = Misfit(controls, *window);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
        for (QHeaderView* header : window->findChildren<QHeaderView*>()) {
            if (!header->isVisible() || header->orientation() != Qt::Horizontal) continue;
            const QString cut = CutHeading(*header);
            QVERIFY2(cut.isEmpty(), qPrintable(cut));
        }
        // Results look unlike the fields to type into: no frame, no entry background.
        for (QWidget* control : controls) {
            auto* field = qobject_cast<QLineEdit*>(control);
            if (!field) continue;
            QVERIFY2(field->hasFrame() != field->isReadOnly(), qPrintable(Describe(field)));
            if (field->isReadOnly())
                QVERIFY2(field->palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Base),
                         qPrintable(Describe(field)));
        }
    }

private:
    MainWindow& main() { return program_.main(); }

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

    // Types and clicks what gives the calculator a result, then calculates.
    static void calculate(QWidget& window, const Calculator& calculator) {
        WindowDriver driver = calculator.driver(window);
        driver.typeAll(calculator.Typed);
        ClickEnabled(driver, "cmdCalculate");
    }
};

QTEST_MAIN(CalculatorsInShellTest)
#include "CalculatorsInShellTest.moc"
