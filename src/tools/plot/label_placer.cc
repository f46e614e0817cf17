#include "tools/plot/label_placer.h"

#include <algorithm>
#include <cstring>

#include "tools/plot/svg_text.h"

namespace tqweir {
namespace plot {
namespace {

bool inside(double x, double y, const Box& b) {
  return x >= b.x0 && x <= b.x1 && y >= b.y0 && y <= b.y1;
}

bool boxes_overlap(const Box& a, const Box& b) {
  return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

}  // namespace

bool segment_meets_box(double x1, double y1, double x2, double y2, const Box& box) {
  // Liang-Barsky: clip the parameter range [0, 1] of the segment against
  // the four sides; the segment meets the box when a range is left.
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - box.x0, box.x1 - x1, y1 - box.y0, box.y1 - y1};
  double t0 = 0.0, t1 = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;  // parallel to this side and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  return true;
}

LabelPlacer::LabelPlacer(const Box& area, double font_size)
    : area_(area), font_size_(font_size) {}

void LabelPlacer::avoid_line(const std::vector<double>& xs, const std::vector<double>& ys) {
  for (std::size_t i = 1; i < xs.size() && i < ys.size(); ++i) {
    segments_.push_back({xs[i - 1], ys[i - 1], xs[i], ys[i]});
  }
}

void LabelPlacer::avoid_box(const Box& box) { taken_.push_back(box); }

Box LabelPlacer::box_of(const std::string& text, const LabelSpot& spot) const {
  const double width = text_width(text, font_size_);
  double x0 = spot.x;
  if (std::strcmp(spot.anchor, "end") == 0) x0 -= width;
  if (std::strcmp(spot.anchor, "middle") == 0) x0 -= width / 2.0;
  const double margin = 2.0;
  return {x0 - margin, spot.y - 0.9 * font_size_ - margin, x0 + width + margin,
          spot.y + 0.25 * font_size_ + margin};
}

int LabelPlacer::conflicts(const Box& box) const {
  // Leaving the drawing is worst, covering another label next, crossing a
  // line least: a crossing line still leaves the text readable on its halo.
  int cost = 0;
  if (!inside(box.x0, box.y0, area_) || !inside(box.x1, box.y1, area_)) cost += 100;
  for (const Box& t : taken_) {
    if (boxes_overlap(box, t)) cost += 10;
  }
  for (const Segment& s : segments_) {
    if (segment_meets_box(s.x1, s.y1, s.x2, s.y2, box)) ++cost;
  }
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
  return text_element(chosen.x, chosen.y, text,
                      std::string("text-anchor=\"") + chosen.anchor + "\"");
}

}  // namespace plot
}  // namespace tqweir
