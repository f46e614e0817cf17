#include "tools/report/report_command.h"

#include "core/file_io.h"
#include "studies/report/flood_runs.h"
#include "studies/report/report_study.h"
#include "text/count_text.h"
#include "text/input_error.h"
#include "tools/cli/command_line.h"
#include "tools/report/pdf_print.h"
#include "tools/report/report_options.h"

#ifndef TQWEIR_VERSION
#define TQWEIR_VERSION "unknown"
#endif

namespace tqweir {
namespace report {
namespace {

const char kHelp[] =
    "tqweir-report: the calculation report of a design, as one HTML page for A4 print\n"
    "\n"
    "DESIGN_DIR holds the base case (syogen.csv, parameter.csv, hitai.csv) and\n"
    "optionally loadcases.csv (a header 'case,FIELD,...' and one row per load\n"
    "case: its name and the values that replace the base case's) and\n"
    "criteria.csv (rows 'name,value': title, project, prepared_by, date,\n"
    "membrane_strength, membrane_safety_factor, stopper_capacity,\n"
    "max_bag_pressure, floor_anchor_capacity).\n"
    "  -o FILE        the report (default DESIGN_DIR/report.html)\n"
    "  --pdf          also print it to PDF (FILE with .pdf) with headless chromium\n"
    "  --range NAME=FROM:TO:STEP  make the cases from evenly spaced values instead\n"
    "                 of loadcases.csv (several: every combination)\n"
    "Exit status: 0 written, 1 report or PDF not written or a check not determined\n"
    "(written, the closing line says which), 2 bad command line or input.\n";

// How long the browser may take to print: a few seconds is usual.
constexpr int kPrintTimeoutSeconds = 120;

std::string pdf_path_of(const std::string& html) {
  const std::size_t dot = html.find_last_of('.');
  const std::size_t slash = html.find_last_of("/\\");
  const bool has_extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (has_extension ? html.substr(0, dot) : html) + ".pdf";
}

// Refuses a report (or its PDF) that would replace a file of the design,
// a folder or a device, before a case is run. The PDF may not replace the
// report either, since the browser prints from it.
void check_outputs(const ReportOptions& options) {
  std::vector<std::string> inputs = report_input_paths(options.design_dir);
  const std::string html = report_path(options);
  std::string refusal = output_refusal(html, inputs);
  if (refusal.empty() && options.pdf) {
    inputs.push_back(html);
    refusal = output_refusal(pdf_path_of(html), inputs);
  }
  if (!refusal.empty()) throw text::InputError(refusal);
}

std::string closing_line(const ReportResult& result, const std::string& path) {
  return "tqweir-report: " + text::count_of(result.cases, "case") + ", " +
         std::to_string(result.finished) + " finished, " +
         std::to_string(result.cases - result.finished) + " stopped; report in " + path + "\n";
}

}  // namespace

int run_report_command_line(int argc, const char* const* argv, std::ostream& out,
                            std::ostream& err, const std::string& today) {
  ReportOptions options;
  ReportRequest request;
  design::Design design;
  try {
    options = parse_report_options(argc, argv);
    if (cli::answer_help_or_version(options.help, options.version,
                                      std::string(kHelp) + "\n" + kReportUsage,
                                      std::string("tqweir-report ") + TQWEIR_VERSION, out)) {
      return 0;
    }
    check_outputs(options);
    request = report_request(options, today, TQWEIR_VERSION);
    design = read_report_design(request);
    const std::string inflow = flood_inflow_path(design);
    if (!inflow.empty() && !output_refusal(report_path(options), {inflow}).empty()) {
      throw text::InputError(output_refusal(report_path(options), {inflow}));
    }
  } catch (const text::InputError& error) {
    err << "tqweir-report: " << error.what() << "\n";
    if (options.design_dir.empty()) err << kReportUsage;
    return 2;
  }
  if (!design.note.empty()) out << "tqweir-report: note: " << design.note << "\n";

  const ReportResult report = build_report(design, request.context);
  const std::string path = report_path(options);
  if (!write_file(path, report.html)) {
    err << "tqweir-report: cannot write " << path << "\n";
    return 1;
  }
  // A check that could not be determined is not a pass: the report is
  // written, and the status says it is not the whole answer.
  const int checked = report.tally.undetermined_checks > 0 ? 1 : 0;
  for (const std::string& which : report.tally.undetermined) {
    out << "tqweir-report: not determined: " << which << "\n";
  }
  out << closing_line(report, path);
  if (!options.pdf) return checked;

  const std::string browser = find_browser();
  if (browser.empty()) {
    err << "tqweir-report: " << kBrowserHint << "\n";
    return 1;
  }
  const std::string pdf = pdf_path_of(path);
  std::string why;
  if (!print_pdf(browser, path, pdf, kPrintTimeoutSeconds, why)) {
    err << "tqweir-report: " << why << "\n";
    return 1;
  }
  out << "tqweir-report: PDF in " << pdf << "\n";
  return checked;
}

}  // namespace report
}  // namespace tqweir
