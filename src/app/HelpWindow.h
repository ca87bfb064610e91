#pragma once
#include <QWidget>

class QPdfDocument;
class QPdfView;

namespace kelvara {

// The help window (frmHelpBrowser): the help document in a viewer that fills
// the window less a margin on the right and at the bottom. A missing or
// unreadable document leaves the viewer empty.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& documentPath, QWidget* parent = nullptr);

    QPdfView& viewer() { return *viewer_; }

    QSize sizeHint() const override { return {760, 560}; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPdfDocument* document_;
    QPdfView* viewer_;
};

// The viewer's extent for an inner extent of the window, both in twips.
int HelpViewerExtentTwips(int innerTwips);

}  // namespace kelvara
