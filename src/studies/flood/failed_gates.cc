#include "studies/flood/failed_gates.h"

#include <algorithm>
#include <numeric>

#include "operation/operation_file.h"
#include "text/number_text.h"
#include "studies/flood/flood_output.h"

namespace tqweir {
namespace operate {
namespace {

std::vector<int> numbers_of(const std::vector<bool>& failed) {
  std::vector<int> gates;
  for (std::size_t g = 0; g < failed.size(); ++g) {
    if (failed[g]) gates.push_back(static_cast<int>(g) + 1);
  }
  return gates;
}

// The order in which the gates would lower: by their level, then number.
std::vector<std::size_t> lowering_order(const operation::OperationFile& file, bool power_failure) {
  std::vector<std::size_t> order(static_cast<std::size_t>(operation::gate_count(file)));
  std::iota(order.begin(), order.end(), 0);
  auto level = [&](std::size_t g) {
    const operation::GivenValue lower = operation::lower_level_of(file, g);
    const operation::GivenValue backup = operation::backup_level_of(file, g);
    double at = 1e300;  // a gate with no level that lowers it lowers last
    if (lower.given && !power_failure) at = lower.value;
    if (backup.given) at = std::min(at, backup.value);
    return at;
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return level(a) < level(b); });
  return order;
}

}  // namespace

std::string gates_text(const std::vector<int>& gates) {
  if (gates.empty()) return "no gate";
  std::string text = gates.size() == 1 ? "gate " : "gates ";
  for (std::size_t k = 0; k < gates.size(); ++k) text += (k == 0 ? "" : ", ") + std::to_string(gates[k]);
  return text;
}

std::string failed_row_text(const FailedRow& row) {
  std::string text = "  " + std::to_string(row.failed) + " failed, " +
                     (row.power_failure ? "without power: " : "with power: ");
  if (!row.determined) {
    return text + "not determined: " + gates_text(row.worst) + ": " + row.stop + "\n";
  }
  text += "peak " + text::fixed_text(row.peak_level, 3) + " m at " + clock_text(row.peak_time);
  if (row.failed == 0) return text + ", no gate failed\n";
  if (row.every_choice) {
    return text + ", the highest of " + std::to_string(row.choices) +
           (row.choices == 1 ? " choice (" : " choices (") + gates_text(row.worst) + ")\n";
  }
  return text + ", " + gates_text(row.worst) + " failed (the first " + std::to_string(row.failed) +
         " to lower: above " + std::to_string(kEveryChoiceGates) +
         " gates not every choice is routed)\n";
}

std::vector<bool> first_to_lower(const operation::OperationFile& file, int k, bool power_failure) {
  std::vector<bool> failed(static_cast<std::size_t>(operation::gate_count(file)), false);
  const std::vector<std::size_t> order = lowering_order(file, power_failure);
  for (int i = 0; i < k && i < static_cast<int>(order.size()); ++i) {
    failed[order[static_cast<std::size_t>(i)]] = true;
  }
  return failed;
}

std::vector<std::vector<bool>> failed_choices(const FloodJob& job, int k, bool power_failure) {
  const int n = operation::gate_count(job.file);
  std::vector<std::vector<bool>> choices;
  if (n > kEveryChoiceGates) {
    choices.push_back(first_to_lower(job.file, k, power_failure));
    return choices;
  }
  // The first K gates failed, then each next choice in lexicographic order
  // of the numbers: prev_permutation over the flags, at most C(4, 2) = 6.
  std::vector<bool> failed(static_cast<std::size_t>(n), false);
  std::fill(failed.begin(), failed.begin() + k, true);
  do {
    choices.push_back(failed);
  } while (std::prev_permutation(failed.begin(), failed.end()));
  return choices;
}

FailedRow failed_row(const FloodJob& job, int k, bool power_failure, flood::SharedPaths* shared,
                     RoutedFlood* worst) {
  FailedRow row;
  row.failed = k;
  row.power_failure = power_failure;
  row.every_choice = operation::gate_count(job.file) <= kEveryChoiceGates;
  row.determined = true;
  for (const std::vector<bool>& failed : failed_choices(job, k, power_failure)) {
    RoutedFlood routed = route_flood(job, power_failure, shared, &failed);
    ++row.choices;
    const flood::Route& route = routed.passage.route;
    if (!routed.started || !route.finished) {
      row.determined = false;
      row.worst = numbers_of(failed);
      row.stop = routed.started ? route.stop : routed.stop;
      if (worst != nullptr) *worst = std::move(routed);
      return row;
    }
    if (row.choices == 1 || route.peak.level > row.peak_level) {
      row.peak_level = route.peak.level;
      row.peak_time = route.peak.time;
      row.worst = numbers_of(failed);
      if (worst != nullptr) *worst = std::move(routed);
    }
  }
  return row;
}

std::vector<FailedRow> failed_table(const FloodJob& job, int most, flood::SharedPaths* shared) {
  const int n = operation::gate_count(job.file);
  if (most < 0 || most > n) most = n;
  flood::SharedPaths own;
  if (shared == nullptr) shared = &own;
  std::vector<FailedRow> rows;
  for (int k = 0; k <= most; ++k) {
    for (const bool power_failure : {false, true}) {
      rows.push_back(failed_row(job, k, power_failure, shared));
    }
  }
  return rows;
}

}  // namespace operate
}  // namespace tqweir
