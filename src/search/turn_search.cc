#include "search/turn_search.h"

#include <cmath>

namespace tqweir {
namespace search {
namespace {

// The distance to the target on b's side: an extremum of the excess toward
// the target is a minimum of it.
double gap(const Sample& s) { return std::fabs(s.excess); }

}  // namespace

bool turns_toward_target(const Sample& a, const Sample& b, const Sample& c) {
  if (!a.finished || !b.finished || !c.finished) return false;
  if (reached(a) != reached(b) || reached(c) != reached(b)) return false;
  return gap(b) < gap(a) && gap(b) <= gap(c);
}

int search_turn(const Probe& probe, Sample a, Sample b, Sample c, const SearchSettings& settings,
                std::vector<Sample>& seen) {
  // 2 - golden ratio: each step keeps a bracket [a, c] around the least
  // gap b and shrinks it by 0.618 at worst, so 16 solves look at a
  // 1/2200 of the two scan intervals around the turn.
  constexpr double kGolden = 0.3819660112501051;
  int solves = 0;
  while (solves < settings.max_turn_solves && !narrow_enough(a.x, c.x, settings.tolerance)) {
    const double left = b.x - a.x, right = c.x - b.x;
    const double x = right > left ? b.x + kGolden * right : b.x - kGolden * left;
    if (!(x > a.x && x < c.x) || x == b.x) break;
    const Sample s = probe(x);
    ++solves;
    seen.push_back(s);
    // Across the target, or a run that stops: the brackets take it from here.
    if (!s.finished || reached(s) != reached(b)) break;
    if (gap(s) < gap(b)) {
      (x > b.x ? a : c) = b;
      b = s;
    } else {
      (x > b.x ? c : a) = s;
    }
  }
  return solves;
}

}  // namespace search
}  // namespace tqweir
