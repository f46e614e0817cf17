// What tqweir-operate prints and tabulates of a lowering or a raising.
#ifndef TQWEIR_STUDIES_OPERATION_OPERATE_OUTPUT_H_
#define TQWEIR_STUDIES_OPERATION_OPERATE_OUTPUT_H_

#include <ostream>
#include <string>

#include "operation/gate_operation.h"

namespace tqweir {
namespace operate {

struct Printed {
  std::string case_name;  // UTF-8
  bool has_within = false;
  double within_minutes = 0.0;
};

// The printout: the time, when the stopper goes slack (or begins to pull),
// until when the flow is choked, each fold, a stop or the blower's limit,
// the path's solves and the time over every second state, and the sizing
// when asked. True when the operation goes the whole way.
bool print_operation(const operation::GateOperation& op, const operation::OperationFile& file,
                     const Printed& printed, std::ostream& out);

// The printout of a case that stops as it is, so that it has no path.
void print_no_path(const operation::GateOperation& op, const Printed& printed, std::ostream& out);

// The table (CP932, CR LF): time_s, air_m3_per_m, regime, in_theta1_deg,
// in_stopper_tension_kn, bag_pressure_kpa, flow_m3_per_min (free air,
// whole gate), then the sweep's outcome columns (status, message, the 27
// results as printed). A fall's landing is regime "fold"; a run that stops
// past the lowest state, or the state the blower cannot pass, ends it
// (regime "none", or "blocked" without a time).
std::string operation_table(const operation::GateOperation& op);

// "12 min 34.5 s (754.5 s)".
std::string duration_text(double seconds);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_OPERATION_OPERATE_OUTPUT_H_
