#include "HelpWindow.h"

#include <QPdfDocument>
#include <QPdfView>
#include <algorithm>

#include "Twips.h"

namespace kelvara {

namespace {
constexpr int ViewerMarginTwips = 100;

int ViewerExtentPixels(int innerPixels) {
    return PixelsFromTwips(HelpViewerExtentTwips(TwipsFromPixels(innerPixels)));
}
}  // namespace

int HelpViewerExtentTwips(int innerTwips) { return std::max(0, innerTwips - ViewerMarginTwips); }

HelpWindow::HelpWindow(const QString& documentPath, QWidget* parent)
    : QWidget(parent), document_(new QPdfDocument(this)), viewer_(new QPdfView(this)) {
    setObjectName("frmHelpBrowser");
    setWindowTitle("Kelvara Help");
    viewer_->setObjectName("brwWebBrowser");
    viewer_->setPageMode(QPdfView::PageMode::MultiPage);
    viewer_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    viewer_->setDocument(document_);
    document_->load(documentPath);  // its errors are of no concern to the user
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    viewer_->setGeometry(0, 0, ViewerExtentPixels(width()), ViewerExtentPixels(height()));
}

}  // namespace kelvara
