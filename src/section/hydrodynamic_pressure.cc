#include "section/hydrodynamic_pressure.h"

#include <cmath>

namespace tqweir {
namespace {

// The distribution without its scale kh gamma H, at eta = y / H.
double coefficient(const HydrodynamicPressure& p, double eta) {
  if (p.vertical_face) return 7.0 / 8.0 * std::sqrt(eta);
  const double q = eta * (2.0 - eta);
  return p.cm / 2.0 * (q + std::sqrt(q));
}

// Integrals of the distribution from the surface to eta: of c (a0) and of
// eta c (a1). Zangar's root term is a circle's: with r = sqrt(eta (2 - eta)),
// its integral is (eta - 1) r / 2 + asin(sqrt(eta / 2)), and that of eta
// times it the same less r^3 / 3.
void antiderivatives(const HydrodynamicPressure& p, double eta, double& a0, double& a1) {
  if (p.vertical_face) {
    a0 = 7.0 / 12.0 * eta * std::sqrt(eta);
    a1 = 7.0 / 20.0 * eta * eta * std::sqrt(eta);
    return;
  }
  const double r = std::sqrt(eta * (2.0 - eta));
  const double circle = (eta - 1.0) * r / 2.0 + std::asin(std::sqrt(eta / 2.0));
  a0 = p.cm / 2.0 * (eta * eta - eta * eta * eta / 3.0 + circle);
  a1 = p.cm / 2.0 * (2.0 * eta * eta * eta / 3.0 - eta * eta * eta * eta / 4.0 + circle - r * r * r / 3.0);
}

double eta_of(const HydrodynamicPressure& p, double y) { return std::fmax(0.0, y / p.depth); }

}  // namespace

double zangar_cm(double face_angle_deg) { return 0.735 * face_angle_deg / 90.0; }

HydrodynamicPressure face_pressure(double kh, double unit_weight, double level, double depth,
                                   double run, double rise) {
  HydrodynamicPressure p;
  p.kh = kh;
  p.unit_weight = unit_weight;
  p.level = level;
  p.depth = depth;
  p.vertical_face = run <= 1e-9 * rise;
  // The full pi: a slope shown to the user and read off a chart, not a
  // quantity of the balance's method.
  p.face_angle_deg = p.vertical_face ? 90.0 : std::atan2(rise, run) * 180.0 / std::acos(-1.0);
  p.cm = zangar_cm(p.face_angle_deg);
  return p;
}

double hydrodynamic_pressure(const HydrodynamicPressure& p, double y) {
  return p.kh * p.unit_weight * p.depth * coefficient(p, eta_of(p, y));
}

PieceMeans piece_means(const HydrodynamicPressure& p, double y0, double y1) {
  const double e0 = eta_of(p, y0), e1 = eta_of(p, y1);
  const double scale = p.kh * p.unit_weight * p.depth;
  const double step = e1 - e0;
  PieceMeans m;
  if (std::fabs(step) <= 1e-3 * std::fmax(e0, e1)) {
    const double c0 = coefficient(p, e0), cm = coefficient(p, (e0 + e1) / 2.0), c1 = coefficient(p, e1);
    m.mean = scale * (c0 + 4.0 * cm + c1) / 6.0;
    m.first = scale * (2.0 * cm + c1) / 6.0;
    return m;
  }
  double a0_0, a1_0, a0_1, a1_1;
  antiderivatives(p, e0, a0_0, a1_0);
  antiderivatives(p, e1, a0_1, a1_1);
  const double rise0 = a0_1 - a0_0;
  m.mean = scale * rise0 / step;
  // u = (eta - e0) / step over the piece.
  m.first = scale * ((a1_1 - a1_0) - e0 * rise0) / (step * step);
  return m;
}

}  // namespace tqweir
