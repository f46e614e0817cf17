// The printout and the curve's table of a flood risk.
#include <cmath>
#include <cstdio>

#include "risk/peak_distribution.h"
#include "studies/risk/risk_study.h"
#include "text/csv_cells.h"
#include "text/number_text.h"

namespace tqweir {
namespace risk_study {

std::string aep_text(double p) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.4g", p);
  return buffer;
}

std::string law_text(const risk::PeakDistribution& d) {
  switch (d.law) {
    case risk::PeakLaw::gumbel:
      return "gumbel, location " + aep_text(d.a) + " m3/s, scale " + aep_text(d.b) + " m3/s";
    case risk::PeakLaw::gev:
      return "gev, location " + aep_text(d.a) + " m3/s, scale " + aep_text(d.b) +
             " m3/s, shape k " + aep_text(d.c) + " (Hosking's sign)";
    case risk::PeakLaw::log_pearson3:
      return "log-pearson3 of log10(m3/s), mean " + aep_text(d.a) + ", sd " + aep_text(d.b) +
             ", skew " + aep_text(d.c);
    case risk::PeakLaw::table:
      return "peak_table of " + std::to_string(d.table.size()) +
             " points, linear in the Gumbel variate";
  }
  return "";
}

std::string years_text(double aep) { return text::fixed_text(1.0 / aep, 0) + " years"; }

void print_risk(const RiskStudy& s, const RiskJob& job, std::ostream& out) {
  const risk::RiskFile& f = job.risk;
  const risk::RiskRun& run = s.run;
  out << "flood risk of " << job.dir << "\n";
  out << "  peak inflow: " << law_text(f.peak) << "\n";
  out << "  each flood: " << job.shape_name << " scaled about its first row's "
      << text::exact_text(job.shape.flows.front()) << " m3/s to the sampled peak\n";
  if (f.record_years > 0) {
    out << "  " << f.realizations << " realizations, each law refitted to " << f.record_years
        << " annual peaks drawn from it (Gumbel, GEV: L-moments; log-Pearson III: moments of log10)";
    if (run.failed_fits > 0) out << "; " << run.failed_fits << " records gave no fit and keep the law as given";
    out << "\n";
  } else if (f.realizations > 1) {
    out << "  " << f.realizations << " realizations of the same law (sampling spread alone)\n";
  }
  out << "  failures per flood: power " << aep_text(f.power_failure_probability) << ", gate "
      << aep_text(f.gate_failure_probability) << "; branches by total probability:";
  for (std::size_t b = 0; b < run.branches.size(); ++b) {
    out << (b == 0 ? " " : ", ") << risk::branch_name(run.branches[b], run.gates) << " "
        << aep_text(run.branch_p[b]);
  }
  out << "\n";
  if (run.gates > 1) {
    out << "  " << run.gates << " gates: with K of them failed, the K that would lower first "
        << "(by their levels, then number) are the failed ones, the worst choice by position\n";
  }
  out << "  sampled: AEP " << aep_text(f.aep_from) << " to " << aep_text(f.aep_to) << ", " << f.bins
      << " bins of equal width in the Gumbel variate x " << f.events_per_bin << " events, seed "
      << f.seed << "\n";
  out << "  covered: floods rarer than AEP " << aep_text(f.aep_to)
      << " count as passing every level (AEP " << aep_text(f.aep_to)
      << " added throughout); floods more frequent than AEP " << aep_text(f.aep_from)
      << " count at the level of the flood at AEP " << aep_text(f.aep_from) << " (weight "
      << aep_text(1.0 - f.aep_from) << ")\n";
  out << "  routes: " << run.events.size() << " events, " << s.routes << " flood passages";
  if (s.unfinished > 0) {
    out << "; " << s.unfinished << " events with a route that did not reach its end count as "
        << "passing every level: every AEP below is an upper bound, not determined";
  } else {
    out << ", every route to the hydrograph's end";
  }
  out << "\n";
  if (s.has_limit) {
    out << "max_upstream_level " << job.max_level.text << " m passed: AEP " << aep_text(s.limit.aep)
        << ", return period " << years_text(s.limit.aep);
    if (std::isfinite(s.limit_error)) out << ", sampling error " << aep_text(s.limit_error);
    if (f.realizations > 1) {
      out << "; 5 % to 95 % of the realizations " << aep_text(s.limit.aep_5) << " to "
          << aep_text(s.limit.aep_95);
    }
    out << "\n  by branch:";
    for (std::size_t b = 0; b < run.branches.size(); ++b) {
      out << (b == 0 ? " " : ", ") << risk::branch_name(run.branches[b], run.gates) << " "
          << aep_text(s.limit_branches[b]);
    }
    out << ", rarer than aep_to " << aep_text(f.aep_to) << "\n";
  } else {
    out << "criteria.csv gives no max_upstream_level: the curve alone\n";
  }
  const std::size_t stride = s.curve.size() / 20 + 1;
  out << "  level m     AEP         return period" << (f.realizations > 1 ? "   AEP 5 %     AEP 95 %" : "")
      << "\n";
  for (std::size_t k = 0; k < s.curve.size(); k += stride) {
    const risk::AepRow& r = s.curve[k];
    char line[160];
    std::snprintf(line, sizeof line, "  %-10s  %-10s  %-13s", text::fixed_text(r.level, 2).c_str(),
                  aep_text(r.aep).c_str(), years_text(r.aep).c_str());
    out << line;
    if (f.realizations > 1) {
      std::snprintf(line, sizeof line, "   %-10s  %-10s", aep_text(r.aep_5).c_str(), aep_text(r.aep_95).c_str());
      out << line;
    }
    out << "\n";
  }
  const double events = static_cast<double>(std::max<std::size_t>(1, run.events.size()));
  out << "  time: " << text::fixed_text(s.seconds, 1) << " s for the events ("
      << text::fixed_text(s.cpu_seconds, 1) << " s of processor time), "
      << text::fixed_text(1000.0 * s.seconds / events, 2) << " ms per event ("
      << text::fixed_text(1000.0 * s.seconds / std::max(1, s.routes), 2) << " ms per passage), after "
      << text::fixed_text(s.presolve_seconds, 1) << " s routing the rarest flood and solving "
      << s.grid_levels << " grid levels of the gate's paths\n";
}

std::string risk_table(const RiskStudy& s) {
  const bool spread = s.run.plan.realizations > 1;
  std::string csv = text::csv_line(spread ? std::vector<std::string>{"level_m", "aep", "aep_5", "aep_95"}
                                          : std::vector<std::string>{"level_m", "aep"});
  for (const risk::AepRow& r : s.curve) {
    std::vector<std::string> cells = {text::exact_text(r.level), text::exact_text(r.aep)};
    if (spread) {
      cells.push_back(text::exact_text(r.aep_5));
      cells.push_back(text::exact_text(r.aep_95));
    }
    csv += text::csv_line(cells);
  }
  return csv;
}

}  // namespace risk_study
}  // namespace tqweir
