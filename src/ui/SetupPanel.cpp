#include "SetupPanel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

#include "ActiveTaxYear.h"
#include "DecimalField.h"
#include "MessageService.h"
#include "NumberFormat.h"
#include "OverlayPanel.h"
#include "Twips.h"

namespace kelvara::ui {

SetupPanel::SetupPanel(Kind kind, Settings& copy, SaveSettings save, QWidget* parent)
    : QGroupBox("Setup", parent), kind_(kind), copy_(copy), save_(std::move(save)) {
    setObjectName("Frame3");
    setAutoFillBackground(true);
    auto* form = new QFormLayout(this);
    form->setLabelAlignment(Qt::AlignRight);

    numEmpEUIF_ = addPercentField("numEmpEUIF", "Employee UIF portion", &Settings::EmployeeUIF);
    numEmpRUIF_ = addPercentField("numEmpRUIF", "Employer UIF portion", &Settings::EmployerUIF);
    numSkillPercent_ = addPercentField("numSkillPercent", "Skills levy", &Settings::SkillLevy);

    numUIFLimit_ = new DecimalField(this);
    numUIFLimit_->setObjectName("numUIFLimit");
    numUIFLimit_->setDecimals(0);
    numUIFLimit_->setIntegerDigits(6);
    numUIFLimit_->setRange(0, 999999);
    form->addRow("UIF monthly limit", numUIFLimit_);
    connect(numUIFLimit_, &DecimalField::valueChanged, this, [this](double v) { copy_.UIFLimit = v; });
    showers_.push_back([this] { numUIFLimit_->setValue(copy_.UIFLimit); });

    addRateOptions("Travel allowance inclusion rate :", "optTAIncRate80", "optTAIncRate20", &Settings::TAIncRate8020);
    if (kind_ == Kind::Package) {
        numPenContPerc_ = addPercentField("numPenContPerc", "Employee R/Fund contributions", &Settings::PensionCont);
        numPenPercentage_ =
            addPercentField("numPenPercentage", "Employer R/Fund contributions", &Settings::EmployerPenCont);
        addRateOptions("Company car fringe benefit rate ", "optCompCarFBRate80", "optCompCarFBRate20",
                       &Settings::CompCarFBRate8020);
        addYesNoOptions();
    }

    cmdSetupOK_ = new QPushButton("O&K", this);
    cmdSetupOK_->setObjectName("cmdSetupOK");
    form->addRow(QString(), cmdSetupOK_);
    connect(cmdSetupOK_, &QPushButton::clicked, this, &SetupPanel::confirm);
    hide();
}

DecimalField* SetupPanel::addPercentField(const QString& name, const QString& caption, double Settings::*member) {
    auto* field = new DecimalField(this);
    field->setObjectName(name);
    field->setDecimals(3);
    field->setIntegerDigits(3);
    field->setRange(0, 100);
    static_cast<QFormLayout*>(layout())->addRow(caption, field);
    connect(field, &DecimalField::valueChanged, this, [this, member](double v) { copy_.*member = v; });
    showers_.push_back([this, field, member] { field->setValue(copy_.*member); });
    return field;
}

void SetupPanel::addRateOptions(const QString& caption, const QString& name80, const QString& name20,
                                double Settings::*member) {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    // The year's two rates, the higher one first ("80%", "20%").
    const InclusionRates rates = ActiveTaxYear().Inclusion;
    const auto percent = [](double rate) { return QString::number(rate * 100, 'g', 6) + "%"; };
    auto* opt80 = new QRadioButton(percent(rates.Higher), row);
    opt80->setObjectName(name80);
    auto* opt20 = new QRadioButton(percent(rates.Lower), row);
    opt20->setObjectName(name20);
    line->addWidget(opt80);
    line->addWidget(opt20);
    line->addStretch();
    // The group is not exclusive so that a stored rate other than the two
    // can show with neither option selected; the handlers keep one at most.
    connect(opt80, &QRadioButton::clicked, this, [this, member, opt80, opt20, rates] {
        copy_.*member = rates.Higher;
        opt80->setChecked(true);
        opt20->setChecked(false);
    });
    connect(opt20, &QRadioButton::clicked, this, [this, member, opt80, opt20, rates] {
        copy_.*member = rates.Lower;
        opt20->setChecked(true);
        opt80->setChecked(false);
    });
    opt80->setAutoExclusive(false);
    opt20->setAutoExclusive(false);
    showers_.push_back([this, member, opt80, opt20, rates] {
        opt80->setChecked(copy_.*member == rates.Higher);
        opt20->setChecked(copy_.*member == rates.Lower);
    });
    static_cast<QFormLayout*>(layout())->addRow(caption, row);
}

void SetupPanel::addYesNoOptions() {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* yes = new QRadioButton("Yes", row);
    yes->setObjectName("optCompCarMPYes");
    auto* no = new QRadioButton("No", row);
    no->setObjectName("optCompCarMPNo");
    line->addWidget(yes);
    line->addWidget(no);
    line->addStretch();
    connect(yes, &QRadioButton::clicked, this, [this] { copy_.CompCarMPYesNo = true; });
    connect(no, &QRadioButton::clicked, this, [this] { copy_.CompCarMPYesNo = false; });
    showers_.push_back([this, yes, no] {
        yes->setChecked(copy_.CompCarMPYesNo);
        no->setChecked(!copy_.CompCarMPYesNo);
    });
    static_cast<QFormLayout*>(layout())->addRow("Company car has maintenance plan ", row);
}

void SetupPanel::ShowSettings() {
    for (const auto& show : showers_) show();
}

void SetupPanel::Open(int topTwips, QList<QWidget*> buttonsToDisable) {
    adjustSize();
    move(x(), PixelsFromTwips(topTwips));
    show();
    CoverWholeControls(*this);
    raise();
    disabled_ = std::move(buttonsToDisable);
    for (QWidget* button : disabled_) button->setEnabled(false);
    numEmpEUIF_->setFocus();
}

void SetupPanel::confirm() {
    if (beforeSave_) beforeSave_();
    // The limit is taken from what the field shows, even before it is committed.
    copy_.UIFLimit = LeadingNumber(numUIFLimit_->text().toStdString());
    const SettingsFields& fields = kind_ == Kind::Package ? PackageSettingsFields() : PayeSettingsFields();
    const SettingsSaved saved = save_(fields, copy_);
    if (!saved.message.empty()) {
        ShowMessage(this, "Settings", QString::fromStdString(saved.message),
                    saved.ok ? MessageIcon::Information : MessageIcon::Critical);
    }
    hide();
    for (QWidget* button : disabled_) button->setEnabled(true);
    disabled_.clear();
    QApplication::processEvents();
    emit confirmed();
}

}  // namespace kelvara::ui
