#include "speed/case_generator.h"

#include <algorithm>

#include "input/profile_reader.h"

namespace tqweir_test {
namespace {

using tqweir::CaseInput;

// splitmix64: a fixed, portable sequence.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform in [lo, hi).
  double uniform(double lo, double hi) {
    return lo + (hi - lo) * (static_cast<double>(next() >> 11) * 0x1.0p-53);
  }
  int integer(int lo, int hi) {  // lo..hi inclusive
    return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  bool chance(double p) { return uniform(0.0, 1.0) < p; }

 private:
  std::uint64_t state_;
};

std::vector<tqweir::ProfilePoint> random_profile(Random& r) {
  std::vector<tqweir::ProfilePoint> points{{0.0, 0.0}};
  const int n = r.integer(2, 7);
  double x = 0.0;
  double y = 0.0;
  for (int i = 1; i < n; ++i) {
    x += r.uniform(0.2, 1.6);
    // The first segment sets the leaf angle whatever its input slope; later
    // ones mostly rise towards the crest, sometimes fall past it.
    y += i == 1 ? r.uniform(-0.1, 0.1) : r.uniform(-0.5, 0.4);
    points.push_back({x, y});
  }
  return points;
}

}  // namespace

std::vector<CaseInput> generate_cases(int count, std::uint64_t seed) {
  Random r(seed);
  std::vector<CaseInput> cases;
  for (int i = 0; i < count; ++i) {
    CaseInput c;
    c.points = random_profile(r);

    tqweir::SyogenInput& s = c.syogen;
    s.span = r.uniform(5.0, 30.0);
    s.leaf_weight = r.uniform(500.0, 8000.0);
    s.leaf_weight_arm = r.uniform(0.5, 2.0);
    s.stopper_multiplier = static_cast<double>(r.integer(1, 4));
    s.anchor_distance = r.uniform(0.5, 3.0);
    s.base_distance = r.uniform(1.0, 3.5);
    s.theta2_deg = r.chance(0.1) ? 0.0 : r.uniform(0.0, 30.0);
    s.discharge_coefficient = r.uniform(1.5, 2.2);
    s.water_unit_weight = 9800.0;
    s.layer_unit_weight = r.chance(0.5) ? 9800.0 : r.uniform(9800.0, 12000.0);

    tqweir::ParameterInput& p = c.parameter;
    p.theta1_deg = r.uniform(10.0, 80.0);
    p.hd_nd = (i / 4) % 2 == 0 ? r.uniform(0.0, 1.0) : r.uniform(1.0, 2.0);
    p.air_temperature = r.uniform(-10.0, 40.0);
    p.tip_moment = r.chance(0.5) ? 0.0 : r.uniform(0.0, 5.0);
    p.perimeter = r.uniform(1.5, 6.0);
    p.stopper_tension = r.uniform(0.0, 60.0);

    const double pi = 3.141592654;
    const tqweir::LeafProfile leaf = tqweir::lay_out_profile(c.points, p.theta1_deg * pi / 180.0);
    const double crest = leaf.crest_height;
    p.overflow_mode = i % 4 == 3 ? r.integer(1, 3) : i % 4 + 1;
    p.upstream_level = i % 4 == 3 ? r.uniform(std::min(0.0, crest), crest)
                                  : crest + r.uniform(0.0, 1.2);
    p.layer_level = i % 2 == 1 ? r.uniform(0.0, std::max(crest, 0.2)) : 0.0;
    cases.push_back(c);
  }
  return cases;
}

}  // namespace tqweir_test
