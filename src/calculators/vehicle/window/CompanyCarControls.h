#pragma once
#include <vector>

#include "CompanyCar.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

namespace kelvara {

namespace ui {
class DateField;
class DecimalField;
class PrintPanel;
class TextField;
}  // namespace ui

// A whole-rand or kilometre entry of a vehicle and the field it stores into.
struct VehicleAmountEntry {
    ui::DecimalField* Field;
    double CompanyCarVehicle::*Stored;
};

// Every control of the company-car window. All of them are direct children
// of the window, so that locking and unlocking the window reaches each one.
struct CompanyCarControls {
    QLabel* lblCCRegNumber;
    ui::TextField* txtCCRegNumber;
    ui::TextField* txtCCMake;
    ui::TextField* txtCCModel;
    ui::TextField* txtYearOfManfact;
    ui::DateField* dtCCStartDate;
    ui::DateField* dtCCEndDate;

    // Price, mileages, distances, the employee's costs and the car's code 3802
    // amount, in the order they are loaded.
    std::vector<VehicleAmountEntry> amounts;
    ui::DecimalField* numTotalDistance;
    ui::DecimalField* numBusDistance;
    ui::DecimalField* numActualExpEmployee;
    ui::DecimalField* numFB3802ThisCar;
    ui::DecimalField* numActual3802;

    QCheckBox* chkMaintIncluded;
    QCheckBox* chkBussMilage;
    QCheckBox* chkSARSTable;
    QCheckBox* chkAutoCalc3802;

    // Figures of the calculation.
    ui::DecimalField* numFuelComponent;
    ui::DecimalField* numAdjustTaxableInc;
    ui::DecimalField* numCCMonths;
    ui::DecimalField* numPrivateDistance;
    ui::DecimalField* numTrueInclusion;
    ui::DecimalField* numTrueInclusion_1;
    ui::DecimalField* numFuelClaim;
    ui::DecimalField* numTotAddExpense;
    ui::DecimalField* numFuelExp;
    ui::DecimalField* numAdjustTaxableIncSARS;
    ui::DecimalField* numIRP53802;
    ui::DecimalField* numMonFB80;
    ui::DecimalField* numMonFB20;
    ui::DecimalField* numFortFB80;
    ui::DecimalField* numFortFB20;
    ui::DecimalField* numWeekFB80;
    ui::DecimalField* numWeekFB20;
    ui::DecimalField* numTotAdjustTaxableInc;
    ui::DecimalField* numTotAdjustTaxableIncSARS;

    QPushButton* cmdOk;
    QPushButton* cmdBack;
    QPushButton* cmdAdd;
    QPushButton* cmdDelete;
    QPushButton* cmdForward;
    QPushButton* cmdCalculate;
    QPushButton* cmdPrint;
    ui::PrintPanel* Frame1;
};

// Creates the controls with their captions and bounds and lays them out.
CompanyCarControls BuildCompCarControls(QWidget& window);

}  // namespace kelvara
