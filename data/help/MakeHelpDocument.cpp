// Writes the help document: the HTML source with the tax tables of the year
// filled in from the tax engine's own figures, printed to an A4 PDF.
//   kv-make-help <source.html> <output.pdf>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

#include "MedicalCredits.h"
#include "NumberFormat.h"
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
    QString table = "<table class='figures'>\n" +
                    Row({"Taxable income (per year)", "Tax"}, "th");
    const std::vector<TaxScaleRow>& scale = Year().Scale;
    for (const TaxScaleRow& row : scale) {
        const QString from = Rand(row.Lower + 1);
        const QString band = &row == &scale.back() ? from + " and above" : from + " to " + Rand(row.Upper);
        const QString above = QStringLiteral("%1% of taxable income").arg(row.Rate);
        const QString tax = row.BaseTax == 0 ? above
                                             : Rand(row.BaseTax) + " + " +
                                                   QStringLiteral("%1% of taxable income above %2")
                                                       .arg(row.Rate)
                                                       .arg(Rand(row.Lower));
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

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle("Kelvara 2027 Help");
    pdf.setCreator("Kelvara 2027");
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18),
                                  QPageLayout::Millimeter));

    QTextDocument document;
    document.setDefaultFont(QFont("DejaVu Sans", 10));
    document.setHtml(html);
    document.print(&pdf);
    return 0;
}
