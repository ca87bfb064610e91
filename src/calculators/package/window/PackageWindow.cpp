#include "PackageWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "CloseCommand.h"
#include "DecimalField.h"
#include "FundPercentRule.h"
#include "GrossToNet.h"
#include "MessageService.h"
#include "NetToGross.h"
#include "PackageReport.h"
#include "PrintPanel.h"
#include "PrintRoutine.h"
#include "RAExplanationPanel.h"
#include "SettingsStore.h"
#include "SetupPanel.h"
#include "TextField.h"
#include "WholeNumberField.h"
#include "WorkingReport.h"
#include "WorkingWindow.h"

namespace kelvara {

namespace {

constexpr const char* SalPackageTable = "SalPackage";
constexpr int TaxpayerNameLength = 50;

// Where the Setup frame's top edge goes, in twips.
int SetupTop(PackageKind kind) {
    const bool annual = kind.Period == PackagePeriod::Annual;
    if (kind.Direction == PackageDirection::NetToGross) return annual ? 960 : 1080;
    return annual ? 750 : 960;
}

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// The form name and caption of each kind of package window.
struct PackageForm {
    const char* Name;
    const char* Caption;
};

PackageForm FormOf(PackageKind kind) {
    const bool annual = kind.Period == PackagePeriod::Annual;
    if (kind.Direction == PackageDirection::NetToGross) {
        return annual ? PackageForm{"frmKelvaraAnn", "Kelvara : Annual Calculation"}
                      : PackageForm{"frmKelvaraMon", "Kelvara : Monthly Calculation"};
    }
    return annual ? PackageForm{"frmPravelAnn", "Pravel : Annual Calculation"}
                  : PackageForm{"frmPravelMon", "Pravel : Monthly Calculation"};
}

void CentreOver(QWidget* panel, const QWidget* window) {
    panel->adjustSize();
    panel->move((window->width() - panel->width()) / 2, (window->height() - panel->height()) / 2);
}

// Setup's "O&K" keeps the calculator's fields in the settings database.
ui::SaveSettings SaveTo(std::filesystem::path settingsDatabase) {
    return [database = std::move(settingsDatabase)](const SettingsFields& fields, const Settings& settings) {
        const StoreStatus saved = SettingsStore(database).Save(fields, settings);
        return ui::SettingsSaved{saved.ok, saved.message};
    };
}

}  // namespace

PackageWindow::PackageWindow(PackageKind kind, EngineState& engine, const std::filesystem::path& settingsDatabase,
                             std::int16_t& printDirect, ReportEngine& reports, QWidget* parent)
    : QWidget(parent), kind_(kind), engine_(engine), printDirect_(printDirect), reports_(reports) {
    setObjectName(FormOf(kind).Name);
    setWindowTitle(FormOf(kind).Caption);
    screen_ = new QWidget(this);
    c_ = BuildPackageControls(kind, screen_);
    BuildCommands();
    BuildPanels(settingsDatabase);
    ConnectFieldRules();
    LoadSettings(settingsDatabase);
    // Settings loaded from the database are used as they are; the rule holds
    // only what is typed here.
    ConnectFundPercentRule();
    Calculate();
}

void PackageWindow::BuildCommands() {
    cmdOk = Button("&OK", "cmdOk", this);
    cmdCalculate = Button("&Calculate", "cmdCalculate", this);
    cmdSettings = Button("&Settings", "cmdSettings", this);
    cmdPrint = Button("&Print", "cmdPrint", this);
    cmdRAExpl = Button("&R/A Explained", "cmdRAExpl", this);
    cmdWorking = Button("Show &working", "cmdWorking", this);
    frmWorking = NewWorkingWindow(reports_, windowTitle(), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdRAExpl);
    buttons->addWidget(cmdWorking);
    buttons->addStretch();
    for (QPushButton* button : {cmdOk, cmdCalculate, cmdSettings, cmdPrint}) buttons->addWidget(button);

    // Shown above the commands, it pushes them down and the window grows.
    lblLimitWarning = new QLabel("R/Fund contributions exceed allowable limits!", this);
    lblLimitWarning->setObjectName("lblLimitWarning");
    lblLimitWarning->setStyleSheet("color: #c00000; font-weight: bold;");
    lblLimitWarning->setAlignment(Qt::AlignCenter);
    lblLimitWarning->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(screen_);
    layout->addWidget(lblLimitWarning);
    layout->addLayout(buttons);

    ui::ClosesWindow(cmdOk, this);
    connect(cmdCalculate, &QPushButton::clicked, this, &PackageWindow::Calculate);
    connect(cmdSettings, &QPushButton::clicked, this, &PackageWindow::OpenSettings);
    connect(cmdPrint, &QPushButton::clicked, this, &PackageWindow::OpenPrintPanel);
    connect(cmdRAExpl, &QPushButton::clicked, this, &PackageWindow::ShowRAExplanation);
    connect(cmdWorking, &QPushButton::clicked, frmWorking, &ui::WorkingWindow::present);
}

void PackageWindow::BuildPanels(const std::filesystem::path& settingsDatabase) {
    Frame3 = new ui::SetupPanel(ui::SetupPanel::Kind::Package, settings_, SaveTo(settingsDatabase), this);
    Frame3->move(40, 0);
    Frame3->setBeforeSave([this] {
        if (netToGross()) ApplyFundPercentRule();
        // The provident percentages are saved as their fields show them.
        settings_.ProvCont = c_.numProvContPerc->value();
        settings_.EmployerProvCont = c_.numCCProvContPerc->value();
    });
    connect(Frame3, &ui::SetupPanel::confirmed, this, &PackageWindow::Calculate);

    Frame1 = new ui::PrintPanel("&Cancel", this);
    Text1 = new ui::TextField(TaxpayerNameLength, Frame1);
    Text1->setObjectName("Text1");
    auto* row = static_cast<QBoxLayout*>(Frame1->layout());
    row->insertWidget(0, new QLabel("Taxpayer's name :(max50Chrs.", Frame1));
    row->insertWidget(1, Text1);
    ui::UsePrintRoutine(*Frame1, printDirect_, [this] {
        SalPackPrint();
        ClosePrintPanel();
    });
    connect(Frame1->cancelButton(), &QPushButton::clicked, this, &PackageWindow::ClosePrintPanel);

    Frame2 = new RAExplanationPanel(this);
}

void PackageWindow::ConnectFieldRules() {
    // Every change is stored at once, so the window holds what the fields show.
    const auto store = [this](ui::DecimalField* field, double PackageInputs::*member) {
        if (field)
            connect(field, &ui::DecimalField::valueChanged, this, [this, member](double v) { inputs_.*member = v; });
    };
    const auto storeWhole = [this](ui::WholeNumberField* field, std::int16_t PackageInputs::*member) {
        connect(field, &ui::WholeNumberField::valueChanged, this,
                [this, member](qint32 v) { inputs_.*member = static_cast<std::int16_t>(v); });
    };
    // A change of an amount is copied into its "Cost to company" mirror,
    // which may then be edited on its own.
    const auto mirror = [](ui::DecimalField* from, ui::DecimalField* to) {
        if (from && to) QObject::connect(from, &ui::DecimalField::valueChanged, to, &ui::DecimalField::setValue);
    };

    store(c_.numNetMonSalReq, &PackageInputs::Required);
    store(c_.numCCNetMonSalReq, &PackageInputs::RequiredCostToCompany);
    mirror(c_.numNetMonSalReq, c_.numCCNetMonSalReq);
    storeWhole(c_.numAge, &PackageInputs::Age);
    store(c_.numCompCar, &PackageInputs::CompanyCar);
    store(c_.numCCCompCar, &PackageInputs::CompanyCarCost);
    store(c_.numTravAll, &PackageInputs::TravelAllowance);
    store(c_.numCCTravAll, &PackageInputs::TravelAllowanceCost);
    mirror(c_.numTravAll, c_.numCCTravAll);
    store(c_.numMedAidCont, &PackageInputs::MedicalAid);
    store(c_.numCCMedAidCont, &PackageInputs::MedicalAidCost);
    storeWhole(c_.numPMems, &PackageInputs::Members);
    storeWhole(c_.numAddBens, &PackageInputs::AdditionalBeneficiaries);
    store(c_.numOTaxFB, &PackageInputs::OtherFringeBenefits);
    store(c_.numCCOTaxFB, &PackageInputs::OtherFringeBenefitsCost);
    mirror(c_.numOTaxFB, c_.numCCOTaxFB);
    store(c_.numMedDeduct, &PackageInputs::MedicalDeductions);
    store(c_.numRFundCont, &PackageInputs::FundEmployee);
    store(c_.numCCRFundCont, &PackageInputs::FundEmployer);
    store(c_.numRADeduct, &PackageInputs::RADeduction);

    for (std::size_t i = 0; i < inputs_.OtherExpenses.size(); ++i) {
        OtherExpense& row = inputs_.OtherExpenses[i];
        connect(c_.txtOtherDet[i], &QLineEdit::textChanged, this,
                [&row](const QString& text) { row.Description = text.toStdString(); });
        connect(c_.numOtherDet[i], &ui::DecimalField::valueChanged, this, [&row](double v) { row.Amount = v; });
        connect(c_.numOtherDetCC[i], &ui::DecimalField::valueChanged, this,
                [&row](double v) { row.CostToCompany = v; });
        mirror(c_.numOtherDet[i], c_.numOtherDetCC[i]);
    }

    connect(c_.numProvContPerc, &ui::DecimalField::valueChanged, this, [this](double v) { settings_.ProvCont = v; });
    connect(c_.numCCProvContPerc, &ui::DecimalField::valueChanged, this,
            [this](double v) { settings_.EmployerProvCont = v; });
}

void PackageWindow::ConnectFundPercentRule() {
    if (!netToGross()) return;
    for (ui::DecimalField* field : {Frame3->numPenContPerc(), Frame3->numPenPercentage()})
        connect(field, &ui::DecimalField::valueChanged, this, &PackageWindow::ApplyFundPercentRule);
}

void PackageWindow::ApplyFundPercentRule() {
    ApplyNetToGrossFundPercentRule(settings_.PensionCont, settings_.EmployerPenCont);
    if (settings_.PensionCont == 0 && settings_.EmployerPenCont == 0) {
        for (ui::DecimalField* field : {Frame3->numPenContPerc(), Frame3->numPenPercentage()}) {
            if (field->value() != 0) field->setValue(0);
        }
    }
}

void PackageWindow::LoadSettings(const std::filesystem::path& settingsDatabase) {
    const StoreStatus loaded = SettingsStore(settingsDatabase).Load(PackageSettingsFields(), settings_);
    if (!loaded.message.empty()) {
        ui::ShowMessage(this, "Settings", QString::fromStdString(loaded.message),
                        loaded.ok ? ui::MessageIcon::Information : ui::MessageIcon::Critical);
    }
    const Settings loadedSettings = settings_;
    Frame3->ShowSettings();
    c_.numProvContPerc->setValue(loadedSettings.ProvCont);
    c_.numCCProvContPerc->setValue(loadedSettings.EmployerProvCont);
    settings_ = loadedSettings;  // a rate that selects neither option stays in use
}

void PackageWindow::Calculate() {
    frmWorking->calculated([netToGross = netToGross(), period = kind_.Period, inputs = inputs_, settings = settings_] {
        EngineState scratch;
        Working working;
        if (netToGross) {
            CalculateNetToGross(scratch, inputs, settings, period, &working);
        } else {
            CalculateGrossToNet(scratch, inputs, settings, period, &working);
        }
        return working;
    });
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PackageCalculation calc = netToGross() ? CalculateNetToGross(engine_, inputs_, settings_, kind_.Period)
                                                 : CalculateGrossToNet(engine_, inputs_, settings_, kind_.Period);
    QApplication::restoreOverrideCursor();
    refused_ = calc.Refusal.has_value();
    if (calc.Refusal) ui::ShowRefusal(this, *calc.Refusal);
    ShowCalculation(calc);
}

void PackageWindow::ShowCalculation(const PackageCalculation& calc) {
    inputs_ = calc.Inputs;
    result_ = calc.Result;
    shown_ = calc.Shown;
    stoppedEarly_ = calc.StoppedEarly;

    // The fields the rules cleared and the contributions written back.
    c_.numMedDeduct->setValue(inputs_.MedicalDeductions);
    c_.numPMems->setValue(inputs_.Members);
    c_.numRFundCont->setValue(inputs_.FundEmployee);
    c_.numCCRFundCont->setValue(inputs_.FundEmployer);
    for (ui::DecimalField* cleared : {c_.numProvFund, c_.numCCProvFund, c_.numPenDeduct, c_.numCCPenDeduct}) {
        if (cleared) cleared->setValue(0);
    }

    c_.numUIFCont->setValue(shown_.UIFCont);
    c_.numCCUIFCont->setValue(shown_.CCUIFCont);
    c_.numCCSkillLev->setValue(shown_.CCSkillLev);
    c_.numMAns->setValue(shown_.MAns);
    c_.numTaxCredit->setValue(shown_.TaxCredit);
    c_.numTaxDeduct->setValue(shown_.TaxDeduct);
    c_.numGrossSal->setValue(shown_.GrossSal);
    c_.numTotCostComp->setValue(shown_.TotCostComp);
    c_.numOnceOff->setValue(shown_.OnceOff);
    for (QWidget* note : {static_cast<QWidget*>(c_.lblOnceOff1), static_cast<QWidget*>(c_.numOnceOff),
                          static_cast<QWidget*>(c_.lblOnceOff2)}) {
        note->setVisible(shown_.OnceOffNote);
    }
    ShowLimitWarning(shown_.LimitWarning);
}

void PackageWindow::ShowLimitWarning(bool exceeded) {
    // A package whose contributions exceed their limit cannot be printed.
    cmdPrint->setEnabled(!exceeded);
    if (lblLimitWarning->isHidden() != exceeded) return;
    lblLimitWarning->setVisible(exceeded);
    layout()->activate();
    adjustSize();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->adjustSize();
}

void PackageWindow::OpenSettings() {
    Frame3->Open(SetupTop(kind_), {cmdOk, cmdCalculate, cmdSettings, cmdPrint, cmdRAExpl, cmdWorking});
}

void PackageWindow::OpenPrintPanel() {
    Calculate();
    // Only a package just worked out in full is printed. A refusal has just
    // said why there is nothing; a package of nothing is told here.
    if (stoppedEarly_) {
        if (!refused_) ui::ShowRefusal(this, NothingToPrint(kind_.Direction));
        return;
    }
    if (shown_.LimitWarning) return;
    for (QWidget* w :
         {static_cast<QWidget*>(cmdOk), static_cast<QWidget*>(cmdCalculate), static_cast<QWidget*>(cmdSettings),
          static_cast<QWidget*>(cmdRAExpl), static_cast<QWidget*>(cmdWorking), screen_}) {
        w->setEnabled(false);
    }
    CentreOver(Frame1, this);
    Frame1->present();
    Text1->setFocus();
}

void PackageWindow::ClosePrintPanel() {
    for (QWidget* w :
         {static_cast<QWidget*>(cmdOk), static_cast<QWidget*>(cmdCalculate), static_cast<QWidget*>(cmdSettings),
          static_cast<QWidget*>(cmdRAExpl), static_cast<QWidget*>(cmdWorking), screen_}) {
        w->setEnabled(true);
    }
}

void PackageWindow::SalPackPrint() {
    const PackageReportVariant variant = ReportVariantOf(kind_);
    const FieldValues record = SalPackageRecord(kind_, inputs_, shown_, Text1->text().toStdString());
    PrintReportRecord(reports_,
                      {SalPackageTable, record, "\\" + QString::fromStdString(variant.ReportFile),
                       QString::fromStdString(variant.WindowTitle)},
                      printDirect_, this);
}

void PackageWindow::ShowRAExplanation() {
    CentreOver(Frame2, this);
    Frame2->Present(ExplainRetirementAnnuity(kind_, inputs_, settings_, result_, shown_));
}

}  // namespace kelvara
