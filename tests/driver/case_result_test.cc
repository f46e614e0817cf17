// A finished case as values: on every stored case that finishes, the
// values are what the printed files print, and the balance's terms add up
// to the residual the bisection ended with.
#include "driver/case_result.h"

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "driver/memory_run.h"
#include "input/case_reader.h"
#include "text/run_results.h"

namespace {

using namespace tqweir;

struct Finished {
  std::string syogen;  // the input that gives the floor's angle when XYGate.csv cannot
  MemoryRun run;
};

// The runs of the stored cases that finish.
std::vector<Finished> finished_runs() {
  std::vector<Finished> runs;
  for (const auto& e : std::filesystem::directory_iterator(std::string(TQWEIR_TEST_DATA) + "/cases")) {
    CaseTexts texts;
    if (!read_case_files(e.path().string(), texts)) continue;
    MemoryRun run = run_in_memory(texts);
    if (run.exit_status == 0) runs.push_back({texts.syogen, std::move(run)});
  }
  return runs;
}

// Half the last printed digit, and the double's own rounding of the text.
constexpr double kCoordinate = 0.5e-8 * (1 + 1e-9);
constexpr double kSummary = 0.5e-3 * (1 + 1e-9);

void expect_points(const std::vector<SectionPoint>& values, const std::vector<text::Point>& printed,
                   const std::string& what) {
  ASSERT_EQ(values.size(), printed.size()) << what;
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_NEAR(values[i].x, printed[i].x, kCoordinate) << what << " row " << i + 1;
    EXPECT_NEAR(values[i].y, printed[i].y, kCoordinate) << what << " row " << i + 1;
  }
}

TEST(CaseResult, ValuesAreWhatTheFilesPrint) {
  const std::vector<Finished> runs = finished_runs();
  ASSERT_GE(runs.size(), 20u);
  for (const auto& [syogen, run] : runs) {
    const CaseResult& r = run.result;
    text::OutputTexts texts;
    ASSERT_EQ(text::output_texts(run.files, texts), "");
    texts.syogen = syogen;
    const text::RunResults printed = text::parse_outputs(texts);
    expect_points({r.section.floor_point}, {printed.floor_point}, "XYGate.csv floor");
    expect_points(r.section.leaf, printed.leaf, "XYGate.csv");
    expect_points({r.section.stopper_anchor, r.section.stopper_foot},
                  {printed.stopper_anchor, printed.stopper_foot}, "XYStopper.csv");
    expect_points(r.section.bag, printed.bag, "XYBalloon.csv");
    ASSERT_EQ(r.surface.size(), printed.surface.size());
    for (std::size_t i = 0; i < r.surface.size(); ++i) {
      const SurfacePoint& p = r.surface[i];
      EXPECT_NEAR(p.x, printed.surface[i].x, kCoordinate) << "suimen.csv row " << i + 1;
      EXPECT_NEAR(p.y + p.d, printed.surface[i].surface, kCoordinate) << "suimen.csv row " << i + 1;
      EXPECT_NEAR(p.d, printed.surface[i].depth, kCoordinate) << "suimen.csv row " << i + 1;
      EXPECT_NEAR(p.y, printed.surface[i].bed, kCoordinate) << "suimen.csv row " << i + 1;
    }
    for (std::size_t i = 0; i < r.summary.size(); ++i) {
      EXPECT_NEAR(r.summary[i], printed.summary.value[i], kSummary) << "TQSpec.csv field " << i + 1;
    }
    EXPECT_EQ(r.value(SummaryId::bag_area), r.section.bag_area);
  }
}

TEST(CaseResult, BalanceTermsAddUpToTheResidual) {
  for (const auto& [syogen, run] : finished_runs()) {
    const BalanceTerms& b = run.result.balance;
    const TrialState& t = run.result.state.trial;
    // In the balance's order, bit for bit.
    EXPECT_EQ(b.stopper + ((b.loads + b.bag) + b.tip), b.residual);
    EXPECT_EQ(b.residual, t.balance.residual);
    EXPECT_EQ(((b.weight + b.water) + b.seismic) * b.width_factor, b.loads);
    EXPECT_NEAR(b.upstream + b.downstream + b.layer, b.water,
                1e-12 * (std::fabs(b.upstream) + std::fabs(b.downstream) + std::fabs(b.layer)));
    // Each moment is its force on its lever.
    EXPECT_DOUBLE_EQ(b.bag, -b.bag_pressure * b.chord1_m * b.chord1_m / 2);
    EXPECT_DOUBLE_EQ(b.stopper, std::sin(b.stopper_angle) * b.stopper_force *
                                    run.result.state.syogen.anchor_distance);
    EXPECT_EQ(b.support_force / 1000.0, run.result.value(SummaryId::support_force));
    EXPECT_EQ(b.width_factor, run.result.value(SummaryId::width_factor));
  }
}

}  // namespace
