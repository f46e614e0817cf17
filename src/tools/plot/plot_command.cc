#include "tools/plot/plot_command.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/plot/number_rows.h"
#include "tools/plot/run_folder.h"
#include "tools/plot/section_svg.h"

#ifndef TQWEIR_VERSION
#define TQWEIR_VERSION "unknown"
#endif

namespace tqweir {
namespace plot {
namespace {

const char kUsage[] = "usage: tqweir-plot [DIR] [-o FILE] | --help | --version\n";

const char kHelp[] =
    "tqweir-plot: draws the cross-section of a finished tqweir run\n"
    "\n"
    "usage: tqweir-plot [DIR] [-o FILE]\n"
    "       tqweir-plot --help | --version\n"
    "\n"
    "DIR (default: the working folder) is a folder in which tqweir has run and\n"
    "finished normally. tqweir-plot reads its output files\n"
    "  error.csv      must hold the notice that the run finished normally\n"
    "  XYGate.csv     a floor point and the leaf nodes (m)\n"
    "  XYStopper.csv  the stopper's attachment point and foot (m)\n"
    "  XYBalloon.csv  the bag outline (m)\n"
    "  suimen.csv     the upstream water surface over the leaf\n"
    "  TQSpec.csv     the 27-field summary (levels and key results)\n"
    "and syogen.csv only when the stopper's foot lies at the hinge, where\n"
    "XYGate.csv shows no floor direction.\n"
    "\n"
    "It writes an SVG picture, DIR/section.svg or FILE (-o FILE, a path from the\n"
    "working folder, not from DIR): the section at true scale in metres, origin\n"
    "at the hinge, with the floor, the leaf and its hinge, the bag, the stopper,\n"
    "the upstream water and its surface, the downstream water line, a second\n"
    "upstream layer when there is one, metre axes, and a title block with the\n"
    "pressure head ratio alpha, the bag pressure (kPa), the bag tension, the\n"
    "stopper's base angle and the overflow depth, in English and Japanese.\n"
    "\n"
    "Exit status: 0 picture written; 1 the run did not finish normally, or a\n"
    "file is missing or malformed, or the picture cannot be written (a message\n"
    "on standard error, no picture written); 2 bad command line.\n";

struct Options {
  std::string dir = ".";
  std::string output;  // empty: DIR/section.svg
};

// False for anything but at most one DIR and at most one -o FILE.
bool parse_options(int argc, const char* const* argv, Options& options) {
  bool have_dir = false, have_output = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-o" || arg == "--output") {
      if (have_output || i + 1 >= argc) return false;
      options.output = argv[++i];
      have_output = true;
      if (options.output.empty()) return false;
    } else if (!arg.empty() && arg[0] == '-') {
      return false;
    } else {
      if (have_dir || arg.empty()) return false;
      options.dir = arg;
      have_dir = true;
    }
  }
  if (!have_output) options.output = options.dir + "/section.svg";
  return true;
}

// The name of the run's folder, for the title block.
std::string case_name(const std::string& dir) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::weakly_canonical(dir, ec);
  if (ec) p = std::filesystem::path(dir);
  const std::string name = p.filename().string();
  return name.empty() ? dir : name;
}

// Writes the whole document or nothing: a partial file is removed.
bool write_file(const std::string& path, const std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  if (std::fclose(f) != 0 || !written) {
    std::remove(path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int run_plot_command(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    out << kHelp;
    return 0;
  }
  if (argc == 2 && std::string(argv[1]) == "--version") {
    out << "tqweir-plot " << TQWEIR_VERSION << "\n";
    return 0;
  }
  Options options;
  if (!parse_options(argc, argv, options)) {
    err << kUsage;
    return 2;
  }
  std::string svg;
  try {
    svg = build_section_svg(read_run_folder(options.dir), case_name(options.dir));
  } catch (const PlotInputError& e) {
    err << "tqweir-plot: cannot draw the run in " << options.dir << ": " << e.what() << "\n";
    return 1;
  }
  if (!write_file(options.output, svg)) {
    err << "tqweir-plot: cannot write " << options.output << "\n";
    return 1;
  }
  return 0;
}

}  // namespace plot
}  // namespace tqweir
