#pragma once
#include <QPrinter>
#include <QTemporaryDir>
#include <QVariant>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "FieldValue.h"
#include "MessageService.h"
#include "ReportEngine.h"
#include "ReportHost.h"

namespace kelvara::testing {

// What a calculator window needs around it in a test: fresh copies of the
// delivered databases in a folder of its own, a report engine reading the
// layouts beside the program whose report windows are kept here instead of
// being shown, and a recorder in place of the message boxes.
class WindowTestBench : public ReportHost {
public:
    WindowTestBench();

    void ShowReportWindow(QWidget* window) override;

    // The single record of a report table, or nothing when it cannot be read.
    std::optional<FieldValues> ReportRecord(const std::string& table) const;

    // A field of a record by name; throws when it is missing.
    static const FieldValue& Field(const FieldValues& record, const std::string& name);

    // A numeric field value as a double, whatever width it was stored with.
    static double Number(const FieldValue& value);

    // A field of a record as a number or as text; throws when it is missing
    // or of the other kind.
    static double Number(const FieldValues& record, const std::string& name);
    static QString Text(const FieldValues& record, const std::string& name);

    // A field of the single record of a report table; throws when the record
    // or the field is missing.
    double ReportNumber(const std::string& table, const std::string& name) const;
    QString ReportText(const std::string& table, const std::string& name) const;
    // The field as text or as a number, whichever it holds; nothing without
    // a record.
    QVariant ReportValue(const std::string& table, const std::string& name) const;

    QTemporaryDir Folder;
    std::filesystem::path SettingsDatabase;
    std::filesystem::path ReportDatabase;
    QPrinter Printer;
    ui::MessageRecorder Messages;
    std::unique_ptr<ReportEngine> Reports;
    std::vector<std::unique_ptr<QWidget>> ReportWindows;
};

}  // namespace kelvara::testing
