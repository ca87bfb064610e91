#include "EntryField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "EditedEntry.h"

namespace kelvara::ui {

EntryField::EntryField(QWidget* parent) : QLineEdit(parent) { CommitEditedEntryOnAccessKeys(); }

void EntryField::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange) lookAsResult(isReadOnly());
}

void EntryField::lookAsResult(bool result) {
    setFrame(!result);
    QPalette look = palette();
    const QPalette inherited = parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    look.setBrush(QPalette::Base, result ? inherited.brush(QPalette::Window) : inherited.brush(QPalette::Base));
    setPalette(look);
}

// A context menu borrows the focus without the user leaving the field, so it
// neither commits the entry nor counts as a focus change.
void EntryField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::PopupFocusReason) return;
    selectAll();
    selectOnClick_ = event->reason() == Qt::MouseFocusReason;
    emit gotFocus();
}

void EntryField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason) return;
    selectOnClick_ = false;
    commit();
    emit lostFocus();
}

// The line edit leaves Enter and Escape unhandled, so after committing they
// travel on to the window.
void EntryField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) commit();
    QLineEdit::keyPressEvent(event);
}

// The click that brought the focus would place the cursor and drop the
// selection made on taking the focus; select again after it.
void EntryField::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (selectOnClick_) selectAll();
    selectOnClick_ = false;
}

}  // namespace kelvara::ui
