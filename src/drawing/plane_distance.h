// The length of a vector in the section's plane, the same on every
// platform.
#ifndef TQWEIR_DRAWING_PLANE_DISTANCE_H_
#define TQWEIR_DRAWING_PLANE_DISTANCE_H_

#include <cmath>

namespace tqweir {
namespace drawing {

// sqrt(dx^2 + dy^2) in plain operations, each correctly rounded, so that
// a length the report prints is the same natively and in the browser;
// std::hypot is not correctly rounded, and C libraries differ in its last
// bit. (The squares overflow only beyond 1e154 m, far outside a section.)
inline double plane_distance(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

}  // namespace drawing
}  // namespace tqweir

#endif  // TQWEIR_DRAWING_PLANE_DISTANCE_H_
