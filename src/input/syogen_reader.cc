#include "input/syogen_reader.h"

#include <cstdio>
#include <string>

#include "core/stop.h"
#include "input/scan.h"

namespace tqweir {

SyogenInput read_syogen(std::istream& in) {
  const std::string text = read_for_scan(in);
  double v[12];
  const int converted = std::sscanf(
      text.c_str(), "%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf ", &v[0],
      &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10],
      &v[11]);
  if (converted != 12 || !all_finite(v, 12)) throw StopRun(Message::syogen_invalid);
  SyogenInput s;
  s.reserved_1 = v[0];
  s.span = v[1];
  s.reserved_3 = v[2];
  s.leaf_weight = v[3];
  s.leaf_weight_arm = v[4];
  s.stopper_multiplier = v[5];
  s.anchor_distance = v[6];
  s.base_distance = v[7];
  s.theta2_deg = v[8];
  s.discharge_coefficient = v[9];
  s.water_unit_weight = v[10];
  s.layer_unit_weight = v[11];
  return s;
}

}  // namespace tqweir
