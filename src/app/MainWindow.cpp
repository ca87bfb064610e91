#include "MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QUrl>
#include <algorithm>

#include "AboutWindow.h"
#include "BackgroundMdiArea.h"
#include "BusyPointer.h"
#include "CalculatorAccessKeys.h"
#include "DesktopCalculator.h"
#include "HelpWindow.h"
#include "MenuTree.h"
#include "MessageService.h"
#include "ReportEngine.h"
#include "Twips.h"
#include "WindowPlacement.h"

namespace kelvara {

namespace {

// The windows "&Initialise All" closes, in this order. The fortnightly and
// QuickTax calculators are not among them and keep their inputs.
constexpr const char* InitialiseAllCloses[] = {
    "frmAnnual",      "frmMonthly",    "frmWeekly",    "frmDaily",      "frmCompCar",  "frmCarAll1",
    "frmHelpBrowser", "frmInflation",  "frmLoans",     "frmLoanBuster", "frmLoanComp", "frmDayBal",
    "frmKelvaraMon",  "frmKelvaraAnn", "frmPravelMon", "frmPravelAnn",
};

constexpr int CompanyCarWidthTwips = 13405;
constexpr const char* VideoLecturesAddress = "https://www.kelvara.co.za/videos";
constexpr const char* MessageTitle = "Kelvara 2027";

}  // namespace

MainWindow::MainWindow(CalcState& state, const QString& programFolder, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      area_(new BackgroundMdiArea(this)),
      desktopCalculators_(DesktopCalculatorPrograms()) {
    rptMainReport_ = std::make_unique<ReportEngine>(*this, printer_, state_.ReportDatabasePath, programFolder);
    setObjectName("MDIForm1");
    setWindowTitle("Kelvara 2027");
    setCentralWidget(area_);
    // A calculator larger than the work area is reached by scrolling.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    resize(1000, 700);
    buildMenu();
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &MainWindow::showHelpForActiveWindow);
    new CalculatorAccessKeys([this] { return activeChildWindow(); }, this);
    // F10 opens the menu as Alt alone does, whatever window is active.
    auto* menuKey = new QShortcut(Qt::Key_F10, this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
}

void MainWindow::showHelpForActiveWindow() {
    const QMdiSubWindow* active = area_->activeSubWindow();
    const QString section = active && active->widget() ? HelpSectionFor(active->widget()->objectName()) : QString();
    auto* help = qobject_cast<HelpWindow*>(openWindow("mnuContents"));
    if (help && !section.isEmpty()) help->showSection(section);
}

MainWindow::~MainWindow() = default;

// The report window takes nine tenths of the visible work area, centred in it,
// so that its title, its close box and the whole width of its pages show.
void MainWindow::ShowReportWindow(QWidget* window) {
    QMdiSubWindow* sub = area_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    const QRect visible = area_->viewport()->rect();
    sub->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, visible.size() * 9 / 10, visible));
    sub->show();
    area_->setActiveSubWindow(sub);
}

void MainWindow::buildMenu() {
    for (const MenuSpec& menuSpec : MainMenuTree()) {
        QMenu* menu = menuBar()->addMenu(menuSpec.Caption);
        menu->setObjectName(menuSpec.Name);
        actions_.insert(menuSpec.Name, menu->menuAction());
        for (const MenuItemSpec& item : menuSpec.Items) {
            QAction* action = item.isSeparator() ? menu->addSeparator() : menu->addAction(item.Caption);
            action->setObjectName(item.Name);
            actions_.insert(item.Name, action);
            if (item.isSeparator()) continue;
            const QString name = item.Name;
            if (item.opensWindow()) {
                action->setEnabled(false);  // until its window is registered
                connect(action, &QAction::triggered, this, [this, name] { openWindow(name); });
            } else {
                connect(action, &QAction::triggered, this, [this, name] { runMenuCommand(name); });
            }
        }
    }
}

void MainWindow::runMenuCommand(const QString& itemName) {
    if (itemName == "mnuNew")
        initialiseAll();
    else if (itemName == "mnuPrinterSet")
        showPrinterSetup();
    else if (itemName == "mnuExit")
        close();
    else if (itemName == "mnuMSCalculator")
        startDesktopCalculator();
    else if (itemName == "VideoLectures1")
        QDesktopServices::openUrl(QUrl(VideoLecturesAddress));
    else if (itemName == "mnuAbout")
        showAbout();
    // "&Search For Help On..." does nothing.
}

