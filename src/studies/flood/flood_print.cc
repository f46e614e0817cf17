// The printout of a flood passage.
#include <cmath>
#include <cstdio>

#include "flood/vibration_band.h"
#include "text/number_text.h"
#include "studies/flood/flood_output.h"

namespace tqweir {
namespace operate {
namespace {

using text::fixed_text;

std::string level_text(double level) { return fixed_text(level, 3) + " m"; }
std::string flow_text(double flow) { return fixed_text(flow, 3) + " m3/s"; }

void print_span(const char* what, const flood::Span& span, std::ostream& out) {
  if (!span.started) {
    out << "  " << what << ": not started\n";
    return;
  }
  out << "  " << what << ": started " << clock_text(span.start) << ", "
      << (span.ended ? "ended " + clock_text(span.end) + ", after " +
                           text::shown_text((span.end - span.start) / 60.0, 2) + " min"
                     : std::string("not ended by the flood's end"))
      << "\n";
}

void print_lowering(const flood::FloodPassage& passage, const flood::GatePassage& gate,
                    const std::string& what, std::ostream& out) {
  if (gate.down_at_start) {
    out << "  " << what << ": the leaf is down at the start, "
        << clock_text(passage.route.points.front().time) << "\n";
    return;
  }
  print_span(what.c_str(), gate.lowering, out);
}

// "gate 3 " before a gate's line on a weir of several; nothing on one gate.
std::string gate_word(const flood::FloodPassage& passage, std::size_t gate) {
  return passage.gates.size() > 1 ? "gate " + std::to_string(gate + 1) + " " : "";
}

// Each gate's lowering and raising, or that its valves failed.
void print_movements(const flood::FloodPassage& passage, std::ostream& out) {
  for (std::size_t g = 0; g < passage.gates.size(); ++g) {
    const flood::GatePassage& gate = passage.gates[g];
    const std::string name = gate_word(passage, g);
    if (gate.failed) {
      out << "  " << name << "failed: its valves do not open, its air stays shut in\n";
      continue;
    }
    print_lowering(passage, gate, name + "lowering", out);
    print_span((name + "raising").c_str(), gate.raising, out);
  }
}

void print_flows(const flood::Route& route, std::ostream& out) {
  const FlowPeaks peaks = flow_peaks(route);
  out << "  peak inflow " << flow_text(peaks.inflow.inflow) << " at " << clock_text(peaks.inflow.time)
      << "; peak outflow " << flow_text(peaks.outflow_total) << " at " << clock_text(peaks.outflow.time) << "\n";
  out << "  attenuation " << attenuation_text(peaks) << ", the peak outflow "
      << text::shown_text((peaks.outflow.time - peaks.inflow.time) / 60.0, 1)
      << " min after the peak inflow\n";
}

// The fixed crest's peak discharge, and the time the leaf's nappe spends
// in the vibration band, when operation.csv gives them.
void print_weir(const flood::FloodPassage& passage, std::ostream& out) {
  const flood::Route& route = passage.route;
  if (!passage.weir.crests.empty()) {
    const flood::FixedCrest& c = passage.weir.crests.front();  // operation.csv gives one
    const flood::RoutePoint* peak = &route.points.front();
    for (const flood::RoutePoint& p : route.points) {
      if (p.fixed_outflow > peak->fixed_outflow) peak = &p;
    }
    out << "  fixed crest " << text::shown_text(c.length, 3) << " m at " << level_text(c.level)
        << ", C " << text::shown_text(c.coefficient, 3) << ": peak " << flow_text(peak->fixed_outflow)
        << " at " << clock_text(peak->time) << "\n";
  }
  if (!passage.weir.has_vibration_band) return;
  std::vector<double> times;
  for (const flood::RoutePoint& p : route.points) times.push_back(p.time);
  const double inside =
      flood::time_in_band(times, flood::overflow_depths(passage.states), passage.weir.band_from,
                          passage.weir.band_to);
  out << "  vibration_band " << text::shown_text(passage.weir.band_from, 3) << " to "
      << text::shown_text(passage.weir.band_to, 3) << " m of overflow depth: the leaf "
      << text::shown_text(inside / 60.0, 1) << " min (" << text::shown_text(inside, 0) << " s)"
      << (route.finished ? "" : " until the route stops") << "\n";
}

void print_switches(const flood::FloodPassage& passage, std::ostream& out) {
  for (const flood::RuleSwitch& s : passage.switches) {
    out << "  " << clock_text(s.time) << " at " << level_text(s.level) << ": "
        << gate_word(passage, s.gate) << flood::switch_text(s)
        << (s.what == flood::Switch::leaf_not_down ? " as the flood recedes past raise_at_level: raised once it is" : "")
        << "\n";
  }
}

void print_checks(const flood::FloodPassage& passage,
                  const std::vector<design::Criterion>& criteria,
                  const design::Limit& max_upstream_level, std::ostream& out) {
  const flood::Route& route = passage.route;
  for (const HighestRatio& h : highest_ratios(passage, criteria)) {
    out << "  highest " << h.criterion->name_en << " ratio " << fixed_text(h.ratio, 3) << " at "
        << clock_text(h.time) << "  " << design::verdict_word(h.verdict)
        << undetermined_note(h.verdict, route) << "\n";
  }
  if (!max_upstream_level.given) {
    out << "  max_upstream_level: not given in criteria.csv\n";
    return;
  }
  const Freeboard f = freeboard(route, max_upstream_level);
  out << "  freeboard to max_upstream_level " << max_upstream_level.text << " m: "
      << level_text(f.metres) << "  " << design::verdict_word(f.verdict)
      << undetermined_note(f.verdict, route) << "\n";
}

}  // namespace

std::string weir_line(const flood::FloodPassage& passage) {
  std::string failed;
  for (std::size_t g = 0; g < passage.gates.size(); ++g) {
    if (passage.gates[g].failed) failed += (failed.empty() ? "" : ", ") + std::to_string(g + 1);
  }
  return "  a weir of " + std::to_string(passage.gates.size()) + " gates; " +
         (failed.empty() ? std::string("none failed") : "failed: " + failed) + "\n";
}

FlowPeaks flow_peaks(const flood::Route& route) {
  FlowPeaks peaks;
  peaks.inflow = peaks.outflow = route.points.front();
  for (const flood::RoutePoint& p : route.points) {
    if (p.inflow > peaks.inflow.inflow) peaks.inflow = p;
    if (p.outflow + p.other_outflow + p.fixed_outflow >
        peaks.outflow.outflow + peaks.outflow.other_outflow + peaks.outflow.fixed_outflow) {
      peaks.outflow = p;
    }
  }
  peaks.outflow_total =
      peaks.outflow.outflow + peaks.outflow.other_outflow + peaks.outflow.fixed_outflow;
  return peaks;
}

std::string attenuation_text(const FlowPeaks& peaks) {
  const double attenuation = peaks.inflow.inflow - peaks.outflow_total;
  return text::shown_text(attenuation, 3) + " m3/s" +
         (peaks.inflow.inflow > 0.0
              ? " (" + text::shown_text(100.0 * attenuation / peaks.inflow.inflow, 1) + " %)"
              : "");
}

Freeboard freeboard(const flood::Route& route, const design::Limit& limit) {
  Freeboard f;
  f.metres = limit.value - route.peak.level;
  f.verdict = design::verdict_of(f.metres >= 0.0, route.finished);
  return f;
}

std::string undetermined_note(design::Verdict verdict, const flood::Route& route) {
  if (verdict != design::Verdict::not_determined || route.points.empty()) return "";
  return ": the route stops at " + clock_text(route.points.back().time);
}

std::string clock_text(double seconds) {
  // Truncated to the minute, as a clock reads; before the hydrograph's 0
  // the sign stands before the hours and minutes of the magnitude.
  const double minutes = std::floor(std::fabs(seconds) / 60.0 + 1e-9);
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%s%.0f h %02.0f min (%s s)", seconds < 0.0 ? "-" : "",
                std::floor(minutes / 60.0), std::fmod(minutes, 60.0),
                text::shown_text(seconds, 0).c_str());
  return buffer;
}

void print_flood(const flood::FloodPassage& passage, const std::vector<design::Criterion>& criteria,
                 const design::Limit& max_upstream_level, bool power_failure, std::ostream& out) {
  const flood::Route& route = passage.route;
  out << (power_failure ? "  without power: the float valve only, no blower\n"
                        : "  with power: the valve and the blower by the rule\n");
  if (passage.gates.size() > 1) out << weir_line(passage);
  out << overfall_line(passage);
  out << "  start " << level_text(passage.start_level)
      << (passage.steady_start ? " (steady with the first inflow)" : " (initial_level)") << "\n";
  if (!route.points.empty()) {
    out << "  peak level " << level_text(route.peak.level) << " at " << clock_text(route.peak.time)
        << "\n";
    print_flows(route, out);
    print_weir(passage, out);
  }
  print_switches(passage, out);
  print_movements(passage, out);
  for (const flood::FoldMet& f : passage.folds) {
    out << "  " << gate_word(passage, f.gate) << "fold at " << clock_text(f.time)
        << ": the leaf jumps from "
        << fixed_text(f.from_deg, 2) << " to " << fixed_text(f.to_deg, 2)
        << " degrees (path at " << level_text(f.level) << ")\n";
  }
  // The stop before the checks it leaves undetermined.
  if (!route.finished) out << "  the route stops: " << route.stop << "\n";
  if (!route.points.empty()) print_checks(passage, criteria, max_upstream_level, out);
  out << "  " << route.steps << " steps, " << route.evaluations << " right-hand sides, "
      << passage.solves << " solves\n";
}

}  // namespace operate
}  // namespace tqweir
