#include "driver/case_solver.h"

#include "core/stop.h"
#include "input/derived_quantities.h"
#include "input/profile_reader.h"
#include "section/balance_terms.h"
#include "section/seismic_loads.h"

namespace tqweir {

RunState prepare_run_state(const CaseInput& input) {
  check_span_and_perimeter(input.syogen, input.parameter);
  if (input.points.size() < 2 || input.points.size() > kMaxNodes) {
    throw StopRun(Message::hitai_point_count);
  }
  RunState state;
  state.syogen = input.syogen;
  state.parameter = input.parameter;
  state.derived = derive_quantities(input.syogen, input.parameter);
  state.profile = lay_out_profile(input.points, state.derived.theta1);
  state.perimeter = input.parameter.perimeter;
  check_overflow_mode(state.parameter, state.profile);
  state.seismic = seismic_loads(state, input.seismic_coefficient);
  return state;
}

SolvedCase solve_case(const CaseInput& input, const SurfaceSink& sink, Evaluation mode) {
  RunCache cache(mode);
  SolvedCase solved;
  solved.state = prepare_run_state(input);
  solve_alpha(solved.state, sink, cache);
  CaseResult& result = solved.result;
  result.state = solved.state;
  result.section = make_section_polylines(solved.state, cache.integrals());
  // The surface every trial had; the cache holds it still.
  result.surface = cache.surface(surface_input(solved.state)).surface.points;
  result.balance = balance_terms(solved.state);
  solved.files = section_files(result.section);
  solved.summary = make_summary(solved.state, result.section.bag_area);
  result.summary = solved.summary.fields;
  solved.integrand_evaluations = cache.integrand_evaluations();
  if (!solved.files.all_finite || !solved.summary.all_finite) {
    throw StopRun(Message::result_not_finite);
  }
  return solved;
}

}  // namespace tqweir
