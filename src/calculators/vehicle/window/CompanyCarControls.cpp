#include "CompanyCarControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

#include "DateField.h"
#include "DecimalField.h"
#include "FieldFactory.h"
#include "PrintPanel.h"
#include "TextField.h"

namespace kelvara {

namespace {

constexpr int FieldWidth = 96;
constexpr int CaptionWidth = 150;

const FieldBounds& BoundsOf(std::string_view field) {
    const NamedFieldBounds* row = FindBounds(CompanyCarFieldBounds, field);
    return (row ? *row : CompanyCarFieldBounds.front()).Bounds;
}

// A caption beside its field; long captions wrap. The field is its buddy, so
// that "&&" shows as one ampersand.
QLabel* Caption(QWidget& window, const QString& text, QWidget* field) {
    auto* label = new QLabel(text, &window);
    label->setObjectName("lbl" + field->objectName().mid(field->objectName().startsWith("dt") ? 2 : 3));
    label->setWordWrap(true);
    label->setFixedWidth(CaptionWidth);
    label->setBuddy(field);
    return label;
}

QLabel* Heading(QWidget& window, const QString& text) {
    auto* label = new QLabel(text, &window);
    label->setObjectName("lblHeading");
    label->setStyleSheet("font-weight: bold;");
    return label;
}

// A whole-number entry bounded as its state field.
ui::DecimalField* Entry(QWidget& window, const char* name) {
    auto* field = ui::BoundedDecimal(name, BoundsOf(std::string_view(name).substr(3)), &window);
    field->setFixedPitch(true);
    field->setMaximumWidth(FieldWidth);
    return field;
}

// A figure of the calculation; the program sets it, the user cannot.
ui::DecimalField* Figure(QWidget& window, const char* name, int decimals = 0) {
    auto* field = new ui::DecimalField(&window);
    field->setObjectName(name);
    field->setDecimals(decimals);
    field->setFixedPitch(true);
    field->setReadOnly(true);
    field->setMaximumWidth(FieldWidth);
    return field;
}

ui::TextField* Text(QWidget& window, const char* name, int maxLength) {
    auto* field = new ui::TextField(maxLength, &window);
    field->setObjectName(name);
    field->setMaximumWidth(FieldWidth + 24);
    return field;
}

ui::DateField* Date(QWidget& window, const char* name) {
    auto* field = new ui::DateField(&window);
    field->setObjectName(name);
    field->setMaximumWidth(FieldWidth);
    return field;
}

QCheckBox* Tick(QWidget& window, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, &window);
    box->setObjectName(name);
    return box;
}

QPushButton* Button(QWidget& window, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, &window);
    button->setObjectName(name);
    return button;
}

// One column of captions and fields, filled from the top.
class Column {
public:
    Column(QWidget& window, const QString& heading) : window_(window), grid_(new QGridLayout) {
        grid_->setVerticalSpacing(3);
        grid_->addWidget(Heading(window, heading), row_++, 0, 1, 2);
    }

    void add(const QString& caption, QWidget* field) {
        grid_->addWidget(Caption(window_, caption, field), row_, 0);
        grid_->addWidget(field, row_++, 1, Qt::AlignRight);
    }
    void add(QCheckBox* box) { grid_->addWidget(box, row_++, 0, 1, 2); }

    QGridLayout* finish() {
        grid_->setRowStretch(row_, 1);
        return grid_;
    }

private:
    QWidget& window_;
    QGridLayout* grid_;
    int row_ = 0;
};

}  // namespace

