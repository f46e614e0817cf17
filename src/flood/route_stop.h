// Why a route cannot go on: the gate has no state at the level reached, a
// table is left, a step does not converge, or a value is not finite. Thrown
// from inside the integration (the stepper offers no other way out of its
// right-hand side); route() turns it into the route's outcome, so it never
// reaches a user as anything but a stated reason with the time it met it.
#ifndef TQWEIR_FLOOD_ROUTE_STOP_H_
#define TQWEIR_FLOOD_ROUTE_STOP_H_

#include <stdexcept>
#include <string>

namespace tqweir {
namespace flood {

class RouteStop : public std::runtime_error {
 public:
  explicit RouteStop(const std::string& why) : std::runtime_error(why) {}
};

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_ROUTE_STOP_H_
