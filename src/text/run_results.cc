#include "text/run_results.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "core/constants.h"
#include "core/messages.h"
#include "core/stop.h"
#include "input/syogen_reader.h"

namespace tqweir {
namespace text {
namespace {

// The line shortened for a message: a malformed file may hold anything.
std::string quoted(const std::string& line) {
  std::string shown = line.size() > 60 ? line.substr(0, 60) + "..." : line;
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') c = '?';
  }
  return "\"" + shown + "\"";
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The numbers of one line "a,b,c", blanks around each allowed; `texts`
// receives each field as printed. strtod also reads "inf", "nan" and
// hexadecimal forms: none is a number the program writes, so anything not
// finite is refused.
std::vector<double> numbers(const std::string& line, std::size_t columns, const std::string& where,
                            std::vector<std::string>* texts = nullptr) {
  std::vector<double> values;
  const std::string refusal = where + ": expected " + std::to_string(columns) +
                              " comma-separated numbers, found " + quoted(line);
  for (std::size_t start = 0; start <= line.size();) {
    std::size_t comma = line.find(',', start);
    if (comma == std::string::npos) comma = line.size();
    const std::string field = trimmed(line.substr(start, comma - start));
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(field.c_str(), &end);
    if (field.empty() || *end != '\0' || errno == ERANGE || !std::isfinite(value)) {
      throw RunFilesError(refusal);
    }
    values.push_back(value);
    if (texts != nullptr) texts->push_back(field);
    start = comma + 1;
  }
  if (values.size() != columns) throw RunFilesError(refusal);
  return values;
}

// Every line of `text` as `columns` numbers; between min_rows and max_rows lines.
std::vector<std::vector<double>> rows(const std::string& text, std::size_t columns,
                                      std::size_t min_rows, std::size_t max_rows,
                                      const std::string& file) {
  std::vector<std::vector<double>> out;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(numbers(line, columns, file + " line " + std::to_string(out.size() + 1)));
    start = end + 1;
  }
  if (out.size() < min_rows || out.size() > max_rows) {
    throw RunFilesError(file + ": expected " + std::to_string(min_rows) +
                         (max_rows == min_rows ? "" : " or more") + " rows, found " +
                         std::to_string(out.size()));
  }
  return out;
}

std::vector<Point> points(const std::string& text, std::size_t min_rows, std::size_t max_rows,
                          const std::string& file) {
  std::vector<Point> out;
  for (const auto& row : rows(text, 2, min_rows, max_rows, file)) out.push_back({row[0], row[1]});
  return out;
}

// Below this the floor point gives no direction: the files print 8
// decimals, so a foot distance of 0 prints the hinge itself.
constexpr double kNoDirection = 1e-6;

double floor_slope(const Point& floor_point, const std::string& syogen) {
  if (std::fabs(floor_point.x) > kNoDirection) return floor_point.y / floor_point.x;
  if (syogen.empty()) {
    throw RunFilesError(
        "syogen.csv is missing: it gives the floor's angle, which XYGate.csv does not show "
        "when the stopper's foot lies at the hinge");
  }
  try {
    // The program's own pi, so that the line is the floor the run used.
    return -std::tan(read_syogen(syogen).theta2_deg * kPi / 180.0);
  } catch (const StopRun& stop) {
    throw RunFilesError("syogen.csv: " + message_meaning(stop.message()));
  }
}

}  // namespace

const OutputFile kOutputFiles[5] = {
    {"XYGate.csv", &OutputTexts::gate},       {"XYStopper.csv", &OutputTexts::stopper},
    {"XYBalloon.csv", &OutputTexts::balloon}, {"suimen.csv", &OutputTexts::surface},
    {"TQSpec.csv", &OutputTexts::summary},
};

std::string output_texts(const std::map<std::string, std::string>& files, OutputTexts& texts) {
  for (const OutputFile& file : kOutputFiles) {
    const auto found = files.find(file.name);
    if (found == files.end()) return file.name;
    texts.*file.text = found->second;
  }
  const auto syogen = files.find("syogen.csv");
  if (syogen != files.end()) texts.syogen = syogen->second;
  return "";
}

PrintedSummary read_printed_summary(const std::string& text) {
  std::string line = text;
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  if (line.find_first_of("\r\n") != std::string::npos) {
    throw RunFilesError("TQSpec.csv: expected one line");
  }
  std::vector<std::string> fields;
  const std::vector<double> values = numbers(line, kSummaryFieldCount, "TQSpec.csv", &fields);
  PrintedSummary summary;
  for (std::size_t i = 0; i < values.size(); ++i) {
    summary.value[i] = values[i];
    summary.text[i] = fields[i];
  }
  return summary;
}

std::vector<Point> RunResults::wet_surface() const {
  std::vector<Point> points;
  for (const SurfaceRow& row : surface) {
    const bool repeated =
        !points.empty() && points.back().x == row.x && points.back().y == row.surface;
    if (row.depth > 0.0 && !repeated) points.push_back({row.x, row.surface});
  }
  return points;
}

RunResults parse_outputs(const OutputTexts& texts) {
  RunResults r;
  const std::size_t any = static_cast<std::size_t>(-1);
  const std::vector<Point> gate = points(texts.gate, 3, any, "XYGate.csv");
  r.floor_point = gate.front();
  r.leaf.assign(gate.begin() + 1, gate.end());
  const std::vector<Point> stopper = points(texts.stopper, 2, 2, "XYStopper.csv");
  r.stopper_anchor = stopper[0];
  r.stopper_foot = stopper[1];
  r.bag = points(texts.balloon, 3, any, "XYBalloon.csv");
  // The program closes the outline by repeating its first point: a file
  // that ends elsewhere was cut short, and would be drawn as an open bag.
  if (r.bag.back().x != r.bag.front().x || r.bag.back().y != r.bag.front().y) {
    throw RunFilesError("XYBalloon.csv line " + std::to_string(r.bag.size()) +
                         ": the bag's outline does not close (the last row must repeat the "
                         "first); the file may have been cut short");
  }
  for (const auto& row : rows(texts.surface, 4, 1, any, "suimen.csv")) {
    r.surface.push_back({row[0], row[1], row[2], row[3]});
  }

  r.summary = read_printed_summary(texts.summary);
  r.floor_slope = floor_slope(r.floor_point, texts.syogen);
  return r;
}

}  // namespace text
}  // namespace tqweir
