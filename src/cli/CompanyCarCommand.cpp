#include <cmath>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>

#include "Commands.h"
#include "CompanyCar.h"
#include "NumberFormat.h"
#include "PeriodDates.h"
#include "UserText.h"

namespace kelvara::cli {

namespace {

using nlohmann::json;

// The company-car input, as the window holds it, read from one JSON object.
// Every mistake names the key and what it accepts.
class CompanyCarInput {
public:
    explicit CompanyCarInput(const std::string& where) : where_(Quote(where)) {}

    CompanyCarState Read(const json& input) {
        Expect(input.is_object(), "the input", "a JSON object");
        CompanyCarState state;
        std::optional<double> current;
        for (const auto& [key, value] : input.items()) {
            if (key == "Actual3802") {
                state.Actual3802 = Whole(key, value, Bounds("Actual3802"));
            } else if (key == "AutoSplit3802") {
                state.AutoSplit3802 = Flag(key, value);
            } else if (key == "CurrentVehicle") {
                current = Whole(key, value, {0, 5, 0, 32767});
            } else if (key == "vehicles") {
                Expect(value.is_array(), key, "a list of vehicles");
                Expect(value.size() <= static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()), key,
                       "at most 32767 vehicles");
                for (std::size_t i = 0; i < value.size(); ++i) {
                    state.Vehicles.push_back(Vehicle(value[i], "vehicles[" + std::to_string(i) + "]."));
                }
            } else {
                Fail(Quote(key),
                     "is not a key of the input (accepted: Actual3802, AutoSplit3802, CurrentVehicle, vehicles)");
            }
        }
        state.VehicleCount = static_cast<std::int16_t>(state.Vehicles.size() - 1);
        const double first = state.VehicleCount > 0 ? 1 : 0;
        const double onScreen = current.value_or(first);
        Expect(onScreen >= first && onScreen <= state.VehicleCount, "CurrentVehicle",
               "a vehicle number from 1 to the number of vehicles (0 without vehicles)");
        state.CurrentVehicle = static_cast<std::int16_t>(onScreen);
        state.ShownVehicle = state.CurrentVehicle;
        state.Results.resize(state.Vehicles.size());
        return state;
    }

    // Dates the window would refuse: a start after the end.
    static std::optional<Result> DateRefusal(const CompanyCarState& state) {
        for (int i = 1; i <= state.VehicleCount; ++i) {
            const CompanyCarVehicle& v = state.Vehicles[i];
            if (v.CCStartDate > v.CCEndDate) {
                return ErrorResult(PeriodDates::IncorrectDateTitle,
                                   PeriodDates::EndDateMessage(FormatDate(v.CCStartDate)));
            }
        }
        return std::nullopt;
    }

private:
    CompanyCarVehicle Vehicle(const json& input, const std::string& prefix) {
        Expect(input.is_object(), prefix, "a JSON object");
        CompanyCarVehicle v;
        for (const auto& [key, value] : input.items()) {
            const std::string name = prefix + Quote(key);
            if (double CompanyCarVehicle::*field = AmountField(key)) {
                v.*field = Whole(name, value, Bounds(key));
            } else if (std::string CompanyCarVehicle::*text = TextField(key)) {
                v.*text = Text(name, value, key == "CCRegNumber" ? RegNumberMaxLength : CarTextMaxLength);
            } else if (bool CompanyCarVehicle::*flag = FlagField(key)) {
                v.*flag = Flag(name, value);
            } else if (key == "CCStartDate") {
                v.CCStartDate = Date(name, value);
            } else if (key == "CCEndDate") {
                v.CCEndDate = Date(name, value);
            } else {
                Fail(name, "is not a key of a vehicle");
            }
        }
        return v;
    }

