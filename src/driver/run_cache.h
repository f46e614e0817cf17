// What one run computes once and uses in many trials.
//
// The bisection evaluates 69 trials at 25 distinct alphas, and the parts of
// a trial that depend on alpha alone (the membrane shape with its elliptic
// integrals) or on the inputs alone (the water surface and upstream load)
// come out the same every time. With Evaluation::reuse a RunCache keeps
// them for the run, so the run does each piece of work once while every
// trial still runs its metric part, its loads and its balance in order and
// stops where it always did. With Evaluation::literal it keeps nothing and
// every request is computed afresh, as the method is written: the same code
// with reuse off, the reference that tests and benchmarks compare with.
//
// Each kept result is keyed by everything its stage reads (its input record
// and alpha for a shape, its input record for the surface), compared bit for
// bit, so a request with other inputs is computed afresh. A cache belongs to
// the solve of one case all the same, where those inputs stay fixed: it is
// created by the solve and never handed to another. It is not thread-safe.
#ifndef TQWEIR_DRIVER_RUN_CACHE_H_
#define TQWEIR_DRIVER_RUN_CACHE_H_

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "membrane/elliptic_integrals.h"
#include "section/membrane_shape.h"
#include "section/water_surface.h"

namespace tqweir {

// A run's surface with its file's content.
struct SurfaceWithRows {
  WaterSurface surface;
  std::string rows;  // suimen.csv
};

class RunCache {
 public:
  explicit RunCache(Evaluation mode) : integrals_(mode) {}
  RunCache(const RunCache&) = delete;
  RunCache& operator=(const RunCache&) = delete;

  // The run's elliptic integrals (also used for the bag outline).
  EllipticIntegrals& integrals() { return integrals_; }

  // The membrane shape at `alpha` for `input`. Throws as
  // solve_membrane_shape; a shape that stopped is not kept.
  MembraneShape shape(const ShapeInput& input, double alpha);

  // The water surface of `input` and its rows. Throws as build_water_surface.
  const SurfaceWithRows& surface(const SurfaceInput& input);

  // Integrand values of the elliptic integrals evaluated so far.
  long long integrand_evaluations() const { return integrals_.integrand_evaluations(); }

 private:
  bool reuse() const { return integrals_.mode() == Evaluation::reuse; }

  // The bits of alpha, beta, theta1 and theta2.
  using ShapeKey = std::array<std::uint64_t, 4>;

  EllipticIntegrals integrals_;
  std::map<ShapeKey, MembraneShape> shapes_;
  std::optional<SurfaceInput> surface_input_;  // what surface_ was built from
  std::optional<SurfaceWithRows> surface_;
};

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_RUN_CACHE_H_
