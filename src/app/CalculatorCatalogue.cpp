#include "CalculatorCatalogue.h"

#include "MainWindow.h"
#include "frmAnnual.h"
#include "frmDaily.h"
#include "frmFortNight.h"
#include "frmMonthly.h"
#include "frmWeekly.h"
#include "frmKwikTax.h"

namespace kelvara {

namespace {

// The PAYE windows read the settings when they open and write them from their
// Setup panel.
template <typename Window>
QWidget* OpenPayeWindow(MainWindow& w) {
    CalcState& state = w.calcState();
    return new Window(state.Engine, state.PrintDirect, w.reportEngine(), state.SettingsDatabasePath);
}

}  // namespace

// Each calculator adds its menu item here; items without a registered window
// stay disabled in the menu.
void RegisterCalculators(MainWindow& window) {
    window.registerCalculator("mnuAnnual", OpenPayeWindow<frmAnnual>);
    window.registerCalculator("mnuMonthly", OpenPayeWindow<frmMonthly>);
    window.registerCalculator("mnuFortNight", OpenPayeWindow<frmFortNight>);
    window.registerCalculator("mnuWeekly", OpenPayeWindow<frmWeekly>);
    window.registerCalculator("mnuDaily", OpenPayeWindow<frmDaily>);
    window.registerCalculator("QuickTax", [](MainWindow& w) {
        CalcState& state = w.calcState();
        return new frmKwikTax(state.Engine, state.QuickTax, state.PrintDirect, w.reportEngine());
    });
}

}  // namespace kelvara
