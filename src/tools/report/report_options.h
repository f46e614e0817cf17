// The command line of tqweir-report.
#ifndef TQWEIR_TOOLS_REPORT_REPORT_OPTIONS_H_
#define TQWEIR_TOOLS_REPORT_REPORT_OPTIONS_H_

#include <string>
#include <vector>

#include "studies/report/report_study.h"

namespace tqweir {
namespace report {

constexpr const char* kReportUsage =
    "usage: tqweir-report DESIGN_DIR [-o FILE] [--pdf] [--range NAME=FROM:TO:STEP ...]\n";

struct ReportOptions {
  bool help = false;
  bool version = false;
  std::string design_dir;
  std::string output;               // empty: DESIGN_DIR/report.html
  bool pdf = false;
  std::vector<std::string> ranges;  // the --range arguments, in order
};

// Parses argv[1..]: DESIGN_DIR, "-o FILE", "--pdf", "--range
// NAME=FROM:TO:STEP" (also "--range=..."; may repeat), "-h"/"--help",
// "--version". Throws text::InputError saying what is wrong.
ReportOptions parse_report_options(int argc, const char* const* argv);

// The report's request: the folder and the ranges of `options`, the date
// when criteria.csv gives none and the version the title block states.
ReportRequest report_request(const ReportOptions& options, const std::string& today,
                             const std::string& version);

// The report's path: the -o FILE, or report.html in the design folder.
std::string report_path(const ReportOptions& options);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_REPORT_REPORT_OPTIONS_H_
