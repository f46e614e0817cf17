#include "leaf/internal_forces.h"

#include <cmath>

#include "section/hydrodynamic_pressure.h"

namespace tqweir {
namespace leaf {
namespace {

Vec lerp(const Vec& a, const Vec& b, double u) { return {a.x + (b.x - a.x) * u, a.y + (b.y - a.y) * u}; }

void keep_largest(Extreme& e, double value, const Station& st) {
  if (std::fabs(value) > std::fabs(e.value)) e = {value, st.s, st.at};
}

// The parameter along `load` of the distance s, clamped to the load.
double parameter_at(const LineLoad& load, double s) {
  return std::fmax(0.0, std::fmin(1.0, (s - load.sa) / (load.sb - load.sa)));
}

}  // namespace

void add_line_part(const LineLoad& load, double u0, double u1, Vec& force, double& moment) {
  const double length = std::sqrt((load.b.x - load.a.x) * (load.b.x - load.a.x) +
                                  (load.b.y - load.a.y) * (load.b.y - load.a.y));
  const double w = (u1 - u0) * length;
  if (load.curved) {
    // The force is push p(depth): its size from the pressure's exact means
    // over the part, its moment linear along the part times p.
    const PieceMeans m = piece_means(load.pressure, load.da + (load.db - load.da) * u0,
                                     load.da + (load.db - load.da) * u1);
    const double m0 = clockwise_moment(lerp(load.a, load.b, u0), load.push);
    const double m1 = clockwise_moment(lerp(load.a, load.b, u1), load.push);
    force.x += w * m.mean * load.push.x;
    force.y += w * m.mean * load.push.y;
    moment += w * (m0 * m.mean + (m1 - m0) * m.first);
    return;
  }
  const double um = (u0 + u1) / 2;
  const Vec f0 = lerp(load.fa, load.fb, u0), fm = lerp(load.fa, load.fb, um), f1 = lerp(load.fa, load.fb, u1);
  force.x += w * (f0.x + f1.x) / 2;
  force.y += w * (f0.y + f1.y) / 2;
  moment += w *
            (clockwise_moment(lerp(load.a, load.b, u0), f0) + 4 * clockwise_moment(lerp(load.a, load.b, um), fm) +
             clockwise_moment(lerp(load.a, load.b, u1), f1)) /
            6;
}

InternalForces integrate_internal_forces(const LeafLine& line, const AppliedLoads& loads,
                                         std::vector<Station> stations, const Vec& reaction) {
  InternalForces out;
  Vec force;            // loads on the tip's side of the cut
  double moment = 0.0;  // their clockwise moment about the hinge
  std::vector<bool> counted(loads.points.size(), false);
  double previous = line.length();
  for (Station& st : stations) {
    if (st.s < previous) {
      for (const LineLoad& load : loads.lines) {
        if (load.sb <= st.s || load.sa >= previous || load.sb == load.sa) continue;
        add_line_part(load, parameter_at(load, st.s), parameter_at(load, previous), force, moment);
      }
      previous = st.s;
    }
    for (std::size_t k = 0; k < loads.points.size(); ++k) {
      const PointLoad& p = loads.points[k];
      if (counted[k] || p.s < st.s || (p.s == st.s && !st.past_point_loads)) continue;
      counted[k] = true;
      force.x += p.f.x;
      force.y += p.f.y;
      moment += clockwise_moment(p.at, p.f);
    }
    Vec on_cut = force;
    double about_hinge = moment;
    if (st.s < 0.0) {
      on_cut.x += reaction.x;
      on_cut.y += reaction.y;
    }
    // Moved from the hinge to the cut; the reaction acts at the hinge.
    const double m = about_hinge - clockwise_moment(st.at, on_cut);
    const Vec t = line.tangent(st.segment);
    st.N = on_cut.x * t.x + on_cut.y * t.y;
    st.V = on_cut.x * t.y - on_cut.y * t.x;
    st.M = m;
    keep_largest(out.max_N, st.N, st);
    keep_largest(out.max_V, st.V, st);
    keep_largest(out.max_M, st.M, st);
  }
  out.load_sum = force;
  out.hinge_moment = moment;
  out.stations = std::move(stations);
  return out;
}

}  // namespace leaf
}  // namespace tqweir
