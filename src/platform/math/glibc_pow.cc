// The algorithm and its constants are Arm Limited's (2018, MIT licence),
// as glibc and emscripten's C library both carry them (the tables in
// glibc_pow_tables.cc). Every std::fma below stands where glibc's
// FMA build fuses a product with a sum (read off the compiler's own
// contraction of the same source with -mfma); every other product and sum
// is rounded on its own, as there. WebAssembly has no fma instruction: the
// C library's fma is exact in software.
#include "platform/math/glibc_pow.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/math/glibc_pow_tables.h"

namespace tqweir {
namespace math {
namespace {

constexpr std::uint64_t kOff = 0x3fe6955500000000ULL;
constexpr std::uint32_t kSignBias = 0x800 << 7;

std::uint64_t bits(double x) {
  std::uint64_t i;
  std::memcpy(&i, &x, sizeof i);
  return i;
}

double from_bits(std::uint64_t i) {
  double x;
  std::memcpy(&x, &i, sizeof x);
  return x;
}

std::uint32_t top12(double x) { return static_cast<std::uint32_t>(bits(x) >> 52); }

// log x = hi + *tail for the bits ix of x (subnormals normalised by the
// caller), about 15 bits beyond a double.
double log_inline(std::uint64_t ix, double* tail) {
  const PowLogTable& d = kPowLog;
  const std::uint64_t tmp = ix - kOff;
  const int i = static_cast<int>((tmp >> (52 - 7)) % 128);
  const int k = static_cast<int>(static_cast<std::int64_t>(tmp) >> 52);
  const std::uint64_t iz = ix - (tmp & 0xfffULL << 52);
  const double z = from_bits(iz);
  const double kd = static_cast<double>(k);
  const double invc = d.tab[i].invc;
  const double logc = d.tab[i].logc;
  const double logctail = d.tab[i].logctail;
  // log x = k ln2 + log c + log1p(z/c - 1); r = z/c - 1 is exact.
  const double r = std::fma(z, invc, -1.0);
  const double t1 = std::fma(kd, d.ln2hi, logc);
  const double t2 = t1 + r;
  const double lo1 = std::fma(kd, d.ln2lo, logctail);
  const double lo2 = t1 - t2 + r;
  const double ar = d.poly[0] * r;  // poly[0] = -0.5
  const double ar2 = r * ar;
  const double ar3 = r * ar2;
  const double hi = t2 + ar2;
  const double lo3 = std::fma(r, ar, -ar2);
  const double lo4 = t2 - hi + ar2;
  // log1p(r) - r - poly[0] r^2, as the fused Horner steps nest it.
  const double p1 = std::fma(r, d.poly[2], d.poly[1]);
  const double p3 = std::fma(r, d.poly[4], d.poly[3]);
  const double p5 = std::fma(r, d.poly[6], d.poly[5]);
  const double p = std::fma(ar2, std::fma(ar2, p5, p3), p1);
  const double lo = std::fma(ar3, p, lo1 + lo2 + lo3 + lo4);
  const double y = hi + lo;
  *tail = hi - y + lo;
  return y;
}

// scale (1 + tmp) where scale's exponent (its bits sbits) may have
// overflowed (ki > 0) or fall into the subnormals (ki < 0).
double special_case(double tmp, std::uint64_t sbits, std::uint64_t ki) {
  if ((ki & 0x80000000) == 0) {
    sbits -= 1009ULL << 52;
    const double scale = from_bits(sbits);
    return 0x1p1009 * std::fma(tmp, scale, scale);
  }
  sbits += 1022ULL << 52;
  const double scale = from_bits(sbits);
  const double scaled_tmp = scale * tmp;
  double y = scale + scaled_tmp;
  if (std::fabs(y) < 1.0) {
    // Rounded to the subnormal's precision once, not twice.
    const double one = y < 0.0 ? -1.0 : 1.0;
    double lo = scale - y + scaled_tmp;
    const double hi = one + y;
    lo = one - hi + y + lo;
    y = (hi + lo) - one;
    if (y == 0.0) y = from_bits(sbits & 0x8000000000000000ULL);
  }
  return 0x1p-1022 * y;
}

// sign * e^(x + xtail), |xtail| < 2^-15 and |xtail| <= |x|.
double exp_inline(double x, double xtail, std::uint32_t sign_bias) {
  const ExpTable& d = kExp;
  std::uint32_t abstop = top12(x) & 0x7ff;
  if (abstop - top12(0x1p-54) >= top12(512.0) - top12(0x1p-54)) {
    if (abstop - top12(0x1p-54) >= 0x80000000) {
      const double one = 1.0 + x;
      return sign_bias ? -one : one;
    }
    if (abstop >= top12(1024.0)) {
      const double huge = (bits(x) >> 63) ? 0.0 : HUGE_VAL;
      return sign_bias ? -huge : huge;
    }
    abstop = 0;  // large |x|: special_case below
  }
  // x = k ln2/128 + r, |r| <= ln2/256.
  double kd = std::fma(x, d.invln2N, d.shift);
  const std::uint64_t ki = bits(kd);
  kd -= d.shift;
  double r = std::fma(kd, d.negln2loN, std::fma(kd, d.negln2hiN, x));
  r += xtail;
  const std::uint64_t idx = 2 * (ki % 128);
  const std::uint64_t top = (ki + sign_bias) << (52 - 7);
  const double tail = from_bits(d.tab[idx]);
  const std::uint64_t sbits = d.tab[idx + 1] + top;
  const double r2 = r * r;
  const double low = std::fma(r2, std::fma(r, d.poly[1], d.poly[0]), r + tail);
  const double tmp = std::fma(r2 * r2, std::fma(r, d.poly[3], d.poly[2]), low);
  if (abstop == 0) return special_case(tmp, sbits, ki);
  const double scale = from_bits(sbits);
  return std::fma(tmp, scale, scale);
}

// 0 when iy is not an integer, 1 when odd, 2 when even (iy finite, not 0).
int check_int(std::uint64_t iy) {
  const int e = static_cast<int>(iy >> 52 & 0x7ff);
  if (e < 0x3ff) return 0;
  if (e > 0x3ff + 52) return 2;
  if (iy & ((1ULL << (0x3ff + 52 - e)) - 1)) return 0;
  if (iy & (1ULL << (0x3ff + 52 - e))) return 1;
  return 2;
}

bool zero_inf_nan(std::uint64_t i) { return 2 * i - 1 >= 2 * bits(HUGE_VAL) - 1; }

}  // namespace

double glibc_pow(double x, double y) {
  std::uint32_t sign_bias = 0;
  std::uint64_t ix = bits(x);
  const std::uint64_t iy = bits(y);
  std::uint32_t topx = top12(x);
  const std::uint32_t topy = top12(y);
  if (topx - 0x001 >= 0x7ff - 0x001 || (topy & 0x7ff) - 0x3be >= 0x43e - 0x3be) {
    // x subnormal, zero, infinite, NaN or negative; |y| < 2^-65 or
    // >= 2^63 or NaN.
    if (zero_inf_nan(iy)) {
      if (2 * iy == 0) return 1.0;
      if (ix == bits(1.0)) return 1.0;
      if (2 * ix > 2 * bits(HUGE_VAL) || 2 * iy > 2 * bits(HUGE_VAL)) return x + y;
      if (2 * ix == 2 * bits(1.0)) return 1.0;
      if ((2 * ix < 2 * bits(1.0)) == !(iy >> 63)) return 0.0;
      return y * y;
    }
    if (zero_inf_nan(ix)) {
      double x2 = x * x;
      if (ix >> 63 && check_int(iy) == 1) x2 = -x2;
      return iy >> 63 ? 1.0 / x2 : x2;
    }
    if (ix >> 63) {
      const int yint = check_int(iy);
      if (yint == 0) return (x - x) / (x - x);
      if (yint == 1) sign_bias = kSignBias;
      ix &= 0x7fffffffffffffffULL;
      topx &= 0x7ff;
    }
    if ((topy & 0x7ff) - 0x3be >= 0x43e - 0x3be) {
      if (ix == bits(1.0)) return 1.0;
      if ((topy & 0x7ff) < 0x3be) return ix > bits(1.0) ? 1.0 + y : 1.0 - y;
      return (ix > bits(1.0)) == (topy < 0x800) ? HUGE_VAL : 0.0;
    }
    if (topx == 0) {
      ix = bits(x * 0x1p52) & 0x7fffffffffffffffULL;
      ix -= 52ULL << 52;
    }
  }
  double lo;
  const double hi = log_inline(ix, &lo);
  const double ehi = y * hi;
  const double elo = std::fma(y, lo, std::fma(y, hi, -ehi));
  return exp_inline(ehi, elo, sign_bias);
}

}  // namespace math
}  // namespace tqweir
