// The inflow to the pond as a hydrograph: a file with a header row, then
// rows of time (hours) and discharge (m3/s), linear between rows.
#ifndef TQWEIR_FLOOD_HYDROGRAPH_H_
#define TQWEIR_FLOOD_HYDROGRAPH_H_

#include <cstddef>
#include <string>
#include <vector>

namespace tqweir {
namespace flood {

struct Hydrograph {
  std::vector<double> seconds;  // s, the rows' hours * 3600, strictly rising
  std::vector<double> flows;    // m3/s, >= 0
};

// Reads the file's bytes (UTF-8 or CP932, as decoded_text takes them): the
// first row is the header and must not be numbers (a missing header would
// otherwise drop the first row); then at least two rows of two numbers,
// cells after them empty, each number as text::read_number reads it.
// Times strictly rising, discharges non-negative. Throws text::InputError naming `source`, the
// line and the column.
Hydrograph read_hydrograph(const std::string& bytes, const std::string& source);

// The number of rows less one: the pieces between rows.
std::size_t piece_count(const Hydrograph& h);

// The inflow (m3/s) at `t` (s) on the straight line of piece `piece`: the
// route integrates each piece on its own, the inflow smooth within it, and
// asks only for times inside the piece's rows.
double piece_inflow(const Hydrograph& h, std::size_t piece, double t);

// The inflow at `t` (s), linear between rows. Throws RouteStop before the
// first row or after the last.
double inflow_at(const Hydrograph& h, double t);

// The inflow volume (m3) from t0 to t1 (s), exact for the linear pieces.
// REQUIRES: both inside the rows, t0 <= t1.
double inflow_volume(const Hydrograph& h, double t0, double t1);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_HYDROGRAPH_H_
