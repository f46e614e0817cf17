#include "tools/seek/seek_print.h"

#include <cmath>

#include "core/messages.h"
#include "text/number_text.h"

namespace tqweir {
namespace seek {
namespace {

std::string side_text(const search::Sample& s, const SeekPlan& plan) {
  if (!s.finished) return "stops " + stop_text(s);
  if (plan.kind == SeekKind::stop) return "finishes";
  return number_text(s.excess + plan.goal.target);
}

bool is_target(const search::Edge& edge, const SeekPlan& plan) {
  return (edge.kind == search::EdgeKind::boundary) == (plan.kind == SeekKind::stop);
}

}  // namespace

std::string number_text(double value) { return text::exact_text(value + 0.0); }

std::string stop_text(const search::Sample& s) {
  return "\"" + message_utf8(static_cast<Message>(s.stop)) + "\"";
}

std::string bracket_text(const search::Edge& edge, const SeekPlan& plan) {
  std::string text = "[" + number_text(edge.lo.x) + ", " + number_text(edge.hi.x) + "]";
  if (!edge.refined) {
    text += " (not narrowed)";
  } else if (std::nextafter(edge.lo.x, edge.hi.x) >= edge.hi.x) {
    text += " (adjacent doubles)";
  } else {
    // A boundary of a crossing search is narrowed only as far as its
    // finishing side needs.
    text += is_target(edge, plan) ? " (within --tol)" : " (narrowed to a millionth of the scan's spacing)";
  }
  return text + ": " + side_text(edge.lo, plan) + " .. " + side_text(edge.hi, plan);
}

std::string quantity_name(const SeekPlan& plan) {
  if (plan.kind == SeekKind::criterion) return "the " + plan.until + " ratio";
  return plan.until;
}

void print_others(const SeekPlan& plan, const search::SearchResult& result, std::size_t picked,
                  std::ostream& out) {
  for (std::size_t i = 0; i < result.edges.size(); ++i) {
    if (i == picked) continue;
    const search::Edge& e = result.edges[i];
    out << "  " << (e.kind == search::EdgeKind::crossing ? "crossing " : "boundary ") << i + 1 << ": "
        << plan.field->name << " in " << bracket_text(e, plan);
    if (e.interrupted) out << "; the run at " << number_text(e.inside.x) << " stops " << stop_text(e.inside);
    out << "\n";
  }
}

std::string solves_text(const search::SearchResult& result, const search::Edge& edge) {
  const int scan = static_cast<int>(result.scan.size());
  const int rest = result.solves - scan - edge.solves;
  std::string text = "solves: " + std::to_string(result.solves) + " (scan " + std::to_string(scan) +
                     ", narrowing " + std::to_string(edge.solves);
  if (rest > 0) text += ", the other brackets and turns " + std::to_string(rest);
  return text + ")";
}

int report_none(const SeekPlan& plan, const search::SearchResult& result, int scan_intervals,
                std::ostream& out) {
  const std::string name = plan.field->name;
  out << "tqweir-seek: no "
      << (plan.kind == SeekKind::stop
              ? std::string("boundary between finishing and stopping runs")
              : "crossing of " + quantity_name(plan) + " = " + number_text(plan.goal.target))
      << " found for " << name << " from " << number_text(plan.lo) << " to " << number_text(plan.hi)
      << " among " << counted(static_cast<std::size_t>(result.solves), "solve", "solves")
      << " (a scan at a spacing of " << number_text(plan.hi / scan_intervals - plan.lo / scan_intervals)
      << " and the case's own value";
  if (plan.kind != SeekKind::stop) {
    out << ", every boundary's finishing side and "
        << counted(static_cast<std::size_t>(result.turn_solves), "solve", "solves")
        << " at turns of the result";
  }
  out << "; an excursion narrower than that is not seen)\n";
  if (!result.found_closest) {
    out << "  every run looked at stops: " << stop_text(result.scan.front()) << " at " << name << " = "
        << number_text(plan.lo) << "\n";
  } else if (plan.kind == SeekKind::stop) {
    out << "  every run looked at finishes\n";
  } else {
    out << "  closest reached: " << number_text(result.closest.excess + plan.goal.target) << " at "
        << name << " = " << number_text(result.closest.x) << "\n";
  }
  print_others(plan, result, result.edges.size(), out);
  return 1;
}

}  // namespace seek
}  // namespace tqweir
