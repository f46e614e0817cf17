// Placing text labels on the drawing so that they neither cover one another
// nor sit across the lines of the structure and the water surfaces.
#ifndef TQWEIR_STUDIES_FIGURE_LABEL_PLACER_H_
#define TQWEIR_STUDIES_FIGURE_LABEL_PLACER_H_

#include <string>
#include <vector>

namespace tqweir {
namespace plot {

// A rectangle in pixels, x0 <= x1 and y0 <= y1 (y down).
struct Box {
  double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
};

// Where a label's baseline starts ("start"), ends ("end") or is centred.
struct LabelSpot {
  double x = 0.0;
  double y = 0.0;
  const char* anchor = "start";
};

// True when the segment from (x1, y1) to (x2, y2) meets the box (touching
// counts).
bool segment_meets_box(double x1, double y1, double x2, double y2, const Box& box);

class LabelPlacer {
 public:
  // Labels must lie wholly inside `area`.
  LabelPlacer(const Box& area, double font_size) : area_(area), font_size_(font_size) {}

  // A line through pixel points that labels must not cross.
  void avoid_line(const std::vector<double>& xs, const std::vector<double>& ys);
  void avoid_box(const Box& box) { taken_.push_back(box); }

  // The <text> element of `text` at the first spot where its box is free,
  // else at the earliest with the mildest conflicts (leaving the area is
  // worst, covering a label next, crossing a line least); the chosen box
  // then blocks later labels.
  std::string place(const std::string& text, const std::vector<LabelSpot>& spots);

  // The box `text` covers at `spot`, generously, with a little margin.
  Box box_of(const std::string& text, const LabelSpot& spot) const;

 private:
  int conflicts(const Box& box) const;  // 0 for a free box

  struct Segment {
    double x1, y1, x2, y2;
  };
  Box area_;
  double font_size_;
  std::vector<Box> taken_;
  std::vector<Segment> segments_;
};

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FIGURE_LABEL_PLACER_H_
