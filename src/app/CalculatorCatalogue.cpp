#include "CalculatorCatalogue.h"

#include "MainWindow.h"

namespace kelvara {

// Each calculator adds one line here, e.g.
//   window.registerCalculator("QuickTax", [](MainWindow& w) { return new KwikTaxWindow(w.calcState()); });
// Items without a registered window stay disabled in the menu.
void RegisterCalculators([[maybe_unused]] MainWindow& window) {}

}  // namespace kelvara
