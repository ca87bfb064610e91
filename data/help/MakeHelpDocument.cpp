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
#include "TaxScale.h"
#include "TaxYear.h"

using namespace kelvara;

namespace {

QString Rand(double amount) { return "R " + QString::fromStdString(FormatNumber(amount, 0)); }

QString Row(const QStringList& cells, const char* tag = "td") {
    QString row = "<tr>";
    for (const QString& cell : cells) row += QStringLiteral("<%1>%2</%1>").arg(tag, cell);
    return row + "</tr>\n";
}

QString TaxScaleTable() {
    QString table = "<table class='figures'>\n" +
                    Row({"Taxable income (per year)", "Tax"}, "th");
    for (const TaxScaleRow& row : TaxScale) {
        const QString from = Rand(row.Lower + 1);
        const QString band = &row == &TaxScale.back() ? from + " and above" : from + " to " + Rand(row.Upper);
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
    return "<table class='figures'>\n" + Row({"Rebate", "Amount"}, "th") +
           Row({"Primary (every taxpayer)", Rand(TaxYear::PrimaryRebate)}) +
           Row({"Secondary (from age 65)", Rand(TaxYear::SecondaryRebate)}) +
           Row({"Tertiary (from age 75, with the secondary)", Rand(TaxYear::SecondaryPlusTertiaryRebate)}) +
           Row({"Total under 65", Rand(TaxYear::RebateUnder65)}) +
           Row({"Total 65 to 74", Rand(TaxYear::Rebate65To74)}) +
           Row({"Total 75 and older", Rand(TaxYear::Rebate75AndOlder)}) + "</table>\n";
}

QString MedicalCreditTable() {
    return "<table class='figures'>\n" + Row({"Medical scheme fees tax credit", "Per month"}, "th") +
           Row({"The taxpayer", Rand(MedicalCredits::FirstMembersCredit)}) +
           Row({"The first dependant", Rand(MedicalCredits::FirstMembersCredit)}) +
           Row({"Each further dependant", Rand(MedicalCredits::FurtherMemberCredit)}) + "</table>\n";
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
    html.replace("{{TAX_YEAR}}", QStringLiteral("%1 to %2").arg(TaxYear::StartText, TaxYear::EndText));
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
