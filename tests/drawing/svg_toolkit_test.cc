// The SVG toolkit the drawings and charts share: escaping of text and the
// ticks of an axis.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drawing/axis_ticks.h"
#include "drawing/svg_elements.h"

namespace tqweir {
namespace drawing {
namespace {

TEST(XmlEscape, MarkupCharactersBecomeEntities) {
  EXPECT_EQ(drawing::xml_escape("a&b<c>\"d'"), "a&amp;b&lt;c&gt;&quot;d&apos;");
}

TEST(XmlEscape, KeepsJapaneseAndReplacesWhatXmlCannotHold) {
  EXPECT_EQ(drawing::xml_escape(u8"袋体 α °"), u8"袋体 α °");
  EXPECT_EQ(drawing::xml_escape("tab\tok"), "tab\tok");
  EXPECT_EQ(drawing::xml_escape(std::string("nul\0bel\x07", 8)), "nul?bel?");
  // CP932 bytes of a folder name made on a Japanese desktop: not UTF-8.
  EXPECT_EQ(drawing::xml_escape("\x82\xa0"), "??");
  EXPECT_EQ(drawing::xml_escape("\xe3\x81"), "??");            // cut short
  EXPECT_EQ(drawing::xml_escape("\xc0\xaf"), "??");            // overlong '/'
  EXPECT_EQ(drawing::xml_escape("\xed\xa0\x80"), "???");       // a surrogate
  EXPECT_EQ(drawing::xml_escape("\xef\xbf\xbe"), "???");       // U+FFFE
  EXPECT_EQ(drawing::xml_escape("\xf4\x90\x80\x80"), "????");  // above U+10FFFF
}

TEST(TickStep, IsOneTwoOrFiveTimesAPowerOfTenAndTheSmallestThatFits) {
  EXPECT_DOUBLE_EQ(drawing::tick_step(4.5, 12), 0.5);
  EXPECT_DOUBLE_EQ(drawing::tick_step(10.0, 10), 1.0);
  EXPECT_DOUBLE_EQ(drawing::tick_step(0.37, 12), 0.05);
  EXPECT_DOUBLE_EQ(drawing::tick_step(1.0, 1), 1.0);
  for (double length = 0.013; length < 2000.0; length *= 1.37) {
    for (int n : {1, 5, 14}) {
      const double step = drawing::tick_step(length, n);
      const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
      EXPECT_TRUE(std::fabs(mantissa - 1.0) < 1e-9 || std::fabs(mantissa - 2.0) < 1e-9 ||
                  std::fabs(mantissa - 5.0) < 1e-9)
          << step;
      EXPECT_LE(length / step, n + 1e-9);
      // The next smaller step of the series would not fit.
      const double smaller = mantissa > 3.0 ? step / 2.5 : step / 2.0;
      EXPECT_GT(length / smaller, n - 1e-9) << length << " " << n;
    }
  }
}

TEST(TickStep, ThereIsNoneForALengthWithoutAFiniteStep) {
  const double max = std::numeric_limits<double>::max();
  for (double length : {0.0, -1.0, std::numeric_limits<double>::infinity(),
                        std::numeric_limits<double>::quiet_NaN(), 5e-324, max}) {
    EXPECT_EQ(drawing::tick_step(length, 1), 0.0) << length;
  }
  EXPECT_EQ(drawing::tick_step(1.0, 0), 0.0);
  EXPECT_DOUBLE_EQ(drawing::tick_step(max, 5), 5e307);
}

TEST(TickValues, MultiplesFromTheirIndexLabelledWithTheStepsDecimals) {
  std::vector<std::string> labels;
  for (double v : drawing::tick_values(-0.3, 0.3, 0.1)) labels.push_back(drawing::tick_label(v, 0.1));
  EXPECT_EQ(labels, (std::vector<std::string>{"-0.3", "-0.2", "-0.1", "0", "0.1", "0.2", "0.3"}));
  EXPECT_EQ(drawing::tick_label(20.0, 5.0), "20");
  EXPECT_EQ(drawing::tick_decimals(0.05), 2);
  // A range far from its step draws no ticks rather than looping on.
  EXPECT_TRUE(drawing::tick_values(0.0, 1e6, 1.0).empty());
  EXPECT_TRUE(drawing::tick_values(1e300, 2e300, 1.0).empty());
  EXPECT_TRUE(drawing::tick_values(0.0, 1.0, 0.0).empty());
}

TEST(SvgElements, NoPictureHoldsAValueThatIsNotFinite) {
  EXPECT_EQ(drawing::px(-0.001), "0.00");
  EXPECT_THROW(drawing::px(std::numeric_limits<double>::infinity()), drawing::UndrawableValue);
  EXPECT_THROW(drawing::svg_line(0.0, std::nan(""), 1.0, 1.0), drawing::UndrawableValue);
}

}  // namespace
}  // namespace drawing
}  // namespace tqweir
