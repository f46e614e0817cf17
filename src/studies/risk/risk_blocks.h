// A design's flood risk in blocks of events, for a run spread over
// processes or machines: the gate's paths solved once here and carried as
// bytes, each block of events routed on them wherever it is sent, and the
// blocks merged into the study a run in one process gives, bit for bit
// (risk/risk_block.h says why the split cannot change it).
#ifndef TQWEIR_STUDIES_RISK_RISK_BLOCKS_H_
#define TQWEIR_STUDIES_RISK_RISK_BLOCKS_H_

#include <cstddef>
#include <string>
#include <vector>

#include "risk/risk_block.h"
#include "studies/risk/risk_study.h"

namespace tqweir {
namespace risk_study {

// The paths of `job`'s routes, solved on `threads` threads as
// run_risk_study solves them before its events, as bytes
// (flood/shared_paths_bytes.h).
std::string presolved_paths_bytes(const RiskJob& job, int threads);

// The events [from, to) of `job` routed on the paths of `paths_bytes`
// (presolved_paths_bytes's, for the same design) on `threads` threads.
// Throws text::InputError for bytes that do not read, and when [from, to)
// is not within the risk's events.
risk::RiskBlock route_risk_block(const RiskJob& job, const std::string& paths_bytes, std::size_t from,
                                 std::size_t to, int threads);

// The study of `job` from blocks holding each of its events once
// (risk::merge_blocks refuses others); the times are left at 0.
RiskStudy merged_risk_study(const RiskJob& job, std::vector<risk::RiskBlock> blocks);

}  // namespace risk_study
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_RISK_RISK_BLOCKS_H_
