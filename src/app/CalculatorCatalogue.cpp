#include "CalculatorCatalogue.h"

#include "MainWindow.h"
#include "frmAnnual.h"
#include "frmCarAll1.h"
#include "frmCompCar.h"
#include "frmDayBal.h"
#include "frmDaily.h"
#include "frmFortNight.h"
#include "frmMonthly.h"
#include "frmWeekly.h"
#include "frmKelvaraAnn.h"
#include "frmKelvaraMon.h"
#include "frmInflation.h"
#include "frmKwikTax.h"
#include "frmLoanBuster.h"
#include "frmLoanComp.h"
#include "frmLoans.h"
#include "frmPravelAnn.h"
#include "frmPravelMon.h"

namespace kelvara {

namespace {

// The salary package windows read and write the settings database.
template <typename Window>
QWidget* OpenPackageWindow(MainWindow& w) {
    CalcState& state = w.calcState();
    return new Window(state.Engine, state.SettingsDatabasePath, state.PrintDirect, w.reportEngine());
}

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
    window.registerCalculator("mnuKelvaraMon", OpenPackageWindow<frmKelvaraMon>);
    window.registerCalculator("mnuKelvaraAnn", OpenPackageWindow<frmKelvaraAnn>);
    window.registerCalculator("mnuPravelMon", OpenPackageWindow<frmPravelMon>);
    window.registerCalculator("mnuPravelAnn", OpenPackageWindow<frmPravelAnn>);
    window.registerCalculator("mnuLoans", [](MainWindow& w) {
        CalcState& state = w.calcState();
        return new frmLoans(state.Loan, state.PrintDirect, w.reportEngine());
    });
    window.registerCalculator("mnuInflationProject", [](MainWindow& w) {
        return new frmInflation(w.calcState().Inflation, w.reportEngine());
    });
    window.registerCalculator("mnuLoansBuster", [](MainWindow& w) {
        return new frmLoanBuster(w.calcState().LoanBuster, w.reportEngine());
    });
    window.registerCalculator("mnuLoansComparison", [](MainWindow& w) {
        return new frmLoanComp(w.calcState().LoanComp, w.reportEngine());
    });
    window.registerCalculator("mnuDailyBalance", [](MainWindow& w) {
        return new frmDayBal(w.calcState().DailyBalance, w.reportEngine());
    });
    window.registerCalculator("mnuCarAll1", [](MainWindow& w) {
        CalcState& state = w.calcState();
        return new frmCarAll1(state.TravelAllowance, state.PrintDirect, w.reportEngine());
    });
    window.registerCalculator("mnuCompCar", [](MainWindow& w) {
        CalcState& state = w.calcState();
        return new frmCompCar(state.CompanyCar, state.PrintDirect, w.reportEngine());
    });
}

}  // namespace kelvara
