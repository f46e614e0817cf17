// The build's pow (every call reaches the wrapped copy of glibc's
// algorithm) against glibc's own, bit for bit, on powers of the kinds the
// calculation takes (x^1.5 of a head, x^(2/gamma) of a pressure ratio, a
// step-size controller's err^(-1/5)) and across the whole range: the
// exponent's and the argument's extremes, subnormals, negative bases,
// zeros, infinities. Only on a processor with fused multiply-add, where
// glibc's ifunc runs its FMA build, the one copied.
#include <cmath>
#include <cstdint>
#include <random>

#include <gtest/gtest.h>

extern "C" double __real_pow(double, double);

namespace {

bool same(double a, double b) { return a == b ? std::signbit(a) == std::signbit(b) : a != a && b != b; }

TEST(Pow, GivesGlibcsDoubleEverywhere) {
#if defined(__x86_64__) && defined(__GLIBC__)
  if (!__builtin_cpu_supports("fma")) GTEST_SKIP() << "glibc runs its unfused pow here";
#else
  GTEST_SKIP() << "glibc on x86-64 is the reference";
#endif
  std::mt19937_64 bits(20261209);
  const double exponents[] = {1.5, 2.0 / 1.4, 2.4 / 1.4, 3.5, -0.2, -1.0 / 3.0, 0.5, 3.0, -1.0, 2.0};
  const double specials[] = {0.0, -0.0, HUGE_VAL, -HUGE_VAL, NAN, 1.0, -1.0, 0x1p-1074, 0x1.fffffffffffffp1023};
  long differing = 0, count = 0;
  const auto check = [&](double x, double y) {
    volatile double vx = x, vy = y;  // kept from being folded at compile time
    const double ours = std::pow(vx, vy), glibc = __real_pow(vx, vy);
    ++count;
    if (!same(ours, glibc) && ++differing <= 5) ADD_FAILURE() << std::hexfloat << x << " ^ " << y;
  };
  for (double x : specials)
    for (double y : specials) check(x, y);
  for (int i = 0; i < 400000; ++i) {
    const std::uint64_t a = bits(), b = bits();
    const double mantissa = 1.0 + static_cast<double>(a >> 11) * 0x1p-53;
    const int exponent = i % 3 ? static_cast<int>(a % 61) - 30 : static_cast<int>(a % 2098) - 1074;
    const double x = std::ldexp(mantissa, exponent) * (i % 7 == 0 ? -1.0 : 1.0);
    double y = i % 2 ? exponents[(i / 2) % 10] : -3.0 + 6.0 * static_cast<double>(b >> 11) * 0x1p-53;
    if (i % 11 == 0) y = std::ldexp(y, static_cast<int>(b % 70) - 10);
    if (i % 13 == 0) y = std::round(y);  // integer powers of negative bases
    check(x, y);
  }
  EXPECT_EQ(differing, 0) << "of " << count;
}

}  // namespace
