// The water's pressure on the leaf as the calculation's balance integrates
// it: straight pieces of the leaf with the water's depth at each end,
// linear between. Integrating these pieces gives the balance's resultants
// and moments exactly (the balance's trapezoids are the exact integrals of
// a linear pressure).
#ifndef TQWEIR_LEAF_PRESSURE_PIECES_H_
#define TQWEIR_LEAF_PRESSURE_PIECES_H_

#include <vector>

#include "leaf/leaf_line.h"
#include "section/water_surface.h"

namespace tqweir {
namespace leaf {

struct PressurePiece {
  int segment = 0;  // the leaf's segment the piece lies on (1-based)
  Vec a, b;         // its ends, in the order of the leaf (m)
  double da = 0.0, db = 0.0;  // the water's depth over each end (m)
};

// Still water at `level`, segment by segment as the balance takes it:
// a segment with both nodes below the level in full, one that rises
// through it up to the water line, any other not at all (so a segment that
// comes down into the water from above carries nothing). With `has_limit`,
// a segment whose end node lies below `limit` carries nothing either, even
// where it reaches above the limit (the water below the leaf is counted on
// whole segments that end above the bag's contact).
std::vector<PressurePiece> still_water_pieces(const LeafLine& line, double level,
                                              bool has_limit = false, double limit = 0.0);

// The upstream water as the run's own surface gives it: below the crest the
// still water at the upstream level; at or over it, the pieces between
// consecutive surface points (the overflow models; between two segments of
// the energy model the piece is a point and carries nothing).
std::vector<PressurePiece> surface_pieces(const LeafLine& line, const WaterSurface& surface,
                                          double upstream_level, double crest_height);

}  // namespace leaf
}  // namespace tqweir

#endif  // TQWEIR_LEAF_PRESSURE_PIECES_H_
