#include "design/limit_states.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <map>
#include <system_error>
#include <thread>

#include "text/number_text.h"
#include "text/run_results.h"

namespace tqweir {
namespace design {
namespace {

// One load case's solves by the value tried, so that the scan, which every
// search of the case repeats at the same values, is solved once.
class CaseSolves {
 public:
  CaseSolves(const CaseInput& base, const InputField& field) : base_(base), field_(field) {}

  const search::CaseResult& at(double x) {
    auto found = solved_.find(x);
    if (found == solved_.end()) {
      found = solved_.emplace(x, search::solve_unrounded(search::with_value(base_, field_, x))).first;
    }
    return found->second;
  }

  int solves() const { return static_cast<int>(solved_.size()); }

 private:
  const CaseInput& base_;
  const InputField& field_;
  std::map<double, search::CaseResult> solved_;
};

search::Sample sample_of(double x, const search::CaseResult& r, const search::Goal* goal) {
  search::Sample s;
  s.x = x;
  s.finished = r.finished;
  s.stop = static_cast<int>(r.message);
  if (r.finished && goal != nullptr) s.excess = search::goal_quantity(*goal, r) - goal->target;
  return s;
}

CheckLimit check_limit(CaseSolves& solves, const Criterion& criterion, double lo, double hi,
                       const search::SearchSettings& settings) {
  CheckLimit limit;
  if (!criterion.given) return limit;
  const search::Goal goal = criterion_goal(criterion);
  const search::Probe probe = [&](double x) { return sample_of(x, solves.at(x), &goal); };
  const search::SearchResult result = search::search_range(probe, lo, hi, search::Target::crossings, settings);
  for (const search::Sample& s : result.scan) {
    if (!s.finished) continue;
    limit.any_finished = true;
    limit.above_at_lo = search::reached(s);
    break;
  }
  for (const search::Edge& edge : result.edges) {
    if (edge.kind != search::EdgeKind::crossing) continue;
    if (limit.crossings++ > 0) continue;
    const search::Sample& at = search::edge_value(edge);
    limit.found = true;
    limit.rising = !search::reached(edge.lo);
    limit.value = at.x;
    limit.lo = edge.lo.x;
    limit.hi = edge.hi.x;
    const std::string printed = text::read_printed_summary(solves.at(at.x).summary)
                                    .text[static_cast<std::size_t>(summary_index(criterion.field))];
    limit.ratio_text = text::ratio_text(check_printed(printed, criterion).ratio);
  }
  return limit;
}

// The first boundary where the runs begin to stop; without one, the first
// where they cease to (which is shown but never governs).
StopLimit stop_limit(CaseSolves& solves, double lo, double hi, const search::SearchSettings& settings) {
  StopLimit stop;
  const search::Probe probe = [&](double x) { return sample_of(x, solves.at(x), nullptr); };
  const search::SearchResult result = search::search_range(probe, lo, hi, search::Target::boundaries, settings);
  if (!result.found_closest) {
    stop.whole_range = true;
    stop.value = lo;
    stop.message = static_cast<Message>(result.scan.front().stop);
    return stop;
  }
  for (const search::Edge& edge : result.edges) {
    if (edge.kind != search::EdgeKind::boundary || (stop.found && !edge.lo.finished)) continue;
    if (stop.found && stop.begins) break;
    const search::Sample& finished = edge.lo.finished ? edge.lo : edge.hi;
    const search::Sample& stopped = edge.lo.finished ? edge.hi : edge.lo;
    stop.found = true;
    stop.begins = edge.lo.finished;
    stop.value = finished.x;
    stop.beyond = stopped.x;
    stop.message = static_cast<Message>(stopped.stop);
  }
  return stop;
}

void consider(CaseLimits& limits, double value, int check) {
  if (limits.governing_found && !(value < limits.governing)) return;
  limits.governing_found = true;
  limits.governing = value;
  limits.governing_check = check;
}

CaseLimits case_limits(const LoadCase& load_case, const SearchRows& search,
                       const std::vector<Criterion>& criteria, const LimitSettings& settings) {
  search::SearchSettings search_settings;
  search_settings.scan_intervals = settings.scan_intervals;
  search_settings.tolerance = (search.limit_hi - search.limit_lo) * settings.relative_tolerance;
  // The case's own value is looked at too: a case that finishes, or fails
  // a check, at its own value shows it in its limits.
  search_settings.has_own = true;
  search_settings.own = field_value(*search.limit_field, load_case.input);
  CaseSolves solves(load_case.input, *search.limit_field);
  CaseLimits limits;
  for (std::size_t k = 0; k < criteria.size(); ++k) {
    limits.checks.push_back(
        check_limit(solves, criteria[k], search.limit_lo, search.limit_hi, search_settings));
    const CheckLimit& c = limits.checks.back();
    if (c.above_at_lo) consider(limits, search.limit_lo, static_cast<int>(k));
    if (c.found && c.rising) consider(limits, c.value, static_cast<int>(k));
  }
  limits.stop = stop_limit(solves, search.limit_lo, search.limit_hi, search_settings);
  if ((limits.stop.found && limits.stop.begins) || limits.stop.whole_range) {
    consider(limits, limits.stop.value, -1);
  }
  limits.solves = solves.solves();
  return limits;
}

}  // namespace

search::Goal criterion_goal(const Criterion& criterion) {
  search::Goal goal;
  goal.field = criterion.field;
  goal.magnitude = true;
  goal.scale = check_printed("1.000", criterion).value / criterion.limit;
  goal.target = 1.0;
  return goal;
}

std::vector<CaseLimits> find_limits(const Design& design, const std::vector<Criterion>& criteria,
                                    const LimitSettings& settings) {
  const std::size_t count = design.cases.size();
  std::vector<CaseLimits> limits(count);
  std::vector<std::exception_ptr> failures(count);
  std::atomic<std::size_t> next{0};
  // Each case has its own slot, written by one worker only; the solves of
  // the core share nothing.
  const auto work = [&] {
    for (std::size_t i = next++; i < count; i = next++) {
      try {
        limits[i] = case_limits(design.cases[i], design.criteria.search, criteria, settings);
      } catch (...) {
        failures[i] = std::current_exception();
      }
    }
  };
  unsigned wanted = settings.threads > 0 ? static_cast<unsigned>(settings.threads)
                                         : std::max(1u, std::thread::hardware_concurrency());
  wanted = static_cast<unsigned>(std::min<std::size_t>(wanted, count));
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < wanted; ++t) {
    try {
      pool.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // fewer threads: this one works through the rest
    }
  }
  work();
  for (std::thread& thread : pool) thread.join();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
  return limits;
}

}  // namespace design
}  // namespace tqweir
