#include "CarAllowanceReport.h"

#include <cstdint>

namespace kelvara {

const char* CarAllowanceLayout(bool recordsKept) { return recordsKept ? "\\caeprk.rpt" : "\\caepnrk.rpt"; }

FieldValues TravelDeductionRecord(const TravelAllowanceState& state, const std::string& employeeName,
                                  DayNumber startDate, DayNumber endDate) {
    FieldValues fields{
        {"TPName", employeeName},        {"CARNO", std::int16_t{1}},
        {"mta01", state.CarDescription}, {"mta04", state.AllowanceReceived},
        {"mta05", state.ClosingKm},      {"mta06", state.OpeningKm},
        {"mta07", state.BusinessKm},     {"tadeduction", state.DeductionClaim},
        {"MTD", state.DistanceTotal},    {"MBD", state.DistanceBusiness},
        {"mpd", state.DistancePrivate},
    };
    if (state.RecordsKept) {
        fields.insert(fields.end(), {
                                        {"mta08", state.FuelOil},
                                        {"mta09", state.RepairsMaintenance},
                                        {"mta10", state.InsuranceLicence},
                                        {"mta11", state.OtherExpenses},
                                        {"mta12", state.WearAndTear},
                                        {"mta13", state.LeasePayments},
                                        {"totcost", state.TotalCosts},
                                        {"pu", state.PrivateUse},
                                    });
    } else {
        fields.insert(fields.end(),
                      {
                          {"mta03", state.VehicleValue},
                          {"mta14", state.PeriodDays},
                          {"cv", state.FixedCost},
                          {"fce", state.FixedCentsPerKm},
                          {"fc", state.FuelCentsPerKm},
                          {"mc", state.MaintenanceCentsPerKm},
                          {"tatc", state.TotalCentsPerKm},
                          {"FCDet", std::string(state.IncludeFuel ? "Fuel costs" : "Fuel costs not included")},
                          {"MCDet", std::string(state.IncludeMaintenance ? "Maintenance costs"
                                                                         : "Maintenance costs not included")},
                          {"DateStart", FormatDate(startDate)},
                          {"DateEnd", FormatDate(endDate)},
                      });
    }
    return fields;
}

}  // namespace kelvara