    static double CompanyCarVehicle::*AmountField(const std::string& key) {
        static const std::pair<const char*, double CompanyCarVehicle::*> fields[] = {
            {"CCPrice", &CompanyCarVehicle::CCPrice},
            {"EndMileage", &CompanyCarVehicle::EndMileage},
            {"StartMileage", &CompanyCarVehicle::StartMileage},
            {"TotalDistance", &CompanyCarVehicle::TotalDistance},
            {"BusDistance", &CompanyCarVehicle::BusDistance},
            {"ActualExpEmployee", &CompanyCarVehicle::ActualExpEmployee},
            {"FuelReimbEmployer", &CompanyCarVehicle::FuelReimbEmployer},
            {"EmpPaidInsurance", &CompanyCarVehicle::EmpPaidInsurance},
            {"EmpPaidLicence", &CompanyCarVehicle::EmpPaidLicence},
            {"EmpPaidMaintenance", &CompanyCarVehicle::EmpPaidMaintenance},
            {"FB3802ThisCar", &CompanyCarVehicle::FB3802ThisCar},
        };
        for (const auto& [name, field] : fields) {
            if (key == name) return field;
        }
        return nullptr;
    }

    static std::string CompanyCarVehicle::*TextField(const std::string& key) {
        if (key == "CCRegNumber") return &CompanyCarVehicle::CCRegNumber;
        if (key == "CCMake") return &CompanyCarVehicle::CCMake;
        if (key == "CCModel") return &CompanyCarVehicle::CCModel;
        if (key == "YearOfManfact") return &CompanyCarVehicle::YearOfManfact;
        return nullptr;
    }

    static bool CompanyCarVehicle::*FlagField(const std::string& key) {
        if (key == "MaintIncluded") return &CompanyCarVehicle::MaintIncluded;
        if (key == "BussMilage") return &CompanyCarVehicle::BussMilage;
        if (key == "SARSTable") return &CompanyCarVehicle::SARSTable;
        return nullptr;
    }

    static FieldBounds Bounds(const std::string& field) {
        if (const NamedFieldBounds* row = FindBounds(CompanyCarFieldBounds, field)) return row->Bounds;
        throw std::logic_error("no bounds for " + field);
    }

    double Whole(const std::string& name, const json& value, const FieldBounds& bounds) {
        const std::string range =
            FormatNumber(bounds.Min, 0, 1, false) + " to " + FormatNumber(bounds.Max, 0, 1, false);
        Expect(value.is_number(), name, "a whole number from " + range);
        const double number = value.get<double>();
        Expect(number >= bounds.Min && number <= bounds.Max && std::floor(number) == number, name,
               "a whole number from " + range);
        return number;
    }

    bool Flag(const std::string& name, const json& value) {
        if (value.is_boolean()) return value.get<bool>();
        Expect(value.is_number_integer() && (value == 0 || value == 1), name, "true or false (or 1 or 0)");
        return value == 1;
    }

    std::string Text(const std::string& name, const json& value, int maxLength) {
        // Counted in characters, as the window's field counts them.
        Expect(value.is_string() && CharacterCount(value.get<std::string>()) <= static_cast<std::size_t>(maxLength),
               name, "a text of at most " + std::to_string(maxLength) + " characters");
        return value.get<std::string>();
    }

    DayNumber Date(const std::string& name, const json& value) {
        const std::string accepted = std::string("a date \"dd/mm/yyyy\" from ") + ActiveTaxYear().FirstDayText() +
                                     " to " + ActiveTaxYear().LastDayText();
        Expect(value.is_string(), name, accepted);
        const std::optional<DayNumber> day = ParseDate(value.get<std::string>());
        Expect(day && *day >= ActiveTaxYear().FirstDay && *day <= ActiveTaxYear().LastDay, name, accepted);
        return *day;
    }

    void Expect(bool holds, const std::string& name, const std::string& accepted) const {
        if (!holds) Fail(name, "is not " + accepted);
    }

    [[noreturn]] void Fail(const std::string& name, const std::string& problem) const {
        throw UsageError(where_ + ": " + name + " " + problem);
    }

