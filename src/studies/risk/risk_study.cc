#include "studies/risk/risk_study.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <exception>

#include "flood/flood_passage.h"
#include "flood/route_stop.h"
#include "risk/parallel_tasks.h"
#include "risk/scaled_flood.h"
#include "studies/risk/branch_route.h"
#include "text/input_error.h"

namespace tqweir {
namespace risk_study {
namespace {

// The series is not needed, only the peak the route locates: one point at
// each end keeps the passage from building the gate's state every minute.
constexpr double kNoSeries = 1e12;
constexpr double kCurveStep = 0.01;   // m between the curve's levels
constexpr std::size_t kMostCurveRows = 2000;

double seconds_since(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

flood::PassageSettings risk_passage_settings() {
  flood::PassageSettings settings;
  settings.output_step = kNoSeries;
  return settings;
}

risk::EventRoute route_event(const RiskJob& job, flood::SharedPaths& shared,
                             const risk::Branch& branch, double peak) {
  const BranchRoute b = branch_route(job.file, branch);
  risk::EventRoute r;
  try {
    const flood::FloodPassage p =
        flood_passage(job.base, b.file, risk::scaled_flood(job.shape, peak), b.power_failure,
                      risk_passage_settings(), &shared, b.failed);
    r.finished = p.route.finished;
    r.peak_level = p.route.peak.level;
  } catch (const flood::RouteStop&) {
    r.finished = false;  // no steady start: not determined
  }
  return r;
}

// The rarest flood any realization samples, routed in every branch first:
// its route reaches the highest levels, so the grid's paths from the
// start's level up are solved before the events, which then mostly read
// them. The first route makes the grid alone; the branches with some of a
// weir's gates failed follow one by one (the sealed gate they share solves
// a level from its neighbour's state, so the order is kept the same), and
// the sealed levels between the lowest and highest met; then the other
// branches and the grid levels between the lowest and highest solved on
// the threads. False when what the routes share was not all made: the
// events then run on one thread.
namespace {

bool presolve(const RiskJob& job, const std::vector<risk::Branch>& all, const risk::BranchValues& p,
              flood::SharedPaths& shared, int threads) {
  int failed_fits = 0;
  double rarest = 0.0;
  for (const risk::PeakDistribution& law : risk::realization_laws(job.risk, failed_fits)) {
    double q = NAN;
    try {
      q = risk::peak_at(law, job.risk.aep_to);
    } catch (const std::exception&) {
    }
    if (std::isfinite(q)) rarest = std::max(rarest, q);
  }
  std::vector<risk::Branch> branches, sealed;
  for (std::size_t b = 0; b < all.size(); ++b) {
    if (!(p[b] > 0.0)) continue;
    if (branches.empty() || branch_route(job.file, all[b]).failed.empty()) {
      branches.push_back(all[b]);
    } else {
      sealed.push_back(all[b]);
    }
  }
  route_event(job, shared, branches.front(), rarest);
  if (!shared.grid || !shared.base) return false;
  for (const risk::Branch& b : sealed) route_event(job, shared, b, rarest);
  if (!sealed.empty() && !shared.sealed) return false;
  if (shared.sealed) shared.sealed->solve_between();
  risk::run_tasks(branches.size() - 1, threads,
                  [&](std::size_t k) { route_event(job, shared, branches[k + 1], rarest); });
  const std::vector<long> solved = shared.grid->solved_indices();
  if (solved.empty()) return true;
  const long low = solved.front(), high = solved.back();
  risk::run_tasks(static_cast<std::size_t>(high - low + 1), threads,
                  [&](std::size_t k) { shared.grid->at(low + static_cast<long>(k)); });
  return true;
}

std::vector<double> curve_levels(const risk::RiskRun& run) {
  double low = INFINITY, high = -INFINITY;
  for (const risk::RiskEvent& e : run.events) {
    for (std::size_t b = 0; b < run.branches.size(); ++b) {
      if (run.branch_p[b] > 0.0 && e.routes[b].finished) {
        low = std::min(low, e.routes[b].peak_level);
        high = std::max(high, e.routes[b].peak_level);
      }
    }
  }
  std::vector<double> levels;
  if (!(low <= high)) return levels;
  const long first = static_cast<long>(std::floor(low / kCurveStep));
  const long last = static_cast<long>(std::ceil(high / kCurveStep));
  const long stride = static_cast<long>((last - first) / static_cast<long>(kMostCurveRows)) + 1;
  for (long k = first; k <= last; k += stride) {
    levels.push_back(std::round(static_cast<double>(k)) * kCurveStep);
  }
  return levels;
}

}  // namespace

int presolve_paths(const RiskJob& job, flood::SharedPaths& shared, int threads) {
  const int gates = operation::gate_count(job.file);
  const risk::BranchValues p = risk::branch_probabilities(gates, job.risk.power_failure_probability,
                                                          job.risk.gate_failure_probability);
  return presolve(job, risk::weir_branches(gates), p, shared, threads) ? threads : 1;
}

void summarize_risk(const RiskJob& job, RiskStudy& s) {
  const std::size_t branches = s.run.branches.size();
  for (std::size_t b = 0; b < branches; ++b) {
    if (s.run.branch_p[b] > 0.0) s.routes += static_cast<int>(s.run.events.size());
  }
  s.unfinished = risk::unfinished_events(s.run);
  s.curve = risk::aep_curve(s.run, curve_levels(s.run));
  s.has_limit = job.max_level.given;
  if (s.has_limit) {
    s.limit = risk::aep_curve(s.run, {job.max_level.value}).front();
    s.limit_error = risk::sampling_error(s.run, 0, job.max_level.value);
    s.limit_branches.assign(branches, 0.0);
    for (std::size_t b = 0; b < branches; ++b) {
      double sum = 0.0;
      for (int r = 0; r < job.risk.realizations; ++r) sum += risk::branch_aep(s.run, r, job.max_level.value, b);
      s.limit_branches[b] = sum / job.risk.realizations;
    }
  }
}

RiskStudy run_risk_study(const RiskJob& job, int threads,
                         const std::function<void(std::size_t, std::size_t)>& progress) {
  RiskStudy s;
  flood::SharedPaths shared;
  const auto t0 = std::chrono::steady_clock::now();
  // The grid, the base case's solve and a weir's sealed gate are made by
  // the first routes; until they are there, routes may not run side by side.
  threads = presolve_paths(job, shared, threads);
  s.presolve_seconds = seconds_since(t0);
  const auto t1 = std::chrono::steady_clock::now();
  const std::clock_t c1 = std::clock();
  s.run = risk::run_risk(
      job.risk,
      [&](const risk::Branch& b, double peak) { return route_event(job, shared, b, peak); }, threads,
      progress, operation::gate_count(job.file));
  s.seconds = seconds_since(t1);
  s.cpu_seconds = static_cast<double>(std::clock() - c1) / CLOCKS_PER_SEC;
  if (shared.grid) s.grid_levels = static_cast<int>(shared.grid->solved_indices().size());
  summarize_risk(job, s);
  return s;
}

}  // namespace risk_study
}  // namespace tqweir
