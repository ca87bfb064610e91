#include "TaxYearMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiSubWindow>
#include <QMenu>

#include "ActiveTaxYear.h"
#include "BackgroundMdiArea.h"
#include "MainWindow.h"
#include "StartUpPreferences.h"

namespace kelvara {

TaxYearMenu::TaxYearMenu(MainWindow& window, const std::vector<std::filesystem::path>& folders)
    : QObject(&window), window_(window), catalogue_(FindTaxYears(folders)), menu_(new QMenu(&window)) {
    menu_->setObjectName("mnuTaxYears");
    auto* group = new QActionGroup(menu_);
    for (const TaxYearChoice& choice : catalogue_.Years) {
        const int year = choice.Data->Year;
        QAction* action = menu_->addAction(QString::fromStdString(choice.Data->Name));
        action->setObjectName(QStringLiteral("mnuTaxYear%1").arg(year));
        action->setCheckable(true);
        action->setData(year);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, year] { pick(year); });
    }
    window_.menuAction("mnuTaxYear")->setMenu(menu_);
}

QStringList TaxYearMenu::start() {
    plainCaption_ = window_.windowTitle();
    const TaxYearChoice* preferred = catalogue_.Find(PreferredTaxYear());
    use(preferred ? *preferred : catalogue_.Latest());
    QStringList refusals;
    for (const std::string& refusal : catalogue_.Refusals) refusals << QString::fromStdString(refusal);
    return refusals;
}

bool TaxYearMenu::pick(int year) {
    const TaxYearChoice* choice = catalogue_.Find(year);
    if (!choice) return false;
    SetPreferredTaxYear(year);
    if (choice->Data.get() == &ActiveTaxYear()) return true;
    // Every window and every kept input holds dates and figures of the year
    // it was made in: they start again in the new one.
    for (QMdiSubWindow* sub : window_.workArea().subWindowList()) sub->close();
    CalcState& state = window_.calcState();
    state.TravelAllowance = TravelAllowanceState{};
    state.CompanyCar = CompanyCarState{};
    InitCalcState(state);
    use(*choice);
    return true;
}

void TaxYearMenu::use(const TaxYearChoice& choice) {
    UseTaxYear(choice.Data);
    for (QAction* action : menu_->actions()) action->setChecked(action->data().toInt() == choice.Data->Year);
    window_.setWindowTitle(plainCaption_ + " - Tax year " + QString::fromStdString(choice.Data->Name));
    window_.workArea().setSubtitle(QString::fromUtf8("Payroll tax and finance calculators  \u2022  ") +
                                   QString::fromStdString(choice.Data->SpanText()));
}

}  // namespace kelvara
