#include "BackgroundMdiArea.h"

#include <QPainter>

namespace kelvara {

void BackgroundMdiArea::loadPicture(const QString& path) {
    picture_.load(path);
    viewport()->update();
}

// The picture covers the whole area, scaled to keep its shape and centred, so
// that no edge shows whatever the window's size.
void BackgroundMdiArea::paintEvent(QPaintEvent* event) {
    if (picture_.isNull()) {
        QMdiArea::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    const QSize area = viewport()->size();
    const QSize scaled = picture_.size().scaled(area, Qt::KeepAspectRatioByExpanding);
    const QRect target(QPoint((area.width() - scaled.width()) / 2, (area.height() - scaled.height()) / 2), scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture_);
}

}  // namespace kelvara
