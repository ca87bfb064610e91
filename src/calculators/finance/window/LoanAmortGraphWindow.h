#pragma once
#include <QWidget>
#include <cstdint>
#include <vector>

namespace kelvara {

// A chart of a loan's yearly schedule: the capital and the interest repaid in
// each year as stacked bars, and the balance at each year's end as a line on
// an axis of its own.
class LoanAmortGraphWindow : public QWidget {
    Q_OBJECT

public:
    explicit LoanAmortGraphWindow(QWidget* parent = nullptr);

    // Draws the yearly columns (index 1 upward): the whole years, and with
    // scheduleKind 2 the part year that ends the loan (scheduleYears rows in
    // all).
    void LoanAmortGraph(std::int16_t scheduleYears, std::int16_t wholeYears, std::int16_t scheduleKind,
                        const std::vector<double>& yearCapital, const std::vector<double>& yearInterest,
                        const std::vector<double>& yearEndBalance);
};

}  // namespace kelvara
