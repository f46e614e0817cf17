// Fuzz target: read_parameter on arbitrary bytes. A StopRun is the reader's
// answer to bad input; anything else escaping is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "core/stop.h"
#include "fuzz_check.h"
#include "input/parameter_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string in = std::string(reinterpret_cast<const char*>(data), size);
  try {
    const tqweir::ParameterInput p = tqweir::read_parameter(in);
    // An accepted record holds only finite reals.
    const double fields[] = {p.upstream_level, p.hd_nd,      p.layer_level,
                             p.air_temperature, p.theta1_deg, p.tip_moment,
                             p.perimeter,       p.stopper_tension};
    for (double v : fields) TQWEIR_FUZZ_CHECK(std::isfinite(v), "parameter field not finite");
  } catch (const tqweir::StopRun& stop) {
    TQWEIR_FUZZ_CHECK(stop.message() == tqweir::Message::parameter_invalid,
                      "unexpected stop from read_parameter");
  }
  return 0;
}
