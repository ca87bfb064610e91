#include "PayPeriodWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "CloseCommand.h"
#include "DateField.h"
#include "DecimalField.h"
#include "FieldFactory.h"
#include "InformationPanel.h"
#include "MessageService.h"
#include "NumberFormat.h"
#include "PayslipPrintPanel.h"
#include "PeriodDates.h"
#include "PrintRoutine.h"
#include "Rounding.h"
#include "SettingsStore.h"
#include "SetupPanel.h"
#include "TextField.h"
#include "WorkingReport.h"
#include "WorkingWindow.h"

namespace kelvara {

namespace {

constexpr int kPanelLeft = 12;  // where the Setup frame stands across
constexpr int kCountWidth = 56;
constexpr int kDateWidth = 100;

FieldBounds BoundsOf(PayPeriodKind kind, PayPeriodField field) {
    return FindBounds(InputFieldBounds(kind), field)->Bounds;
}

bool IsMoney(PayPeriodField field) {
    switch (field) {
        case PayPeriodField::Age:
        case PayPeriodField::Members:
        case PayPeriodField::MonthMembers:
        case PayPeriodField::NormalDays:
        case PayPeriodField::ThisDays: return false;
        default: return true;
    }
}

QLabel* Caption(const QString& text, QWidget* parent) { return ui::Caption(text, "Label1", parent); }

QLabel* RandSign(QWidget* parent) { return ui::Caption("R", "Label2", parent); }

QPushButton* Button(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// Setup's "O&K" keeps the calculator's fields in the settings database.
ui::SaveSettings SaveTo(std::filesystem::path settingsDatabase) {
    return [database = std::move(settingsDatabase)](const SettingsFields& fields, const Settings& settings) {
        const StoreStatus saved = SettingsStore(database).Save(fields, settings);
        return ui::SettingsSaved{saved.ok, saved.message};
    };
}

}  // namespace

PayPeriodWindow::PayPeriodWindow(PayPeriodKind kind, const QString& formName, const QString& caption, int setupTopTwips,
                                 EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                                 std::filesystem::path settingsDatabase, QWidget* parent)
    : QWidget(parent),
      kind_(kind),
      engine_(engine),
      printDirect_(printDirect),
      reports_(reports),
      setupTopTwips_(setupTopTwips),
      inputs_(DefaultInputs(kind)) {
    setObjectName(formName);
    setWindowTitle(caption);

    const StoreStatus loaded = SettingsStore(settingsDatabase).Load(PayeSettingsFields(), settings_);
    if (!loaded.message.empty()) {
        ui::ShowMessage(this, "Settings", QString::fromStdString(loaded.message),
                        loaded.ok ? ui::MessageIcon::Information : ui::MessageIcon::Critical);
    }

    inputs_grid_ = new QGridLayout;
    inputs_grid_->setHorizontalSpacing(6);
    inputs_grid_->setColumnStretch(2, 1);
    results_grid_ = new QGridLayout;
    results_grid_->setHorizontalSpacing(6);
    results_grid_->setColumnStretch(2, 1);

    cmdInfo = new QPushButton(this);
    cmdInfo->setObjectName("cmdInfo_0");
    cmdInfo->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    cmdInfo->setToolTip("General Information");
    cmdInfo->setFixedWidth(kCountWidth / 2);
    cmdOk = Button("&OK", "cmdOk", this);
    cmdCalculate = Button("&Calculate", "cmdCalculate", this);
    cmdSettings = Button("&Settings", "cmdSettings", this);
    cmdPrint = Button("&Print", "cmdPrint", this);
    cmdWorking = Button("Show &working", "cmdWorking", this);
    frmWorking = NewWorkingWindow(reports_, caption, this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdWorking);
    buttons->addStretch();
    for (QPushButton* button : {cmdOk, cmdCalculate, cmdSettings, cmdPrint}) buttons->addWidget(button);

    auto* columns = new QHBoxLayout;
    columns->addLayout(inputs_grid_, 3);
    columns->addSpacing(18);
    auto* resultColumn = new QVBoxLayout;
    resultColumn->addLayout(results_grid_);
    resultColumn->addStretch();
    columns->addLayout(resultColumn, 2);
    auto* layout = new QVBoxLayout(this);
    body_ = new QVBoxLayout;
    body_->addLayout(columns);
    layout->addLayout(body_);
    layout->addStretch();
    layout->addSpacing(8);
    layout->addLayout(buttons);

    // The panels stand in front of the other controls when they are shown.
    Frame3 = new ui::SetupPanel(ui::SetupPanel::Kind::Paye, settings_, SaveTo(settingsDatabase), this);
    Frame3->move(kPanelLeft, 0);
    fraPrint = new PayslipPrintPanel(this);
    fraInfo_One = new InformationPanel(this);

    ui::UsePrintRoutine(*fraPrint, printDirect_, [this] { PrintPayslip(); });
    connect(fraPrint->nameField(), &QLineEdit::textChanged, this,
            [this](const QString& name) { inputs_.EmployeeName = name.toStdString(); });
    ui::ClosesWindow(cmdOk, this);
    connect(cmdCalculate, &QPushButton::clicked, this, &PayPeriodWindow::Calculate);
    connect(cmdSettings, &QPushButton::clicked, this, [this] {
        Frame3->Open(setupTopTwips_, {cmdOk, cmdCalculate, cmdSettings, cmdPrint, cmdWorking});
    });
    connect(Frame3, &ui::SetupPanel::confirmed, this, &PayPeriodWindow::Calculate);
    connect(cmdPrint, &QPushButton::clicked, fraPrint, &PayslipPrintPanel::presentCentred);
    connect(cmdInfo, &QPushButton::clicked, fraInfo_One, &InformationPanel::present);
    connect(cmdWorking, &QPushButton::clicked, frmWorking, &ui::WorkingWindow::present);
}

// A window deleted while it is shown gives up the focus of its field only in
// QWidget's destructor, when this class and the window's own are already gone:
// the field's signals must not reach them then.
PayPeriodWindow::~PayPeriodWindow() {
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

int PayPeriodWindow::addInput(const QString& name, const QString& caption, PayPeriodField field) {
    auto* entry = ui::BoundedDecimal(name, BoundsOf(kind_, field), this);
    entry->setFixedPitch(true);
    connect(entry, &ui::DecimalField::valueChanged, this,
            [this, field](double value) { SetField(inputs_, field, value); });

    const int row = inputs_grid_->rowCount();
    inputs_grid_->addWidget(Caption(caption, this), row, 0);
    if (IsMoney(field)) {
        inputs_grid_->addWidget(RandSign(this), row, 1);
        entry->setMinimumWidth(kAmountWidth);
        inputs_grid_->addWidget(entry, row, 2);
    } else if (field == PayPeriodField::Age) {
        entry->setFixedWidth(kCountWidth);
        auto* line = new QHBoxLayout;
        line->addWidget(entry);
        line->addWidget(cmdInfo);
        line->addStretch();
        inputs_grid_->addLayout(line, row, 2);
    } else {
        entry->setFixedWidth(kCountWidth);
        inputs_grid_->addWidget(entry, row, 2, Qt::AlignLeft);
    }
    lastInput_ = entry;
    return row;
}

void PayPeriodWindow::addBelow(QWidget* widget) { body_->addWidget(widget); }

void PayPeriodWindow::rereadOnLeaving(ui::DecimalField* field) {
    connect(field, &ui::EntryField::lostFocus, field,
            [field] { field->setValue(LeadingNumber(field->text().toStdString())); });
}

void PayPeriodWindow::addPeriodDates(const QString& startName, const QString& endName, bool followEachOther) {
    const PeriodDates::Bounds taxYear = PeriodDates::TaxYearBounds();
    const auto dateRow = [this, &taxYear](const QString& name, const QString& caption, DayNumber day) {
        auto* field = new ui::DateField(this);
        field->setObjectName(name);
        field->setBounds(taxYear.Lower, taxYear.Upper);
        field->setValue(day);
        field->setFixedWidth(kDateWidth);
        const int row = inputs_grid_->rowCount();
        inputs_grid_->addWidget(Caption(caption, this), row, 0);
        inputs_grid_->addWidget(field, row, 2, Qt::AlignLeft);
        return field;
    };
    startDate_ = dateRow(startName, "Start date", inputs_.StartDate);
    endDate_ = dateRow(endName, "End date", inputs_.EndDate);

    connect(startDate_, &ui::DateField::valueChanged, this, [this](DayNumber day) { inputs_.StartDate = day; });
    connect(endDate_, &ui::DateField::valueChanged, this, [this](DayNumber day) { inputs_.EndDate = day; });
    const auto refuseStart = [this] {
        ui::ShowMessage(this, PeriodDates::IncorrectDateTitle, QString::fromStdString(PeriodDates::StartDateMessage()));
        startDate_->setFocus();
    };
    const auto refuseEnd = [this] {
        ui::ShowMessage(this, PeriodDates::IncorrectDateTitle,
                        QString::fromStdString(PeriodDates::EndDateMessage(startDate_->text().toStdString())));
        endDate_->setFocus();
    };
    connect(startDate_, &ui::DateField::invalidDate, this, refuseStart);
    connect(startDate_, &ui::DateField::outOfBounds, this, refuseStart);
    connect(endDate_, &ui::DateField::invalidDate, this, refuseEnd);
    connect(endDate_, &ui::DateField::outOfBounds, this, refuseEnd);

    if (!followEachOther) return;
    connect(startDate_, &ui::EntryField::gotFocus, this, [this] {
        const PeriodDates::Bounds b = PeriodDates::StartFieldBounds(endDate_->value());
        startDate_->setBounds(b.Lower, b.Upper);
    });
    connect(endDate_, &ui::EntryField::gotFocus, this, [this] {
        const PeriodDates::Bounds b = PeriodDates::EndFieldBounds(startDate_->value());
        endDate_->setBounds(b.Lower, b.Upper);
    });
}

ui::DecimalField* PayPeriodWindow::resultField(const QString& name, std::function<double(const PayPeriodResult&)> value,
                                               int decimals) {
    auto* field = ui::ResultField(name, decimals, this);
    field->setMinimumWidth(decimals == 0 ? kAmountWidth - 20 : kAmountWidth);
    field->setFixedPitch(true);
    results_.push_back({field, std::move(value), decimals});
    return field;
}

void PayPeriodWindow::addResult(const QString& name, const QString& caption,
                                std::function<double(const PayPeriodResult&)> value, int decimals) {
    ui::DecimalField* field = resultField(name, std::move(value), decimals);
    const int row = results_grid_->rowCount();
    results_grid_->addWidget(Caption(caption, this), row, 0);
    results_grid_->addWidget(RandSign(this), row, 1);
    results_grid_->addWidget(field, row, 2);
}

void PayPeriodWindow::addCommonResults(bool withUifAndLevy) {
    addResult(
        "numAllowableRFundDed", "Allowable R/Fund deduction", [](const PayPeriodResult& r) { return r.FundDeduction; },
        0);
    if (withUifAndLevy) {
        addResult("numMAns1", "UIF contribution Employee", [](const PayPeriodResult& r) { return r.UIFEmployee; });
        addResult("numMAns2", "UIF contribution Employer", [](const PayPeriodResult& r) { return r.UIFEmployer; });
        addResult("numMAns3", "S.D.L.", [](const PayPeriodResult& r) { return r.SkillsLevy; });
    }
    addResult("numMAns", "Tax liability", [](const PayPeriodResult& r) { return r.PeriodTax; });
    addResult("numTaxCredit", "Tax credits for beneficiaries",
              [](const PayPeriodResult& r) { return r.MedicalCredit; });
    addResult("numMTCForContri", "Tax credits for contributions",
              [](const PayPeriodResult& r) { return r.AdditionalCredit; });
    addResult("numTaxLiability", "Total tax deduction", [](const PayPeriodResult& r) { return r.TaxAfterCredits; });
}

void PayPeriodWindow::finishOpening() {
    Frame3->ShowSettings();
    Calculate();
}

bool PayPeriodWindow::Calculate() {
    const PayPeriodOutcome outcome = kelvara::Calculate(kind_, engine_, inputs_, settings_);
    if (outcome.Refusal) {
        ui::ShowRefusal(this, *outcome.Refusal);
        focusAfterRefusal(outcome.Focus);
        return false;
    }
    result_ = outcome.Result;
    frmWorking->calculated([kind = kind_, inputs = inputs_, settings = settings_] {
        EngineState scratch;
        Working working;
        kelvara::Calculate(kind, scratch, inputs, settings, &working);
        return working;
    });
    showResults();
    return true;
}

void PayPeriodWindow::showResults() {
    // Whole-rand results are rounded half to even, as the deduction is shown.
    for (const ResultControl& control : results_) {
        control.Field->setValue(RoundHalfEven(control.Value(result_), control.Decimals));
    }
    resultsShown();
}

void PayPeriodWindow::focusAfterRefusal(RefusalFocus focus) {
    switch (focus) {
        case RefusalFocus::StartDate: startDate_->setFocus(); break;
        case RefusalFocus::EndDate: endDate_->setFocus(); break;
        case RefusalFocus::CalculateButton: cmdCalculate->setFocus(); break;
    }
}

void PayPeriodWindow::PrintPayslip() {
    const ReportLanguage language = fraPrint->language();
    if (!Calculate()) return;
    const PayslipReport& report = PayslipReportFor(kind_);
    PrintReportRecord(
        reports_,
        {report.Table, PayslipReportRecord(kind_, inputs_, result_, language, medAidContributionDeduction()),
         report.Layout, report.WindowTitle},
        printDirect_, this);
}

}  // namespace kelvara
