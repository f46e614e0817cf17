// The design flood of criteria.csv's flood_inflow routed through the pond
// of operation.csv twice, as tqweir-operate --flood does: with power (the
// valve and the blower by the rule) and without (the float valve only).
// The inflow and operation.csv are the files the design held when read:
// nothing is read again.
#ifndef TQWEIR_STUDIES_REPORT_FLOOD_RUNS_H_
#define TQWEIR_STUDIES_REPORT_FLOOD_RUNS_H_

#include <string>
#include <vector>

#include "design/design.h"
#include "flood/hydrograph.h"
#include "studies/flood/failed_gates.h"
#include "studies/flood/flood_request.h"
#include "studies/flood/routed_flood.h"

namespace tqweir {
namespace report {

// A run that is refused (the base case stops) does not start either: the
// report shows why in its place.
using FloodRun = operate::RoutedFlood;

// The path of the design's flood_inflow, "" when criteria.csv names none.
std::string flood_inflow_path(const design::Design& design);

// The hydrograph of criteria.csv's flood_inflow as the design read it.
// Throws text::InputError "cannot read PATH" for a file that could not be
// read, and the hydrograph reader's refusal of its rows.
flood::Hydrograph design_inflow(const design::Design& design);

// The request of tqweir-operate DESIGN --flood INFLOW [--power-failure]
// for the design's flood_inflow. Throws as design_inflow.
operate::FloodRequest flood_request(const design::Design& design, bool power_failure);

// Takes the inflow and operation.csv's pond and rule as the design read
// them, refusing them as tqweir-operate does, and a max_failed_gates above
// the weir's gates (criteria.csv's line, column 2). Throws
// text::InputError.
void check_flood_inputs(const design::Design& design);

// Whether the report tabulates the design flood with gates failed: a weir
// of more than one gate, or a criteria.csv that checks max_failed_gates.
bool has_failed_table(const design::Design& design);

// The two runs (with power first), or none when criteria.csv names no
// flood_inflow. `failed`, when given, receives the K-failed table
// (operate::failed_table: K = 0 to the weir's gates) where
// has_failed_table, routed on the paths the two runs solved; else none.
std::vector<FloodRun> run_floods(const design::Design& design,
                                 std::vector<operate::FailedRow>* failed = nullptr);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_FLOOD_RUNS_H_
