// criteria.csv: the report's title texts and the limits the results are
// checked against.
#ifndef TQWEIR_DESIGN_CRITERIA_H_
#define TQWEIR_DESIGN_CRITERIA_H_

#include <string>
#include <vector>

#include "core/folder_texts.h"
#include "core/input_fields.h"

namespace tqweir {
namespace design {

// A number of criteria.csv; absent unless `given`.
struct Limit {
  bool given = false;
  double value = 0.0;
  std::string text;  // as written
  int line = 0;      // of criteria.csv
};

// The range a limit must lie in, in its unit (kN/m, kN, kPa), as given or
// as derived (strength / safety factor). No real capacity lies outside;
// one that does is a slip of the exponent, and a ratio against it would be
// beyond the digits the checks print (or overflow to infinity, or be 0).
constexpr double kSmallestLimit = 1e-6;
constexpr double kLargestLimit = 1e12;

// A text row of criteria.csv with its line; absent unless `given`.
struct GivenText {
  bool given = false;
  std::string text;
  int line = 0;
};

// What the report searches (criteria.csv's limit_variable, limit_range and
// sealed_range), checked as criteria.csv is read.
struct SearchRows {
  GivenText limit_variable;  // a real input field
  GivenText limit_range;     // "LO:HI", finite, LO < HI
  GivenText sealed_range;    // "FROM:TO:STEP" of upstream_level
  const InputField* limit_field = nullptr;  // set with limit_variable
  double limit_lo = 0.0, limit_hi = 0.0;
  std::vector<std::string> sealed_levels;   // the levels as decimal texts, in order
};

// The leaf's steel as criteria.csv gives it (each row optional; see
// check_leaf_rows for what goes together).
struct LeafRows {
  Limit section_modulus;    // cm3 per m of span, the leaf's section against bending
  Limit allowable_bending;  // N/mm2
  Limit shear_area;         // cm2 per m of span, the web that carries the shear
  Limit allowable_shear;    // N/mm2
  Limit plate_thickness;    // mm, the skin plate as rolled
  Limit plate_corrosion;    // mm, the allowance taken off the thickness
  GivenText plate_panel;    // "A x B", mm: a panel of the skin plate between its ribs
  double panel_a = 0.0;     // mm, the short side; set with plate_panel
  double panel_b = 0.0;     // mm, the long side
  Limit plate_allowable;    // N/mm2
  Limit hinge_capacity;     // kN per m of span, against the hinge's reaction
};

// Most levels of a sealed curve in a report.
constexpr std::size_t kMaxSealedLevels = 200;

struct Criteria {
  // Texts for the title block (UTF-8); empty when not given.
  std::string title;
  std::string project;
  std::string prepared_by;
  std::string date;  // empty: the day the report is made
  Limit membrane_strength;       // kN/m, the membrane's tensile strength
  Limit membrane_safety_factor;  // -, strength / allowed tension
  Limit stopper_capacity;        // kN
  Limit max_bag_pressure;        // kPa, gauge, at the air temperature
  Limit floor_anchor_capacity;   // kN/m
  Limit max_lowering_time;       // min, the leaf lowered through the exhaust
  Limit max_raising_time;        // min, the leaf raised with the blower
  Limit max_upstream_level;      // m, the highest level the pond may reach in the design flood
  GivenText flood_inflow;        // the design flood's hydrograph, a file of the design folder
  // K: the weir must hold max_upstream_level in the design flood with K of
  // its gates failed (the worst choice of K), with power and without. A
  // whole number from 0 (value); the report refuses one above the weir's
  // gates, which operation.csv gives.
  Limit max_failed_gates;
  // -, the highest annual exceedance probability of passing
  // max_upstream_level the flood risk (risk.csv) may give; in (0, 1).
  Limit max_aep_of_limit;
  SearchRows search;
  LeafRows leaf;
};

// "title, project, prepared_by, date, membrane_strength, ...": for messages.
std::string criterion_names();

// Reads criteria.csv, already in UTF-8: rows "name,value", optionally after
// a header row "name,value". The texts take any value without a control
// byte; the numbers as text::read_number reads them and greater than 0, and each limit
// (membrane_strength divided by membrane_safety_factor, or 1 without one)
// from kSmallestLimit to kLargestLimit, max_aep_of_limit below 1 and only
// with max_upstream_level. Throws text::InputError naming
// `source`, the line and the column for an unknown or repeated name, a
// number that does not convert (all of the cell) or is not above 0, a
// limit out of range (naming the lines it comes from), a control byte in a
// text, and a row that is not two cells; and for the search rows (see
// check_search_rows) what that refuses; max_failed_gates a whole number
// from 0, given with max_upstream_level and flood_inflow (refused at its
// own line, column 1, without them).
Criteria read_criteria(const std::string& text, const std::string& source);

// Checks and resolves criteria.leaf: each allowable stress needs the
// section it acts on and the other way round (leaf_section_modulus with
// leaf_allowable_bending, leaf_shear_area with leaf_allowable_shear); the
// skin plate's thickness, panel and allowable go together, and a corrosion
// allowance needs the thickness and must leave some of it; the panel is
// "A x B" in mm, two numbers above 0 with A (the short side) not above B.
// Throws text::InputError naming `source`, the line and the column.
void check_leaf_rows(LeafRows& leaf, const std::string& source);

// Checks and resolves criteria.search: limit_variable a real input field;
// limit_range "LO:HI" with both finite and LO < HI; each of them needing
// the other; sealed_range as tqweir-sweep's --range of upstream_level, at
// most kMaxSealedLevels levels. Throws text::InputError naming `source`,
// the line and the column.
void check_search_rows(SearchRows& search, const std::string& source);

// Refuses a given flood_inflow that is not a bare file name (a path could
// leave the design folder) or names no regular file in `folder`, whose
// file it reads (and keeps). Throws text::InputError naming `source`, the
// line and column 2.
void check_flood_inflow(const GivenText& row, FolderTexts& folder, const std::string& source);

}  // namespace design
}  // namespace tqweir

#endif  // TQWEIR_DESIGN_CRITERIA_H_
