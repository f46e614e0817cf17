#include "output/surface_file.h"

#include "output/format.h"

namespace tqweir {

std::string surface_file(const WaterSurface& surface) {
  std::string rows;
  for (const SurfacePoint& p : surface.points) {
    append_format(rows, "%10.8f,%10.8f,%10.8f,%10.8f", p.x, p.y + p.d, p.d, p.y);
    rows += kLineEnd;
  }
  return rows;
}

}  // namespace tqweir
