// The state of one run: inputs, derived quantities, leaf profile, what the
// bisection leaves and the records of the most recent trial.
//
// Plain records of doubles named as in the design method. A run state is
// owned by whoever solves a case (the program's driver, or a tool solving
// many cases); nothing here is global.
#ifndef TQWEIR_CORE_RUN_STATE_H_
#define TQWEIR_CORE_RUN_STATE_H_

#include <array>
#include <vector>

#include "core/constants.h"
#include "core/trial_records.h"

namespace tqweir {

// syogen.csv: dimensions and material data of the structure.
struct SyogenInput {
  double reserved_1 = 0.0;
  double span = 0.0;                   // m
  double reserved_3 = 0.0;
  double leaf_weight = 0.0;            // N/m
  double leaf_weight_arm = 0.0;        // m, along the leaf from the hinge
  double stopper_multiplier = 0.0;     // -
  double anchor_distance = 0.0;        // m, along the leaf profile
  double base_distance = 0.0;          // m, horizontal, hinge to stopper foot
  double theta2_deg = 0.0;             // degree, floor angle below horizontal
  double discharge_coefficient = 0.0;  // -
  double water_unit_weight = 0.0;      // N/m^3
  double layer_unit_weight = 0.0;      // N/m^3
};

// parameter.csv: the design case.
struct ParameterInput {
  int overflow_mode = 0;          // 1, 2 or 3: surface model over the crest
  double upstream_level = 0.0;    // m, section frame
  double hd_nd = 0.0;             // downstream depth in bag heights
  double layer_level = 0.0;       // m; <= 0 means no second layer
  double air_temperature = 0.0;   // degree Celsius
  double theta1_deg = 0.0;        // degree, leaf angle
  double tip_moment = 0.0;        // kN m per m
  double perimeter = 0.0;         // m, bag membrane
  double stopper_tension = 0.0;   // kN
};

// One point of hitai.csv as read.
struct ProfilePoint {
  double x = 0.0;
  double y = 0.0;
};

// The leaf laid out in the section frame (origin at the hinge, y up).
struct LeafProfile {
  std::array<double, kMaxNodes> node_x{};
  std::array<double, kMaxNodes> node_y{};
  std::array<double, kMaxNodes> seg_length{};  // entry 0 unused
  std::array<double, kMaxNodes> seg_angle{};   // entry 0 unused
  int node_count = 0;
  int last_node = 0;
  double crest_height = 0.0;  // H
  double crest_x = 0.0;
  double tip_x = 0.0;
};

// Quantities derived from the two input records.
struct DerivedInput {
  // From the fields as read, before any floor or clamp.
  double theta1 = 0.0;              // rad
  double theta2 = 0.0;              // rad
  double bisector_angle_deg = 0.0;  // degree
  // After the profile has been read.
  double hd_nd = 0.0;               // floored at 1e-05
  double theta1_deg = 0.0;          // clamped to more than 1.0
  double tip_moment_nm = 0.0;       // N m per m
  double stopper_tension_n = 0.0;   // N
  double stopper_force = 0.0;       // N per m of span
  double reference_temperature = 0.0;  // K
  double air_temperature_k = 0.0;       // K
};

// What the bisection leaves: its final bracket, its counts and the angle it
// forms from the last trial.
struct BisectionState {
  double alpha_lo = 0.0;
  double alpha_hi = 0.0;
  double bracket_width = 0.0;
  int iterations = 0;  // completed iterations
  int trials = 0;      // evaluated trials
  double stopper_base_angle = 0.0;      // rad
  double stopper_base_angle_deg = 0.0;  // degree
};

// The three input files of a case as read, and what a case given as values
// may add to them.
struct CaseInput {
  SyogenInput syogen;
  ParameterInput parameter;
  std::vector<ProfilePoint> points;  // 2..30 points of hitai.csv
  // Horizontal seismic coefficient kh (0 or more; 0: no earthquake). No
  // input file holds it: a load case or a keyword sets it.
  double seismic_coefficient = 0.0;
};

// The water's added pressure on the upstream face in an earthquake of
// horizontal coefficient kh: p = kh unit_weight depth c(y / depth), y below
// the surface, with c Westergaard's parabola on a vertical face and
// Zangar's distribution of coefficient cm on an inclined one.
struct HydrodynamicPressure {
  double kh = 0.0;
  double unit_weight = 0.0;  // N/m^3
  double level = 0.0;        // m: the surface the depths are measured from
  double depth = 0.0;        // H, m: the surface to the lowest point of the wetted face
  double face_angle_deg = 0.0;  // the face's slope above the horizontal
  bool vertical_face = false;
  double cm = 0.0;           // Zangar's coefficient for that slope
};

// What an earthquake adds to the balance, horizontal towards downstream,
// per metre of span. It depends on the case, not on the trial.
struct SeismicLoads {
  double kh = 0.0;  // 0: none of the rest applies
  HydrodynamicPressure pressure;
  Load water;            // the added pressure's resultants over the wetted face
  double inertia = 0.0;  // kh leaf_weight (N/m), at the weight's point
};

struct RunState {
  SyogenInput syogen;
  ParameterInput parameter;  // as read
  DerivedInput derived;
  LeafProfile profile;
  // The bag perimeter in use: the input, re-stored by every trial as
  // perimeter_nd * scale, which the next trial divides again.
  double perimeter = 0.0;
  BisectionState bisection;
  TrialState trial;
  SeismicLoads seismic;
};

}  // namespace tqweir

#endif  // TQWEIR_CORE_RUN_STATE_H_
