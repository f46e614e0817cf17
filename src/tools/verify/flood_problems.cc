// The flood routing of tqweir-operate --flood against closed forms and an
// independent method: a pond of constant area A = 1e5 m2 over a crest
// c = 3 m passing a (h - c)^1.5 with a = 10 m^1.5/s (a span of 10 m times a
// coefficient of 1). Draining with no inflow, A dh/dt = -a (h - c)^1.5
// integrates to (h - c)^-1/2 = (h0 - c)^-1/2 + a t / (2 A); a constant
// inflow I ends at c + (I / a)^(2/3). The real gate held at 45 degrees is
// routed against a storage-indication (modified Puls) routing written
// here, on the gate's own solves every centimetre.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "cases/base_case.h"
#include "flood/crest_weir.h"
#include "flood/fixed_gate.h"
#include "flood/route.h"
#include "flood/steady_level.h"
#include "tools/verify/problem.h"

namespace tqweir {
namespace verify {
namespace {

using flood::Hydrograph;
using flood::Pond;
using flood::Route;
using flood::RouteInput;

const char kGroup[] = "Flood: routing the pond over the gate";
constexpr double kA = 10.0, kCrest = 3.0, kArea = 1e5, kHour = 3600.0;

RouteInput route_input(const Hydrograph& inflow, const Pond& pond, flood::Gate& gate,
                       double start) {
  RouteInput in;
  in.inflow = &inflow;
  in.pond = &pond;
  in.gates = {&gate};
  in.start_airs = {0.0};
  in.start_level = start;
  return in;
}

// 2 m3/s, up to `peak` at `rise` hours, back to 2 m3/s `fall` hours later.
Hydrograph triangle(double peak, double rise, double fall, double hours) {
  return {{0.0, rise * kHour, (rise + fall) * kHour, hours * kHour}, {2.0, peak, 2.0, 2.0}};
}

// The storage indication 2S/dt + O against level on the gate's solves at
// `levels`, and the routing: (I1 + I2) + (2 S1 / dt - O1) = 2 S2 / dt + O2,
// the level found by linear interpolation in the indication.
double puls_peak(const std::vector<double>& levels, const std::vector<double>& outflows,
                 const Hydrograph& inflow, double area, double start, double dt) {
  std::vector<double> indication;
  for (std::size_t k = 0; k < levels.size(); ++k) {
    indication.push_back(2.0 * area * levels[k] / dt + outflows[k]);
  }
  auto at = [&](const std::vector<double>& y, double level) {
    std::size_t k = 0;
    while (k + 2 < levels.size() && levels[k + 1] < level) ++k;
    const double w = (level - levels[k]) / (levels[k + 1] - levels[k]);
    return y[k] + w * (y[k + 1] - y[k]);
  };
  double level = start, peak = start;
  const double end = inflow.seconds.back();
  for (double t = 0.0; t + dt <= end + 1e-9; t += dt) {
    const double i1 = flood::inflow_at(inflow, t), i2 = flood::inflow_at(inflow, t + dt);
    const double target = i1 + i2 + 2.0 * area * level / dt - at(outflows, level);
    std::size_t k = 0;
    while (k + 2 < levels.size() && indication[k + 1] < target) ++k;
    level = levels[k] + (target - indication[k]) / (indication[k + 1] - indication[k]) *
                            (levels[k + 1] - levels[k]);
    peak = std::max(peak, level);
  }
  return peak;
}

// The gate of `case_dir` held at 45 degrees against the storage
// indication. A case whose gate gives no state on the way is a NOOK row
// naming why, not an abort of the whole manual.
Problem held_gate_problem(const std::string& case_dir) {
  Problem p{kGroup, "FL-V-05",
            "standard gate held at 45 degrees, 200 000 m2, 2-25-2 m3/s: peak level (m)",
            "storage indication (modified Puls), 60 s steps, solves every 1 cm",
            "independent numerical", 0.0, NAN, false, 1e-3};
  try {
    const CaseInput base = cases::read_base_case(case_dir).input;
    flood::FixedGate held(base, 45.0);
    const Pond big = Pond::from_area(2e5);
    const Hydrograph flow = triangle(25.0, 12.0, 24.0, 48.0);
    const double start = flood::steady_level(held, 0.0, nullptr, 2.0, base.parameter.upstream_level);
    const Route r = flood::route(route_input(flow, big, held, start));
    std::vector<double> levels, outflows;
    for (int k = 0; k <= 300; ++k) {
      const double level = std::floor(start * 100.0) / 100.0 + 0.01 * k;
      const flood::Knot knot = held.direct(level);
      if (!knot.held) break;
      levels.push_back(level);
      outflows.push_back(knot.state.outflow);
    }
    if (levels.size() < 2) throw std::runtime_error("the held gate solves at fewer than two levels");
    p.reference_value = puls_peak(levels, outflows, flow, 2e5, start, 60.0);
    if (r.finished) p.value = r.peak.level;
  } catch (const std::runtime_error& e) {
    p.reference = std::string("not routed: ") + e.what();
  }
  return p;
}

}  // namespace

void flood_problems(std::ostream& out, const std::string& case_dir) {
  const Pond pond = Pond::from_area(kArea);
  {
    flood::CrestWeir weir(kA, kCrest);
    const Hydrograph dry{{0.0, 24 * kHour}, {0.0, 0.0}};
    const Route r = flood::route(route_input(dry, pond, weir, 4.0));
    const double t = 24 * kHour;
    print_problem(out, {kGroup, "FL-V-01", "pond draining from 4 m over the crest, level at 24 h (m)",
                        "(h-c)^-1/2 = (h0-c)^-1/2 + a t/(2A)", "analytical",
                        kCrest + std::pow(1.0 + kA * t / (2 * kArea), -2.0),
                        r.finished ? r.points.back().level : NAN, false, 1e-8});
  }
  {
    flood::CrestWeir weir(kA, kCrest);
    const Hydrograph steady{{0.0, 48 * kHour}, {20.0, 20.0}};
    const Route r = flood::route(route_input(steady, pond, weir, kCrest));
    print_problem(out, {kGroup, "FL-V-02", "constant inflow 20 m3/s from the crest, level at 48 h (m)",
                        "c + (I/a)^(2/3)", "analytical", kCrest + std::pow(20.0 / kA, 2.0 / 3.0),
                        r.finished ? r.points.back().level : NAN, false, 1e-8});
  }
  {
    flood::CrestWeir weir(kA, kCrest);
    const Hydrograph flow = triangle(30.0, 10.0, 20.0, 48.0);
    const double start = flood::steady_level(weir, 0.0, nullptr, 2.0, kCrest);
    const Route r = flood::route(route_input(flow, pond, weir, start));
    const double stored = pond.storage(r.points.back().level) - pond.storage(start);
    print_problem(out, {kGroup, "FL-V-03", "volume balance over a 48 h flood, (in - out - stored) / in",
                        "conservation of volume", "analytical", 0.0,
                        (r.inflow_volume - r.outflow_volume - stored) / r.inflow_volume, false, 1e-6});
    flood::RouteSettings half;
    half.relative_tolerance /= 2.0;
    half.absolute_tolerance /= 2.0;
    const Route h = flood::route(route_input(flow, pond, weir, start), half);
    print_problem(out, {kGroup, "FL-V-04", "peak level of that flood, tolerances halved (m)",
                        "the route at the default tolerances", "self-convergence", r.peak.level,
                        h.peak.level, false, 1e-3});
  }
  print_problem(out, held_gate_problem(case_dir));
}

}  // namespace verify
}  // namespace tqweir
