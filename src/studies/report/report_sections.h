// The sections of the calculation report, each as a piece of HTML. Every
// number of a result is the program's printed text for that case; what a
// section computes itself says its rounding where it shows it.
#ifndef TQWEIR_STUDIES_REPORT_REPORT_SECTIONS_H_
#define TQWEIR_STUDIES_REPORT_REPORT_SECTIONS_H_

#include <string>
#include <vector>

#include "design/design.h"
#include "studies/report/case_run.h"
#include "studies/report/check_verdict.h"
#include "studies/report/flood_runs.h"
#include "studies/report/html_table.h"
#include "studies/report/plausibility.h"

namespace tqweir {
namespace report {

// What the report says about itself.
struct ReportContext {
  std::string today;    // the date when criteria.csv gives none
  std::string version;  // tqweir's version
};

// The title block: title, project, author, date, version, input files, and
// the verdict in one line (cases that stopped, the checks of `tally` that
// fail and those that could not be determined).
std::string title_block(const design::Design& design, const std::vector<CaseRun>& runs,
                        const CheckTally& tally, const ReportContext& context);

// The numbered sections, each given its `number` (report_html numbers
// them in order). The method: membrane theory, bisection, constants.
std::string method_section(int number);

// The base case's input: every field, the leaf profile, the derived
// quantities and the plausibility notes.
std::string input_section(const design::Design& design, int number);

// The plausibility notes as a list, or a line saying there are none.
std::string warning_list(const std::vector<Warning>& warnings);

// What each load case changes; notes that a case adds to the base's.
std::string load_case_section(const design::Design& design, int number);

// The key results of every case, or the message of one that stopped.
std::string results_section(const design::Design& design, const std::vector<CaseRun>& runs, int number);

// The criteria, each case's checks and the governing case per criterion;
// a stopped case refers to the results, section `results_number`; the
// design flood's peak levels against max_upstream_level when `floods`
// holds runs, with max_failed_gates those of the K-failed table `failed`,
// and `risk_rows` (risk_check_rows) last.
std::string checks_section(const design::Design& design, const std::vector<CaseRun>& runs, int number,
                           int results_number, const std::vector<FloodRun>& floods,
                           const std::vector<operate::FailedRow>& failed = {},
                           const std::vector<Table::Row>& risk_rows = {});

// A check's value, limit, ratio and result as cells of a checks table.
std::string check_cells(const design::Check& check, const std::string& unit, double limit);

// The leaf's structure: per case its free body's maxima, the hinge's
// reaction beside summary field 11, the stopper's pull, what the diagram
// leaves at the hinge, N, V and M charts along the leaf, and the leaf's
// checks given in criteria.csv.
std::string leaf_section(const design::Design& design, const std::vector<CaseRun>& runs, int number);

// The section drawing of every converged case.
std::string drawings_section(const design::Design& design, const std::vector<CaseRun>& runs, int number);

// Operating curves when the cases vary one input over three or more
// values and at least two cases converged; "" otherwise.
std::string charts_section(const design::Design& design, const std::vector<CaseRun>& runs, int number);

// Appendix: the 27 summary fields of every case, and the input files.
std::string appendix_section(const design::Design& design, const std::vector<CaseRun>& runs);

// "N name" of case `index` (0-based) as a table head or caption, escaped.
std::string case_label(const design::Design& design, std::size_t index);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_REPORT_SECTIONS_H_
