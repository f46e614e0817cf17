// Fuzz target: a design's operation.csv on arbitrary bytes, decoded and read
// as tqweir-operate reads it. An InputError is the answer to bad input;
// anything else escaping, or a value accepted that the operation cannot
// use, is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "flood/flood_file.h"
#include "fuzz_check.h"
#include "operation/blower_curve.h"
#include "operation/operation_file.h"
#include "text/input_error.h"
#include "text/text_encoding.h"

namespace {

// A number given in the file is finite and above 0: an area, a coefficient
// or an angle of 0 would make a time infinite or a path empty.
void check_given(const tqweir::operation::GivenValue& value, const char* what) {
  if (!value.given) return;
  TQWEIR_FUZZ_CHECK(std::isfinite(value.value) && value.value > 0.0, what);
}

// The weir's rows as the flood reads them: a crest the weir law can use,
// a coefficient curve whose every value is a coefficient, a band of
// overflow depths that has a width.
void check_weir(const tqweir::operation::OperationFile& file) {
  try {
    const tqweir::flood::WeirRows weir = tqweir::flood::read_weir_rows(file);
    for (const tqweir::flood::FixedCrest& c : weir.crests) {
      TQWEIR_FUZZ_CHECK(std::isfinite(c.length) && c.length > 0.0 && std::isfinite(c.level) &&
                            std::isfinite(c.coefficient) && c.coefficient > 0.0,
                        "fixed crest");
    }
    if (weir.coefficient_curve) {
      for (double c : weir.coefficient_curve->values) {
        TQWEIR_FUZZ_CHECK(std::isfinite(c) && c > 0.0, "coefficient");
      }
    }
    if (weir.has_vibration_band) {
      TQWEIR_FUZZ_CHECK(weir.band_from > 0.0 && weir.band_to > weir.band_from &&
                            std::isfinite(weir.band_to),
                        "vibration band");
    }
  } catch (const tqweir::text::InputError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    const std::string text = tqweir::text::decoded_text(bytes, "operation.csv");
    const tqweir::operation::OperationFile file =
        tqweir::operation::read_operation(text, "operation.csv");
    check_given(file.valve_area, "valve_area");
    check_given(file.valve_coefficient, "valve_coefficient");
    check_given(file.lowered_angle, "lowered_angle");
    check_weir(file);
    if (file.lowered_angle.given) {
      TQWEIR_FUZZ_CHECK(file.lowered_angle.value >= tqweir::operation::kLowestLoweredAngle,
                        "lowered angle below the summary's clamp");
    }
    // The weir: whole counts within their bounds, and a level for every
    // gate whichever row gives it.
    const int gates = tqweir::operation::gate_count(file);
    TQWEIR_FUZZ_CHECK(gates >= 1 && gates <= tqweir::operation::kMostGates, "gates");
    const int blowers = tqweir::operation::blower_count(file);
    TQWEIR_FUZZ_CHECK(blowers >= 1 && blowers <= gates, "blowers");
    for (int g = 0; g < gates; ++g) {
      const auto lower = tqweir::operation::lower_level_of(file, static_cast<std::size_t>(g));
      const auto backup = tqweir::operation::backup_level_of(file, static_cast<std::size_t>(g));
      TQWEIR_FUZZ_CHECK(lower.given == (file.lower_at_level.given || file.lower_at_levels.given),
                        "a lowering level for every gate");
      check_given(lower, "lower_at_levels");
      check_given(backup, "backup_lower_at_levels");
    }
    // A curve rises in pressure and every delivery read from it is finite
    // and never negative.
    const tqweir::operation::BlowerCurve& curve = file.blower_curve;
    TQWEIR_FUZZ_CHECK(file.has_blower == !curve.empty(), "blower given");
    for (std::size_t i = 0; i < curve.size(); ++i) {
      TQWEIR_FUZZ_CHECK(std::isfinite(curve[i].gauge_kpa) &&
                            std::isfinite(curve[i].delivery_m3_per_min) &&
                            curve[i].delivery_m3_per_min >= 0.0,
                        "blower point");
      if (i > 0) TQWEIR_FUZZ_CHECK(curve[i].gauge_kpa > curve[i - 1].gauge_kpa, "curve rises");
      const double q = tqweir::operation::blower_delivery(curve, curve[i].gauge_kpa * 0.5);
      TQWEIR_FUZZ_CHECK(std::isfinite(q) && q >= 0.0, "blower delivery");
    }
  } catch (const tqweir::text::InputError&) {
  }
  return 0;
}
