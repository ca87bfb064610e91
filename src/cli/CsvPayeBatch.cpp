#include "CsvPayeBatch.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <istream>
#include <ostream>

#include "ActiveTaxYear.h"
#include "CsvTable.h"
#include "Options.h"
#include "Rounding.h"
#include "StrictNumber.h"
#include "UserText.h"

namespace kelvara::cli {

namespace {

using F = PayPeriodField;
using Type = PayeOption::Type;

// The PAYE a payslip shows, which a batch row may give to be compared.
const PayeOption PayslipOption{"payslip-paye", "PAYE on the payslip", PayeOption::Type::Amount, -1e12, 1e12, {}};

std::string OptionName(PayPeriodField field) {
    switch (field) {
        case F::Age: return "age";
        case F::Salary: return "salary";
        case F::Commission: return "commission";
        case F::Bonus: return "bonus";
        case F::TravelAllowance: return "travel-allowance";
        case F::EmployerFundCont: return "employer-fund-cont";
        case F::EmployeeFundCont: return "employee-fund-cont";
        case F::EmployerMedAidCont: return "employer-med-aid-cont";
        case F::EmployeeMedAidCont: return "employee-med-aid-cont";
        case F::Members: return "members";
        case F::MonthMembers: return "month-members";
        case F::NormalDays: return "normal-days";
        case F::ThisDays: return "this-days";
    }
    return "";
}

std::string Description(PayPeriodField field) {
    switch (field) {
        case F::Age: return "age in whole years";
        case F::Salary: return "salary/remuneration for the period, rand";
        case F::Commission: return "commissions, rand";
        case F::Bonus: return "bonus, rand";
        case F::TravelAllowance: return "travel allowance received, rand";
        case F::EmployerFundCont: return "employer's R/Fund contributions, rand";
        case F::EmployeeFundCont: return "employee's R/Fund contributions, rand";
        case F::EmployerMedAidCont: return "employer's med aid contributions, rand";
        case F::EmployeeMedAidCont: return "employee's med aid contributions, rand";
        case F::Members: return "medical aid fund beneficiaries";
        case F::MonthMembers: return "beneficiaries of each month, March first and February last";
        case F::NormalDays: return "days of a normal period";
        case F::ThisDays: return "days worked in this period";
    }
    return "";
}

std::vector<PayeOption> BuildOptions(PayPeriodKind kind) {
    std::vector<PayeOption> options;
    for (const InputBounds& input : InputFieldBounds(kind)) {
        const FieldBounds& b = input.Bounds;
        if (input.Field == F::MonthMembers) {
            options.push_back({OptionName(input.Field), Description(input.Field), Type::MonthList, 0,
                               static_cast<double>(MaxMonthMembers), input.Field});
        } else {
            options.push_back({OptionName(input.Field), Description(input.Field),
                               b.Decimals == 0 ? Type::Whole : Type::Amount, b.Min, b.Max, input.Field});
        }
    }
    if (kind == PayPeriodKind::Annual || kind == PayPeriodKind::Monthly) {
        const double first = ActiveTaxYear().FirstDay, last = ActiveTaxYear().LastDay;
        options.push_back({"start-date", "first day of the period", Type::Date, first, last, PayeDate::Start});
        options.push_back({"end-date", "last day of the period", Type::Date, first, last, PayeDate::End});
    }
    const struct {
        SettingsField Field;
        const char* Name;
        const char* What;
    } settings[] = {
        {SettingsField::EmployeeUIF, "employee-uif", "employee UIF portion, percent"},
        {SettingsField::EmployerUIF, "employer-uif", "employer UIF portion, percent"},
        {SettingsField::SkillLevy, "skill-levy", "skills levy, percent"},
        {SettingsField::UIFLimit, "uif-limit", "UIF monthly limit, rand"},
    };
    for (const auto& s : settings) {
        for (const SettingBounds& b : SettingFieldBounds()) {
            if (b.Field != s.Field) continue;
            options.push_back({s.Name, s.What, b.Bounds.Decimals == 0 ? Type::Whole : Type::Amount, b.Bounds.Min,
                               b.Bounds.Max, s.Field});
        }
    }
    options.push_back({"ta-inc-rate", "travel allowance inclusion rate, 0.8 or 0.2", Type::Amount, 0, 1,
                       SettingsField::TAIncRate8020});
    return options;
}

std::string Bound(double value) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return error == std::errc() ? std::string(text, end) : "?";
}

}  // namespace

