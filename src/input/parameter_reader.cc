#include "input/parameter_reader.h"

#include <cstdio>
#include <string>

#include "driver/stop.h"
#include "input/scan.h"

namespace tqweir {

ParameterInput read_parameter(std::istream& in) {
  const std::string text = read_for_scan(in);
  int mode = 0;
  double v[8];
  const int converted =
      std::sscanf(text.c_str(), "%d,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf ", &mode,
                  &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7]);
  if (converted != 9 || !all_finite(v, 8)) throw StopRun(Message::parameter_invalid);
  ParameterInput p;
  p.overflow_mode = mode;
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
