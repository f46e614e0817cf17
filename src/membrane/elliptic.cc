#include "membrane/elliptic.h"

#include <cmath>

namespace tqweir {
namespace {

constexpr int kPanels = kEllipticNodes - 1;

// sqrt(1 - m sin^2 t), with sin^2 t formed as the square of sin t first.
double delta(double t, double m) {
  const double s = std::sin(t);
  return std::sqrt(1.0 - m * (s * s));
}

// Componentwise arithmetic, so that the trapezoid below runs both sums of a
// pair with exactly the operations it runs on a single one.
EllipticPair operator*(double w, const EllipticPair& p) { return {w * p.f, w * p.e}; }
EllipticPair operator*(const EllipticPair& p, double h) { return {p.f * h, p.e * h}; }
EllipticPair& operator+=(EllipticPair& sum, const EllipticPair& p) {
  sum.f += p.f;
  sum.e += p.e;
  return sum;
}

// Trapezoid rule on [0, phi]: half the end values, the interior nodes in
// increasing order, each node computed from its index (i * h + a) rather
// than by accumulating h, so that no rounding drift enters.
template <typename Integrand>
auto trapezoid(double phi, const Integrand& f) {
  const double a = 0.0;
  const double b = phi;
  const double h = (b - a) / kPanels;
  auto sum = 0.5 * f(a);
  for (int i = 1; i < kPanels; ++i) sum += f(i * h + a);
  sum += 0.5 * f(b);
  return sum * h;
}

}  // namespace

double elliptic_f(double phi, double m) {
  return trapezoid(phi, [m](double t) { return 1.0 / delta(t, m); });
}

double elliptic_e(double phi, double m) {
  return trapezoid(phi, [m](double t) { return delta(t, m); });
}

EllipticPair elliptic_fe(double phi, double m) {
  return trapezoid(phi, [m](double t) {
    const double d = delta(t, m);
    return EllipticPair{1.0 / d, d};
  });
}

}  // namespace tqweir
