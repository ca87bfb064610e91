#include "PackageInputs.h"

namespace kelvara {

double OtherExpenseTotal(const PackageInputs& inputs) {
    double total = 0;
    for (const OtherExpense& row : inputs.OtherExpenses) total += row.Amount;
    return total;
}

double OtherExpenseCostTotal(const PackageInputs& inputs) {
    double total = 0;
    for (const OtherExpense& row : inputs.OtherExpenses) total += row.CostToCompany;
    return total;
}

}  // namespace kelvara
