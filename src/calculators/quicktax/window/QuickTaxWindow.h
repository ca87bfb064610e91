#pragma once
#include <QWidget>
#include <array>

#include "QuickTax.h"

class QPushButton;

namespace kelvara {

class ReportEngine;

namespace ui {
class DecimalField;
class PrintPanel;
class WorkingWindow;
}  // namespace ui

// The QuickTax window: an annual taxable income and an age in, the tax by the
// scale, the rebates, the tax commitment and the average rates out. Its
// figures live in the shared calculation state, and it calculates every time
// it becomes active, so it always shows the income any calculator last handed
// to the tax engine.
class QuickTaxWindow : public QWidget {
    Q_OBJECT

public:
    // printDirect: where the next report goes, set by the print buttons.
    QuickTaxWindow(EngineState& engine, QuickTaxState& quickTax, std::int16_t& printDirect, ReportEngine& reports,
                   QWidget* parent = nullptr);

    // The ten fields (sidbEdit1), in display order.
    enum Field {
        Income,
        Age,
        BaseTax,
        MarginalRate,
        Portion,
        TotalTax,
        Rebates,
        Commitment,
        AverageBeforeRebates,
        AverageAfterRebates,
    };
    ui::DecimalField* field(int index) const { return sidbEdit1[index]; }

    // "&Calculate", and what every activation does.
    void Calculate();

    // Writes the "kwiktax" record and runs its report. It calculates first, so
    // that the report never pairs a newly typed income with older figures.
    void KwikTaxPrint();

private:
    void ShowFigures();

    EngineState& engine_;
    QuickTaxState& quickTax_;
    ReportEngine& reports_;
    std::int16_t& printDirect_;
    ui::PrintPanel* Frame1;
    std::array<ui::DecimalField*, 10> sidbEdit1{};
    QPushButton* cmdCalculate;
    QPushButton* cmdOk;
    QPushButton* cmPrint;
    QPushButton* cmdWorking;
    ui::WorkingWindow* frmWorking;
};

}  // namespace kelvara
