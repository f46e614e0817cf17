#include "tools/plot/run_folder.h"

#include <cmath>
#include <filesystem>

#include "core/file_io.h"
#include "tools/plot/number_rows.h"

namespace tqweir {
namespace plot {
namespace {

std::string read_whole(const std::string& dir, const char* name) {
  std::string text;
  if (!read_file(join_path(dir, name), text)) {
    throw PlotInputError(std::string(name) + " is missing or cannot be read");
  }
  return text;
}

}  // namespace

RunResults read_run_folder(const std::string& dir) {
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) throw PlotInputError("there is no such folder");
  const std::string log = read_whole(dir, "error.csv");
  if (!holds_success_notice(log)) {
    throw PlotInputError("the run did not finish normally: " + describe_log(log));
  }
  OutputTexts texts;
  texts.gate = read_whole(dir, "XYGate.csv");
  texts.stopper = read_whole(dir, "XYStopper.csv");
  texts.balloon = read_whole(dir, "XYBalloon.csv");
  texts.surface = read_whole(dir, "suimen.csv");
  texts.summary = read_whole(dir, "TQSpec.csv");
  RunResults results = parse_outputs(texts);
  if (std::isnan(results.floor_slope)) {
    std::string syogen;
    if (!read_file(join_path(dir, "syogen.csv"), syogen)) {
      throw PlotInputError(
          "syogen.csv is missing: it gives the floor's angle, which XYGate.csv does not "
          "show when the stopper's foot lies at the hinge");
    }
    results.floor_slope = floor_slope_from_syogen(syogen);
  }
  return results;
}

}  // namespace plot
}  // namespace tqweir
