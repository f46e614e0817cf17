#include "operation/gate_operation.h"

#include <algorithm>

#include "core/constants.h"
#include "operation/orifice_flow.h"
#include "text/input_error.h"
#include "text/number_text.h"

namespace tqweir {
namespace operation {
namespace {

using text::InputError;

void require(bool given, const OperationFile& file, const char* name) {
  if (!given) throw InputError(file.source + " gives no " + name);
}

// The case's temperature and span, and the lowered angle below its leaf.
GateOperation prepared(const CaseInput& input, const OperationFile& file, Direction direction) {
  require(file.lowered_angle.given, file, "lowered_angle");
  const double raised = input.parameter.theta1_deg;
  if (!(file.lowered_angle.value < raised)) {
    throw InputError(value_place(file, file.lowered_angle.line, "lowered_angle") + ": " +
                     file.lowered_angle.text + " is not below the case's leaf angle " +
                     text::exact_text(raised));
  }
  GateOperation operation;
  operation.direction = direction;
  operation.temperature_k = kCelsiusToKelvin + input.parameter.air_temperature;
  if (!(operation.temperature_k > 0.0)) {
    throw InputError("the case's air_temperature gives no temperature above 0 K");
  }
  operation.span = input.syogen.span;
  return operation;
}

void follow(GateOperation& operation, const CaseInput& input, const OperationFile& file,
            const PathSettings& settings) {
  operation.path = quasi_static_path(input, file.lowered_angle.value, settings);
  operation.followed = follow_path(operation.path, operation.direction);
  operation.solves = operation.path.solves + operation.followed.solves;
}

// Where the blower's pressure runs out between the last state it reaches
// and the first it cannot: narrowed on the gauge pressure, unless the two
// are the ends of a fall.
void narrow_block(GateOperation& op, const BlowerCurve& curve) {
  const std::size_t k = op.timeline.limit.state;
  const std::vector<FollowedState>& states = op.followed.states;
  op.blocked = true;
  op.blocked_at = states[k].state;
  for (std::size_t i = k; i < states.size(); ++i) {
    op.needed_kpa = std::max(op.needed_kpa, gauge_kpa(states[i].state));
  }
  if (k == 0 || states[k].mark == Mark::landing) return;
  const PathState& a = states[k - 1].state;
  const PathState& b = states[k].state;
  const Regime regime = PathSolvers::bracket_regime(a, b);
  StateSolver solver(op.path.input, regime);
  const double limit = limit_kpa(curve);
  const search::Probe probe = solver.probe([limit](const PathState& s) { return gauge_kpa(s) - limit; });
  auto value = [regime](const PathState& s) { return PathSolvers::value_in(s, regime); };
  search::SearchSettings narrowing;
  narrowing.tolerance = 1e-4;
  narrowing.max_refine_solves = 200;
  const search::Edge edge = search::refine_crossing(probe, probe(value(a)), probe(value(b)), narrowing);
  op.solves += solver.solves();
  if (edge.interrupted) return;
  op.blocked_at = solver.at(search::reached(edge.lo) ? edge.hi.x : edge.lo.x);
}

// The time along the followed path, with the states between it needs
// solved on the path's own case.
Timeline timed(GateOperation& op, const FlowModel& model) {
  PathSolvers between(op.path);
  TimeRefinement refinement;
  refinement.halfway = [&between](const PathState& a, const PathState& b) -> std::optional<PathState> {
    const PathState& m = between.halfway(a, b);
    if (!m.result.finished) return std::nullopt;
    return m;
  };
  Timeline timeline = operating_time(op.followed, model, refinement);
  op.solves += between.solves();
  return timeline;
}

}  // namespace

double exhaust_unit_flow(const GateOperation& operation, const PathState& state) {
  return exhaust_flow_per_area(state.p_abs, operation.temperature_k) / operation.span;
}

GateOperation lower_gate(const CaseInput& input, const OperationFile& file,
                         const PathSettings& settings) {
  require(file.valve_area.given, file, "valve_area");
  require(file.valve_coefficient.given, file, "valve_coefficient");
  GateOperation op = prepared(input, file, Direction::lower);
  follow(op, input, file, settings);
  op.scale = file.valve_coefficient.value * file.valve_area.value;
  FlowModel model;
  model.unit_flow = [&op](const PathState& s) { return exhaust_unit_flow(op, s); };
  model.scale = op.scale;
  op.timeline = timed(op, model);
  return op;
}

GateOperation raise_gate(const CaseInput& input, const OperationFile& file,
                         const PathSettings& settings) {
  require(file.has_blower, file, "blower_curve");
  GateOperation op = prepared(input, file, Direction::raise);
  follow(op, input, file, settings);
  const BlowerCurve& curve = file.blower_curve;
  const double span = op.span;
  FlowModel model;
  model.unit_flow = [&curve, span](const PathState& s) {
    return blower_delivery(curve, gauge_kpa(s)) / 60.0 / span;
  };
  op.timeline = timed(op, model);
  if (op.timeline.limit.reached) narrow_block(op, curve);
  return op;
}

}  // namespace operation
}  // namespace tqweir
