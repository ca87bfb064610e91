#include "PayslipReport.h"

#include <string>

#include "NumberFormat.h"
#include "Rounding.h"
#include "ShortPeriodDesign.h"

namespace kelvara {

namespace {

// One caption in both languages.
struct Caption {
    const char* English;
    const char* Afrikaans;
    const char* In(ReportLanguage language) const { return language == ReportLanguage::English ? English : Afrikaans; }
};

Caption TitleOf(PayPeriodKind kind) {
    switch (kind) {
        case PayPeriodKind::Annual: return {"Annual Check", "Jaarlikse Inkomste"};
        case PayPeriodKind::Monthly: return {"Monthly Check", "Maandelikse Inkomste"};
        case PayPeriodKind::Fortnightly: return {"Fortnightly Check", "Twee Weeklikse Inkomste"};
        case PayPeriodKind::Weekly: return {"Weekly Check", "Weeklikse Inkomste"};
        case PayPeriodKind::Daily: return {"Daily Check", "Daaglikse Inkomste"};
    }
    return {"", ""};
}

Caption TravelCaptionOf(PayPeriodKind kind) {
    switch (kind) {
        case PayPeriodKind::Annual: return {"Travel allowance received", "Reistoelae ontvang"};
        case PayPeriodKind::Fortnightly:
        case PayPeriodKind::Weekly: return {"Travel allowance ", "Reistoelae ontvang"};
        case PayPeriodKind::Monthly:
        case PayPeriodKind::Daily: return {"Travel allowance ", "Reistoelae "};
    }
    return {"", ""};
}

// The start and end captions: dates in the annual and monthly reports, day
// counts in the fortnightly and weekly ones.
std::pair<Caption, Caption> PeriodCaptionsOf(PayPeriodKind kind) {
    switch (kind) {
        case PayPeriodKind::Fortnightly:
            return {{FortnightlyDesign.NormalDaysCaption, "Normale twee weke"},
                    {FortnightlyDesign.ThisDaysCaption, "Hierdie twee weke"}};
        case PayPeriodKind::Weekly:
            return {{WeeklyDesign.NormalDaysCaption, "Normale werk week"},
                    {WeeklyDesign.ThisDaysCaption, "Hierdie werk week"}};
        default: return {{"Start date", "Begin datum"}, {"End date", "Eind datum"}};
    }
}

// The report's month captions, by calendar month.
constexpr Caption MonthCaptions[12] = {
    {"Jan", "Jan"}, {"Feb", "Feb"}, {"Mar", "Mar"}, {"Apr ", "Apr "}, {"May", "Mei"}, {"Jun", "Jun"},
    {"Jul", "Jul"}, {"Aug", "Aug"}, {"Sep", "Sep"}, {"Oct", "Okt"},   {"Nov", "Nov"}, {"Dec", "Dec"},
};

// What the total fields receive: the tax after credits, or the whole number 0
// when the credits leave nothing.
FieldValue TotalValue(const PayPeriodResult& r) {
    if (r.PeriodTax - (r.MedicalCredit + r.AdditionalCredit) > 0) return r.TaxAfterCredits;
    return std::int16_t{0};
}

std::string DaysText(double days) { return FormatNumber(days, 0, 1, false); }

class RecordWriter {
public:
    explicit RecordWriter(ReportLanguage language) : language_(language) {}
    void Caption(const char* field, const struct Caption& caption) {
        fields_.emplace_back(field, caption.In(language_));
    }
    void Text(const char* field, std::string text) { fields_.emplace_back(field, std::move(text)); }
    void Value(const char* field, FieldValue value) { fields_.emplace_back(field, std::move(value)); }
    ReportLanguage Language() const { return language_; }
    FieldValues Take() { return std::move(fields_); }

private:
    ReportLanguage language_;
    FieldValues fields_;
};

// The fields every payslip check writes.
void WriteCommonFields(RecordWriter& w, PayPeriodKind kind, const PayPeriodInputs& in, const PayPeriodResult& r) {
    const bool english = w.Language() == ReportLanguage::English;
    w.Caption("TypeAM", TitleOf(kind));
    w.Text("Employee", (english ? " For : " : "Vir : ") + in.EmployeeName);
    w.Caption("Age", {"Age : ", "Ouderdom : "});
    w.Value("AgeNum", in.Age);
    w.Caption("Sal", {"Remuneration/salary", "Besoldiging"});
    w.Value("SalNum", in.Salary);
    w.Caption("DirFees", {"Commissions", "Kommissie"});
    w.Value("DirFeesNum", in.Commission);
    w.Caption("TravAll", TravelCaptionOf(kind));
    w.Caption("Bonus", {"Bonus", "Bonus"});
    w.Value("BonusNum", in.Bonus);
    w.Caption("MedExp", {"Medical expenses", "Mediese onkoste"});
    w.Value("MedExpNum", 0.0);
    w.Caption("PenCont", {"Employer's R/Fund contributions ", "Toelaatbare pension bydrae"});
    w.Value("PenContNum", in.EmployerFundCont);
    w.Caption("RACont", {"Employee's R/Fund contributions", "Toelaatbare U/T bydrae"});
    w.Value("RAContNum", in.EmployeeFundCont);
    w.Caption("EOE", {"(E.& O.E.)", "(B.& F.W.)"});
    w.Caption("Taxliability", {"Tax liability", "Belasting verpligting"});
    w.Value("Taxliabilitynum", r.PeriodTax);
    w.Caption("EmpERMedAidCont", {"Employer's med aid contrib.", "Werkgewer se bydrae aan mediesefonds"});
    w.Value("EmpERMedAidContnum", in.EmployerMedAidCont);
    w.Caption("EmpEEMedAidCont", {"Employee's med aid contrib.", "Werknemer se bydrae aan mediesefonds"});
    w.Value("EmpEEMedAidContnum", in.EmployeeMedAidCont);
    w.Caption("TaxCredit", {"Tax credits for beneficiaries", "Belastingkrediete vir begunstigdes"});
    w.Value("Taxcreditnum", r.MedicalCredit);
    w.Caption("TaxCreditCons", {"Tax credits for contributions", "Belastingkrediete vir bydraes"});
    w.Value("TaxcreditnumCons", r.AdditionalCredit);
    w.Caption("MedAidBens", {"Med Aid contribution deduction", "Mediesfondsbydrae afrekking"});
}

void WriteDates(RecordWriter& w, PayPeriodKind kind, const PayPeriodInputs& in) {
    const auto [start, end] = PeriodCaptionsOf(kind);
    w.Caption("SDate", start);
    w.Caption("EDate", end);
    const bool days = kind == PayPeriodKind::Fortnightly || kind == PayPeriodKind::Weekly;
    w.Text("SDateNum", days ? DaysText(in.NormalDays) : FormatDate(in.StartDate));
    w.Text("EDateNum", days ? DaysText(in.ThisDays) : FormatDate(in.EndDate));
}

void WriteAnnualFields(RecordWriter& w, const PayPeriodInputs& in, const PayPeriodResult& r,
                       std::int32_t medAidContributionDeduction) {
    w.Value("RecBefNum", in.TravelAllowance);
    w.Caption("SITE", {"SITE", "SIBW"});
    w.Value("SITENum", 0.0);
    w.Caption("PAYE", {"PAYE", "LBS"});
    w.Value("PAYENum", TotalValue(r));
    w.Caption("NumOFBens", {"Number of Medical Aid Beneficiaries", "Getal mediesefondslede en afhanklikes"});
    for (int month : TaxYearMonths) {
        const std::string field = "AnnCalcBens" + std::to_string(month);
        w.Caption(field.c_str(), MonthCaptions[month - 1]);
        w.Value((field + "num").c_str(), in.MonthMembers[month - 1]);
    }
    w.Value("MedAidBensnum", medAidContributionDeduction);
    w.Caption("TOTAL", {"Total tax deduction", "Totaal"});
    w.Value("TotalNum", TotalValue(r));
}

void WritePeriodFields(RecordWriter& w, PayPeriodKind kind, const PayPeriodInputs& in, const PayPeriodResult& r) {
    if (kind == PayPeriodKind::Monthly) {
        w.Value("TravOne", in.TravelAllowance);
        w.Value("TravTwo", r.TaxableTravel);
    } else {
        w.Value("RecBefNum", in.TravelAllowance);
    }
    // As the two-decimal result fields show them.
    w.Caption("UIFEMPE", {"U.I.F. contribution employee", "U.I.F. bydrae werknemer"});
    w.Value("UIFEMPENum", RoundHalfEven(r.UIFEmployee, 2));
    w.Caption("UIFEMPR", {"U.I.F. contribution employer", "U.I.F. bydrae werkgewer"});
    w.Value("UIFEMPRNum", RoundHalfEven(r.UIFEmployer, 2));
    w.Caption("SDL", {"S.D.L.", "S.D.L."});
    w.Value("SDLNum", RoundHalfEven(r.SkillsLevy, 2));
    w.Caption("AnnCalcBens3", {"Medical aid fund beneficiaries", "Getal mediesefondslede en afhanklikes"});
    w.Value("AnnCalcBens3num", in.Members);
    w.Caption("TOTAL", {"Total tax deduction", "Totaal belasting"});
    w.Value("TotalNum", TotalValue(r));
}

}  // namespace

const PayslipReport& PayslipReportFor(PayPeriodKind kind) {
    static const PayslipReport annual{"IRP5Ann", "\\Annual.rpt",
                                      "Annual - To export printout click on the suitcase button or goto Help"};
    static const PayslipReport monthly{"IRP5Mon", "\\Monthly.rpt",
                                       "Monthly - To export printout click on the suitcase button or goto Help"};
    static const PayslipReport fortnightly{
        "IRP5Week", "\\FortNightly.rpt", "FortNightly - To export printout click on the suitcase button or goto Help"};
    static const PayslipReport weekly{"IRP5Week", "\\Weekly.rpt",
                                      "Weekly - To export printout click on the suitcase button or goto Help"};
    static const PayslipReport daily{"IRP5Day", "\\Daily.rpt",
                                     "Daily - To export printout click on the suitcase button or goto Help"};
    switch (kind) {
        case PayPeriodKind::Annual: return annual;
        case PayPeriodKind::Monthly: return monthly;
        case PayPeriodKind::Fortnightly: return fortnightly;
        case PayPeriodKind::Weekly: return weekly;
        case PayPeriodKind::Daily: return daily;
    }
    return daily;
}

FieldValues PayslipReportRecord(PayPeriodKind kind, const PayPeriodInputs& in, const PayPeriodResult& result,
                                ReportLanguage language, std::int32_t medAidContributionDeduction) {
    RecordWriter w(language);
    WriteCommonFields(w, kind, in, result);
    if (kind != PayPeriodKind::Daily) WriteDates(w, kind, in);
    if (kind == PayPeriodKind::Annual) {
        WriteAnnualFields(w, in, result, medAidContributionDeduction);
    } else {
        WritePeriodFields(w, kind, in, result);
    }
    return w.Take();
}

}  // namespace kelvara
