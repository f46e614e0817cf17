#include "flood/flood_passage.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <set>
#include <utility>

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

void find_folds(AirGate& gate, std::size_t g, FloodPassage& p) {
  const std::vector<RoutePoint>& points = p.route.points;
  for (std::size_t k = 1; k < points.size(); ++k) {
    const LevelPath& path = gate.path_near(points[k].level);
    for (const operation::Fold& fold : path.folds) {
      const double f0 = points[k - 1].airs[g] - fold.from.air;
      const double f1 = points[k].airs[g] - fold.from.air;
      if (!(f0 * f1 < 0.0)) continue;
      p.folds.push_back({g, crossing_time(points, k, f0, f1), path.level, fold.from.theta1_deg,
                         fold.to.theta1_deg});
    }
  }
}

// The weir's gates side by side at one air, for the steady start: the sum
// of their discharges.
class SideBySide : public Gate {
 public:
  explicit SideBySide(std::vector<Gate*> gates) : gates_(std::move(gates)) {}
  double outflow(double level, double air) override {
    double q = gates_[0]->outflow(level, air);
    for (std::size_t g = 1; g < gates_.size(); ++g) q += gates_[g]->outflow(level, air);
    return q;
  }
  GateState state(double level, double air) override { return gates_[0]->state(level, air); }
  int solves() const override { return 0; }

 private:
  std::vector<Gate*> gates_;
};

// A failed gate: the sealed gate at the air it holds, whatever the
// integrator's arithmetic makes of an air whose rate is 0.
class ShutIn : public Gate {
 public:
  explicit ShutIn(SealedGate& sealed) : sealed_(sealed) {}
  double outflow(double level, double) override { return sealed_.outflow(level, sealed_.air()); }
  GateState state(double level, double) override { return sealed_.state(level, sealed_.air()); }
  int solves() const override { return sealed_.solves(); }

 private:
  SealedGate& sealed_;
};

// Gate `g`'s share of the route: its states, and its lowering and raising
// from its own switches.
GatePassage gate_passage(const FloodPassage& p, std::size_t g, Gate& gate, AirGate& air_gate,
                         bool failed) {
  GatePassage out;
  out.failed = failed;
  const std::vector<RoutePoint>& points = p.route.points;
  for (const RoutePoint& point : points) out.states.push_back(gate.state(point.level, point.airs[g]));
  std::vector<RuleSwitch> own;
  for (const RuleSwitch& s : p.switches) {
    if (s.gate == g) own.push_back(s);
  }
  out.lowering =
      span_of(own, {Switch::valve_opens, Switch::float_valve_opens}, Switch::leaf_down);
  out.raising = span_of(own, {Switch::blower_starts}, Switch::blower_stops);
  // A start whose air the lowered leaf already holds never crosses the
  // leaf_down event: the leaf was down before the flood began.
  if (!points.empty() && !failed) {
    const RoutePoint& first = points.front();
    out.down_at_start =
        first.airs[g] <= air_gate.lowered_air(first.level) * (1.0 + kDownAirShare);
  }
  if (out.down_at_start && !out.lowering.ended) {
    out.lowering.ended = true;
    out.lowering.end = points.front().time;
  }
  return out;
}

double lowered_angle_of(const operation::OperationFile& file) {
  return file.lowered_angle.given ? file.lowered_angle.value : operation::kLowestLoweredAngle;
}

TailwaterCurve tailwater_of(const FloodFile& rows) {
  return {rows.tailwater, rows.has_other_outflow, rows.other_outflow, rows.weir.crests};
}

}  // namespace

std::shared_ptr<PathGrid> passage_grid(const CaseInput& base, const operation::OperationFile& file,
                                       const PassageSettings& settings) {
  const FloodFile rows = read_flood_rows(file);
  auto grid = std::make_shared<PathGrid>(base, lowered_angle_of(file), settings.gate);
  if (rows.weir.coefficient_curve) grid->use_coefficient_curve(*rows.weir.coefficient_curve);
  if (rows.has_tailwater) grid->follow_tailwater(tailwater_of(rows));
  return grid;
}

