#pragma once
#include <QWidget>
#include <array>

#include "LoanReport.h"

class QCheckBox;
class QRadioButton;

namespace kelvara {

class ReportEngine;

// The schedule choice of the loan window's print panel: "Include Amortization"
// (Check1) with "Annual" and "Monthly " (Option1 rows 0 and 1), which can be
// chosen only while the box is ticked. Ticking it selects "Annual".
class LoanPrintOptions : public QWidget {
    Q_OBJECT

public:
    explicit LoanPrintOptions(QWidget* parent);

    LoanSchedule schedule() const;

private:
    void include(bool included);

    QCheckBox* Check1;
    std::array<QRadioButton*, 2> Option1{};
};

// Writes the loan's "Loans" record and, with a schedule, the schedule's rows
// into "Amort" (building the schedule in the loan's arrays), then runs the
// mode's layout with the schedule's title to the destination given. A record
// that cannot be written is reported and nothing is printed.
void PrintLoanReport(ReportEngine& engine, LoanState& loan, LoanSchedule schedule, int destination, QWidget* parent);

}  // namespace kelvara
