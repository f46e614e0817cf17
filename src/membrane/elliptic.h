// Incomplete elliptic integrals of the first and second kind.
//
// Both use the composite trapezoid rule over the amplitude with exactly 1000
// panels (1001 integrand values): no series, no AGM, no adaptivity. The
// design results are defined by this rule, so it must not be "improved".
// Over a quarter period the rule is very accurate (the integrand is smooth
// and periodic); the error grows as m approaches 1.
#ifndef TQWEIR_MEMBRANE_ELLIPTIC_H_
#define TQWEIR_MEMBRANE_ELLIPTIC_H_

namespace tqweir {

// Integrand values (nodes) of one trapezoid pass: 1000 panels.
constexpr int kEllipticNodes = 1001;

// F(phi, m) = integral_0^phi dt / sqrt(1 - m sin^2 t).
// phi: amplitude in radians; m: parameter, the square of the modulus k
// (std::ellint_1 takes k instead). REQUIRES: 1 - m sin^2 t > 0 on [0, phi].
double elliptic_f(double phi, double m);

// E(phi, m) = integral_0^phi sqrt(1 - m sin^2 t) dt, same conventions.
// REQUIRES: 1 - m sin^2 t >= 0 on [0, phi].
double elliptic_e(double phi, double m);

struct EllipticPair {
  double f = 0.0;  // F(phi, m)
  double e = 0.0;  // E(phi, m)
};

// F and E at the same amplitude and parameter from one pass over the nodes
// (one sine and one square root per node). Each sum is accumulated in the
// same order as elliptic_f and elliptic_e accumulate theirs, so both values
// equal theirs bit for bit.
EllipticPair elliptic_fe(double phi, double m);

}  // namespace tqweir

#endif  // TQWEIR_MEMBRANE_ELLIPTIC_H_
