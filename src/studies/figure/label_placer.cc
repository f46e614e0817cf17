#include "studies/figure/label_placer.h"

#include <algorithm>
#include <cstring>

#include "studies/figure/svg_page.h"

namespace tqweir {
namespace plot {

bool segment_meets_box(double x1, double y1, double x2, double y2, const Box& box) {
  // Liang-Barsky: clip the parameter range [0, 1] of the segment against
  // the four sides; the segment meets the box when a range is left.
  const double p[4] = {x1 - x2, x2 - x1, y1 - y2, y2 - y1};
  const double q[4] = {x1 - box.x0, box.x1 - x1, y1 - box.y0, box.y1 - y1};
  double t0 = 0.0, t1 = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;  // parallel to this side and outside it
    } else if (p[i] < 0.0) {
      t0 = std::max(t0, q[i] / p[i]);
    } else {
      t1 = std::min(t1, q[i] / p[i]);
    }
    if (t0 > t1) return false;
  }
  return true;
}

void LabelPlacer::avoid_line(const std::vector<double>& xs, const std::vector<double>& ys) {
  for (std::size_t i = 1; i < xs.size() && i < ys.size(); ++i) {
    segments_.push_back({xs[i - 1], ys[i - 1], xs[i], ys[i]});
  }
}

Box LabelPlacer::box_of(const std::string& text, const LabelSpot& spot) const {
  const double width = drawing::text_width(text, font_size_);
  const double x0 = spot.x - (std::strcmp(spot.anchor, "end") == 0      ? width
                              : std::strcmp(spot.anchor, "middle") == 0 ? width / 2.0
                                                                        : 0.0);
  const double margin = 2.0;
  return {x0 - margin, spot.y - 0.9 * font_size_ - margin, x0 + width + margin,
          spot.y + 0.25 * font_size_ + margin};
}

int LabelPlacer::conflicts(const Box& b) const {
  int cost = b.x0 < area_.x0 || b.y0 < area_.y0 || b.x1 > area_.x1 || b.y1 > area_.y1 ? 100 : 0;
  for (const Box& t : taken_) {
    if (b.x0 < t.x1 && t.x0 < b.x1 && b.y0 < t.y1 && t.y0 < b.y1) cost += 10;
  }
  for (const Segment& s : segments_) cost += segment_meets_box(s.x1, s.y1, s.x2, s.y2, b);
  return cost;
}

std::string LabelPlacer::place(const std::string& text, const std::vector<LabelSpot>& spots) {
  if (spots.empty()) return "";
  LabelSpot chosen = spots.front();
  int least = -1;
  for (const LabelSpot& spot : spots) {
    const int cost = conflicts(box_of(text, spot));
    if (least < 0 || cost < least) {
      least = cost;
      chosen = spot;
    }
    if (cost == 0) break;
  }
  taken_.push_back(box_of(text, chosen));
  return drawing::text_element(chosen.x, chosen.y, text,
                             std::string("text-anchor=\"") + chosen.anchor + "\"");
}

}  // namespace plot
}  // namespace tqweir
