// Where the membrane formulas get their elliptic integrals from, for one run.
//
// A run asks for F and E at a few hundred distinct (amplitude, parameter)
// pairs, but many times over: the bisection on alpha revisits each alpha,
// every abscissa below the water line needs the same water-line integrals,
// and F and E are wanted at the same arguments. With `reuse` each distinct
// pair costs one pass of the trapezoid rule (elliptic_fe) and is kept for
// the rest of the run; with `literal` every request is a pass of its own
// (elliptic_f or elliptic_e), as the formulas are written. Both give the same
// bits: `literal` is the reference that tests and benchmarks compare with.
//
// Not thread-safe: one object per run, owned by whoever solves the case.
#ifndef TQWEIR_MEMBRANE_ELLIPTIC_INTEGRALS_H_
#define TQWEIR_MEMBRANE_ELLIPTIC_INTEGRALS_H_

#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "membrane/elliptic.h"

namespace tqweir {

enum class Evaluation {
  reuse,    // one pass per distinct pair; results kept for the run
  literal,  // every request evaluated afresh, F and E in separate passes
};

class EllipticIntegrals {
 public:
  explicit EllipticIntegrals(Evaluation mode = Evaluation::reuse) : mode_(mode) {}

  // elliptic_f(phi, m) and elliptic_e(phi, m), bit for bit.
  double f(double phi, double m);
  double e(double phi, double m);

  Evaluation mode() const { return mode_; }
  // Integrand values computed so far (kEllipticNodes per pass).
  long long integrand_evaluations() const { return evaluations_; }

 private:
  struct Key {
    std::uint64_t phi;
    std::uint64_t m;
    bool operator==(const Key& o) const { return phi == o.phi && m == o.m; }
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const;
  };

  // The pair at (phi, m), from the kept results or a new pass. Keyed by the
  // arguments' bits: the rule is a pure function of them.
  const EllipticPair& pair(double phi, double m);

  Evaluation mode_;
  long long evaluations_ = 0;
  std::unordered_map<Key, EllipticPair, KeyHash> kept_;
};

}  // namespace tqweir

#endif  // TQWEIR_MEMBRANE_ELLIPTIC_INTEGRALS_H_
