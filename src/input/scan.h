// Helpers for the formatted reads of the input files.
//
// The input files are read with the C library's formatted input (scanf
// conversions), which fixes exactly what a valid file looks like: a comma
// must follow a number directly, white space and line ends before a number
// are skipped, and whatever follows the last field is never read. Reading
// the whole file into a string and scanning it with sscanf keeps those rules
// and lets tests and fuzzers feed strings.
#ifndef TQWEIR_INPUT_SCAN_H_
#define TQWEIR_INPUT_SCAN_H_

#include <istream>
#include <string>

namespace tqweir {

// The stream's whole content, ready for sscanf: an embedded NUL byte (which
// would end a C string early) is replaced by a byte that no conversion
// accepts, so it stops a read there just as it would stop a read of the file.
std::string read_for_scan(std::istream& in);

// True when every one of the `count` values is finite.
bool all_finite(const double* values, int count);

}  // namespace tqweir

#endif  // TQWEIR_INPUT_SCAN_H_
