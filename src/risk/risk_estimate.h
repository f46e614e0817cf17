// The annual exceedance probability (AEP) of the pond's peak level, by
// Monte Carlo over the flood's peak and by total probability over what
// fails in the flood.
//
// The annual maximum flood's peak has the AEP u, uniform on (0, 1). The
// range [aep_to, aep_from] is cut into `bins` of equal width in the Gumbel
// variate y = -ln(-ln(1 - u)); bin b holds the probability w_b = u(y_b) -
// u(y_b+1), and its events draw u uniformly within it, each weighing
// w_b / events_per_bin. The branches (K of the weir's N gates failed, the
// power failed or not) are not drawn: every event is routed in each branch
// of non-zero probability and its outcome weighted by that probability.
//
// What lies outside the range is counted conservatively: the floods rarer
// than aep_to (probability aep_to) pass every level; those more frequent
// than aep_from (probability 1 - aep_from) reach the levels of the flood
// at aep_from itself, routed in each branch as one more event (a smaller
// flood raises the pond no higher). An event whose route did not reach
// its end passes every level.
#ifndef TQWEIR_RISK_RISK_ESTIMATE_H_
#define TQWEIR_RISK_RISK_ESTIMATE_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "risk/peak_distribution.h"
#include "risk/risk_file.h"

namespace tqweir {
namespace risk {

// What fails in one flood on a weir of N gates: K of them (their valves
// and float valves stay shut) and, while a gate is left that lowers, the
// power or not. With every gate failed the power changes nothing: that
// branch is one, without power_failure.
struct Branch {
  int failed = 0;              // K
  bool power_failure = false;
};

// One value per branch of weir_branches, in its order.
using BranchValues = std::vector<double>;

// The branches of a weir of `gates` gates: for K = 0 to N, with power then
// without, K = N once; 2N + 1 branches. One gate: no failure, power
// failure, gate failed.
std::vector<Branch> weir_branches(int gates);

// "no failure", "power failure", "gate failed" for one gate; on a weir of
// several, "2 gates failed", "2 gates failed + power failure", "all 4 gates
// failed".
std::string branch_name(const Branch& b, int gates);

// The probability of each of weir_branches(gates) in one flood: each gate
// fails independently with `gate`, so K gates with C(N, K) g^K (1-g)^(N-K);
// with fewer than N failed the power fails with `power`.
BranchValues branch_probabilities(int gates, double power, double gate);

// What a route of one event gives.
struct EventRoute {
  bool finished = false;    // the route reached the hydrograph's end
  double peak_level = 0.0;  // m, the pond's highest level
};

// Routes the flood of peak `peak` (m3/s) in `branch`. Called from several
// threads at once.
using RouteEvent = std::function<EventRoute(const Branch& branch, double peak)>;

struct RiskEvent {
  int realization = 0;
  int bin = -1;          // -1: the flood at aep_from, standing for the more frequent ones
  double aep = 0.0;      // of the peak
  double peak = 0.0;     // m3/s
  double weight = 0.0;   // annual probability the event stands for
  std::vector<EventRoute> routes;  // one per branch; unrouted ones (probability 0) unfinished
};

struct RiskRun {
  RiskFile plan;
  int gates = 1;                  // of the weir
  std::vector<Branch> branches;   // weir_branches(gates)
  BranchValues branch_p;          // their probabilities
  std::vector<PeakDistribution> laws;  // one per realization
  int failed_fits = 0;  // bootstrap records with no fit: the realization takes the law as given
  std::vector<RiskEvent> events;       // realization by realization, its aep_from event first
};

// The probability of each bin, rarest last.
std::vector<double> bin_weights(const RiskFile& plan);

// The peak law of each realization: the file's law, or with record_years
// the law refitted to a record of that many annual peaks drawn from it.
std::vector<PeakDistribution> realization_laws(const RiskFile& plan, int& failed_fits);

// Draws and routes every event on a weir of `gates` gates; progress(done,
// total) is called after each event (from the thread that routed it, one
// call at a time).
RiskRun run_risk(const RiskFile& plan, const RouteEvent& route, int threads,
                 const std::function<void(std::size_t, std::size_t)>& progress = nullptr,
                 int gates = 1);

// The AEP of a peak level above `level` in realization `r`; branch_aep
// only the share of the branch run.branches[branch] (the tail rarer than
// aep_to left out).
double level_aep(const RiskRun& run, int r, double level);
double branch_aep(const RiskRun& run, int r, double level, std::size_t branch);

// The standard error of level_aep from the spread of the events within
// their bins (stratified sampling); NaN with one event per bin.
double sampling_error(const RiskRun& run, int r, double level);

struct AepRow {
  double level = 0.0;   // m
  double aep = 0.0;     // the mean over the realizations
  double aep_5 = 0.0;   // their 5 % and 95 % quantiles
  double aep_95 = 0.0;
};

std::vector<AepRow> aep_curve(const RiskRun& run, const std::vector<double>& levels);

// Events (of all realizations) with a branch of non-zero probability whose
// route did not reach its end.
int unfinished_events(const RiskRun& run);

}  // namespace risk
}  // namespace tqweir

#endif  // TQWEIR_RISK_RISK_ESTIMATE_H_
