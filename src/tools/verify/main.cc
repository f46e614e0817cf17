// tqweir-verify: prints the verification problems, the convergence tables
// and the build's identity in the line protocol of problem.h, for
// scripts/verify/make_document.py. Exit status 1 when a problem it judged
// is NOOK (the elliptic values are judged by the script).
//
//   tqweir-verify CASE_DIR...   the case folders for the self-checks
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/verify/problem.h"

namespace {

std::string compiler() {
#if defined(__clang__)
  return "clang++ " + std::to_string(__clang_major__) + "." + std::to_string(__clang_minor__);
#elif defined(__GNUC__)
  return "g++ " + std::to_string(__GNUC__) + "." + std::to_string(__GNUC_MINOR__);
#else
  return "unknown compiler";
#endif
}

std::string platform() {
#if defined(__x86_64__)
  std::string arch = "x86_64";
#elif defined(__aarch64__)
  std::string arch = "aarch64";
#else
  std::string arch = "other processor";
#endif
#if defined(__linux__)
  return arch + " Linux";
#elif defined(_WIN32)
  return arch + " Windows";
#else
  return arch;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "--version")) {
    std::cout << (std::string(argv[1]) == "--version"
                      ? "tqweir-verify " TQWEIR_VERSION "\n"
                      : "usage: tqweir-verify CASE_DIR...  (see scripts/verify.sh)\n");
    return 0;
  }
  std::ostringstream out;
  out << "I\tversion\t" TQWEIR_VERSION "\nI\tcompiler\t" << compiler() << "\nI\tplatform\t"
      << platform() << '\n';
  using namespace tqweir::verify;
  elliptic_values(out);
  kernel_problems(out);
  limit_problems(out);
  convergence_tables(out);
  run_problems(out, std::vector<std::string>(argv + 1, argv + argc));
  operation_problems(out);
  if (argc >= 2) flood_problems(out, argv[1]);  // scripts/verify.sh: examples/standard first
  if (argc >= 2) weir_problems(out, argv[1]);
  leaf_problems(out, std::vector<std::string>(argv + 1, argv + argc));
  risk_problems(out);
  std::cout << out.str();
  return nook_count(out.str()) == 0 ? 0 : 1;
}
