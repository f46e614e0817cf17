#include "tools/plot/run_results.h"

#include <cmath>
#include <limits>

#include "core/constants.h"
#include "core/messages.h"
#include "core/stop.h"
#include "input/syogen_reader.h"
#include "tools/plot/number_rows.h"

namespace tqweir {
namespace plot {
namespace {

std::string without_line_end(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

std::vector<Point> parse_points(const std::string& text, std::size_t min_rows,
                                const std::string& file_name) {
  std::vector<Point> points;
  for (const auto& row : parse_number_rows(text, 2, min_rows, file_name)) {
    points.push_back({row[0], row[1]});
  }
  return points;
}

// Below this the floor point gives no usable direction: the program writes
// 8 decimals, so a foot distance of 0 prints the hinge itself.
constexpr double kNoDirection = 1e-6;

}  // namespace

bool holds_success_notice(const std::string& log) {
  return without_line_end(log) == message_cp932(Message::finished);
}

std::string describe_log(const std::string& log) {
  const std::string line = without_line_end(log);
  if (line.empty()) return "error.csv is empty";
  for (int i = 0; i < kMessageCount; ++i) {
    const auto message = static_cast<Message>(i);
    const std::string fixed = message_cp932(message);
    // The write failure names a file before its fixed text.
    const bool matches = message == Message::write_failed
                             ? line.size() > fixed.size() &&
                                   line.compare(line.size() - fixed.size(), fixed.size(), fixed) == 0
                             : line == fixed;
    if (matches) {
      const std::string name =
          message == Message::write_failed ? line.substr(0, line.size() - fixed.size()) : "";
      return "error.csv says \"" + message_utf8(message, name) + "\" (" +
             message_meaning(message) + ")";
    }
  }
  return "error.csv does not hold the notice that the run finished normally";
}

RunResults parse_outputs(const OutputTexts& texts) {
  RunResults r;
  // A floor point and at least two leaf nodes.
  std::vector<Point> gate = parse_points(texts.gate, 3, "XYGate.csv");
  r.floor_point = gate.front();
  r.leaf.assign(gate.begin() + 1, gate.end());

  const std::vector<Point> stopper = parse_points(texts.stopper, 2, "XYStopper.csv");
  if (stopper.size() != 2) {
    throw PlotInputError("XYStopper.csv: expected 2 rows, found " +
                         std::to_string(stopper.size()));
  }
  r.stopper_anchor = stopper[0];
  r.stopper_foot = stopper[1];

  r.bag = parse_points(texts.balloon, 3, "XYBalloon.csv");

  for (const auto& row : parse_number_rows(texts.surface, 4, 1, "suimen.csv")) {
    r.surface.push_back({row[0], row[1], row[2], row[3]});
  }

  const std::string summary = without_line_end(texts.summary);
  if (summary.find('\n') != std::string::npos) {
    throw PlotInputError("TQSpec.csv: expected one line");
  }
  const std::vector<double> fields =
      parse_number_fields(summary, kSummaryFields, "TQSpec.csv");
  for (int i = 0; i < kSummaryFields; ++i) r.summary[i] = fields[i];

  r.floor_slope = std::fabs(r.floor_point.x) > kNoDirection
                      ? r.floor_point.y / r.floor_point.x
                      : std::numeric_limits<double>::quiet_NaN();
  return r;
}

double floor_slope_from_syogen(const std::string& syogen) {
  try {
    // The angle is converted with the program's own value of pi, so the
    // line matches the floor the calculation used.
    return -std::tan(read_syogen(syogen).theta2_deg * kPi / 180.0);
  } catch (const StopRun& stop) {
    throw PlotInputError("syogen.csv: " + message_meaning(stop.message()));
  }
}

}  // namespace plot
}  // namespace tqweir
