// Fuzz target: a finished run's folder as tqweir-plot reads it. The input
// is cut at its first five NUL bytes into XYGate.csv, XYStopper.csv,
// XYBalloon.csv, suimen.csv, TQSpec.csv and syogen.csv; the files are
// parsed and drawn as SVG and as DXF. A PlotInputError is the plot's way to
// refuse a run; anything else escaping, a crash, a sanitizer report, a slow
// input (a loop that does not end) or a drawing with a number that is not
// finite is a finding.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "split_input.h"
#include "studies/figure/run_results.h"
#include "studies/figure/section_dxf.h"
#include "studies/figure/section_svg.h"

namespace {

// printf writes "inf" and "nan" for values that are not finite; nothing
// else in a drawing of case "fuzz" spells them (TQSpec.csv's fields are
// finite numbers as printed).
bool holds_non_finite(const std::string& drawing) {
  return drawing.find("inf") != std::string::npos || drawing.find("nan") != std::string::npos;
}

bool ends_with(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> parts = tqweir_fuzz::split_parts(data, size, 6);
  const tqweir::plot::OutputTexts texts{parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]};
  tqweir::plot::RunResults results;
  try {
    results = tqweir::plot::parse_outputs(texts);
  } catch (const tqweir::plot::PlotInputError&) {
    return 0;
  }
  TQWEIR_FUZZ_CHECK(results.bag.size() >= 3 && results.leaf.size() >= 2, "too few points read");
  TQWEIR_FUZZ_CHECK(results.bag.front().x == results.bag.back().x &&
                        results.bag.front().y == results.bag.back().y,
                    "an open bag outline read");
  for (const bool dxf : {false, true}) {
    try {
      const std::string drawing = dxf ? tqweir::plot::build_section_dxf(results, "fuzz")
                                      : tqweir::plot::build_section_svg(results, "fuzz");
      TQWEIR_FUZZ_CHECK(!holds_non_finite(drawing), "a drawing with a number that is not finite");
      TQWEIR_FUZZ_CHECK(ends_with(drawing, dxf ? "EOF\r\n" : "</svg>\n"), "a drawing cut short");
    } catch (const tqweir::plot::PlotInputError&) {
    }
  }
  return 0;
}
