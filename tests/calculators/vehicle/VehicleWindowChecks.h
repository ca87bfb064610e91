#pragma once
#include <QStringList>

#include "MessageService.h"

namespace kelvara::testing {

// Each message shown so far as "title: text", so that one comparison checks
// how many there were and what each said.
inline QStringList MessagesShown(const ui::MessageRecorder& messages) {
    QStringList shown;
    for (const auto& message : messages.messages()) shown << message.Title + ": " + message.Text;
    return shown;
}

}  // namespace kelvara::testing
