#include "WindowPlacement.h"

#include <QWidget>

namespace kelvara {

QPoint PositionOverMainWindow(const QRect& mainWindow, const QSize& window) {
    return {mainWindow.x() + (mainWindow.width() - window.width()) / 2,
            mainWindow.y() + (mainWindow.height() - window.height()) / 4};
}

void PlaceOverMainWindow(QWidget& window, const QWidget& mainWindow) {
    window.move(PositionOverMainWindow(mainWindow.frameGeometry(), window.frameGeometry().size()));
}

void FixWidthFitHeight(QWidget& window, int width) { window.setFixedSize(width, window.heightForWidth(width)); }

}  // namespace kelvara
