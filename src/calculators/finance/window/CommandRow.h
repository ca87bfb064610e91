#pragma once

class QHBoxLayout;
class QLayout;
class QPushButton;
class QWidget;

namespace kelvara {

class ResultPrintFrame;

// "&Calculate", "&OK" and "&Print" in a row at the right: the commands every
// finance window that prints its last result ends with.
struct CommandRow {
    explicit CommandRow(QWidget* window);

    // Lays the window out (its fields, the row, then the print frame's panel
    // below) and wires "&OK" to close the whole window and "&Print" to the frame.
    // What "&Calculate" does is each window's own.
    void finish(QWidget* window, QLayout* fields, ResultPrintFrame* printFrame);

    QPushButton* Calculate;
    QPushButton* OK;
    QPushButton* Print;

private:
    QHBoxLayout* row_;
};

}  // namespace kelvara
