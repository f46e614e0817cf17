// The core's tables for a page: the input fields, the summary fields and the
// messages as one JSON text, so that the page names every field, unit and
// message from the same table the program uses.
#ifndef TQWEIR_WEB_FIELD_TABLES_JSON_H_
#define TQWEIR_WEB_FIELD_TABLES_JSON_H_

#include <string>

namespace tqweir {
namespace web {

// {"inputs": [{"name", "file", "position", "unit", "meaning_en", "meaning_ja",
//              "rule_en", "integer"}, ...],        // input_fields() order
//  "seismic": {...},           // seismic_field(), as an input ("file": "")
//  "summary": [{"name", "unit", "format", "label_en", "label_ja"}, ...],
//  "messages": [{"key", "ja", "en"}, ...]}          // Message order
// The write_failed message's "ja" is its fixed part, without a file name.
std::string field_tables_json();

// `text` as a JSON string literal (quotes, backslashes and control
// characters escaped; UTF-8 passed through).
std::string json_string(const std::string& text);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_FIELD_TABLES_JSON_H_
