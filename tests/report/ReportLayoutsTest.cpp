// Every report layout, filled by its calculator's own record writer and
// rendered to PDF, read back as text: every figure written is on the page, no
// line carries figures without a caption, and a page speaks one language.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <set>

#include "CarAllowanceReport.h"
#include "CompanyCar.h"
#include "CompanyCarReport.h"
#include "DailyBalance.h"
#include "DeliveredDatabase.h"
#include "Inflation.h"
#include "Loan.h"
#include "LoanBuster.h"
#include "LoanComparison.h"
#include "LoanReport.h"
#include "PackageReport.h"
#include "PayslipReport.h"
#include "QuickTax.h"
#include "ReportComposer.h"
#include "ReportOutput.h"
#include "ReportPages.h"

using namespace kelvara;

namespace {

enum class Language { English, Afrikaans };

// One print: what is written to the report database and the layout that reads it.
struct Print {
    QString name;
    QString layout;  // as the print routines name it
    std::string table;
    std::vector<FieldValues> rows;  // one for a single-record table
    std::string emptying{};         // a table of rows: how the print empties it
    Language language = Language::English;
    int figureLines = 0;                 // lines of figures the layout heads with column captions
    std::set<std::string> notPrinted{};  // fields the layout leaves out on purpose
};

// The rows of a single-record table.
std::vector<FieldValues> One(FieldValues record) { return {std::move(record)}; }

// Words that give a page away as the other language.
const QStringList kEnglishWords{"Page",    "Printed",       "Tax year",  "Income", "Contributions",
                                "taxable", "South African", "Employees", "and"};
const QStringList kAfrikaansWords{"Bladsy",    "Gedruk",          "Belastingjaar", "Inkomste", "Bydraes",
                                  "belasbaar", "Suid-Afrikaanse", "LBS",           "en"};

// The figures given to the record writers, each field by name. They stand
// packed, where clang-format would give each field a line of its own.
// clang-format off
const MonthCounts kTwoEach{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};

// An employee with every kind of pay, over the period the window starts with.
PayPeriodInputs Employee(PayPeriodKind kind) {
    const PayPeriodInputs period = DefaultInputs(kind);
    return {.Age = 67, .Salary = 30000, .Commission = 1500, .Bonus = 2500, .TravelAllowance = 4000,
            .EmployerFundCont = 1200, .EmployeeFundCont = 900, .EmployerMedAidCont = 1100, .EmployeeMedAidCont = 1300,
            .Members = 3, .MonthMembers = kTwoEach, .StartDate = period.StartDate, .EndDate = period.EndDate,
            .NormalDays = period.NormalDays, .ThisDays = period.ThisDays, .EmployeeName = "Thandi Mokoena"};
}

const PayPeriodResult kFigures{.FundDeduction = 2100, .PeriodTax = 5432.1, .MedicalCredit = 1088,
    .AdditionalCredit = 211.3, .TaxAfterCredits = 4132.8, .UIFEmployee = 177.12, .UIFEmployer = 177.13,
    .SkillsLevy = 310.45, .TaxableTravel = 3200, .MonthMembers = kTwoEach};

const PackageInputs kPackage{.Required = 150000, .RequiredCostToCompany = 150000, .Age = 40, .CompanyCar = 300000,
    .TravelAllowance = 60000, .TravelAllowanceCost = 60000, .MedicalAid = 24000, .MedicalAidCost = 12000,
    .Members = 24, .OtherFringeBenefits = 3000, .OtherFringeBenefitsCost = 3100, .MedicalDeductions = 700,
    .FundEmployee = 11250, .FundEmployer = 11300, .RADeduction = 8000, .AdditionalBeneficiaries = 2,
    .OtherExpenses = {OtherExpense{}, {"Parking", 500, 520}}};

// The n-th of four company cars: the odd ones with their fuel valued from the deemed-cost table.
CompanyCarVehicle Vehicle(int n) {
    const bool table = n % 2;
    return {.CCRegNumber = "CA " + std::to_string(100 + n), .CCMake = "Make" + std::to_string(n), .CCModel = "Model",
            .YearOfManfact = "2024", .CCPrice = 250000.0 + 10000 * n, .CCStartDate = 46082, .CCEndDate = 46446,
            .EndMileage = 50000, .StartMileage = 20000, .BusDistance = 12000, .BussMilage = true,
            .ActualExpEmployee = table ? 0.0 : 9000, .SARSTable = table, .FuelReimbEmployer = 1000,
            .EmpPaidInsurance = 6000, .EmpPaidLicence = 1000, .EmpPaidMaintenance = 5000};
}

TravelAllowanceState Car(bool records) {
    return {.CarDescription = "Sedan", .RecordsKept = records, .VehicleValue = 250000, .AllowanceReceived = 120000,
            .ClosingKm = 60000, .OpeningKm = 30000, .BusinessKm = 18000, .FuelOil = 20000, .RepairsMaintenance = 5000,
            .InsuranceLicence = 8000, .OtherExpenses = 2000, .WearAndTear = 40000, .PeriodDays = 365};
}
// clang-format on

std::vector<Print> PayslipPrints() {
    std::vector<Print> prints;
    for (PayPeriodKind kind : {PayPeriodKind::Annual, PayPeriodKind::Monthly, PayPeriodKind::Fortnightly,
                               PayPeriodKind::Weekly, PayPeriodKind::Daily}) {
        const PayslipReport& report = PayslipReportFor(kind);
        for (Language language : {Language::English, Language::Afrikaans}) {
            const auto chosen = language == Language::English ? ReportLanguage::English : ReportLanguage::Afrikaans;
            Print print{QString(report.Layout) + (language == Language::English ? " en" : " af"), report.Layout,
                        report.Table, One(PayslipReportRecord(kind, Employee(kind), kFigures, chosen, 1234))};
            print.language = language;
            print.figureLines = kind == PayPeriodKind::Annual ? 1 : 0;  // the month counts under the months
            // These calculators take no medical expenses: the row shows only
            // with an amount. The deduction has a figure in the annual report only.
            print.notPrinted = {"MedExp"};
            if (kind != PayPeriodKind::Annual) print.notPrinted.insert("MedAidBens");
            prints.push_back(print);
        }
    }
    return prints;
}

std::vector<Print> PackagePrints() {
    PackageInputs in = kPackage;
    PackageShown shown{1631.86, 1631.87, 1632.5, 11553.48, 8640, 2913.48, 163185.34, 166449.06, 300000, true};

    std::vector<Print> prints;
    const PackageKind kinds[] = {{PackageDirection::NetToGross, PackagePeriod::Annual},
                                 {PackageDirection::NetToGross, PackagePeriod::Monthly},
                                 {PackageDirection::GrossToNet, PackagePeriod::Annual},
                                 {PackageDirection::GrossToNet, PackagePeriod::Monthly}};
    for (const PackageKind& kind : kinds) {
        const PackageReportVariant variant = ReportVariantOf(kind);
        Print print{QString::fromStdString(variant.Heading), QString::fromStdString(variant.ReportFile), "SalPackage",
                    One(SalPackageRecord(kind, in, shown, "Pieter Botha"))};
        // The provident fund is always 0 and the tax-free medical amount
        // always 0; the net-to-gross reports have no cost-to-company line
        // for the salary, and the monthly one no R/A deduction.
        print.notPrinted = {"TaxFreeMedPrint", "ProvDeduct", "ProvDeductCC"};
        // The gross-to-net report calls the amount "Total package amount", as its window does.
        print.notPrinted.insert(kind.Direction == PackageDirection::NetToGross ? "CostToComp" : "MonAnnSal");
        prints.push_back(print);
    }
    // No other expenses at all: no heading and no empty lines for them.
    in.OtherExpenses[1] = {};
    in.FundEmployee = 0;
    prints.push_back({.name = "package without other expenses",
                      .layout = "\\Pravel.rpt",
                      .table = "SalPackage",
                      .rows = One(SalPackageRecord(kinds[2], in, shown, "")),
                      .notPrinted = {"TaxFreeMedPrint", "ProvDeduct", "ProvDeductCC", "MonAnnSal"}});
    return prints;
}

std::vector<Print> LoanPrints() {
    std::vector<Print> prints;
    for (const char* mode : {"Monthly repayment", "Principal amount", "Repayment period", "Interest rate"}) {
        for (LoanSchedule schedule : {LoanSchedule::None, LoanSchedule::Annual}) {
            LoanState loan;
            loan.LoanMode = mode;
            loan.Principal = 100000;
            loan.PeriodMonths = 30;
            loan.AnnualRate = 10;
            RPAYMENT(loan);
            // Charges shown with the schedule, hidden without: both must read well.
            loan.FinChargeState = schedule == LoanSchedule::None ? "UP" : "DOWN";
            const LoanReportLayout layout = LoanLayout(mode, schedule);
            Print print{QString::fromStdString(layout.File), QString::fromStdString(layout.File), LoansTable,
                        One(LoansRecord(loan, schedule))};
            if (schedule != LoanSchedule::None) {
                // The schedule's lines, under their column captions, and the
                // loan over the schedule the last print left.
                Print rows{print.name + " schedule", print.layout, AmortTable, AmortRecords(loan, schedule),
                           AmortEmptyingStatement};
                rows.figureLines = print.figureLines = int(rows.rows.size());
                prints.push_back(rows);
            }
            prints.push_back(print);
        }
    }
    return prints;
}

std::vector<Print> CompanyCarPrints() {
    CompanyCarState state;
    state.Vehicles.resize(1);
    for (int n = 1; n <= 4; ++n) state.Vehicles.push_back(Vehicle(n));
    state.Results.resize(state.Vehicles.size());
    state.VehicleCount = 4;
    state.CurrentVehicle = state.ShownVehicle = 1;
    state.Actual3802 = 126000;
    state.AutoSplit3802 = true;
    CompCarCalc(state);
    return {
        {"company cars", CompanyCarLayout, CompanyCarTable, CompanyCarPrintRows(state), CompanyCarEmptyingStatement}};
}

std::vector<Print> OtherPrints() {
    std::vector<Print> prints;
    EngineState engine;
    CalcAnnualTax(engine, 500000);
    QuickTaxState quickTax{.QtAge = 40};
    QuickTaxCalculate(engine, quickTax);
    prints.push_back({"QuickTax", KwikTaxLayout, KwikTaxTable, One(KwikTaxRecord(engine, quickTax))});

    for (bool records : {false, true}) {
        TravelAllowanceState car = Car(records);
        SplitDistance(car);
        records ? CalcActualCostClaim(car) : CalcDeemedCostClaim(car);
        prints.push_back({CarAllowanceLayout(records), CarAllowanceLayout(records), TravelDeductionTable,
                          One(TravelDeductionRecord(car, "Sipho", 46082, 46446))});
    }

    LoanBusterState buster{500000, 10.5f, 1000};
    LoanBusterResult busted;
    BBCalc(buster, 240, busted);
    prints.push_back({"loan buster", LoanBusterLayout, BondBustTable, One(BondBustRecord(buster, busted))});

    LoanCompState comp{500000, 10.5f};
    prints.push_back(
        {"loan comparison", LoanComparisonLayout, BondCompTable, One(BondCompRecord(comp, Compare(comp)))});

    InflationState inflation{100000, 10, 6};
    ProjectInflation(inflation);
    prints.push_back({"inflation", InflationLayout, InflationTable, One(InflationRecord(inflation))});

    const DailyBalanceState balance{
        .DayBalCapital = 100000, .DayBalRate = 10, .DayBalStartDay = 46082, .DayBalEndDay = 46113};
    prints.push_back({"daily balance", DailyBalanceLayout, DailyBalTable,
                      One(DailyBalRecord(balance, CalculateDailyBalance(balance)))});
    return prints;
}

QString PdfText(const QString& pdf, int page = 0) {
    QProcess pdftotext;
    QStringList arguments{"-layout"};
    if (page > 0) arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    pdftotext.start("pdftotext", arguments << pdf << "-");
    pdftotext.waitForFinished();
    // Ligatures such as "ﬁ" back to their letters.
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

// Lines with figures but not a word to say what they are ("R" says nothing).
QStringList BareLines(const QString& text) {
    static const QRegularExpression digit("\\d"), rand("\\bR\\b"), letter("[A-Za-z]");
    QStringList bare;
    for (const QString& line : text.split('\n')) {
        if (line.contains(digit) && !QString(line).remove(rand).contains(letter)) bare << line.trimmed();
    }
    return bare;
}

QStringList WordsOf(const QString& text, const QStringList& words) {
    QStringList found;
    for (const QString& word : words)
        if (text.contains(QRegularExpression("\\b" + QRegularExpression::escape(word) + "\\b"))) found << word;
    return found;
}

// pdftotext may move the spaces between words and columns a little.
bool Shows(const QString& text, const std::string& value) {
    static const QRegularExpression space("\\s+");
    return QString(text).remove(space).contains(QString::fromStdString(value).remove(space));
}

}  // namespace

class ReportLayoutsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString layouts_ = qEnvironmentVariable("KV_RUNTIME_DIR", ".");
    std::filesystem::path database_;

