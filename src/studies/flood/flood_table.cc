// The series of a flood passage and the design checks along it.
#include <algorithm>

#include "core/constants.h"
#include "flood/flood_rule.h"
#include "text/csv_cells.h"
#include "text/number_text.h"
#include "studies/flood/flood_output.h"

namespace tqweir {
namespace operate {
namespace {

double field(const flood::GateState& s, SummaryId id) {
  return s.values[static_cast<std::size_t>(summary_index(id))];
}

// The highest ratio of `c` over the gates at point k.
double highest_ratio_at(const flood::FloodPassage& passage, std::size_t k,
                        const design::Criterion& c) {
  double highest = state_ratio(passage.gates.front().states[k], c);
  for (const flood::GatePassage& gate : passage.gates) highest = std::max(highest, state_ratio(gate.states[k], c));
  return highest;
}

}  // namespace

double state_ratio(const flood::GateState& state, const design::Criterion& criterion) {
  // The unrounded result through the checks' own reading of a printed one,
  // so that a unit moved for the check (MPa to kPa) is moved the same way.
  return design::check_printed(text::exact_text(field(state, criterion.field)), criterion).ratio;
}

std::vector<HighestRatio> highest_ratios(const flood::FloodPassage& passage,
                                         const std::vector<design::Criterion>& criteria) {
  std::vector<HighestRatio> highest;
  for (const design::Criterion& c : criteria) {
    if (!c.given) continue;
    HighestRatio h;
    h.criterion = &c;
    bool first = true;
    for (const flood::GatePassage& gate : passage.gates) {
      for (std::size_t k = 0; k < gate.states.size(); ++k) {
        const double ratio = state_ratio(gate.states[k], c);
        if (first || ratio > h.ratio) {
          h.ratio = ratio;
          h.time = passage.route.points[k].time;
          first = false;
        }
      }
    }
    h.verdict = design::verdict_of(h.ratio <= 1.0, passage.route.finished);
    highest.push_back(h);
  }
  return highest;
}

std::string overfall_line(const flood::FloodPassage& passage) {
  if (!passage.drowned) return "  free overfall over the leaf: operation.csv gives no tailwater_curve\n";
  std::size_t least = 0;
  for (std::size_t k = 0; k < passage.states.size(); ++k) {
    if (passage.states[k].submergence < passage.states[least].submergence) least = k;
  }
  const std::string line = "  tailwater_curve drowns the overfall (Villemonte)";
  if (passage.states.empty() || !(passage.states[least].submergence < 1.0)) {
    return line + " once it rises above the crest: it stays below\n";
  }
  const flood::GateState& s = passage.states[least];
  return line + ": least factor " + text::fixed_text(s.submergence, 3) + " at " +
         clock_text(passage.route.points[least].time) + ", tailwater " +
         text::fixed_text(s.tailwater_level, 3) + " m\n";
}

std::string flood_series(const flood::FloodPassage& passage,
                         const std::vector<design::Criterion>& criteria) {
  std::vector<std::string> header{"time_s", "inflow_m3s", "outflow_m3s", "other_outflow_m3s",
                                  "upstream_level_m", "storage_m3", "air_m3_per_m", "regime",
                                  "theta1_deg", "stopper_tension_kn", "bag_pressure_kpa",
                                  "bag_tension_kn_per_m"};
  for (const design::Criterion& c : criteria) {
    if (c.given) header.push_back(std::string("ratio_") + c.key);
  }
  if (passage.drowned) {
    header.push_back("tailwater_level_m");
    header.push_back("submergence_factor");
  }
  const std::size_t gates = passage.gates.size() > 1 ? passage.gates.size() : 0;
  for (std::size_t g = 0; g < gates; ++g) {
    const std::string name = "gate" + std::to_string(g + 1) + "_";
    for (const char* column : {"theta1_deg", "air_m3_per_m", "outflow_m3s"}) header.push_back(name + column);
  }
  const bool crests = !passage.weir.crests.empty();
  if (crests) header.push_back("fixed_crest_outflow_m3s");
  std::string text = text::csv_line(header);
  for (std::size_t k = 0; k < passage.states.size(); ++k) {
    const flood::RoutePoint& p = passage.route.points[k];
    const flood::GateState& s = passage.states[k];
    const double gauge = (flood::bag_p_abs(s, p.airs.front()) - kAtmosphericPressure) / 1000.0;
    std::vector<std::string> cells{
        text::exact_text(p.time),       text::exact_text(p.inflow),
        text::exact_text(p.outflow),    text::exact_text(p.other_outflow),
        text::exact_text(p.level),      text::exact_text(p.storage),
        text::exact_text(p.airs.front()), flood::regime_word(s.regime),
        text::exact_text(s.theta1_deg), text::exact_text(s.stopper_tension),
        text::exact_text(gauge),        text::exact_text(field(s, SummaryId::bag_tension))};
    for (const design::Criterion& c : criteria) {
      if (c.given) cells.push_back(text::exact_text(highest_ratio_at(passage, k, c)));
    }
    if (passage.drowned) {
      cells.push_back(text::exact_text(s.tailwater_level));
      cells.push_back(text::exact_text(s.submergence));
    }
    for (std::size_t g = 0; g < gates; ++g) {
      const flood::GateState& gate = passage.gates[g].states[k];
      cells.push_back(text::exact_text(gate.theta1_deg));
      cells.push_back(text::exact_text(p.airs[g]));
      cells.push_back(text::exact_text(gate.outflow));
    }
    if (crests) cells.push_back(text::exact_text(p.fixed_outflow));
    text += text::csv_line(cells);
  }
  return text;
}

}  // namespace operate
}  // namespace tqweir
