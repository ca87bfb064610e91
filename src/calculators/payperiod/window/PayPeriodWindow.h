#pragma once
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "PayPeriod.h"
#include "PayPeriodFields.h"
#include "Settings.h"

class QGridLayout;
class QVBoxLayout;
class QLabel;
class QPushButton;

namespace kelvara {

class ReportEngine;
class InformationPanel;
class PayslipPrintPanel;

namespace ui {
class DateField;
class DecimalField;
class SetupPanel;
class WorkingWindow;
}  // namespace ui

// What the five PAYE windows share: the "&OK", "&Calculate", "&Settings" and
// "&Print" buttons, the information button with its "General Information"
// panel, the "Setup" panel over the window's own copy of the settings and the
// payslip-check print panel. The window keeps the employee's figures of the
// period as they are typed; results change only when it calculates (on
// "&Calculate", on confirming the settings, once when it opens, and before
// every print).
class PayPeriodWindow : public QWidget {
    Q_OBJECT

public:
    ~PayPeriodWindow() override;

    const PayPeriodInputs& inputs() const { return inputs_; }
    const PayPeriodResult& result() const { return result_; }
    const Settings& settings() const { return settings_; }

    // "&Calculate": works out the period's figures and shows them. A period the
    // calculator refuses gets its message, the focus goes where the message
    // points and the results stay as they were; then it answers false.
    bool Calculate();

    // Writes the payslip check in the language chosen on the print panel and
    // runs its report. It calculates first, so the report never pairs the
    // inputs on the screen with the results of an earlier calculation; a
    // refused calculation prints nothing.
    void PrintPayslip();

protected:
    static constexpr int kAmountWidth = 130;  // the least width of an amount field

    // setupTopTwips: where the "Setup" frame stands when it opens.
    PayPeriodWindow(PayPeriodKind kind, const QString& formName, const QString& caption, int setupTopTwips,
                    EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                    std::filesystem::path settingsDatabase, QWidget* parent);

    // Adds an entry field of the period's figures as the next row of the
    // inputs, bounded as the calculator accepts it; every change is stored at
    // once. The age row also holds the information button. Returns the row.
    int addInput(const QString& name, const QString& caption, PayPeriodField field);

    // The field added last by addInput.
    ui::DecimalField* lastInput() const { return lastInput_; }

    // Makes an amount field take its text once more as its value when the
    // user leaves it, so the text and the stored amount always agree.
    static void rereadOnLeaving(ui::DecimalField* field);

    // Adds a start and an end date field as rows of the inputs, showing the
    // period's dates; a date they refuse gets the "Incorrect Date" message and
    // the focus back. With followEachOther, taking the focus bounds the start
    // date by the end date and the end date by the start date.
    void addPeriodDates(const QString& startName, const QString& endName, bool followEachOther);

    // Adds a result field as the next row of the results.
    void addResult(const QString& name, const QString& caption, std::function<double(const PayPeriodResult&)> value,
                   int decimals = 2);

    // A result field standing at the given place of the inputs grid.
    ui::DecimalField* resultField(const QString& name, std::function<double(const PayPeriodResult&)> value,
                                  int decimals);

    // The results of the common rows: the fund deduction, UIF and levy
    // (withUifAndLevy), the tax, the two credits and the total.
    void addCommonResults(bool withUifAndLevy);

    // Adds a control across the window, below the inputs and results.
    void addBelow(QWidget* widget);

    QGridLayout* inputsGrid() const { return inputs_grid_; }
    QGridLayout* resultsGrid() const { return results_grid_; }
    PayPeriodInputs& editableInputs() { return inputs_; }

    // Fills the results in and shows the window's settings; called once the
    // window's fields are all in place.
    void finishOpening();

    // After the results were shown: the annual window clears the months
    // outside the period here.
    virtual void resultsShown() {}

    // The annual report copies its "Med Aid contribution deduction" field.
    virtual std::int32_t medAidContributionDeduction() const { return 0; }

private:
    void showResults();
    void focusAfterRefusal(RefusalFocus focus);

    PayPeriodKind kind_;
    EngineState& engine_;
    std::int16_t& printDirect_;
    ReportEngine& reports_;
    int setupTopTwips_;
    Settings settings_;
    PayPeriodInputs inputs_;
    PayPeriodResult result_;

    QVBoxLayout* body_;
    QGridLayout* inputs_grid_;
    QGridLayout* results_grid_;
    ui::DecimalField* lastInput_ = nullptr;
    ui::DateField* startDate_ = nullptr;
    ui::DateField* endDate_ = nullptr;
    struct ResultControl {
        ui::DecimalField* Field;
        std::function<double(const PayPeriodResult&)> Value;
        int Decimals;
    };
    std::vector<ResultControl> results_;

    QPushButton* cmdOk;
    QPushButton* cmdCalculate;
    QPushButton* cmdSettings;
    QPushButton* cmdPrint;
    QPushButton* cmdInfo;
    QPushButton* cmdWorking;
    ui::WorkingWindow* frmWorking;
    ui::SetupPanel* Frame3;
    PayslipPrintPanel* fraPrint;
    InformationPanel* fraInfo_One;
};

}  // namespace kelvara
