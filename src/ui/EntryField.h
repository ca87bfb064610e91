#pragma once
#include <QLineEdit>

namespace kelvara::ui {

// What every entry field of the calculator windows shares: it announces when
// it takes and loses the focus, selects its whole text when it takes the focus
// (so typing replaces the entry), and takes its edited text as its value when
// the user presses Enter or leaves it. Enter and Escape still reach the window,
// which decides what they do there (calculate, restore an entry).
//
// A read-only field shows a result: it has no sunken frame and lies on the
// window's own background, so that the fields to type into stand out.
//
// A command must never act on half an entry: a button pressed by its access
// key, which leaves the focus where it is, first has the field being edited
// in its window take its entry (see EditedEntry.h).
class EntryField : public QLineEdit {
    Q_OBJECT

public:
    explicit EntryField(QWidget* parent = nullptr);

    // Takes the edited text as the value now, as leaving the field would.
    // False when the field refused the entry (and went back to its value).
    bool takeEntry() { return commit(); }

signals:
    void gotFocus();
    // Raised after the field has taken its edited text as its value.
    void lostFocus();

protected:
    // Takes the edited text as the value; called on Enter and on leaving.
    // False when the entry was refused.
    virtual bool commit() { return true; }

    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void lookAsResult(bool result);

    bool selectOnClick_ = false;
};

}  // namespace kelvara::ui
