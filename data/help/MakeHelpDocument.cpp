// Writes the help document: the HTML source with the tax tables of the year
// filled in from the tax engine's own figures and a linked table of contents,
// printed to an A4 PDF with a bookmark for every section.
//   kv-make-help <source.html> <output.pdf>
#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdio>
#include <map>
#include <vector>

#include "MedicalCredits.h"
#include "NumberFormat.h"
#include "PdfOutline.h"
#include "TaxYearFile.h"

using namespace kelvara;

namespace {

QString Rand(double amount) { return "R " + QString::fromStdString(FormatNumber(amount, 0)); }

QString Row(const QStringList& cells, const char* tag = "td") {
    QString row = "<tr>";
    for (const QString& cell : cells) row += QStringLiteral("<%1>%2</%1>").arg(tag, cell);
    return row + "</tr>\n";
}

// The help describes the year delivered with the program.
const TaxYearData& Year() { return *DeliveredTaxYear(); }

QString Age(int age) { return QString::number(age); }

QString TaxScaleTable() {
    QString table = "<table class='figures'>\n" + Row({"Taxable income (per year)", "Tax"}, "th");
    const std::vector<TaxScaleRow>& scale = Year().Scale;
    for (const TaxScaleRow& row : scale) {
        const QString from = Rand(row.Lower + 1);
        const QString band = &row == &scale.back() ? from + " and above" : from + " to " + Rand(row.Upper);
        const QString above = QStringLiteral("%1% of taxable income").arg(row.Rate);
        const QString tax =
            row.BaseTax == 0 ? above
                             : Rand(row.BaseTax) + " + " +
                                   QStringLiteral("%1% of taxable income above %2").arg(row.Rate).arg(Rand(row.Lower));
        table += Row({band, tax});
    }
    return table + "</table>\n";
}

QString RebateTable() {
    const RebateFigures& r = Year().Rebates;
    const QString second = Age(r.SecondaryAge), third = Age(r.TertiaryAge);
    return "<table class='figures'>\n" + Row({"Rebate", "Amount"}, "th") +
           Row({"Primary (every taxpayer)", Rand(r.Primary)}) +
           Row({"Secondary (from age " + second + ")", Rand(r.Secondary)}) +
           Row({"Tertiary (from age " + third + ", with the secondary)", Rand(r.SecondaryPlusTertiary())}) +
           Row({"Total under " + second, Rand(r.UnderSecondaryAge())}) +
           Row({"Total " + second + " to " + Age(r.TertiaryAge - 1), Rand(r.FromSecondaryAge())}) +
           Row({"Total " + third + " and older", Rand(r.FromTertiaryAge())}) + "</table>\n";
}

QString MedicalCreditTable() {
    return "<table class='figures'>\n" + Row({"Medical scheme fees tax credit", "Per month"}, "th") +
           Row({"The taxpayer", Rand(Year().Medical.FirstMembersCredit)}) +
           Row({"The first dependant", Rand(Year().Medical.FirstMembersCredit)}) +
           Row({"Each further dependant", Rand(Year().Medical.FurtherMemberCredit)}) + "</table>\n";
}

// A section of the document: its <h2 id="..."> and heading.
struct Section {
    QString Id;
    QString Title;
};

std::vector<Section> SectionsOf(const QString& html) {
    std::vector<Section> sections;
    static const QRegularExpression heading("<h2 id=\"([^\"]+)\">(.*?)</h2>");
    for (auto it = heading.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        QTextDocument plain;
        plain.setHtml(match.captured(2));
        sections.push_back({match.captured(1), plain.toPlainText().trimmed()});
    }
    return sections;
}

// The contents: a line per section with its page, each line a link to it.
QString Contents(const std::vector<Section>& sections, const std::map<QString, int>& pages) {
    QString html = "<h2>Contents</h2>\n<table class='contents' width='100%'>\n";
    for (const Section& section : sections) {
        const auto page = pages.find(section.Id);
        html += QStringLiteral(
                    "<tr><td><a name='toc-%1'></a><span class='link'>%2</span></td><td align='right'>%3</td></tr>\n")
                    .arg(section.Id, section.Title.toHtmlEscaped())
                    .arg(page == pages.end() ? 0 : page->second + 1);
    }
    return html + "</table>\n";
}

// Where each anchor <a name="..."> lies: its page and its top and line box on it.
struct Anchor {
    int Page;
    QRectF Line;  // on the page, in device units
};

std::map<QString, Anchor> AnchorsOf(QTextDocument& document, qreal pageHeight) {
    std::map<QString, Anchor> anchors;
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString& name : it.fragment().charFormat().anchorNames()) {
                QRectF box = layout->blockBoundingRect(block);
                const int page = int(box.top() / pageHeight);
                box.translate(0, -page * pageHeight);
                anchors[name] = {page, box};
            }
        }
    }
    return anchors;
}

