// The water-surface file's rows.
#include "output/surface_file.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

TEST(SurfaceFile, NotANumberKeepsTheFieldWidth) {
  // A degenerate surface (model 2 with the tip at x = 0) gives not-a-number
  // depths; the file still has its column layout of ten characters a field.
  tqweir::WaterSurface surface;
  surface.points.push_back({1.5, 0.25, std::numeric_limits<double>::quiet_NaN()});
  EXPECT_EQ(tqweir::surface_file(surface),
            "1.50000000,       nan,       nan,0.25000000\r\n");
}

}  // namespace
