#pragma once

namespace kelvara {

// The net-to-gross windows hold the employee's and the employer's
// retirement-fund percentages to 27.5 together: when a change of either makes
// their sum larger, both fall to 0 (without a message). The gross-to-net
// windows and settings loaded from the database are not held to it.
void ApplyNetToGrossFundPercentRule(double& employeePercent, double& employerPercent);

}  // namespace kelvara
