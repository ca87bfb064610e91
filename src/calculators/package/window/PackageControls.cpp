#include "PackageControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <limits>

#include "DecimalField.h"
#include "FieldFactory.h"
#include "PackageFieldBounds.h"
#include "TextField.h"
#include "WholeNumberField.h"

namespace kelvara {

namespace {

constexpr int DescriptionLength = 30;
constexpr int CaptionColumn = 0;
constexpr int AmountColumn = 1;
constexpr int CostColumn = 2;

ui::DecimalField* Amount(const char* name, PackageField kind, QWidget* parent) {
    auto* field = ui::BoundedDecimal(name, BoundsOf(kind), parent);
    field->setFixedPitch(true);
    return field;
}

ui::WholeNumberField* Whole(const char* name, PackageField kind, QWidget* parent) {
    auto* field = ui::BoundedWholeNumber(name, BoundsOf(kind), parent);
    field->setFixedPitch(true);
    field->setMaximumWidth(60);
    return field;
}

ui::DecimalField* Result(const char* name, QWidget* parent) {
    auto* field = Amount(name, PackageField::Result, parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

// The tax and the credit fields take any figure the calculation gives.
ui::DecimalField* UnboundedResult(const char* name, QWidget* parent) {
    auto* field = Result(name, parent);
    field->setIntegerDigits(15);
    field->setRange(std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max());
    return field;
}

QString Indexed(const char* name, int row) { return QString("%1_%2").arg(name).arg(row); }

// One line of a column: its caption, the employee's amount and the employer's
// cost beside it (either may be missing).
void Line(QGridLayout* grid, const QString& caption, QWidget* amount, QWidget* cost = nullptr) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption), row, CaptionColumn);  // the screen adopts it
    if (amount) grid->addWidget(amount, row, AmountColumn, Qt::AlignLeft);
    if (cost) grid->addWidget(cost, row, CostColumn);
}

QGridLayout* Column(QWidget* screen) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    grid->addWidget(new QLabel("Cost to company", screen), 0, CostColumn, Qt::AlignCenter);
    return grid;
}

void AddPackageColumn(PackageControls& c, PackageKind kind, QWidget* s, QGridLayout* grid) {
    const bool netToGross = kind.Direction == PackageDirection::NetToGross;
    const bool annual = kind.Period == PackagePeriod::Annual;
    const bool providentLines = !(netToGross && !annual);

    c.numNetMonSalReq = Amount("numNetMonSalReq", PackageField::Required, s);
    if (!netToGross) c.numCCNetMonSalReq = Amount("numCCNetMonSalReq", PackageField::Required, s);
    const QString required = !netToGross ? "Total package amount"
                             : annual    ? "Net annual salary required"
                                         : "Net monthly salary required";
    Line(grid, required, c.numNetMonSalReq, c.numCCNetMonSalReq);

    c.numAge = Whole("numAge", PackageField::Age, s);
    Line(grid, "Taxpayer's age", c.numAge);
    c.numCompCar = Amount("numCompCar", PackageField::CompanyCar, s);
    c.numCCCompCar = Amount("numCCCompCar", PackageField::CompanyCar, s);
    Line(grid, "Company car value", c.numCompCar, c.numCCCompCar);
    c.numTravAll = Amount("numTravAll", PackageField::TravelAllowance, s);
    c.numCCTravAll = Amount("numCCTravAll", PackageField::TravelAllowance, s);
    Line(grid, "Travel allowance", c.numTravAll, c.numCCTravAll);
    c.numMedAidCont = Amount("numMedAidCont", PackageField::MedicalAid, s);
    c.numCCMedAidCont = Amount("numCCMedAidCont", PackageField::MedicalAid, s);
    Line(grid, "Med. aid fund contributions", c.numMedAidCont, c.numCCMedAidCont);
    c.numPMems = Whole("numPMems", PackageField::Members, s);
    Line(grid, annual ? "Medical beneficiaries months" : "Med. aid fund beneficiaries", c.numPMems);
    c.numAddBens = Whole("numAddBens", PackageField::AdditionalBeneficiaries, s);
    Line(grid, "Number of additional beneficiaries", c.numAddBens);
    c.numOTaxFB = Amount("numOTaxFB", PackageField::OtherFringeBenefits, s);
    c.numCCOTaxFB = Amount("numCCOTaxFB", PackageField::OtherFringeBenefits, s);
    Line(grid, "Other taxable f/benefits", c.numOTaxFB, c.numCCOTaxFB);
    c.numMedDeduct = Amount("numMedDeduct", PackageField::MedicalDeductions, s);
    Line(grid, "Medical deductions", c.numMedDeduct);
    c.numRFundCont = Amount("numRFundCont", PackageField::FundContribution, s);
    c.numCCRFundCont = Amount("numCCRFundCont", PackageField::FundContribution, s);
    Line(grid, "R/Fund (Pension, Prov, R/A)", c.numRFundCont, c.numCCRFundCont);
    if (providentLines) {
        c.numProvFund = Amount("numProvFund", PackageField::FundContribution, s);
        c.numCCProvFund = Amount("numCCProvFund", PackageField::FundContribution, s);
        Line(grid, "Provident fund", c.numProvFund, c.numCCProvFund);
    }
    if (!netToGross) {
        c.numPenDeduct = Amount("numPenDeduct", PackageField::FundContribution, s);
        c.numCCPenDeduct = Amount("numCCPenDeduct", PackageField::FundContribution, s);
        Line(grid, "Pension deducted", c.numPenDeduct, c.numCCPenDeduct);
    }
    if (providentLines) {
        c.numRADeduct = Amount("numRADeduct", PackageField::RADeduction, s);
        Line(grid, "R/A ded. (directive?)", c.numRADeduct);
    }
    c.numProvContPerc = Amount("numProvContPerc", PackageField::Percentage, s);
    Line(grid, "Employee provident contribution", c.numProvContPerc);
    c.numCCProvContPerc = Amount("numCCProvContPerc", PackageField::Percentage, s);
    Line(grid, "Employer's provident contribution", c.numCCProvContPerc);
    grid->setRowStretch(grid->rowCount(), 1);
}

