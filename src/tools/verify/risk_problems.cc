// The flood risk's estimate (src/risk) against what it must give where the
// answer is known. A pond of negligible storage over a fixed crest passes
// the peak inflow as it comes, so its peak level is the crest's rating
// level of the peak, and the level's AEP curve is the peak law mapped
// through the rating: the sampled curve, routed through such a pond, is
// held against that closed form at five AEPs within four of the standard
// errors the method states. The curve with power failing in a share p of
// the floods is p times the curve without power plus (1 - p) times the
// curve with it, each computed by a run of its own. Last, the stratified
// estimate at the level of the 1/100 flood against crude Monte Carlo of
// 100,000 years, power failures drawn rather than weighed, on the rating
// itself (no route, so that it runs in a second).
#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "flood/crest_weir.h"
#include "flood/route.h"
#include "risk/peak_distribution.h"
#include "risk/risk_estimate.h"
#include "risk/scaled_flood.h"
#include "tools/verify/problem.h"

namespace tqweir {
namespace verify {
namespace {

const char kGroup[] = "Risk: the annual exceedance probability of the pond's level";
constexpr double kA = 10.0, kCrest = 3.0, kHour = 3600.0;
// A crest 0.4 m higher without power: the leaf that does not go down.
constexpr double kCrestWithoutPower = 3.4;
constexpr double kSmallPond = 100.0;  // m2: a time constant of seconds against a flood of hours
constexpr double kPowerFailure = 0.3;
constexpr int kCrudeYears = 100000;

risk::RiskFile gumbel_plan() {
  risk::RiskFile f;
  f.peak.law = risk::PeakLaw::gumbel;
  f.peak.a = 25.0;
  f.peak.b = 8.0;
  f.bins = 20;
  f.events_per_bin = 50;
  f.aep_from = 0.5;
  f.aep_to = 1e-4;
  f.seed = 38;
  return f;
}

double rating_level(double q, double crest) { return crest + std::cbrt((q / kA) * (q / kA)); }

double crest_of(const risk::Branch& b) { return b.power_failure ? kCrestWithoutPower : kCrest; }

// The flood of `peak`: 2 m3/s, up to the peak at 12 h, back at 36 h.
risk::EventRoute small_pond_route(const risk::Branch& b, double peak) {
  const flood::Hydrograph shape{{0.0, 12 * kHour, 36 * kHour, 48 * kHour}, {2.0, 60.0, 2.0, 2.0}};
  const flood::Hydrograph inflow = risk::scaled_flood(shape, peak);
  const flood::Pond pond = flood::Pond::from_area(kSmallPond);
  flood::CrestWeir weir(kA, crest_of(b));
  flood::RouteInput in;
  in.inflow = &inflow;
  in.pond = &pond;
  in.gates = {&weir};
  in.start_airs = {0.0};
  in.start_level = rating_level(inflow.flows.front(), crest_of(b));
  // Only the peak is wanted: no series between the flood's ends.
  flood::RouteSettings settings;
  settings.output_step = 1e12;
  const flood::Route r = flood::route(in, settings);
  return {r.finished, r.peak.level};
}

risk::EventRoute rating_route(const risk::Branch& b, double peak) {
  return {true, rating_level(peak, crest_of(b))};
}

void closed_form_problems(std::ostream& out) {
  // Each route through the small pond takes milliseconds (its stiff
  // stretches step by Rosenbrock's method): 25 events a bin, two threads.
  risk::RiskFile f = gumbel_plan();
  f.events_per_bin = 25;
  const risk::RiskRun run = risk::run_risk(f, small_pond_route, 2);
  int id = 1;
  for (const double a : {0.2, 0.05, 0.01, 0.002, 0.0005}) {
    const double level = rating_level(risk::peak_at(f.peak, a), kCrest);
    const double se = risk::sampling_error(run, 0, level);
    print_problem(out, {kGroup, "RK-V-0" + std::to_string(id++),
                        "pond of 100 m2 over a crest (20 x 25 events), AEP of the level of the flood of AEP " +
                            fmt_g(a, 3),
                        "Gumbel peak law mapped through the rating c + (Q/a)^(2/3)", "analytical", a,
                        risk::level_aep(run, 0, level), true, 4.0 * se / a});
  }
}

void total_probability_problem(std::ostream& out) {
  risk::RiskFile f = gumbel_plan();
  const auto run_with = [&](double p) {
    f.power_failure_probability = p;
    return risk::run_risk(f, rating_route, 1);
  };
  const risk::RiskRun mixed = run_with(kPowerFailure), with = run_with(0.0), without = run_with(1.0);
  double worst = 0.0, at = 0.0;
  for (double level = 3.5; level <= 6.0 + 1e-9; level += 0.5) {
    // The tail rarer than aep_to passes every level in each run alike.
    const double one = risk::level_aep(mixed, 0, level) - f.aep_to;
    const double two = kPowerFailure * (risk::level_aep(without, 0, level) - f.aep_to) +
                       (1.0 - kPowerFailure) * (risk::level_aep(with, 0, level) - f.aep_to);
    if (std::fabs(one - two) >= worst) {
      worst = std::fabs(one - two);
      at = two;
    }
  }
  print_problem(out, {kGroup, "RK-V-06",
                      "power failing in 0.3 of the floods, the largest gap at six levels 3.5 to 6 m",
                      "0.3 x AEP without power + 0.7 x AEP with power, two runs", "analytical", at,
                      at + worst, false, 1e-13});
}

void crude_problem(std::ostream& out) {
  risk::RiskFile f = gumbel_plan();
  f.power_failure_probability = 0.05;
  const double level = rating_level(risk::peak_at(f.peak, 0.01), kCrest);
  const risk::RiskRun run = risk::run_risk(f, rating_route, 1);
  const double stratified = risk::level_aep(run, 0, level), se = risk::sampling_error(run, 0, level);
  // Each year its flood's AEP uniform on (0, 1) and its power failure
  // drawn, from a generator of its own.
  std::mt19937_64 draw(20260101);
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  int passed = 0;
  for (int year = 0; year < kCrudeYears; ++year) {
    const double u = std::max(uniform(draw), 1e-300);
    const bool power_failure = uniform(draw) < f.power_failure_probability;
    passed += rating_route({0, power_failure}, risk::peak_at(f.peak, u)).peak_level > level ? 1 : 0;
  }
  const double crude = static_cast<double>(passed) / kCrudeYears;
  const double crude_se = std::sqrt(crude * (1.0 - crude) / kCrudeYears);
  print_problem(out, {kGroup, "RK-V-07",
                      "power failing in 0.05 of the floods, AEP of the level of the 1/100 flood, stratified "
                      "(20 x 50)",
                      "crude Monte Carlo of 100 000 years, power failures drawn", "independent numerical",
                      crude, stratified, false, 4.0 * std::hypot(se, crude_se)});
}

}  // namespace

void risk_problems(std::ostream& out) {
  closed_form_problems(out);
  total_probability_problem(out);
  crude_problem(out);
}

}  // namespace verify
}  // namespace tqweir
