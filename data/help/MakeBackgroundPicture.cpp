// Paints the main window's background picture and saves it as a JPEG.
//   kv-make-background <output.jpg>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

#include "BackgroundPictureLayout.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv-make-background <output.jpg>\n");
        return 2;
    }
    const QSize size(kelvara::background::Width, kelvara::background::Height);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0.0, QColor(14, 42, 71));
    sky.setColorAt(0.55, QColor(22, 86, 110));
    sky.setColorAt(1.0, QColor(32, 128, 120));
    painter.fillRect(image.rect(), sky);

    QRadialGradient glow(size.width() * 0.72, size.height() * 0.3, size.width() * 0.45);
    glow.setColorAt(0.0, QColor(255, 255, 255, 40));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), glow);

    // Gentle rising curves, like a chart of growth.
    for (int i = 0; i < 7; ++i) {
        QPainterPath curve;
        const double base = size.height() * (0.95 - i * 0.06);
        curve.moveTo(-20, base);
        curve.cubicTo(size.width() * 0.35, base - 40 - i * 10, size.width() * 0.6, base - 160 - i * 25,
                      size.width() + 20, base - 320 - i * 30);
        painter.setPen(QPen(QColor(255, 255, 255, 18 + i * 4), 2));
        painter.drawPath(curve);
    }

    QFont title("DejaVu Sans", 72, QFont::Bold);
    painter.setFont(title);
    painter.setPen(QColor(255, 255, 255, 215));
    const QRect titleBox(0, size.height() / 2 - 110, size.width(), 120);
    painter.drawText(titleBox, Qt::AlignCenter, "Kelvara 2027");
    // The line under the title, naming the tax year, is the work area's.
    painter.end();

    return image.save(QString::fromLocal8Bit(argv[1]), "JPG", 90) ? 0 : 1;
}