void AddResultColumn(PackageControls& c, PackageKind kind, QWidget* s, QGridLayout* grid) {
    const bool netToGross = kind.Direction == PackageDirection::NetToGross;
    c.numMAns = UnboundedResult("numMAns", s);
    Line(grid, "Tax due", c.numMAns);
    c.numTaxCredit = UnboundedResult("numTaxCredit", s);
    Line(grid, "Tax credit", c.numTaxCredit);
    c.numTaxDeduct = Result("numTaxDeduct", s);
    Line(grid, "Tax deduction", c.numTaxDeduct);
    c.numUIFCont = Result("numUIFCont", s);
    c.numCCUIFCont = Result("numCCUIFCont", s);
    Line(grid, "UIF contribution", c.numUIFCont, c.numCCUIFCont);
    c.numCCSkillLev = Result("numCCSkillLev", s);
    const bool pravelMonthly = !netToGross && kind.Period == PackagePeriod::Monthly;
    Line(grid, pravelMonthly ? "Skills Development Levy" : "Skills levy", nullptr, c.numCCSkillLev);

    Line(grid, "Other Expenses :", nullptr);
    for (int i = 0; i < 4; ++i) {
        c.txtOtherDet[i] = new ui::TextField(DescriptionLength, s);
        c.txtOtherDet[i]->setObjectName(Indexed("txtOtherDet", i));
        c.numOtherDet[i] = Amount(Indexed("numOtherDet", i).toUtf8().constData(), PackageField::OtherExpense, s);
        c.numOtherDetCC[i] = Amount(Indexed("numOtherDetCC", i).toUtf8().constData(), PackageField::OtherExpense, s);
        const int row = grid->rowCount();
        grid->addWidget(c.txtOtherDet[i], row, CaptionColumn);
        grid->addWidget(c.numOtherDet[i], row, AmountColumn);
        grid->addWidget(c.numOtherDetCC[i], row, CostColumn);
    }

    c.numGrossSal = Result("numGrossSal", s);
    // A take-home salary below nothing is shown as the negative amount it is.
    c.numGrossSal->setMinimum(-PackageAmountBounds.Max);
    Line(grid, netToGross ? "Gross salary" : "Net salary(take-home)", c.numGrossSal);
    c.numTotCostComp = Result("numTotCostComp", s);
    Line(grid, "Total cost to company R", nullptr, c.numTotCostComp);

    c.lblOnceOff1 = new QLabel("(plus a \"once-off\" cost of R", s);
    c.lblOnceOff1->setObjectName("lblOnceOff1");
    c.numOnceOff = Result("numOnceOff", s);
    c.lblOnceOff2 = new QLabel("for the company car and this does not include fuel, maintenance etc).", s);
    c.lblOnceOff2->setObjectName("lblOnceOff2");
    const int row = grid->rowCount();
    grid->addWidget(c.lblOnceOff1, row, CaptionColumn, 1, 2, Qt::AlignRight);
    grid->addWidget(c.numOnceOff, row, CostColumn);
    grid->addWidget(c.lblOnceOff2, row + 1, CaptionColumn, 1, 3, Qt::AlignRight);
    for (QWidget* note : {static_cast<QWidget*>(c.lblOnceOff1), static_cast<QWidget*>(c.numOnceOff),
                          static_cast<QWidget*>(c.lblOnceOff2)}) {
        // The note keeps its place when hidden, so the screen does not jump.
        QSizePolicy policy = note->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        note->setSizePolicy(policy);
        note->hide();
    }
    grid->setRowStretch(grid->rowCount(), 1);
}

}  // namespace

PackageControls BuildPackageControls(PackageKind kind, QWidget* screen) {
    PackageControls c;
    auto* package = Column(screen);
    AddPackageColumn(c, kind, screen, package);
    auto* results = Column(screen);
    AddResultColumn(c, kind, screen, results);

    auto* columns = new QHBoxLayout;
    columns->addLayout(package);
    columns->addSpacing(16);
    columns->addLayout(results);

    auto* layout = new QVBoxLayout(screen);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(columns);
    return c;
}

}  // namespace kelvara
