#include "LoanWindow.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "ActivationNotifier.h"
#include "Amortisation.h"
#include "CloseCommand.h"
#include "DecimalField.h"
#include "FieldFactory.h"
#include "FinanceWindowFields.h"
#include "LoanAmortGraphWindow.h"
#include "LoanPrintOptions.h"
#include "LoanScheduleGrid.h"
#include "PrintPanel.h"
#include "WholeNumberField.h"

namespace kelvara {

namespace {

// Where the amortisation panel's top left corner lies.
constexpr int kGridTop = 8;

// The mode rows, in the order of LoanModes.
enum ModeRow { RepaymentRow, PrincipalRow, PeriodRow, RateRow };

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// Shows a figure without it reading back as a typed change.
void Show(ui::DecimalField* field, double value) {
    const QSignalBlocker quiet(field);
    field->setValue(value);
}

void Show(ui::WholeNumberField* field, double value) {
    const QSignalBlocker quiet(field);
    field->setValue(static_cast<qint32>(value));
}

// The calculated quantity's field is yellow, read-only and out of the tab
// order; the three inputs are white and editable.
void MarkCalculated(ui::NumericField* field, bool calculated) {
    field->setReadOnly(calculated);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, calculated ? Qt::yellow : Qt::white);
    field->setPalette(palette);
    field->setFocusPolicy(calculated ? Qt::ClickFocus : Qt::StrongFocus);
}

}  // namespace

