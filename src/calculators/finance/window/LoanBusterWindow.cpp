#include "LoanBusterWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ActivationNotifier.h"
#include "CommandRow.h"
#include "DecimalField.h"
#include "FieldFactory.h"
#include "FinanceWindowFields.h"
#include "ResultPrintFrame.h"
#include "WholeNumberField.h"

namespace kelvara {

LoanBusterWindow::LoanBusterWindow(LoanBusterState& buster, ReportEngine& reports, QWidget* parent)
    : QWidget(parent), buster_(buster) {
    setObjectName("frmLoanBuster");
    setWindowTitle("Loan Buster");

    numPrinAmount = ui::BoundedDecimal(LoanBusterFields::Principal, this);
    numPeriod = ui::BoundedWholeNumber(LoanBusterFields::Period, this);
    numIntRate = ui::BoundedDecimal(LoanBusterFields::Rate, this);
    numXtraPay = ui::BoundedDecimal(LoanBusterFields::Extra, this);
    numMonRePay = ui::ResultField("numMonRePay", 2, this);
    for (int row = 0; row < static_cast<int>(numAns1.size()); ++row)
        numAns1[row] = ui::ResultField(QString("numAns1_%1").arg(row), row == BustedRate ? 3 : 2, this);
    numAns2 = ui::ResultField("numAns2", 0, this);

    // The loan as it stands on the left, with the extra payment on the right.
    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(5, 1);
    grid->setColumnMinimumWidth(3, 16);
    const auto line = [&](int r, const QString& caption, QWidget* normal, QWidget* extra, bool rand) {
        grid->addWidget(ui::Caption(caption, "Label1", this), r, 0);
        if (normal && rand) grid->addWidget(ui::Caption("R", "Label1", this), r, 1);
        if (normal) grid->addWidget(normal, r, 2);
        if (extra && rand) grid->addWidget(ui::Caption("R", "Label1", this), r, 4);
        if (extra) grid->addWidget(extra, r, 5);
    };
    grid->addWidget(ui::Caption("With extra payments", "Label1", this), 0, 5, Qt::AlignRight);
    line(1, "Principal amount", numPrinAmount, numAns1[BustedPrincipal], true);
    line(2, "Period", numPeriod, numAns2, false);
    grid->addWidget(ui::Caption("months", "Label1", this), 2, 6);
    line(3, "Interest rate", numIntRate, numAns1[BustedRate], false);
    grid->addWidget(ui::Caption("% p.a.", "Label1", this), 3, 6);
    line(4, "Extra voluntary payments", nullptr, numXtraPay, true);
    line(5, "Monthly repayment", numMonRePay, numAns1[NewRepayment], true);
    line(6, "Total interest", numAns1[TotalInterest], numAns1[NewTotalInterest], true);
    line(7, "Total repayments", numAns1[TotalRepayments], numAns1[NewTotalRepayments], true);
    line(8, "Total saving", nullptr, numAns1[TotalSaving], true);

    CommandRow commands(this);
    cmdCalculate = commands.Calculate;
    cmdOK = commands.OK;
    cmdPrint = commands.Print;

    printFrame_ = new ResultPrintFrame(
        *this, reports, *cmdOK,
        {[this] { Calculate(); }, [this] { return CanPrintLoanBuster(buster_); },
         [this] {
             return ReportJob{BondBustTable, BondBustRecord(buster_, result_), LoanBusterLayout, LoanBusterTitle};
         },
         false});

    commands.finish(this, grid, printFrame_);

    // A change is stored at once; the figures follow on "Calculate".
    connect(numPrinAmount, &ui::DecimalField::valueChanged, this, [this](double principal) {
        buster_.BusterPrincipal = principal;
        printFrame_->inputChanged();
    });
    connect(numPeriod, &ui::WholeNumberField::valueChanged, this, [this](qint32 months) {
        period_ = static_cast<std::int16_t>(months);
        printFrame_->inputChanged();
    });
    connect(numIntRate, &ui::DecimalField::valueChanged, this, [this](double rate) {
        buster_.BusterRate = static_cast<float>(rate);
        printFrame_->inputChanged();
    });
    connect(numXtraPay, &ui::DecimalField::valueChanged, this, [this](double extra) {
        buster_.ExtraPayment = extra;
        printFrame_->inputChanged();
    });
    connect(numIntRate, &ui::NumericField::rangeError, this, [this] { Refuse(this, LoanRateMessage(), numIntRate); });
    connect(numPeriod, &ui::NumericField::rangeError, this, [this] { Refuse(this, LoanPeriodMessage(), numPeriod); });

    connect(cmdCalculate, &QPushButton::clicked, this, &LoanBusterWindow::Calculate);
    connect(new ui::ActivationNotifier(this), &ui::ActivationNotifier::activated, this, &LoanBusterWindow::ShowInputs);

    ShowInputs();
}

void LoanBusterWindow::Calculate() {
    BBCalc(buster_, period_, result_);
    ShowResults();
    printFrame_->calculated();
}

// The inputs as they stand, without counting as changes.
void LoanBusterWindow::ShowInputs() {
    const QSignalBlocker quietPrincipal(numPrinAmount);
    const QSignalBlocker quietPeriod(numPeriod);
    const QSignalBlocker quietRate(numIntRate);
    const QSignalBlocker quietExtra(numXtraPay);
    numPrinAmount->setValue(buster_.BusterPrincipal);
    numPeriod->setValue(period_);
    numIntRate->setValue(buster_.BusterRate);
    numXtraPay->setValue(buster_.ExtraPayment);
}

void LoanBusterWindow::ShowResults() {
    ShowInputs();  // the extra payment as the search adjusted it
    numMonRePay->setValue(result_.Repayment);
    numAns1[TotalInterest]->setValue(result_.TotalInterest);
    numAns1[TotalRepayments]->setValue(result_.TotalRepayments);
    numAns1[BustedPrincipal]->setValue(buster_.BusterPrincipal);
    numAns2->setValue(result_.NewPeriod);
    numAns1[BustedRate]->setValue(buster_.BusterRate);
    numAns1[NewRepayment]->setValue(result_.NewRepayment);
    numAns1[NewTotalInterest]->setValue(result_.NewTotalInterest);
    numAns1[NewTotalRepayments]->setValue(result_.NewTotalRepayments);
    numAns1[TotalSaving]->setValue(result_.TotalSaving);
}

}  // namespace kelvara