std::string AcceptedRange(const PayeOption& option) {
    if (option.Kind == Type::Date) {
        return FormatDate(static_cast<DayNumber>(option.Min)) + " to " + FormatDate(static_cast<DayNumber>(option.Max));
    }
    const std::string range = Bound(option.Min) + " to " + Bound(option.Max);
    if (option.Kind == Type::MonthList) return "twelve whole numbers " + range + ", or one for all";
    return range;
}

namespace {

[[noreturn]] void Refuse(const PayeOption& option, const std::string& text, const std::string& why) {
    throw UsageError("--" + option.Name + " '" + Quote(text) + "' " + why + " (accepted: " + AcceptedRange(option) +
                     ")");
}

double ReadNumber(const PayeOption& option, const std::string& text, std::string_view cell, bool whole) {
    const std::optional<double> number = StrictNumber(cell);
    if (!number) Refuse(option, text, "is not a number");
    const double value = *number;
    if (whole && std::floor(value) != value) Refuse(option, text, "is not a whole number");
    if (value < option.Min || value > option.Max) Refuse(option, text, "is out of range");
    return value;
}

MonthCounts ReadMonthList(const PayeOption& option, const std::string& text) {
    std::vector<std::int16_t> counts;
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = text.find(',', from);
        const std::string_view part = std::string_view(text).substr(from, comma - from);
        counts.push_back(static_cast<std::int16_t>(ReadNumber(option, text, part, true)));
        if (comma == std::string::npos) break;
        from = comma + 1;
    }
    if (counts.size() != 1 && counts.size() != 12) Refuse(option, text, "is not twelve numbers");
    MonthCounts ordered{};
    for (std::size_t i = 0; i < 12; ++i) ordered[i] = counts[counts.size() == 1 ? 0 : i];
    return FromTaxYearOrder(ordered);
}

// The output cell of a result value: numbers as the JSON output prints them,
// lists as one comma-separated cell.
std::string ResultCell(const Result& value) {
    if (value.is_array()) {
        std::string list;
        for (const Result& item : value) list += (list.empty() ? "" : ",") + item.dump();
        return CsvCell(list);
    }
    std::string json = ToJson(value);
    json.pop_back();  // its line end
    return json;
}

}  // namespace

const std::vector<PayeOption>& PayeOptions(PayPeriodKind kind) {
    static const std::vector<PayeOption> options[] = {
        BuildOptions(PayPeriodKind::Annual),      BuildOptions(PayPeriodKind::Monthly),
        BuildOptions(PayPeriodKind::Fortnightly), BuildOptions(PayPeriodKind::Weekly),
        BuildOptions(PayPeriodKind::Daily),
    };
    return options[static_cast<int>(kind)];
}

void ApplyPayeOption(const PayeOption& option, const std::string& text, PayeRow& row) {
    switch (option.Kind) {
        case Type::Date: {
            const std::optional<DayNumber> day = ParseDate(text);
            if (!day) Refuse(option, text, "is not a date");
            if (*day < option.Min || *day > option.Max) Refuse(option, text, "is out of range");
            (std::get<PayeDate>(option.Target) == PayeDate::Start ? row.Inputs.StartDate : row.Inputs.EndDate) = *day;
            return;
        }
        case Type::MonthList: row.Inputs.MonthMembers = ReadMonthList(option, text); return;
        case Type::Amount:
        case Type::Whole: {
            const double value = ReadNumber(option, text, text, option.Kind == Type::Whole);
            if (const auto* field = std::get_if<PayPeriodField>(&option.Target)) SetField(row.Inputs, *field, value);
            if (const auto* setting = std::get_if<SettingsField>(&option.Target))
                SetSetting(row.Setup, *setting, value);
            return;
        }
    }
}

