#include "tools/verify/problem.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace tqweir {
namespace verify {

double Problem::difference() const {
  const double d = std::fabs(value - reference_value);
  return relative ? d / std::fabs(reference_value) : d;
}

bool Problem::ok() const {
  const double d = difference();
  return std::isfinite(d) && d <= tolerance;
}

int nook_count(const std::string& records) {
  std::istringstream in(records);
  int count = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.compare(0, 2, "P\t") != 0) continue;
    if (line.substr(line.rfind('\t') + 1) != "OK") ++count;
  }
  return count;
}

std::string fmt_g(double v, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*g", digits, v);
  return buf;
}

std::string fmt_e(double v, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits, v);
  return buf;
}

void print_problem(std::ostream& out, const Problem& p) {
  out << "P\t" << p.group << '\t' << p.id << '\t' << p.what << '\t' << p.reference << '\t'
      << p.kind << '\t' << fmt_g(p.reference_value) << '\t' << fmt_g(p.value) << '\t'
      << fmt_e(p.difference()) << (p.relative ? " rel" : " abs") << '\t' << fmt_e(p.tolerance)
      << '\t' << (p.ok() ? "OK" : "NOOK") << '\n';
}

void print_table(std::ostream& out, const std::string& group, const std::string& caption,
                 const std::vector<std::string>& heads,
                 const std::vector<std::vector<std::string>>& rows) {
  out << "T\t" << group << '\t' << caption << '\n' << 'H';
  for (const std::string& h : heads) out << '\t' << h;
  out << '\n';
  for (const auto& row : rows) {
    out << 'R';
    for (const std::string& c : row) out << '\t' << c;
    out << '\n';
  }
}

}  // namespace verify
}  // namespace tqweir
