// Reader of parameter.csv: the surface model (an integer) and eight reals.
#ifndef TQWEIR_INPUT_PARAMETER_READER_H_
#define TQWEIR_INPUT_PARAMETER_READER_H_

#include <string>

#include "core/run_state.h"

namespace tqweir {

// One formatted read "%lld,%lf,...,%lf " (the integer syntax of "%d"). A
// first field written with a decimal point stops the read at the point, like
// any other mismatch.
// Throws StopRun(parameter_invalid) when fewer than nine fields convert, a
// real is not finite, or the mode does not fit in an int.
ParameterInput read_parameter(const std::string& content);

}  // namespace tqweir

#endif  // TQWEIR_INPUT_PARAMETER_READER_H_
