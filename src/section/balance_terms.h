// The converged moment balance about the hinge term by term: each load's
// moment as the balance sums it, the residual they leave, and the forces
// the moments are taken from.
#ifndef TQWEIR_SECTION_BALANCE_TERMS_H_
#define TQWEIR_SECTION_BALANCE_TERMS_H_

#include "core/run_state.h"

namespace tqweir {

struct BalanceTerms {
  // Moments about the hinge (N m / m), clockwise positive: the sense in
  // which the balance counts the loads that close the gate. The water and
  // the weight per metre of span, before width_factor.
  double upstream = 0.0;    // upstream water: load_h arm_y + load_v arm_x
  double downstream = 0.0;  // downstream water above the bag's contact (pushes up: negative)
  double layer = 0.0;       // second layer
  double water = 0.0;       // the three as the balance adds them (equal to their sum up to rounding)
  double weight = 0.0;      // cos(theta1) leaf_weight leaf_weight_arm: the arm on the first segment
  double seismic = 0.0;     // the earthquake's added water pressure and the leaf's inertia (0 without kh)
  double width_factor = 0.0;  // span over the bag's effective width
  double loads = 0.0;       // ((weight + water) + seismic) width_factor
  double bag = 0.0;         // -bag_force chord1_m / 2: the pressure over the contact taken straight
  double tip = 0.0;         // the given tip moment
  double stopper = 0.0;     // sin(stopper_angle) stopper_force anchor_distance: the lever along the leaf
  // What the bisection left: stopper + ((loads + bag) + tip), bit for bit.
  double residual = 0.0;

  // The forces behind them, per metre of span unless said.
  Load upstream_load;    // resultants (N/m) and lines of action (m)
  Load downstream_load;  // its horizontal part with the layer's unit weight
  Load layer_load;
  double leaf_weight = 0.0;    // N/m, down
  double bag_pressure = 0.0;   // Pa
  double bag_force = 0.0;      // N/m of bag: the pressure over chord1_m
  double chord1_m = 0.0;       // m, the bag's contact along the leaf
  double stopper_force = 0.0;  // N/m, the pull along the stopper
  double stopper_angle = 0.0;  // rad, the angle the balance takes the pull's lever with
  double tip_force = 0.0;      // N/m, square to the tip's radius
  double support_force = 0.0;  // N/m, the method's combination at the bag's corner (summary field 11)
};

// The terms of the state's last trial (solve_alpha's converged midpoint).
BalanceTerms balance_terms(const RunState& converged);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_BALANCE_TERMS_H_
