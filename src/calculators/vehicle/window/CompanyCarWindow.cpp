#include "CompanyCarWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "ActivationNotifier.h"
#include "CloseCommand.h"
#include "CompanyCarList.h"
#include "CompanyCarReport.h"
#include "DateField.h"
#include "DecimalField.h"
#include "FieldLeavingWatch.h"
#include "MessageService.h"
#include "PeriodDates.h"
#include "PrintPanel.h"
#include "PrintRoutine.h"
#include "ReportEngine.h"
#include "ReportOutput.h"
#include "TextField.h"

namespace kelvara {

namespace {

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CompanyCarWindow::CompanyCarWindow(CompanyCarState& state, std::int16_t& printDirect, ReportEngine& reports,
                                   QWidget* parent)
    : QWidget(parent), state_(state), printDirect_(printDirect), reports_(reports), c_(BuildCompCarControls(*this)) {
    setObjectName("frmCompCar");
    setWindowTitle("Full use of Company Car");
    connectEntries();
    connectDates();
    connectCommands();
    Open();
}

// Every entry is stored into the vehicle on screen as soon as it changes.
void CompanyCarWindow::connectEntries() {
    connect(c_.txtCCRegNumber, &QLineEdit::textChanged, this, [this](const QString& text) {
        OnScreenVehicle(state_).CCRegNumber = text.toStdString();
        RegistrationChanged(true);
    });
    const auto storeText = [this](ui::TextField* field, std::string CompanyCarVehicle::*stored) {
        connect(field, &QLineEdit::textChanged, this,
                [this, stored](const QString& text) { OnScreenVehicle(state_).*stored = text.toStdString(); });
    };
    storeText(c_.txtCCMake, &CompanyCarVehicle::CCMake);
    storeText(c_.txtCCModel, &CompanyCarVehicle::CCModel);
    storeText(c_.txtYearOfManfact, &CompanyCarVehicle::YearOfManfact);

    for (const VehicleAmountEntry& entry : c_.amounts) {
        connect(entry.Field, &ui::DecimalField::valueChanged, this,
                [this, stored = entry.Stored](double value) { OnScreenVehicle(state_).*stored = value; });
    }
    connect(c_.numActual3802, &ui::DecimalField::valueChanged, this,
            [this](double value) { state_.Actual3802 = value; });

    // A click only stores the flag; nothing is recalculated.
    connect(c_.chkMaintIncluded, &QCheckBox::toggled, this,
            [this](bool on) { OnScreenVehicle(state_).MaintIncluded = on; });
    connect(c_.chkBussMilage, &QCheckBox::toggled, this, [this](bool on) { OnScreenVehicle(state_).BussMilage = on; });
    connect(c_.chkSARSTable, &QCheckBox::toggled, this, [this](bool on) {
        SetFuelTable(state_, on);
        (on ? c_.numActualExpEmployee : c_.numFuelComponent)->setValue(0);
    });
    connect(c_.chkAutoCalc3802, &QCheckBox::toggled, this, [this](bool on) {
        state_.AutoSplit3802 = on;
        c_.numFB3802ThisCar->setEnabled(!on);
    });
}

// The dates stay within the tax year, the start never after the end. An end
// date refused by its bounds keeps the window open until the field is left.
void CompanyCarWindow::connectDates() {
    ui::DateField* start = c_.dtCCStartDate;
    ui::DateField* end = c_.dtCCEndDate;
    connect(start, &ui::DateField::valueChanged, this,
            [this](DayNumber day) { OnScreenVehicle(state_).CCStartDate = day; });
    connect(end, &ui::DateField::valueChanged, this,
            [this](DayNumber day) { OnScreenVehicle(state_).CCEndDate = day; });
    connect(start, &ui::EntryField::gotFocus, this, [start, end] {
        const PeriodDates::Bounds b = PeriodDates::StartFieldBounds(end->value());
        start->setBounds(b.Lower, b.Upper);
    });
    connect(end, &ui::EntryField::gotFocus, this, [start, end] {
        const PeriodDates::Bounds b = PeriodDates::EndFieldBounds(start->value());
        end->setBounds(b.Lower, b.Upper);
    });
    connect(start, &ui::DateField::invalidDate, this, &CompanyCarWindow::RefuseStartDate);
    connect(start, &ui::DateField::outOfBounds, this, &CompanyCarWindow::RefuseStartDate);
    connect(end, &ui::DateField::invalidDate, this, [this] { RefuseEndDate(false); });
    connect(end, &ui::DateField::outOfBounds, this, [this] { RefuseEndDate(true); });

    endDateLeaving_ = new FieldLeavingWatch(end);
    connect(endDateLeaving_, &FieldLeavingWatch::left, this, [this] { EndDateLeft(state_); });
}

void CompanyCarWindow::connectCommands() {
    ui::ClosesWindow(c_.cmdOk, this);
    connect(c_.cmdAdd, &QPushButton::clicked, this, &CompanyCarWindow::Add);
    connect(c_.cmdBack, &QPushButton::clicked, this, [this] { Page(MoveBack); });
    connect(c_.cmdForward, &QPushButton::clicked, this, [this] { Page(MoveForward); });
    connect(c_.cmdDelete, &QPushButton::clicked, this, &CompanyCarWindow::Delete);
    connect(c_.cmdCalculate, &QPushButton::clicked, this, &CompanyCarWindow::Calculate);
    connect(c_.cmdPrint, &QPushButton::clicked, this, &CompanyCarWindow::Print);
    ui::UsePrintRoutine(*c_.Frame1, printDirect_, [this] { CompCarPrint(); });
    connect(new ui::ActivationNotifier(this), &ui::ActivationNotifier::activated, c_.cmdOk,
            [this] { c_.cmdOk->setEnabled(true); });
}

// An empty list shows the entry record and computes nothing; otherwise
// vehicle 1 comes on screen, computed.
void CompanyCarWindow::Open() {
    c_.cmdOk->setEnabled(true);
    const bool empty = state_.VehicleCount < 1;
    OpenCompanyCarList(state_);
    ShowAutoSplitBoxForSeveral();
    LoadVehicleFields();
    RegistrationChanged(true);
    if (!empty) {
        if (state_.VehicleCount == 1) {
            c_.cmdBack->setEnabled(false);
            c_.cmdForward->setEnabled(false);
            Enable({c_.cmdCalculate, c_.cmdPrint});
        } else {
            Enable({c_.cmdBack, c_.cmdForward, c_.cmdDelete});
        }
        ShowFigures();
    }
    c_.cmdCalculate->setEnabled(true);
    SetCaption();
}

void CompanyCarWindow::Calculate() {
    CalculateCompanyCar(state_);
    ShowFigures();
}

// The new vehicle starts from the entry record; until it gets a registration
// number of its own only the list commands are open.
void CompanyCarWindow::Add() {
    if (!AddVehicle(state_)) return;
    ShowAutoSplitBoxForSeveral();
    LoadVehicleFields();
    SetCaption();
    ShowFigures();
    EnableOnly({c_.cmdAdd, c_.cmdOk, c_.cmdDelete, c_.lblCCRegNumber, c_.txtCCRegNumber});
    c_.txtCCRegNumber->setFocus();
}

void CompanyCarWindow::Page(void (*move)(CompanyCarState&)) {
    move(state_);
    LoadVehicleFields();
    RegistrationChanged(false);
    SetCaption();
    ShowFigures();
}

// Removes the vehicle on screen without asking and shows vehicle 1.
void CompanyCarWindow::Delete() {
    if (state_.CurrentVehicle < 1 || state_.CurrentVehicle > state_.VehicleCount) return;
    DeleteVehicle(state_);
    ShowAutoSplitBoxForSeveral();
    LoadVehicleFields();
    if (state_.VehicleCount >= 1) {
        RegistrationChanged(true);
    } else {
        EnableOnly({c_.cmdAdd, c_.cmdOk, c_.cmdCalculate, c_.cmdPrint});
    }
    if (state_.VehicleCount <= 1) {
        c_.cmdForward->setEnabled(false);
        c_.cmdBack->setEnabled(false);
    }
    SetCaption();
    ShowFigures();
}

void CompanyCarWindow::Print() {
    Calculate();
    c_.Frame1->present();
}

void CompanyCarWindow::CompCarPrint() {
    if (!ReportWritten(
            ReportOutput(reports_.ReportDatabase())
                .ReplaceReportRows(CompanyCarTable, CompanyCarEmptyingStatement, CompanyCarPrintRows(state_)),
            this)) {
        return;
    }
    if (printDirect_ == ReportEngine::Window) {
        reports_.RunReport(CompanyCarLayout, QString(CompanyCarReportTitle), ReportEngine::Window);
    } else if (printDirect_ == ReportEngine::Printer) {
        reports_.RunReport(CompanyCarLayout, std::nullopt, ReportEngine::Printer);
    }
}

void CompanyCarWindow::closeEvent(QCloseEvent* event) {
    if (const auto refusal = CloseCompanyCarList(state_)) {
        ui::ShowRefusal(this, *refusal);
        event->ignore();
        // The focus leaves the end date here, though the field may not hear
        // of it while the message box still holds the window inactive.
        c_.dtCCStartDate->setFocus();
        EndDateLeft(state_);
        return;
    }
    event->accept();
}

// The values come from the vehicle itself, so nothing needs storing back.
void CompanyCarWindow::LoadVehicleFields() {
    const CompanyCarVehicle& v = OnScreenVehicle(state_);
    const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) control->blockSignals(true);
    c_.txtCCRegNumber->setText(FromStd(v.CCRegNumber));
    c_.txtCCMake->setText(FromStd(v.CCMake));
    c_.txtCCModel->setText(FromStd(v.CCModel));
    c_.txtYearOfManfact->setText(FromStd(v.YearOfManfact));
    for (const VehicleAmountEntry& entry : c_.amounts) entry.Field->setValue(v.*entry.Stored);
    c_.numFuelComponent->setValue(v.FuelComponent);
    c_.numAdjustTaxableInc->setValue(v.AdjustTaxableInc);
    c_.numActual3802->setValue(state_.Actual3802);
    c_.chkMaintIncluded->setChecked(v.MaintIncluded);
    c_.chkBussMilage->setChecked(v.BussMilage);
    c_.chkSARSTable->setChecked(v.SARSTable);
    c_.dtCCStartDate->setValue(v.CCStartDate);
    c_.dtCCEndDate->setValue(v.CCEndDate);
    for (QWidget* control : controls) control->blockSignals(false);
}

void CompanyCarWindow::ShowFigures() {
    const CompanyCarShown s = ShownFigures(state_);
    const CompanyCarResults& r = s.Figures;
    const std::pair<ui::DecimalField*, double> shown[] = {
        {c_.numTotalDistance, s.TotalDistance},
        {c_.numBusDistance, s.BusDistance},
        {c_.numFB3802ThisCar, s.FB3802ThisCar},
        {c_.numFuelComponent, s.FuelComponent},
        {c_.numAdjustTaxableInc, s.AdjustTaxableInc},
        {c_.numCCMonths, r.DaysOfUse},
        {c_.numPrivateDistance, r.PrivateDistance},
        {c_.numTrueInclusion, r.TrueInclusion},
        {c_.numTrueInclusion_1, r.TrueInclusion},
        {c_.numFuelClaim, r.FuelClaim},
        {c_.numTotAddExpense, r.TotAddExpense},
        {c_.numFuelExp, r.FuelExp},
        {c_.numAdjustTaxableIncSARS, r.SARSDeductionClaim},
        {c_.numIRP53802, r.IRP53802},
        {c_.numMonFB80, r.MonFB80},
        {c_.numMonFB20, r.MonFB20},
        {c_.numFortFB80, r.FortFB80},
        {c_.numFortFB20, r.FortFB20},
        {c_.numWeekFB80, r.WeekFB80},
        {c_.numWeekFB20, r.WeekFB20},
        {c_.numTotAdjustTaxableInc, s.TotalAdjustment},
        {c_.numTotAdjustTaxableIncSARS, s.TotalAdjustmentSARS},
    };
    // The figures are the state's own; showing them must not store them again.
    for (const auto& [field, value] : shown) {
        const QSignalBlocker quiet(field);
        field->setValue(value);
    }
}

void CompanyCarWindow::SetCaption() { setWindowTitle(FromStd(CompanyCarCaption(state_))); }

// A vehicle without a registration number locks the window down to the
// registration field and the commands that leave the vehicle. The field
// itself stays enabled throughout, so typing in it keeps the focus.
void CompanyCarWindow::RegistrationChanged(bool moveFocus) {
    const bool registered = !OnScreenVehicle(state_).CCRegNumber.empty();
    const bool several = state_.VehicleCount > 1;
    if (registered && several) {
        EnableAllBut({});
    } else if (registered) {
        EnableAllBut({c_.cmdBack, c_.cmdForward});
    } else if (several) {
        EnableOnly({c_.cmdDelete, c_.lblCCRegNumber, c_.txtCCRegNumber});
    } else {
        EnableOnly({c_.cmdOk, c_.cmdAdd, c_.lblCCRegNumber, c_.txtCCRegNumber});
        if (moveFocus) c_.txtCCRegNumber->setFocus();
    }
}

// Each control is set once, so that no focus passes through a control that is
// disabled on the way. The print panel is left alone: "&Print" brings it up.
void CompanyCarWindow::EnableOnly(std::initializer_list<QWidget*> open) {
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != c_.Frame1) control->setEnabled(std::find(open.begin(), open.end(), control) != open.end());
}

