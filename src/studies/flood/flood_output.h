// What tqweir-operate prints and tabulates of a flood passage and of a
// rating.
#ifndef TQWEIR_STUDIES_FLOOD_FLOOD_OUTPUT_H_
#define TQWEIR_STUDIES_FLOOD_FLOOD_OUTPUT_H_

#include <ostream>
#include <string>
#include <vector>

#include "design/design_checks.h"
#include "flood/flood_passage.h"

namespace tqweir {
namespace operate {

// The highest ratio of one check over the flood.
struct HighestRatio {
  const design::Criterion* criterion = nullptr;
  double ratio = 0.0;
  double time = 0.0;  // s
  // NG above 1; at most 1, OK when the route reached the flood's end, else
  // not determined.
  design::Verdict verdict = design::Verdict::not_determined;
};

// The given criteria's highest ratios over every gate's states.
std::vector<HighestRatio> highest_ratios(const flood::FloodPassage& passage,
                                         const std::vector<design::Criterion>& criteria);

// The ratio of `criterion` in `state`, as the design checks take a result.
double state_ratio(const flood::GateState& state, const design::Criterion& criterion);

// The freeboard to max_upstream_level: the limit less the highest level
// the route reached (m), NG below 0, and at 0 or above OK when the route
// reached the flood's end, else not determined.
struct Freeboard {
  double metres = 0.0;
  design::Verdict verdict = design::Verdict::not_determined;
};

// REQUIRES: limit.given, the route's points not empty.
Freeboard freeboard(const flood::Route& route, const design::Limit& limit);

// After a check's OK/NG: "" for a check that is determined, else
// ": the route stops at 10 h 24 min (37440 s)", the time reached.
std::string undetermined_note(design::Verdict verdict, const flood::Route& route);

// The printout: the start, the peak level and when, the peak outflow and
// the attenuation, when lowering and raising started and ended, the
// highest ratio of each check, each fold met, the freeboard to
// `max_upstream_level` with OK/NG (not determined after a stop, which is
// printed before them), and the work done. Times are the hydrograph's own.
void print_flood(const flood::FloodPassage& passage, const std::vector<design::Criterion>& criteria,
                 const design::Limit& max_upstream_level, bool power_failure, std::ostream& out);

// The printout's line on a weir of several gates: how many, and which
// failed ("  a weir of 4 gates; failed: 2, 3").
std::string weir_line(const flood::FloodPassage& passage);

// The printout's line on the overfall: free, or drowned by tailwater_curve
// with the least submergence factor met, when and the tailwater there.
std::string overfall_line(const flood::FloodPassage& passage);

// The series (CP932, CR LF): time_s, inflow_m3s, outflow_m3s,
// other_outflow_m3s, upstream_level_m, storage_m3, air_m3_per_m, regime,
// theta1_deg, stopper_tension_kn, bag_pressure_kpa, bag_tension_kn_per_m,
// then ratio_KEY for each given criterion; with the leaf drowned, then
// tailwater_level_m and submergence_factor (the discharge over the leaf
// against its free overfall); on a weir of several gates, then each
// gate's gateG_theta1_deg, gateG_air_m3_per_m and gateG_outflow_m3s (the
// columns before are gate 1's state, the ratios the highest over the
// gates). Numbers as the shortest decimal that reads back.
std::string flood_series(const flood::FloodPassage& passage,
                         const std::vector<design::Criterion>& criteria);

// The points of the highest inflow and of the highest outflow (over the
// leaf and elsewhere), the first of each when several tie.
struct FlowPeaks {
  flood::RoutePoint inflow;
  flood::RoutePoint outflow;
  double outflow_total = 0.0;  // m3/s, outflow.outflow + outflow.other_outflow
};

// REQUIRES: route.points not empty.
FlowPeaks flow_peaks(const flood::Route& route);

// The peak inflow less the peak outflow: "2.345 m3/s (3.9 %)", the share
// of the peak inflow when there is one; no sign on a zero.
std::string attenuation_text(const FlowPeaks& peaks);

// "14 h 02 min (50520 s)", "-5 h 09 min (-18572 s)": the hydrograph's own
// time, its sign before the hours and minutes of its magnitude.
std::string clock_text(double seconds);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FLOOD_FLOOD_OUTPUT_H_
