#include "LoanPrintOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>

#include "PrintRoutine.h"
#include "ReportEngine.h"
#include "ReportOutput.h"

namespace kelvara {

LoanPrintOptions::LoanPrintOptions(QWidget* parent) : QWidget(parent) {
    Check1 = new QCheckBox("Include Amortization", this);
    Check1->setObjectName("Check1");
    Option1[0] = new QRadioButton("Annual", this);
    Option1[1] = new QRadioButton("Monthly ", this);
    auto* group = new QButtonGroup(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Check1);
    for (int row = 0; row < 2; ++row) {
        Option1[row]->setObjectName(QString("Option1_%1").arg(row));
        group->addButton(Option1[row], row);
        layout->addWidget(Option1[row]);
    }
    connect(Check1, &QCheckBox::toggled, this, &LoanPrintOptions::include);
    include(false);
}

LoanSchedule LoanPrintOptions::schedule() const {
    if (!Check1->isChecked()) return LoanSchedule::None;
    return Option1[1]->isChecked() ? LoanSchedule::Monthly : LoanSchedule::Annual;
}

void LoanPrintOptions::include(bool included) {
    for (QRadioButton* option : Option1) option->setEnabled(included);
    if (included) Option1[0]->setChecked(true);
}

void PrintLoanReport(ReportEngine& engine, LoanState& loan, LoanSchedule schedule, int destination, QWidget* parent) {
    const ReportOutput output(engine.ReportDatabase());
    if (!ReportWritten(output.WriteReportRecord(LoansTable, LoansRecord(loan, schedule)), parent)) return;
    if (schedule != LoanSchedule::None &&
        !ReportWritten(output.ReplaceReportRows(AmortTable, AmortEmptyingStatement, AmortRecords(loan, schedule)),
                       parent)) {
        return;
    }
    const LoanReportLayout layout = LoanLayout(loan.LoanMode, schedule);
    std::optional<QString> title;
    if (layout.Title) title = QString::fromStdString(*layout.Title);
    engine.RunReport(QString::fromStdString(layout.File), title, destination);
}

}  // namespace kelvara
