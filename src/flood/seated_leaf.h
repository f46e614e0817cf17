// The leaf resting on its seat at the lowered angle while the exhaust goes
// on venting the bag: the bag holds less air than the lowered state needs
// to carry the leaf, so the seat takes what the bag no longer carries, and
// the bag's pressure, and the membrane's tension with it, follow the air
// that is left.
//
// The section is not solved again for these states (the summary's solve
// finds the pressure that balances the leaf, and a seated leaf is balanced
// by the seat at any pressure below that one). The bag keeps the lowered
// state's outline (area, height, chords): the leaf that bounds it has not
// moved. The pressure is the one the air holds in that area, never below
// atmospheric (the exhaust only lets air out, and a bag with less air than
// fills its outline at atmospheric pressure is partly slack, open to the
// atmosphere through the valve). The tension follows the pressure by the
// membrane's own law (membrane/tension.h): tau(alpha, beta) = T / (rho g
// h^2) at the pressure head alpha = p / (rho g h) and the tailwater's
// depth beta of the lowered state, scaled so that it is the lowered
// state's tension exactly at the lowered state's pressure. The fields the
// summary derives from the pressure and the tension (alpha, the pressure
// at the air temperature, the bag's force on its floor chord, the
// membrane's pull, the support force) follow by the summary's relations.
#ifndef TQWEIR_FLOOD_SEATED_LEAF_H_
#define TQWEIR_FLOOD_SEATED_LEAF_H_

#include "flood/gate.h"

namespace tqweir {
namespace flood {

// The bag's absolute pressure (Pa) that `air` (m3/m, free air) holds in the
// state's bag area, as the summary counts its air (air = p_abs / p_atm *
// area), and never below atmospheric pressure.
double bag_p_abs(const GateState& state, double air);

// tau = T / (rho g h^2) of the bag's membrane at pressure head `alpha` and
// tailwater depth `beta` (both in bag heights, alpha >= 0): the section's
// law where it has a shape; where the tailwater presses the membrane below
// its water line flat against it (alpha at most beta / 2 above a dry
// bottom), the arc above the water line alone, (1 - beta) alpha / 2, which
// is the law's own limit there; 0 where the water outside outweighs the air
// (a submerged bag, alpha below beta - 1/2): the membrane is slack.
// Throws RouteStop where the law's search does not converge.
double membrane_tau(double alpha, double beta);

// `lowered` (the state at the lowered angle, holding `lowered_air` m3/m)
// with `air` < lowered_air left in the bag, the leaf on its seat; the state
// itself when air >= lowered_air.
GateState seated_state(const GateState& lowered, double lowered_air, double air);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_SEATED_LEAF_H_
