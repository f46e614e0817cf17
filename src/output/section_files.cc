#include "output/section_files.h"

#include <vector>

#include "output/format.h"

namespace tqweir {
namespace {

void append_rows(std::string& out, const std::vector<SectionPoint>& points) {
  for (const SectionPoint& p : points) append_xy_row(out, p.x, p.y);
}

}  // namespace

SectionFiles section_files(const SectionPolylines& section) {
  SectionFiles files;
  append_xy_row(files.gate, section.floor_point.x, section.floor_point.y);
  append_rows(files.gate, section.leaf);
  append_rows(files.stopper, {section.stopper_anchor, section.stopper_foot});
  append_rows(files.balloon, section.bag);
  files.bag_area = section.bag_area;
  files.all_finite = section.all_finite;
  return files;
}

SectionFiles make_section_files(const RunState& state, EllipticIntegrals& integrals) {
  return section_files(make_section_polylines(state, integrals));
}

}  // namespace tqweir
