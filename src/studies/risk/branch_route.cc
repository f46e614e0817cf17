#include "studies/risk/branch_route.h"

#include "studies/flood/failed_gates.h"

namespace tqweir {
namespace risk_study {

BranchRoute branch_route(const operation::OperationFile& file, const risk::Branch& branch) {
  BranchRoute r;
  r.file = file;
  r.power_failure = branch.power_failure;
  if (branch.failed == 0) return r;
  if (branch.failed >= operation::gate_count(file)) {
    r.file.lower_at_level.given = false;
    r.file.backup_lower_at_level.given = false;
    r.file.raise_at_level.given = false;
    r.file.lower_at_levels.given = false;
    r.file.backup_lower_at_levels.given = false;
    r.power_failure = true;
    return r;
  }
  r.failed = operate::first_to_lower(file, branch.failed, branch.power_failure);
  return r;
}

}  // namespace risk_study
}  // namespace tqweir
