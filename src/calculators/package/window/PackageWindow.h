#pragma once
#include <QWidget>
#include <cstdint>
#include <filesystem>

#include "PackageControls.h"
#include "PackageResult.h"
#include "Settings.h"
#include "TaxEngine.h"

class QLabel;
class QPushButton;

namespace kelvara {

class RAExplanationPanel;
class ReportEngine;

namespace ui {
class PrintPanel;
class SetupPanel;
class TextField;
class WorkingWindow;
}  // namespace ui

// The salary package window of one direction and period (net to gross is
// "frmKelvaraAnn" and "frmKelvaraMon", gross to net "frmPravelAnn" and
// "frmPravelMon"): the package's inputs
// with their "Cost to company" column, the results, and three panels shown
// over the screen on demand (the settings, printing and the retirement-annuity
// explanation). The window keeps its own copy of the settings and of every
// input, and loses them when it closes; the figures come from the package
// computation of its direction and period.
class PackageWindow : public QWidget {
    Q_OBJECT

public:
    // kind: the direction and period, which give the window its form name
    // and caption.
    // settingsDatabase: read at opening, written by Setup's "O&K".
    // printDirect: where the next report goes, set by the print buttons.
    PackageWindow(PackageKind kind, EngineState& engine, const std::filesystem::path& settingsDatabase,
                  std::int16_t& printDirect, ReportEngine& reports, QWidget* parent = nullptr);

    // "&Calculate": works the package out and shows it. Setup's "O&K",
    // "&Print" and opening the window do the same.
    void Calculate();

    // Writes the package into the "SalPackage" record and runs its report,
    // to a window or the printer as printDirect says.
    void SalPackPrint();

private:
    void BuildCommands();
    void BuildPanels(const std::filesystem::path& settingsDatabase);
    void ConnectFieldRules();
    void ConnectFundPercentRule();
    void LoadSettings(const std::filesystem::path& settingsDatabase);
    void ShowCalculation(const PackageCalculation& calc);
    void ShowLimitWarning(bool exceeded);
    void OpenSettings();
    void OpenPrintPanel();
    void ClosePrintPanel();
    void ShowRAExplanation();
    void ApplyFundPercentRule();

    bool netToGross() const { return kind_.Direction == PackageDirection::NetToGross; }

    PackageKind kind_;
    EngineState& engine_;
    std::int16_t& printDirect_;
    ReportEngine& reports_;

    Settings settings_;
    PackageInputs inputs_;
    PackageResult result_;
    PackageShown shown_;
    bool stoppedEarly_ = true;
    bool refused_ = false;  // the last calculation was answered with a message

    QWidget* screen_;
    PackageControls c_;
    QLabel* lblLimitWarning = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdSettings = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdRAExpl = nullptr;
    QPushButton* cmdWorking = nullptr;
    ui::WorkingWindow* frmWorking = nullptr;
    ui::SetupPanel* Frame3 = nullptr;
    ui::PrintPanel* Frame1 = nullptr;
    ui::TextField* Text1 = nullptr;
    RAExplanationPanel* Frame2 = nullptr;
};

}  // namespace kelvara
