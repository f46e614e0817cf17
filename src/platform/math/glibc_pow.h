// pow as glibc computes it on an x86-64 with fused multiply-add (every
// x86-64 made since about 2015, where glibc's ifunc picks its FMA build).
// Both glibc and emscripten's C library take their pow from the same 2018
// algorithm (a table-driven log in double-double, then exp, worst-case error
// about 0.52 ulp), but glibc's FMA build lets the compiler fuse products
// with sums: about 0.07 % of powers then differ in the last bit from the
// unfused build that WebAssembly runs, and from the correctly rounded one.
// A last bit that differs moves a bisection or a step-size controller onto
// another path, so every build takes its powers through this copy with the
// same fusions, each an exact fma: the results are glibc's wherever glibc
// runs on such a machine, and the same on every other platform.
#ifndef TQWEIR_MATH_GLIBC_POW_H_
#define TQWEIR_MATH_GLIBC_POW_H_

namespace tqweir {
namespace math {

// x^y, the double glibc's FMA pow returns (its special cases included:
// zeros, infinities, NaN, negative x with integer y, subnormals).
double glibc_pow(double x, double y);

}  // namespace math
}  // namespace tqweir

#endif  // TQWEIR_MATH_GLIBC_POW_H_
