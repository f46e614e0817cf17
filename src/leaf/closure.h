// The test of the free body against the calculation's balance: its moment
// about the hinge is the converged trial's residual once the method's ways
// of taking three terms are accounted for, and its forces sum with the
// hinge's reaction to zero.
#ifndef TQWEIR_LEAF_CLOSURE_H_
#define TQWEIR_LEAF_CLOSURE_H_

#include "core/run_state.h"
#include "leaf/leaf_line.h"

namespace tqweir {
namespace leaf {

// Where the balance is not plain statics, the free body (which places
// every load where it acts on the leaf) less the balance, each term's
// clockwise moment about the hinge (N m / m):
struct MomentGap {
  // The weight (and an earthquake's inertia there): at its arm along the
  // leaf, where the balance puts the arm on the first segment's direction
  // (cos(theta1) * arm; sin(theta1) * arm the inertia's height).
  double weight = 0.0;
  // The stopper: its pull along its line, where the balance takes the
  // distance along the leaf as the lever and its own angle to the line.
  double stopper = 0.0;
  // The bag: its pressure over the contact along the leaf, where the
  // balance takes the contact straight (p chord1_m^2 / 2); differs only
  // when the leaf bends within the contact.
  double bag = 0.0;
  double total() const { return weight + stopper + bag; }
};

MomentGap moment_gap(const RunState& state, const LeafLine& line);

// The balance's forces on the leaf (N/m) as its records give them: the
// water's resultants, the weight and an earthquake's loads times width_factor, the bag's pressure
// over its contact, the stopper's pull along its line, the tip's force.
Vec balance_forces(const RunState& state, const LeafLine& line);

struct Closure {
  double residual = 0.0;      // the converged trial's (N m / m)
  double hinge_moment = 0.0;  // the free body's moment about the hinge (N m / m)
  MomentGap gap;              // how much of it the method's conventions make
  // hinge_moment - gap - residual, and reaction + balance_forces: both zero
  // up to rounding when the free body carries the balance's loads.
  double moment_mismatch = 0.0;
  Vec force_mismatch;
  // What the mismatches are measured against: the bag's moment about the
  // hinge and its force.
  double moment_scale = 0.0;
  double force_scale = 0.0;
};

Closure close_free_body(const RunState& state, const LeafLine& line, double hinge_moment,
                        const Vec& reaction);

}  // namespace leaf
}  // namespace tqweir

#endif  // TQWEIR_LEAF_CLOSURE_H_
