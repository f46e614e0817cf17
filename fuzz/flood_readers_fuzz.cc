// Fuzz target: the flood's inputs on arbitrary bytes: the bytes as a
// hydrograph file, and as one cell of pairs LEVEL:VALUE (a storage curve,
// an outlet's rating). An InputError is the answer to bad input; anything
// else escaping, or a table accepted that interpolation cannot use, is a
// finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "flood/hydrograph.h"
#include "flood/level_table.h"
#include "fuzz_check.h"
#include "text/input_error.h"

namespace {

void hydrograph(const std::string& bytes) {
  try {
    const tqweir::flood::Hydrograph h = tqweir::flood::read_hydrograph(bytes, "inflow.csv");
    TQWEIR_FUZZ_CHECK(h.seconds.size() >= 2 && h.seconds.size() == h.flows.size(), "rows");
    for (std::size_t i = 0; i < h.seconds.size(); ++i) {
      TQWEIR_FUZZ_CHECK(std::isfinite(h.seconds[i]) && std::isfinite(h.flows[i]) &&
                            h.flows[i] >= 0.0,
                        "row values");
      if (i > 0) TQWEIR_FUZZ_CHECK(h.seconds[i] > h.seconds[i - 1], "time rises");
    }
    // Between the first and the last row the inflow and its volume are
    // finite and never negative.
    const double t0 = h.seconds.front(), t1 = h.seconds.back();
    const double mid = t0 + (t1 - t0) * 0.5;
    const double q = tqweir::flood::inflow_at(h, mid);
    const double v = tqweir::flood::inflow_volume(h, t0, t1);
    TQWEIR_FUZZ_CHECK(std::isfinite(q) && q >= 0.0, "inflow");
    TQWEIR_FUZZ_CHECK(std::isnan(v) == false && v >= 0.0, "inflow volume");
  } catch (const tqweir::text::InputError&) {
  }
}

void pairs(const std::string& bytes) {
  try {
    const tqweir::flood::LevelTable table = tqweir::flood::read_level_pairs(
        bytes, "operation.csv line 2, column 2", "storage_curve", tqweir::flood::Values::rising);
    TQWEIR_FUZZ_CHECK(table.levels.size() >= 2 && table.levels.size() == table.values.size(),
                      "pairs");
    for (std::size_t i = 1; i < table.levels.size(); ++i) {
      TQWEIR_FUZZ_CHECK(table.levels[i] > table.levels[i - 1], "levels rise");
      TQWEIR_FUZZ_CHECK(table.values[i] > table.values[i - 1], "storage rises");
    }
  } catch (const tqweir::text::InputError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  hydrograph(bytes);
  pairs(bytes);
  return 0;
}
