#include <utility>
#include <vector>

#include "Commands.h"
#include "GrossToNet.h"
#include "NetToGross.h"
#include "PackageFieldBounds.h"
#include "StoredSettings.h"

namespace kelvara::cli {

namespace {

// An amount of the package, bounded like the window field that holds it.
struct AmountOption {
    const char* Name;
    double PackageInputs::*Field;
    PackageField Holder;
    const char* What;
};

const AmountOption InputOptions[] = {
    {"required", &PackageInputs::Required, PackageField::Required,
     "net salary required (net-to-gross) or total package amount"},
    {"car", &PackageInputs::CompanyCar, PackageField::CompanyCar, "company car value"},
    {"car-cost", &PackageInputs::CompanyCarCost, PackageField::CompanyCar, "cost-to-company amount of the car"},
    {"travel-allowance", &PackageInputs::TravelAllowance, PackageField::TravelAllowance, "travel allowance"},
    {"med-aid", &PackageInputs::MedicalAid, PackageField::MedicalAid, "medical aid fund contributions"},
    {"med-aid-cost", &PackageInputs::MedicalAidCost, PackageField::MedicalAid, "cost-to-company medical aid"},
    {"other-fringe-benefits", &PackageInputs::OtherFringeBenefits, PackageField::OtherFringeBenefits,
     "other taxable fringe benefits"},
    {"medical-deductions", &PackageInputs::MedicalDeductions, PackageField::MedicalDeductions, "medical deductions"},
    {"fund-employee", &PackageInputs::FundEmployee, PackageField::FundContribution, "employee retirement-fund amount"},
    {"fund-employer", &PackageInputs::FundEmployer, PackageField::FundContribution, "employer retirement-fund amount"},
};

// A setting given as an option replaces the one in the settings database.
struct SettingOption {
    const char* Name;
    double Settings::*Field;
    FieldBounds Bounds;
    const char* What;
};

constexpr FieldBounds RateBounds{3, 1, 0, 1};

const SettingOption SettingOptions[] = {
    {"pension-cont", &Settings::PensionCont, PackagePercentBounds, "employee retirement-fund contribution, %"},
    {"employer-pen-cont", &Settings::EmployerPenCont, PackagePercentBounds, "employer retirement-fund contribution, %"},
    {"employee-uif", &Settings::EmployeeUIF, PackagePercentBounds, "employee UIF portion, %"},
    {"employer-uif", &Settings::EmployerUIF, PackagePercentBounds, "employer UIF portion, %"},
    {"skill-levy", &Settings::SkillLevy, PackagePercentBounds, "skills levy, %"},
    {"uif-limit", &Settings::UIFLimit, PackageUIFLimitBounds, "UIF monthly limit, whole rand"},
    {"ta-inc-rate", &Settings::TAIncRate8020, RateBounds, "travel-allowance inclusion rate"},
    {"car-fb-rate", &Settings::CompCarFBRate8020, RateBounds, "company-car fringe-benefit rate"},
};

// Where the value of a setting option lands: a whole-rand setting is read as
// a whole number, the others as amounts.
struct SettingValue {
    const SettingOption* Option;
    const double* Amount;
    const long long* Whole;

