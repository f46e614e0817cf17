// One case solved with a given evaluation, everything it produced kept for
// a bit-for-bit comparison.
#ifndef TQWEIR_TESTS_SPEED_SOLVE_OUTCOME_H_
#define TQWEIR_TESTS_SPEED_SOLVE_OUTCOME_H_

#include <string>
#include <vector>

#include "driver/case_solver.h"
#include "core/stop.h"

namespace tqweir_test {

struct SolveOutcome {
  bool stopped = false;
  tqweir::Message message = tqweir::Message::finished;
  std::string stop_file;  // named by a write_failed stop
  std::vector<std::string> surface_rows;  // every sink call, in order
  tqweir::SolvedCase solved;  // valid when !stopped
  long long integrand_evaluations = 0;  // of a solved case
};

// solve_case(input, sink, mode), catching the stop.
SolveOutcome solve_with(const tqweir::CaseInput& input, tqweir::Evaluation mode);

// Empty when `a` and `b` are the same bit for bit: stop and message, every
// surface handed to the sink, the three coordinate files and the bag area,
// all summary fields and the summary line, the final trial and bisection
// state. Otherwise the first difference found, named.
std::string first_difference(const SolveOutcome& a, const SolveOutcome& b);

}  // namespace tqweir_test

#endif  // TQWEIR_TESTS_SPEED_SOLVE_OUTCOME_H_
