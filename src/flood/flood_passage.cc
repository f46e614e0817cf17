#include "flood/flood_passage.h"

#include <algorithm>
#include <initializer_list>

#include "core/constants.h"
#include "flood/steady_level.h"
#include "search/case_probe.h"
#include "text/input_error.h"

namespace tqweir {
namespace flood {
namespace {

using text::InputError;

double air_of(const search::CaseResult& r) {
  return r.values[static_cast<std::size_t>(summary_index(SummaryId::air_volume))];
}

// The time (s) at which `f` (linear between the points k-1 and k) is 0.
double crossing_time(const std::vector<RoutePoint>& points, std::size_t k, double f0, double f1) {
  const double t0 = points[k - 1].time, t1 = points[k].time;
  return f0 == f1 ? t1 : t0 + (t1 - t0) * f0 / (f0 - f1);
}

// The span from the first switch of `starts` to the first `end` at or
// after it, in the switches' own times.
Span span_of(const std::vector<RuleSwitch>& switches, std::initializer_list<Switch> starts,
             Switch end) {
  Span span;
  for (const RuleSwitch& s : switches) {
    if (!span.started && std::find(starts.begin(), starts.end(), s.what) != starts.end()) {
      span.started = true;
      span.start = s.time;
    } else if (span.started && s.what == end) {
      span.ended = true;
      span.end = s.time;
      break;
    }
  }
  return span;
}

void find_folds(AirGate& gate, FloodPassage& p) {
  const std::vector<RoutePoint>& points = p.route.points;
  for (std::size_t k = 1; k < points.size(); ++k) {
    const LevelPath& path = gate.path_near(points[k].level);
    for (const operation::Fold& fold : path.folds) {
      const double f0 = points[k - 1].airs[0] - fold.from.air;
      const double f1 = points[k].airs[0] - fold.from.air;
      if (!(f0 * f1 < 0.0)) continue;
      p.folds.push_back({crossing_time(points, k, f0, f1), path.level, fold.from.theta1_deg,
                         fold.to.theta1_deg});
    }
  }
}

}  // namespace

FloodPassage flood_passage(const CaseInput& base, const operation::OperationFile& file,
                           const Hydrograph& inflow, bool power_failure,
                           const PassageSettings& settings, SharedPaths* shared) {
  const FloodFile rows = read_flood_rows(file);
  const search::CaseResult solved = search::solve_unrounded(base);
  if (!solved.finished) {
    throw InputError("the base case stops, so it puts no air in the bag: " +
                     message_utf8(solved.message));
  }
  const double lowered =
      file.lowered_angle.given ? file.lowered_angle.value : operation::kLowestLoweredAngle;
  if (!(lowered < base.parameter.theta1_deg)) {
    throw InputError(operation::value_place(file, file.lowered_angle.line, "lowered_angle") +
                     ": " + file.lowered_angle.text + " is not below the base case's leaf angle");
  }
  FloodPassage p;
  p.raised_air = air_of(solved);
  p.drowned = rows.has_tailwater;
  p.weir = rows.weir;
  const TailwaterCurve tailwater{rows.tailwater, rows.has_other_outflow, rows.other_outflow,
                                 rows.weir.crests};
  SharedPaths own;
  SharedPaths& paths = shared != nullptr ? *shared : own;
  if (!paths.grid) {
    paths.grid = std::make_shared<PathGrid>(base, lowered, settings.gate);
    if (rows.weir.coefficient_curve) paths.grid->use_coefficient_curve(*rows.weir.coefficient_curve);
    if (rows.has_tailwater) paths.grid->follow_tailwater(tailwater);
  }
  FixedOutflow fixed;
  if (!rows.weir.crests.empty()) {
    const TailwaterCurve* drowning = rows.has_tailwater ? &tailwater : nullptr;
    fixed = [&rows, drowning](double level, double gates) {
      return fixed_crests_outflow(rows.weir.crests, drowning, level, gates);
    };
  }
  AirGate gate(paths.grid);
  FloodRule rule(file, {&gate}, p.raised_air, kCelsiusToKelvin + base.parameter.air_temperature,
                 power_failure);
  const LevelTable* other = rows.has_other_outflow ? &rows.other_outflow : nullptr;
  p.steady_start = !file.initial_level.given;
  p.start_level = p.steady_start ? steady_level(gate, p.raised_air, other, inflow.flows[0],
                                                base.parameter.upstream_level, kSteadyTolerance,
                                                fixed)
                                 : file.initial_level.value;
  rule.start(p.start_level);
  // The rule knows levels, not times: what the start's level already did
  // happened at the hydrograph's first row, wherever its clock starts.
  const std::size_t at_start = rule.switches().size();

  RouteInput in;
  in.inflow = &inflow;
  in.pond = &rows.pond;
  in.gates = {&gate};
  in.other_outflow = other;
  in.fixed_outflow = fixed;
  in.start_level = p.start_level;
  in.start_airs = {p.raised_air};
  operate_by(rule, in);
  RouteSettings route_settings = settings.route;
  route_settings.output_step = settings.output_step;
  p.route = route(in, route_settings);

  const std::vector<RoutePoint>& points = p.route.points;
  for (const RoutePoint& point : points) p.states.push_back(gate.state(point.level, point.airs[0]));
  p.switches = rule.switches();
  for (std::size_t k = 0; k < at_start && k < p.switches.size(); ++k) {
    p.switches[k].time = inflow.seconds.front();
  }
  p.lowering =
      span_of(p.switches, {Switch::valve_opens, Switch::float_valve_opens}, Switch::leaf_down);
  p.raising = span_of(p.switches, {Switch::blower_starts}, Switch::blower_stops);
  // A start whose air the lowered leaf already holds never crosses the
  // leaf_down event: the leaf was down before the flood began.
  if (!points.empty()) {
    const RoutePoint& first = points.front();
    p.down_at_start = first.airs[0] <= gate.lowered_air(first.level) * (1.0 + kDownAirShare);
  }
  if (p.down_at_start && !p.lowering.ended) {
    p.lowering.ended = true;
    p.lowering.end = points.front().time;
  }
  find_folds(gate, p);
  p.solves = gate.solves() + 1;
  return p;
}

}  // namespace flood
}  // namespace tqweir
