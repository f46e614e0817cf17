// A number written in a cell of an engineer's file, read whole or refused
// with its place.
#ifndef TQWEIR_FLOOD_NUMBER_CELL_H_
#define TQWEIR_FLOOD_NUMBER_CELL_H_

#include <string>

namespace tqweir {
namespace flood {

// A level, a flow or a time as a message shows it: "%.6g".
std::string shown_number(double value);

// text::number_cell of `cell`; with `non_negative` also >= 0. Throws
// text::InputError "PLACE: 'CELL' ..." otherwise.
double number_cell(const std::string& cell, const std::string& place, bool non_negative);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_NUMBER_CELL_H_
