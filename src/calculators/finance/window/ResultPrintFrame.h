#pragma once
#include <QObject>
#include <functional>

#include "PrintRoutine.h"

class QPushButton;
class QWidget;

namespace kelvara {

class ReportEngine;

namespace ui {
class PrintPanel;
}

// How a window prints the result it shows.
struct ResultPrinting {
    std::function<void()> Recalculate;  // brings the results up to date with the inputs
    std::function<bool()> Printable;    // there is a result worth printing
    std::function<ReportJob()> Job;     // the record with its table, layout and title
    // Whether the title is set with the layout on "&Print" rather than when
    // the report is viewed.
    bool TitleWithLayout = false;
};

// The print frame of the finance windows that print their last result.
// "&Print" checks the result first: when there is nothing worth printing it
// only puts the focus on "&OK". Otherwise it writes the record, hands the
// layout to the report engine and shows the frame in front, where
// "&View/Export report" shows the report in a window, "P&rint directly to
// printer" prints it without touching the window title, and "C&ancel" hides
// the frame. Both report buttons run this window's own layout, whatever
// another window printed in between.
//
// So that a report never pairs new inputs with older results, a window tells
// the frame when an input changes and when it has calculated; "&Print" after
// a change recalculates first.
class ResultPrintFrame : public QObject {
    Q_OBJECT

public:
    ResultPrintFrame(QWidget& window, ReportEngine& reports, QPushButton& okButton, ResultPrinting printing);

    ui::PrintPanel* panel() const { return panel_; }

    void inputChanged() { stale_ = true; }
    void calculated() { stale_ = false; }

    // "&Print".
    void print();

private:
    bool writeRecord(const ReportJob& job);
    void run(int destination);

    QWidget& window_;
    ReportEngine& reports_;
    QPushButton& okButton_;
    ResultPrinting printing_;
    ui::PrintPanel* panel_;
    ReportJob job_;  // what the last "&Print" wrote
    bool stale_ = false;
};

}  // namespace kelvara
