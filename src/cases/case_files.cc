#include "cases/case_files.h"

#include <algorithm>
#include <vector>

#include "core/input_fields.h"
#include "text/number_text.h"

namespace tqweir {
namespace cases {
namespace {

// The fields of one input file in their order, each value written exactly.
std::string file_text(const CaseInput& input, InputFile file) {
  std::vector<const InputField*> fields;
  for (const InputField& field : input_fields()) {
    if (field.file == file) fields.push_back(&field);
  }
  std::sort(fields.begin(), fields.end(),
            [](const InputField* a, const InputField* b) { return a->position < b->position; });
  std::string text;
  for (const InputField* field : fields) {
    if (!text.empty()) text += ",";
    text += text::exact_text(field_value(*field, input));
  }
  return text + "\r\n";
}

}  // namespace

CaseTexts exact_case_texts(const CaseInput& input, const std::string& hitai) {
  return CaseTexts{file_text(input, InputFile::syogen), file_text(input, InputFile::parameter),
                   hitai};
}

}  // namespace cases
}  // namespace tqweir
