#include "studies/self_check/self_check.h"

#include <algorithm>
#include <cmath>

#include "drawing/plane_distance.h"
#include "studies/self_check/run_geometry.h"

namespace tqweir {
namespace verify {
namespace {

// Half a unit of the last printed digit: coordinates carry 8 decimals,
// the summary 3.
constexpr double kCoordinateRounding = 0.5e-8;
constexpr double kSummaryRounding = 0.5e-3;

double distance(const Point& a, const Point& b) { return drawing::plane_distance(a.x - b.x, a.y - b.y); }

// Twice the signed area of a closed polygon (shoelace).
double polygon_area(const std::vector<Point>& p) {
  double twice = 0.0;
  for (std::size_t i = 1; i < p.size(); ++i) twice += p[i - 1].x * p[i].y - p[i].x * p[i - 1].y;
  return twice / 2;
}

// Curvature of the circle through three points (1/m).
double curvature(const Point& a, const Point& b, const Point& c) {
  const double cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
  return 2 * std::fabs(cross) / (distance(a, b) * distance(b, c) * distance(a, c));
}

// Along-leaf distance of point q from the first leaf node, and its distance
// off the polyline (the first segment extended back, the last one on).
void place_on_leaf(const std::vector<Point>& leaf, const Point& q, double& along, double& off) {
  off = INFINITY;
  double start = 0.0;
  for (std::size_t i = 1; i < leaf.size(); ++i) {
    const double lx = leaf[i].x - leaf[i - 1].x;
    const double ly = leaf[i].y - leaf[i - 1].y;
    const double len = drawing::plane_distance(lx, ly);
    double t = ((q.x - leaf[i - 1].x) * lx + (q.y - leaf[i - 1].y) * ly) / len;
    if (i > 1) t = std::max(t, 0.0);
    if (i + 1 < leaf.size()) t = std::min(t, len);
    const double d = drawing::plane_distance(leaf[i - 1].x + lx * t / len - q.x, leaf[i - 1].y + ly * t / len - q.y);
    if (d < off) {
      off = d;
      along = start + t;
    }
    start += len;
  }
}

void outline_checks(const CaseInput& input, const RunGeometry& g, std::vector<SelfCheck>& out) {
  const std::vector<Point>& o = g.outline;
  const double h = g.bag_height;
  out.push_back(make_check("outline-closed", "the outline starts and ends at the hinge",
                           u8"袋体外形が閉じている (ヒンジで始まり終わる)", "m",
                           std::max(distance(o.front(), {}), distance(o.back(), {})), 0.0,
                           2 * kCoordinateRounding));
  // The outline samples the membrane by equal depth steps; its chords fall
  // short of the curve by less than 1e-4 of the length at 300 points (the
  // convergence table of the verification manual). The lower arc is drawn
  // mirrored about the membrane's point at depth 0.99999 rather than about
  // its bottom, which leaves out the bottom's stretch on either side of it:
  // on the bottom's osculating circle (radius tau / (alpha - beta)) that is
  // 2 sqrt(2 r 1e-5) bag heights, about 1.5e-3 of a typical perimeter.
  const double perimeter = input.parameter.perimeter;
  const double alpha = g.summary_value(SummaryId::alpha);
  const double tau = g.summary_value(SummaryId::bag_tension) * 1000.0 / (kGravity * kWaterDensity * h * h);
  const double bottom_radius = tau / (alpha - g.hd_nd);
  const double bottom_stretch =
      g.arc3_end > g.arc3_begin ? 2 * std::sqrt(2 * bottom_radius * 1e-5) * h : 0.0;
  out.push_back(make_check("outline-length",
                           "length of the outline against the perimeter less the bottom's stretch",
                           u8"外形の長さ = 袋体周長 − 底部の未描画区間", "m",
                           polyline_length(o, 0, o.size()), perimeter - bottom_stretch,
                           3e-4 * perimeter));
  // The summary's area leaves out the top row's trapezoids (a sliver of
  // about one depth step times the step's run) and is printed to 3 decimals.
  const double area = std::fabs(polygon_area(o));
  out.push_back(make_check("outline-area", "area of the outline against the summary's bag area",
                           u8"外形の面積 = 袋体断面積 (TQSpec 16)", u8"m²", area,
                           std::fabs(g.summary_value(SummaryId::bag_area)),
                           kSummaryRounding + 2e-3 * area));
  const Point& p1 = o[static_cast<std::size_t>(g.arc1_begin)];
  if (g.arc2_begin > g.arc1_begin) {
    out.push_back(make_check("contact-leaf", "contact length on the leaf (hinge to the first arc row)",
                             u8"扉体側接触長 (TQSpec 14)", "m", distance(p1, {}),
                             g.summary_value(SummaryId::chord1_m), kSummaryRounding + kCoordinateRounding));
    const double off = std::fabs(p1.x * std::sin(g.theta1) - p1.y * std::cos(g.theta1));
    out.push_back(make_check("contact-on-leaf-line", "the leaf contact lies on the leaf line",
                             u8"扉体側接点が扉体線上にある", "m", off, 0.0, 4 * kCoordinateRounding));
  }
  if (g.arc3_end > g.arc3_begin && std::sin(g.theta2) > 1e-3) {
    // The last row lies 1e-5 bag heights of depth beyond the contact, along
    // a membrane whose tangent there is the floor's: 1e-5 h / sin(theta2).
    const Point& p2 = o[static_cast<std::size_t>(g.arc3_end - 1)];
    out.push_back(make_check("contact-floor", "contact length on the floor (hinge to the last arc row)",
                             u8"床側接触長 (TQSpec 15)", "m", distance(p2, {}),
                             g.summary_value(SummaryId::chord2_m),
                             kSummaryRounding + 1.5e-5 * h / std::sin(g.theta2)));
  }
}

// Along the free membrane (arc 2), T kappa = p: the membrane's curvature
// times its tension equals the net pressure, air inside less the water
// outside below the downstream water line. In heads of water (m):
// T / (rho g) kappa = alpha h - max(0, Yw - Y).
void membrane_check(const RunGeometry& g, std::vector<SelfCheck>& out) {
  const double h = g.bag_height;
  const double alpha = g.summary_value(SummaryId::alpha);
  const double t_kn = g.summary_value(SummaryId::bag_tension);
  const double tension_head = t_kn * 1000.0 / (kGravity * kWaterDensity);  // m^2
  const Point& top = g.outline[static_cast<std::size_t>(g.arc2_begin)];
  const double water_line = top.y - h + g.hd_nd * h;
  double worst = 0.0;
  double worst_rounding = 0.0;
  for (int k = g.arc2_begin + 2; k < g.arc2_begin + 298; ++k) {
    const Point& a = g.outline[static_cast<std::size_t>(k - 1)];
    const Point& b = g.outline[static_cast<std::size_t>(k)];
    const Point& c = g.outline[static_cast<std::size_t>(k + 1)];
    const double kappa = curvature(a, b, c);
    const double head = alpha * h - std::max(0.0, water_line - b.y);
    const double rel = std::fabs(tension_head * kappa - head) / (alpha * h);
    // A coordinate's rounding moves the middle point off the chord by up to
    // 2e-8 m in the worst case, which changes the curvature by about
    // 8 * 2e-8 / chord^2 ... over the three points.
    const double chord = distance(a, c);
    const double rounding = 16 * kCoordinateRounding / (chord * chord) / kappa;
    if (rel > worst) worst = rel;
    worst_rounding = std::max(worst_rounding, rounding);
  }
  const double printed = kSummaryRounding / alpha + kSummaryRounding / t_kn +
                         kSummaryRounding / (alpha * h);
  out.push_back(make_check("membrane-equilibrium",
                           "tension x curvature = net pressure along the free membrane (worst, relative)",
                           u8"自由膜の釣合い: 張力 × 曲率 = 正味圧力 (最大相対差)", "", worst, 0.0,
                           printed + worst_rounding + 1e-4));
}

void stopper_checks(const CaseInput& input, const RunGeometry& g, std::vector<SelfCheck>& out) {
  double along = 0.0;
  double off = 0.0;
  place_on_leaf(g.leaf, g.stopper[0], along, off);
  const double leaf_length = polyline_length(g.leaf, 0, g.leaf.size());
  const double anchor = std::min(input.syogen.anchor_distance, leaf_length);
  out.push_back(make_check("stopper-on-leaf", "the stopper's first point lies on the leaf",
                           u8"ストッパー上端が扉体上にある", "m", off, 0.0, 4 * kCoordinateRounding));
  out.push_back(make_check("stopper-anchor", "the stopper's first point at the anchor distance along the leaf",
                           u8"ストッパー取付位置 = 取付距離", "m", along, anchor, 1e-7));
  const Point& foot = g.stopper[1];
  const double base = input.syogen.base_distance;
  const double off_floor = drawing::plane_distance(foot.x - base, foot.y + std::tan(g.theta2) * base);
  out.push_back(make_check("stopper-foot", "the stopper's foot on the floor at the base distance",
                           u8"ストッパー基部が床上の基部距離にある", "m", off_floor, 0.0,
                           4 * kCoordinateRounding));
}

}  // namespace

bool SelfCheck::ok() const { return std::isfinite(difference) && difference <= tolerance; }

std::vector<SelfCheck> self_checks(const CaseInput& input, const RunTexts& files) {
  std::vector<SelfCheck> out;
  const RunGeometry g = read_run_geometry(input, files);
  if (!g.ok) {
    SelfCheck c = make_check("files", "the run's files read back", u8"出力ファイルの読込み", "", 1, 0, 0);
    out.push_back(c);
    return out;
  }
  outline_checks(input, g, out);
  membrane_check(g, out);
  stopper_checks(input, g, out);
  out.push_back(moment_balance_check(input, g));
  return out;
}

}  // namespace verify
}  // namespace tqweir
