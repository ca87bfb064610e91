#pragma once
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>

#include "Loan.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvara {

class LoanAmortGraphWindow;
class LoanPrintOptions;
class LoanScheduleGrid;
class ReportEngine;

namespace ui {
class DecimalField;
class NumericField;
class PrintPanel;
class WholeNumberField;
}  // namespace ui

// The loan calculator: of the principal, the period, the annual rate and the
// monthly repayment the user types three and calculates the fourth (the
// calculate mode). It shows the finance charges on demand, the monthly or
// annual amortisation in a table, the yearly schedule as a chart, and prints
// the loan with or without a schedule. The figures live in the shared
// calculation state, so they survive closing the window.
class LoanWindow : public QWidget {
    Q_OBJECT

public:
    // printDirect: where the last report went (0: a window, 1: the printer).
    LoanWindow(LoanState& loan, std::int16_t& printDirect, ReportEngine& reports, QWidget* parent = nullptr);

    // "&Calculate": works out the mode's quantity and shows it.
    void LoanCalc();

    // The chart window of the last "Annual &Graph", while it is open.
    LoanAmortGraphWindow* graphWindow() const;

private:
    void chooseMode(int row);
    void applyMode();
    void showInputs();
    void showFinanceCharges();
    void toggleFinanceCharges();
    void showMonthlySchedule();
    void showAnnualSchedule();
    void showGraph();
    void print(int destination);
    void store(double& figure, double value);
    int modeRow() const;
    ui::NumericField* modeField(int row) const;

    LoanState& loan_;
    std::int16_t& printDirect_;
    ReportEngine& reports_;
    QPointer<LoanAmortGraphWindow> graph_;

    ui::DecimalField* numPrinAmount;
    ui::WholeNumberField* numPeriod;
    ui::DecimalField* numIntRate;
    ui::DecimalField* numMonRePay;
    ui::DecimalField* numAns1;
    ui::DecimalField* numAns2;
    std::array<QLabel*, 4> finChargeLabels{};  // "Total Interest", ": R", "Total Repayments", ": R"
    std::array<QRadioButton*, 4> optLoanCalc{};
    QLabel* lblLoanMode;
    QLineEdit* Text1;
    QPushButton* cmdCalculate;
    QPushButton* cmdOk;
    QPushButton* cmdFinCharge;
    QPushButton* cmdMonAmort;
    QPushButton* cmdAnnAmort;
    QPushButton* cmdLoanGraph;
    QPushButton* cmdPrint;
    LoanScheduleGrid* fraGrid;
    ui::PrintPanel* fraPrint;
    LoanPrintOptions* printOptions;
};

}  // namespace kelvara