FloodPassage flood_passage(const CaseInput& base, const operation::OperationFile& file,
                           const Hydrograph& inflow, bool power_failure,
                           const PassageSettings& settings, SharedPaths* shared,
                           const std::vector<bool>& failed) {
  const FloodFile rows = read_flood_rows(file);
  SharedPaths own;
  SharedPaths& paths = shared != nullptr ? *shared : own;
  if (!paths.base) paths.base = std::make_shared<const search::CaseResult>(search::solve_unrounded(base));
  const search::CaseResult& solved = *paths.base;
  if (!solved.finished) {
    throw InputError("the base case stops, so it puts no air in the bag: " +
                     message_utf8(solved.message));
  }
  const double lowered = lowered_angle_of(file);
  if (!(lowered < base.parameter.theta1_deg)) {
    throw InputError(operation::value_place(file, file.lowered_angle.line, "lowered_angle") +
                     ": " + file.lowered_angle.text + " is not below the base case's leaf angle");
  }
  FloodPassage p;
  p.raised_air = air_of(solved);
  p.drowned = rows.has_tailwater;
  p.weir = rows.weir;
  const TailwaterCurve tailwater = tailwater_of(rows);
  if (!paths.grid) paths.grid = passage_grid(base, file, settings);
  FixedOutflow fixed;
  if (!rows.weir.crests.empty()) {
    const TailwaterCurve* drowning = rows.has_tailwater ? &tailwater : nullptr;
    fixed = [&rows, drowning](double level, double gates) {
      return fixed_crests_outflow(rows.weir.crests, drowning, level, gates);
    };
  }
  const std::size_t count = static_cast<std::size_t>(operation::gate_count(file));
  std::vector<bool> fails(count, false);
  for (std::size_t g = 0; g < count && g < failed.size(); ++g) fails[g] = failed[g];
  // Every gate reads the one grid; the failed ones share one sealed gate,
  // solved only when one fails.
  std::vector<AirGate> air_gates(count, AirGate(paths.grid));
  std::unique_ptr<ShutIn> shut;
  int sealed_before = 0;
  if (std::find(fails.begin(), fails.end(), true) != fails.end()) {
    if (!paths.sealed) paths.sealed = std::make_shared<SealedGate>(base, settings.gate.spacing);
    sealed_before = paths.sealed->solves();
    shut = std::make_unique<ShutIn>(*paths.sealed);
  }
  std::vector<AirGate*> ruled;
  std::vector<Gate*> gates;
  for (std::size_t g = 0; g < count; ++g) {
    ruled.push_back(&air_gates[g]);
    gates.push_back(fails[g] ? static_cast<Gate*>(shut.get()) : &air_gates[g]);
  }
  FloodRule rule(file, ruled, p.raised_air, kCelsiusToKelvin + base.parameter.air_temperature,
                 power_failure, fails);
  const LevelTable* other = rows.has_other_outflow ? &rows.other_outflow : nullptr;
  p.steady_start = !file.initial_level.given;
  SideBySide weir(gates);
  p.start_level = p.steady_start ? steady_level(weir, p.raised_air, other, inflow.flows[0],
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
  in.gates = gates;
  in.other_outflow = other;
  in.fixed_outflow = fixed;
  in.start_level = p.start_level;
  in.start_airs.assign(count, p.raised_air);
  operate_by(rule, in);
  RouteSettings route_settings = settings.route;
  route_settings.output_step = settings.output_step;
  p.route = route(in, route_settings);

  p.switches = rule.switches();
  for (std::size_t k = 0; k < at_start && k < p.switches.size(); ++k) {
    p.switches[k].time = inflow.seconds.front();
  }
  for (std::size_t g = 0; g < count; ++g) {
    p.gates.push_back(gate_passage(p, g, *gates[g], air_gates[g], fails[g]));
    if (!fails[g]) find_folds(air_gates[g], g, p);
  }
  std::stable_sort(p.folds.begin(), p.folds.end(),
                   [](const FoldMet& a, const FoldMet& b) { return a.time < b.time; });
  p.states = p.gates.front().states;
  p.lowering = p.gates.front().lowering;
  p.raising = p.gates.front().raising;
  p.down_at_start = p.gates.front().down_at_start;
  std::set<long> read;
  for (const AirGate& g : air_gates) {
    const std::set<long> levels = g.levels_read();
    read.insert(levels.begin(), levels.end());
  }
  p.solves = 1 + (shut ? paths.sealed->solves() - sealed_before : 0);
  for (long index : read) p.solves += paths.grid->at(index).solves;
  return p;
}

}  // namespace flood
}  // namespace tqweir
