// What the run cache keeps is keyed by everything the cached stage reads: a
// request with other inputs gets that input's result, never a kept one.
#include "driver/run_cache.h"

#include <gtest/gtest.h>

#include "output/surface_file.h"
#include "support/test_cases.h"

namespace {

using tqweir::Evaluation;
using tqweir::RunCache;

TEST(RunCache, SurfaceOfOtherInputsIsBuiltAfresh) {
  tqweir::SurfaceInput input;
  input.leaf = tqweir_test::leaf_from_nodes({{0, 0}, {1, 1}});
  input.upstream_level = 2.0;
  input.overflow_mode = 1;
  input.water_unit_weight = 9800;
  RunCache cache(Evaluation::reuse);
  const std::string first = cache.surface(input).rows;
  EXPECT_EQ(cache.surface(input).rows, first);
  input.overflow_mode = 2;
  EXPECT_EQ(cache.surface(input).rows, tqweir::surface_file(tqweir::build_water_surface(input)));
  EXPECT_NE(cache.surface(input).rows, first);
  input.overflow_mode = 1;
  input.upstream_level = -0.0;  // below the crest; -0.0 is not 0.0 to the key
  const std::string negative_zero = cache.surface(input).rows;
  input.upstream_level = 0.0;
  EXPECT_EQ(cache.surface(input).rows, tqweir::surface_file(tqweir::build_water_surface(input)));
  EXPECT_NE(cache.surface(input).rows, negative_zero);
}

TEST(RunCache, ShapeAtTheSameAlphaForOtherInputsIsSolvedAfresh) {
  const tqweir::ShapeInput input{0.5, 0.6, 0.1};
  tqweir::ShapeInput deeper = input;
  deeper.beta = 0.7;
  RunCache cache(Evaluation::reuse);
  tqweir::EllipticIntegrals integrals(Evaluation::literal);
  const double kept_s1 = cache.shape(input, 10.0).s1;
  const double deeper_s1 = cache.shape(deeper, 10.0).s1;
  EXPECT_EQ(deeper_s1, tqweir::solve_membrane_shape(10.0, deeper, integrals).s1);
  EXPECT_NE(deeper_s1, kept_s1);
  EXPECT_EQ(cache.shape(input, 10.0).s1, kept_s1);
}

}  // namespace
