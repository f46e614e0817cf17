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
#include "studies/flood/flood_request.h"
#include "studies/operation/operated_design.h"

namespace tqweir {
namespace operate {

// What a flood or a rating works on, read and checked before any solve.
struct FloodJob {
  CaseInput base;
  operation::OperationFile file;  // the flood's; the rating's when the folder has one
  flood::Hydrograph inflow;       // the flood's
  std::vector<bool> failed;       // the flood's failed gates: one flag per gate, gate 1 first
  design::Criteria criteria;
  std::vector<double> angles;     // the rating's: as asked, or the base case's
  bool has_tailwater = false;     // the rating's: operation.csv gives tailwater_curve
  flood::TailwaterCurve tailwater;
  flood::WeirRows weir;           // the rating's: the fixed crest and the leaf's coefficient curve
};

// The flood of the request's inflow through `design`'s pond: operation.csv
// refused as the command refuses it, its flood rows checked now, before
// any solve; then the failed gates, and a fail_count, against the weir's
// gates. Throws text::InputError, and FloodRefusal for a gate number or a
// count beyond the weir's gates.
FloodJob flood_job(const OperatedDesign& design, const FloodRequest& request);

// The rating of `design` for the leaf held at the request's angles (empty:
// the base case's), drowned by operation.csv's tailwater_curve when the
// file gives one. Throws text::InputError when operation.csv is refused.
FloodJob rating_job(const OperatedDesign& design, const RatingRequest& request);

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

// The rating's rows at `levels`, drowned by the job's tailwater when it
// has one.
std::vector<flood::RatingRow> rating_rows(const FloodJob& job, const RatingLevels& levels);

// The rating's table (CP932, CR LF) of `rows` on `job`'s weir: the
// tailwater's columns when it has a curve, the weir's when it has more
// than one gate or a fixed crest.
std::string rating_table(const FloodJob& job, const std::vector<flood::RatingRow>& rows);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FLOOD_FLOOD_JOB_H_
