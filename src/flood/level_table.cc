#include "flood/level_table.h"

#include <algorithm>

#include "flood/number_cell.h"
#include "flood/route_stop.h"
#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/number_text.h"

namespace tqweir {
namespace flood {

std::vector<std::string> cell_items(const std::string& cell) {
  std::vector<std::string> pairs;
  std::string current;
  for (char ch : cell) {
    if (ch == ' ' || ch == '\t' || ch == ';') {
      if (!current.empty()) pairs.push_back(current);
      current.clear();
    } else {
      current += ch;
    }
  }
  if (!current.empty()) pairs.push_back(current);
  return pairs;
}

namespace {

// Linear between (x[i], y[i]) and (x[i+1], y[i+1]) where x[i] <= at <=
// x[i+1]; `x` strictly rising and `at` inside it.
double between(const std::vector<double>& x, const std::vector<double>& y, double at) {
  const std::size_t hi = static_cast<std::size_t>(
      std::upper_bound(x.begin(), x.end() - 1, at) - x.begin());
  const std::size_t lo = hi - 1;
  const double w = (at - x[lo]) / (x[hi] - x[lo]);
  return y[lo] + w * (y[hi] - y[lo]);
}

// "the WHAT AT UNIT is outside NAME (FROM to TO UNIT)".
std::string outside(const LevelTable& table, const std::string& at, const std::string& what,
                    const std::string& unit) {
  return "the " + what + " " + at + " " + unit + " is outside " + table.name + " (" +
         shown_number(table.levels.front()) + " to " + shown_number(table.levels.back()) + " " +
         unit + ")";
}

}  // namespace

LevelTable read_level_pairs(const std::string& cell, const std::string& place,
                            const std::string& name, Values values) {
  LevelTable table;
  table.name = name;
  const std::vector<std::string> pairs = cell_items(cell);
  if (pairs.size() < 2) {
    throw text::InputError(place + ": " + name + " needs at least two pairs LEVEL:VALUE, got " +
                            std::to_string(pairs.size()));
  }
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const std::string at = place + ", " + name + " pair " + std::to_string(i + 1);
    const std::size_t colon = pairs[i].find(':');
    if (colon == std::string::npos) {
      throw text::InputError(at + ": " + text::shown_cell(pairs[i]) + " is not LEVEL:VALUE");
    }
    const double level = number_cell(pairs[i].substr(0, colon), at + " (level)", false);
    const double value =
        number_cell(pairs[i].substr(colon + 1), at + " (value)", values != Values::either_sign);
    if (i > 0 && !(level > table.levels.back())) {
      throw text::InputError(at + ": the level " + shown_number(level) +
                              " does not rise above the pair before it");
    }
    if (i > 0 && values == Values::rising && !(value > table.values.back())) {
      throw text::InputError(at + ": the value " + shown_number(value) +
                              " does not rise above the pair before it");
    }
    table.levels.push_back(level);
    table.values.push_back(value);
  }
  return table;
}

double table_value(const LevelTable& table, double level) {
  if (!(level >= table.levels.front() && level <= table.levels.back())) {
    throw RouteStop(outside(table, shown_number(level), "level", "m"));
  }
  return between(table.levels, table.values, level);
}

double table_value_of(const LevelTable& table, double at, const std::string& what,
                      const std::string& unit) {
  if (!(at >= table.levels.front() && at <= table.levels.back())) {
    // A value just past an end would print as the end itself: all its digits then.
    std::string shown = shown_number(at);
    if (shown == shown_number(table.levels.front()) || shown == shown_number(table.levels.back())) {
      shown = text::exact_text(at);
    }
    throw RouteStop(outside(table, shown, what, unit));
  }
  return between(table.levels, table.values, at);
}

double table_level(const LevelTable& table, double value) {
  if (!(value >= table.values.front() && value <= table.values.back())) {
    throw RouteStop("the value " + shown_number(value) + " is outside " + table.name + " (" +
                    shown_number(table.values.front()) + " to " +
                    shown_number(table.values.back()) + ", levels " +
                    shown_number(table.levels.front()) + " to " +
                    shown_number(table.levels.back()) + " m)");
  }
  return between(table.values, table.levels, value);
}

}  // namespace flood
}  // namespace tqweir
