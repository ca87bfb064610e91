#pragma once
#include <array>

#include "PackageInputs.h"

class QLabel;
class QWidget;

namespace kelvara {

namespace ui {
class DecimalField;
class TextField;
class WholeNumberField;
}  // namespace ui

// The fields of a package window's screen: the package's inputs beside their
// "Cost to company" column, the other-expense rows and the results. A field a
// window does not have is nullptr.
struct PackageControls {
    ui::DecimalField* numNetMonSalReq = nullptr;
    ui::DecimalField* numCCNetMonSalReq = nullptr;  // gross to net only
    ui::WholeNumberField* numAge = nullptr;
    ui::DecimalField* numCompCar = nullptr;
    ui::DecimalField* numCCCompCar = nullptr;
    ui::DecimalField* numTravAll = nullptr;
    ui::DecimalField* numCCTravAll = nullptr;
    ui::DecimalField* numMedAidCont = nullptr;
    ui::DecimalField* numCCMedAidCont = nullptr;
    ui::WholeNumberField* numPMems = nullptr;
    ui::WholeNumberField* numAddBens = nullptr;
    ui::DecimalField* numOTaxFB = nullptr;
    ui::DecimalField* numCCOTaxFB = nullptr;
    ui::DecimalField* numMedDeduct = nullptr;
    ui::DecimalField* numRFundCont = nullptr;
    ui::DecimalField* numCCRFundCont = nullptr;
    ui::DecimalField* numProvFund = nullptr;     // not in the monthly net-to-gross window
    ui::DecimalField* numCCProvFund = nullptr;   // not in the monthly net-to-gross window
    ui::DecimalField* numPenDeduct = nullptr;    // gross to net only
    ui::DecimalField* numCCPenDeduct = nullptr;  // gross to net only
    ui::DecimalField* numRADeduct = nullptr;     // not in the monthly net-to-gross window
    ui::DecimalField* numProvContPerc = nullptr;
    ui::DecimalField* numCCProvContPerc = nullptr;
    std::array<ui::TextField*, 4> txtOtherDet{};
    std::array<ui::DecimalField*, 4> numOtherDet{};
    std::array<ui::DecimalField*, 4> numOtherDetCC{};

    ui::DecimalField* numMAns = nullptr;  // tax due
    ui::DecimalField* numTaxCredit = nullptr;
    ui::DecimalField* numTaxDeduct = nullptr;
    ui::DecimalField* numUIFCont = nullptr;
    ui::DecimalField* numCCUIFCont = nullptr;
    ui::DecimalField* numCCSkillLev = nullptr;
    ui::DecimalField* numGrossSal = nullptr;  // gross salary, or the take-home salary
    ui::DecimalField* numTotCostComp = nullptr;
    ui::DecimalField* numOnceOff = nullptr;
    QLabel* lblOnceOff1 = nullptr;
    QLabel* lblOnceOff2 = nullptr;
};

// Makes the fields of the kind's window on screen and lays them out there:
// the package on the left, results and other expenses on the right. Every
// field starts at 0; the once-off note is hidden.
PackageControls BuildPackageControls(PackageKind kind, QWidget* screen);

}  // namespace kelvara