void CompanyCarWindow::EnableAllBut(std::initializer_list<QWidget*> closed) {
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != c_.Frame1) control->setEnabled(std::find(closed.begin(), closed.end(), control) == closed.end());
}

void CompanyCarWindow::Enable(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) control->setEnabled(true);
}

void CompanyCarWindow::ShowAutoSplitBoxForSeveral() { c_.chkAutoCalc3802->setVisible(state_.VehicleCount > 1); }

void CompanyCarWindow::RefuseStartDate() {
    ui::ShowMessage(this, PeriodDates::IncorrectDateTitle, FromStd(PeriodDates::StartDateMessage()));
    if (isVisible()) {
        c_.dtCCStartDate->setFocus();
    } else {
        OnScreenVehicle(state_).CCStartDate = ActiveTaxYear().FirstDay;
        c_.dtCCStartDate->setValue(ActiveTaxYear().FirstDay);
    }
}

// Out of its bounds, an end date stays rejected until the field is left. A
// window that is already closing puts the end of the tax year in instead.
void CompanyCarWindow::RefuseEndDate(bool outOfBounds) {
    ui::ShowMessage(this, PeriodDates::IncorrectDateTitle,
                    FromStd(PeriodDates::EndDateMessage(c_.dtCCStartDate->text().toStdString())));
    if (!isVisible()) {
        OnScreenVehicle(state_).CCEndDate = ActiveTaxYear().LastDay;
        c_.dtCCEndDate->setValue(ActiveTaxYear().LastDay);
        return;
    }
    if (outOfBounds) {
        MarkEndDateRejected(state_);
        endDateLeaving_->entryRefused();
    }
    c_.dtCCEndDate->setFocus();
}

}  // namespace kelvara
