#include "PdfOutline.h"

#include <QRegularExpression>
#include <map>

namespace kelvara::help {

namespace {

QByteArray Number(qreal value) { return QByteArray::number(value, 'f', 2); }

QByteArray Reference(int object) { return QByteArray::number(object) + " 0 R"; }

// A text string as UTF-16 with its byte-order mark, which every reader takes.
QByteArray PdfText(const QString& text) {
    QByteArray hex = "<FEFF";
    for (QChar c : text) hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + ">";
}

QByteArray Destination(const std::vector<int>& pages, const PdfPlace& place) {
    return "[" + Reference(pages.at(place.Page)) + " /XYZ 0 " + Number(place.Top) + " null]";
}

// The dictionary of an object of the original file, without its brackets.
QByteArray ObjectBody(const QByteArray& pdf, int object) {
    const QRegularExpression start("(?:^|\\s)" + QString::number(object) + " 0 obj\\s*<<");
    const auto match = start.match(QString::fromLatin1(pdf));
    if (!match.hasMatch()) return {};
    const int open = match.capturedEnd();
    const int close = pdf.indexOf("endobj", open);
    const int last = pdf.lastIndexOf(">>", close);
    return close < 0 || last < open ? QByteArray() : pdf.mid(open, last - open);
}

}  // namespace

QByteArray AddOutlineAndLinks(const QByteArray& pdf, const std::vector<PdfBookmark>& bookmarks,
                              const std::vector<PdfLink>& links) {
    const QString text = QString::fromLatin1(pdf);
    auto trailer = QRegularExpression("trailer\\s*<<(.*?)>>\\s*startxref\\s*(\\d+)",
                                      QRegularExpression::DotMatchesEverythingOption)
                       .globalMatch(text);
    QRegularExpressionMatch last;
    while (trailer.hasNext()) last = trailer.next();
    if (!last.hasMatch()) return {};
    const QString trailerBody = last.captured(1);
    const auto size = QRegularExpression("/Size\\s+(\\d+)").match(trailerBody);
    const auto root = QRegularExpression("/Root\\s+(\\d+)\\s+0\\s+R").match(trailerBody);
    const auto info = QRegularExpression("/Info\\s+(\\d+)\\s+0\\s+R").match(trailerBody);
    if (!size.hasMatch() || !root.hasMatch()) return {};
    const int catalog = root.captured(1).toInt();
    const QByteArray catalogBody = ObjectBody(pdf, catalog);
    const auto pagesRef = QRegularExpression("/Pages\\s+(\\d+)\\s+0\\s+R").match(QString::fromLatin1(catalogBody));
    if (!pagesRef.hasMatch()) return {};
    const QString kids = QString::fromLatin1(ObjectBody(pdf, pagesRef.captured(1).toInt()));
    std::vector<int> pages;
    auto kid = QRegularExpression("/Kids\\s*\\[([^\\]]*)\\]").match(kids);
    for (auto it = QRegularExpression("(\\d+)\\s+0\\s+R").globalMatch(kid.captured(1)); it.hasNext();)
        pages.push_back(it.next().captured(1).toInt());
    for (const PdfBookmark& mark : bookmarks)
        if (mark.Target.Page < 0 || mark.Target.Page >= int(pages.size())) return {};
    for (const PdfLink& link : links)
        if (link.Page < 0 || link.Page >= int(pages.size()) || link.Target.Page >= int(pages.size())) return {};

    std::map<int, QByteArray> objects;  // number -> dictionary, new and replaced
    std::map<int, QByteArray> arrays;   // number -> array, replaced
    int next = size.captured(1).toInt();
    const int outlines = next++;
    const int firstItem = next;
    next += int(bookmarks.size());
    for (std::size_t i = 0; i < bookmarks.size(); ++i) {
        const int item = firstItem + int(i);
        QByteArray body = "/Title " + PdfText(bookmarks[i].Title) + " /Parent " + Reference(outlines) + " /Dest " +
                          Destination(pages, bookmarks[i].Target);
        if (i > 0) body += " /Prev " + Reference(item - 1);
        if (i + 1 < bookmarks.size()) body += " /Next " + Reference(item + 1);
        objects[item] = body;
    }
    QByteArray outlineBody = "/Type /Outlines /Count " + QByteArray::number(bookmarks.size());
    if (!bookmarks.empty())
        outlineBody += " /First " + Reference(firstItem) + " /Last " + Reference(firstItem + int(bookmarks.size()) - 1);
    objects[outlines] = outlineBody;

    std::map<int, QByteArray> annotations;  // page -> references
    for (const PdfLink& link : links) {
        const int annotation = next++;
        objects[annotation] = "/Type /Annot /Subtype /Link /Border [0 0 0] /Rect [" + Number(link.Area.left()) + " " +
                              Number(link.Area.top()) + " " + Number(link.Area.right()) + " " +
                              Number(link.Area.bottom()) + "] /Dest " + Destination(pages, link.Target);
        annotations[link.Page] += Reference(annotation) + " ";
    }
    // A page's annotations: its own array, or the array object it refers to.
    for (const auto& [page, references] : annotations) {
        const QByteArray body = ObjectBody(pdf, pages[page]);
        const auto list = QRegularExpression("/Annots\\s+(\\d+)\\s+0\\s+R").match(QString::fromLatin1(body));
        if (list.hasMatch())
            arrays[list.captured(1).toInt()] = "[" + references.trimmed() + "]";
        else if (!body.isEmpty() && !body.contains("/Annots"))
            objects[pages[page]] = body + " /Annots [" + references.trimmed() + "]";
        else
            return {};
    }
    if (catalogBody.contains("/Outlines")) return {};
    objects[catalog] = catalogBody + " /Outlines " + Reference(outlines) + " /PageMode /UseOutlines";
    for (auto& [number, body] : objects) body = "<<" + body + ">>";
    objects.merge(arrays);

    QByteArray update = pdf;
    if (!update.endsWith('\n')) update += '\n';
    std::map<int, qsizetype> offsets;
    for (const auto& [number, body] : objects) {
        offsets[number] = update.size();
        update += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
    }
    const qsizetype xref = update.size();
    update += "xref\n";
    for (const auto& [number, offset] : offsets)
        update +=
            QByteArray::number(number) + " 1\n" + QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<< /Size " + QByteArray::number(next) + " /Root " + Reference(catalog);
    if (info.hasMatch()) update += " /Info " + Reference(info.captured(1).toInt());
    update += " /Prev " + last.captured(2).toLatin1() + " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return update;
}

}  // namespace kelvara::help
