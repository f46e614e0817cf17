// A verification problem as docs/verification.md lists it, and the line
// protocol by which tqweir-verify hands problems and tables to the script
// that writes the document (scripts/verify/make_document.py).
#ifndef TQWEIR_TOOLS_VERIFY_PROBLEM_H_
#define TQWEIR_TOOLS_VERIFY_PROBLEM_H_

#include <ostream>
#include <string>
#include <vector>

namespace tqweir {
namespace verify {

struct Problem {
  std::string group;      // subsystem heading
  std::string id;         // e.g. "MK-T-03"
  std::string what;       // what is checked
  std::string reference;  // the reference and its source
  std::string kind;       // analytical, independent numerical, literature
  double reference_value = 0.0;
  double value = 0.0;       // tqweir's
  bool relative = false;    // difference relative to |reference_value|
  double tolerance = 0.0;
  double difference() const;
  bool ok() const;
};

// "P" line: group, id, what, reference, kind, reference value, value,
// difference (with "rel" or "abs"), tolerance, OK or NOOK.
void print_problem(std::ostream& out, const Problem& p);

// A table: "T" line with its group and caption, "H" with the heads, "R" per
// row; cells are already formatted.
void print_table(std::ostream& out, const std::string& group, const std::string& caption,
                 const std::vector<std::string>& heads,
                 const std::vector<std::vector<std::string>>& rows);

// How many "P" records in `records` (the tool's output) are not OK: the
// tool's exit status says whether its own verdicts all hold.
int nook_count(const std::string& records);

// "%.*g" / "%.*e" of a double.
std::string fmt_g(double v, int digits = 9);
std::string fmt_e(double v, int digits = 1);

// Problem generators.
void kernel_problems(std::ostream& out);       // membrane kernels against the integration
void limit_problems(std::ostream& out);        // closed forms and loads
void convergence_tables(std::ostream& out);    // the outline's sampling
// "E" lines: amplitude, parameter, F and E by the program's rule (17 digits),
// for the script to compare with its high-precision values.
void elliptic_values(std::ostream& out);
void run_problems(std::ostream& out, const std::vector<std::string>& case_dirs);
void operation_problems(std::ostream& out);  // the exhaust against a vented rigid volume
// The flood's routing against closed forms, and the gate of `case_dir` held
// at 45 degrees against a storage-indication routing.
void flood_problems(std::ostream& out, const std::string& case_dir);
// A weir of several gates of `case_dir` against the one gate: one gate is
// the one-gate passage, identical gates move as one, all failed is the
// sealed gate N times, a constant coefficient curve is the constant, the
// highest peak never falls as more gates fail.
void weir_problems(std::ostream& out, const std::string& case_dir);
// The leaf's free body closing on the balance of every case of `case_dirs`
// that finishes, a cantilever against the textbook, the skin plate's panel
// formula against a hand value.
void leaf_problems(std::ostream& out, const std::vector<std::string>& case_dirs);
// The flood risk's estimate against the closed form over a pond of
// negligible storage, the total probability over the power's failure, and
// crude Monte Carlo.
void risk_problems(std::ostream& out);

}  // namespace verify
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_VERIFY_PROBLEM_H_
