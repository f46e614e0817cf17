#include "flood/flood_passage.h"

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

// The time of the first switch `a` or `b` at or after `from` (s); -1 when
// none, or when `from` is below 0 (what it follows did not happen).
double first_switch(const std::vector<RuleSwitch>& switches, const std::string& a,
                    const std::string& b, double from = 0.0) {
  for (const RuleSwitch& s : switches) {
    if (from >= 0.0 && s.time >= from && (s.what == a || s.what == b)) return s.time;
  }
  return -1.0;
}

void find_folds(AirGate& gate, FloodPassage& p) {
  const std::vector<RoutePoint>& points = p.route.points;
  for (std::size_t k = 1; k < points.size(); ++k) {
    const LevelPath& path = gate.path_near(points[k].level);
    for (const operation::Fold& fold : path.folds) {
      const double f0 = points[k - 1].air - fold.from.air, f1 = points[k].air - fold.from.air;
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
  SharedPaths own;
  SharedPaths& paths = shared != nullptr ? *shared : own;
  if (!paths.grid) {
    paths.grid = std::make_shared<PathGrid>(base, lowered, settings.gate);
    if (rows.has_tailwater) {
      paths.grid->follow_tailwater({rows.tailwater, rows.has_other_outflow, rows.other_outflow});
    }
  }
  AirGate gate(paths.grid);
  FloodRule rule(file, gate, p.raised_air, kCelsiusToKelvin + base.parameter.air_temperature,
                 power_failure);
  const LevelTable* other = rows.has_other_outflow ? &rows.other_outflow : nullptr;
  p.steady_start = !file.initial_level.given;
  p.start_level = p.steady_start ? steady_level(gate, p.raised_air, other, inflow.flows[0],
                                                base.parameter.upstream_level)
                                 : file.initial_level.value;
  rule.start(p.start_level);

  RouteInput in;
  in.inflow = &inflow;
  in.pond = &rows.pond;
  in.gate = &gate;
  in.other_outflow = other;
  in.start_level = p.start_level;
  in.start_air = p.raised_air;
  in.air_rate = [&rule](double, double level, double air) { return rule.air_rate(level, air); };
  in.events = rule.events();
  in.on_event = [&rule](const EventHit& hit) { return rule.act(hit); };
  RouteSettings route_settings = settings.route;
  route_settings.output_step = settings.output_step;
  p.route = route(in, route_settings);

  const std::vector<RoutePoint>& points = p.route.points;
  for (const RoutePoint& point : points) p.states.push_back(gate.state(point.level, point.air));
  p.switches = rule.switches();
  p.lowering_start = first_switch(p.switches, "valve opens", "float valve opens");
  p.lowering_end = first_switch(p.switches, "leaf down", "", p.lowering_start);
  p.raising_start = first_switch(p.switches, "blower starts", "");
  p.raising_end = first_switch(p.switches, "blower stops", "", p.raising_start);
  find_folds(gate, p);
  p.solves = gate.solves() + 1;
  return p;
}

}  // namespace flood
}  // namespace tqweir
