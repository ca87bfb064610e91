#pragma once
#include <QWidget>
#include <cstdint>
#include <initializer_list>

#include "CompanyCar.h"
#include "CompanyCarControls.h"

namespace kelvara {

class FieldLeavingWatch;
class ReportEngine;

// "Full use of Company Car": the fringe benefit of every company car of one
// employee. The window pages through the vehicle list kept in the shared
// calculation state, so the list survives closing the window until
// "Initialise All". Every entry is stored into the vehicle on screen at once;
// the figures change only when the window calculates. While the vehicle on
// screen has no registration number the window is locked down to the
// registration field and the list commands.
class CompanyCarWindow : public QWidget {
    Q_OBJECT

public:
    // printDirect: where the next report goes, set by the print buttons.
    CompanyCarWindow(CompanyCarState& state, std::int16_t& printDirect, ReportEngine& reports,
                     QWidget* parent = nullptr);

    // Writes one "compcar" row per vehicle and runs the report.
    void CompCarPrint();

protected:
    // Refused while an end date is rejected; otherwise computes once more.
    void closeEvent(QCloseEvent* event) override;

private:
    void connectEntries();
    void connectDates();
    void connectCommands();

    void Open();
    void Calculate();
    void Add();
    void Page(void (*move)(CompanyCarState&));
    void Delete();
    void Print();

    void LoadVehicleFields();
    void ShowFigures();
    void SetCaption();
    void RegistrationChanged(bool moveFocus);
    void EnableOnly(std::initializer_list<QWidget*> open);
    void EnableAllBut(std::initializer_list<QWidget*> closed);
    void Enable(std::initializer_list<QWidget*> controls);
    void ShowAutoSplitBoxForSeveral();

    void RefuseStartDate();
    void RefuseEndDate(bool outOfBounds);

    CompanyCarState& state_;
    std::int16_t& printDirect_;
    ReportEngine& reports_;
    CompanyCarControls c_;
    FieldLeavingWatch* endDateLeaving_ = nullptr;
};

}  // namespace kelvara
