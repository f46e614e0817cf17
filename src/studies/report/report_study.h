// The calculation report of a design as a study: a request (the design
// folder, the ranges of cases, the date and version the page states), the
// design read and refused as a whole before any case runs, and the page
// with the facts its verdict and exit status follow.
#ifndef TQWEIR_STUDIES_REPORT_REPORT_STUDY_H_
#define TQWEIR_STUDIES_REPORT_REPORT_STUDY_H_

#include <cstddef>
#include <string>
#include <vector>

#include "design/design.h"
#include "studies/report/check_verdict.h"
#include "studies/report/report_sections.h"

namespace tqweir {
namespace report {

struct ReportRequest {
  std::string design_dir;
  // "NAME=FROM:TO:STEP" each, in order: the cases made from evenly spaced
  // values (every combination) instead of loadcases.csv; empty: the folder's.
  std::vector<std::string> ranges;
  ReportContext context;  // the date when criteria.csv gives none, the version
};

struct ReportResult {
  std::string html;         // the whole page, UTF-8
  CheckTally tally;         // its checks, failed and undetermined
  std::size_t cases = 0;    // load cases run
  std::size_t finished = 0; // of them, the ones that converged
};

// The files of the folder a report reads whatever it holds (the base case,
// loadcases.csv, criteria.csv, operation.csv, risk.csv): no output may replace one.
std::vector<std::string> report_input_paths(const std::string& design_dir);

// The design of the request with everything the report will read checked:
// the folder (design::read_design), operation.csv, the design flood's
// inflow and pond when criteria.csv names one, and the risk's inputs when
// the folder holds risk.csv. Throws text::InputError with
// the reader's words, before any case runs.
design::Design read_report_design(const ReportRequest& request);

// Runs every case of `design` and builds the page. A case that stops is
// part of the report, not a failure.
ReportResult build_report(const design::Design& design, const ReportContext& context);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_REPORT_STUDY_H_