    double Value() const { return Amount ? *Amount : static_cast<double>(*Whole); }
};

// The text output's names of the figures: the package windows' captions of
// the fields that show them, and a plain name for those the windows keep to
// themselves.
std::vector<Caption> CaptionsOf(PackageDirection direction) {
    static constexpr Caption kCaptions[] = {
        {"CarBen", "Taxable company-car benefit"},
        {"Rebate", "Age rebate"},
        {"MSFC", "Medical scheme fees credit"},
        {"AMC", "Additional medical credit"},
        {"FundEE", "R/Fund (Pension, Prov, R/A)"},
        {"FundER", "R/Fund (Pension, Prov, R/A), cost to company"},
        {"FundLimit", "R/Fund deduction limit"},
        {"Tax", "Tax due"},
        {"UIFEE", "UIF contribution"},
        {"UIFER", "UIF contribution, cost to company"},
        {"SDL", "Skills levy"},
        {"TaxCredit", "Tax credit"},
        {"TaxDeduct", "Tax deduction"},
        {"TotCostComp", "Total cost to company"},
        {"OnceOff", "Once-off cost of the company car"},
        {"LimitWarning", "R/Fund contributions exceed allowable limits"},
        {"MedicalDeductions", "Medical deductions"},
        {"Search", "Gross amount the search ended at"},
    };
    std::vector<Caption> captions(std::begin(kCaptions), std::end(kCaptions));
    captions.push_back(
        {"GrossSal", direction == PackageDirection::NetToGross ? "Gross salary" : "Net salary(take-home)"});
    return captions;
}

Result ResultKeys(const PackageCalculation& c, PackageDirection direction) {
    if (c.Refusal) return ErrorResult(c.Refusal->Title, c.Refusal->Text);
    const PackageResult& r = c.Result;
    Result result;
    result["CarBen"] = r.CarBen;
    result["Rebate"] = r.Rebate;
    result["MSFC"] = r.MSFC;
    result["AMC"] = r.AMC;
    result["FundEE"] = r.FundEE;
    result["FundER"] = r.FundER;
    result["FundLimit"] = r.FundLimit;
    result["Tax"] = r.Tax;
    result["UIFEE"] = r.UIFEE;
    result["UIFER"] = r.UIFER;
    result["SDL"] = r.SDL;
    result["TaxCredit"] = r.MSFC + r.AMC;
    result["TaxDeduct"] = c.Shown.TaxDeduct;
    result["GrossSal"] = c.Shown.GrossSal;
    result["TotCostComp"] = c.Shown.TotCostComp;
    result["OnceOff"] = c.Shown.OnceOff;
    result["LimitWarning"] = c.Shown.LimitWarning;
    result["MedicalDeductions"] = c.Inputs.MedicalDeductions;
    if (direction == PackageDirection::NetToGross) result["Search"] = r.Search;
    return result;
}

void AddPackageCommand(CLI::App& parent, CommandList& commands, PackageKind kind, const std::string& name,
                       const std::string& description) {
    Command& command = NewCommand(parent, commands, name, description);
    NumberOptions& numbers = *command.Numbers;

    std::vector<std::pair<double*, double PackageInputs::*>> inputs;
    for (const AmountOption& option : InputOptions) {
        const FieldBounds b = BoundsOf(option.Holder);
        inputs.emplace_back(&numbers.Amount(option.Name, b.Min, b.Max, 0, option.What), option.Field);
    }
    const auto wholeMax = [](PackageField field) { return static_cast<long long>(BoundsOf(field).Max); };
    long long& age = numbers.Whole("age", 0, wholeMax(PackageField::Age), 0, "taxpayer's age in whole years");
    long long& members = numbers.Whole(
        "members", 0, wholeMax(PackageField::Members), 0,
        kind.Period == PackagePeriod::Annual ? "medical beneficiary-months" : "medical aid fund beneficiaries");
    std::vector<double>& otherExpenses =
        numbers.AmountList("other-expenses", 4, BoundsOf(PackageField::OtherExpense).Min,
                           BoundsOf(PackageField::OtherExpense).Max, "other expenses");

    std::vector<SettingValue> settings;
    for (const SettingOption& option : SettingOptions) {
        const FieldBounds b = option.Bounds;
        if (b.Decimals == 0) {
            const auto min = static_cast<long long>(b.Min);
            const auto max = static_cast<long long>(b.Max);
            settings.push_back({&option, nullptr,
                                &numbers.Whole(option.Name, min, max, 0, option.What, NumberOptions::StoredSetting)});
        } else {
            settings.push_back(
                {&option, &numbers.Amount(option.Name, b.Min, b.Max, 0, option.What, NumberOptions::StoredSetting),
                 nullptr});
        }
    }
    bool& maintenancePlan = numbers.YesNo("car-maintenance-plan", false, "the company car has a maintenance plan",
                                          NumberOptions::StoredSetting);

    std::shared_ptr<Explanation> explain = AddExplainOption(command);
    command.Captions = CaptionsOf(kind.Direction);
    command.Run = [kind, inputs, settings, &numbers, &age, &members, &otherExpenses, &maintenancePlan, explain] {
        PackageInputs in;
        for (const auto& [value, field] : inputs) in.*field = *value;
        in.Age = static_cast<std::int16_t>(age);
        in.Members = static_cast<std::int16_t>(members);
        for (std::size_t i = 0; i < otherExpenses.size(); ++i) {
            in.OtherExpenses[i].Amount = otherExpenses[i];
            in.OtherExpenses[i].CostToCompany = otherExpenses[i];
        }
        Settings setup = StoredSettings(PackageSettingsFields());
        for (const SettingValue& setting : settings) {
            if (numbers.Given(setting.Option->Name)) setup.*(setting.Option->Field) = setting.Value();
        }
        if (numbers.Given("car-maintenance-plan")) setup.CompCarMPYesNo = maintenancePlan;

        EngineState engine;
        const PackageCalculation c = kind.Direction == PackageDirection::NetToGross
                                         ? CalculateNetToGross(engine, in, setup, kind.Period, explain->Target())
                                         : CalculateGrossToNet(engine, in, setup, kind.Period, explain->Target());
        return ResultKeys(c, kind.Direction);
    };
}

}  // namespace

void AddPackageCommand(CLI::App& app, CommandList& commands) {
    CLI::App* package = app.add_subcommand("package", "Salary packages: net to gross and gross to net");
    package->require_subcommand(1);
    CLI::App* netToGross = package->add_subcommand("net-to-gross", "From the net salary required to the gross salary");
    netToGross->require_subcommand(1);
    CLI::App* grossToNet = package->add_subcommand("gross-to-net", "From the total package to the take-home salary");
    grossToNet->require_subcommand(1);
    AddPackageCommand(*netToGross, commands, {PackageDirection::NetToGross, PackagePeriod::Annual}, "annual",
                      "Net to gross, annual amounts: from the net salary required to the gross salary");
    AddPackageCommand(*netToGross, commands, {PackageDirection::NetToGross, PackagePeriod::Monthly}, "monthly",
                      "Net to gross, monthly amounts: from the net salary required to the gross salary");
    AddPackageCommand(*grossToNet, commands, {PackageDirection::GrossToNet, PackagePeriod::Annual}, "annual",
                      "Gross to net, annual amounts: from the total package to the take-home salary");
    AddPackageCommand(*grossToNet, commands, {PackageDirection::GrossToNet, PackagePeriod::Monthly}, "monthly",
                      "Gross to net, monthly amounts: from the total package to the take-home salary");
}

}  // namespace kelvara::cli
