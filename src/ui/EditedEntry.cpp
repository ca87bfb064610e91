#include "EditedEntry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>

#include "EntryField.h"

namespace kelvara::ui {

namespace {

class AccessKeyCommit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut) return false;
        const auto* button = qobject_cast<QAbstractButton*>(watched);
        return button && !CommitEditedEntry(button->window());
    }
};

}  // namespace

bool CommitEditedEntry(const QWidget* window) {
    auto* field = window ? qobject_cast<EntryField*>(window->focusWidget()) : nullptr;
    return !field || field->takeEntry();
}

void CommitEditedEntryOnAccessKeys() {
    static bool installed = false;
    if (installed || !qApp) return;
    qApp->installEventFilter(new AccessKeyCommit(qApp));
    installed = true;
}

}  // namespace kelvara::ui
