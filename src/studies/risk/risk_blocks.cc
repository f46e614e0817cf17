#include "studies/risk/risk_blocks.h"

#include <utility>

#include "flood/shared_paths_bytes.h"
#include "text/input_error.h"

namespace tqweir {
namespace risk_study {

std::string presolved_paths_bytes(const RiskJob& job, int threads) {
  flood::SharedPaths shared;
  presolve_paths(job, shared, threads);
  return flood::shared_paths_bytes(shared);
}

risk::RiskBlock route_risk_block(const RiskJob& job, const std::string& paths_bytes, std::size_t from,
                                 std::size_t to, int threads) {
  const std::size_t count = risk::risk_event_count(job.risk);
  if (!(from <= to && to <= count)) {
    throw text::InputError("events " + std::to_string(from) + " to " + std::to_string(to) +
                           ": the risk has events 0 to " + std::to_string(count));
  }
  flood::SharedPaths shared =
      flood::restored_paths(paths_bytes, job.base, job.file, risk_passage_settings());
  // A record without the base case's solve came from a first route that
  // stopped; its routes then ran one at a time, and so do these.
  if (!shared.base) threads = 1;
  const risk::RiskRun run = risk::planned_run(job.risk, operation::gate_count(job.file));
  return risk::run_risk_block(
      run, [&](const risk::Branch& b, double peak) { return route_event(job, shared, b, peak); }, threads,
      from, to);
}

RiskStudy merged_risk_study(const RiskJob& job, std::vector<risk::RiskBlock> blocks) {
  RiskStudy s;
  s.run = risk::planned_run(job.risk, operation::gate_count(job.file));
  risk::merge_blocks(s.run, std::move(blocks));
  summarize_risk(job, s);
  return s;
}

}  // namespace risk_study
}  // namespace tqweir
