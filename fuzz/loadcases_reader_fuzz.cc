// Fuzz target: a report's loadcases.csv on arbitrary bytes, decoded and
// read as the report reads it. An InputError is the answer to bad input;
// anything else escaping is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "fuzz_check.h"
#include "cases/case_table.h"
#include "text/input_error.h"
#include "text/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const tqweir::cases::CaseTableRules rules{true, true, 200, "at most 200"};
  try {
    const std::string text = tqweir::text::decoded_text(bytes, "loadcases.csv");
    TQWEIR_FUZZ_CHECK(tqweir::text::is_utf8(text), "decoded text is not UTF-8");
    const tqweir::cases::CaseTable table =
        tqweir::cases::read_case_table(text, "loadcases.csv", rules);
    TQWEIR_FUZZ_CHECK(!table.rows.empty() && table.rows.size() <= 200, "case count");
    TQWEIR_FUZZ_CHECK(table.names.size() == table.rows.size(), "a name per case");
    std::set<std::string> keys;
    for (const std::string& name : table.names) {
      const std::string key = tqweir::cases::name_key(name);
      TQWEIR_FUZZ_CHECK(!key.empty() && keys.insert(key).second, "empty or repeated name");
    }
    for (const auto& row : table.rows) {
      TQWEIR_FUZZ_CHECK(row.size() == table.fields.size(), "a value per field");
      for (const auto& value : row) TQWEIR_FUZZ_CHECK(std::isfinite(value.real), "value not finite");
    }
  } catch (const tqweir::text::InputError&) {
  }
  return 0;
}
