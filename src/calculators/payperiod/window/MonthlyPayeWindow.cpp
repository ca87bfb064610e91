#include "MonthlyPayeWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "DecimalField.h"

namespace kelvara {

namespace {
constexpr int kSetupTopTwips = 1470;
}

MonthlyPayeWindow::MonthlyPayeWindow(EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                                     std::filesystem::path settingsDatabase, QWidget* parent)
    : PayPeriodWindow(PayPeriodKind::Monthly, "frmMonthly", "Monthly", kSetupTopTwips, engine, printDirect, reports,
                      std::move(settingsDatabase), parent) {
    using F = PayPeriodField;
    addInput("silgEdit9", "Age", F::Age);
    addInput("numSalRemun", "Salary/remuneration", F::Salary);
    addInput("numEmpERMedAidCont", "Employer's med aid contrib.", F::EmployerMedAidCont);
    addInput("numEmpEEMedAidCont", "Employee's med aid contrib.", F::EmployeeMedAidCont);
    addInput("numEmpRRFundCont", "Employer's R/Fund contributions ", F::EmployerFundCont);
    addInput("numEmpERFundCont", "Employee's R/Fund contributions", F::EmployeeFundCont);
    addInput("numComm", "Commissions", F::Commission);
    addInput("silgEdit12", "Bonus", F::Bonus);
    const int travelRow = addInput("silgEdit13", "Travel Allowance", F::TravelAllowance);
    // The part of the allowance taxed at the inclusion rate stands on the same row.
    ui::DecimalField* taxable = resultField(
        "numMTAAns", [](const PayPeriodResult& r) { return r.TaxableTravel; }, 0);
    auto* taxableLine = new QHBoxLayout;
    taxableLine->addWidget(new QLabel("Taxable portion", this));
    taxableLine->addWidget(new QLabel("R", this));
    taxableLine->addWidget(taxable);
    inputsGrid()->addLayout(taxableLine, travelRow, 3);
    addInput("numMedAidBens", "Medical aid fund beneficiaries", F::Members);
    // The dates keep the tax year's bounds; their order is checked on calculating.
    addPeriodDates("dtMStartDate", "dtMEndDate", false);

    addCommonResults(true);
    finishOpening();
}

}  // namespace kelvara
