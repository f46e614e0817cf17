#include "studies/self_check/run_geometry.h"

#include <cmath>

#include "core/stop.h"
#include "driver/case_solver.h"
#include "drawing/plane_distance.h"

namespace tqweir {
namespace verify {

double RunGeometry::summary_value(SummaryId id) const {
  return summary.value[static_cast<std::size_t>(summary_index(id))];
}

double polyline_length(const std::vector<Point>& points, std::size_t begin, std::size_t end) {
  double length = 0.0;
  for (std::size_t i = begin + 1; i < end; ++i) {
    length += drawing::plane_distance(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
  }
  return length;
}

RunGeometry read_run_geometry(const CaseInput& input, const RunTexts& files) {
  RunGeometry g;
  text::RunResults results;
  try {
    results = text::parse_outputs(files);
  } catch (const text::RunFilesError&) {
    return g;
  }
  g.leaf = results.leaf;
  g.stopper = {results.stopper_anchor, results.stopper_foot};
  g.outline = results.bag;
  g.surface = results.surface;
  g.summary = results.summary;
  try {
    const RunState state = prepare_run_state(input);
    g.theta1 = state.derived.theta1;
    g.theta2 = state.derived.theta2;
    g.hd_nd = state.derived.hd_nd;
    g.stopper_force = state.derived.stopper_force;
  } catch (const StopRun&) {
    return g;
  }
  // The outline's layout (docs/file-formats.md): the hinge, arc 1 of
  // ceil(300 theta1 / pi) rows when that is 2 or more, arc 2 of 300 rows at
  // depth steps of 1/300 from the top, arc 3 of ceil(300 theta2 / pi) rows,
  // the hinge again.
  const int count1 = static_cast<int>(std::ceil(300 * g.theta1 / kPi));
  const int count3 = static_cast<int>(std::ceil(300 * g.theta2 / kPi));
  g.arc1_begin = 1;
  g.arc2_begin = 1 + (count1 >= 2 ? count1 : 0);
  g.arc3_begin = g.arc2_begin + 300;
  g.arc3_end = g.arc3_begin + (count3 > 0 ? count3 : 0);
  if (static_cast<int>(g.outline.size()) != g.arc3_end + 1) return g;
  // Row k of arc 2 lies k/300 bag heights below the top.
  const Point& top = g.outline[static_cast<std::size_t>(g.arc2_begin)];
  const Point& last = g.outline[static_cast<std::size_t>(g.arc2_begin + 299)];
  g.bag_height = (top.y - last.y) * 300.0 / 299.0;
  if (g.arc2_begin > g.arc1_begin) {
    const Point& p1 = g.outline[static_cast<std::size_t>(g.arc1_begin)];
    g.leaf_contact = drawing::plane_distance(p1.x, p1.y);
  } else {
    g.leaf_contact = g.summary_value(SummaryId::chord1_m);
    g.leaf_contact_rounding = 0.5e-3;  // half the summary's last digit
  }
  g.ok = g.bag_height > 0;
  return g;
}

SelfCheck make_check(const char* id, const char* en, const char* ja, const char* unit,
                     double value, double expected, double tolerance) {
  SelfCheck c;
  c.id = id;
  c.what_en = en;
  c.what_ja = ja;
  c.unit = unit;
  c.value = value;
  c.expected = expected;
  c.difference = std::fabs(value - expected);
  c.tolerance = tolerance;
  return c;
}

}  // namespace verify
}  // namespace tqweir
