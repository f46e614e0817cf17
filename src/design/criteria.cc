#include "design/criteria.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/name_value_rows.h"
#include "text/number_cell.h"

namespace tqweir {
namespace design {
namespace {

struct Entry {
  const char* name;
  std::string Criteria::*text;  // set for a text entry
  Limit Criteria::*limit;       // set for a number
  GivenText SearchRows::*row;   // set for a search row
  GivenText Criteria::*file;    // set for a file of the design folder
  Limit LeafRows::*leaf_limit = nullptr;     // set for a number of the leaf's steel
  GivenText LeafRows::*leaf_text = nullptr;  // set for the skin plate's panel
  Limit Criteria::*count = nullptr;          // set for a whole number from 0
};

const std::vector<Entry>& entries() {
  static const std::vector<Entry> list = {
      {"title", &Criteria::title, nullptr, nullptr, nullptr},
      {"project", &Criteria::project, nullptr, nullptr, nullptr},
      {"prepared_by", &Criteria::prepared_by, nullptr, nullptr, nullptr},
      {"date", &Criteria::date, nullptr, nullptr, nullptr},
      {"membrane_strength", nullptr, &Criteria::membrane_strength, nullptr, nullptr},
      {"membrane_safety_factor", nullptr, &Criteria::membrane_safety_factor, nullptr, nullptr},
      {"stopper_capacity", nullptr, &Criteria::stopper_capacity, nullptr, nullptr},
      {"max_bag_pressure", nullptr, &Criteria::max_bag_pressure, nullptr, nullptr},
      {"floor_anchor_capacity", nullptr, &Criteria::floor_anchor_capacity, nullptr, nullptr},
      {"max_lowering_time", nullptr, &Criteria::max_lowering_time, nullptr, nullptr},
      {"max_raising_time", nullptr, &Criteria::max_raising_time, nullptr, nullptr},
      {"max_upstream_level", nullptr, &Criteria::max_upstream_level, nullptr, nullptr},
      {"flood_inflow", nullptr, nullptr, nullptr, &Criteria::flood_inflow},
      {"max_failed_gates", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &Criteria::max_failed_gates},
      {"max_aep_of_limit", nullptr, &Criteria::max_aep_of_limit, nullptr, nullptr},
      {"limit_variable", nullptr, nullptr, &SearchRows::limit_variable, nullptr},
      {"limit_range", nullptr, nullptr, &SearchRows::limit_range, nullptr},
      {"sealed_range", nullptr, nullptr, &SearchRows::sealed_range, nullptr},
      {"leaf_section_modulus", nullptr, nullptr, nullptr, nullptr, &LeafRows::section_modulus},
      {"leaf_allowable_bending", nullptr, nullptr, nullptr, nullptr, &LeafRows::allowable_bending},
      {"leaf_shear_area", nullptr, nullptr, nullptr, nullptr, &LeafRows::shear_area},
      {"leaf_allowable_shear", nullptr, nullptr, nullptr, nullptr, &LeafRows::allowable_shear},
      {"skin_plate_thickness", nullptr, nullptr, nullptr, nullptr, &LeafRows::plate_thickness},
      {"skin_plate_corrosion", nullptr, nullptr, nullptr, nullptr, &LeafRows::plate_corrosion},
      {"skin_plate_panel", nullptr, nullptr, nullptr, nullptr, nullptr, &LeafRows::plate_panel},
      {"skin_plate_allowable", nullptr, nullptr, nullptr, nullptr, &LeafRows::plate_allowable},
      {"hinge_capacity", nullptr, nullptr, nullptr, nullptr, &LeafRows::hinge_capacity},
  };
  return list;
}

std::string at(const std::string& source, int line, int column) {
  return text::cell_place(source, line, column);
}

std::string exponent_text(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

// Refuses a limit, as given or derived, outside kSmallestLimit..kLargestLimit.
void check_limit_range(double limit, const std::string& place, const std::string& what) {
  if (limit >= kSmallestLimit && limit <= kLargestLimit) return;
  throw text::InputError(place + ": " + what + " is not a limit from " +
                          exponent_text(kSmallestLimit) + " to " + exponent_text(kLargestLimit));
}

void check_limits(const Criteria& c, const std::string& source) {
  const Limit* limits[] = {&c.membrane_strength,       &c.stopper_capacity,
                           &c.max_bag_pressure,        &c.floor_anchor_capacity,
                           &c.leaf.allowable_bending,  &c.leaf.allowable_shear,
                           &c.leaf.plate_allowable,    &c.leaf.hinge_capacity};
  const char* names[] = {"membrane_strength",      "stopper_capacity",     "max_bag_pressure",
                         "floor_anchor_capacity",  "leaf_allowable_bending", "leaf_allowable_shear",
                         "skin_plate_allowable",   "hinge_capacity"};
  for (int k = 0; k < 8; ++k) {
    if (!limits[k]->given) continue;
    check_limit_range(limits[k]->value, at(source, limits[k]->line, 2) + " (" + names[k] + ")",
                      text::shown_cell(limits[k]->text));
  }
  // A probability per year: 1 or more would pass the limit every year.
  if (c.max_aep_of_limit.given && !(c.max_aep_of_limit.value < 1.0)) {
    throw text::InputError(at(source, c.max_aep_of_limit.line, 2) + " (max_aep_of_limit): " +
                           text::shown_cell(c.max_aep_of_limit.text) +
                           " is not an annual exceedance probability between 0 and 1");
  }
  if (c.max_aep_of_limit.given && !c.max_upstream_level.given) {
    throw text::InputError(at(source, c.max_aep_of_limit.line, 1) +
                           " (max_aep_of_limit): the limit is the AEP of passing max_upstream_level, "
                           "which criteria.csv does not give");
  }
  const Limit& factor = c.membrane_safety_factor;
  if (c.membrane_strength.given && factor.given) {
    check_limit_range(c.membrane_strength.value / factor.value,
                      source + " lines " + std::to_string(c.membrane_strength.line) + " and " +
                          std::to_string(factor.line),
                      "membrane_strength / membrane_safety_factor = " +
                          c.membrane_strength.text + " / " + factor.text + " = " +
                          exponent_text(c.membrane_strength.value / factor.value));
  }
}

// A count of gates: a whole number from 0. The weir's own bound (its gates,
// at most operation.csv's limit) is the report's to check; this one only
// keeps the number an int.
Limit count_value(const std::string& value, int line, const std::string& place) {
  Limit count;
  count.value = text::number_cell(value, place);
  if (!(count.value >= 0.0 && count.value <= 1e6 && count.value == std::floor(count.value))) {
    throw text::InputError(place + ": " + text::shown_cell(value) + " is not a whole number of gates (0 or more)");
  }
  count.given = true;
  count.text = value;
  count.line = line;
  return count;
}

// The failed gates' check is a check of the design flood's peak level: it
// needs the flood and the level it is held to.
void check_failed_gates(const Criteria& c, const std::string& source) {
  if (!c.max_failed_gates.given || (c.max_upstream_level.given && c.flood_inflow.given)) return;
  throw text::InputError(at(source, c.max_failed_gates.line, 1) +
                         " (max_failed_gates): give max_upstream_level and flood_inflow with it "
                         "(the peak level of that flood with the gates failed is checked against that level)");
}

}  // namespace

std::string criterion_names() {
  std::string names;
  for (const Entry& entry : entries()) names += (names.empty() ? "" : ", ") + std::string(entry.name);
  return names;
}

Criteria read_criteria(const std::string& text, const std::string& source) {
  Criteria criteria;
  std::vector<std::string> names;
  for (const Entry& entry : entries()) names.push_back(entry.name);
  for (const text::NameValueRow& row : text::name_value_rows(text, source, names)) {
    const Entry* entry = &entries()[row.index];
    const std::string name = entry->name;
    if (entry->row != nullptr) {
      criteria.search.*(entry->row) = GivenText{true, row.value, row.line};
      continue;
    }
    if (entry->file != nullptr) {
      criteria.*(entry->file) = GivenText{true, row.value, row.line};
      continue;
    }
    if (entry->count != nullptr) {
      criteria.*(entry->count) = count_value(row.value, row.line, at(source, row.line, 2) + " (" + name + ")");
      continue;
    }
    if (entry->leaf_text != nullptr) {
      criteria.leaf.*(entry->leaf_text) = GivenText{true, row.value, row.line};
      continue;
    }
    if (entry->text != nullptr) {
      if (text::control_byte(row.value) != std::string::npos) {
        throw text::InputError(at(source, row.line, 2) + " (" + name + "): " +
                                text::shown_cell(row.value) + " holds a control byte");
      }
      criteria.*(entry->text) = row.value;
      continue;
    }
    Limit& limit = entry->limit != nullptr ? criteria.*(entry->limit) : criteria.leaf.*(entry->leaf_limit);
    const std::string place = at(source, row.line, 2) + " (" + name + ")";
    limit.value = text::number_cell(row.value, place);
    if (!(limit.value > 0.0)) {
      throw text::InputError(place + ": " + text::shown_cell(row.value) +
                              " is not a finite number greater than 0");
    }
    limit.given = true;
    limit.text = row.value;
    limit.line = row.line;
  }
  check_limits(criteria, source);
  check_failed_gates(criteria, source);
  check_leaf_rows(criteria.leaf, source);
  check_search_rows(criteria.search, source);
  return criteria;
}

void check_flood_inflow(const GivenText& row, FolderTexts& folder, const std::string& source) {
  if (!row.given) return;
  // A bare file name: a path could reach out of the folder, and the design
  // would then no longer travel as one folder.
  const bool bare = !row.text.empty() && row.text != "." && row.text != ".." &&
                    row.text.find_first_of("/\\:") == std::string::npos;
  const std::string place = at(source, row.line, 2) + " (flood_inflow): " +
                            text::shown_cell(row.text);
  if (!bare) throw text::InputError(place + " is not a file name in the design folder");
  const FileFound found = folder.file(row.text).found;
  if (found == FileFound::absent || found == FileFound::not_a_file) {
    throw text::InputError(place + " is not a file in " + folder.dir());
  }
}

}  // namespace design
}  // namespace tqweir