void MainWindow::registerCalculator(const QString& menuItemName, WindowFactory factory) {
    const MenuItemSpec* item = MenuItemNamed(menuItemName.toUtf8().constData());
    Q_ASSERT_X(item && item->opensWindow(), "registerCalculator", "no menu item opens a window of that name");
    if (!item || !item->opensWindow()) return;
    factories_.insert(menuItemName, std::move(factory));
    actions_.value(menuItemName)->setEnabled(true);
}

QStringList MainWindow::registeredItems() const {
    QStringList items;
    for (const MenuSpec& menu : MainMenuTree())
        for (const MenuItemSpec& item : menu.Items)
            if (factories_.contains(item.Name)) items << item.Name;
    return items;
}

QWidget* MainWindow::openWindow(const QString& menuItemName) {
    const MenuItemSpec* item = MenuItemNamed(menuItemName.toUtf8().constData());
    if (!item || !factories_.contains(menuItemName)) return nullptr;
    BusyPointer busy;
    QMdiSubWindow* sub = findSubWindow(item->FormName);
    if (!sub) {
        QWidget* window = factories_.value(menuItemName)(*this);
        window->setObjectName(item->FormName);
        sub = area_->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
    }
    sub->show();
    sub->raise();
    area_->setActiveSubWindow(sub);
    if (item->Then == AfterOpen::Cascade) area_->cascadeSubWindows();
    if (item->Then == AfterOpen::WidenAndCascade) widenAndCascade(*sub);
    return sub->widget();
}

// The company car is the widest calculator: the main window grows to at least
// 13405 twips and to what the cascaded window needs, never narrower than it
// was, and no larger than the screen allows; whatever still does not fit is
// reached through the work area's scroll bars.
void MainWindow::widenAndCascade(QMdiSubWindow& opened) {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    area_->cascadeSubWindows();
    const QSize frame = frameGeometry().size() - size();
    const QSize fitting = size() + QSize(opened.geometry().right() + 1 - area_->viewport()->width(),
                                         opened.geometry().bottom() + 1 - area_->viewport()->height());
    const QRect free = screen()->availableGeometry();
    const QSize wanted = fitting.expandedTo({PixelsFromTwips(CompanyCarWidthTwips) - frame.width(), 0})
                             .boundedTo(free.size() - frame)
                             .expandedTo(size());
    resize(wanted);
    // Grown past the screen's edge, it moves back onto the screen.
    const QSize outer = wanted + frame;
    move(std::clamp(x(), free.left(), std::max(free.left(), free.right() + 1 - outer.width())),
         std::clamp(y(), free.top(), std::max(free.top(), free.bottom() + 1 - outer.height())));
}

// A closed window may linger until its deferred deletion; it no longer counts.
QMdiSubWindow* MainWindow::findSubWindow(const QString& formName) const {
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (!sub->isHidden() && sub->widget() && sub->widget()->objectName() == formName) return sub;
    return nullptr;
}

QWidget* MainWindow::findWindow(const QString& formName) const {
    QMdiSubWindow* sub = findSubWindow(formName);
    return sub ? sub->widget() : nullptr;
}

QWidget* MainWindow::activeChildWindow() const {
    QMdiSubWindow* sub = area_->activeSubWindow();
    return sub ? sub->widget() : nullptr;
}

QAction* MainWindow::menuAction(const QString& itemName) const { return actions_.value(itemName); }

QWidget* MainWindow::showAbout() {
    BusyPointer busy;
    if (!about_) about_ = new AboutWindow(this);
    about_->show();  // shown first, so that its frame counts in the placement
    PlaceOverMainWindow(*about_, *this);
    about_->raise();
    return about_;
}

void MainWindow::initialiseAll() {
    {
        BusyPointer busy;
        InitCalcState(state_);
    }
    // Each window answers its own close request and may refuse it.
    for (const char* formName : InitialiseAllCloses)
        if (QMdiSubWindow* sub = findSubWindow(formName)) sub->close();
}

// Cancelling and any failure of the dialog leave the printer as it was. With
// no printer installed there is nothing to choose from, so the user is told.
void MainWindow::showPrinterSetup() {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        ui::ShowMessage(this, MessageTitle, "No printer is installed.", ui::MessageIcon::Information);
        return;
    }
    QPrintDialog dialog(&printer_, this);
    dialog.exec();
}

void MainWindow::startDesktopCalculator() {
    if (StartFirstProgram(desktopCalculators_)) return;
    ui::ShowMessage(this, MessageTitle, "The Microsoft Calculator is not installed or in the Windows directory",
                    ui::MessageIcon::None);
}

// The help window goes first; the calculators close with the main window.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (QMdiSubWindow* help = findSubWindow("frmHelpBrowser")) help->close();
    if (about_) about_->close();
    event->accept();
}

}  // namespace kelvara
