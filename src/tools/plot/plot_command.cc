#include "tools/plot/plot_command.h"

#include <filesystem>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "tools/cli/command_line.h"
#include "text/input_error.h"
#include "studies/figure/run_folder.h"
#include "studies/figure/section_dxf.h"
#include "studies/figure/section_svg.h"

#ifndef TQWEIR_VERSION
#define TQWEIR_VERSION "unknown"
#endif

namespace tqweir {
namespace plot {
namespace {

const char kUsage[] = "usage: tqweir-plot [DIR] [--dxf] [-o FILE] | --help | --version\n";

const char kHelp[] =
    "tqweir-plot: draws the cross-section of a finished tqweir run\n"
    "\n"
    "usage: tqweir-plot [DIR] [--dxf] [-o FILE]\n"
    "       tqweir-plot --help | --version\n"
    "\n"
    "DIR (default: the working folder) holds a run that finished normally:\n"
    "error.csv with the notice, XYGate.csv, XYStopper.csv, XYBalloon.csv,\n"
    "suimen.csv, TQSpec.csv, and syogen.csv when the stopper's foot lies at the\n"
    "hinge (for the floor's angle). Written: DIR/section.svg, a true-scale\n"
    "picture in metres with the key results in English and Japanese; with\n"
    "--dxf DIR/section.dxf, a DXF R12 drawing for CAD with layers FLOOR, LEAF,\n"
    "HINGE, BAG, STOPPER, WATER_UP, WATER_DOWN, LAYER2 and TEXT, every vertex a\n"
    "coordinate of the files; -o FILE (from the working folder) names it.\n"
    "\n"
    "Exit status: 0 drawing written; 1 the run did not finish normally, a file\n"
    "is missing or malformed, or the drawing cannot be written (a message on\n"
    "standard error, no drawing written); 2 bad command line.\n";

struct Options {
  std::string dir = ".";
  std::string output;  // empty: DIR/section.svg or DIR/section.dxf
  bool dxf = false;
};

// False for anything but at most one DIR, one --dxf and one -o FILE, with
// `why` naming what was refused.
bool parse_options(int argc, const char* const* argv, Options& options, std::string& why) {
  enum { kOutput, kDxf };
  cli::CommandWords words;
  try {
    words = cli::split_command_line(
        argc, argv, {{kOutput, {"-o", "--output"}, "a file name"}, {kDxf, {"--dxf"}, ""}});
  } catch (const text::InputError& error) {
    why = error.what();
    return false;
  }
  for (const cli::GivenOption& option : words.options) {
    const bool repeated = option.id == kOutput ? !options.output.empty() : options.dxf;
    if (repeated) {
      why = option.name + " given twice";
      return false;
    }
    if (option.id == kOutput) options.output = option.value;
    if (option.id == kDxf) options.dxf = true;
  }
  if (words.positional.size() > 1) {
    why = "unexpected argument " + words.positional[1];
    return false;
  }
  if (words.positional.size() == 1) options.dir = words.positional[0];
  if (options.output.empty()) {
    options.output = join_path(options.dir, options.dxf ? "section.dxf" : "section.svg");
  }
  return true;
}

// Refuses a drawing that would replace a file of the run it draws (those
// read_run_folder reads), a folder or a device; "" when it may be written.
std::string output_refusal_of(const Options& options) {
  std::vector<std::string> inputs;
  for (const char* name : {"error.csv", "XYGate.csv", "XYStopper.csv", "XYBalloon.csv",
                           "suimen.csv", "TQSpec.csv", "syogen.csv"}) {
    inputs.push_back(join_path(options.dir, name));
  }
  return output_refusal(options.output, inputs);
}

// The name of the run's folder, for the title block.
std::string case_name(const std::string& dir) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::weakly_canonical(dir, ec);
  if (ec) p = std::filesystem::path(dir);
  const std::string name = p.filename().string();
  return name.empty() ? dir : name;
}

}  // namespace

int run_plot_command(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const std::string only = argc == 2 ? argv[1] : "";
  if (only == "--help" || only == "-h") {
    out << kHelp;
    return 0;
  }
  if (only == "--version") {
    out << "tqweir-plot " << TQWEIR_VERSION << "\n";
    return 0;
  }
  Options options;
  std::string why;
  if (!parse_options(argc, argv, options, why)) {
    err << "tqweir-plot: " << why << "\n" << kUsage;
    return 2;
  }
  const std::string refusal = output_refusal_of(options);
  if (!refusal.empty()) {
    err << "tqweir-plot: " << refusal << "\n";
    return 1;
  }
  std::string drawing;
  try {
    const RunResults results = parse_outputs(read_run_folder(options.dir));
    const std::string name = case_name(options.dir);
    drawing = options.dxf ? build_section_dxf(results, name) : build_section_svg(results, name);
  } catch (const PlotInputError& e) {
    err << "tqweir-plot: cannot draw the run in " << options.dir << ": " << e.what() << "\n";
    return 1;
  }
  // Through a temporary file beside the target: a failed write leaves no
  // partial drawing, and an earlier drawing stays as it was.
  if (!write_file(options.output, drawing)) {
    err << "tqweir-plot: cannot write " << options.output << "\n";
    return 1;
  }
  return 0;
}

}  // namespace plot
}  // namespace tqweir
