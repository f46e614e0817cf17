// Measures of polylines and closed outlines in the section frame (metres).
#ifndef TQWEIR_TOOLS_PLOT_POLYLINE_MEASURES_H_
#define TQWEIR_TOOLS_PLOT_POLYLINE_MEASURES_H_

#include <vector>

#include "tools/plot/run_results.h"

namespace tqweir {
namespace plot {

// Total length of the polyline (m).
double polyline_length(const std::vector<Point>& line);

// The point at arc length s from the polyline's start (clamped to its
// ends) and the unit direction of the segment it lies on. Segments of
// length zero are skipped. REQUIRES: at least one segment of non-zero length.
void point_along(const std::vector<Point>& line, double s, Point& at, Point& direction);

// Arc length from the polyline's start to its point nearest to p (m).
double arc_length_at(const std::vector<Point>& line, const Point& p);

// The area centroid of the closed outline (shoelace formula); the mean of
// its points when it encloses no area.
Point centroid(const std::vector<Point>& outline);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_POLYLINE_MEASURES_H_
