#include "input/parameter_reader.h"

#include <climits>
#include <cstdio>
#include <string>

#include "core/stop.h"
#include "core/input_fields.h"
#include "input/scan.h"

namespace tqweir {

ParameterInput read_parameter(const std::string& content) {
  const std::string text = prepare_for_scan(content);
  // The mode is read as a 64-bit integer: "%d" on a number beyond int is
  // undefined, and the C runtimes differ (glibc wraps 4294967297 round to
  // the valid mode 1, MinGW-w64 saturates). Out of int range it is refused.
  long long mode = 0;
  // v[position - 1] for the reals at positions 2 to 9.
  double v[9] = {};
  const int converted =
      std::sscanf(text.c_str(), "%lld,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf ", &mode,
                  &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8]);
  if (converted != 9 || !all_finite(v + 1, 8) || mode < INT_MIN || mode > INT_MAX) {
    throw StopRun(Message::parameter_invalid);
  }
  CaseInput input;
  input.parameter.overflow_mode = static_cast<int>(mode);
  store_scanned(InputFile::parameter, v, input);
  return input.parameter;
}

}  // namespace tqweir