LoanWindow::LoanWindow(LoanState& loan, std::int16_t& printDirect, ReportEngine& reports, QWidget* parent)
    : QWidget(parent), loan_(loan), printDirect_(printDirect), reports_(reports) {
    setObjectName("frmLoans");
    setWindowTitle("Loans");

    numPrinAmount = ui::BoundedDecimal(LoanFields::Principal, this);
    numPeriod = ui::BoundedWholeNumber(LoanFields::Period, this);
    numIntRate = ui::BoundedDecimal(LoanFields::Rate, this);
    numMonRePay = ui::BoundedDecimal(LoanFields::Repayment, this);
    numAns1 = ui::ResultField("numAns1", 2, this);
    numAns2 = ui::ResultField("numAns2", 2, this);
    for (ui::NumericField* field : std::initializer_list<ui::NumericField*>{numPrinAmount, numPeriod, numIntRate,
                                                                            numMonRePay, numAns1, numAns2}) {
        field->setFixedPitch(true);
        field->setMinimumWidth(130);
    }

    Text1 = new QLineEdit("   Error", this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setStyleSheet("color: red; font-weight: bold;");
    Text1->hide();

    // Caption, the finance charges' ": R", the field, its unit.
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel("Principal amount", this), 0, 0);
    fields->addWidget(numPrinAmount, 0, 2);
    fields->addWidget(new QLabel("Period", this), 1, 0);
    fields->addWidget(numPeriod, 1, 2);
    fields->addWidget(new QLabel("months.", this), 1, 3);
    fields->addWidget(new QLabel("Interest rate", this), 2, 0);
    fields->addWidget(numIntRate, 2, 2);
    fields->addWidget(Text1, 2, 2);  // laid over the rate
    fields->addWidget(new QLabel("% p.a.", this), 2, 3);
    fields->addWidget(new QLabel("Monthly repayment", this), 3, 0);
    fields->addWidget(numMonRePay, 3, 2);
    finChargeLabels = {new QLabel("Total Interest", this), new QLabel(": R", this),
                       new QLabel("Total Repayments", this), new QLabel(": R", this)};
    fields->addWidget(finChargeLabels[0], 4, 0);
    fields->addWidget(finChargeLabels[1], 4, 1);
    fields->addWidget(numAns1, 4, 2);
    fields->addWidget(finChargeLabels[2], 5, 0);
    fields->addWidget(finChargeLabels[3], 5, 1);
    fields->addWidget(numAns2, 5, 2);
    fields->setRowStretch(6, 1);

    auto* modes = new QGroupBox("Calculate Mode", this);
    modes->setObjectName("fraLoanCalc");
    auto* modeLayout = new QVBoxLayout(modes);
    for (int row = 0; row < static_cast<int>(optLoanCalc.size()); ++row) {
        optLoanCalc[row] = new QRadioButton(LoanModes[row], modes);
        optLoanCalc[row]->setObjectName(QString("optLoanCalc_%1").arg(row));
        modeLayout->addWidget(optLoanCalc[row]);
        connect(optLoanCalc[row], &QRadioButton::clicked, this, [this, row] { chooseMode(row); });
    }
    auto* modeLine = new QHBoxLayout;
    modeLine->addWidget(new QLabel("Calculate mode", this));
    lblLoanMode = new QLabel(this);
    lblLoanMode->setObjectName("lblLoanMode");
    lblLoanMode->setStyleSheet("font-weight: bold;");
    modeLine->addWidget(lblLoanMode);
    modeLine->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(modes);
    right->addLayout(modeLine);
    right->addStretch();

    // The amortisation panel lies over the fields and the mode; the commands
    // stand below it, whatever its length.
    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addSpacing(12);
    top->addLayout(right);
    top->addSpacerItem(
        new QSpacerItem(0, kGridTop + LoanScheduleGrid::fullHeight(), QSizePolicy::Minimum, QSizePolicy::Fixed));

    cmdCalculate = Button("cmdCalculate", "&Calculate", this);
    cmdOk = Button("cmdOk", "&OK", this);
    cmdFinCharge = Button("cmdFinCharge", "&Fin. charges", this);
    cmdMonAmort = Button("cmdMonAmort", "Mo&nthly Amort.", this);
    cmdAnnAmort = Button("cmdAnnAmort", "&Annual Amort.", this);
    cmdLoanGraph = Button("cmdLoanGraph", "Annual &Graph", this);
    cmdPrint = Button("cmdPrint", "&Print", this);
    auto* commands = new QGridLayout;
    commands->addWidget(cmdCalculate, 0, 0);
    commands->addWidget(cmdFinCharge, 0, 1);
    commands->addWidget(cmdPrint, 0, 2);
    commands->addWidget(cmdOk, 0, 3);
    commands->addWidget(cmdMonAmort, 1, 0);
    commands->addWidget(cmdAnnAmort, 1, 1);
    commands->addWidget(cmdLoanGraph, 1, 2);

    fraPrint = new ui::PrintPanel("C&ancel", this);
    fraPrint->setObjectName("fraPrint");
    printOptions = new LoanPrintOptions(fraPrint);
    static_cast<QBoxLayout*>(fraPrint->layout())->insertWidget(0, printOptions);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(commands);
    layout->addWidget(fraPrint);

    // The amortisation panel lies over the window, outside its layout.
    fraGrid = new LoanScheduleGrid(this);
    fraGrid->move(kGridTop, kGridTop);
    setMinimumSize(560, 300);

    // A change is stored at once; nothing is recalculated until "Calculate".
    connect(numPrinAmount, &ui::DecimalField::valueChanged, this, [this](double v) { store(loan_.Principal, v); });
    connect(numPeriod, &ui::WholeNumberField::valueChanged, this, [this](qint32 v) { store(loan_.PeriodMonths, v); });
    connect(numIntRate, &ui::DecimalField::valueChanged, this, [this](double v) { store(loan_.AnnualRate, v); });
    connect(numMonRePay, &ui::DecimalField::valueChanged, this, [this](double v) { store(loan_.Repayment, v); });
    connect(numIntRate, &ui::NumericField::rangeError, this, [this] { Refuse(this, LoanRateMessage(), numIntRate); });
    connect(numPeriod, &ui::NumericField::rangeError, this, [this] { Refuse(this, LoanPeriodMessage(), numPeriod); });

    connect(cmdCalculate, &QPushButton::clicked, this, &LoanWindow::LoanCalc);
    ui::ClosesWindow(cmdOk, this);
    connect(cmdFinCharge, &QPushButton::clicked, this, &LoanWindow::toggleFinanceCharges);
    connect(cmdMonAmort, &QPushButton::clicked, this, &LoanWindow::showMonthlySchedule);
    connect(cmdAnnAmort, &QPushButton::clicked, this, &LoanWindow::showAnnualSchedule);
    connect(cmdLoanGraph, &QPushButton::clicked, this, &LoanWindow::showGraph);
    connect(cmdPrint, &QPushButton::clicked, fraPrint, &ui::PrintPanel::present);
    connect(fraPrint, &ui::PrintPanel::viewReport, this, [this] { print(0); });
    connect(fraPrint, &ui::PrintPanel::printDirectly, this, [this] { print(1); });
    connect(fraGrid, &LoanScheduleGrid::closed, this, [this] { cmdOk->setFocus(); });
    connect(new ui::ActivationNotifier(this), &ui::ActivationNotifier::activated, this, [this] {
        applyMode();
        showInputs();
        showFinanceCharges();
    });

    applyMode();
    showInputs();
    showFinanceCharges();
}

