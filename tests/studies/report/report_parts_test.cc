// The report's parts that decide what a reader is told: the key results,
// the plausibility notes, and the cases' input files.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/input_fields.h"
#include "input/case_reader.h"
#include "support/test_cases.h"
#include "text/input_error.h"
#include "studies/report/case_run.h"
#include "studies/report/key_results.h"
#include "studies/report/plausibility.h"

namespace {

using tqweir::report::CaseRun;

const tqweir::CaseTexts kStandard{"0,10,0,5000,1,1,2,2.5,5,1,9800,9800\n",
                                  "1,2.5,0.3,0.5,15,45,2,3,10\n", "0,0\n3,0\n4,0.3\n"};

// The overflow depth is the difference of the printed level and crest:
// exact in millimetres for every crest height, whatever its binary error.
TEST(KeyResults, OverflowDepthIsExactToTheMillimetre) {
  const tqweir::report::KeyResult* depth = nullptr;
  for (const auto& key : tqweir::report::key_results()) depth = key.overflow_depth ? &key : depth;
  ASSERT_NE(depth, nullptr);
  CaseRun run;
  run.converged = true;
  run.printed.value[tqweir::summary_index(tqweir::SummaryId::upstream_level)] = 10.0;
  for (int mm = 0; mm <= 12000; ++mm) {
    run.printed.value[tqweir::summary_index(tqweir::SummaryId::crest_height)] = mm / 1000.0;
    char expected[32];
    std::snprintf(expected, sizeof expected, "%d.%03d", std::max(0, 10000 - mm) / 1000,
                  std::max(0, 10000 - mm) % 1000);
    ASSERT_EQ(tqweir::report::key_result_text(run, *depth), expected) << mm;
  }
}

// Each note appears just past its bound and not on it; the standard case
// has none.
TEST(Plausibility, EachNoteStartsPastItsBound) {
  const tqweir::CaseInput standard = tqweir_test::case_of_texts(kStandard);
  EXPECT_TRUE(tqweir::report::plausibility_warnings(standard).empty());
  const double leaf = tqweir::report::leaf_length(standard.points);
  using Edit = std::function<void(tqweir::CaseInput&, double)>;
  const struct {
    const char* note;  // a part of the note's English text
    Edit edit;         // moves the input to its bound (d = 0) or just past it
  } notes[] = {
      {"weight's arm", [&](tqweir::CaseInput& c, double d) { c.syogen.leaf_weight_arm = leaf + d; }},
      {"beyond the leaf's length (", [&](tqweir::CaseInput& c, double d) { c.syogen.anchor_distance = leaf + d; }},
      {"before the hinge", [](tqweir::CaseInput& c, double d) { c.syogen.anchor_distance = -d; }},
      {"first point of hitai.csv", [](tqweir::CaseInput& c, double d) { c.points[0].x = d; }},
      {"upstream water level (", [](tqweir::CaseInput& c, double d) {
         c.parameter.upstream_level = -d;
         c.parameter.layer_level = 0.0; }},
      {"second layer's top", [](tqweir::CaseInput& c, double d) {
         c.parameter.layer_level = c.parameter.upstream_level + d; }},
      {"downstream depth", [](tqweir::CaseInput& c, double d) { c.parameter.hd_nd = -d; }},
      {"absolute zero", [](tqweir::CaseInput& c, double d) { c.parameter.air_temperature = -272.999 - d; }},
      {"leaf angle", [](tqweir::CaseInput& c, double d) { c.parameter.theta1_deg = 1.0 - d; }},
      {"stopper's foot", [](tqweir::CaseInput& c, double d) { c.syogen.base_distance = 0.001 - d; }},
  };
  for (const auto& n : notes) {
    tqweir::CaseInput at = standard, past = standard;
    n.edit(at, 0.0);
    n.edit(past, 0.001);
    EXPECT_TRUE(tqweir::report::plausibility_warnings(at).empty()) << n.note;
    const auto warnings = tqweir::report::plausibility_warnings(past);
    ASSERT_EQ(warnings.size(), 1u) << n.note;
    EXPECT_NE(warnings[0].en.find(n.note), std::string::npos) << warnings[0].en;
  }
}

// The files a case is run from read back to the very doubles of the case.
TEST(CaseRun, CaseFilesReadBackBitForBit) {
  tqweir::CaseInput input = tqweir_test::case_of_texts(kStandard);
  input.parameter.upstream_level = 0.1 + 0.2;
  input.syogen.leaf_weight = 4.9e-324;
  input.parameter.hd_nd = -0.0;
  const tqweir::CaseInput back =
      tqweir_test::case_of_texts(tqweir::report::case_texts(input, kStandard.hitai));
  for (const tqweir::InputField& field : tqweir::input_fields()) {
    const double a = tqweir::field_value(field, input);
    const double b = tqweir::field_value(field, back);
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << field.name;
  }
}

}  // namespace
