#include "search/case_probe.h"

#include <cmath>

#include "driver/memory_run.h"

namespace tqweir {
namespace search {

CaseResult solve_unrounded(const CaseInput& input) {
  const MemoryRun run = run_in_memory(input);
  CaseResult result;
  result.finished = run.exit_status == 0;
  result.message = run.message;
  result.values = run.summary.fields;
  result.summary = run.summary.text;
  return result;
}

double goal_quantity(const Goal& goal, const CaseResult& result) {
  const double v = result.values[static_cast<std::size_t>(summary_index(goal.field))];
  return (goal.magnitude ? std::fabs(v) : v) * goal.scale;
}

CaseInput with_value(const CaseInput& base, const InputField& field, double value) {
  CaseInput input = base;
  set_field_value(field, value, input);
  return input;
}

Probe case_probe(const CaseInput& base, const InputField& field, const Goal& goal,
                 SummaryLog* log) {
  return [&base, &field, goal, log](double x) {
    const CaseResult result = solve_unrounded(with_value(base, field, x));
    Sample s;
    s.x = x;
    s.finished = result.finished;
    s.stop = static_cast<int>(result.message);
    if (result.finished) s.excess = goal_quantity(goal, result) - goal.target;
    if (result.finished && log != nullptr) (*log)[x] = result.summary;
    return s;
  };
}

}  // namespace search
}  // namespace tqweir
