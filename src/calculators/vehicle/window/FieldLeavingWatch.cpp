#include "FieldLeavingWatch.h"

#include <QFocusEvent>

#include "EntryField.h"

namespace kelvara {

FieldLeavingWatch::FieldLeavingWatch(ui::EntryField* field) : QObject(field), field_(field) {
    field->installEventFilter(this);
    connect(field, &ui::EntryField::lostFocus, this, [this] {
        if (!otherWindow_ && !refusedOnLeaving_) emit left();
    });
}

// Seen before the field takes its entry, which may refuse it on the way out.
bool FieldLeavingWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::FocusOut) {
        otherWindow_ = static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason;
        refusedOnLeaving_ = false;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kelvara
