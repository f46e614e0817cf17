// The tables of the power function (glibc_pow.cc).
#ifndef TQWEIR_MATH_GLIBC_POW_TABLES_H_
#define TQWEIR_MATH_GLIBC_POW_TABLES_H_

#include <cstdint>

namespace tqweir {
namespace math {

// log x = k ln2 + log c + log1p(z/c - 1) over 128 subintervals of z.
struct PowLogTable {
  double ln2hi;
  double ln2lo;
  double poly[7];  // the log1p polynomial from r^2 on (the first is 1)
  struct Entry {
    double invc, logc, logctail;
  } tab[128];
};

// e^x = 2^(k/128) e^r.
struct ExpTable {
  double invln2N;
  double shift;
  double negln2hiN;
  double negln2loN;
  double poly[4];
  std::uint64_t tab[256];
};

extern const PowLogTable kPowLog;
extern const ExpTable kExp;

}  // namespace math
}  // namespace tqweir

#endif  // TQWEIR_MATH_GLIBC_POW_TABLES_H_