    void Write(const Print& print) {
        const ReportOutput output(database_);
        const StoreStatus status = print.emptying.empty()
                                       ? output.WriteReportRecord(print.table, print.rows.front())
                                       : output.ReplaceReportRows(print.table, print.emptying, print.rows);
        QVERIFY2(status.ok, status.message.c_str());
    }

    QString Render(const Print& print) {
        const QString file = layouts_ + "/" + QString(print.layout).remove('\\');
        const QString pdf = folder_.filePath(QString(print.layout).remove('\\').replace(".rpt", ".pdf"));
        QString error;
        if (!RenderReportToPdf(file, database_, pdf, &error)) qWarning() << error;
        const QString keep = qEnvironmentVariable("KV_REPORT_PDF_DIR");
        if (!keep.isEmpty()) {
            const QString name = keep + "/" + print.name.simplified().remove('\\').replace(' ', '_') + ".pdf";
            QFile::remove(name);
            QFile::copy(pdf, name);
        }
        return pdf;
    }

    void Check(const Print& print) {
        Write(print);
        const QString pdf = Render(print);
        const QString text = PdfText(pdf);
        QVERIFY2(!text.isEmpty(), qPrintable(print.name));

        std::string header;
        QFile file(layouts_ + "/" + QString(print.layout).remove('\\'));
        QVERIFY(file.open(QIODevice::ReadOnly));
        ReportLayout layout;
        QVERIFY(ParseReportLayout(file.readAll().toStdString(), layout, header));
        for (const FieldValues& row : print.rows) {
            for (const auto& [field, value] : row) {
                if (print.notPrinted.count(field)) continue;
                const std::string shown = ReportFieldText(layout, field, value);
                const bool blank = shown.find_first_not_of(" 0.") == std::string::npos;
                QVERIFY2(blank || Shows(text, shown),
                         qPrintable(print.name + ": " + QString::fromStdString(field + " \"" + shown + "\"") +
                                    " is not on the page\n" + text));
            }
        }
        const QStringList bare = BareLines(text);
        QVERIFY2(bare.size() <= print.figureLines,
                 qPrintable(print.name + ": lines without a caption:\n" + bare.join('\n')));

        const bool afrikaans = print.language == Language::Afrikaans;
        const QStringList foreign = WordsOf(text, afrikaans ? kEnglishWords : kAfrikaansWords);
        QVERIFY2(foreign.isEmpty(), qPrintable(print.name + ": " + foreign.join(", ") + "\n" + text));
        QVERIFY2(text.contains(afrikaans ? "Bladsy 1 van 1" : "Page 1 of"), qPrintable(print.name));
        QVERIFY2(text.contains(afrikaans ? "Gedruk op" : "Printed on"), qPrintable(print.name));
    }

