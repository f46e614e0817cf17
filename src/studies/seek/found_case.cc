#include "studies/seek/found_case.h"

#include "cases/case_files.h"

namespace tqweir {
namespace seek {

FoundCase found_case(const SeekPlan& plan, double value) {
  FoundCase found;
  found.texts = cases::exact_case_texts(search::with_value(plan.input, *plan.field, value), plan.hitai);
  found.run = run_in_memory(found.texts);
  return found;
}

bool found_as_searched(const FoundCase& found, const SeekSearch& search, const search::Edge& edge) {
  const auto spec = found.run.files.find("TQSpec.csv");
  const auto logged = search.log.find(search::edge_value(edge).x);
  return found.run.exit_status == 0 && spec != found.run.files.end() && logged != search.log.end() &&
         spec->second == logged->second;
}

}  // namespace seek
}  // namespace tqweir
