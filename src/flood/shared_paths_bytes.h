// The gate's paths a design's routes share (SharedPaths), as bytes and
// back: solved once in one process, read in another to the bit, so that
// the routes there give what they give here without solving the paths
// again. The record holds the base case's solve, every grid level's path
// and the sealed gate's states with the searches' first guesses; what the
// grid is made from (the base case, operation.csv, the settings) is the
// reader's, as each process has the design itself.
#ifndef TQWEIR_FLOOD_SHARED_PATHS_BYTES_H_
#define TQWEIR_FLOOD_SHARED_PATHS_BYTES_H_

#include <string>

#include "flood/flood_passage.h"

namespace tqweir {
namespace flood {

// What `paths` holds. REQUIRES: no route is running on it.
std::string shared_paths_bytes(const SharedPaths& paths);

// The paths of `bytes` for the routes of `base`, `file` and `settings`
// (those the bytes were solved for: the record does not check it). Throws
// text::InputError for bytes that are not such a record, and as
// passage_grid does.
SharedPaths restored_paths(const std::string& bytes, const CaseInput& base,
                           const operation::OperationFile& file, const PassageSettings& settings);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_SHARED_PATHS_BYTES_H_