    std::string where_;
};

json ReadJson(const std::string& path) {
    const std::string where = path == "-" ? "standard input" : Quote(path);
    std::string text;
    if (path == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        std::ifstream file;
        OpenInputFile(file, "--input", path);
        text.assign(std::istreambuf_iterator<char>(file), {});
        if (file.bad()) throw UsageError("--input '" + Quote(path) + "' could not be read to the end");
    }
    const json input = json::parse(text, nullptr, false);
    if (input.is_discarded()) throw UsageError(where + " is not valid JSON");
    return input;
}

// The text output's names of the figures: the company car window's captions.
constexpr Caption kCaptions[] = {
    {"vehicles", "Vehicle"},
    {"DaysOfUse", "No of days"},
    {"TotalDistance", "Total distance"},
    {"BusDistance", "Business distance"},
    {"PrivateDistance", "Private distance"},
    {"FB3802ThisCar", "Code 3802 f/benefit for this car"},
    {"TrueInclusion", "True inclusion amount (adjusted for private mileage)"},
    {"FuelComponent", "Fuel component"},
    {"FuelClaim", "Fuel claim (adjusted for mileage)"},
    {"TotAddExpense", "Total additional expenses (adjusted for mileage)"},
    {"FuelExp", "Less fuel & expenses"},
    {"AdjustTaxableInc", "Adjustment to taxable income"},
    {"SARSDeductionClaim", "SARS's claim awarded against taxable income"},
    {"IRP53802", "IRP5 code 3802 amount for this car"},
    {"MonFB80", "Monthly f/benefit amount for this car, 80%"},
    {"MonFB20", "Monthly f/benefit amount for this car, 20%"},
    {"FortFB80", "Fortnightly f/benefit amount for this car, 80%"},
    {"FortFB20", "Fortnightly f/benefit amount for this car, 20%"},
    {"WeekFB80", "Weekly f/benefit amount for this car, 80%"},
    {"WeekFB20", "Weekly f/benefit amount for this car, 20%"},
    {"TotalAdjustment", "Total Adjustment to taxable income"},
    {"TotalAdjustmentSARS", "SARS's claim awarded against taxable income, all cars"},
};

Result ResultOf(const CompanyCarState& state) {
    Result result;
    result["vehicles"] = Result::array();
    for (int i = 1; i <= state.VehicleCount; ++i) {
        const CompanyCarVehicle v = ShownVehicle(state, i);
        const CompanyCarResults& r = state.Results[i];
        Result row;
        row["DaysOfUse"] = static_cast<long long>(r.DaysOfUse);
        row["TotalDistance"] = v.TotalDistance;
        row["BusDistance"] = v.BusDistance;
        row["PrivateDistance"] = r.PrivateDistance;
        row["FB3802ThisCar"] = v.FB3802ThisCar;
        row["TrueInclusion"] = r.TrueInclusion;
        row["FuelComponent"] = v.FuelComponent;
        row["FuelClaim"] = r.FuelClaim;
        row["TotAddExpense"] = r.TotAddExpense;
        row["FuelExp"] = r.FuelExp;
        row["AdjustTaxableInc"] = v.AdjustTaxableInc;
        row["SARSDeductionClaim"] = r.SARSDeductionClaim;
        row["IRP53802"] = r.IRP53802;
        row["MonFB80"] = r.MonFB80;
        row["MonFB20"] = r.MonFB20;
        row["FortFB80"] = r.FortFB80;
        row["FortFB20"] = r.FortFB20;
        row["WeekFB80"] = r.WeekFB80;
        row["WeekFB20"] = r.WeekFB20;
        result["vehicles"].push_back(row);
    }
    result["TotalAdjustment"] = state.TotalAdjustment;
    result["TotalAdjustmentSARS"] = state.TotalAdjustmentSARS;
    return result;
}

}  // namespace

void AddCompanyCarCommand(CLI::App& app, CommandList& commands) {
    Command& command = NewCommand(app, commands, "company-car",
                                  "Full use of company cars: the fringe benefit of every vehicle (JSON input)");
    auto path = std::make_shared<std::string>("-");
    command.App->add_option("--input", *path, "JSON file with the vehicles (default - : standard input)")
        ->type_name("FILE");
    command.Captions.assign(std::begin(kCaptions), std::end(kCaptions));
    command.Run = [path] {
        const std::string where = *path == "-" ? "standard input" : *path;
        CompanyCarState state = CompanyCarInput(where).Read(ReadJson(*path));
        if (auto refusal = CompanyCarInput::DateRefusal(state)) return *refusal;
        CalculateCompanyCar(state);
        return ResultOf(state);
    };
}

}  // namespace kelvara::cli
