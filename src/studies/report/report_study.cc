#include "studies/report/report_study.h"

#include "cases/base_case.h"
#include <utility>

#include "core/file_io.h"
#include "operation/operation_file.h"
#include "studies/report/flood_runs.h"
#include "studies/report/report_document.h"
#include "studies/report/risk_section.h"

namespace tqweir {
namespace report {

std::vector<std::string> report_input_paths(const std::string& design_dir) {
  std::vector<std::string> inputs = cases::base_case_paths(design_dir);
  inputs.push_back(join_path(design_dir, "loadcases.csv"));
  inputs.push_back(join_path(design_dir, "criteria.csv"));
  inputs.push_back(join_path(design_dir, design::kOperationFileName));
  inputs.push_back(join_path(design_dir, design::kRiskFileName));
  return inputs;
}

design::Design read_report_design(const ReportRequest& request) {
  design::Design design = design::read_design(request.design_dir, request.ranges);
  operation::OperationFile operation;  // refused here, before any case runs
  operation::read_operation_from(design.folder, operation);
  check_flood_inputs(design);
  check_risk_inputs(design);
  return design;
}

ReportResult build_report(const design::Design& design, const ReportContext& context) {
  const std::vector<CaseRun> runs = run_design(design);
  Report report = make_report(design, runs, context);
  ReportResult result;
  result.html = std::move(report.html);
  result.tally = std::move(report.tally);
  result.cases = runs.size();
  for (const CaseRun& run : runs) result.finished += run.converged ? 1 : 0;
  return result;
}

}  // namespace report
}  // namespace tqweir
