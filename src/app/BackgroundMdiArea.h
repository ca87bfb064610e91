#pragma once
#include <QMdiArea>
#include <QPixmap>

namespace kelvara {

// The main window's work area, with a picture filling its background. Without
// a picture it keeps the toolkit's plain background.
class BackgroundMdiArea : public QMdiArea {
    Q_OBJECT
public:
    using QMdiArea::QMdiArea;

    // Loads the picture; a file that is missing or unreadable leaves no picture.
    void loadPicture(const QString& path);
    bool hasPicture() const { return !picture_.isNull(); }
    // The line written over the picture under its title.
    void setSubtitle(const QString& text);
    const QString& subtitle() const { return subtitle_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QString subtitle_;
};

}  // namespace kelvara
