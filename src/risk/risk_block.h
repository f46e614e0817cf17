// A risk's events in blocks: the events [from, to) drawn and routed on
// their own (in another process, on another machine), and the blocks put
// together into the run that routing them all at once gives. Every event's
// draws come from its own global index, and a block keeps each event's
// outcome, not a sum: the whole run is then the same, bit for bit, however
// the events were split and wherever each block ran, and every figure of
// the curve is computed from it in one fixed order.
#ifndef TQWEIR_RISK_RISK_BLOCK_H_
#define TQWEIR_RISK_RISK_BLOCK_H_

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "risk/risk_estimate.h"

namespace tqweir {
namespace risk {

struct RiskBlock {
  std::size_t from = 0;            // the first event's index in the run
  std::vector<RiskEvent> events;   // events from, from + 1, ...
};

// Events in the run of `plan`: per realization its bins' events and the
// one at aep_from.
std::size_t risk_event_count(const RiskFile& plan);

// The run of `plan` on a weir of `gates` gates before its events: the
// branches, their probabilities and each realization's law.
RiskRun planned_run(const RiskFile& plan, int gates = 1);

// Draws and routes the events [from, to) of `run` (planned_run's) on
// `threads` threads; progress(done, to - from) after each event (from the
// thread that routed it, one call at a time).
// REQUIRES: from <= to <= risk_event_count(run.plan).
RiskBlock run_risk_block(const RiskRun& run, const RouteEvent& route, int threads, std::size_t from,
                         std::size_t to,
                         const std::function<void(std::size_t, std::size_t)>& progress = nullptr);

// Puts the events of `blocks` into `run` (planned_run's), each at its own
// index. The blocks between them hold every event once, in any order;
// text::InputError when one is missing, held twice or past the last.
void merge_blocks(RiskRun& run, std::vector<RiskBlock> blocks);

// A block as bytes and back (core/byte_record.h). block_from_bytes throws
// text::InputError for bytes that are not a block's record.
std::string block_bytes(const RiskBlock& block);
RiskBlock block_from_bytes(const std::string& bytes);

}  // namespace risk
}  // namespace tqweir

#endif  // TQWEIR_RISK_RISK_BLOCK_H_
