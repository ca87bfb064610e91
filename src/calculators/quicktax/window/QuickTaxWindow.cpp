#include "QuickTaxWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ActivationNotifier.h"
#include "CloseCommand.h"
#include "DecimalField.h"
#include "FieldFactory.h"
#include "PrintPanel.h"
#include "PrintRoutine.h"
#include "Rounding.h"
#include "WorkingReport.h"
#include "WorkingWindow.h"

namespace kelvara {

namespace {

QLabel* Caption(const QString& text, QWidget* parent) { return ui::Caption(text, "Label1", parent); }

QLabel* Currency(const QString& sign, QWidget* parent) { return ui::Caption(sign, "Label2", parent); }

}  // namespace

QuickTaxWindow::QuickTaxWindow(EngineState& engine, QuickTaxState& quickTax, std::int16_t& printDirect,
                               ReportEngine& reports, QWidget* parent)
    : QWidget(parent), engine_(engine), quickTax_(quickTax), reports_(reports), printDirect_(printDirect) {
    setObjectName("frmKwikTax");
    setWindowTitle("QuickTax");

    for (int i = 0; i < static_cast<int>(sidbEdit1.size()); ++i) {
        auto* field = ui::BoundedDecimal(QString("sidbEdit1_%1").arg(i), QuickTaxFieldBounds[i], this);
        field->setFixedPitch(true);
        field->setReadOnly(i >= BaseTax);  // only the income and the age are typed
        sidbEdit1[i] = field;
    }
    sidbEdit1[MarginalRate]->setMaximumWidth(48);
    sidbEdit1[AverageBeforeRebates]->setMaximumWidth(64);
    sidbEdit1[AverageAfterRebates]->setMaximumWidth(64);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    grid->setHorizontalSpacing(6);
    const auto row = [&](int r, const QString& caption, int index) {
        grid->addWidget(Caption(caption, this), r, 0);
        grid->addWidget(Currency("R", this), r, 1);
        grid->addWidget(sidbEdit1[index], r, 2);
    };
    row(0, "Taxable Income", Income);
    grid->addWidget(Caption("Age", this), 1, 0);
    grid->addWidget(sidbEdit1[Age], 1, 2, Qt::AlignLeft);
    sidbEdit1[Age]->setMaximumWidth(48);
    row(2, "Tax on taxable income", BaseTax);

    // "+ Portion @ M/Rate (" rate "%) R" portion reads as one line.
    auto* portionLine = new QHBoxLayout;
    portionLine->addWidget(Caption("+ Portion @ M/Rate (", this));
    portionLine->addWidget(sidbEdit1[MarginalRate]);
    portionLine->addWidget(Currency("%) R", this));
    portionLine->addStretch();
    grid->addLayout(portionLine, 3, 0, 1, 2);
    grid->addWidget(sidbEdit1[Portion], 3, 2);
    row(4, "Total tax", TotalTax);
    row(5, "Less rebates", Rebates);
    row(6, "Tax commitment", Commitment);

    // The two average rates stand in a second column beside the portion and
    // total-tax lines.
    grid->setColumnMinimumWidth(3, 16);
    grid->addWidget(Caption("Average rate before rebates", this), 3, 4);
    grid->addWidget(sidbEdit1[AverageBeforeRebates], 3, 5);
    grid->addWidget(Currency("%", this), 3, 6);
    grid->addWidget(Caption("Average rate after rebates", this), 4, 4);
    grid->addWidget(sidbEdit1[AverageAfterRebates], 4, 5);
    grid->addWidget(Currency("%", this), 4, 6);

    cmdCalculate = new QPushButton("&Calculate", this);
    cmdCalculate->setObjectName("cmdCalculate");
    cmdOk = new QPushButton("&OK", this);
    cmdOk->setObjectName("cmdOk");
    cmPrint = new QPushButton("&Print", this);
    cmPrint->setObjectName("cmPrint");
    cmdWorking = new QPushButton("Show &working", this);
    cmdWorking->setObjectName("cmdWorking");
    frmWorking = NewWorkingWindow(reports_, windowTitle(), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdWorking);
    buttons->addStretch();
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmPrint);

    Frame1 = new ui::PrintPanel("&Cancel", this);
    ui::UsePrintRoutine(*Frame1, printDirect_, [this] { KwikTaxPrint(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->addWidget(Frame1);

    // A change is stored at once; nothing is recalculated until "Calculate"
    // or the next activation.
    connect(sidbEdit1[Income], &ui::DecimalField::valueChanged, this, [this](double income) {
        quickTax_.QtReportIncome = income;
        engine_.TaxableIncome = income;
    });
    connect(sidbEdit1[Age], &ui::DecimalField::valueChanged, this,
            [this](double age) { quickTax_.QtAge = ToInt16(age).value_or(0); });
    connect(cmdCalculate, &QPushButton::clicked, this, &QuickTaxWindow::Calculate);
    ui::ClosesWindow(cmdOk, this);
    connect(cmPrint, &QPushButton::clicked, Frame1, &ui::PrintPanel::present);
    connect(cmdWorking, &QPushButton::clicked, frmWorking, &ui::WorkingWindow::present);
    connect(new ui::ActivationNotifier(this), &ui::ActivationNotifier::activated, this, &QuickTaxWindow::Calculate);

    ShowFigures();
}

void QuickTaxWindow::Calculate() {
    frmWorking->calculated([income = engine_.TaxableIncome, age = quickTax_.QtAge] {
        EngineState engine;
        engine.TaxableIncome = income;
        QuickTaxState quickTax;
        quickTax.QtAge = age;
        Working working;
        QuickTaxCalculate(engine, quickTax, &working);
        return working;
    });
    QuickTaxCalculate(engine_, quickTax_);
    ShowFigures();
}

void QuickTaxWindow::KwikTaxPrint() {
    Calculate();
    PrintReportRecord(reports_, {KwikTaxTable, KwikTaxRecord(engine_, quickTax_), KwikTaxLayout, KwikTaxTitle},
                      printDirect_, this);
}

void QuickTaxWindow::ShowFigures() {
    const TaxResult& r = engine_.Last;
    const std::array<double, 10> figures{engine_.TaxableIncome,
                                         static_cast<double>(quickTax_.QtAge),
                                         r.BaseTax,
                                         r.MarginalRate,
                                         r.Portion,
                                         quickTax_.QtTotalTax,
                                         quickTax_.QtRebate,
                                         quickTax_.QtTaxCommitment,
                                         quickTax_.QtAverageRate,
                                         quickTax_.QtAverageRateAfter};
    // Showing the figures must not read back as typed changes.
    for (int i = 0; i < static_cast<int>(figures.size()); ++i) {
        const QSignalBlocker quiet(sidbEdit1[i]);
        sidbEdit1[i]->setValue(figures[i]);
    }
}

}  // namespace kelvara
