#pragma once
#include <QByteArray>
#include <QRectF>
#include <QString>
#include <vector>

// Adds bookmarks and links inside the document to a PDF as QPdfWriter writes
// it (which makes neither), by an incremental update appended to the file:
// the original bytes stay as they are.
namespace kelvara::help {

// A place on a page: the page from 0 and a point in PDF units (points from
// the bottom left of the page).
struct PdfPlace {
    int Page = 0;
    qreal Top = 0;
};

struct PdfBookmark {
    QString Title;
    PdfPlace Target;
};

// A clickable area of a page that jumps to a place.
struct PdfLink {
    int Page = 0;
    QRectF Area;  // in PDF units
    PdfPlace Target;
};

// The PDF with the outline (shown when the document opens) and the links
// added; an empty array when the PDF is not one this can read.
QByteArray AddOutlineAndLinks(const QByteArray& pdf, const std::vector<PdfBookmark>& bookmarks,
                              const std::vector<PdfLink>& links);

}  // namespace kelvara::help
