#include "platform/web/angle_reduction.h"

#include <cmath>

namespace tqweir {
namespace web {

namespace {

constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// Adding and subtracting 1.5 * 2^52 rounds a double below 2^51 to an integer
// (to nearest, ties to even) without a library call.
constexpr double kRoundingShift = 0x1.8p52;
// pi/2 = sum of these. The first five have 26 significant bits, so their
// products with a quarter-turn count below 2^26 are exact doubles.
constexpr double kHalfPi1 = 0x1.921fb50000000p+0;
constexpr double kHalfPi2 = 0x1.110b460000000p-26;
constexpr double kHalfPi3 = 0x1.1a62630000000p-54;
constexpr double kHalfPi4 = 0x1.8a2e030000000p-81;
constexpr double kHalfPi5 = 0x1.c1cd128000000p-107;
constexpr double kHalfPi6 = 0x1.024e088a67cc7p-135;
constexpr double kHalfPi7 = 0x1.0082efa98ec4ep-189;

// pi/4 rounded down: below it no quarter turn is taken off.
constexpr double kEighthTurn = 0.78539816339744828;

double quarter_turns(double x) { return (x * kTwoOverPi + kRoundingShift) - kRoundingShift; }

int quadrant_of(double q) { return static_cast<int>(static_cast<long long>(q) & 3); }

}  // namespace

bool reduce_angle_short(double x, ReducedAngle& out) {
  if (std::fabs(x) <= kEighthTurn) {
    out = {0, {x, 0.0}};
    return true;
  }
  if (!(std::fabs(x) < 6000.0)) return false;
  const double q = quarter_turns(x);
  // Exact up to here (q below 2^13, so q * kHalfPi2 is exact too); the two
  // next pieces go into the low part, and what is left out is below
  // q * 2^-106.
  const DoubleDouble r = two_sum(x - q * kHalfPi1, -(q * kHalfPi2));
  out.quadrant = quadrant_of(q);
  out.r = fast_two_sum(r.hi, r.lo - (q * kHalfPi3 + q * kHalfPi4));
  return std::fabs(out.r.hi) >= 0x1p-12;
}

ReducedAngle reduce_angle(double x) {
  ReducedAngle out;
  if (std::fabs(x) <= kEighthTurn) {
    out.r = {x, 0.0};
    return out;
  }
  const double q = quarter_turns(x);
  out.quadrant = quadrant_of(q);
  // x and q * kHalfPi1 lie within a factor of two of each other (q != 0), so
  // their difference is exact; each later piece is a smaller correction.
  DoubleDouble r{x - q * kHalfPi1, 0.0};
  r = r + -(q * kHalfPi2);
  r = r + -(q * kHalfPi3);
  r = r + -(q * kHalfPi4);
  r = r + -(q * kHalfPi5);
  r = r + -two_prod(q, kHalfPi6);
  r = r + -(q * kHalfPi7);
  out.r = r;
  return out;
}

}  // namespace web
}  // namespace tqweir
