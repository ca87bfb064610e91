#pragma once
#include <QFrame>
#include <array>

#include "TravelAllowance.h"

namespace kelvara {

namespace ui {
class DecimalField;
class WholeNumberField;
}  // namespace ui

// The travel-allowance results without records: the distances, the fixed
// cost as a fraction of the period over the distance, the four rates in
// cents per km and the claim.
class DeemedCostPanel : public QFrame {
    Q_OBJECT

public:
    explicit DeemedCostPanel(QWidget* parent);

    void showResults(const TravelAllowanceState& state);
    void showZeros();

private:
    enum Distance { Business, Private, Total, FixedCost, FixedCostDistance };  // sidbEdit3
    enum Days { PeriodDays, YearDays };                                        // silgEdit13
    enum Rate { FixedRate, FuelRate, MaintenanceRate, TotalRate, Claim };      // sidbEdit1

    std::array<ui::DecimalField*, 5> sidbEdit3{};       // distances, fixed cost, total distance
    std::array<ui::WholeNumberField*, 2> silgEdit13{};  // the period's days over the year's
    std::array<ui::DecimalField*, 5> sidbEdit1{};       // rates and the claim
};

// The travel-allowance results with records: the distances, the costs less
// their private use, and the claim.
class ActualCostPanel : public QFrame {
    Q_OBJECT

public:
    explicit ActualCostPanel(QWidget* parent);

    void showResults(const TravelAllowanceState& state);

private:
    std::array<ui::DecimalField*, 7> sidbEdit2{};
};

}  // namespace kelvara
