// The time a gate spends with a thin nappe: the overflow depth over its
// leaf's crest inside a band the engineer gives (a thin nappe springing
// from a flap gate's edge oscillates, and the band where it does comes
// from model tests or the site). Each gate's depths are a series over the
// passage's points, so a weir of several gates has one series a gate.
#ifndef TQWEIR_FLOOD_VIBRATION_BAND_H_
#define TQWEIR_FLOOD_VIBRATION_BAND_H_

#include <vector>

#include "flood/gate.h"

namespace tqweir {
namespace flood {

// The overflow depth (m) of each state: its level over its crest (the
// summary's crest height), 0 where the level stands at or below it.
std::vector<double> overflow_depths(const std::vector<GateState>& states);

// The time (s) within `times` (rising) that `depths` (m, one per time,
// linear between them) spends inside [from, to] (m). Each interval's
// entry and exit are where its straight line crosses from and to, closed
// form, so a series that is linear between its points is measured exactly.
// REQUIRES: times and depths of one size, from <= to.
double time_in_band(const std::vector<double>& times, const std::vector<double>& depths,
                    double from, double to);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_VIBRATION_BAND_H_
