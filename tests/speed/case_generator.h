// Deterministic design cases spread over the valid ranges, for tests that
// must hold on many cases rather than on a few chosen ones.
#ifndef TQWEIR_TESTS_SPEED_CASE_GENERATOR_H_
#define TQWEIR_TESTS_SPEED_CASE_GENERATOR_H_

#include <cstdint>
#include <vector>

#include "driver/case_solver.h"

namespace tqweir_test {

// `count` cases from `seed`, the same on every platform (own generator, no
// library distributions). Case i cycles through the surface models 1, 2, 3
// over the crest and still water below it, and through partly wet
// (hd_nd 0..1) and submerged (1..2) bags; the leaf angle spans 10..80
// degrees, the floor angle 0..30 (a flat floor now and then), the profile
// 2..7 points with rises and falls, and every other case has a second
// layer. Many cases solve; others stop (no solution in range, TB, Hd), as a
// sweep's cases do.
std::vector<tqweir::CaseInput> generate_cases(int count, std::uint64_t seed);

}  // namespace tqweir_test

#endif  // TQWEIR_TESTS_SPEED_CASE_GENERATOR_H_
