// The membrane model written out independently of the kernels, for tests
// that check the kernels' results against it.
#ifndef TQWEIR_TESTS_SUPPORT_MEMBRANE_MODEL_H_
#define TQWEIR_TESTS_SUPPORT_MEMBRANE_MODEL_H_

namespace tqweir_test {

// Integral from the top (depth 0) to depth z of the net pressure head on the
// membrane, in bag heights: alpha, less the downstream water's head below the
// water line at depth 1 - beta (which lies above the top when beta >= 1).
inline double load_integral(double z, double alpha, double beta) {
  const double line = 1 - beta;
  if (line <= 0) return (alpha - beta + 1) * z - z * z / 2;
  if (z <= line) return alpha * z;
  return alpha * z - (z - line) * (z - line) / 2;
}

// cos psi(z) from tension (1 - cos psi) = L(z).
inline double tangent_cosine(double z, double alpha, double beta, double tension) {
  return 1 - load_integral(z, alpha, beta) / tension;
}

}  // namespace tqweir_test

#endif  // TQWEIR_TESTS_SUPPORT_MEMBRANE_MODEL_H_
