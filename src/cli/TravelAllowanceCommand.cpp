#include <array>
#include <cstddef>

#include "ActiveTaxYear.h"
#include "CarAllowance.h"
#include "Commands.h"
#include "NumberFormat.h"
#include "PeriodDates.h"

namespace kelvara::cli {

namespace {

// The option of each whole-number field, in the order of the window's field bounds.
struct WholeInput {
    const char* Option;
    const char* What;
    double TravelAllowanceState::*Field;
};

constexpr WholeInput kWholeInputs[] = {
    {"vehicle-value", "original value of the vehicle, rand", &TravelAllowanceState::VehicleValue},
    {"allowance-received", "travel allowance received, rand", &TravelAllowanceState::AllowanceReceived},
    {"closing-km", "closing odometer reading, km", &TravelAllowanceState::ClosingKm},
    {"opening-km", "opening odometer reading, km", &TravelAllowanceState::OpeningKm},
    {"business-km", "business kilometres", &TravelAllowanceState::BusinessKm},
    {"fuel-oil", "actual fuel and oil costs, rand", &TravelAllowanceState::FuelOil},
    {"repairs-maintenance", "actual repair and maintenance costs, rand", &TravelAllowanceState::RepairsMaintenance},
    {"insurance-licence", "actual insurance and licence costs, rand", &TravelAllowanceState::InsuranceLicence},
    {"other-expenses", "other actual costs, rand", &TravelAllowanceState::OtherExpenses},
    {"wear-and-tear", "wear and tear, rand", &TravelAllowanceState::WearAndTear},
    {"lease-payments", "lease payments, rand", &TravelAllowanceState::LeasePayments},
};

// The text output's names of the figures: the car allowance window's captions.
constexpr Caption kCaptions[] = {
    {"PeriodDays", "Period (number of days)"},
    {"Computed", "Deemed costs worked out"},
    {"DistanceTotal", "Total distance, km"},
    {"DistanceBusiness", "Business distance, km"},
    {"DistancePrivate", "Private distance, km"},
    {"TotalCosts", "Total costs"},
    {"PrivateUse", "Less private use"},
    {"DeductionClaim", "Deduction claim"},
    {"FixedCost", "Fixed cost"},
    {"FixedCentsPerKm", "Fixed cost, cents/km"},
    {"FuelCentsPerKm", "Fuel costs, cents/km"},
    {"MaintenanceCentsPerKm", "Maintenance costs, cents/km"},
    {"TotalCentsPerKm", "Total costs, cents/km"},
};

Result ResultOf(const TravelAllowanceState& s, bool computed) {
    Result result;
    result["PeriodDays"] = static_cast<long long>(s.PeriodDays);
    result["Computed"] = computed;
    result["DistanceTotal"] = s.DistanceTotal;
    result["DistanceBusiness"] = s.DistanceBusiness;
    result["DistancePrivate"] = s.DistancePrivate;
    result["TotalCosts"] = s.TotalCosts;
    result["PrivateUse"] = s.PrivateUse;
    result["DeductionClaim"] = s.DeductionClaim;
    result["FixedCost"] = s.FixedCost;
    result["FixedCentsPerKm"] = s.FixedCentsPerKm;
    result["FuelCentsPerKm"] = s.FuelCentsPerKm;
    result["MaintenanceCentsPerKm"] = s.MaintenanceCentsPerKm;
    result["TotalCentsPerKm"] = s.TotalCentsPerKm;
    return result;
}

}  // namespace

void AddTravelAllowanceCommand(CLI::App& app, CommandList& commands) {
    Command& command = NewCommand(app, commands, "travel-allowance",
                                  "Travel allowance: the deduction claim from deemed or actual costs");
    NumberOptions& options = *command.Numbers;
    bool& recordsKept = options.YesNo("records-kept", false, "accurate records of the actual costs kept");
    bool& includeFuel = options.YesNo("include-fuel", true, "fuel costs borne by the employee");
    bool& includeMaintenance = options.YesNo("include-maintenance", true, "maintenance costs borne by the employee");

    static_assert(std::size(kWholeInputs) + 1 == CarAllowanceFieldBounds.size());
    std::array<long long*, std::size(kWholeInputs)> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const FieldBounds& bounds = CarAllowanceFieldBounds[i].Bounds;
        values[i] = &options.Whole(kWholeInputs[i].Option, static_cast<long long>(bounds.Min),
                                   static_cast<long long>(bounds.Max), 0, kWholeInputs[i].What);
    }
    DayNumber& start = options.Date("start-date", ActiveTaxYear().FirstDay, ActiveTaxYear().LastDay,
                                    ActiveTaxYear().FirstDay, "start of the period");
    DayNumber& end = options.Date("end-date", ActiveTaxYear().FirstDay, ActiveTaxYear().LastDay,
                                  ActiveTaxYear().LastDay, "end of the period");

    command.Captions.assign(std::begin(kCaptions), std::end(kCaptions));
    command.Run = [&recordsKept, &includeFuel, &includeMaintenance, &start, &end, values] {
        TravelAllowanceState state;
        state.RecordsKept = recordsKept;
        state.IncludeFuel = includeFuel;
        state.IncludeMaintenance = includeMaintenance;
        for (std::size_t i = 0; i < std::size(kWholeInputs); ++i) {
            state.*kWholeInputs[i].Field = static_cast<double>(*values[i]);
        }
        if (const auto refusal = SinglePaymentRefusal(state.WearAndTear, state.LeasePayments)) {
            return ErrorResult(refusal->Title, refusal->Text);
        }
        if (start > end) {
            return ErrorResult(PeriodDates::IncorrectDateTitle, PeriodDates::EndDateMessage(FormatDate(start)));
        }
        const bool computed = RecalculateTravelAllowance(state, start, end);
        return ResultOf(state, computed);
    };
}

}  // namespace kelvara::cli
