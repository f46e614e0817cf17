// How a value's unit follows its number in a drawing's text.
#ifndef TQWEIR_DRAWING_UNIT_SYMBOLS_H_
#define TQWEIR_DRAWING_UNIT_SYMBOLS_H_

#include <string>

namespace tqweir {
namespace drawing {

// What follows a number given in `unit` (a unit of the field tables):
// nothing for a pure number, `degree_sign` right after it for "degree"
// ("°", or "%%d" in a DXF text), else a space and the unit (" kN/m").
std::string unit_suffix(const std::string& unit, const std::string& degree_sign);

}  // namespace drawing
}  // namespace tqweir

#endif  // TQWEIR_DRAWING_UNIT_SYMBOLS_H_
