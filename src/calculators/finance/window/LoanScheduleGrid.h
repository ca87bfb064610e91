#pragma once
#include <QFrame>
#include <vector>

#include "Amortisation.h"

class QPushButton;
class QTableWidget;

namespace kelvara {

// The loan window's amortisation panel (fraGrid): the schedule in a table
// (grdPayments) with an "&OK" button (cmdGridClose) below it, hidden until a
// schedule is shown. Ten data rows fit; a longer schedule scrolls and the table
// widens to make room for the scroll bar.
class LoanScheduleGrid : public QFrame {
    Q_OBJECT

public:
    explicit LoanScheduleGrid(QWidget* parent);

    QTableWidget* table() const { return grdPayments; }
    QPushButton* closeButton() const { return cmdGridClose; }

    // Fills the table with one row per month or year and shows the panel in
    // front. A monthly table of ten rows or fewer shrinks to its rows.
    void showMonthly(const std::vector<ScheduleRow>& rows);
    void showAnnual(const std::vector<ScheduleRow>& rows);

    // The height of the panel at its fullest, before it grows to cover the
    // window's controls.
    static int fullHeight();

signals:
    // "&OK": the table has been emptied and the panel hidden.
    void closed();

private:
    void fill(const QStringList& headings, const std::vector<ScheduleRow>& rows, bool shrinkToRows);
    void close();

    QTableWidget* grdPayments;
    QPushButton* cmdGridClose;
};

}  // namespace kelvara
