// Reader of syogen.csv: twelve reals, dimensions and material data.
#ifndef TQWEIR_INPUT_SYOGEN_READER_H_
#define TQWEIR_INPUT_SYOGEN_READER_H_

#include <string>

#include "core/run_state.h"

namespace tqweir {

// One formatted read "%lf,%lf,...,%lf " (twelve fields, each comma directly
// after its number). Fields after the twelfth are ignored.
// Throws StopRun(syogen_invalid) when fewer than twelve numbers convert or a
// value is not finite.
SyogenInput read_syogen(const std::string& content);

}  // namespace tqweir

#endif  // TQWEIR_INPUT_SYOGEN_READER_H_
