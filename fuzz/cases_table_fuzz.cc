// Fuzz target: a sweep's CASES.csv on arbitrary bytes, read as the sweep
// reads it (bytes as they are). An InputError is the answer to bad input;
// anything else escaping is a finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/run_state.h"
#include "fuzz_check.h"
#include "cases/case_table.h"
#include "text/input_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    const tqweir::cases::CaseTable table = tqweir::cases::read_case_table(bytes, "CASES.csv");
    TQWEIR_FUZZ_CHECK(!table.fields.empty() && !table.rows.empty(), "empty table accepted");
    TQWEIR_FUZZ_CHECK(table.names.empty(), "names in a table without them");
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
      TQWEIR_FUZZ_CHECK(table.rows[r].size() == table.fields.size(), "a value per field");
      tqweir::cases::case_input(tqweir::CaseInput(), table, r);
    }
  } catch (const tqweir::text::InputError&) {
  }
  return 0;
}
