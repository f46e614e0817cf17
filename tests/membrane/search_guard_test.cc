// Searches without a root must stop the run instead of looping for ever.
#include <cmath>

#include <gtest/gtest.h>

#include "core/stop.h"
#include "membrane/contact.h"
#include "membrane/lines_meet.h"
#include "membrane/tension.h"
#include "support/expect_stop.h"

namespace {

using tqweir::Message;
using tqweir_test::expect_stop_without_hang;

TEST(SearchGuard, ContactSearchWithNegativeTensionStops) {
  // A submerged bag (beta 1.5): the load integral is >= 0 on [0, 1] for
  // every kind, so a negative tension is never reached.
  for (int kind = 1; kind <= 4; ++kind) {
    SCOPED_TRACE(kind);
    expect_stop_without_hang(Message::membrane_not_converged, [kind] {
      return tqweir::contact_depth(kind, 2.0, 1.5, 1.0, -0.25);
    });
  }
}

TEST(SearchGuard, ContactSearchWithTheSupportAlongTheTopTangentStops) {
  // Angle 0 on the leaf side: the relation divides by 1 - cos 0 = 0.
  expect_stop_without_hang(Message::membrane_not_converged, [] {
    return tqweir::contact_depth(2, 2.0, 0.5, 0.0, 0.9375144);
  });
}

TEST(SearchGuard, ParallelSupportLinesStop) {
  const double quarter = std::atan(1.0);
  expect_stop_without_hang(Message::membrane_not_converged, [quarter] {
    return tqweir::lines_meet_depth(-0.5, 0.4, 0.5, 0.8, quarter, -quarter);
  });
}

TEST(SearchGuard, CrossingOutsideTheMembraneStops) {
  // The lines meet at depth 1.1, below the bracket [0, 1].
  const double quarter = std::atan(1.0);
  expect_stop_without_hang(Message::membrane_not_converged, [quarter] {
    return tqweir::lines_meet_depth(-0.5, 0.4, 0.5, 2.8, quarter, quarter);
  });
}

TEST(SearchGuard, TensionWithWaterLineJustAboveTheBottomStops) {
  // The root in cos psi lies beyond the bracket's end 0.999999 when beta is
  // within about 5e-07 below 1; 1e-06 below still has one.
  expect_stop_without_hang(Message::membrane_not_converged,
                           [] { return tqweir::solve_tension(2.0, 1.0 - 1e-07); });
  expect_stop_without_hang(Message::membrane_not_converged,
                           [] { return tqweir::solve_tension(300.0, 1.0 - 2e-07); });
  EXPECT_NO_THROW(tqweir::solve_tension(2.0, 1.0 - 1e-06));
}

}  // namespace
