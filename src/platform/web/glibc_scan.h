// Formatted reading of numbers from a string with glibc's rules, for the
// builds whose C library takes some spellings apart otherwise.
//
// The input files are read with sscanf, and the exact set of accepted files
// is defined by glibc's sscanf. The WebAssembly C library differs on two
// kinds of input: an exponent without digits ("1e", "1e+", "1.5e") is read
// by glibc as the number before it, the 'e' consumed, where the other library
// stops at the 'e' and the next ',' then fails to match; and a "%lld"
// beyond the 64-bit range saturates in glibc but wraps in the other
// library (so that "99999999999999999999" would pass as -1).
#ifndef TQWEIR_WEB_GLIBC_SCAN_H_
#define TQWEIR_WEB_GLIBC_SCAN_H_

#include <cstdarg>

namespace tqweir {
namespace web {

// True when `format` holds only the directives glibc_vsscanf implements:
// white space, ordinary characters, %lf, %lld and %n.
bool glibc_scan_handles(const char* format);

// vsscanf with glibc's semantics for those directives: white space in the
// format skips any white space; an ordinary character must match; %lf and
// %lld skip white space and collect their characters as glibc does, then
// convert them with strtod or strtoll (the conversion fails when those
// take nothing); %n stores the characters read so far. Returns the number
// of values stored, or EOF when the input ends before the first one.
// REQUIRES: glibc_scan_handles(format).
int glibc_vsscanf(const char* input, const char* format, va_list args);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_GLIBC_SCAN_H_
