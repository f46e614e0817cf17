// An earthquake's loads on the leaf against the published closed forms.
#include "section/seismic_loads.h"

#include <cmath>

#include <gtest/gtest.h>

#include "input/profile_reader.h"
#include "section/hydrodynamic_pressure.h"

namespace {

using tqweir::RunState;

const double kPi = 3.141592654;

// A straight leaf of length 4 m at `theta1_deg` under still water at
// `level`, 10,000 N of leaf at 1.5 m.
RunState straight_leaf(double theta1_deg, double level) {
  RunState state;
  state.derived.theta1 = theta1_deg * kPi / 180;
  state.profile = tqweir::lay_out_profile({{0, 0}, {4, 0}}, state.derived.theta1);
  state.parameter.upstream_level = level;
  state.syogen.water_unit_weight = 9800.0;
  state.syogen.leaf_weight = 10000.0;
  return state;
}

// Westergaard on a vertical face: the resultant 7/12 kh gamma H^2 at 0.4 H
// above the base. Zangar's on a 45-degree face: the pressure
// C kh gamma H with C = cm/2 [eta(2 - eta) + sqrt(eta(2 - eta))] and
// cm = 0.735 * 45/90, whose horizontal resultant is 0.726 cm kh gamma H^2;
// both push downstream (and down on the inclined face).
TEST(SeismicLoads, WestergaardAndZangarResultants) {
  const double kh = 0.15, gamma = 9800.0, H = 2.5;
  const tqweir::SeismicLoads vertical = tqweir::seismic_loads(straight_leaf(90.0, H), kh);
  ASSERT_TRUE(vertical.pressure.vertical_face);
  EXPECT_NEAR(vertical.water.load_h, 7.0 / 12.0 * kh * gamma * H * H, 1e-9 * gamma);
  EXPECT_NEAR(vertical.water.arm_y, 0.4 * H, 1e-12);
  EXPECT_EQ(vertical.inertia, kh * 10000.0);

  const tqweir::SeismicLoads inclined = tqweir::seismic_loads(straight_leaf(45.0, H), kh);
  ASSERT_FALSE(inclined.pressure.vertical_face);
  const double cm = 0.735 * 45.0 / 90.0;
  EXPECT_NEAR(inclined.pressure.cm, cm, 1e-9);
  for (double eta : {0.1, 0.5, 0.9, 1.0}) {
    const double q = eta * (2 - eta);
    EXPECT_NEAR(tqweir::hydrodynamic_pressure(inclined.pressure, eta * H),
                cm / 2 * (q + std::sqrt(q)) * kh * gamma * H, 1e-9 * gamma)
        << eta;
  }
  // Zangar's 0.726 is his integral rounded to three digits: (2/3 + pi/4) / 2.
  EXPECT_NEAR(inclined.water.load_h, 0.726 * cm * kh * gamma * H * H, 1e-3 * cm * kh * gamma * H * H);
  EXPECT_NEAR(inclined.water.load_v, inclined.water.load_h, 1e-9 * gamma);
  EXPECT_GT(inclined.water.load_h, 0.0);
}

}  // namespace
