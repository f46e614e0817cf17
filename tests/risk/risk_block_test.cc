#include <cmath>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "risk/risk_block.h"
#include "text/input_error.h"

namespace tqweir {
namespace risk {
namespace {

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A route whose level depends on the peak and the branch alone, as a
// gate's does; its peaks differ in every bit between events.
EventRoute level_route(const Branch& b, double peak) {
  return {peak < 70.0, 3.0 + std::cbrt(peak * peak / 100.0) + 0.25 * b.failed + (b.power_failure ? 0.1 : 0.0)};
}

// A weir of three gates: seven branches, each event's routes a list.
constexpr int kGates = 3;

RiskFile plan() {
  RiskFile f;
  f.peak.law = PeakLaw::gumbel;
  f.peak.a = 20.0;
  f.peak.b = 6.0;
  f.bins = 4;
  f.events_per_bin = 7;
  f.realizations = 3;
  f.record_years = 30;
  f.power_failure_probability = 0.1;
  f.gate_failure_probability = 0.02;
  f.seed = 11;
  return f;
}

// Blocks of uneven size, sent as bytes and merged in the wrong order, make
// the run that one block of every event makes: each event drawn from its
// global index, its outcome kept to the bit, and the curve computed from
// them in one order whatever the split.
TEST(RiskBlocks, AnySplitMergesToTheRunOfOneBlock) {
  const RiskFile f = plan();
  const std::size_t count = risk_event_count(f);
  RiskRun whole = planned_run(f, kGates);
  merge_blocks(whole, {run_risk_block(whole, level_route, 2, 0, count)});

  RiskRun split = planned_run(f, kGates);
  const std::vector<std::size_t> edges = {0, 1, 30, 31, 60, count};
  std::vector<RiskBlock> blocks;
  for (std::size_t k = edges.size() - 1; k > 0; --k) {
    const RiskBlock b = run_risk_block(split, level_route, 1, edges[k - 1], edges[k]);
    blocks.push_back(block_from_bytes(block_bytes(b)));
  }
  merge_blocks(split, blocks);

  ASSERT_EQ(split.events.size(), whole.events.size());
  for (std::size_t i = 0; i < count; ++i) {
    const RiskEvent &a = split.events[i], &b = whole.events[i];
    EXPECT_EQ(a.realization, b.realization) << i;
    EXPECT_EQ(a.bin, b.bin) << i;
    EXPECT_TRUE(same_bits(a.peak, b.peak) && same_bits(a.weight, b.weight)) << i;
    ASSERT_EQ(a.routes.size(), b.routes.size()) << i;
    for (std::size_t r = 0; r < a.routes.size(); ++r) {
      EXPECT_EQ(a.routes[r].finished, b.routes[r].finished) << i;
      EXPECT_TRUE(same_bits(a.routes[r].peak_level, b.routes[r].peak_level)) << i;
    }
  }
  const std::vector<double> levels = {3.5, 4.0, 4.5, 5.0};
  const std::vector<AepRow> x = aep_curve(split, levels), y = aep_curve(whole, levels);
  for (std::size_t k = 0; k < levels.size(); ++k) {
    EXPECT_TRUE(same_bits(x[k].aep, y[k].aep) && same_bits(x[k].aep_5, y[k].aep_5) &&
                same_bits(x[k].aep_95, y[k].aep_95)) << levels[k];
  }

  // A block missing, held twice, or bytes cut short: refused, never a curve.
  blocks.pop_back();
  RiskRun missing = planned_run(f, kGates);
  EXPECT_THROW(merge_blocks(missing, blocks), text::InputError);
  blocks.push_back(blocks.front());
  RiskRun twice = planned_run(f, kGates);
  EXPECT_THROW(merge_blocks(twice, blocks), text::InputError);
  const std::string bytes = block_bytes(blocks.front());
  EXPECT_THROW(block_from_bytes(bytes.substr(0, bytes.size() - 1)), text::InputError);
}

}  // namespace
}  // namespace risk
}  // namespace tqweir
