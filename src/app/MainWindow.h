#pragma once
#include <QCoreApplication>
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QPrinter>
#include <QStringList>
#include <functional>
#include <memory>

#include "CalcState.h"
#include "ReportHost.h"

class QAction;
class QMdiSubWindow;

namespace kelvara {

class BackgroundMdiArea;
class ReportEngine;
class MainWindow;

// Makes a fresh window for a menu item; the window's objectName is its form
// name (frmAnnual, frmKwikTax, ...). The main window takes ownership.
using WindowFactory = std::function<QWidget*(MainWindow&)>;

// The main window (MDIForm1): the menu, the work area holding the calculator
// windows, the report engine with the printer every report prints on, and the
// commands of the menu. Report windows open in its work area.
class MainWindow : public QMainWindow, public ReportHost {
    Q_OBJECT
public:
    // programFolder: where the report layouts lie (the program's own folder).
    explicit MainWindow(CalcState& state, const QString& programFolder = QCoreApplication::applicationDirPath(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    CalcState& calcState() { return state_; }
    QPrinter& printer() { return printer_; }
    ReportEngine& reportEngine() { return *rptMainReport_; }

    // Shows a report window as a child window of the work area.
    void ShowReportWindow(QWidget* window) override;
    BackgroundMdiArea& workArea() { return *area_; }

    // Lets the menu item open its window: the item is enabled from now on.
    // What follows the opening (cascading, widening) is the item's own.
    void registerCalculator(const QString& menuItemName, WindowFactory factory);

    // The items that open a registered window, in menu order.
    QStringList registeredItems() const;

    // Shows the item's window as a child of the work area: an open one is
    // brought to the front as it is, a closed one is made afresh. Returns it
    // (nullptr when the item opens no registered window).
    QWidget* openWindow(const QString& menuItemName);

    // The open window of the given form, or nullptr.
    QWidget* findWindow(const QString& formName) const;

    // The menu's action of the given item name (menus, items and separators).
    QAction* menuAction(const QString& itemName) const;

    // The programs "&MS-Calculator" tries; the usual desktop calculators unless set.
    void setDesktopCalculators(const QStringList& programs) { desktopCalculators_ = programs; }

    // The About window, placed over this window and shown modelessly.
    QWidget* showAbout();

    // "&Initialise All": resets the shared state and closes the calculators
    // that do not keep their inputs.
    void initialiseAll();

    // F1: the help window, open at the section of the active calculator.
    void showHelpForActiveWindow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void runMenuCommand(const QString& itemName);
    void showPrinterSetup();
    void startDesktopCalculator();
    void widenAndCascade(QMdiSubWindow& opened);
    QWidget* activeChildWindow() const;
    QMdiSubWindow* findSubWindow(const QString& formName) const;

    CalcState& state_;
    QPrinter printer_;
    std::unique_ptr<ReportEngine> rptMainReport_;
    BackgroundMdiArea* area_;
    QMap<QString, QAction*> actions_;
    QMap<QString, WindowFactory> factories_;
    QStringList desktopCalculators_;
    QPointer<QWidget> about_;
};

}  // namespace kelvara
