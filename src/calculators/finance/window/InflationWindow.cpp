#include "InflationWindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ActivationNotifier.h"
#include "CommandRow.h"
#include "DecimalField.h"
#include "FieldFactory.h"
#include "FinanceWindowFields.h"
#include "ResultPrintFrame.h"
#include "SpinButtons.h"
#include "WholeNumberField.h"

namespace kelvara {

InflationWindow::InflationWindow(InflationState& inflation, ReportEngine& reports, QWidget* parent)
    : QWidget(parent), inflation_(inflation) {
    setObjectName("frmInflation");
    setWindowTitle("Inflation");

    numPresCost = ui::BoundedWholeNumber(InflationFields::PresentCost, this);
    numPeriod = ui::BoundedWholeNumber(InflationFields::Period, this);
    numInflaRate = ui::BoundedDecimal(InflationFields::Rate, this);
    numAns1 = ui::ResultField("numAns1", 0, this);
    numAns2 = ui::ResultField("numAns2", 0, this);
    tooLarge_ = ui::Caption(InflationTooLargeText, "Label2_12", this);
    tooLarge_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tooLarge_->hide();
    auto* spPeriod = new ui::SpinButtons(this);
    spPeriod->setObjectName("spPeriod");
    auto* spInflation = new ui::SpinButtons(this);
    spInflation->setObjectName("spInflation");

    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    grid->addWidget(ui::Caption("Present cost", "Label2", this), 0, 0);
    grid->addWidget(ui::Caption("R", "Label2", this), 0, 1);
    grid->addWidget(numPresCost, 0, 2);
    grid->addWidget(ui::Caption("Period", "Label2", this), 1, 0);
    grid->addWidget(numPeriod, 1, 2);
    grid->addWidget(spPeriod, 1, 3);
    grid->addWidget(ui::Caption("year/s.", "Label2", this), 1, 4);
    grid->addWidget(ui::Caption("Inflation rate", "Label2", this), 2, 0);
    grid->addWidget(numInflaRate, 2, 2);
    grid->addWidget(spInflation, 2, 3);
    grid->addWidget(ui::Caption("% p.a.", "Label2", this), 2, 4);
    grid->setRowMinimumHeight(3, 8);
    grid->addWidget(ui::Caption("Future value/cost", "Label2", this), 4, 0);
    grid->addWidget(ui::Caption("R", "Label2", this), 4, 1);
    grid->addWidget(numAns1, 4, 2);
    grid->addWidget(tooLarge_, 4, 2, 1, 3);
    grid->addWidget(ui::Caption("Buying power", "Label2", this), 5, 0);
    grid->addWidget(ui::Caption("R", "Label2", this), 5, 1);
    grid->addWidget(numAns2, 5, 2);

    CommandRow commands(this);
    cmdCalculate = commands.Calculate;
    cmdOK = commands.OK;
    cmdPrint = commands.Print;

    printFrame_ = new ResultPrintFrame(
        *this, reports, *cmdOK,
        {[this] { Project(); }, [this] { return CanPrintInflation(inflation_); },
         [this] {
             return ReportJob{InflationTable, InflationRecord(inflation_), InflationLayout, InflationTitle};
         },
         true});

    commands.finish(this, grid, printFrame_);

    // A change is stored at once; nothing is projected until "Calculate", a
    // spin press or the next activation.
    connect(numPresCost, &ui::WholeNumberField::valueChanged, this, [this](qint32 cost) {
        inflation_.InflPresentCost = cost;
        printFrame_->inputChanged();
    });
    connect(numPeriod, &ui::WholeNumberField::valueChanged, this, [this](qint32 years) {
        inflation_.InflPeriod = years;
        printFrame_->inputChanged();
    });
    connect(numInflaRate, &ui::DecimalField::valueChanged, this, [this](double rate) {
        inflation_.InflRate = rate;
        printFrame_->inputChanged();
    });
    connect(numInflaRate, &ui::NumericField::rangeError, this,
            [this] { Refuse(this, InflationRateMessage(), numInflaRate); });
    connect(numPeriod, &ui::NumericField::rangeError, this,
            [this] { Refuse(this, InflationPeriodMessage(), numPeriod); });

    connect(spInflation, &ui::SpinButtons::up, this, [this] { SpinRate(InflationRateUp(inflation_.InflRate)); });
    connect(spInflation, &ui::SpinButtons::down, this, [this] { SpinRate(InflationRateDown(inflation_.InflRate)); });
    connect(spPeriod, &ui::SpinButtons::up, this, [this] { SpinPeriod(InflationPeriodUp(numPeriod->value())); });
    connect(spPeriod, &ui::SpinButtons::down, this, [this] { SpinPeriod(InflationPeriodDown(numPeriod->value())); });

    connect(cmdCalculate, &QPushButton::clicked, this, &InflationWindow::Project);
    connect(new ui::ActivationNotifier(this), &ui::ActivationNotifier::activated, this, [this] {
        ShowInputs();
        Project();
    });

    ShowInputs();
    ShowResults();
}

void InflationWindow::Project() {
    ProjectInflation(inflation_);
    ShowResults();
    printFrame_->calculated();
}

void InflationWindow::ShowInputs() {
    numPresCost->setValue(static_cast<qint32>(inflation_.InflPresentCost));
    numPeriod->setValue(static_cast<qint32>(inflation_.InflPeriod));
    numInflaRate->setValue(inflation_.InflRate);
}

void InflationWindow::ShowResults() {
    const bool tooLarge = FutureValueTooLarge(inflation_);
    numAns1->setVisible(!tooLarge);
    tooLarge_->setVisible(tooLarge);
    if (!tooLarge) numAns1->setValue(inflation_.InflFutureValue);
    numAns2->setValue(inflation_.InflBuyingPower);
}

void InflationWindow::SpinRate(SpinStep step) {
    if (step.Beep) QApplication::beep();
    numInflaRate->setValue(step.Value);
    Project();
    cmdOK->setFocus();
}

void InflationWindow::SpinPeriod(SpinStep step) {
    if (numPeriod->value() != 0) {
        if (step.Beep) QApplication::beep();
        numPeriod->setValue(static_cast<qint32>(step.Value));
        Project();
    }
    cmdOK->setFocus();
}

}  // namespace kelvara
