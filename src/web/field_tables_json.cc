#include "web/field_tables_json.h"

#include <cstdio>

#include "core/input_fields.h"
#include "core/messages.h"
#include "core/summary_fields.h"

namespace tqweir {
namespace web {

std::string json_string(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

namespace {

// "key": value pairs joined into one object.
class JsonObject {
 public:
  JsonObject& text(const char* key, const std::string& value) {
    return raw(key, json_string(value));
  }
  JsonObject& raw(const char* key, const std::string& value) {
    body_ += (body_.empty() ? "" : ",") + json_string(key) + ":" + value;
    return *this;
  }
  std::string str() const { return "{" + body_ + "}"; }

 private:
  std::string body_;
};

// One field: its file ("" for a value a case carries beyond its files) and
// position there, unit and meanings.
std::string input_json(const InputField& f) {
  return JsonObject()
      .text("name", f.name)
      .text("file", input_file_name(f.file))
      .raw("position", std::to_string(f.position))
      .text("unit", f.unit)
      .text("meaning_en", f.meaning_en)
      .text("meaning_ja", f.meaning_ja)
      .text("rule_en", f.rule_en)
      .raw("integer", is_integer_field(f) ? "true" : "false")
      .str();
}

std::string inputs_json() {
  std::string out;
  for (const InputField& f : input_fields()) out += (out.empty() ? "" : ",") + input_json(f);
  return "[" + out + "]";
}

std::string summary_json() {
  std::string out;
  for (const SummaryField& f : summary_fields()) {
    out += (out.empty() ? "" : ",") + JsonObject()
                                          .text("name", f.name)
                                          .text("unit", f.unit)
                                          .text("format", f.format)
                                          .text("label_en", f.label_en)
                                          .text("label_ja", f.label_ja)
                                          .str();
  }
  return "[" + out + "]";
}

std::string messages_json() {
  std::string out;
  for (int i = 0; i < kMessageCount; ++i) {
    const Message m = static_cast<Message>(i);
    out += (out.empty() ? "" : ",") + JsonObject()
                                          .text("key", message_key(m))
                                          .text("ja", message_utf8(m))
                                          .text("en", message_meaning(m))
                                          .str();
  }
  return "[" + out + "]";
}

}  // namespace

std::string field_tables_json() {
  return JsonObject()
      .raw("inputs", inputs_json())
      .raw("seismic", input_json(seismic_field()))
      .raw("summary", summary_json())
      .raw("messages", messages_json())
      .str();
}

}  // namespace web
}  // namespace tqweir
