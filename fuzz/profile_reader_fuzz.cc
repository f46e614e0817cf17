// Fuzz target: read_profile_points on arbitrary bytes, and the layout of an
// accepted profile (the whole-run target lays it out at fuzzed angles). A StopRun is the reader's answer
// to bad input; anything else escaping is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "core/stop.h"
#include "fuzz_check.h"
#include "input/profile_reader.h"

namespace {

bool is_profile_stop(tqweir::Message m) {
  return m == tqweir::Message::hitai_bad_coordinate ||
         m == tqweir::Message::hitai_zero_segment ||
         m == tqweir::Message::hitai_point_count;
}

// The reader's promises: 2..30 finite points, no point equal to the one
// before it.
void check_points(const std::vector<tqweir::ProfilePoint>& points) {
  TQWEIR_FUZZ_CHECK(points.size() >= 2 && points.size() <= tqweir::kMaxNodes,
                    "profile point count out of range");
  for (std::size_t i = 0; i < points.size(); ++i) {
    TQWEIR_FUZZ_CHECK(std::isfinite(points[i].x) && std::isfinite(points[i].y),
                      "profile point not finite");
    if (i > 0) {
      TQWEIR_FUZZ_CHECK(points[i].x != points[i - 1].x || points[i].y != points[i - 1].y,
                        "repeated profile point accepted");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string in = std::string(reinterpret_cast<const char*>(data), size);
  try {
    const std::vector<tqweir::ProfilePoint> points = tqweir::read_profile_points(in);
    check_points(points);
    const tqweir::LeafProfile leaf = tqweir::lay_out_profile(points, 0.7853981634);
    TQWEIR_FUZZ_CHECK(leaf.node_count == static_cast<int>(points.size()),
                      "laid-out node count differs from the points read");
  } catch (const tqweir::StopRun& stop) {
    TQWEIR_FUZZ_CHECK(is_profile_stop(stop.message()), "unexpected stop from read_profile_points");
  }
  return 0;
}
