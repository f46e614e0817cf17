// Writes the reference table for tests/platform/web/math_table_test.js: for each
// math function the web build replaces, many arguments with glibc's result
// on this machine and the correctly rounded result (from libquadmath's
// 113-bit functions, rounded once to double).
//
// Output: little-endian float64 quadruples (function number, x, glibc,
// correctly rounded); function numbers as in tests/platform/web/libc_check.cc.
// Usage: glibc_table > table.bin
#include <quadmath.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

struct Function {
  double (*glibc)(double);
  __float128 (*quad)(__float128);
};

double glibc_pow15(double x) { return std::pow(x, 1.5); }
double glibc_pow2(double x) { return std::pow(x, 2.0); }
double glibc_pow3(double x) { return std::pow(x, 3.0); }
__float128 quad_pow15(__float128 x) { return powq(x, static_cast<__float128>(1.5)); }
__float128 quad_pow2(__float128 x) { return x * x; }
__float128 quad_pow3(__float128 x) { return x * x * x; }
// The exhaust valve's pressure ratios and a step-size controller's error
// ratio take other exponents.
double glibc_pow_two_gamma(double x) { return std::pow(x, 2.0 / 1.4); }
double glibc_pow_gamma_plus(double x) { return std::pow(x, 2.4 / 1.4); }
double glibc_pow_fifth(double x) { return std::pow(x, -0.2); }
__float128 quad_pow_two_gamma(__float128 x) { return powq(x, static_cast<__float128>(2.0 / 1.4)); }
__float128 quad_pow_gamma_plus(__float128 x) { return powq(x, static_cast<__float128>(2.4 / 1.4)); }
__float128 quad_pow_fifth(__float128 x) { return powq(x, static_cast<__float128>(-0.2)); }

const Function kFunctions[] = {
    {::sin, sinq},   {::cos, cosq},   {::tan, tanq},         {::atan, atanq},     {::asin, asinq},
    {::acos, acosq}, {glibc_pow15, quad_pow15}, {glibc_pow2, quad_pow2}, {glibc_pow3, quad_pow3},
    {glibc_pow_two_gamma, quad_pow_two_gamma}, {glibc_pow_gamma_plus, quad_pow_gamma_plus},
    {glibc_pow_fifth, quad_pow_fifth},
};

std::mt19937_64 generator(20261208);

void uniform(std::vector<double>& xs, int n, double lo, double hi) {
  std::uniform_real_distribution<double> u(lo, hi);
  for (int i = 0; i < n; ++i) xs.push_back(u(generator));
}

// |x| spread evenly over the binades from 2^lo to 2^hi, both signs.
void log_spread(std::vector<double>& xs, int n, double lo, double hi, bool both_signs) {
  std::uniform_real_distribution<double> u(lo, hi);
  for (int i = 0; i < n; ++i) {
    const double x = std::exp2(u(generator));
    xs.push_back(both_signs && i % 2 ? -x : x);
  }
}

// The doubles next to k * pi/2, where the reduction of sin, cos and tan
// cancels most.
void near_quarter_turns(std::vector<double>& xs, int n) {
  for (int k = 1; k <= n; ++k) {
    const double x = k * 1.5707963267948966;
    xs.push_back(std::nextafter(x, 0.0));
    xs.push_back(x);
    xs.push_back(std::nextafter(x, 1e300));
  }
}

std::vector<double> arguments(int function) {
  std::vector<double> xs;
  switch (function) {
    case 0:
    case 1:  // the trapezoid's range first
      uniform(xs, 200000, 0.0, 1.5707963267948966);
      uniform(xs, 50000, -10.0, 10.0);
      log_spread(xs, 20000, -40.0, 26.5, true);
      near_quarter_turns(xs, 3000);
      break;
    case 2:
      uniform(xs, 100000, -1.5707963267948966, 1.5707963267948966);
      log_spread(xs, 20000, -40.0, 26.5, true);
      near_quarter_turns(xs, 3000);
      break;
    case 3:
      uniform(xs, 100000, -3.0, 3.0);
      log_spread(xs, 20000, -60.0, 1000.0, true);
      break;
    case 4:
    case 5:
      uniform(xs, 100000, -1.0, 1.0);
      log_spread(xs, 10000, -60.0, -0.01, true);
      for (int i = 0; i < 5000; ++i) xs.push_back(1.0 - i * 0x1p-53);
      for (int i = 0; i < 5000; ++i) xs.push_back(-1.0 + i * 0x1p-53);
      break;
    default:
      uniform(xs, 50000, 0.0, 10.0);
      log_spread(xs, 10000, -290.0, 290.0, function == 7 || function == 8);
      break;
  }
  return xs;
}

}  // namespace

int main() {
  for (int f = 0; f < static_cast<int>(sizeof kFunctions / sizeof kFunctions[0]); ++f) {
    for (const double x : arguments(f)) {
      const double row[4] = {static_cast<double>(f), x, kFunctions[f].glibc(x),
                             static_cast<double>(kFunctions[f].quad(x))};
      std::fwrite(row, sizeof row, 1, stdout);
    }
  }
  return 0;
}
