#include "BackgroundMdiArea.h"

#include <QPainter>
#include <algorithm>

#include "BackgroundPictureLayout.h"

namespace kelvara {

void BackgroundMdiArea::loadPicture(const QString& path) {
    picture_.load(path);
    viewport()->update();
}

void BackgroundMdiArea::setSubtitle(const QString& text) {
    subtitle_ = text;
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

    const double scale = double(scaled.width()) / picture_.width();
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(1, int(background::SubtitlePixelSize * scale + 0.5)));
    painter.setFont(font);
    painter.setPen(QColor(220, 236, 240, 200));
    const QRectF line(target.x(), target.y() + background::SubtitleTop * scale, target.width(),
                      background::SubtitleHeight * scale);
    painter.drawText(line, Qt::AlignCenter, subtitle_);
}

}  // namespace kelvara
