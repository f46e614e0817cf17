#include "studies/risk/branch_route.h"

namespace tqweir {
namespace risk_study {

BranchRoute branch_route(const operation::OperationFile& file, risk::Branch branch) {
  BranchRoute r;
  r.file = file;
  switch (branch) {
    case risk::Branch::no_failure: break;
    case risk::Branch::power_failure: r.power_failure = true; break;
    case risk::Branch::gate_failed:
      r.file.lower_at_level.given = false;
      r.file.backup_lower_at_level.given = false;
      r.file.raise_at_level.given = false;
      r.power_failure = true;
      break;
  }
  return r;
}

}  // namespace risk_study
}  // namespace tqweir
