#include "flood/pond.h"

namespace tqweir {
namespace flood {

Pond Pond::from_curve(const LevelTable& curve) {
  Pond pond;
  pond.has_curve_ = true;
  pond.curve_ = curve;
  return pond;
}

Pond Pond::from_area(double area) {
  Pond pond;
  pond.area_ = area;
  return pond;
}

double Pond::storage(double level) const {
  return has_curve_ ? table_value(curve_, level) : area_ * level;
}

double Pond::level(double storage) const {
  return has_curve_ ? table_level(curve_, storage) : storage / area_;
}

}  // namespace flood
}  // namespace tqweir
