// Where the membrane leaves a straight support.
//
// The bag leans on two straight supports (the leaf and the floor). Where it
// leaves one, its tangent has the support's inclination: `angle` itself for
// the leaf side (kinds 1, 2), pi - `angle` for the floor side (kinds 3, 4).
// Kinds 1 and 3 use the load integral of a point at or below the water line
// (or of a submerged bag), kinds 2 and 4 that of a point above it.
#ifndef TQWEIR_MEMBRANE_CONTACT_H_
#define TQWEIR_MEMBRANE_CONTACT_H_

namespace tqweir {

// The tension at which the membrane's tangent reaches the kind's angle at
// `depth` (bag heights): L(depth) / D, D = 1 - cos(angle) for kinds 1, 2 and
// cos(angle) + 1 for kinds 3, 4. A kind outside 1..4 gives 0.0.
double contact_tension(int kind, double depth, double alpha, double beta,
                       double angle);

// The depth in [0, 1] at which contact_tension equals `tension`, found by
// the kernel bisection; a multiple of a power of 1/2.
// Throws StopRun(membrane_not_converged) when [0, 1] holds no sign change
// (a tension that is not positive, an angle at 0 or pi).
double contact_depth(int kind, double alpha, double beta, double angle,
                     double tension);

}  // namespace tqweir

#endif  // TQWEIR_MEMBRANE_CONTACT_H_
