#include "TravelAllowanceWindow.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <type_traits>

#include "ActiveTaxYear.h"
#include "CarAllowance.h"
#include "CarAllowanceReport.h"
#include "CloseCommand.h"
#include "DateField.h"
#include "FieldFactory.h"
#include "MessageService.h"
#include "PeriodDates.h"
#include "PrintPanel.h"
#include "PrintRoutine.h"
#include "TextField.h"
#include "TravelAllowanceResultPanels.h"
#include "WholeNumberField.h"

namespace kelvara {

namespace {

constexpr int kFirstCostField = 5;  // fuel and oil; the six cost fields follow
constexpr int kWearAndTear = 9;
constexpr int kLeasePayments = 10;
constexpr int kPeriodBounds = 11;
constexpr int kEmployeeNameLength = 50;

// The eleven number fields in screen order, each with its caption, whether it
// is an amount in rand, and the state field it stores into.
struct InputDesign {
    const char* Caption;
    bool Rand;
    double TravelAllowanceState::*Field;
};
constexpr std::array<InputDesign, 11> kInputs{{
    {"Original value of vehicle", true, &TravelAllowanceState::VehicleValue},
    {"Allowance received", true, &TravelAllowanceState::AllowanceReceived},
    {"Close km reading", false, &TravelAllowanceState::ClosingKm},
    {"Open km reading", false, &TravelAllowanceState::OpeningKm},
    {"Business km", false, &TravelAllowanceState::BusinessKm},
    {"Fuel/Oil", true, &TravelAllowanceState::FuelOil},
    {"Repairs/Miantenance", true, &TravelAllowanceState::RepairsMaintenance},
    {"Insurance/Licence", true, &TravelAllowanceState::InsuranceLicence},
    {"Other expenses", true, &TravelAllowanceState::OtherExpenses},
    {"Wear and tear", true, &TravelAllowanceState::WearAndTear},
    {"Lease payments", true, &TravelAllowanceState::LeasePayments},
}};

ui::WholeNumberField* InputField(const QString& name, const FieldBounds& bounds, QWidget* parent) {
    auto* field = ui::BoundedWholeNumber(name, bounds, parent);
    field->setFixedWidth(100);
    return field;
}

// A caption with the "R" of an amount at its right, greyed together.
QWidget* InputCaption(const InputDesign& design, QWidget* parent) {
    auto* caption = new QWidget(parent);
    auto* row = new QHBoxLayout(caption);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(design.Caption, caption));
    row->addStretch();
    if (design.Rand) row->addWidget(new QLabel("R", caption));
    return caption;
}

template <typename Field, typename Value>
void ShowQuietly(Field* field, Value value) {
    const QSignalBlocker quiet(field);
    field->setValue(value);
}

}  // namespace

TravelAllowanceWindow::TravelAllowanceWindow(TravelAllowanceState& state, std::int16_t& printDirect,
                                             ReportEngine& reports, QWidget* parent)
    : QWidget(parent),
      state_(state),
      printDirect_(printDirect),
      reports_(reports),
      startDate_(ActiveTaxYear().FirstDay),
      endDate_(ActiveTaxYear().LastDay) {
    setObjectName("frmCarAll1");
    setWindowTitle("Travel Allowance");

    QWidget* choices = buildChoices();
    QWidget* inputs = buildInputs();
    deemedPanel_ = new DeemedCostPanel(this);
    actualPanel_ = new ActualCostPanel(this);
    auto* results = new QVBoxLayout;
    results->addWidget(deemedPanel_);
    results->addWidget(actualPanel_);
    auto* body = new QHBoxLayout;
    body->addWidget(inputs);
    body->addSpacing(12);
    body->addLayout(results, 1);

    cmdCalculate = new QPushButton("&Calculate", this);
    cmdCalculate->setObjectName("cmdCalculate");
    cmdOk = new QPushButton("&OK", this);
    cmdOk->setObjectName("cmdOk");
    cmdPrint = new QPushButton("&Print", this);
    cmdPrint->setObjectName("cmdPrint");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdPrint);

    Frame1 = new ui::PrintPanel("&Cancel", this);
    Text3 = new ui::TextField(kEmployeeNameLength, Frame1);
    Text3->setObjectName("Text3");
    auto* printRow = static_cast<QBoxLayout*>(Frame1->layout());
    printRow->insertWidget(0, new QLabel("Employee name :", Frame1));
    printRow->insertWidget(1, Text3);
    printRow->insertWidget(2, new QLabel("(max.50 chrs.)", Frame1));
    ui::UsePrintRoutine(*Frame1, printDirect_, [this] { PrintCarAll1(); });

    // Escape restores through a round trip of the focus; this box only takes it.
    Text2 = new QLineEdit(this);
    Text2->setObjectName("Text2");
    Text2->setFixedSize(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(choices);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    layout->addWidget(Frame1);

    connectInputs();
    connectDates();
    connect(cmdCalculate, &QPushButton::clicked, this, &TravelAllowanceWindow::Recalculate);
    ui::ClosesWindow(cmdOk, this);
    connect(cmdPrint, &QPushButton::clicked, this, &TravelAllowanceWindow::printPresent);

    showState();
    applyModeLayout();
    Recalculate();
}

