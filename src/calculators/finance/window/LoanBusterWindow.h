#pragma once
#include <QWidget>
#include <array>

#include "LoanBuster.h"

class QPushButton;

namespace kelvara {

class ReportEngine;
class ResultPrintFrame;

namespace ui {
class DecimalField;
class WholeNumberField;
}  // namespace ui

// The loan buster: what an extra payment every month does to a loan. Beside
// the normal repayment and totals it shows the shorter period, the new
// repayment and totals and the saving. The principal, rate and extra payment
// live in the shared calculation state; its repayments are its own, so the
// loan calculator keeps showing the figures of its own loan.
class LoanBusterWindow : public QWidget {
    Q_OBJECT

public:
    LoanBusterWindow(LoanBusterState& buster, ReportEngine& reports, QWidget* parent = nullptr);

    // "&Calculate".
    void Calculate();

private:
    void ShowInputs();
    void ShowResults();

    LoanBusterState& buster_;
    std::int16_t period_ = 0;
    LoanBusterResult result_;
    ui::DecimalField* numPrinAmount;
    ui::WholeNumberField* numPeriod;
    ui::DecimalField* numIntRate;
    ui::DecimalField* numXtraPay;
    ui::DecimalField* numMonRePay;
    // The answers (numAns1): the loan as it stands, then as busted.
    enum Answer {
        TotalInterest,
        TotalRepayments,
        BustedPrincipal,
        BustedRate,
        NewRepayment,
        NewTotalInterest,
        NewTotalRepayments,
        TotalSaving,
    };
    std::array<ui::DecimalField*, 8> numAns1{};
    ui::DecimalField* numAns2;
    QPushButton* cmdCalculate;
    QPushButton* cmdOK;
    QPushButton* cmdPrint;
    ResultPrintFrame* printFrame_;
};

}  // namespace kelvara
