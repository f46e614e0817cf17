// What one run computes once and uses in many trials.
//
// The bisection evaluates 69 trials at 25 distinct alphas, and the parts of
// a trial that depend on alpha alone (the membrane shape with its elliptic
// integrals) or on the inputs alone (the water surface and upstream load)
// come out the same every time. A RunCache keeps them for the run, so the
// run does each piece of work once while every trial still runs its metric
// part, its loads and its balance in order and stops where it always did.
//
// Evaluation::literal keeps nothing and evaluates F and E in separate
// passes: the reference against which tests and benchmarks check that
// reuse changes no bit. Production runs use Evaluation::reuse.
//
// A cache is meant for one run of one case; what it keeps is keyed by the
// inputs it was computed from, so a cache handed another case recomputes
// rather than answers wrongly. It is not thread-safe: one per run, nothing
// in it shared between runs.
#ifndef TQWEIR_DRIVER_RUN_CACHE_H_
#define TQWEIR_DRIVER_RUN_CACHE_H_

#include <array>
#include <cstdint>
#include <map>
#include <optional>

#include "core/run_state.h"
#include "membrane/elliptic_integrals.h"
#include "section/water_surface.h"
#include "section/membrane_shape.h"

namespace tqweir {

class RunCache {
 public:
  explicit RunCache(Evaluation mode = Evaluation::reuse) : integrals_(mode) {}
  RunCache(const RunCache&) = delete;
  RunCache& operator=(const RunCache&) = delete;

  Evaluation mode() const { return integrals_.mode(); }

  // The run's elliptic integrals (also used for the bag outline).
  EllipticIntegrals& integrals() { return integrals_; }

  // solve_membrane_shape(alpha, beta, theta1, theta2, integrals()), solved
  // on the first request and kept (literal: solved on every request).
  // Throws as solve_membrane_shape; a shape that stopped is not kept.
  MembraneShape shape(double alpha, double beta, double theta1, double theta2);

  // build_water_surface(state), built on the first request and kept for
  // the requests whose surface inputs are the same (literal: built on every
  // request). Throws as build_water_surface.
  const WaterSurface& surface(const RunState& state);

  // Integrand values of the elliptic integrals evaluated so far.
  long long integrand_evaluations() const { return integrals_.integrand_evaluations(); }

 private:
  using ShapeKey = std::array<std::uint64_t, 4>;

  EllipticIntegrals integrals_;
  std::map<ShapeKey, MembraneShape> shapes_;
  std::optional<WaterSurface> surface_;
  RunState surface_inputs_;  // the state surface_ was built from
};

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_RUN_CACHE_H_
