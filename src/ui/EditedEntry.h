#pragma once

class QWidget;

namespace kelvara::ui {

// Has the entry field being edited in the window (the one with the focus, or
// that gets it back when the window is active again) take its entry now, as
// leaving it would, range messages included. True when there was none or it
// took its entry; false when it refused the entry, and the command that asked
// should then not go on: the user has just been told why.
bool CommitEditedEntry(const QWidget* window);

// Once per program: a button pressed by its access key leaves the focus where
// it is, so it first has the field being edited in its window take its
// entry; a refused entry stops the button. Entry fields install this when the
// first of them is made.
void CommitEditedEntryOnAccessKeys();

}  // namespace kelvara::ui
