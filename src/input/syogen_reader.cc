#include "input/syogen_reader.h"

#include <cstdio>
#include <string>

#include "core/stop.h"
#include "core/input_fields.h"
#include "input/scan.h"

namespace tqweir {

SyogenInput read_syogen(const std::string& content) {
  const std::string text = prepare_for_scan(content);
  double v[12];
  const int converted = std::sscanf(
      text.c_str(), "%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf ", &v[0],
      &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10],
      &v[11]);
  if (converted != 12 || !all_finite(v, 12)) throw StopRun(Message::syogen_invalid);
  CaseInput input;
  store_scanned(InputFile::syogen, v, input);
  return input.syogen;
}

}  // namespace tqweir
