// The route's state as its integrators carry it, one vector: the pond's
// storage (m3), then the air of each gate (m3 per metre of span at
// atmospheric pressure) in the route's order of gates, then the volume
// that has flowed out (m3). The pond is one level over every gate; each
// gate's bag has its own air, let out by its own valve and put back by
// the blower that serves it.
#ifndef TQWEIR_FLOOD_ROUTE_STATE_H_
#define TQWEIR_FLOOD_ROUTE_STATE_H_

#include <cstddef>
#include <vector>

namespace tqweir {
namespace flood {

using RouteState = std::vector<double>;

// REQUIRES: airs not empty.
inline RouteState route_state(double storage, const std::vector<double>& airs, double volume) {
  RouteState x;
  x.reserve(airs.size() + 2);
  x.push_back(storage);
  x.insert(x.end(), airs.begin(), airs.end());
  x.push_back(volume);
  return x;
}

// The gates a state holds the air of.
inline std::size_t gate_count(const RouteState& x) { return x.size() - 2; }

// The index of gate `gate`'s air, and of the outflow's volume.
inline std::size_t air_index(std::size_t gate) { return gate + 1; }
inline std::size_t volume_index(const RouteState& x) { return x.size() - 1; }

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_ROUTE_STATE_H_
