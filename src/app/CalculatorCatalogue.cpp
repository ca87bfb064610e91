#include "CalculatorCatalogue.h"

#include "AnnualPayeWindow.h"
#include "CompanyCarWindow.h"
#include "DailyBalanceWindow.h"
#include "DailyPayeWindow.h"
#include "FortnightlyPayeWindow.h"
#include "InflationWindow.h"
#include "LoanBusterWindow.h"
#include "LoanComparisonWindow.h"
#include "LoanWindow.h"
#include "MainWindow.h"
#include "MonthlyPayeWindow.h"
#include "PackageWindow.h"
#include "QuickTaxWindow.h"
#include "TravelAllowanceWindow.h"
#include "WeeklyPayeWindow.h"

namespace kelvara {

namespace {

// The salary package windows read and write the settings database.
template <PackageDirection direction, PackagePeriod period>
QWidget* OpenPackageWindow(MainWindow& w) {
    CalcState& state = w.calcState();
    return new PackageWindow({direction, period}, state.Engine, state.SettingsDatabasePath, state.PrintDirect,
                             w.reportEngine());
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
    window.registerCalculator("mnuAnnual", OpenPayeWindow<AnnualPayeWindow>);
    window.registerCalculator("mnuMonthly", OpenPayeWindow<MonthlyPayeWindow>);
    window.registerCalculator("mnuFortNight", OpenPayeWindow<FortnightlyPayeWindow>);
    window.registerCalculator("mnuWeekly", OpenPayeWindow<WeeklyPayeWindow>);
    window.registerCalculator("mnuDaily", OpenPayeWindow<DailyPayeWindow>);
    window.registerCalculator("QuickTax", [](MainWindow& w) {
        CalcState& state = w.calcState();
        return new QuickTaxWindow(state.Engine, state.QuickTax, state.PrintDirect, w.reportEngine());
    });
    using enum PackageDirection;
    using enum PackagePeriod;
    window.registerCalculator("mnuKelvaraMon", OpenPackageWindow<NetToGross, Monthly>);
    window.registerCalculator("mnuKelvaraAnn", OpenPackageWindow<NetToGross, Annual>);
    window.registerCalculator("mnuPravelMon", OpenPackageWindow<GrossToNet, Monthly>);
    window.registerCalculator("mnuPravelAnn", OpenPackageWindow<GrossToNet, Annual>);
    window.registerCalculator("mnuLoans", [](MainWindow& w) {
        CalcState& state = w.calcState();
        return new LoanWindow(state.Loan, state.PrintDirect, w.reportEngine());
    });
    window.registerCalculator("mnuInflationProject", [](MainWindow& w) {
        return new InflationWindow(w.calcState().Inflation, w.reportEngine());
    });
    window.registerCalculator("mnuLoansBuster", [](MainWindow& w) {
        return new LoanBusterWindow(w.calcState().LoanBuster, w.reportEngine());
    });
    window.registerCalculator("mnuLoansComparison", [](MainWindow& w) {
        return new LoanComparisonWindow(w.calcState().LoanComp, w.reportEngine());
    });
    window.registerCalculator("mnuDailyBalance", [](MainWindow& w) {
        return new DailyBalanceWindow(w.calcState().DailyBalance, w.reportEngine());
    });
    window.registerCalculator("mnuCarAll1", [](MainWindow& w) {
        CalcState& state = w.calcState();
        return new TravelAllowanceWindow(state.TravelAllowance, state.PrintDirect, w.reportEngine());
    });
    window.registerCalculator("mnuCompCar", [](MainWindow& w) {
        CalcState& state = w.calcState();
        return new CompanyCarWindow(state.CompanyCar, state.PrintDirect, w.reportEngine());
    });
}

}  // namespace kelvara
