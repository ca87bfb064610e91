#pragma once
#include <QGroupBox>
#include <QList>
#include <functional>
#include <string>

#include "Settings.h"

class QPushButton;
class QRadioButton;

namespace kelvara::ui {

class DecimalField;

// What saving the confirmed settings came to: whether they were kept, and
// what the user is to be told (nothing when the message is empty).
struct SettingsSaved {
    bool ok = true;
    std::string message;
};

// Keeps the given fields of the calculator's settings where the program
// stores them.
using SaveSettings = std::function<SettingsSaved(const SettingsFields& fields, const Settings& settings)>;

// The "Setup" frame of the PAYE and salary package calculators: the shared
// settings of the "Setup" record, edited in the calculator's own copy and
// handed to the save when the user confirms with "O&K". Hidden until "&Settings" opens it.
class SetupPanel : public QGroupBox {
    Q_OBJECT

public:
    enum class Kind { Paye, Package };

    // copy: the calculator's own settings, which the panel edits in place.
    // save: keeps the calculator's fields of them when the panel is confirmed.
    SetupPanel(Kind kind, Settings& copy, SaveSettings save, QWidget* parent);

    // Shows the calculator's copy in the fields and options: a rate selects
    // "80%" when it is 0.8 exactly and "20%" when it is 0.2 exactly; any other
    // rate selects neither and stays in use.
    void ShowSettings();

    // "&Settings": shows the frame in front with its top edge at the
    // calculator's position (in twips) and disables the given buttons until
    // the panel is confirmed.
    void Open(int topTwips, QList<QWidget*> buttonsToDisable);

    // Runs just before the settings are saved, for the calculator's own rules
    // and fields (the net-to-gross fund-percentage rule, provident funds).
    void setBeforeSave(std::function<void()> beforeSave) { beforeSave_ = std::move(beforeSave); }

    DecimalField* numEmpEUIF() const { return numEmpEUIF_; }
    DecimalField* numEmpRUIF() const { return numEmpRUIF_; }
    DecimalField* numSkillPercent() const { return numSkillPercent_; }
    DecimalField* numUIFLimit() const { return numUIFLimit_; }
    DecimalField* numPenContPerc() const { return numPenContPerc_; }      // package calculators only
    DecimalField* numPenPercentage() const { return numPenPercentage_; }  // package calculators only
    QPushButton* cmdSetupOK() const { return cmdSetupOK_; }

signals:
    // The settings were confirmed (and saved where the database allowed):
    // the calculator calculates again.
    void confirmed();

private:
    DecimalField* addPercentField(const QString& name, const QString& caption, double Settings::*member);
    void addRateOptions(const QString& caption, const QString& name80, const QString& name20, double Settings::*member);
    void addYesNoOptions();
    void confirm();

    Kind kind_;
    Settings& copy_;
    SaveSettings save_;
    std::function<void()> beforeSave_;
    QList<QWidget*> disabled_;
    std::vector<std::function<void()>> showers_;  // each puts one control back in step with the copy

    DecimalField* numEmpEUIF_ = nullptr;
    DecimalField* numEmpRUIF_ = nullptr;
    DecimalField* numSkillPercent_ = nullptr;
    DecimalField* numUIFLimit_ = nullptr;
    DecimalField* numPenContPerc_ = nullptr;
    DecimalField* numPenPercentage_ = nullptr;
    QPushButton* cmdSetupOK_ = nullptr;
};

}  // namespace kelvara::ui
