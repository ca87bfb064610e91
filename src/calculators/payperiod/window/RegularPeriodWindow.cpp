#include "RegularPeriodWindow.h"

#include "DecimalField.h"

namespace kelvara {

RegularPeriodWindow::RegularPeriodWindow(PayPeriodKind kind, const QString& formName, const QString& caption,
                                         int setupTopTwips, const QString& ageName, const ShortPeriodDesign* days,
                                         EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                                         std::filesystem::path settingsDatabase, QWidget* parent)
    : PayPeriodWindow(kind, formName, caption, setupTopTwips, engine, printDirect, reports, std::move(settingsDatabase),
                      parent) {
    using F = PayPeriodField;
    addInput(ageName, "Age", F::Age);
    addInput("numSalRemun", "Salary/remuneration", F::Salary);
    rereadOnLeaving(lastInput());
    addInput("numEmpERMedAidCont", "Employer's med aid contrib.", F::EmployerMedAidCont);
    addInput("numEmpEEMedAidCont", "Employee's med aid contrib.", F::EmployeeMedAidCont);
    addInput("numEmpRRFundCont", "Employer's R/Fund contributions ", F::EmployerFundCont);
    addInput("numEmpERFundCont", "Employee's R/Fund contributions", F::EmployeeFundCont);
    addInput("numComm", "Commissions", F::Commission);
    rereadOnLeaving(lastInput());
    addInput("sidbEdit4", "Bonus", F::Bonus);
    rereadOnLeaving(lastInput());
    addInput("sidbEdit6", "Travel allowance received", F::TravelAllowance);
    rereadOnLeaving(lastInput());
    addInput("numMedAidBens", "Medical aid fund beneficiaries", F::Members);
    if (days) {
        addInput("silgEdit21", days->NormalDaysCaption, F::NormalDays);
        lastInput()->setValue(inputs().NormalDays);
        addInput("silgEdit22", days->ThisDaysCaption, F::ThisDays);
        lastInput()->setValue(inputs().ThisDays);
    }

    addCommonResults(true);
    finishOpening();
}

}  // namespace kelvara
