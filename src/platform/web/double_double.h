// Double-double arithmetic: a value carried as hi + lo, two doubles with
// |lo| <= half an ulp of hi, about 106 significant bits. Built from the
// error-free transformations (the rounding error of a sum or a product is
// itself a double), with no fused multiply-add, so that it runs the same on
// every IEEE machine, WebAssembly included.
#ifndef TQWEIR_WEB_DOUBLE_DOUBLE_H_
#define TQWEIR_WEB_DOUBLE_DOUBLE_H_

namespace tqweir {
namespace web {

struct DoubleDouble {
  double hi = 0.0;
  double lo = 0.0;
};

// a + b exactly, as the rounded sum and its rounding error (any a, b).
inline DoubleDouble two_sum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// The same when |a| >= |b| (or a == 0), in three operations.
inline DoubleDouble fast_two_sum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a * b exactly, as the rounded product and its rounding error, by splitting
// each factor into two halves of 26 bits. Exact while |a|, |b| < 2^996 and
// the product does not underflow.
inline DoubleDouble two_prod(double a, double b) {
  const double kSplit = 134217729.0;  // 2^27 + 1
  const double ca = kSplit * a;
  const double ah = ca - (ca - a);
  const double al = a - ah;
  const double cb = kSplit * b;
  const double bh = cb - (cb - b);
  const double bl = b - bh;
  const double p = a * b;
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

inline DoubleDouble operator-(const DoubleDouble& a) { return {-a.hi, -a.lo}; }

inline DoubleDouble operator+(const DoubleDouble& a, const DoubleDouble& b) {
  const DoubleDouble s = two_sum(a.hi, b.hi);
  const DoubleDouble t = two_sum(a.lo, b.lo);
  const DoubleDouble u = fast_two_sum(s.hi, s.lo + t.hi);
  return fast_two_sum(u.hi, u.lo + t.lo);
}

inline DoubleDouble operator+(const DoubleDouble& a, double b) {
  const DoubleDouble s = two_sum(a.hi, b);
  return fast_two_sum(s.hi, s.lo + a.lo);
}

inline DoubleDouble operator-(const DoubleDouble& a, const DoubleDouble& b) { return a + (-b); }

inline DoubleDouble operator*(const DoubleDouble& a, const DoubleDouble& b) {
  const DoubleDouble p = two_prod(a.hi, b.hi);
  return fast_two_sum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

inline DoubleDouble operator*(const DoubleDouble& a, double b) {
  const DoubleDouble p = two_prod(a.hi, b);
  return fast_two_sum(p.hi, p.lo + a.lo * b);
}

// a / b: the quotient of the high parts, corrected once by the remainder.
inline DoubleDouble operator/(const DoubleDouble& a, const DoubleDouble& b) {
  const double q = a.hi / b.hi;
  const DoubleDouble r = a - b * q;
  return fast_two_sum(q, r.hi / b.hi);
}

// The double nearest to hi + lo.
inline double rounded(const DoubleDouble& a) { return a.hi + a.lo; }

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_DOUBLE_DOUBLE_H_
