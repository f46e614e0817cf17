// An angle reduced by whole quarter turns: x = q * pi/2 + r with
// |r| <= pi/4 (to within a rounding), r as a double-double.
#ifndef TQWEIR_WEB_ANGLE_REDUCTION_H_
#define TQWEIR_WEB_ANGLE_REDUCTION_H_

#include "platform/web/double_double.h"

namespace tqweir {
namespace web {

struct ReducedAngle {
  int quadrant = 0;  // q mod 4, in 0..3
  DoubleDouble r;
};

// Subtracts q * pi/2 with pi/2 carried to about 240 bits in pieces whose
// products with q are exact, so that r keeps about 2^-100 relative accuracy
// even for arguments next to a multiple of pi/2.
// REQUIRES: |x| <= 1.0e8 (q below 2^26).
ReducedAngle reduce_angle(double x);

// A quicker reduction with pi/2 to about 130 bits, for arguments below
// 6000: r then has an absolute error below 2^-93. Returns false (and
// leaves the work to reduce_angle) for larger arguments, and when |r| comes
// out below 2^-12, where that error would matter.
bool reduce_angle_short(double x, ReducedAngle& out);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_ANGLE_REDUCTION_H_
