#include "CalculatorCatalogue.h"

#include "MainWindow.h"
#include "frmKwikTax.h"

namespace kelvara {

// Each calculator adds its menu item here; items without a registered window
// stay disabled in the menu.
void RegisterCalculators(MainWindow& window) {
    window.registerCalculator("QuickTax", [](MainWindow& w) {
        CalcState& state = w.calcState();
        return new frmKwikTax(state.Engine, state.QuickTax, state.PrintDirect, w.reportEngine());
    });
}

}  // namespace kelvara
