// What the flood risk of a design works on, read and checked before any
// solve: the base case, operation.csv's pond and rule, criteria.csv's
// design flood (the shape every sampled flood takes) and limit, risk.csv.
#ifndef TQWEIR_STUDIES_RISK_RISK_JOB_H_
#define TQWEIR_STUDIES_RISK_RISK_JOB_H_

#include <string>
#include <vector>

#include "design/criteria.h"
#include "design/design.h"
#include "flood/hydrograph.h"
#include "operation/operation_file.h"
#include "risk/risk_file.h"
#include "studies/operation/operated_design.h"

namespace tqweir {
namespace risk_study {

struct RiskJob {
  std::string dir;
  CaseInput base;
  operation::OperationFile file;
  flood::Hydrograph shape;    // criteria.csv's flood_inflow
  std::string shape_name;     // its file name as criteria.csv gives it
  design::Limit max_level;    // criteria.csv's max_upstream_level, m
  risk::RiskFile risk;
};

// The design's folder held a risk.csv (read or not) when it was read.
bool has_risk(const design::Design& design);

// The folder's risk.csv as the design read it, as risk::read_risk reads
// it; text::InputError "cannot read" or "DIR/risk.csv is missing".
risk::RiskFile held_risk(const design::Design& design);

// The job of `design` (from the files its folder gave): refuses a design
// without operation.csv's pond and rule, without criteria.csv's
// flood_inflow, a flood_inflow whose peak is not above its first row, and
// risk.csv's rows as read_risk does. Throws text::InputError.
RiskJob risk_job(const operate::OperatedDesign& design);

// Every file the job reads in `dir` (for -o's refusal).
std::vector<std::string> risk_inputs(const std::string& dir);

}  // namespace risk_study
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_RISK_RISK_JOB_H_
