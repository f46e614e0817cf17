// Inputs shared by the unit tests: the standard design case and a leaf
// profile built from exact node coordinates.
#ifndef TQWEIR_TESTS_SUPPORT_TEST_CASES_H_
#define TQWEIR_TESTS_SUPPORT_TEST_CASES_H_

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "driver/case_solver.h"
#include "driver/run_files.h"
#include "core/run_state.h"

namespace tqweir_test {

// The case in folder `dir` as a run reads it (throws StopRun where the run
// stops).
inline tqweir::CaseInput case_in_folder(const std::string& dir) {
  tqweir::FolderFiles files(dir);
  return tqweir::read_case(files);
}

// The case of three texts as a run reads it.
inline tqweir::CaseInput case_of_texts(const tqweir::CaseTexts& texts) {
  tqweir::MemoryFiles files(texts);
  return tqweir::read_case(files);
}

// A 3 m bag under a leaf of two segments ((0,0), (3,0), (4,0.3)) at 45
// degrees, water below the crest: a regular case that converges in 23
// iterations.
inline tqweir::CaseInput standard_case() {
  tqweir::CaseInput input;
  input.syogen = {0, 10, 0, 5000, 1, 1, 2, 2.5, 5, 1, 9800, 9800};
  input.parameter.overflow_mode = 1;
  input.parameter.upstream_level = 2.5;
  input.parameter.hd_nd = 0.3;
  input.parameter.layer_level = 0.5;
  input.parameter.air_temperature = 15;
  input.parameter.theta1_deg = 45;
  input.parameter.tip_moment = 2;
  input.parameter.perimeter = 3;
  input.parameter.stopper_tension = 10;
  input.points = {{0, 0}, {3, 0}, {4, 0.3}};
  return input;
}

// A leaf whose nodes are exactly the given points (no rotation, so ties in
// height stay ties): segment lengths and angles, crest (the later of equal
// heights) and tip filled in as the layout would.
inline tqweir::LeafProfile leaf_from_nodes(const std::vector<std::pair<double, double>>& nodes) {
  tqweir::LeafProfile leaf;
  int i = 0;
  for (const auto& node : nodes) {
    leaf.node_x[i] = node.first;
    leaf.node_y[i] = node.second;
    if (i > 0) {
      const double dx = node.first - leaf.node_x[i - 1];
      const double dy = node.second - leaf.node_y[i - 1];
      leaf.seg_length[i] = std::hypot(dx, dy);
      leaf.seg_angle[i] = std::atan2(dy, dx);
    }
    if (i == 0 || leaf.node_y[i] >= leaf.crest_height) {
      leaf.crest_height = leaf.node_y[i];
      leaf.crest_x = leaf.node_x[i];
    }
    leaf.tip_x = node.first;
    ++i;
  }
  leaf.node_count = i;
  leaf.last_node = i - 1;
  return leaf;
}

}  // namespace tqweir_test

#endif  // TQWEIR_TESTS_SUPPORT_TEST_CASES_H_
