// The water's added pressure on the upstream face in an earthquake, and its
// exact integrals over a straight piece of the face.
//
// A vertical face takes Westergaard's parabola (H. M. Westergaard, "Water
// pressures on dams during earthquakes", Trans. ASCE 98, 1933):
//   p = 7/8 kh gamma H sqrt(y / H),
// an inclined face Zangar's distribution (C. N. Zangar, "Hydrodynamic
// pressures on dams due to horizontal earthquake effects", USBR Engineering
// Monograph 11, 1952):
//   p = kh gamma H cm / 2 [eta (2 - eta) + sqrt(eta (2 - eta))],  eta = y / H,
// y the depth below the surface, H the water's depth at the face.
#ifndef TQWEIR_SECTION_HYDRODYNAMIC_PRESSURE_H_
#define TQWEIR_SECTION_HYDRODYNAMIC_PRESSURE_H_

#include "core/run_state.h"

namespace tqweir {

// Zangar's cm for a face rising at `face_angle_deg` above the horizontal:
// 0.735 face_angle_deg / 90, the straight line through his measured values
// (0.735 on a vertical face, 0 on a horizontal one).
double zangar_cm(double face_angle_deg);

// The pressure parameters of a face of depth `depth` (m) below `level` whose
// foot-to-top line rises by `rise` over the horizontal run `run` (m). A
// face at or beyond the vertical (run at most 1e-9 of the rise: the layout's
// ten-digit pi leaves a vertical leaf 2e-10 rad off) takes Westergaard's
// parabola, any other Zangar's distribution.
HydrodynamicPressure face_pressure(double kh, double unit_weight, double level, double depth,
                                   double run, double rise);

// The pressure (Pa) at `y` (m) below the surface, 0 <= y <= depth.
double hydrodynamic_pressure(const HydrodynamicPressure& p, double y);

// A pressure along a straight piece whose depth runs linearly from y0 at
// its start (u = 0) to y1 at its end (u = 1): its mean over u and its first
// moment, the integrals of p and of u p over u from 0 to 1 (Pa).
struct PieceMeans {
  double mean = 0.0;
  double first = 0.0;
};

// Exact (closed-form antiderivatives); a piece whose depths differ by less
// than 1e-3 of the larger takes Simpson's rule instead, whose error there
// is below the rounding the difference of antiderivatives would carry.
PieceMeans piece_means(const HydrodynamicPressure& p, double y0, double y1);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_HYDRODYNAMIC_PRESSURE_H_
