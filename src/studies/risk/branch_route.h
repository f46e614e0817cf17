// How a flood is routed in each branch of the risk: the one place that
// says what fails in a branch.
#ifndef TQWEIR_STUDIES_RISK_BRANCH_ROUTE_H_
#define TQWEIR_STUDIES_RISK_BRANCH_ROUTE_H_

#include <vector>

#include "operation/operation_file.h"
#include "risk/risk_estimate.h"

namespace tqweir {
namespace risk_study {

// The rule, the power and the failed gates a flood passage takes in a branch.
struct BranchRoute {
  operation::OperationFile file;
  bool power_failure = false;
  std::vector<bool> failed;  // one flag per gate, gate 1 first; empty: none
};

// No gate failed: operation.csv as it is, with power or without (the float
// valves alone). Every gate failed: no valve and no float valve opens, so
// each leaf stays up on its sealed air whatever the power; the rule's
// levels are left out (and with them the blowers, which raise only a leaf
// that went down). K of N gates failed: the K that would lower first
// (studies/flood/failed_gates.h's first_to_lower, by their levels, then
// number), the worst choice by position: they would have carried the flood
// the longest; the others follow the rule with power or without.
BranchRoute branch_route(const operation::OperationFile& file, const risk::Branch& branch);

}  // namespace risk_study
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_RISK_BRANCH_ROUTE_H_
