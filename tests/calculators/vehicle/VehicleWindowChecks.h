#pragma once
#include <QStringList>

#include "MessageService.h"
#include "WindowTestBench.h"

namespace kelvara::testing {

// Each message shown so far as "title: text", so that one comparison checks
// how many there were and what each said.
inline QStringList MessagesShown(const ui::MessageRecorder& messages) {
    QStringList shown;
    for (const auto& message : messages.messages()) shown << message.Title + ": " + message.Text;
    return shown;
}

// What a print showed: its messages as above, then the caption of each report
// window it opened.
inline QStringList ShownOnPrint(const WindowTestBench& bench) {
    QStringList shown = MessagesShown(bench.Messages);
    for (const auto& window : bench.ReportWindows) shown << window->windowTitle();
    return shown;
}

// The end of every report window's caption.
inline const QString kExportHint = " - To export printout click on the suitcase button or goto Help";

}  // namespace kelvara::testing
