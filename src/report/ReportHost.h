#pragma once

class QWidget;

namespace kelvara {

// Where report windows appear: the main window shows them as child windows
// of its workspace. It takes ownership of the window.
class ReportHost {
public:
    virtual ~ReportHost() = default;
    virtual void ShowReportWindow(QWidget* window) = 0;
};

}  // namespace kelvara
