// WebAssembly builds only: sscanf, which decides what an input file holds,
// with glibc's rules (glibc_scan.h) in place of the C library's. The link
// wraps the name (-Wl,--wrap=sscanf). printf's number formatting agrees
// with glibc's already (the stdio probe checks it).
#include <cstdarg>
#include <cstdio>

#include "platform/web/glibc_scan.h"

extern "C" int __wrap_sscanf(const char* input, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int result = tqweir::web::glibc_scan_handles(format)
                         ? tqweir::web::glibc_vsscanf(input, format, args)
                         : std::vsscanf(input, format, args);
  va_end(args);
  return result;
}
