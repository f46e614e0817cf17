// Every build: pow as the calculation calls it, taken through
// glibc_pow.h, so that every platform computes glibc's bits (which of
// glibc's own versions runs depends on the processor, and the other C
// libraries differ from it in about one power in 1400). The link step wraps
// the name (-Wl,--wrap=pow), so every call to pow reaches __wrap_pow.
#include "platform/math/glibc_pow.h"

extern "C" double __wrap_pow(double x, double y) { return tqweir::math::glibc_pow(x, y); }
