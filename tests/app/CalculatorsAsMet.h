#pragma once
// Every calculator of the menu as a user meets it.
#include <QMap>
#include <QMetaType>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <iterator>

#include "WindowDriver.h"

namespace kelvara::testing {

// The fields, by menu item, that are named after their form's control arrays, by what they hold.
inline const QMap<QString, QMap<QString, QString>> kMeanings{
    {"mnuAnnual", {{"age", "silgEdit1"}, {"salary", "silgEdit2"}}},
    {"mnuMonthly", {{"age", "silgEdit9"}}},
    {"mnuFortNight", {{"age", "silgEdit14"}, {"thisDays", "silgEdit22"}, {"employeeUif", "numMAns1"}}},
    {"mnuWeekly", {{"age", "silgEdit14"}}},
    {"mnuDaily", {{"age", "silgEdit23"}}},
    {"QuickTax", {{"income", "sidbEdit1_0"}, {"age", "sidbEdit1_1"}}},
    {"mnuCarAll1",
     {{"value", "silgEdit1"},
      {"allowance", "silgEdit2"},
      {"closingKm", "silgEdit3"},
      {"openingKm", "silgEdit4"},
      {"businessKm", "silgEdit5"}}},
};

// The menu item that opens a calculator; what gives it a result worth
// printing: figures typed ("field=figure") and buttons clicked ("!button"), in
// order; the button that prints it. For the calculators whose printing a test
// follows, the panel that button opens, and a field of the report record that
// the typing fills, with its value.
struct Calculator {
    const char* MenuItem;
    Entries Typed;
    const char* PrintButton = "cmdPrint";
    const char* PrintPanel = "";
    const char* Table = "";
    const char* Field = "";
    double Value = 0;

    // A driver of the calculator's window that knows its fields by what they hold.
    WindowDriver driver(QWidget& window) const {
        WindowDriver driver(window);
        driver.nameControls(kMeanings.value(MenuItem));
        return driver;
    }
};

inline const Calculator kCalculators[] = {
    {"mnuKelvaraMon", {"numAge=40", "numNetMonSalReq=12000"}, "cmdPrint", "Frame1", "SalPackage", "NetMonSal", 12000},
    {"mnuKelvaraAnn", {"numAge=40", "numNetMonSalReq=150000"}},
    {"mnuPravelMon", {"numAge=40", "numNetMonSalReq=25000"}},
    {"mnuPravelAnn", {"numAge=40", "numNetMonSalReq=400000"}},
    {"mnuAnnual", {"age=40", "salary=420000"}},
    {"mnuMonthly", {"age=40", "numSalRemun=25000"}, "cmdPrint", "fraPrint", "IRP5Mon", "SalNum", 25000},
    {"mnuFortNight", {"age=40", "numSalRemun=12000"}},
    {"mnuWeekly", {"age=40", "numSalRemun=6000"}},
    {"mnuDaily", {"age=40", "numSalRemun=1200"}},
    {"QuickTax", {"income=500000", "age=40"}, "cmPrint", "Frame1", "kwiktax", "TAXINCOME", 500000},
    {"mnuCompCar", Entries({"txtCCRegNumber=new", "!cmdAdd", "txtCCRegNumber=CA 123-456", "numCCPrice=300000",
                            "numEndMileage=50000", "numStartMileage=20000"})},
    {"mnuCarAll1",
     Entries({"value=250000", "allowance=120000", "closingKm=60000", "openingKm=30000", "businessKm=18000"}),
     "cmdPrint", "Frame1", "traveldeduction", "MTD", 30000},
    {"mnuInflationProject", Entries({"numPresCost=100000", "numPeriod=10", "numInflaRate=6"}), "cmdPrint", "fraPrint",
     "Inflation", "PresCost", 100000},
    {"mnuLoans", {"numPrinAmount=100000", "numPeriod=30", "numIntRate=10"}},
    {"mnuLoansBuster", {"numPrinAmount=500000", "numPeriod=240", "numIntRate=10.5"}},
    {"mnuLoansComparison", {"numBAmt=500000", "numIntRate=10.5"}},
    {"mnuDailyBalance", {"numCapAmount=100000", "numIntRate=10", "dtStartDate=01/03/2026", "dtEndDate=01/04/2026"}},
};

// Clicks the button, which must be there and enabled to click.
inline void ClickEnabled(WindowDriver driver, const char* name) {
    QVERIFY2(driver.enabled(name), name);
    driver.click(name);
}

inline const Calculator& CalculatorFor(const char* menuItem) {
    return *std::find_if(std::begin(kCalculators), std::end(kCalculators),
                         [menuItem](const Calculator& c) { return std::strcmp(c.MenuItem, menuItem) == 0; });
}

}  // namespace kelvara::testing

Q_DECLARE_METATYPE(const kelvara::testing::Calculator*)
