// The timing of bench/flood_bench.sh: a flood routed through a pond of
// constant area over the base case's gate, held at its angle and sealed;
// for each, the steps, the solves, the time, the peak, and the table's
// largest discharge error against direct solves halfway between its levels
// over the range the flood went through.
//   flood_route_bench CASE_DIR INFLOW.csv POND_AREA_M2 GRID_SPACING_M
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cases/base_case.h"
#include "flood/fixed_gate.h"
#include "flood/route.h"
#include "flood/sealed_gate.h"
#include "flood/steady_level.h"

namespace {

using namespace tqweir;
using namespace tqweir::flood;

double seconds_since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void run(const char* name, TableGate& gate, double air, const Hydrograph& inflow, double area,
         double spacing) {
  const Pond pond = Pond::from_area(area);
  const auto start = std::chrono::steady_clock::now();
  RouteInput in;
  in.inflow = &inflow;
  in.pond = &pond;
  in.gates = {&gate};
  in.start_airs = {air};
  in.start_level = steady_level(gate, air, nullptr, inflow.flows.front(), 2.0);
  const Route r = route(in);
  const double time = seconds_since(start);
  const int solves = gate.solves();
  std::printf("%-6s %s: start %.4f m, peak %.4f m at %.2f h, outflow %.3f m3/s; %d steps, "
              "%ld evaluations, %d solves, %.2f s\n",
              name, r.finished ? "routed" : r.stop.c_str(), in.start_level, r.peak.level,
              r.peak.time / 3600.0, r.peak.outflow, r.steps, r.evaluations, solves, time);
  double lowest = in.start_level, worst = 0.0, worst_level = 0.0, worst_relative = 0.0;
  for (const RoutePoint& p : r.points) lowest = std::fmin(lowest, p.level);
  const double first = (std::floor(lowest / spacing) + 0.5) * spacing;
  for (double at = first; at < r.peak.level; at += spacing) {
    const Knot direct = gate.direct(at);
    if (!direct.held) continue;
    const double table = gate.outflow(at, air);
    const double error = std::fabs(table - direct.state.outflow);
    if (error > worst) {
      worst = error;
      worst_level = at;
      worst_relative = direct.state.outflow > 0 ? error / direct.state.outflow : 0.0;
    }
  }
  if (worst == 0.0) {
    std::printf("%-6s table spacing %.3f m: discharge exact to the bit, levels %.2f to %.2f m\n",
                name, spacing, lowest, r.peak.level);
    return;
  }
  std::printf("%-6s table spacing %.3f m: largest discharge error %.3g m3/s (%.2g of it) at "
              "%.3f m, levels %.2f to %.2f m\n",
              name, spacing, worst, worst_relative, worst_level, lowest, r.peak.level);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr,
                 "usage: flood_route_bench CASE_DIR INFLOW.csv POND_AREA_M2 GRID_SPACING_M\n");
    return 2;
  }
  const cases::BaseCase base = cases::read_base_case(argv[1]);
  std::ifstream file(argv[2], std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  const Hydrograph inflow = read_hydrograph(bytes.str(), argv[2]);
  const double area = std::atof(argv[3]), spacing = std::atof(argv[4]);
  FixedGate fixed(base.input, base.input.parameter.theta1_deg, spacing);
  run("fixed", fixed, 0.0, inflow, area, spacing);
  SealedGate sealed(base.input, spacing);
  run("sealed", sealed, sealed.air(), inflow, area, spacing);
  return 0;
}