void LayOut(QTextDocument& document, const QString& html, const QSizeF& page) {
    document.setDefaultFont(QFont("DejaVu Sans", 10));
    document.setDocumentMargin(0);
    document.setPageSize(page);
    document.setHtml(html);
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kv-make-help <source.html> <output.pdf>\n");
        return 2;
    }
    QFile source(argv[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kv-make-help: cannot read %s\n", argv[1]);
        return 1;
    }
    QString html = QString::fromUtf8(source.readAll());
    html.replace("{{TAX_YEAR}}", QString::fromStdString(Year().FirstDayText() + " to " + Year().LastDayText()));
    html.replace("{{TAX_SCALE}}", TaxScaleTable());
    html.replace("{{REBATES}}", RebateTable());
    html.replace("{{MEDICAL_CREDITS}}", MedicalCreditTable());
    const std::vector<Section> sections = SectionsOf(html);

    QBuffer written;
    written.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&written);
    pdf.setTitle("Kelvara 2027 Help");
    pdf.setCreator("Kelvara 2027");
    const QMarginsF margins(18, 18, 18, 18);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter));
    const QRectF area = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const qreal footer = pdf.resolution() * 0.3;  // inches
    const QSizeF body(area.width(), area.height() - footer);

    // Lay out twice: the contents give the pages the first layout found.
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&pdf);
    std::map<QString, int> pages;
    for (int pass = 0; pass < 2; ++pass) {
        LayOut(document, QString(html).replace("{{CONTENTS}}", Contents(sections, pages)), body);
        pages.clear();
        for (const auto& [name, anchor] : AnchorsOf(document, body.height())) pages[name] = anchor.Page;
    }
    const std::map<QString, Anchor> anchors = AnchorsOf(document, body.height());

    QPainter painter(&pdf);
    const int count = document.pageCount();
    for (int index = 0; index < count; ++index) {
        if (index > 0) pdf.newPage();
        painter.save();
        painter.translate(0, -index * body.height());
        document.drawContents(&painter, QRectF(QPointF(0, index * body.height()), body));
        painter.restore();
        painter.setFont(QFont("DejaVu Sans", 8));
        painter.setPen(QColor(0x55, 0x5f, 0x6d));
        const QRectF foot(0, body.height(), body.width(), footer);
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, "Kelvara 2027 Help");
        painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom, QString("Page %1 of %2").arg(index + 1).arg(count));
    }
    painter.end();

    // Device units to PDF points, from the top left of the paintable area.
    const qreal scale = 72.0 / pdf.resolution();
    const qreal pageHeight = pdf.pageLayout().fullRect(QPageLayout::Point).height();
    const qreal left = margins.left() * 72 / 25.4, top = margins.top() * 72 / 25.4;
    auto place = [&](const Anchor& anchor) {
        return help::PdfPlace{anchor.Page, pageHeight - top - anchor.Line.top() * scale};
    };
    std::vector<help::PdfBookmark> bookmarks;
    std::vector<help::PdfLink> links;
    for (const Section& section : sections) {
        const auto target = anchors.find(section.Id);
        const auto entry = anchors.find("toc-" + section.Id);
        if (target == anchors.end() || entry == anchors.end()) continue;
        bookmarks.push_back({section.Title, place(target->second)});
        const QRectF line = entry->second.Line;
        links.push_back({entry->second.Page,
                         QRectF(QPointF(left + line.left() * scale, pageHeight - top - line.bottom() * scale),
                                QPointF(left + body.width() * scale, pageHeight - top - line.top() * scale)),
                         place(target->second)});
    }
    const QByteArray complete = help::AddOutlineAndLinks(written.data(), bookmarks, links);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (complete.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(complete) != complete.size()) {
        std::fprintf(stderr, "kv-make-help: cannot write %s with its outline\n", argv[2]);
        return 1;
    }
    return 0;
}
