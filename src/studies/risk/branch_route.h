// How a flood is routed in each branch of the risk: the one place that
// says what fails in a branch.
#ifndef TQWEIR_STUDIES_RISK_BRANCH_ROUTE_H_
#define TQWEIR_STUDIES_RISK_BRANCH_ROUTE_H_

#include "operation/operation_file.h"
#include "risk/risk_estimate.h"

namespace tqweir {
namespace risk_study {

// The rule and the power a flood passage takes in a branch.
struct BranchRoute {
  operation::OperationFile file;
  bool power_failure = false;
};

// no_failure: operation.csv as it is, with power. power_failure: without
// power (the float valve alone). gate_failed: the gate's valve and float
// valve do not open, so the leaf stays up on its sealed air whatever the
// power; the rule's levels are left out (and with them the blower, which
// raises only a leaf that went down).
BranchRoute branch_route(const operation::OperationFile& file, risk::Branch branch);

}  // namespace risk_study
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_RISK_BRANCH_ROUTE_H_
