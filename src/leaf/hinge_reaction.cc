#include "leaf/hinge_reaction.h"

#include <cmath>

#include "leaf/internal_forces.h"

namespace tqweir {
namespace leaf {

void sum_loads(const AppliedLoads& loads, Vec& force, double& moment) {
  force = {};
  moment = 0.0;
  for (const LineLoad& l : loads.lines) add_line_part(l, 0.0, 1.0, force, moment);
  for (const PointLoad& p : loads.points) {
    force.x += p.f.x;
    force.y += p.f.y;
    moment += clockwise_moment(p.at, p.f);
  }
}

HingeReaction hinge_reaction(const Vec& load_sum) {
  HingeReaction r;
  r.force = {-load_sum.x, -load_sum.y};
  r.size = std::sqrt(r.force.x * r.force.x + r.force.y * r.force.y);
  // The full pi: a direction shown to the user, not a quantity of the method.
  r.angle_deg = std::atan2(r.force.y, r.force.x) * 180.0 / std::acos(-1.0);
  return r;
}

}  // namespace leaf
}  // namespace tqweir
