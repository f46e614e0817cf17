#include "driver/command_line.h"

#include <string>

#include "driver/run_directory.h"

#ifndef TQWEIR_VERSION
#define TQWEIR_VERSION "unknown"
#endif

namespace tqweir {
namespace {

const char kUsage[] = "usage: tqweir [--help | --version]\n";

const char kHelp[] =
    "tqweir: cross-section design of a TQ weir (gate leaf held up by an air bag)\n"
    "\n"
    "usage: tqweir [--help | --version]\n"
    "\n"
    "Run it with no argument in a folder that holds the three input files:\n"
    "  syogen.csv     dimensions and material data (12 numbers)\n"
    "  parameter.csv  the design case (overflow model and 8 numbers)\n"
    "  hitai.csv      the gate leaf profile, one point x,y per line (2 to 30)\n"
    "It finds the bag pressure at which the moments about the hinge balance and\n"
    "writes, in the same folder:\n"
    "  error.csv      one line: why the run stopped, or that it ended normally\n"
    "  suimen.csv     the upstream water surface over the leaf\n"
    "  XYGate.csv, XYStopper.csv, XYBalloon.csv   section coordinates (m)\n"
    "  TQSpec.csv     a one-line summary of 27 design quantities\n"
    "Exit status: 0 finished normally, 1 stopped with a message in error.csv,\n"
    "2 bad command line.\n";

}  // namespace

int run_command_line(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  if (argc <= 1) return run_in_directory(".", err);
  const std::string arg = argv[1];
  const bool help = arg == "--help" || arg == "-h";
  const bool version = arg == "--version";
  if (argc == 2 && help) {
    out << kHelp;
    return 0;
  }
  if (argc == 2 && version) {
    out << "tqweir " << TQWEIR_VERSION << "\n";
    return 0;
  }
  if (help || version) {
    err << "tqweir: unexpected argument '" << argv[2] << "' after " << arg << "\n";
  } else {
    err << "tqweir: unknown argument '" << arg << "'\n";
  }
  err << kUsage;
  return 2;
}

}  // namespace tqweir
