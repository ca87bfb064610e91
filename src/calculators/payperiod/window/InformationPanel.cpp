#include "InformationPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ActiveTaxYear.h"
#include "NumberFormat.h"
#include "OverlayPanel.h"

namespace kelvara {

namespace {

// The text stands as users have always read it: the cap it names is the
// package calculators' cap of the year, not the one this calculation applies.
constexpr const char* kGeneralInformation =
    "The amount entered in the Salary/remuneration field should contain the fringe benefit amounts such as the "
    "code 3802 fringe benefit amount for the use of a company car but must not include any travel allowance in "
    "this Salary/remuneration amount.  Note that both employer\u2019s and employee\u2019s R/Fund contributions "
    "qualify as a tax deduction off taxable income.  Employer\u2019s contributions paid to R/Funds i.r.o. the "
    "employee are taxable in the hands of the employee as a fringe benefit.  Kelvara will include the "
    "employer\u2019s R/Fund contributions, that you enter here, in with Salary/Remuneration to determine total "
    "income so enter Salary/Remuneration as being without the employer\u2019s R/Fund contribution fringe "
    "benefit.  A portion of contributions paid by both the employer and the employee to Pension, R/A and "
    "Provident funds may qualify as a deduction from taxable income.  The deduction is limited to the lessor of "
    "contributions paid or %1% of remuneration/salary/income.  The deduction is capped at R%2 per year. ";

constexpr int kMargin = 8;

}  // namespace

InformationPanel::InformationPanel(QWidget* parent) : QGroupBox("General Information", parent) {
    setObjectName("fraInfo_One");
    setAutoFillBackground(true);
    const RetirementFundFigures& fund = ActiveTaxYear().RetirementFund;
    const QString cap = QString::fromStdString(FormatNumber(fund.PackageCapPerYear, 0)).replace(' ', ',');
    lblABC = new QLabel(QString::fromUtf8(kGeneralInformation).arg(fund.PercentOfRemuneration).arg(cap), this);
    lblABC->setObjectName("lblABC");
    lblABC->setWordWrap(true);
    cmdOK_Info_One = new QPushButton("&OK", this);
    cmdOK_Info_One->setObjectName("cmdOK_Info_One");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblABC);
    layout->addWidget(cmdOK_Info_One, 0, Qt::AlignRight);
    connect(cmdOK_Info_One, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void InformationPanel::present() {
    const QWidget* window = parentWidget();
    setFixedWidth(window->width() - 2 * kMargin);
    adjustSize();
    move(kMargin, kMargin);
    show();
    ui::CoverWholeControls(*this);
    raise();
    cmdOK_Info_One->setFocus();
}

}  // namespace kelvara
