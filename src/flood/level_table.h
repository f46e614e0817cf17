// A quantity given against the pond's level as pairs LEVEL:VALUE, linear
// between them: the storage (m3) or the discharge of other outlets (m3/s).
//
// Outside its levels a table is not extrapolated: the pond's shape above
// the highest surveyed level, or an outlet's rating beyond its last
// gauging, is not known, and a straight continuation would pass for data.
// A level outside the table stops the route with the table's name, so the
// engineer extends the table.
#ifndef TQWEIR_FLOOD_LEVEL_TABLE_H_
#define TQWEIR_FLOOD_LEVEL_TABLE_H_

#include <string>
#include <vector>

namespace tqweir {
namespace flood {

struct LevelTable {
  std::string name;            // as the operation file names it: "storage_curve"
  std::vector<double> levels;  // m, strictly rising
  std::vector<double> values;  // >= 0, in the table's unit
};

// Whether the values must rise strictly with the level, as a storage does
// (the level is then found from the storage, too), may be anything not
// negative, or may be of either sign (a water level below the hinge).
enum class Values { rising, any, either_sign };

// The items of `cell` separated by blanks or ';', empty ones skipped.
std::vector<std::string> cell_items(const std::string& cell);

// Reads the pairs of `cell`: "LEVEL:VALUE" separated by blanks or ';', at
// least two, levels strictly rising, every number as text::read_number
// reads it and the values
// non-negative unless `values` is either_sign. Throws text::InputError
// naming `place` (the file, line and column of the cell), the pair's number and what is wrong.
LevelTable read_level_pairs(const std::string& cell, const std::string& place,
                            const std::string& name, Values values);

// The value at `level` (m), linear between pairs. Throws RouteStop outside
// the table's levels.
double table_value(const LevelTable& table, double level);

// The value at `at`, linear between pairs, for a table whose first column
// is not a level: outside it the RouteStop names the quantity `what` and
// its `unit` ("the leaf angle 52 degrees is outside NAME (10 to 50
// degrees)").
double table_value_of(const LevelTable& table, double at, const std::string& what,
                      const std::string& unit);

// The level (m) at which the table holds `value`. REQUIRES: values rising.
// Throws RouteStop outside the table's values.
double table_level(const LevelTable& table, double value);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_LEVEL_TABLE_H_
