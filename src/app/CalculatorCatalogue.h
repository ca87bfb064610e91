#pragma once

namespace kelvara {

class MainWindow;

// Registers the window of every calculator the program has with its menu item.
void RegisterCalculators(MainWindow& window);

}  // namespace kelvara