QWidget* TravelAllowanceWindow::buildChoices() {
    auto* choices = new QWidget(this);
    Text1 = new ui::TextField(CarDescriptionMaxLength, choices);
    Text1->setObjectName("Text1");
    Text1->setFixedWidth(200);

    auto* records = new QGroupBox("Accurate record kept", choices);
    Option3 = new QRadioButton("&No", records);
    Option3->setObjectName("Option3");
    Option4 = new QRadioButton("&Yes", records);
    Option4->setObjectName("Option4");
    auto* recordsRow = new QHBoxLayout(records);
    recordsRow->addWidget(Option3);
    recordsRow->addWidget(Option4);

    Check1 = new QCheckBox("Include Fuel Costs", choices);
    Check1->setObjectName("Check1");
    Check2 = new QCheckBox("Include Maintenance Costs", choices);
    Check2->setObjectName("Check2");
    auto* ticks = new QVBoxLayout;
    ticks->addWidget(Check1);
    ticks->addWidget(Check2);

    auto* row = new QHBoxLayout(choices);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel("Car :", choices));
    row->addWidget(Text1);
    row->addSpacing(12);
    row->addWidget(records);
    row->addSpacing(12);
    row->addLayout(ticks);
    row->addStretch();
    return choices;
}

QWidget* TravelAllowanceWindow::buildInputs() {
    auto* inputs = new QWidget(this);
    auto* grid = new QGridLayout(inputs);
    grid->setContentsMargins(0, 0, 0, 0);
    int r = 0;
    for (int i = 0; i < static_cast<int>(kInputs.size()); ++i, ++r) {
        silgEdit[i] = InputField(QString("silgEdit%1").arg(i + 1), CarAllowanceFieldBounds[i].Bounds, inputs);
        inputCaptions_[i] = InputCaption(kInputs[i], inputs);
        grid->addWidget(inputCaptions_[i], r, 0);
        grid->addWidget(silgEdit[i], r, 1);
    }
    ifKept_ = new QLabel(" (if kept)", inputs);
    grid->addWidget(ifKept_, 4, 2);

    dtCarAlStartDate = new ui::DateField(inputs);
    dtCarAlStartDate->setObjectName("dtCarAlStartDate");
    dtCarAlEndDate = new ui::DateField(inputs);
    dtCarAlEndDate->setObjectName("dtCarAlEndDate");
    dateCaptions_ = {new QLabel("Start Date", inputs), new QLabel("End Date", inputs)};
    for (auto* date : {dtCarAlStartDate, dtCarAlEndDate}) date->setFixedWidth(100);
    grid->addWidget(dateCaptions_[0], r, 0);
    grid->addWidget(dtCarAlStartDate, r++, 1);
    grid->addWidget(dateCaptions_[1], r, 0);
    grid->addWidget(dtCarAlEndDate, r++, 1);

    // While records are kept the blank field lies over the period, so that
    // no period is shown.
    periodCaption_ = new QLabel("Period (number of days)", inputs);
    silgEdit12 = InputField("silgEdit12", CarAllowanceFieldBounds[kPeriodBounds].Bounds, inputs);
    silgEdit14 = InputField("silgEdit14", CarAllowanceFieldBounds[kPeriodBounds].Bounds, inputs);
    silgEdit14->setReadOnly(true);
    silgEdit14->setFocusPolicy(Qt::NoFocus);
    silgEdit14->clear();
    grid->addWidget(periodCaption_, r, 0);
    grid->addWidget(silgEdit12, r, 1);
    grid->addWidget(silgEdit14, r++, 1);
    grid->setRowStretch(r, 1);
    return inputs;
}

