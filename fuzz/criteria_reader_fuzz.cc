// Fuzz target: a report's criteria.csv on arbitrary bytes, decoded and read
// as the report reads it, then made into the checks. An InputError is the
// answer to bad input; anything else escaping is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "design/criteria.h"
#include "text/csv_cells.h"
#include "design/design_checks.h"
#include "text/input_error.h"
#include "text/number_text.h"
#include "text/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    const std::string text = tqweir::text::decoded_text(bytes, "criteria.csv");
    const tqweir::design::Criteria criteria = tqweir::design::read_criteria(text, "criteria.csv");
    for (const std::string* t : {&criteria.title, &criteria.project, &criteria.prepared_by,
                                 &criteria.date}) {
      TQWEIR_FUZZ_CHECK(tqweir::text::control_byte(*t) == std::string::npos, "control byte");
    }
    // Every limit a check is made against is in range and never reads as 0.
    for (const tqweir::design::Criterion& c : tqweir::design::make_criteria(criteria)) {
      if (!c.given) continue;
      TQWEIR_FUZZ_CHECK(c.limit >= tqweir::design::kSmallestLimit &&
                            c.limit <= tqweir::design::kLargestLimit,
                        "limit out of range");
      const std::string shown = tqweir::text::limit_number_text(c.limit);
      TQWEIR_FUZZ_CHECK(std::strtod(shown.c_str(), nullptr) > 0.0, "limit shown as 0");
    }
    // What the report searches is a real field over a finite range, LO < HI.
    const tqweir::design::SearchRows& search = criteria.search;
    TQWEIR_FUZZ_CHECK(search.limit_variable.given == (search.limit_field != nullptr), "variable");
    if (search.limit_field != nullptr) {
      TQWEIR_FUZZ_CHECK(std::isfinite(search.limit_lo) && std::isfinite(search.limit_hi) &&
                            search.limit_lo < search.limit_hi,
                        "limit range");
    }
    TQWEIR_FUZZ_CHECK(search.sealed_levels.size() <= tqweir::design::kMaxSealedLevels,
                      "sealed levels");
    TQWEIR_FUZZ_CHECK(search.sealed_range.given == !search.sealed_levels.empty(), "sealed range");
    // A count of failed gates is whole, from 0, and comes with the flood
    // and the level it is checked against.
    const tqweir::design::Limit& failed = criteria.max_failed_gates;
    if (failed.given) {
      TQWEIR_FUZZ_CHECK(failed.value >= 0.0 && failed.value == std::floor(failed.value) && failed.value <= 1e6,
                        "failed gates");
      TQWEIR_FUZZ_CHECK(criteria.max_upstream_level.given && criteria.flood_inflow.given, "failed gates alone");
    }
  } catch (const tqweir::text::InputError&) {
  }
  return 0;
}
