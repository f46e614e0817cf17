#include "leaf/net_pressure.h"

#include <cmath>

namespace tqweir {
namespace leaf {
namespace {

bool is_water(Term term) { return term == Term::upstream || term == Term::layer || term == Term::downstream; }

// The sum of the pressures normal to segment `segment` at `s`, of the
// pieces ending there (`before`) or starting there.
double net_at(const AppliedLoads& loads, const LeafLine& line, int segment, double s, bool before,
              double water_scale) {
  const Vec t = line.tangent(segment);
  double sum = 0.0;
  for (const LineLoad& load : loads.lines) {
    if (load.segment != segment || !(load.sb > load.sa)) continue;
    const bool covers = before ? (load.sa < s && s <= load.sb) : (load.sa <= s && s < load.sb);
    if (!covers) continue;
    const double u = (s - load.sa) / (load.sb - load.sa);
    const Vec f{load.fa.x + u * (load.fb.x - load.fa.x), load.fa.y + u * (load.fb.y - load.fa.y)};
    // The lower face's inward normal is the tangent turned clockwise.
    const double normal = f.x * t.y - f.y * t.x;
    sum += is_water(load.term) ? normal / water_scale : normal;
  }
  return sum;
}

}  // namespace

Extreme largest_net_pressure(const AppliedLoads& loads, const LeafLine& line, double water_scale) {
  Extreme out;
  bool first = true;
  for (const LineLoad& load : loads.lines) {
    for (double s : {load.sa, load.sb}) {
      for (bool before : {true, false}) {
        const double p = net_at(loads, line, load.segment, s, before, water_scale);
        if (!first && !(std::fabs(p) > std::fabs(out.value))) continue;
        out.value = p;
        out.s = s;
        out.at = point_on_segment(line, load.segment, s);
        first = false;
      }
    }
  }
  return out;
}

}  // namespace leaf
}  // namespace tqweir
