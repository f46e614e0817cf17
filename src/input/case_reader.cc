#include "input/case_reader.h"

#include <cmath>

#include "core/file_io.h"
#include "core/input_fields.h"
#include "core/stop.h"
#include "input/derived_quantities.h"
#include "input/parameter_reader.h"
#include "input/profile_reader.h"
#include "input/syogen_reader.h"

namespace tqweir {
namespace {

std::string fetch(const CaseSource& source, const char* name, Message missing) {
  std::string content;
  if (!source(name, content)) throw StopRun(missing);
  return content;
}

}  // namespace

std::string* case_text(CaseTexts& texts, const std::string& name) {
  if (name == "syogen.csv") return &texts.syogen;
  if (name == "parameter.csv") return &texts.parameter;
  if (name == "hitai.csv") return &texts.hitai;
  return nullptr;
}

const std::string* case_text(const CaseTexts& texts, const std::string& name) {
  return case_text(const_cast<CaseTexts&>(texts), name);
}

CaseInput read_case(const CaseSource& source) {
  CaseInput input;
  input.syogen = read_syogen(fetch(source, "syogen.csv", Message::syogen_missing));
  input.parameter = read_parameter(fetch(source, "parameter.csv", Message::parameter_missing));
  check_span_and_perimeter(input.syogen, input.parameter);
  input.points = read_profile_points(fetch(source, "hitai.csv", Message::hitai_missing));
  return input;
}

void check_case_values(const CaseInput& input) {
  for (InputFile file : {InputFile::syogen, InputFile::parameter}) {
    for (const InputField& field : input_fields()) {
      if (field.file == file && !std::isfinite(field_value(field, input))) {
        throw StopRun(file == InputFile::syogen ? Message::syogen_invalid
                                                : Message::parameter_invalid);
      }
    }
  }
  check_span_and_perimeter(input.syogen, input.parameter);
  check_profile_points(input.points);
}

bool read_case_files(const std::string& dir, CaseTexts& texts) {
  bool all = true;
  for (const char* name : {"syogen.csv", "parameter.csv", "hitai.csv"}) {
    if (!read_file(join_path(dir, name), *case_text(texts, name))) all = false;
  }
  return all;
}

}  // namespace tqweir
