// A turn of the searched result between scan points: where a scan point's
// excess lies closer to the target than both its neighbours' on the same
// side, the result turns toward the target there, and it may cross it and
// come back between two scan points. The neighbourhood is searched for the
// turn itself before the scan's "no crossing" is believed.
#ifndef TQWEIR_SEARCH_TURN_SEARCH_H_
#define TQWEIR_SEARCH_TURN_SEARCH_H_

#include <vector>

#include "search/bracket_search.h"

namespace tqweir {
namespace search {

// True when b (between a and c) is a turn toward the target: all three
// finished on the same side, |excess| at b below a's and not above c's.
bool turns_toward_target(const Sample& a, const Sample& b, const Sample& c);

// Golden-section search of [a.x, c.x] for the extremum of the excess at b
// (a turn), at most settings.max_turn_solves solves, ending at the first
// run on the other side of the target or that stops, or at a bracket of
// settings.tolerance. Every sample is appended to `seen`; returns the
// solves made.
int search_turn(const Probe& probe, Sample a, Sample b, Sample c, const SearchSettings& settings,
                std::vector<Sample>& seen);

}  // namespace search
}  // namespace tqweir

#endif  // TQWEIR_SEARCH_TURN_SEARCH_H_
