#include "operation/blower_curve.h"

#include "text/csv_cells.h"
#include "text/number_cell.h"

namespace tqweir {
namespace operation {
namespace {

// Reads the number of `pair` from `from` to `to` (a cut of the pair);
// false with `why` and `column` (of the number's first byte) when it is no
// number, or when it is negative, worded for the whole pair.
bool pair_number(const std::string& pair, std::size_t from, std::size_t to, std::size_t start,
                 double& value, std::string& why, std::size_t& column) {
  const std::string cell = pair.substr(from, to - from);
  if (!text::read_number(cell, value, why)) {
    why = text::shown_cell(cell) + " " + why;
    column = start + from + 1;
    return false;
  }
  if (value < 0.0) {
    why = "'" + pair + "' is not kPa:m3/min with two finite numbers >= 0";
    return false;
  }
  return true;
}

bool blank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool parse_blower_curve(const std::string& text, BlowerCurve& curve, std::string& why,
                        std::size_t& column) {
  curve.clear();
  std::size_t i = 0;
  while (i < text.size()) {
    if (blank(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && !blank(text[end])) ++end;
    const std::string pair = text.substr(i, end - i);
    column = i + 1;
    const std::size_t colon = pair.find(':');
    BlowerPoint p;
    if (colon == std::string::npos) {
      why = "'" + pair + "' is not kPa:m3/min with two finite numbers >= 0";
      return false;
    }
    if (!pair_number(pair, 0, colon, i, p.gauge_kpa, why, column) ||
        !pair_number(pair, colon + 1, pair.size(), i, p.delivery_m3_per_min, why, column)) {
      return false;
    }
    if (!curve.empty() && !(p.gauge_kpa > curve.back().gauge_kpa)) {
      why = "'" + pair + "': the pressures must rise from pair to pair";
      return false;
    }
    if (curve.empty() && !(p.delivery_m3_per_min > 0.0)) {
      why = "'" + pair + "': the first pair must deliver more than 0";
      return false;
    }
    curve.push_back(p);
    i = end;
  }
  column = 1;
  if (curve.size() < 2) {
    why = "give at least two pairs kPa:m3/min";
    return false;
  }
  return true;
}

double limit_kpa(const BlowerCurve& curve) {
  for (const BlowerPoint& p : curve) {
    if (p.delivery_m3_per_min == 0.0) return p.gauge_kpa;
  }
  return curve.back().gauge_kpa;
}

bool shuts_off(const BlowerCurve& curve) {
  for (const BlowerPoint& p : curve) {
    if (p.delivery_m3_per_min == 0.0) return true;
  }
  return false;
}

double blower_delivery(const BlowerCurve& curve, double gauge_kpa) {
  if (!(gauge_kpa < limit_kpa(curve))) return 0.0;
  if (gauge_kpa <= curve.front().gauge_kpa) return curve.front().delivery_m3_per_min;
  std::size_t k = 1;
  while (curve[k].gauge_kpa < gauge_kpa) ++k;
  const BlowerPoint& a = curve[k - 1];
  const BlowerPoint& b = curve[k];
  const double w = (gauge_kpa - a.gauge_kpa) / (b.gauge_kpa - a.gauge_kpa);
  return a.delivery_m3_per_min + w * (b.delivery_m3_per_min - a.delivery_m3_per_min);
}

}  // namespace operation
}  // namespace tqweir
