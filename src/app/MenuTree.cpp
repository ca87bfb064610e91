#include "MenuTree.h"

#include <cstring>

namespace kelvara {

const std::vector<MenuSpec>& MainMenuTree() {
    static const std::vector<MenuSpec> tree{
        {"mnuFile",
         "&File",
         {
             {"mnuNew", "&Initialise All"},
             {"mnuTaxYear", "&Tax year"},
             {"Space1", "-"},
             {"mnuPrinterSet", "&Printer Setup"},
             {"Space2", "-"},
             {"mnuExit", "E&xit"},
         }},
        {"mnuKelvara",
         "&Kelvara",
         {
             {"mnuKelvaraMon", "&Monthly", "frmKelvaraMon", AfterOpen::Cascade},
             {"mnuKelvaraAnn", "&Annual", "frmKelvaraAnn", AfterOpen::Cascade},
         }},
        {"mnuPravel",
         "P&ravel",
         {
             {"mnuPravelMon", "&Monthly", "frmPravelMon", AfterOpen::Cascade},
             {"mnuPravelAnn", "&Annual", "frmPravelAnn", AfterOpen::Cascade},
         }},
        {"mnuTaxCalc",
         "&TaxCalcs",
         {
             {"mnuAnnual", "&Annual", "frmAnnual"},
             {"mnuMonthly", "&Monthly", "frmMonthly"},
             {"mnuFortNight", "&FortNightly", "frmFortNight"},
             {"mnuWeekly", "&Weekly", "frmWeekly"},
             {"mnuDaily", "&Daily", "frmDaily"},
             {"QuickTax", "QuickTax", "frmKwikTax"},
         }},
        {"mnuCarCalcs",
         "&Car Calculations",
         {
             {"mnuCompCar", "&Company car", "frmCompCar", AfterOpen::WidenAndCascade},
             {"mnuCarAll1", "Car Allowance", "frmCarAll1", AfterOpen::Cascade},
         }},
        {"mnuBusinessCalcs",
         "Bu&siness Calculations",
         {
             {"mnuInflationProject", "Inflation Projections", "frmInflation"},
             {"mnuLoans", "Loans", "frmLoans"},
             {"mnuLoansBuster", "Loan buster", "frmLoanBuster"},
             {"mnuLoansComparison", "Loan comparison", "frmLoanComp"},
             {"mnuDailyBalance", "Daily balance", "frmDayBal"},
             {"mnuMSCalculator", "&MS-Calculator"},
         }},
        {"mnuHelp",
         "&Help/Videos",
         {
             {"mnuContents", "Kelvara 2027 Help", "frmHelpBrowser"},
             {"VideoLectures1", "Video Lectures"},
             {"mnuHelpSearchForHelpOn", "&Search For Help On..."},
             {"Space3", "-"},
             {"mnuAbout", "&About Kelvara2027..."},
         }},
    };
    return tree;
}

const MenuItemSpec* MenuItemNamed(const char* itemName) {
    for (const MenuSpec& menu : MainMenuTree())
        for (const MenuItemSpec& item : menu.Items)
            if (std::strcmp(item.Name, itemName) == 0) return &item;
    return nullptr;
}

}  // namespace kelvara
