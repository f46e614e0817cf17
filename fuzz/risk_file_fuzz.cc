// Fuzz target: a design's risk.csv on arbitrary bytes, decoded and read as
// tqweir-risk reads it. An InputError is the answer to bad input; anything
// else escaping, or a file accepted that the sampling cannot use, is a
// finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "risk/peak_distribution.h"
#include "risk/risk_estimate.h"
#include "risk/risk_file.h"
#include "text/input_error.h"
#include "text/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    const std::string text = tqweir::text::decoded_text(bytes, "risk.csv");
    const tqweir::risk::RiskFile f = tqweir::risk::read_risk(text, "risk.csv");
    TQWEIR_FUZZ_CHECK(f.aep_to > 0.0 && f.aep_to < f.aep_from && f.aep_from < 1.0, "AEP range");
    TQWEIR_FUZZ_CHECK(f.bins >= 1 && f.events_per_bin >= 1 && f.realizations >= 1, "counts");
    TQWEIR_FUZZ_CHECK(f.power_failure_probability >= 0.0 && f.power_failure_probability <= 1.0 &&
                          f.gate_failure_probability >= 0.0 && f.gate_failure_probability <= 1.0,
                      "probabilities");
    // The peaks at both ends of the range sampled are finite, and the
    // bins' weights are probabilities adding up to the range.
    TQWEIR_FUZZ_CHECK(std::isfinite(tqweir::risk::peak_at(f.peak, f.aep_from)) &&
                          std::isfinite(tqweir::risk::peak_at(f.peak, f.aep_to)),
                      "peaks at the range's ends");
    double sum = 0.0;
    for (const double w : tqweir::risk::bin_weights(f)) {
      TQWEIR_FUZZ_CHECK(w >= 0.0 && w <= 1.0, "bin weight");
      sum += w;
    }
    TQWEIR_FUZZ_CHECK(std::fabs(sum - (f.aep_from - f.aep_to)) < 1e-9, "weights add up");
  } catch (const tqweir::text::InputError&) {
  }
  return 0;
}
