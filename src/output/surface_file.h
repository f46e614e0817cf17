// The water-surface file suimen.csv.
#ifndef TQWEIR_OUTPUT_SURFACE_FILE_H_
#define TQWEIR_OUTPUT_SURFACE_FILE_H_

#include <string>

#include "section/water_surface.h"

namespace tqweir {

// One row "x,y+d,d,y" per surface point, each value "%10.8lf", CR LF.
std::string surface_file(const WaterSurface& surface);

}  // namespace tqweir

#endif  // TQWEIR_OUTPUT_SURFACE_FILE_H_
