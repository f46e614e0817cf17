// What the stages of one trial compute, a record per stage. A trial is the
// composition of these records; each stage returns its record and reads the
// records of the stages before it.
#ifndef TQWEIR_CORE_TRIAL_RECORDS_H_
#define TQWEIR_CORE_TRIAL_RECORDS_H_

namespace tqweir {

// A vertical and a horizontal resultant (N/m) with their lines of action
// (x of the vertical one, y of the horizontal one, m).
struct Load {
  double load_v = 0.0;
  double arm_x = 0.0;
  double load_h = 0.0;
  double arm_y = 0.0;
};

// The bag's section in the membrane frame for one alpha: lengths in bag
// heights, depths down from the top of the free membrane. It depends on
// alpha, the downstream depth beta and the two support angles only.
struct MembraneShape {
  double TB = 0.0;  // membrane tension tau
  double s1 = 0.0, s2 = 0.0, s_bottom = 0.0;  // depths: leaf contact, floor contact, bottom
  double u1 = 0.0, u2 = 0.0, u_bottom = 0.0;  // abscissae at those depths
  double p1_x = 0.0, p1_y = 0.0;  // leaf contact, drawn mirrored
  double p2_x = 0.0, p2_y = 0.0;  // floor contact
  double p3_x = 0.0, p3_y = 0.0;  // hinge: the support lines' crossing
  double chord1 = 0.0, chord2 = 0.0;  // hinge to each contact
  double arc1 = 0.0, arc2 = 0.0, arc_pi = 0.0;  // arc lengths to theta1, pi - theta2, pi
  double perimeter_nd = 0.0;  // whole outline
};

// The shape scaled to metres, the downstream depth over the hinge and the
// bag's pressure, tension and contact forces.
struct BagSection {
  double scale = 0.0;  // m per bag height
  double perimeter = 0.0;  // perimeter_nd * scale: the perimeter the next trial divides
  double chord1_m = 0.0, chord2_m = 0.0;
  double bag_height = 0.0;
  double p3_rise = 0.0, hd_m = 0.0, hd_rel = 0.0, Hd = 0.0;
  double bag_pressure = 0.0;  // Pa
  double bag_tension = 0.0;   // N/m
  double spread_angle_deg = 0.0, spread_angle = 0.0;
  double width_factor = 0.0;
  double bag_force1 = 0.0, bag_force2 = 0.0;  // N/m
};

// The upstream water: its depth over the crest (0 below it) and its load.
struct UpstreamWater {
  double overflow_depth = 0.0;  // m
  Load load;
};

// Downstream water and second-layer loads on the leaf.
struct LeafLoads {
  double contact_height = 0.0;  // m: top of the bag's contact on the leaf
  Load downstream;
  Load layer;
};

// Stopper geometry and the moment balance about the hinge.
struct Balance {
  double anchor_x = 0.0, anchor_y = 0.0;
  double stopper_base_x = 0.0, stopper_base_y = 0.0;
  double anchor_angle = 0.0, anchor_radius = 0.0;
  double water_moment = 0.0;
  double leaf_weight_moment = 0.0;
  double load_moment = 0.0;
  double seismic_moment = 0.0;  // the earthquake's, before width_factor (0 without one)
  double stopper_angle = 0.0;
  double tension_pull = 0.0;
  double tip_force = 0.0;
  double support_force = 0.0;
  double residual = 0.0;
};

// One trial at `alpha`; the last trial's records are the run's results.
struct TrialState {
  double alpha = 0.0;
  MembraneShape shape;
  BagSection bag;
  UpstreamWater upstream;
  LeafLoads loads;
  Balance balance;
};

}  // namespace tqweir

#endif  // TQWEIR_CORE_TRIAL_RECORDS_H_
