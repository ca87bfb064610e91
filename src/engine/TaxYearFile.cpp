#include "TaxYearFile.h"

#include <cmath>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "DeliveredTaxYearText.h"
#include "NumberFormat.h"

namespace kelvara {

namespace {

using nlohmann::json;

// The version of the year file's layout that this program reads.
constexpr int FileFormat = 1;

struct Refusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Shown(double value) { return FormatNumber(value, value == std::floor(value) ? 0 : 3); }

// Reads one object of the year file, naming its keys by their path from the
// top ("rebates.primary", "incomeTaxScale[2].rate") in every refusal.
class Node {
public:
    Node(const json& value, std::string path, std::initializer_list<const char*> keys)
        : value_(value), path_(std::move(path)) {
        if (!value_.is_object()) Refuse(path_, "is not an object { ... }");
        for (const auto& [key, _] : value_.items()) {
            bool known = false;
            for (const char* k : keys) known = known || key == k;
            if (!known) Refuse(Key(key), "is not a key of the year file");
        }
    }

    [[noreturn]] static void Refuse(const std::string& key, const std::string& problem) {
        throw Refusal("key \"" + key + "\" " + problem);
    }

    std::string Key(const std::string& name) const { return path_.empty() ? name : path_ + "." + name; }

    const json& Member(const char* name) const {
        const auto it = value_.find(name);
        if (it == value_.end()) Refuse(Key(name), "is missing");
        return *it;
    }

    double Number(const char* name, double lowest, double highest) const {
        const json& v = Member(name);
        if (!v.is_number()) Refuse(Key(name), "is not a number");
        const double n = v.get<double>();
        if (n < lowest || n > highest) {
            Refuse(Key(name), Shown(n) + (n < 0 && lowest >= 0 ? " is negative" : " is out of range") +
                                  ": it must lie from " + Shown(lowest) + " to " + Shown(highest));
        }
        return n;
    }

    int Whole(const char* name, int lowest, int highest) const {
        const double n = Number(name, lowest, highest);
        if (n != std::floor(n)) Refuse(Key(name), Shown(n) + " is not a whole number");
        return static_cast<int>(n);
    }

    std::string Text(const char* name) const {
        const json& v = Member(name);
        if (!v.is_string() || v.get<std::string>().empty()) Refuse(Key(name), "is not a text \"...\"");
        return v.get<std::string>();
    }

    DayNumber Date(const char* name) const {
        const std::string text = Text(name);
        const auto day = ParseDate(text);
        if (!day) Refuse(Key(name), "\"" + text + "\" is not a date dd/mm/yyyy");
        return *day;
    }

