#pragma once
#include <array>

#include "PayPeriodWindow.h"

namespace kelvara {

namespace ui {
class WholeNumberField;
}

// The annual PAYE window: a period of up to one tax year between a start and
// an end date, with the medical scheme's members counted month by month.
class AnnualPayeWindow : public PayPeriodWindow {
    Q_OBJECT

public:
    AnnualPayeWindow(EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                     std::filesystem::path settingsDatabase, QWidget* parent = nullptr);

    // The member-count field of a calendar month (1 January .. 12 December).
    ui::DecimalField* monthField(int month) const { return numAnnCalcBens[month - 1]; }

    // "Duplicate March to all 12 months ".
    void DuplicateMarch();

protected:
    void resultsShown() override;
    std::int32_t medAidContributionDeduction() const override;

private:
    QWidget* monthFrame();
    void lowerToMaximum(int month);
    void showMaximumMessage();

    std::array<ui::DecimalField*, 12> numAnnCalcBens{};  // by calendar month
    ui::WholeNumberField* silgEdit15;
};

}  // namespace kelvara
