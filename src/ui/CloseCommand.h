#pragma once

class QAbstractButton;
class QWidget;

namespace kelvara::ui {

// Closes a calculator window as the close box of its frame does. Inside the
// main window's work area that is the child window around it: the frame asks
// the calculator (which may refuse, as a close box click would be refused)
// and closes with it, so no empty frame is left behind. A window standing on
// its own closes itself.
void CloseWindow(QWidget& window);

// Makes the button ("&OK") close the window that way.
void ClosesWindow(QAbstractButton* button, QWidget* window);

}  // namespace kelvara::ui
