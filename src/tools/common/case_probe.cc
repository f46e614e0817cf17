#include "tools/common/case_probe.h"

#include <cmath>

#include "core/stop.h"
#include "driver/case_solver.h"

namespace tqweir {
namespace seek {

CaseResult solve_unrounded(const CaseInput& input) {
  CaseResult result;
  try {
    const SolvedCase solved = solve_case(input, SurfaceSink());
    result.finished = true;
    result.values = solved.summary.fields;
    result.summary = solved.summary.text;
  } catch (const StopRun& stop) {
    result.message = stop.message();
  }
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

}  // namespace seek
}  // namespace tqweir