CompanyCarControls BuildCompCarControls(QWidget& w) {
    CompanyCarControls c{};
    c.txtCCRegNumber = Text(w, "txtCCRegNumber", RegNumberMaxLength);
    c.txtCCMake = Text(w, "txtCCMake", CarTextMaxLength);
    c.txtCCModel = Text(w, "txtCCModel", CarTextMaxLength);
    c.txtYearOfManfact = Text(w, "txtYearOfManfact", CarTextMaxLength);
    c.dtCCStartDate = Date(w, "dtCCStartDate");
    c.dtCCEndDate = Date(w, "dtCCEndDate");
    c.chkMaintIncluded = Tick(w, "chkMaintIncluded", "Maint. plan included?");
    c.chkBussMilage = Tick(w, "chkBussMilage", "Did you keep a log book detailing business mileage?");
    c.chkSARSTable = Tick(w, "chkSARSTable", "Or use SARS's cents/km fuel table?");
    c.chkAutoCalc3802 = Tick(w, "chkAutoCalc3802", "Auto-calculate f/benefit splits");
    c.chkAutoCalc3802->hide();

    const auto amount = [&](const char* name, double CompanyCarVehicle::*stored) {
        ui::DecimalField* field = Entry(w, name);
        c.amounts.push_back({field, stored});
        return field;
    };
    ui::DecimalField* numCCPrice = amount("numCCPrice", &CompanyCarVehicle::CCPrice);
    ui::DecimalField* numEndMileage = amount("numEndMileage", &CompanyCarVehicle::EndMileage);
    ui::DecimalField* numStartMileage = amount("numStartMileage", &CompanyCarVehicle::StartMileage);
    c.numTotalDistance = amount("numTotalDistance", &CompanyCarVehicle::TotalDistance);
    c.numBusDistance = amount("numBusDistance", &CompanyCarVehicle::BusDistance);
    c.numActualExpEmployee = amount("numActualExpEmployee", &CompanyCarVehicle::ActualExpEmployee);
    ui::DecimalField* numFuelReimbEmployer = amount("numFuelReimbEmployer", &CompanyCarVehicle::FuelReimbEmployer);
    ui::DecimalField* numEmpPaidInsurance = amount("numEmpPaidInsurance", &CompanyCarVehicle::EmpPaidInsurance);
    ui::DecimalField* numEmpPaidLicence = amount("numEmpPaidLicence", &CompanyCarVehicle::EmpPaidLicence);
    ui::DecimalField* numEmpPaidMaintenance = amount("numEmpPaidMaintenance", &CompanyCarVehicle::EmpPaidMaintenance);
    c.numFB3802ThisCar = amount("numFB3802ThisCar", &CompanyCarVehicle::FB3802ThisCar);
    c.numActual3802 = Entry(w, "numActual3802");

    c.numFuelComponent = Figure(w, "numFuelComponent");
    c.numAdjustTaxableInc = Figure(w, "numAdjustTaxableInc");
    c.numCCMonths = Figure(w, "numCCMonths");
    c.numPrivateDistance = Figure(w, "numPrivateDistance");
    c.numTrueInclusion = Figure(w, "numTrueInclusion");
    c.numTrueInclusion_1 = Figure(w, "numTrueInclusion_1");
    c.numFuelClaim = Figure(w, "numFuelClaim");
    c.numTotAddExpense = Figure(w, "numTotAddExpense");
    c.numFuelExp = Figure(w, "numFuelExp");
    c.numAdjustTaxableIncSARS = Figure(w, "numAdjustTaxableIncSARS", 2);
    c.numIRP53802 = Figure(w, "numIRP53802");
    c.numMonFB80 = Figure(w, "numMonFB80");
    c.numMonFB20 = Figure(w, "numMonFB20");
    c.numFortFB80 = Figure(w, "numFortFB80", 2);
    c.numFortFB20 = Figure(w, "numFortFB20", 2);
    c.numWeekFB80 = Figure(w, "numWeekFB80", 2);
    c.numWeekFB20 = Figure(w, "numWeekFB20", 2);
    c.numTotAdjustTaxableInc = Figure(w, "numTotAdjustTaxableInc");
    c.numTotAdjustTaxableIncSARS = Figure(w, "numTotAdjustTaxableIncSARS", 2);

    Column vehicle(w, "Vehicle");
    vehicle.add("Vehicle registration number", c.txtCCRegNumber);
    vehicle.add("Car Make", c.txtCCMake);
    vehicle.add("Car Model", c.txtCCModel);
    vehicle.add("Year of manufacture", c.txtYearOfManfact);
    vehicle.add("Price of vehicle (incl VAT)", numCCPrice);
    vehicle.add(c.chkMaintIncluded);
    vehicle.add("Start date", c.dtCCStartDate);
    vehicle.add("End date", c.dtCCEndDate);
    vehicle.add("No of days", c.numCCMonths);
    vehicle.add("Total code 3802 f/benefits on IRP5's", c.numActual3802);
    vehicle.add(c.chkAutoCalc3802);
    vehicle.add("Code 3802 f/benefit for this car", c.numFB3802ThisCar);
    vehicle.add("IRP5 code 3802 amount for this car", c.numIRP53802);
    c.lblCCRegNumber = w.findChild<QLabel*>("lblCCRegNumber");

    Column distance(w, "Distance and fuel");
    distance.add("End mileage", numEndMileage);
    distance.add("Start mileage", numStartMileage);
    distance.add("Total distance", c.numTotalDistance);
    distance.add("Business distance", c.numBusDistance);
    distance.add("Private distance", c.numPrivateDistance);
    distance.add(c.chkBussMilage);
    distance.add("True inclusion amount\n(adjusted for private mileage)", c.numTrueInclusion);
    distance.add("Actual fuel expenses paid by the employee", c.numActualExpEmployee);
    distance.add(c.chkSARSTable);
    distance.add("Fuel component", c.numFuelComponent);
    distance.add("Fuel expenses reimbursement\tby employer", numFuelReimbEmployer);
    distance.add("Fuel claim (adjusted for mileage)", c.numFuelClaim);

    Column adjustment(w, "Employee's costs and adjustment");
    adjustment.add("Employee paid ALL insurance costs", numEmpPaidInsurance);
    adjustment.add("Employee paid ALL licensing fees", numEmpPaidLicence);
    adjustment.add("Employee paid ALL maintenance costs", numEmpPaidMaintenance);
    adjustment.add("Total additional expenses (adjusted for mileage)", c.numTotAddExpense);
    adjustment.add("True inclusion amount", c.numTrueInclusion_1);
    adjustment.add("Less fuel && expenses", c.numFuelExp);
    adjustment.add("Adjustment to taxable income", c.numAdjustTaxableInc);
    adjustment.add("(SARS's claim awarded against taxable income)", c.numAdjustTaxableIncSARS);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(18);
    columns->addLayout(vehicle.finish());
    columns->addLayout(distance.finish());
    columns->addLayout(adjustment.finish());

    // The payroll figures at 80% and 20%, and the totals over all vehicles.
    auto* benefits = new QGridLayout;
    benefits->setVerticalSpacing(3);
    benefits->addWidget(Heading(w, "80%"), 0, 1, Qt::AlignRight);
    benefits->addWidget(Heading(w, "20%"), 0, 2, Qt::AlignRight);
    const auto benefitRow = [&](int row, const QString& caption, ui::DecimalField* at80, ui::DecimalField* at20) {
        auto* label = Caption(w, caption, at80);
        label->setWordWrap(false);
        label->setMinimumWidth(0);
        label->setMaximumWidth(QWIDGETSIZE_MAX);
        benefits->addWidget(label, row, 0);
        benefits->addWidget(at80, row, 1);
        benefits->addWidget(at20, row, 2);
    };
    benefitRow(1, "Monthly f/benefit amount for this car", c.numMonFB80, c.numMonFB20);
    benefitRow(2, "Fortnightly f/benefit amount for this car", c.numFortFB80, c.numFortFB20);
    benefitRow(3, "Weekly f/benefit amount for this car", c.numWeekFB80, c.numWeekFB20);

    Column totals(w, "All vehicles");
    totals.add("Total Adjustment to taxable income", c.numTotAdjustTaxableInc);
    totals.add("(SARS's claim awarded against taxable income)", c.numTotAdjustTaxableIncSARS);

    auto* lower = new QHBoxLayout;
    lower->addLayout(benefits);
    lower->addSpacing(24);
    lower->addLayout(totals.finish());
    lower->addStretch();

    c.cmdOk = Button(w, "cmdOk", "&Ok");
    c.cmdBack = Button(w, "cmdBack", "&Back");
    c.cmdAdd = Button(w, "cmdAdd", "&Add");
    c.cmdDelete = Button(w, "cmdDelete", "&Delete");
    c.cmdForward = Button(w, "cmdForward", "&Forward");
    c.cmdCalculate = Button(w, "cmdCalculate", "&Calculate");
    c.cmdPrint = Button(w, "cmdPrint", "&Print");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {c.cmdOk, c.cmdBack, c.cmdAdd, c.cmdDelete, c.cmdForward, c.cmdCalculate, c.cmdPrint})
        buttons->addWidget(b);

    c.Frame1 = new ui::PrintPanel("&Cancel", &w);

    auto* layout = new QVBoxLayout(&w);
    layout->addLayout(columns);
    layout->addSpacing(6);
    layout->addLayout(lower);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->addWidget(c.Frame1);
    return c;
}

}  // namespace kelvara