void LoanWindow::LoanCalc() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Text1->hide();
    const bool rateError = kelvara::LoanCalc(loan_);
    switch (modeRow()) {
        case RepaymentRow: Show(numMonRePay, loan_.Repayment); break;
        case PrincipalRow: Show(numPrinAmount, loan_.Principal); break;
        case PeriodRow:
            Show(numPeriod, loan_.PeriodMonths);
            Show(numMonRePay, loan_.Repayment);
            break;
        case RateRow:
            if (rateError) {
                Text1->show();
                Text1->raise();
            }
            Show(numIntRate, loan_.AnnualRate);
            break;
    }
    showFinanceCharges();
    QApplication::restoreOverrideCursor();
}

LoanAmortGraphWindow* LoanWindow::graphWindow() const { return graph_; }

void LoanWindow::store(double& figure, double value) {
    figure = value;
    loan_.InputChanged = true;
}

int LoanWindow::modeRow() const {
    for (int row = 0; row < static_cast<int>(optLoanCalc.size()); ++row) {
        if (loan_.LoanMode == LoanModes[row]) return row;
    }
    return RepaymentRow;
}

ui::NumericField* LoanWindow::modeField(int row) const {
    const std::array<ui::NumericField*, 4> calculated{numMonRePay, numPrinAmount, numPeriod, numIntRate};
    return calculated[row];
}

void LoanWindow::chooseMode(int row) {
    loan_.LoanMode = LoanModes[row];
    loan_.InputChanged = true;
    applyMode();
    // The fields that become inputs show what the loan holds, which is what a
    // calculation will take.
    showInputs();
    (row == PrincipalRow ? static_cast<QWidget*>(numPeriod) : numPrinAmount)->setFocus();
}

void LoanWindow::applyMode() {
    const int current = modeRow();
    optLoanCalc[current]->setChecked(true);
    lblLoanMode->setText(LoanModes[current]);
    for (int row = 0; row < static_cast<int>(optLoanCalc.size()); ++row) MarkCalculated(modeField(row), row == current);
}

void LoanWindow::showInputs() {
    const int current = modeRow();
    if (current != PrincipalRow) Show(numPrinAmount, loan_.Principal);
    if (current != PeriodRow) Show(numPeriod, loan_.PeriodMonths);
    if (current != RateRow) Show(numIntRate, loan_.AnnualRate);
    if (current != RepaymentRow) Show(numMonRePay, loan_.Repayment);
}

void LoanWindow::showFinanceCharges() {
    const bool shown = FinanceChargesShown(loan_);
    for (QLabel* label : finChargeLabels) label->setVisible(shown);
    numAns1->setVisible(shown);
    numAns2->setVisible(shown);
    if (!shown) return;
    Show(numAns1, TotalInterest(loan_));
    Show(numAns2, TotalRepayments(loan_));
}

void LoanWindow::toggleFinanceCharges() {
    ToggleFinanceCharges(loan_);
    showFinanceCharges();
}

void LoanWindow::showMonthlySchedule() {
    if (!CanShowMonthlySchedule(loan_)) {
        numPrinAmount->setFocus();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    MonthlySchedule(loan_);
    fraGrid->showMonthly(MonthlyRows(loan_));
    QApplication::restoreOverrideCursor();
}

void LoanWindow::showAnnualSchedule() {
    if (!CanShowAnnualSchedule(loan_)) {
        numPrinAmount->setFocus();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CalcAnnAmort(loan_);
    fraGrid->showAnnual(AnnualRows(loan_));
    QApplication::restoreOverrideCursor();
}

void LoanWindow::showGraph() {
    if (!CanShowAnnualSchedule(loan_)) {
        cmdOk->setFocus();
        return;
    }
    CalcAnnAmort(loan_);
    if (graph_) graph_->close();
    graph_ = new LoanAmortGraphWindow(this);
    graph_->LoanAmortGraph(loan_.ScheduleYears, loan_.WholeYears, loan_.ScheduleKind, loan_.YearCapital,
                           loan_.YearInterest, loan_.MonthBalance);
    const QScreen* screen = graph_->screen();
    graph_->move(screen ? screen->availableGeometry().topLeft() : QPoint(0, 0));
    graph_->show();
    graph_->raise();
    graph_->activateWindow();
}

void LoanWindow::print(int destination) {
    // The report must not pair newly typed inputs with older results; an
    // unchanged loan is not worked out again, which in "Repayment period"
    // mode would take another cent off a repayment that pays off no loan.
    if (loan_.InputChanged) LoanCalc();
    if (!CanPrintLoan(loan_)) return;
    printDirect_ = static_cast<std::int16_t>(destination);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PrintLoanReport(reports_, loan_, printOptions->schedule(), destination, this);
    QApplication::restoreOverrideCursor();
    fraPrint->hide();
}

}  // namespace kelvara