Result PayeResult(PayPeriodKind kind, const PayPeriodResult& r, const EngineState& engine) {
    Result result;
    result["FundDeduction"] = r.FundDeduction;
    result["PeriodTax"] = r.PeriodTax;
    result["MedicalCredit"] = r.MedicalCredit;
    result["AdditionalCredit"] = r.AdditionalCredit;
    result["TaxAfterCredits"] = r.TaxAfterCredits;
    result["TaxableIncome"] = engine.TaxableIncome;
    if (kind != PayPeriodKind::Annual) {
        result["UIFEmployee"] = r.UIFEmployee;
        result["UIFEmployer"] = r.UIFEmployer;
        result["SkillsLevy"] = r.SkillsLevy;
    }
    if (kind == PayPeriodKind::Monthly) result["TaxableTravel"] = r.TaxableTravel;
    if (kind == PayPeriodKind::Annual) {
        Result months = Result::array();
        for (std::int16_t count : ToTaxYearOrder(r.MonthMembers)) months.push_back(count);
        result["MonthMembers"] = months;
    }
    return result;
}

Captions PayeCaptions() {
    // The annual calculator lays its month fields out from March to February.
    static constexpr std::string_view kMonths[] = {"Mar", "Apr", "May", "Jun", "Jul", "Aug",
                                                   "Sep", "Oct", "Nov", "Dec", "Jan", "Feb"};
    static constexpr Caption kCaptions[] = {
        {"FundDeduction", "Allowable R/Fund deduction"},
        {"PeriodTax", "Tax liability"},
        {"MedicalCredit", "Tax credits for beneficiaries"},
        {"AdditionalCredit", "Tax credits for contributions"},
        {"TaxAfterCredits", "Total tax deduction"},
        {"TaxableIncome", "Annual taxable income without the bonus"},
        {"UIFEmployee", "UIF contribution Employee"},
        {"UIFEmployer", "UIF contribution Employer"},
        {"SkillsLevy", "S.D.L."},
        {"TaxableTravel", "Taxable travel allowance"},
        {"MonthMembers", "Number of Medical Aid Beneficiaries", kMonths},
    };
    return kCaptions;
}

