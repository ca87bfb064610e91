#pragma once
#include <QDialog>

class QCheckBox;

namespace kelvara {

// The About window (frmAbout): the program, its version, the maker, a warning
// against copying, and the choice to show it at start-up. Modeless; it
// deletes itself when closed and stores the choice then.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* mainWindow);

    void done(int result) override;

private:
    QCheckBox* check1_;
    bool showAtStartup_;
};

}  // namespace kelvara
