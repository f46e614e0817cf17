// The flood risk of a design: every sampled flood routed through the pond
// over the gate (flood/flood_passage.h) in each branch, on one grid of the
// gate's paths shared by the threads, and the AEP curve of the pond's peak
// level with the AEP of passing max_upstream_level.
#ifndef TQWEIR_STUDIES_RISK_RISK_STUDY_H_
#define TQWEIR_STUDIES_RISK_RISK_STUDY_H_

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "flood/flood_passage.h"
#include "risk/risk_estimate.h"
#include "studies/risk/risk_job.h"

namespace tqweir {
namespace risk_study {

struct RiskStudy {
  risk::RiskRun run;
  std::vector<risk::AepRow> curve;  // levels every 0.01 m (or coarser) over the peaks reached
  bool has_limit = false;
  risk::AepRow limit;               // at max_upstream_level
  double limit_error = 0.0;         // the first realization's standard error there
  risk::BranchValues limit_branches;  // each branch's share there, mean over the realizations
  int unfinished = 0;               // events with a route that stopped
  int grid_levels = 0;              // the gate's paths solved
  double presolve_seconds = 0.0;    // s, routing the rarest flood and filling the grid
  double seconds = 0.0;             // s, the events
  double cpu_seconds = 0.0;         // s of processor time over every thread, the events
  int routes = 0;                   // flood passages of the events
};

// Routes `job`'s events on `threads` threads (at least 1); progress(done,
// total) after each event.
RiskStudy run_risk_study(const RiskJob& job, int threads,
                         const std::function<void(std::size_t, std::size_t)>& progress = nullptr);

// The settings of every route of a risk: the peak alone, no series.
flood::PassageSettings risk_passage_settings();

// The flood of peak `peak` (m3/s) routed in `branch` on `shared`'s paths;
// a route with no steady start is unfinished.
risk::EventRoute route_event(const RiskJob& job, flood::SharedPaths& shared, const risk::Branch& branch,
                             double peak);

// Solves into `shared` the paths the events will read: the rarest flood
// any realization samples routed in every branch (those with some of a
// weir's gates failed one by one, then the sealed gate's levels between
// the lowest and highest met), then every grid level between the lowest
// and highest it met, on `threads` threads. Returns the threads the events
// may take: 1 when what the routes share was not all made.
int presolve_paths(const RiskJob& job, flood::SharedPaths& shared, int threads);

// Fills the curve, the limit's AEP with its error and branch shares, the
// routes and the unfinished events of `s.run`, routed.
void summarize_risk(const RiskJob& job, RiskStudy& s);

// The printout of the study: what was sampled, what the estimate covers
// and how, the limit's AEP by branch, the curve at a few levels, the time.
void print_risk(const RiskStudy& study, const RiskJob& job, std::ostream& out);

// An AEP or a probability, to four significant digits ("0.008305", "1e-05").
std::string aep_text(double p);

// The return period of `aep` (> 0) in whole years: "120 years".
std::string years_text(double aep);

// The peak law as the printout names it: "gumbel, location 25 m3/s, scale 8 m3/s".
std::string law_text(const risk::PeakDistribution& d);

// The curve as CSV (CP932, CR LF): level_m, aep, and with more than one
// realization aep_5, aep_95.
std::string risk_table(const RiskStudy& study);

}  // namespace risk_study
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_RISK_RISK_STUDY_H_