namespace {

const char* KindName(PayPeriodKind kind) {
    switch (kind) {
        case PayPeriodKind::Annual: return "annual";
        case PayPeriodKind::Monthly: return "monthly";
        case PayPeriodKind::Fortnightly: return "fortnightly";
        case PayPeriodKind::Weekly: return "weekly";
        case PayPeriodKind::Daily: return "daily";
    }
    return "";
}

// A header name as a spreadsheet may write it: any letter case, spaces around.
std::string ColumnName(std::string_view cell) {
    const std::size_t first = cell.find_first_not_of(" \t");
    const std::size_t last = cell.find_last_not_of(" \t");
    std::string name(first == std::string_view::npos ? std::string_view() : cell.substr(first, last - first + 1));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// An amount written with a decimal comma, as a file separated by semicolons
// or tabs may hold it, read as one with a point.
std::string WithDecimalPoint(const PayeOption* option, std::string cell) {
    if (option && option->Kind == Type::MonthList) return cell;  // its commas separate the months
    if (cell.find('.') == std::string::npos) std::replace(cell.begin(), cell.end(), ',', '.');
    return cell;
}

}  // namespace

int RunPayeBatch(PayPeriodKind kind, const PayeRow& base, std::istream& in, std::ostream& out, std::ostream& err) {
    CsvReader reader(in);
    const std::optional<std::string> headerLine = reader.NextLine();
    if (!headerLine) throw UsageError("--csv: the file has no header line");
    const char separator = DetectSeparator(*headerLine);
    const bool decimalComma = separator != ',';
    auto header = SplitCsvLine(*headerLine, separator);
    if (!header) throw UsageError("--csv: the header line has an open quote");
    // A spreadsheet may end the header with an empty cell.
    if (header->size() > 1 && ColumnName(header->back()).empty()) header->pop_back();

    // Each column is an option of the calculator, or the payslip's PAYE, once.
    std::vector<const PayeOption*> columns;
    std::vector<std::string> names;
    int payslipColumn = -1;
    for (const std::string& cell : *header) {
        const std::string name = ColumnName(cell);
        if (std::find(names.begin(), names.end(), name) != names.end())
            throw UsageError("--csv: the column '" + Quote(name) + "' is named twice in the header (line " +
                             std::to_string(reader.LineNumber()) + ")");
        const PayeOption* found = nullptr;
        for (const PayeOption& option : PayeOptions(kind)) {
            if (option.Name == name) found = &option;
        }
        if (!found && name == PayslipOption.Name) {
            payslipColumn = static_cast<int>(columns.size());
        } else if (!found) {
            throw UsageError("--csv: the column '" + Quote(name) + "' is not an option of paye " + KindName(kind) +
                             " (line " + std::to_string(reader.LineNumber()) + ")");
        }
        columns.push_back(found);
        names.push_back(name);
    }

    std::string heading;
    for (const std::string& name : names) heading += (heading.empty() ? "" : ",") + CsvCell(name);
    const Result keys = PayeResult(kind, {}, {});
    for (const auto& [key, value] : keys.items()) heading += "," + key;
    out << heading << (payslipColumn >= 0 ? ",difference\n" : "\n");

    int status = 0;
    while (out) {
        const std::optional<std::string> line = reader.NextLine();
        if (!line) break;
        const std::string where = "line " + std::to_string(reader.LineNumber()) + ": ";
        auto cells = SplitCsvLine(*line, separator);
        // Rows written under a header that ends with an empty cell may end with one too.
        if (cells && cells->size() == columns.size() + 1 && cells->back().empty()) cells->pop_back();
        if (!cells || cells->size() != columns.size()) {
            err << "kelvara-calc: " << where << "expected " << columns.size() << " cells as in the header"
                << (cells ? ", found " + std::to_string(cells->size()) : ", found an open quote") << "\n";
            status = 1;
            continue;
        }
        PayeRow row = base;
        std::optional<double> payslip;
        try {
            for (std::size_t i = 0; i < columns.size(); ++i) {
                const std::string cell = decimalComma ? WithDecimalPoint(columns[i], (*cells)[i]) : (*cells)[i];
                if (cell.empty()) continue;  // the value of the command line
                if (columns[i]) {
                    ApplyPayeOption(*columns[i], cell, row);
                } else {
                    payslip = ReadNumber(PayslipOption, cell, cell, false);
                }
            }
        } catch (const UsageError& error) {
            err << "kelvara-calc: " << where << error.what() << "\n";
            status = 1;
            continue;
        }
        EngineState engine;
        const PayPeriodOutcome outcome = Calculate(kind, engine, row.Inputs, row.Setup);
        if (outcome.Refusal) {
            err << "kelvara-calc: " << where << outcome.Refusal->Title << ": " << outcome.Refusal->Text << "\n";
            status = 1;
            continue;
        }
        const Result result = PayeResult(kind, outcome.Result, engine);
        if (const std::optional<std::string> key = NonFiniteFigure(result)) {
            const Result refusal = TooLargeResult(*key)["error"];
            err << "kelvara-calc: " << where << refusal["title"].get<std::string>() << ": "
                << refusal["message"].get<std::string>() << "\n";
            status = 1;
            continue;
        }
        std::string text;
        for (std::size_t i = 0; i < cells->size(); ++i) text += (i > 0 ? "," : "") + CsvCell((*cells)[i]);
        for (const auto& [key, value] : result.items()) text += "," + ResultCell(value);
        if (payslipColumn >= 0) {
            // In cents, so that a payslip that agrees shows 0.
            text += "," + (payslip ? ResultCell(RoundHalfEven(*payslip - outcome.Result.TaxAfterCredits, 2)) : "");
        }
        out << text << "\n";
    }
    return status;
}

}  // namespace kelvara::cli
