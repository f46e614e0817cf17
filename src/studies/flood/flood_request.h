// What is asked of a design flood through the pond (the gates operated by
// their rule) and of the weir's rating, as typed values with the command's
// defaults.
#ifndef TQWEIR_STUDIES_FLOOD_FLOOD_REQUEST_H_
#define TQWEIR_STUDIES_FLOOD_FLOOD_REQUEST_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "flood/hydrograph.h"
#include "studies/study_refusal.h"

namespace tqweir {
namespace operate {

// Most levels (and most angles) of a rating.
constexpr std::size_t kMaxRatingLevels = 2000;

struct FloodRequest {
  flood::Hydrograph inflow;
  bool power_failure = false;          // the float valves only
  std::vector<int> failed;             // gates (from 1) whose valves and floats do not open
  std::optional<int> fail_count;       // the highest peak with 0 to this many gates failed
};

// The upstream levels of a rating (m), rising, at most kMaxRatingLevels.
struct RatingLevels {
  std::vector<double> metres;
};

struct RatingRequest {
  RatingLevels levels;
  std::vector<double> angles;  // degree, the leaf held at each; empty: the base case's
};

// The inputs of a FloodRequest a refusal can name.
enum class FloodInput { failed, fail_count };

using FloodRefusal = StudyRefusal<FloodInput>;

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FLOOD_FLOOD_REQUEST_H_
