#pragma once
#include <QWidget>

#include "Inflation.h"

class QLabel;
class QPushButton;

namespace kelvara {

class ReportEngine;
class ResultPrintFrame;

namespace ui {
class DecimalField;
class WholeNumberField;
}  // namespace ui

// The inflation projection: what a present amount will cost after a number
// of years of compound inflation, and what it will then still buy. Its
// figures live in the shared calculation state and it projects every time it
// becomes active, so a reopened window shows the last figures.
class InflationWindow : public QWidget {
    Q_OBJECT

public:
    InflationWindow(InflationState& inflation, ReportEngine& reports, QWidget* parent = nullptr);

    // "&Calculate", and what every activation does after showing the inputs.
    void Project();

private:
    void ShowInputs();
    void ShowResults();
    void SpinRate(SpinStep step);
    void SpinPeriod(SpinStep step);

    InflationState& inflation_;
    ui::WholeNumberField* numPresCost;
    ui::WholeNumberField* numPeriod;
    ui::DecimalField* numInflaRate;
    ui::DecimalField* numAns1;
    ui::DecimalField* numAns2;
    QLabel* tooLarge_;
    QPushButton* cmdCalculate;
    QPushButton* cmdOK;
    QPushButton* cmdPrint;
    ResultPrintFrame* printFrame_;
};

}  // namespace kelvara