    void CheckAll(const std::vector<Print>& prints) {
        for (const Print& print : prints) {
            Check(print);
            if (QTest::currentTestFailed()) return;
        }
    }

private slots:
    void init() {
        database_ = std::filesystem::path(folder_.path().toStdString()) / "Crysprin.db";
        std::filesystem::remove(database_);
        QVERIFY(CreateDeliveredDatabase(database_, DeliveredDatabase::Reports).ok);
    }

    void payslipChecks() { CheckAll(PayslipPrints()); }
    void salaryPackages() { CheckAll(PackagePrints()); }
    void loans() { CheckAll(LoanPrints()); }
    void otherReports() { CheckAll(OtherPrints()); }

    void companyCarsKeepEachVehicleOnOnePage() {
        const Print print = CompanyCarPrints().front();
        Check(print);
        const QString pdf = Render(print);
        const QString all = PdfText(pdf);
        QVERIFY(all.contains("Total Adjustment to taxable income"));
        QVERIFY(all.contains("all vehicles"));
        int vehicles = 0;
        for (int page = 1;; ++page) {
            const QString text = PdfText(pdf, page);
            if (text.trimmed().isEmpty()) break;
            const int starts = text.count(QRegularExpression("Vehicle \\d of 4"));
            QCOMPARE(text.count("IRP5 code 3802 amount for this car"), starts);
            vehicles += starts;
        }
        QCOMPARE(vehicles, 4);
    }

    void theSalaryPackageOfTheMonthlyWindowLeavesAnEarlierRADeductionOut() {
        PackageInputs in;
        in.Required = 12000;
        in.RADeduction = 4321;
        const PackageKind annual{PackageDirection::NetToGross, PackagePeriod::Annual};
        const PackageKind monthly{PackageDirection::NetToGross, PackagePeriod::Monthly};
        Write({"", "", "SalPackage", One(SalPackageRecord(annual, in, {}, ""))});
        Write({"", "", "SalPackage", One(SalPackageRecord(monthly, in, {}, ""))});
        const QString text = PdfText(Render({"Kelvara monthly", "\\Kelvara.rpt", "SalPackage", {}}));
        QVERIFY2(!text.contains("4 321") && !text.contains("R/A"), qPrintable(text));
    }
};

QTEST_MAIN(ReportLayoutsTest)
#include "ReportLayoutsTest.moc"