    const json& Rows(const char* name) const {
        const json& v = Member(name);
        if (!v.is_array() || v.empty()) Refuse(Key(name), "is not a list [ ... ] of at least one row");
        return v;
    }

private:
    const json& value_;
    std::string path_;
};

constexpr double MaxAmount = 1e9;

std::vector<TaxScaleRow> ReadScale(const Node& top) {
    const json& rows = top.Rows("incomeTaxScale");
    std::vector<TaxScaleRow> scale;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Node row(rows[i], "incomeTaxScale[" + std::to_string(i) + "]", {"over", "rate", "baseTax"});
        const double over = row.Number("over", 0, MaxAmount);
        const int rate = row.Whole("rate", 0, 100);
        const double baseTax = row.Number("baseTax", 0, MaxAmount);
        if (i == 0 && over != 0) Node::Refuse(row.Key("over"), "of the first row must be 0");
        if (i > 0) {
            TaxScaleRow& before = scale.back();
            if (over <= before.Lower) {
                Node::Refuse(row.Key("over"), Shown(over) + " is out of order: it must be above the row before (" +
                                                  Shown(before.Lower) + ")");
            }
            if (rate < before.Rate) Node::Refuse(row.Key("rate"), "is below the rate of the row before");
            // Each base tax is the tax on the row's lower bound, to the rand.
            const double expected = before.BaseTax + (over - before.Lower) * before.Rate / 100;
            if (std::fabs(baseTax - expected) > 1) {
                Node::Refuse(row.Key("baseTax"),
                             Shown(baseTax) + " is not the tax on " + Shown(over) + " (" + Shown(expected) + ")");
            }
            before.Upper = over;
        }
        scale.push_back({over, NoUpperLimit, rate, baseTax});
    }
    return scale;
}

RebateFigures ReadRebates(const Node& top) {
    const Node n(top.Member("rebates"), "rebates", {"primary", "secondary", "tertiary", "secondaryAge", "tertiaryAge"});
    RebateFigures r{n.Number("primary", 0, MaxAmount), n.Number("secondary", 0, MaxAmount),
                    n.Number("tertiary", 0, MaxAmount), n.Whole("secondaryAge", 1, 150),
                    n.Whole("tertiaryAge", 1, 150)};
    if (r.TertiaryAge <= r.SecondaryAge) Node::Refuse(n.Key("tertiaryAge"), "must be above the secondary age");
    return r;
}

MedicalCreditFigures ReadMedical(const Node& top) {
    const Node n(top.Member("medicalCredits"), "medicalCredits",
                 {"eachOfFirstTwoMembers", "eachFurtherMember", "additionalCreditAge", "additionalCreditRate",
                  "creditsDeducted", "medicalDeductionAge"});
    // The pay-period calculators form the month's credit in whole rand.
    return {n.Whole("eachOfFirstTwoMembers", 0, 9999), n.Whole("eachFurtherMember", 0, 9999),
            n.Whole("additionalCreditAge", 1, 150),    n.Number("additionalCreditRate", 0, 1),
            n.Number("creditsDeducted", 0, 100),       n.Whole("medicalDeductionAge", 1, 150)};
}

RetirementFundFigures ReadRetirementFund(const Node& top) {
    const Node n(top.Member("retirementFund"), "retirementFund",
                 {"percentOfRemuneration", "payPeriodCapPerYear", "packageCapPerYear"});
    return {n.Number("percentOfRemuneration", 0, 100), n.Number("payPeriodCapPerYear", 0, MaxAmount),
            n.Number("packageCapPerYear", 0, MaxAmount)};
}

CompanyCarFigures ReadCompanyCar(const Node& top) {
    const Node n(top.Member("companyCar"), "companyCar",
                 {"monthlyPercentWithMaintenancePlan", "monthlyPercentWithoutMaintenancePlan",
                  "trueInclusionDaysInYear", "benefitDaysInYear"});
    return {n.Number("monthlyPercentWithMaintenancePlan", 0, 100),
            n.Number("monthlyPercentWithoutMaintenancePlan", 0, 100), n.Whole("trueInclusionDaysInYear", 1, 366),
            n.Whole("benefitDaysInYear", 1, 366)};
}

InclusionRates ReadInclusionRates(const Node& top) {
    const Node n(top.Member("inclusionRates"), "inclusionRates", {"higher", "lower"});
    InclusionRates r{n.Number("higher", 0, 1), n.Number("lower", 0, 1)};
    if (r.Lower >= r.Higher) Node::Refuse(n.Key("lower"), "must be below the higher rate");
    return r;
}

std::vector<DeemedCostBand> ReadDeemedCosts(const Node& top) {
    const json& rows = top.Rows("deemedCosts");
    std::vector<DeemedCostBand> bands;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Node band(rows[i], "deemedCosts[" + std::to_string(i) + "]",
                        {"upTo", "fixedCost", "fuelPerKm", "maintenancePerKm"});
        const double upTo = band.Number("upTo", 1, MaxAmount);
        if (!bands.empty() && upTo <= bands.back().UpTo) {
            Node::Refuse(band.Key("upTo"), Shown(upTo) + " is out of order: it must be above the band before (" +
                                               Shown(bands.back().UpTo) + ")");
        }
        bands.push_back({upTo,
                         {band.Number("fixedCost", 0, MaxAmount), band.Number("fuelPerKm", 0, 1000),
                          band.Number("maintenancePerKm", 0, 1000)}});
    }
    // Values above the last band cost as a vehicle of the last band's value.
    bands.push_back({NoUpperLimit, bands.back().Costs});
    return bands;
}