void TravelAllowanceWindow::connectInputs() {
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& text) { state_.CarDescription = text.toStdString(); });
    rememberOnFocus(Text1);
    connect(Option3, &QRadioButton::toggled, this, [this](bool chosen) {
        if (!chosen) return;
        state_.RecordsKept = false;
        applyModeLayout();
    });
    connect(Option4, &QRadioButton::toggled, this, [this](bool chosen) {
        if (!chosen) return;
        state_.RecordsKept = true;
        applyModeLayout();
    });
    connect(Check1, &QCheckBox::clicked, this, [this](bool ticked) {
        state_.IncludeFuel = ticked;
        Recalculate();
    });
    connect(Check2, &QCheckBox::clicked, this, [this](bool ticked) {
        state_.IncludeMaintenance = ticked;
        Recalculate();
    });

    for (int i = 0; i < static_cast<int>(silgEdit.size()); ++i) {
        rememberOnFocus(silgEdit[i]);
        if (i == kWearAndTear || i == kLeasePayments) continue;
        connect(silgEdit[i], &ui::WholeNumberField::valueChanged, this,
                [this, field = kInputs[i].Field](qint32 value) { state_.*field = value; });
    }
    guardSinglePayment(kWearAndTear, kLeasePayments);
    guardSinglePayment(kLeasePayments, kWearAndTear);
    connect(silgEdit12, &ui::WholeNumberField::valueChanged, this, [this](qint32 days) { state_.PeriodDays = days; });
}

// Wear and tear and lease payments exclude each other: an amount typed into
// one while the other holds one is refused and the field goes back to 0.
void TravelAllowanceWindow::guardSinglePayment(int index, int otherIndex) {
    ui::WholeNumberField* field = silgEdit[index];
    connect(field, &ui::WholeNumberField::valueChanged, this,
            [this, field, stored = kInputs[index].Field, other = kInputs[otherIndex].Field](qint32 value) {
                if (auto refusal = SinglePaymentRefusal(value, state_.*other)) {
                    field->setValue(0);
                    ui::ShowRefusal(this, *refusal);
                    field->setFocus();
                    return;
                }
                state_.*stored = value;
            });
}

void TravelAllowanceWindow::connectDates() {
    const PeriodDates::Bounds taxYear = PeriodDates::TaxYearBounds();
    for (auto* date : {dtCarAlStartDate, dtCarAlEndDate}) {
        date->setBounds(taxYear.Lower, taxYear.Upper);
        rememberOnFocus(date);
    }
    dtCarAlStartDate->setValue(startDate_);
    dtCarAlEndDate->setValue(endDate_);
    connect(dtCarAlStartDate, &ui::DateField::valueChanged, this, [this](DayNumber day) { startDate_ = day; });
    connect(dtCarAlEndDate, &ui::DateField::valueChanged, this, [this](DayNumber day) { endDate_ = day; });

    // Each date keeps to the tax year and to the other date.
    connect(dtCarAlStartDate, &ui::EntryField::gotFocus, this, [this] {
        const PeriodDates::Bounds b = PeriodDates::StartFieldBounds(endDate_);
        dtCarAlStartDate->setBounds(b.Lower, b.Upper);
    });
    connect(dtCarAlEndDate, &ui::EntryField::gotFocus, this, [this] {
        const PeriodDates::Bounds b = PeriodDates::EndFieldBounds(startDate_);
        dtCarAlEndDate->setBounds(b.Lower, b.Upper);
    });

    // A refused date sends the user back to the field; when the window is no
    // longer shown (it is closing) the date goes back to its end of the year.
    const auto refuseStart = [this] {
        ui::ShowMessage(this, PeriodDates::IncorrectDateTitle, QString::fromStdString(PeriodDates::StartDateMessage()));
        if (isVisible()) {
            dtCarAlStartDate->setFocus();
        } else {
            dtCarAlStartDate->setValue(ActiveTaxYear().FirstDay);
        }
    };
    const auto refuseEnd = [this] {
        ui::ShowMessage(this, PeriodDates::IncorrectDateTitle,
                        QString::fromStdString(PeriodDates::EndDateMessage(dtCarAlStartDate->text().toStdString())));
        if (isVisible()) {
            dtCarAlEndDate->setFocus();
        } else {
            dtCarAlEndDate->setValue(ActiveTaxYear().LastDay);
        }
    };
    connect(dtCarAlStartDate, &ui::DateField::invalidDate, this, refuseStart);
    connect(dtCarAlStartDate, &ui::DateField::outOfBounds, this, refuseStart);
    connect(dtCarAlEndDate, &ui::DateField::invalidDate, this, refuseEnd);
    connect(dtCarAlEndDate, &ui::DateField::outOfBounds, this, refuseEnd);
}

