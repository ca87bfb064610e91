#pragma once
#include <QWidget>

#include "LoanComparison.h"

class QPushButton;
class QTableWidget;

namespace kelvara {

class ReportEngine;
class ResultPrintFrame;

namespace ui {
class DecimalField;
}

// The loan comparison: one bond amount at one rate repaid over 5, 10, 15, 20,
// 25 and 30 years, each with its monthly repayment, total interest and total
// paid. Its inputs live in the shared calculation state and the table is
// worked out again every time the window becomes active.
class LoanComparisonWindow : public QWidget {
    Q_OBJECT

public:
    LoanComparisonWindow(LoanCompState& comp, ReportEngine& reports, QWidget* parent = nullptr);

    // "&Calculate", and what every activation does after showing the inputs.
    void CompareLoans();

private:
    void ShowInputs();
    void FillTable();

    LoanCompState& comp_;
    LoanComparison rows_;
    ui::DecimalField* numBAmt;
    ui::DecimalField* numIntRate;
    QTableWidget* grdPayments;
    QPushButton* cmdCalculate;
    QPushButton* cmdOK;
    QPushButton* cmdPrint;
    ResultPrintFrame* printFrame_;
};

}  // namespace kelvara
