// Fuzz target: a block of a risk's events (the bytes a Dask worker sends
// back) read on arbitrary bytes, then merged into a small run. An
// InputError is the answer to bad bytes; anything else escaping, a block
// accepted that does not write back to the same bytes, or a merge that
// accepts a block not holding the run's events exactly, is a finding.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "risk/risk_block.h"
#include "text/input_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    const tqweir::risk::RiskBlock block = tqweir::risk::block_from_bytes(bytes);
    TQWEIR_FUZZ_CHECK(tqweir::risk::block_bytes(block) == bytes, "a block read writes back the same");
    tqweir::risk::RiskFile plan;
    plan.peak.law = tqweir::risk::PeakLaw::gumbel;
    plan.peak.a = 20.0;
    plan.peak.b = 6.0;
    plan.bins = 1;
    plan.events_per_bin = 2;
    tqweir::risk::RiskRun run = tqweir::risk::planned_run(plan);
    tqweir::risk::merge_blocks(run, {block});
    TQWEIR_FUZZ_CHECK(block.from == 0 && block.events.size() == tqweir::risk::risk_event_count(plan),
                      "a merge takes only the run's events, each once");
  } catch (const tqweir::text::InputError&) {
  }
  return 0;
}