template <typename Field>
void TravelAllowanceWindow::rememberOnFocus(Field* field) {
    connect(field, &ui::EntryField::gotFocus, this, [this, field] {
        remembering_ = field;
        if constexpr (std::is_same_v<Field, ui::TextField>) {
            restore_ = [field, text = field->text()] { field->setText(text); };
        } else {
            restore_ = [field, value = field->value()] { field->setValue(value); };
        }
    });
}

void TravelAllowanceWindow::showState() {
    const QSignalBlocker quietText(Text1);
    Text1->setText(QString::fromStdString(state_.CarDescription));
    {
        const QSignalBlocker quietNo(Option3);
        const QSignalBlocker quietYes(Option4);
        (state_.RecordsKept ? Option4 : Option3)->setChecked(true);
    }
    Check1->setChecked(state_.IncludeFuel);
    Check2->setChecked(state_.IncludeMaintenance);
    for (int i = 0; i < static_cast<int>(silgEdit.size()); ++i)
        ShowQuietly(silgEdit[i], static_cast<qint32>(state_.*kInputs[i].Field));
    ShowQuietly(silgEdit12, static_cast<qint32>(state_.PeriodDays));
}

void TravelAllowanceWindow::applyModeLayout() {
    const bool kept = state_.RecordsKept;
    for (int i = kFirstCostField; i < static_cast<int>(silgEdit.size()); ++i) {
        silgEdit[i]->setEnabled(kept);
        inputCaptions_[i]->setEnabled(kept);
    }
    ifKept_->setVisible(!kept);
    periodCaption_->setEnabled(!kept);
    for (auto* caption : dateCaptions_) caption->setEnabled(!kept);
    dtCarAlStartDate->setEnabled(!kept);
    dtCarAlEndDate->setEnabled(!kept);
    silgEdit14->setVisible(kept);
    if (kept) silgEdit14->raise();
    deemedPanel_->setVisible(!kept);
    actualPanel_->setVisible(kept);
}

void TravelAllowanceWindow::Recalculate() {
    const bool computed = RecalculateTravelAllowance(state_, startDate_, endDate_);
    ShowQuietly(silgEdit12, static_cast<qint32>(state_.PeriodDays));
    if (state_.RecordsKept) {
        actualPanel_->showResults(state_);
        if (!DeemedCostInputsGiven(state_)) deemedPanel_->showZeros();
    } else if (computed) {
        deemedPanel_->showResults(state_);
    } else {
        deemedPanel_->showZeros();
    }
}

void TravelAllowanceWindow::printPresent() {
    Recalculate();
    Frame1->present();
    Frame1->cmdPD()->setFocus();
}

void TravelAllowanceWindow::PrintCarAll1() {
    PrintReportRecord(
        reports_,
        {TravelDeductionTable, TravelDeductionRecord(state_, Text3->text().toStdString(), startDate_, endDate_),
         CarAllowanceLayout(state_.RecordsKept), CarAllowanceReportTitle},
        printDirect_, this);
}

void TravelAllowanceWindow::restoreEntry() {
    QWidget* field = remembering_;
    if (!field || !restore_ || focusWidget() != field) return;
    restore_();
    Text2->setFocus();
    field->setFocus();
}

void TravelAllowanceWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape: restoreEntry(); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Recalculate();
            cmdOk->setFocus();
            break;
        default: QWidget::keyPressEvent(event);
    }
}

void TravelAllowanceWindow::closeEvent(QCloseEvent* event) {
    Recalculate();
    QWidget::closeEvent(event);
}

}  // namespace kelvara