DeliveredSettingsFigures ReadDeliveredSettings(const Node& top) {
    const Node n(top.Member("deliveredSettings"), "deliveredSettings",
                 {"employeeUifPercent", "employerUifPercent", "skillsLevyPercent", "uifMonthlyLimit",
                  "travelInclusionRate", "companyCarInclusionRate"});
    return {n.Number("employeeUifPercent", 0, 100), n.Number("employerUifPercent", 0, 100),
            n.Number("skillsLevyPercent", 0, 100),  static_cast<double>(n.Whole("uifMonthlyLimit", 0, 999999)),
            n.Number("travelInclusionRate", 0, 1),  n.Number("companyCarInclusionRate", 0, 1)};
}

TaxYearData ReadYear(const json& root) {
    const Node top(root, "",
                   {"format", "year", "name", "firstDay", "lastDay", "incomeTaxScale", "rebates", "medicalCredits",
                    "retirementFund", "companyCar", "inclusionRates", "deemedCosts", "deliveredSettings"});
    if (top.Whole("format", 1, 1000) != FileFormat) {
        Node::Refuse("format", "must be " + std::to_string(FileFormat) + ", the layout this program reads");
    }
    TaxYearData y;
    y.Year = top.Whole("year", 1901, 9999);
    y.Name = top.Text("name");
    y.FirstDay = top.Date("firstDay");
    y.LastDay = top.Date("lastDay");
    if (FromDayNumber(y.LastDay).Year != y.Year)
        Node::Refuse("lastDay", "must fall in the year " + std::to_string(y.Year));
    if (y.LastDay <= y.FirstDay || y.LastDay - y.FirstDay > 365) {
        Node::Refuse("lastDay", "must come after the first day, at most a year later");
    }
    y.Scale = ReadScale(top);
    y.Rebates = ReadRebates(top);
    y.Medical = ReadMedical(top);
    y.RetirementFund = ReadRetirementFund(top);
    y.CompanyCar = ReadCompanyCar(top);
    y.Inclusion = ReadInclusionRates(top);
    y.DeemedCosts = ReadDeemedCosts(top);
    y.DeliveredSettings = ReadDeliveredSettings(top);
    return y;
}

}  // namespace

TaxYearLoad ReadTaxYear(std::string_view jsonText, const std::string& fileName) {
    const std::string refused = "The tax year file \"" + fileName + "\" cannot be used: ";
    json root;
    try {
        root = json::parse(jsonText);
    } catch (const json::parse_error& e) {
        return {nullptr, refused + "it is not a valid year file (at byte " + std::to_string(e.byte) + ")."};
    }
    try {
        return {std::make_shared<const TaxYearData>(ReadYear(root)), ""};
    } catch (const Refusal& e) {
        return {nullptr, refused + e.what() + "."};
    }
}

TaxYearLoad LoadTaxYearFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {nullptr, "The tax year file \"" + path.string() + "\" cannot be read."};
    std::ostringstream text;
    text << in.rdbuf();
    return ReadTaxYear(text.str(), path.string());
}

std::shared_ptr<const TaxYearData> DeliveredTaxYear() {
    static const std::shared_ptr<const TaxYearData> delivered = [] {
        TaxYearLoad load = ReadTaxYear(generated::kDeliveredTaxYear, generated::kDeliveredTaxYearFile);
        if (!load.Year) throw std::logic_error(load.Error);  // the build checks the delivered file
        return load.Year;
    }();
    return delivered;
}

}  // namespace kelvara
