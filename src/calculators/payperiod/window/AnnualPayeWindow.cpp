#include "AnnualPayeWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "AnnualMonths.h"
#include "DecimalField.h"
#include "MessageService.h"
#include "Rounding.h"
#include "WholeNumberField.h"

namespace kelvara {

namespace {

constexpr int kSetupTopTwips = 1935;

// The month captions over the member fields, in tax-year order.
constexpr std::array<const char*, 12> kMonthCaptions{"Mar", "Apr", "May", "Jun", "Jul", "Aug",
                                                     "Sep", "Oct", "Nov", "Dec", "Jan", "Feb"};

}  // namespace

AnnualPayeWindow::AnnualPayeWindow(EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                                   std::filesystem::path settingsDatabase, QWidget* parent)
    : PayPeriodWindow(PayPeriodKind::Annual, "frmAnnual", "Annual", kSetupTopTwips, engine, printDirect, reports,
                      std::move(settingsDatabase), parent) {
    using F = PayPeriodField;
    addInput("silgEdit1", "Age", F::Age);
    addInput("silgEdit2", "Salary/remuneration", F::Salary);
    addInput("numEmpERMedAidCont", "Employer's med aid contrib.", F::EmployerMedAidCont);
    addInput("numEmpEEMedAidCont", "Employee's med aid contrib.", F::EmployeeMedAidCont);
    addInput("numEmpRRFundCont", "Employer's R/Fund contributions ", F::EmployerFundCont);
    addInput("numEmpERFundCont", "Employee's R/Fund contributions", F::EmployeeFundCont);
    addInput("numDirFees", "Commissions", F::Commission);
    addInput("silgEdit4", "Bonus", F::Bonus);
    addInput("silgEdit8", "Travel allowance received", F::TravelAllowance);
    addPeriodDates("dtStartDate", "dtEndDate", true);

    // Kept for the report only; no calculation reads it.
    silgEdit15 = new ui::WholeNumberField(this);
    silgEdit15->setObjectName("silgEdit15");
    silgEdit15->setRange(0, 99999999);
    silgEdit15->setIntegerDigits(8);
    silgEdit15->setFixedPitch(true);
    silgEdit15->setMinimumWidth(kAmountWidth);
    const int row = inputsGrid()->rowCount();
    inputsGrid()->addWidget(new QLabel("Med Aid contribution deduction", this), row, 0);
    inputsGrid()->addWidget(new QLabel("R", this), row, 1);
    inputsGrid()->addWidget(silgEdit15, row, 2);

    addCommonResults(false);
    addResult("numAns_1", "PAYE", [](const PayPeriodResult& r) { return r.TaxAfterCredits; });
    addBelow(monthFrame());
    finishOpening();
}

QWidget* AnnualPayeWindow::monthFrame() {
    auto* frame = new QGroupBox("Number of Medical Aid Beneficiaries ", this);
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);
    for (int column = 0; column < 12; ++column) {
        const int month = TaxYearMonths[column];
        auto* field = new ui::DecimalField(frame);
        field->setObjectName(QString("numAnnCalcBens_%1").arg(month));
        field->setDecimals(0);
        field->setIntegerDigits(2);
        field->setRange(0, 99);
        field->setMaximumWidth(44);
        connect(field, &ui::DecimalField::valueChanged, this,
                [this, month](double count) { editableInputs().MonthMembers[month - 1] = ToInt16(count).value_or(0); });
        connect(field, &ui::EntryField::lostFocus, this, [this, month] { lowerToMaximum(month); });
        numAnnCalcBens[month - 1] = field;
        grid->addWidget(new QLabel(kMonthCaptions[column], frame), 0, column, Qt::AlignHCenter);
        grid->addWidget(field, 1, column);
    }
    auto* cmdDuplicate = new QPushButton("Duplicate March to all 12 months ", frame);
    cmdDuplicate->setObjectName("cmdDuplicate");
    grid->addWidget(cmdDuplicate, 2, 0, 1, 12, Qt::AlignLeft);
    connect(cmdDuplicate, &QPushButton::clicked, this, &AnnualPayeWindow::DuplicateMarch);
    return frame;
}

void AnnualPayeWindow::showMaximumMessage() {
    // The message has no title of its own: the program's name stands there.
    ui::ShowMessage(this, "Kelvara 2027", MaxMonthMembersMessage, ui::MessageIcon::None);
}

void AnnualPayeWindow::lowerToMaximum(int month) {
    ui::DecimalField* field = numAnnCalcBens[month - 1];
    if (field->value() <= MaxMonthMembers) return;
    showMaximumMessage();
    field->setValue(MaxMonthMembers);
}

void AnnualPayeWindow::DuplicateMarch() {
    MonthCounts counts = inputs().MonthMembers;
    const int lowered = kelvara::DuplicateMarch(counts);
    for (int i = 0; i < lowered; ++i) showMaximumMessage();
    for (int month : TaxYearMonths) numAnnCalcBens[month - 1]->setValue(counts[month - 1]);
}

void AnnualPayeWindow::resultsShown() {
    // The months outside the period were cleared by the calculation.
    for (int month : TaxYearMonths) {
        ui::DecimalField* field = numAnnCalcBens[month - 1];
        if (field->value() != result().MonthMembers[month - 1]) field->setValue(result().MonthMembers[month - 1]);
    }
}

std::int32_t AnnualPayeWindow::medAidContributionDeduction() const { return silgEdit15->value(); }

}  // namespace kelvara
