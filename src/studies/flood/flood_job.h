// What a design flood through the pond (the gate operated by its rule) and
// the gate's rating work on, read and checked before any solve.
#ifndef TQWEIR_STUDIES_FLOOD_FLOOD_JOB_H_
#define TQWEIR_STUDIES_FLOOD_FLOOD_JOB_H_

#include <string>
#include <vector>

#include "design/design.h"
#include "flood/flood_file.h"
#include "flood/hydrograph.h"
#include "flood/rating.h"
#include "flood/tailwater_curve.h"
#include "operation/operation_file.h"
#include "studies/operation/operate_options.h"
#include "studies/operation/operated_design.h"

namespace tqweir {
namespace operate {

// What --flood or --rating works on, read and checked before any solve.
struct FloodJob {
  CaseInput base;
  operation::OperationFile file;  // --flood
  flood::Hydrograph inflow;       // --flood
  std::vector<bool> failed;       // --flood --failed: one flag per gate, gate 1 first
  design::Criteria criteria;
  std::vector<double> angles;     // --rating: as given, or the base case's
  bool has_tailwater = false;     // --rating: operation.csv gives tailwater_curve
  flood::TailwaterCurve tailwater;
  flood::WeirRows weir;           // --rating: the fixed crest and the leaf's coefficient curve
};

// Reads the inflow and operation.csv for --flood (refusing their rows as
// their readers do, and --failed's gates or --fail-count beyond the weir's
// gates), takes the angles and operation.csv's tailwater_curve
// (when the file is there) for --rating. Throws text::InputError.
FloodJob prepare_flood_job(const OperateOptions& options, const design::Design& design);

// One flag per gate of `job`'s weir for the gates numbered `gates` (from
// 1). Throws text::InputError for a number beyond the weir's gates.
std::vector<bool> failed_flags(const FloodJob& job, const std::vector<int>& gates);

// The flood of `inflow` (already read) through `design`'s pond: its
// operation.csv refused as the command refuses it, its flood rows checked
// now, before any solve. Throws text::InputError.
FloodJob flood_job(const OperatedDesign& design, const flood::Hydrograph& inflow);

// The rating of `design` for the leaf held at `angles` (degree; empty: the
// base case's), drowned by operation.csv's tailwater_curve when the file
// gives one. Throws text::InputError when operation.csv is refused.
FloodJob rating_job(const OperatedDesign& design, const std::vector<double>& angles);

// The hydrograph in the file `path`, as flood::read_hydrograph reads it;
// text::InputError "cannot read PATH" when the file cannot be read.
flood::Hydrograph read_inflow(const std::string& path);

// The hydrograph of criteria.csv's flood_inflow as `design` read it: its
// folder's bytes, nothing read again; `path` names it in messages. Throws
// text::InputError "cannot read PATH" for a file that could not be read,
// and the hydrograph reader's refusal of its rows.
flood::Hydrograph held_inflow(const design::Design& design, const std::string& path);

// The hydrograph of rows (hours, m3/s) given as numbers, held to the rules
// read_hydrograph holds a file's rows to: at least two rows, every number
// finite, no discharge below 0, the hours strictly rising. Throws
// text::InputError naming `source`, the row (from 0) and the column's
// name with its value.
flood::Hydrograph hydrograph_of(const std::vector<double>& hours, const std::vector<double>& flows,
                                const std::string& source);

// The rating's rows at `levels` (m), drowned by the job's tailwater when it
// has one.
std::vector<flood::RatingRow> rating_rows(const FloodJob& job, const std::vector<double>& levels);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FLOOD_FLOOD_JOB_H_
