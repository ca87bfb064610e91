#pragma once
#include <QWidget>

#include "DailyBalance.h"

class QPushButton;

namespace kelvara {

class ReportEngine;
class ResultPrintFrame;

namespace ui {
class DateField;
class DecimalField;
}  // namespace ui

// The daily balance calculator: the simple interest a capital earns at a
// yearly rate between two dates, on a 365-day year. Its inputs live in the
// shared calculation state and it calculates every time it becomes active
// with both dates set.
class DailyBalanceWindow : public QWidget {
    Q_OBJECT

public:
    DailyBalanceWindow(DailyBalanceState& balance, ReportEngine& reports, QWidget* parent = nullptr);

    // The calculation, from whatever dates the state holds; "&Calculate" and
    // activation run it only when both date fields hold a date.
    void Calculate();

private:
    void ShowInputs();
    void ShowResults();
    bool BothDatesSet() const;
    void SpinRate(SpinStep step);
    void MoveEndDate(std::int32_t day);

    DailyBalanceState& balance_;
    DailyBalanceResult result_;
    ui::DecimalField* numCapAmount;
    ui::DateField* dtStartDate;
    ui::DateField* dtEndDate;
    ui::DecimalField* numIntRate;
    ui::DecimalField* numAnsDB1;
    ui::DecimalField* numAnsDB2;
    QPushButton* cmdCalculate;
    QPushButton* cmdOK;
    QPushButton* cmdPrint;
    ResultPrintFrame* printFrame_;
};

}  // namespace kelvara
