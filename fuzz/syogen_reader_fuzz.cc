// Fuzz target: read_syogen on arbitrary bytes. A StopRun is the reader's
// answer to bad input; anything else escaping is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "core/stop.h"
#include "fuzz_check.h"
#include "input/syogen_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string in = std::string(reinterpret_cast<const char*>(data), size);
  try {
    const tqweir::SyogenInput s = tqweir::read_syogen(in);
    // An accepted record holds only finite numbers.
    const double fields[] = {s.reserved_1, s.span, s.reserved_3, s.leaf_weight,
                             s.leaf_weight_arm, s.stopper_multiplier, s.anchor_distance,
                             s.base_distance, s.theta2_deg, s.discharge_coefficient,
                             s.water_unit_weight, s.layer_unit_weight};
    for (double v : fields) TQWEIR_FUZZ_CHECK(std::isfinite(v), "syogen field not finite");
  } catch (const tqweir::StopRun& stop) {
    TQWEIR_FUZZ_CHECK(stop.message() == tqweir::Message::syogen_invalid,
                      "unexpected stop from read_syogen");
  }
  return 0;
}
