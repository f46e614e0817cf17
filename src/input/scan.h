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

#include <string>

#include "core/input_fields.h"

namespace tqweir {

// A file's content ready for sscanf. A leading UTF-8 byte-order mark (a
// spreadsheet's "CSV UTF-8" starts with one; the numbers are plain ASCII
// either way) is dropped. An embedded NUL byte (which would end a C string
// early) is replaced by a byte that no conversion accepts, so it stops a read
// there just as it would stop a read of the file.
std::string prepare_for_scan(const std::string& content);

// Stores the scanned reals of `file` into `input` through the field table:
// `values[position - 1]` goes to the field at that position. The integer
// overflow_mode is left to its reader.
void store_scanned(InputFile file, const double* values, CaseInput& input);

// True when every one of the `count` values is finite.
bool all_finite(const double* values, int count);

}  // namespace tqweir

#endif  // TQWEIR_INPUT_SCAN_H_
