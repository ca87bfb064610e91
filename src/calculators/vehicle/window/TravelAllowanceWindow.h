#pragma once
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "DayNumber.h"
#include "TravelAllowance.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvara {

class ReportEngine;
class DeemedCostPanel;
class ActualCostPanel;

namespace ui {
class DateField;
class PrintPanel;
class TextField;
class WholeNumberField;
}  // namespace ui

// The car-allowance window: the deduction an employee may claim against a
// travel allowance, from the deemed costs of the vehicle's value band when no
// records were kept, or from the actual costs when they were. Its inputs and
// results live in the shared calculation state, so they survive closing the
// window; only the period's dates start again at the tax year on every opening.
class TravelAllowanceWindow : public QWidget {
    Q_OBJECT

public:
    // printDirect: where the next report goes, set by the print buttons.
    TravelAllowanceWindow(TravelAllowanceState& state, std::int16_t& printDirect, ReportEngine& reports,
                          QWidget* parent = nullptr);

    // The period from the dates, then the claim the records call for, shown in
    // the panel of the chosen mode.
    void Recalculate();

    // Writes the "traveldeduction" record from the state as it stands and runs
    // the layout of the chosen mode.
    void PrintCarAll1();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildChoices();
    QWidget* buildInputs();
    void connectInputs();
    void connectDates();
    void guardSinglePayment(int index, int otherIndex);
    void showState();
    void applyModeLayout();
    void printPresent();
    void restoreEntry();
    template <typename Field>
    void rememberOnFocus(Field* field);

    TravelAllowanceState& state_;
    std::int16_t& printDirect_;
    ReportEngine& reports_;
    DayNumber startDate_;
    DayNumber endDate_;

    // Escape puts back the value the focused entry field had when it got the
    // focus.
    QWidget* remembering_ = nullptr;
    std::function<void()> restore_;

    ui::TextField* Text1;
    QLineEdit* Text2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QCheckBox* Check1;
    QCheckBox* Check2;
    std::array<ui::WholeNumberField*, 11> silgEdit{};  // silgEdit1 to silgEdit11
    std::array<QWidget*, 11> inputCaptions_{};         // caption with its "R"
    QLabel* ifKept_;
    ui::DateField* dtCarAlStartDate;
    ui::DateField* dtCarAlEndDate;
    std::array<QLabel*, 2> dateCaptions_{};
    QLabel* periodCaption_;
    ui::WholeNumberField* silgEdit12;
    ui::WholeNumberField* silgEdit14;
    DeemedCostPanel* deemedPanel_;
    ActualCostPanel* actualPanel_;
    QPushButton* cmdCalculate;
    QPushButton* cmdOk;
    QPushButton* cmdPrint;
    ui::PrintPanel* Frame1;
    ui::TextField* Text3;
};

}  // namespace kelvara
