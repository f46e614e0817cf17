// The gate-leaf profile: reading hitai.csv and laying it out.
#ifndef TQWEIR_INPUT_PROFILE_READER_H_
#define TQWEIR_INPUT_PROFILE_READER_H_

#include <string>
#include <vector>

#include "core/run_state.h"

namespace tqweir {

// Reads the points of hitai.csv, each with the formatted read "%lf,%lf,"
// (the comma after y is optional), until the end of the file. Checked point
// by point: a read that converts fewer than two numbers before the end, or a
// value that is not finite, throws StopRun(hitai_bad_coordinate); a point
// equal to the one before it throws StopRun(hitai_zero_segment); a 31st point
// throws StopRun(hitai_point_count) as soon as it is read, and so does a file
// with fewer than 2 points.
std::vector<ProfilePoint> read_profile_points(const std::string& content);

// The same checks over points already held (a case given as values).
void check_profile_points(const std::vector<ProfilePoint>& points);

// Lays the polyline out in the section frame: the first point stays, and the
// profile is turned about it so that its first segment rises at `theta1`
// (rad). Only each input segment's slope enters (arc tangent of dy/dx), so a
// segment running back in x is laid out reversed. Fills nodes, segment
// lengths and angles, crest (the later of equal heights) and tip.
// REQUIRES: 2 <= points.size() <= kMaxNodes.
LeafProfile lay_out_profile(const std::vector<ProfilePoint>& points,
                            double theta1);

}  // namespace tqweir

#endif  // TQWEIR_INPUT_PROFILE_READER_H_
