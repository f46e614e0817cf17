// The pieces the drawing is made of: the true-scale view, the segments
// that labels must keep clear of, and label placement.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "studies/figure/label_placer.h"
#include "studies/figure/section_parts.h"
#include "studies/figure/svg_page.h"

namespace tqweir {
namespace plot {
namespace {

TEST(FitViewport, OneScaleForBothAxesAndYPointsDown) {
  Bounds wide;
  wide.include({-1.0, 0.0});
  wide.include({3.0, 2.0});
  const Viewport v = fit_viewport(wide, 10.0, 20.0, 800.0, 600.0);
  EXPECT_DOUBLE_EQ(v.px_per_m, 200.0);  // limited by the width
  EXPECT_DOUBLE_EQ(v.x_px(-1.0), 10.0);
  EXPECT_DOUBLE_EQ(v.y_px(2.0), 20.0);
  EXPECT_DOUBLE_EQ(v.y_px(0.0) - v.y_px(1.0), v.x_px(1.0) - v.x_px(0.0));
  EXPECT_DOUBLE_EQ(v.height_px(), 400.0);

  Bounds tall;
  tall.include({0.0, 0.0});
  tall.include({2.0, 3.0});
  const Viewport t = fit_viewport(tall, 0.0, 0.0, 800.0, 600.0);
  EXPECT_DOUBLE_EQ(t.px_per_m, 200.0);  // limited by the height
  EXPECT_DOUBLE_EQ(t.width_px(), 800.0);
  EXPECT_DOUBLE_EQ(t.world.x_min, -1.0);  // widened equally both ways
  EXPECT_DOUBLE_EQ(t.world.x_max, 3.0);

  Bounds flat;  // a level line still gets a finite scale
  flat.include({0.0, 1.0});
  flat.include({4.0, 1.0});
  const Viewport f = fit_viewport(flat, 0.0, 0.0, 800.0, 600.0);
  EXPECT_TRUE(std::isfinite(f.px_per_m));
  EXPECT_GT(f.height_px(), 0.0);
}

TEST(SegmentMeetsBox, CrossingTouchingInsideAndMissing) {
  const Box b{0.0, 0.0, 10.0, 5.0};
  EXPECT_TRUE(segment_meets_box(-5, 2, 15, 3, b));   // straight through
  EXPECT_TRUE(segment_meets_box(2, 1, 3, 2, b));     // wholly inside
  EXPECT_TRUE(segment_meets_box(10, -5, 10, 10, b)); // along an edge
  EXPECT_FALSE(segment_meets_box(-5, -1, 15, -1, b));
  EXPECT_FALSE(segment_meets_box(11, 0, 20, 5, b));
  EXPECT_FALSE(segment_meets_box(-3, 3, 2, 8, b));   // passes the corner outside
  EXPECT_TRUE(segment_meets_box(-2, 3, 3, 8, b));    // touches the corner
}

TEST(LabelPlacer, TakesTheFirstFreeSpotElseTheLeastBadOne) {
  LabelPlacer placer({0.0, 0.0, 400.0, 300.0}, 10.0);
  placer.avoid_line({0.0, 400.0}, {100.0, 100.0});
  // The first spot sits on the line, the second is free.
  const std::string a = placer.place("AAAA", {{50.0, 104.0, "start"}, {50.0, 50.0, "start"}});
  EXPECT_NE(a.find("y=\"50.00\""), std::string::npos) << a;
  // Now: on the line (cost 1), on label A (cost 10), outside (cost 100).
  const std::string b = placer.place(
      "BBBB", {{500.0, 50.0, "start"}, {50.0, 50.0, "start"}, {200.0, 104.0, "start"}});
  EXPECT_NE(b.find("x=\"200.00\""), std::string::npos) << b;
  // Anchors: an end-anchored label lies left of its spot.
  const Box end = placer.box_of("BBBB", {100.0, 50.0, "end"});
  EXPECT_LT(end.x1, 103.0);
  EXPECT_LT(end.x0, 80.0);
}

}  // namespace
}  // namespace plot
}  // namespace tqweir
