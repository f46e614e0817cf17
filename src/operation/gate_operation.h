// Lowering a load case's leaf through the exhaust valve, and raising it
// with the blower: the quasi-static path, the states the leaf follows, and
// the time, with what stops either on the way.
#ifndef TQWEIR_OPERATION_GATE_OPERATION_H_
#define TQWEIR_OPERATION_GATE_OPERATION_H_

#include "operation/operating_time.h"
#include "operation/operation_file.h"

namespace tqweir {
namespace operation {

struct GateOperation {
  Direction direction = Direction::lower;
  QuasiStaticPath path;
  FollowedPath followed;
  Timeline timeline;
  double temperature_k = 0.0;  // the case's air temperature
  double span = 0.0;           // m
  double scale = 1.0;          // Cd * A (m^2) lowering, 1 raising
  // Raising: the blower delivers nothing at a pressure the path needs. The
  // leaf gets no further than `blocked_at` (narrowed to the curve's limit);
  // the rest of the path needs up to `needed_kpa`.
  bool blocked = false;
  PathState blocked_at;
  double needed_kpa = 0.0;
  int solves = 0;
};

// Lowering `input` (a load case) through the exhaust of operation.csv.
// Throws text::InputError naming operation.csv when it gives no valve_area,
// valve_coefficient or lowered_angle, or a lowered angle not below the
// case's leaf angle, or when the case's air temperature is not above 0 K.
GateOperation lower_gate(const CaseInput& input, const OperationFile& file,
                         const PathSettings& settings = PathSettings());

// Raising `input` from the lowered angle with the blower of operation.csv
// (throws as lower_gate, for blower_curve and lowered_angle).
GateOperation raise_gate(const CaseInput& input, const OperationFile& file,
                         const PathSettings& settings = PathSettings());

// The free-air flow per metre (m^3/s) through the exhaust at scale 1 m^2.
double exhaust_unit_flow(const GateOperation& operation, const PathState& state);

}  // namespace operation
}  // namespace tqweir

#endif  // TQWEIR_OPERATION_GATE_OPERATION_H_
