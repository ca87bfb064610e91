#pragma once
#include <QString>
#include <filesystem>
#include <optional>

class QPrinter;

namespace kelvara {

class ReportHost;

// The program's report engine. Like a control on the main window it keeps
// its report file, window title and destination from one report to the next:
// a property that a print routine does not set keeps the previous value.
// Run() produces the report with the current properties: destination 0 shows
// a report window through the host, destination 1 prints on the program's
// printer without a window. Errors are shown through the message service.
class ReportEngine {
public:
    enum Destination : int { Window = 0, Printer = 1 };

    // layoutFolder: where the ".rpt" files are (the program's folder).
    ReportEngine(ReportHost& host, QPrinter& printer, std::filesystem::path reportDatabase, QString layoutFolder);

    void SetReportFile(const QString& file) { reportFile_ = file; }
    void SetWindowTitle(const QString& title) { windowTitle_ = title; }
    void SetDestination(int destination) { destination_ = destination; }
    void SetReportDatabase(std::filesystem::path path) { reportDatabase_ = std::move(path); }

    const std::filesystem::path& ReportDatabase() const { return reportDatabase_; }
    const QString& ReportFile() const { return reportFile_; }
    const QString& WindowTitle() const { return windowTitle_; }
    int Destination() const { return destination_; }

    // The full path of a layout named as the print routines name it, such as
    // "\kwiktep.rpt": the layout folder followed by the file name.
    QString LayoutFile(const QString& name) const;

    // Produces the report. False when nothing was shown or printed.
    bool Run();

    // Sets the report file to the named layout, the title when one is given,
    // the destination, and runs the report.
    bool RunReport(const QString& layoutName, const std::optional<QString>& title, int destination);

private:
    ReportHost& host_;
    QPrinter& printer_;
    std::filesystem::path reportDatabase_;
    QString layoutFolder_;
    QString reportFile_;
    QString windowTitle_;
    int destination_ = Window;
};

}  // namespace kelvara
