// The flood's rows of operation.csv as the route takes them: the pond, the
// other outlets' rating, the rule's levels.
#ifndef TQWEIR_FLOOD_FLOOD_FILE_H_
#define TQWEIR_FLOOD_FLOOD_FILE_H_

#include <memory>
#include <vector>

#include "flood/fixed_crest.h"
#include "flood/level_table.h"
#include "flood/pond.h"
#include "flood/tailwater_curve.h"
#include "operation/operation_file.h"

namespace tqweir {
namespace flood {

// The weir's rows beside the gate: what the passage and the rating add.
struct WeirRows {
  std::vector<FixedCrest> crests;                        // fixed_crest, one a row
  std::shared_ptr<const LevelTable> coefficient_curve;   // C against degree; none: the method's
  bool has_vibration_band = false;
  double band_from = 0.0, band_to = 0.0;                 // m of overflow depth
};

struct FloodFile {
  Pond pond;  // storage against level
  bool has_other_outflow = false;
  LevelTable other_outflow;  // m3/s against m
  bool has_tailwater = false;
  LevelTable tailwater;      // m (section frame) against m3/s of total outflow
  WeirRows weir;
};

// The pond of storage_curve (m:m3, storage rising) or pond_area (m2) and
// the rating of other_outflow (m:m3/s) and tailwater_curve (m3/s:m, the
// level of either sign). Throws text::InputError naming
// operation.csv's line and column when neither pond row is given, when a
// pair list is refused (flood/level_table.h), when lower_at_level is given
// without valve_area and valve_coefficient, raise_at_level without a
// blower_curve or not below lower_at_level and backup_lower_at_level (each
// that is given: every level that lowers the leaf).
FloodFile read_flood_rows(const operation::OperationFile& file);

// tailwater_curve with other_outflow beside it, refused as read_flood_rows
// refuses them, for what needs the drowned leaf without the pond and the
// rule (the rating); false when tailwater_curve is not given.
bool read_tailwater_rows(const operation::OperationFile& file, TailwaterCurve& tailwater);

// fixed_crest "LENGTH LEVEL C" (m, m in the section frame, m^0.5/s; length
// and C above 0), discharge_coefficient_curve (degree:C pairs as
// read_level_pairs reads them, C above 0) and vibration_band "FROM:TO"
// (m of overflow depth, 0 < FROM < TO). Throws text::InputError naming
// operation.csv's line and column 2, the row and what is wrong.
WeirRows read_weir_rows(const operation::OperationFile& file);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_FLOOD_FILE_H_
