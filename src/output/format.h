// printf-style formatting into strings, and the CR LF line end of every
// text file the program writes.
#ifndef TQWEIR_OUTPUT_FORMAT_H_
#define TQWEIR_OUTPUT_FORMAT_H_

#include <string>

namespace tqweir {

// The files are read on Windows desktops: every line ends in CR LF.
constexpr const char* kLineEnd = "\r\n";

// Appends the printf-formatted text to `out`.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void append_format(std::string& out, const char* format, ...);

// Appends "x,y" with "%10.8lf,%10.8lf" and a line end: a row of the
// coordinate files.
void append_xy_row(std::string& out, double x, double y);

}  // namespace tqweir

#endif  // TQWEIR_OUTPUT_FORMAT_H_
