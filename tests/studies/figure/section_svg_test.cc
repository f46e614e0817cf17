// The drawing as another tool uses it: from the run's texts in memory,
// several on one page, the waters it finds for the section, and sections
// no scale can show.
#include <limits>
#include <regex>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "standard_run.h"
#include "studies/figure/section_dxf.h"
#include "studies/figure/section_parts.h"
#include "studies/figure/section_svg.h"

namespace tqweir {
namespace plot {
namespace {

std::set<std::string> matches(const std::string& text, const std::string& pattern) {
  std::set<std::string> found;
  const std::regex re(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
       ++it) {
    found.insert((*it)[1]);
  }
  return found;
}

TEST(SectionSvg, TwoDrawingsOnOnePageShareNoIdAndEachRefersToItsOwn) {
  const OutputTexts texts = standard_run_texts();
  const std::string a = section_svg_from_texts(texts, "A", "case1-");
  const std::string b = section_svg_from_texts(texts, "B", "case2\"><script>-");
  EXPECT_EQ(a.rfind("<svg xmlns=", 0), 0u);  // no XML declaration: fit to inline
  const std::set<std::string> ids_a = matches(a, "id=\"([^\"]*)\"");
  const std::set<std::string> ids_b = matches(b, "id=\"([^\"]*)\"");
  ASSERT_GT(ids_a.size(), 10u);
  for (const std::string& id : ids_a) {
    EXPECT_EQ(id.rfind("case1-", 0), 0u) << id;
    EXPECT_EQ(ids_b.count(id), 0u) << id;
  }
  for (const std::string& id : ids_b) EXPECT_EQ(id.rfind("case2script-", 0), 0u) << id;
  for (const std::string* svg : {&a, &b}) {
    const std::set<std::string> ids = svg == &a ? ids_a : ids_b;
    for (const std::string& ref : matches(*svg, "url\\(#([^)]*)\\)")) {
      EXPECT_EQ(ids.count(ref), 1u) << ref;
    }
  }
}

// A leaf rising at 45 degrees to (2, 2), then level to (3, 2); a 0.5 m bag.
RunResults section(double upstream_level, double downstream_level, double floor_slope) {
  RunResults r;
  r.leaf = {{0, 0}, {2, 2}, {3, 2}};
  r.bag = {{0, 0}, {0.5, 0.5}, {1.0, 0.5}, {1.0, -0.1}, {0, 0}};
  r.surface = {{0.0, upstream_level, upstream_level, 0.0}, {2.0, upstream_level, 0.0, 2.0}};
  r.summary.value[summary_index(SummaryId::upstream_level)] = upstream_level;
  r.summary.value[summary_index(SummaryId::hd_rel)] = downstream_level;
  r.floor_slope = floor_slope;
  return r;
}

TEST(FindWaters, EachWaterIsDrawnExactlyWhenItsLevelMeetsTheSection) {
  struct Case {
    double up, down, slope;
    bool upstream, downstream;
  };
  const Case cases[] = {
      {1.5, 0.2, -0.1, true, true},
      {0.0, 0.2, -0.1, false, true},    // up to the hinge: nothing against the leaf
      {1.5, -0.2, -0.1, true, true},    // below the hinge, on a falling floor
      {1.5, -0.2, 0.0, true, false},    // below the hinge, on a level floor
      {1.5, -0.2, 0.01, true, false},   // below the hinge, on a rising floor
  };
  for (const Case& c : cases) {
    const RunResults r = section(c.up, c.down, c.slope);
    Bounds b;
    b.include({-4.0, -1.0});
    b.include({5.0, 3.0});
    Drawing d(r, fit_viewport(b, 0.0, 0.0, 900.0, 400.0));
    find_waters(d);
    EXPECT_EQ(!d.upstream.area.empty(), c.upstream) << c.up << " " << c.down << " " << c.slope;
    EXPECT_EQ(!d.downstream.area.empty(), c.downstream) << c.up << " " << c.down << " " << c.slope;
    if (c.upstream) {
      // From upstream at the level, past the last wet row, on to the leaf's end.
      EXPECT_DOUBLE_EQ(d.upstream.surface.front().y, c.up);
      EXPECT_DOUBLE_EQ(d.upstream.surface.back().x, 3.0);
    }
  }
}

TEST(SectionDrawings, APointGetsAMetreFrameAndASectionBeyondAnyScaleIsRefused) {
  RunResults point;  // every coordinate and level 0
  point.leaf = {{0, 0}, {0, 0}};
  point.bag = {{0, 0}, {0, 0}, {0, 0}};
  point.surface = {{}};
  const std::string svg = build_section_svg(point, "point");
  EXPECT_NE(svg.find("tick-label\">-0.30<"), std::string::npos);
  EXPECT_NE(svg.find("tick-label\">0.10<"), std::string::npos);

  RunResults far = section(1.5, 0.2, -0.1);
  far.leaf.back().x = std::numeric_limits<double>::max();  // the extent overflows
  far.floor_point.y = -far.leaf.back().x;  // and so does the DXF's text below it
  RunResults layer = section(1.5, 0.2, -0.1);
  layer.summary.value[summary_index(SummaryId::layer_level)] = 1e308;  // outside the extent
  const std::pair<const RunResults*, const char*> refused[] = {
      {&far, "the section is too large to draw"}, {&layer, "lies too far from the section"}};
  for (const auto& [r, expected] : refused) {
    try {
      build_section_svg(*r, "x");
      ADD_FAILURE() << expected << ": drawn";
    } catch (const PlotInputError& e) {
      EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(build_section_dxf(far, "x"), PlotInputError);
}

}  // namespace
}  // namespace plot
}  // namespace tqweir
