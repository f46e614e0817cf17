// criteria.csv's rows of the leaf's steel: what goes together, and the skin
// plate's panel "A x B".
#include <string>

#include "design/criteria.h"
#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/name_value_rows.h"
#include "text/number_cell.h"

namespace tqweir {
namespace design {
namespace {

std::string place_of(const std::string& source, int line, int column, const char* name) {
  return text::cell_place(source, line, column) + " (" + name + ")";
}

// A row given without the row it needs: refused at the given row's name.
void require(bool given, int line, const char* name, bool other_given, const char* other,
             const std::string& source) {
  if (!given || other_given) return;
  throw text::InputError(place_of(source, line, 1, name) + ": " + name + " needs " + other + " too");
}

// Both or neither of a pair.
void require_pair(const Limit& a, const char* a_name, const Limit& b, const char* b_name,
                  const std::string& source) {
  require(a.given, a.line, a_name, b.given, b_name, source);
  require(b.given, b.line, b_name, a.given, a_name, source);
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "A x B" (an x or X between two numbers, blanks around it allowed).
void read_panel(LeafRows& leaf, const std::string& source) {
  const GivenText& row = leaf.plate_panel;
  const std::string place = place_of(source, row.line, 2, "skin_plate_panel");
  const std::size_t x = row.text.find_first_of("xX");
  if (x == std::string::npos || row.text.find_first_of("xX", x + 1) != std::string::npos) {
    throw text::InputError(place + ": " + text::shown_cell(row.text) +
                           " is not A x B (the panel's short and long sides in mm)");
  }
  const double a = text::number_cell(trimmed(row.text.substr(0, x)), place);
  const double b = text::number_cell(trimmed(row.text.substr(x + 1)), place);
  if (!(a > 0.0) || !(b > 0.0)) {
    throw text::InputError(place + ": " + text::shown_cell(row.text) + ": both sides must be greater than 0");
  }
  if (a > b) {
    throw text::InputError(place + ": " + text::shown_cell(row.text) +
                           ": A is the short side and must not exceed B");
  }
  leaf.panel_a = a;
  leaf.panel_b = b;
}

}  // namespace

void check_leaf_rows(LeafRows& leaf, const std::string& source) {
  require_pair(leaf.section_modulus, "leaf_section_modulus", leaf.allowable_bending, "leaf_allowable_bending",
               source);
  require_pair(leaf.shear_area, "leaf_shear_area", leaf.allowable_shear, "leaf_allowable_shear", source);
  // The plate's stress needs its thickness and panel; its check, the allowable.
  const Limit& t = leaf.plate_thickness;
  const GivenText& panel = leaf.plate_panel;
  const Limit& allowable = leaf.plate_allowable;
  require(t.given, t.line, "skin_plate_thickness", panel.given, "skin_plate_panel", source);
  require(t.given, t.line, "skin_plate_thickness", allowable.given, "skin_plate_allowable", source);
  require(panel.given, panel.line, "skin_plate_panel", t.given, "skin_plate_thickness", source);
  require(allowable.given, allowable.line, "skin_plate_allowable", t.given, "skin_plate_thickness", source);
  const Limit& corrosion = leaf.plate_corrosion;
  require(corrosion.given, corrosion.line, "skin_plate_corrosion", t.given, "skin_plate_thickness", source);
  if (corrosion.given && !(corrosion.value < t.value)) {
    throw text::InputError(place_of(source, corrosion.line, 2, "skin_plate_corrosion") + ": " +
                           text::shown_cell(corrosion.text) + " leaves nothing of skin_plate_thickness " +
                           t.text + " (line " + std::to_string(t.line) + ")");
  }
  if (panel.given) read_panel(leaf, source);
}

}  // namespace design
}  // namespace tqweir
