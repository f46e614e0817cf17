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
#include "tools/plot/leaf_table.h"

#ifndef TQWEIR_VERSION
#define TQWEIR_VERSION "unknown"
#endif

namespace tqweir {
namespace plot {
namespace {

const char kUsage[] = "usage: tqweir-plot [DIR] [--dxf | --leaf-forces] [-o FILE] | --help | --version\n";

const char kHelp[] =
    "tqweir-plot: draws the cross-section of a finished tqweir run\n"
    "\n"
    "usage: tqweir-plot [DIR] [--dxf | --leaf-forces] [-o FILE]\n"
    "       tqweir-plot --help | --version\n"
    "\n"
    "DIR (default: the working folder) holds a run that finished normally:\n"
    "error.csv with the notice, XYGate.csv, XYStopper.csv, XYBalloon.csv,\n"
    "suimen.csv, TQSpec.csv, and syogen.csv when the stopper's foot lies at the\n"
    "hinge (for the floor's angle). Written: DIR/section.svg, a true-scale\n"
    "picture in metres with the key results in English and Japanese; with\n"
    "--dxf DIR/section.dxf, a DXF R12 drawing for CAD with layers FLOOR, LEAF,\n"
    "HINGE, BAG, STOPPER, WATER_UP, WATER_DOWN, LAYER2 and TEXT, every vertex a\n"
    "coordinate of the files; with --leaf-forces DIR/leaf_forces.csv, the\n"
    "leaf's forces along it per metre (s, x, y in m, N and V in kN/m, M in kN m/m,\n"
    "from the hinge to the tip; CP932, CR LF), from the case's input files, which\n"
    "must still give the run's TQSpec.csv; -o FILE (from the working folder) names it.\n"
    "\n"
    "Exit status: 0 drawing written; 1 the run did not finish normally, a file\n"
    "is missing or malformed, or the drawing cannot be written (a message on\n"
    "standard error, no drawing written); 2 bad command line. The same for the\n"
    "table of --leaf-forces.\n";

struct Options {
  std::string dir = ".";
  std::string output;  // empty: DIR/section.svg, DIR/section.dxf or DIR/leaf_forces.csv
  bool dxf = false;
  bool leaf_forces = false;
};

// False for anything but at most one DIR, one --dxf or --leaf-forces and
// one -o FILE, with `why` naming what was refused.
bool parse_options(int argc, const char* const* argv, Options& options, std::string& why) {
  enum { kOutput, kDxf, kLeafForces };
  cli::CommandWords words;
  try {
    words = cli::split_command_line(
        argc, argv, {{kOutput, {"-o", "--output"}, "a file name"}, {kDxf, {"--dxf"}, ""}, {kLeafForces, {"--leaf-forces"}, ""}});
  } catch (const text::InputError& error) {
    why = error.what();
    return false;
  }
  for (const cli::GivenOption& option : words.options) {
    const bool repeated = option.id == kOutput ? !options.output.empty()
                          : option.id == kDxf  ? options.dxf
                                               : options.leaf_forces;
    if (repeated) {
      why = option.name + " given twice";
      return false;
    }
    if (option.id == kOutput) options.output = option.value;
    if (option.id == kDxf) options.dxf = true;
    if (option.id == kLeafForces) options.leaf_forces = true;
  }
  if (options.dxf && options.leaf_forces) {
    why = "--dxf and --leaf-forces: one output at a time";
    return false;
  }
  if (words.positional.size() > 1) {
    why = "unexpected argument " + words.positional[1];
    return false;
  }
  if (words.positional.size() == 1) options.dir = words.positional[0];
  if (options.output.empty()) {
    options.output = join_path(options.dir, options.leaf_forces ? "leaf_forces.csv"
                                            : options.dxf       ? "section.dxf"
                                                                : "section.svg");
  }
  return true;
}

// Refuses an output that would replace a file of the run it reads (those
// read_run_folder reads, and the case's inputs), a folder or a device; ""
// when it may be written.
std::string output_refusal_of(const Options& options) {
  std::vector<std::string> inputs;
  for (const char* name : {"error.csv", "XYGate.csv", "XYStopper.csv", "XYBalloon.csv",
                           "suimen.csv", "TQSpec.csv", "syogen.csv"}) {
    inputs.push_back(join_path(options.dir, name));
  }
  if (options.leaf_forces) {
    for (const char* name : {"parameter.csv", "hitai.csv"}) inputs.push_back(join_path(options.dir, name));
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
    if (options.leaf_forces) {
      drawing = leaf_forces_csv(run_leaf_forces(options.dir));
    } else {
      const RunResults results = parse_outputs(read_run_folder(options.dir));
      const std::string name = case_name(options.dir);
      drawing = options.dxf ? build_section_dxf(results, name) : build_section_svg(results, name);
    }
  } catch (const PlotInputError& e) {
    err << "tqweir-plot: cannot " << (options.leaf_forces ? "tabulate" : "draw") << " the run in " << options.dir
        << ": " << e.what() << "\n";
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
