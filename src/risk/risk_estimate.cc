#include "risk/risk_estimate.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "risk/event_draw.h"
#include "risk/risk_block.h"

namespace tqweir {
namespace risk {
namespace {

bool exceeds(const EventRoute& r, double level) { return !r.finished || r.peak_level > level; }

// The event's share of the AEP at `level` over the branches, before its weight.
double event_share(const RiskRun& run, const RiskEvent& e, double level) {
  double s = 0.0;
  for (std::size_t b = 0; b < run.branches.size(); ++b) {
    if (run.branch_p[b] > 0.0 && exceeds(e.routes[b], level)) s += run.branch_p[b];
  }
  return s;
}

std::size_t events_per_realization(const RiskFile& plan) {
  return 1 + static_cast<std::size_t>(plan.bins) * static_cast<std::size_t>(plan.events_per_bin);
}

// Linear between order statistics (Hyndman and Fan's type 7).
double quantile_of(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  const double h = p * static_cast<double>(v.size() - 1);
  const std::size_t k = static_cast<std::size_t>(std::floor(h));
  if (k + 1 >= v.size()) return v.back();
  return v[k] + (h - static_cast<double>(k)) * (v[k + 1] - v[k]);
}

}  // namespace

std::vector<Branch> weir_branches(int gates) {
  std::vector<Branch> branches;
  for (int k = 0; k < gates; ++k) {
    branches.push_back({k, false});
    branches.push_back({k, true});
  }
  branches.push_back({gates, false});
  return branches;
}

std::string branch_name(const Branch& b, int gates) {
  if (b.failed == 0) return b.power_failure ? "power failure" : "no failure";
  if (gates == 1) return "gate failed";
  if (b.failed == gates) return "all " + std::to_string(gates) + " gates failed";
  return std::to_string(b.failed) + (b.failed == 1 ? " gate failed" : " gates failed") +
         (b.power_failure ? " + power failure" : "");
}

BranchValues branch_probabilities(int gates, double power, double gate) {
  BranchValues p;
  for (const Branch& b : weir_branches(gates)) {
    // C(N, K) g^K (1-g)^(N-K) by products: for one gate every factor is 1
    // or the probability itself, and C(N, K) stays an exact integer (its
    // partial products below 2^53) up to operation.csv's 50 gates.
    double choices = 1.0, failed = 1.0, held = 1.0;
    for (int i = 1; i <= b.failed; ++i) choices = choices * (gates - b.failed + i) / i;
    for (int i = 0; i < b.failed; ++i) failed *= gate;
    for (int i = b.failed; i < gates; ++i) held *= 1.0 - gate;
    const double k_failed = choices * failed * held;
    if (b.failed == gates) {
      p.push_back(k_failed);
    } else {
      p.push_back(k_failed * (b.power_failure ? power : 1.0 - power));
    }
  }
  return p;
}

std::vector<double> bin_weights(const RiskFile& plan) {
  const double y0 = gumbel_variate(plan.aep_from), y1 = gumbel_variate(plan.aep_to);
  std::vector<double> w;
  for (int b = 0; b < plan.bins; ++b) {
    const double lo = y0 + (y1 - y0) * b / plan.bins;
    const double hi = b + 1 == plan.bins ? y1 : y0 + (y1 - y0) * (b + 1) / plan.bins;
    w.push_back(aep_of_variate(lo) - aep_of_variate(hi));
  }
  return w;
}

std::vector<PeakDistribution> realization_laws(const RiskFile& plan, int& failed_fits) {
  failed_fits = 0;
  std::vector<PeakDistribution> laws(static_cast<std::size_t>(plan.realizations), plan.peak);
  if (plan.record_years == 0) return laws;
  for (int r = 0; r < plan.realizations; ++r) {
    std::vector<double> record;
    for (int year = 0; year < plan.record_years; ++year) {
      const DrawIndex index{DrawStream::record_peak, static_cast<std::uint64_t>(r), 0,
                            static_cast<std::uint64_t>(year)};
      record.push_back(peak_at(plan.peak, uniform_draw(plan.seed, index)));
    }
    PeakDistribution fitted;
    if (fit_law(plan.peak.law, record, fitted)) {
      laws[static_cast<std::size_t>(r)] = fitted;
    } else {
      ++failed_fits;
    }
  }
  return laws;
}

RiskRun run_risk(const RiskFile& plan, const RouteEvent& route, int threads,
                 const std::function<void(std::size_t, std::size_t)>& progress, int gates) {
  RiskRun run = planned_run(plan, gates);
  std::vector<RiskBlock> all;
  all.push_back(run_risk_block(run, route, threads, 0, risk_event_count(plan), progress));
  merge_blocks(run, std::move(all));
  return run;
}

double level_aep(const RiskRun& run, int r, double level) {
  const std::size_t per = events_per_realization(run.plan);
  double aep = run.plan.aep_to;
  for (std::size_t i = per * static_cast<std::size_t>(r); i < per * static_cast<std::size_t>(r + 1); ++i) {
    aep += run.events[i].weight * event_share(run, run.events[i], level);
  }
  return std::min(1.0, aep);
}

double branch_aep(const RiskRun& run, int r, double level, std::size_t branch) {
  const std::size_t per = events_per_realization(run.plan);
  const std::size_t b = branch;
  if (!(run.branch_p[b] > 0.0)) return 0.0;
  double aep = 0.0;
  for (std::size_t i = per * static_cast<std::size_t>(r); i < per * static_cast<std::size_t>(r + 1); ++i) {
    if (exceeds(run.events[i].routes[b], level)) aep += run.events[i].weight * run.branch_p[b];
  }
  return aep;
}

double sampling_error(const RiskRun& run, int r, double level) {
  const std::size_t n = static_cast<std::size_t>(run.plan.events_per_bin);
  if (n < 2) return NAN;
  const std::vector<double> weights = bin_weights(run.plan);
  const std::size_t first = events_per_realization(run.plan) * static_cast<std::size_t>(r) + 1;
  double variance = 0.0;
  for (std::size_t b = 0; b < weights.size(); ++b) {
    double sum = 0.0, sum2 = 0.0;
    for (std::size_t k = 0; k < n; ++k) {
      const double v = event_share(run, run.events[first + b * n + k], level);
      sum += v;
      sum2 += v * v;
    }
    const double mean = sum / static_cast<double>(n);
    const double s2 = std::max(0.0, (sum2 - static_cast<double>(n) * mean * mean) / static_cast<double>(n - 1));
    variance += weights[b] * weights[b] * s2 / static_cast<double>(n);
  }
  return std::sqrt(variance);
}

std::vector<AepRow> aep_curve(const RiskRun& run, const std::vector<double>& levels) {
  std::vector<AepRow> rows;
  for (const double level : levels) {
    std::vector<double> each;
    double sum = 0.0;
    for (int r = 0; r < run.plan.realizations; ++r) {
      each.push_back(level_aep(run, r, level));
      sum += each.back();
    }
    AepRow row;
    row.level = level;
    row.aep = sum / static_cast<double>(each.size());
    row.aep_5 = quantile_of(each, 0.05);
    row.aep_95 = quantile_of(each, 0.95);
    rows.push_back(row);
  }
  return rows;
}

int unfinished_events(const RiskRun& run) {
  int count = 0;
  for (const RiskEvent& e : run.events) {
    for (std::size_t b = 0; b < run.branches.size(); ++b) {
      if (run.branch_p[b] > 0.0 && !e.routes[b].finished) {
        ++count;
        break;
      }
    }
  }
  return count;
}

}  // namespace risk
}  // namespace tqweir
