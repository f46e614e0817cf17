#include "flood/hydrograph.h"

#include <algorithm>

#include "flood/number_cell.h"
#include "flood/route_stop.h"
#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/name_value_rows.h"
#include "text/number_cell.h"
#include "text/text_encoding.h"

namespace tqweir {
namespace flood {
namespace {

constexpr double kSecondsPerHour = 3600.0;

using text::cell_place;

bool reads_as_number(const std::string& cell) {
  double value = 0.0;
  std::string why;
  return text::read_number(cell, value, why);
}

void check_row_shape(const text::CsvRow& row, const std::string& source) {
  if (row.cells.size() < 2) {
    throw text::InputError(cell_place(source, row.line, 2) +
                            ": missing; each row is hours,m3/s");
  }
  for (std::size_t c = 2; c < row.cells.size(); ++c) {
    if (!row.cells[c].empty()) {
      throw text::InputError(cell_place(source, row.line, static_cast<int>(c) + 1) + ": " +
                              text::shown_cell(row.cells[c]) +
                              " after the two cells hours,m3/s");
    }
  }
}

// The piece holding `t`: the last row at or before it, never the last row.
std::size_t piece_of(const Hydrograph& h, double t) {
  const auto it = std::upper_bound(h.seconds.begin(), h.seconds.end() - 1, t);
  return static_cast<std::size_t>(it - h.seconds.begin()) - 1;
}

}  // namespace

Hydrograph read_hydrograph(const std::string& bytes, const std::string& source) {
  const std::vector<text::CsvRow> rows = text::split_csv(text::decoded_text(bytes, source), source);
  if (rows.empty()) throw text::InputError(source + ": empty; a header row, then hours,m3/s rows");
  if (reads_as_number(rows[0].cells[0])) {
    throw text::InputError(cell_place(source, rows[0].line, 1) + ": " +
                            text::shown_cell(rows[0].cells[0]) +
                            " is a number; the first row is the header (hours, m3/s)");
  }
  Hydrograph h;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const text::CsvRow& row = rows[r];
    check_row_shape(row, source);
    const double hours = number_cell(row.cells[0], cell_place(source, row.line, 1), false);
    const double flow = number_cell(row.cells[1], cell_place(source, row.line, 2), true);
    const double t = hours * kSecondsPerHour;
    if (!h.seconds.empty() && !(t > h.seconds.back())) {
      throw text::InputError(cell_place(source, row.line, 1) + ": " + row.cells[0] +
                              " h does not come after the row before it");
    }
    h.seconds.push_back(t);
    h.flows.push_back(flow);
  }
  if (h.seconds.size() < 2) {
    throw text::InputError(source + ": " + std::to_string(h.seconds.size()) +
                            " rows of hours,m3/s; a hydrograph needs at least two");
  }
  return h;
}

std::size_t piece_count(const Hydrograph& h) { return h.seconds.size() - 1; }

double piece_inflow(const Hydrograph& h, std::size_t piece, double t) {
  const double t0 = h.seconds[piece], t1 = h.seconds[piece + 1];
  const double q0 = h.flows[piece], q1 = h.flows[piece + 1];
  return q0 + (t - t0) / (t1 - t0) * (q1 - q0);
}

double inflow_at(const Hydrograph& h, double t) {
  if (!(t >= h.seconds.front() && t <= h.seconds.back())) {
    throw RouteStop("the time " + shown_number(t / kSecondsPerHour) +
                    " h is outside the hydrograph's rows");
  }
  return piece_inflow(h, piece_of(h, t), t);
}

double inflow_volume(const Hydrograph& h, double t0, double t1) {
  double volume = 0.0;
  // Each piece's share, by the trapezoid rule, which is exact on a line.
  for (std::size_t k = 0; k < piece_count(h); ++k) {
    const double a = std::max(t0, h.seconds[k]);
    const double b = std::min(t1, h.seconds[k + 1]);
    if (b > a) volume += 0.5 * (piece_inflow(h, k, a) + piece_inflow(h, k, b)) * (b - a);
  }
  return volume;
}

}  // namespace flood
}  // namespace tqweir
