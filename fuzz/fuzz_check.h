// What every fuzz target treats as a finding besides a crash or a sanitizer
// report: a broken promise of the code under test.
#ifndef TQWEIR_FUZZ_FUZZ_CHECK_H_
#define TQWEIR_FUZZ_FUZZ_CHECK_H_

#include <cstdio>
#include <cstdlib>

// Prints `what` and aborts, which libFuzzer reports as a crash and saves the
// input that caused it. Used instead of assert() so that the check stays
// in a build with NDEBUG.
#define TQWEIR_FUZZ_CHECK(condition, what)                                 \
  do {                                                                     \
    if (!(condition)) {                                                    \
      std::fprintf(stderr, "fuzz check failed: %s (%s)\n", what, #condition); \
      std::abort();                                                        \
    }                                                                      \
  } while (0)

#endif  // TQWEIR_FUZZ_FUZZ_CHECK_H_
