#include "input/parameter_reader.h"

#include <climits>
#include <cstdio>
#include <string>

#include "core/stop.h"
#include "input/scan.h"

namespace tqweir {

ParameterInput read_parameter(std::istream& in) {
  const std::string text = read_for_scan(in);
  // The mode is read as a 64-bit integer: "%d" on a number beyond int is
  // undefined, and the C runtimes differ (glibc wraps 4294967297 round to
  // the valid mode 1, MinGW-w64 saturates). Out of int range it is refused.
  long long mode = 0;
  double v[8];
  const int converted =
      std::sscanf(text.c_str(), "%lld,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf ", &mode,
                  &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7]);
  if (converted != 9 || !all_finite(v, 8) || mode < INT_MIN || mode > INT_MAX) {
    throw StopRun(Message::parameter_invalid);
  }
  ParameterInput p;
  p.overflow_mode = static_cast<int>(mode);
  p.upstream_level = v[0];
  p.hd_nd = v[1];
  p.layer_level = v[2];
  p.air_temperature = v[3];
  p.theta1_deg = v[4];
  p.tip_moment = v[5];
  p.perimeter = v[6];
  p.stopper_tension = v[7];
  return p;
}

}  // namespace tqweir
