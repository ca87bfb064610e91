#include "DailyBalanceWindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "ActivationNotifier.h"
#include "CommandRow.h"
#include "DateField.h"
#include "DecimalField.h"
#include "FieldFactory.h"
#include "FinanceWindowFields.h"
#include "ResultPrintFrame.h"
#include "SpinButtons.h"

namespace kelvara {

namespace {

ui::DateField* DateInput(const QString& name, QWidget* parent) {
    auto* field = new ui::DateField(parent);
    field->setObjectName(name);
    const PeriodDates::Bounds design = DailyBalanceDesignBounds();
    field->setBounds(design.Lower, design.Upper);
    return field;
}

void MoveBounds(ui::DateField* field, const std::optional<PeriodDates::Bounds>& bounds) {
    if (bounds) field->setBounds(bounds->Lower, bounds->Upper);
}

// A field holding no digit at all is empty, which is not reported as invalid.
bool HoldsDigits(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

}  // namespace

DailyBalanceWindow::DailyBalanceWindow(DailyBalanceState& balance, ReportEngine& reports, QWidget* parent)
    : QWidget(parent), balance_(balance) {
    setObjectName("frmDayBal");
    setWindowTitle("Daily Balance");

    numCapAmount = ui::BoundedDecimal(DailyBalanceFields::Capital, this);
    dtStartDate = DateInput("dtStartDate", this);
    dtEndDate = DateInput("dtEndDate", this);
    numIntRate = ui::BoundedDecimal(DailyBalanceFields::Rate, this);
    numAnsDB1 = ui::ResultField("numAnsDB1", 2, this);
    numAnsDB2 = ui::ResultField("numAnsDB2", 0, this);
    auto* spRate = new ui::SpinButtons(this);
    spRate->setObjectName("spRate");
    auto* spDate = new ui::SpinButtons(this);
    spDate->setObjectName("spDate");

    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    grid->addWidget(ui::Caption("Capital amount", "Label1", this), 0, 0);
    grid->addWidget(ui::Caption("R", "Label1", this), 0, 1);
    grid->addWidget(numCapAmount, 0, 2);
    grid->addWidget(ui::Caption("Start date", "Label1", this), 1, 0);
    grid->addWidget(dtStartDate, 1, 2);
    grid->addWidget(ui::Caption("End date", "Label1", this), 2, 0);
    grid->addWidget(dtEndDate, 2, 2);
    grid->addWidget(spDate, 2, 3);
    grid->addWidget(ui::Caption("Date", "Label1", this), 2, 4);
    grid->addWidget(ui::Caption("Interest rate", "Label1", this), 3, 0);
    grid->addWidget(numIntRate, 3, 2);
    grid->addWidget(spRate, 3, 3);
    grid->addWidget(ui::Caption("% p.a.", "Label1", this), 3, 4);
    grid->setRowMinimumHeight(4, 8);
    grid->addWidget(ui::Caption("Interest accrued", "Label1", this), 5, 0);
    grid->addWidget(ui::Caption("R", "Label1", this), 5, 1);
    grid->addWidget(numAnsDB1, 5, 2);
    grid->addWidget(ui::Caption("Number of days", "Label1", this), 6, 0);
    grid->addWidget(numAnsDB2, 6, 2);

    CommandRow commands(this);
    cmdCalculate = commands.Calculate;
    cmdOK = commands.OK;
    cmdPrint = commands.Print;

    printFrame_ = new ResultPrintFrame(
        *this, reports, *cmdOK,
        {[this] { cmdCalculate->click(); },
         // A missing date would print as 01/01/1800.
         [this] { return BothDatesSet() && CanPrintDailyBalance(result_); },
         [this] {
             return ReportJob{DailyBalTable, DailyBalRecord(balance_, result_), DailyBalanceLayout, DailyBalanceTitle};
         },
         false});

    commands.finish(this, grid, printFrame_);

    // A change, typed or set by the window, is stored at once; nothing is
    // calculated until "Calculate", a spin press or the next activation.
    connect(numCapAmount, &ui::DecimalField::valueChanged, this, [this](double capital) {
        balance_.DayBalCapital = static_cast<float>(capital);
        printFrame_->inputChanged();
    });
    connect(numIntRate, &ui::DecimalField::valueChanged, this, [this](double rate) {
        balance_.DayBalRate = static_cast<float>(rate);
        printFrame_->inputChanged();
    });
    connect(dtStartDate, &ui::DateField::valueChanged, this, [this](DayNumber day) {
        balance_.DayBalStartDay = static_cast<std::int32_t>(day);
        printFrame_->inputChanged();
    });
    connect(dtEndDate, &ui::DateField::valueChanged, this, [this](DayNumber day) {
        balance_.DayBalEndDay = static_cast<std::int32_t>(day);
        printFrame_->inputChanged();
    });

    // Each date field keeps its date within 30 years of the other one.
    connect(dtStartDate, &ui::DateField::gotFocus, this,
            [this] { MoveBounds(dtStartDate, StartDateBounds(balance_.DayBalEndDay)); });
    connect(dtEndDate, &ui::DateField::gotFocus, this,
            [this] { MoveBounds(dtEndDate, EndDateBounds(balance_.DayBalStartDay)); });
    for (ui::DateField* field : {dtStartDate, dtEndDate}) {
        connect(field, &ui::DateField::invalidDate, this, [this, field](const QString& text) {
            if (HoldsDigits(text)) Refuse(this, InvalidDateMessage(), field);
        });
    }
    connect(dtStartDate, &ui::DateField::outOfBounds, this,
            [this] { Refuse(this, StartDateOutOfRangeMessage(dtEndDate->text().toStdString()), dtStartDate); });
    connect(dtEndDate, &ui::DateField::outOfBounds, this,
            [this] { Refuse(this, EndDateOutOfRangeMessage(dtStartDate->text().toStdString()), dtEndDate); });
    connect(numIntRate, &ui::NumericField::rangeError, this,
            [this] { Refuse(this, DailyBalanceRateMessage(), numIntRate); });

    connect(spRate, &ui::SpinButtons::up, this, [this] { SpinRate(DailyBalanceRateUp(balance_)); });
    connect(spRate, &ui::SpinButtons::down, this, [this] { SpinRate(DailyBalanceRateDown(balance_)); });
    connect(spDate, &ui::SpinButtons::up, this, [this] { MoveEndDate(EndDayUp(balance_)); });
    connect(spDate, &ui::SpinButtons::down, this, [this] { MoveEndDate(EndDayDown(balance_)); });

    connect(cmdCalculate, &QPushButton::clicked, this, [this] {
        if (BothDatesSet()) Calculate();
    });
    connect(new ui::ActivationNotifier(this), &ui::ActivationNotifier::activated, this, [this] {
        ShowInputs();
        if (BothDatesSet()) Calculate();
    });

    ShowInputs();
    ShowResults();
}

void DailyBalanceWindow::Calculate() {
    result_ = CalculateDailyBalance(balance_);
    ShowResults();
    printFrame_->calculated();
}

void DailyBalanceWindow::ShowInputs() {
    numCapAmount->setValue(balance_.DayBalCapital);
    numIntRate->setValue(balance_.DayBalRate);
    // Earlier day numbers stand for an empty date and leave the field as it is.
    const std::int32_t start = balance_.DayBalStartDay;
    const std::int32_t end = balance_.DayBalEndDay;
    if (ShownOnActivation(start)) dtStartDate->setValue(start);
    if (ShownOnActivation(end)) dtEndDate->setValue(end);
}

void DailyBalanceWindow::ShowResults() {
    numAnsDB1->setValue(result_.Interest);
    numAnsDB2->setValue(result_.Days);
}

bool DailyBalanceWindow::BothDatesSet() const { return !dtStartDate->isEmpty() && !dtEndDate->isEmpty(); }

void DailyBalanceWindow::SpinRate(SpinStep step) {
    if (balance_.DayBalRate != 0) {
        if (step.Beep) QApplication::beep();
        numIntRate->setValue(step.Value);
        Calculate();
    }
    cmdOK->setFocus();
}

// The date buttons move the end date from a set date only: an end date
// stepped from an empty field would lie centuries before the start date.
void DailyBalanceWindow::MoveEndDate(std::int32_t day) {
    if (!BothDatesSet()) return;
    dtEndDate->setValue(day);
    Calculate();
}

}  // namespace kelvara
