// criteria.csv's rows of what the report searches: the load variable of the
// limit states and its range, and the levels of the sealed bag's curve.
#include <cmath>

#include "design/criteria.h"
#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/number_cell.h"
#include "cases/range_spec.h"

namespace tqweir {
namespace design {
namespace {

std::string at(const std::string& source, const GivenText& row, int column, const char* name) {
  return source + " line " + std::to_string(row.line) + ", column " + std::to_string(column) +
         " (" + name + ")";
}

// "upstream_level, hd_nd, ...": the fields a search may vary.
std::string real_field_list() {
  std::string list;
  for (const InputField& f : input_fields()) {
    if (!is_integer_field(f)) list += (list.empty() ? "" : ", ") + std::string(f.name);
  }
  return list;
}

// An end of the range as loadcases.csv reads a value of that (real) field:
// text::read_number's rule, which gives strtod's double, as the case's
// reader converts it.
double range_end(const std::string& text, const std::string& place, const std::string& cell) {
  double value = 0.0;
  std::string why;
  if (!text::read_number(text, value, why)) {
    throw text::InputError(place + ": " + text::shown_cell(text) + " in " + text::shown_cell(cell) +
                           " " + why);
  }
  return value + 0.0;  // -0 is 0: no sign on a zero shown back
}

void resolve_limit_range(SearchRows& search, const std::string& source) {
  const GivenText& row = search.limit_range;
  const std::string place = at(source, row, 2, "limit_range");
  const std::size_t colon = row.text.find(':');
  if (colon == std::string::npos || row.text.find(':', colon + 1) != std::string::npos) {
    throw text::InputError(place + ": " + text::shown_cell(row.text) +
                           " is not LO:HI (two numbers and one colon; a step belongs to sealed_range)");
  }
  search.limit_lo = range_end(row.text.substr(0, colon), place, row.text);
  search.limit_hi = range_end(row.text.substr(colon + 1), place, row.text);
  if (!(search.limit_lo < search.limit_hi)) {
    throw text::InputError(place + ": " + text::shown_cell(row.text) +
                            ": LO must be below HI");
  }
}

}  // namespace

void check_search_rows(SearchRows& search, const std::string& source) {
  if (search.limit_variable.given != search.limit_range.given) {
    const GivenText& row = search.limit_variable.given ? search.limit_variable : search.limit_range;
    const char* name = search.limit_variable.given ? "limit_variable" : "limit_range";
    throw text::InputError(at(source, row, 1, name) + ": " + name + " needs " +
                            (search.limit_variable.given ? "limit_range" : "limit_variable") +
                            " too");
  }
  if (search.limit_variable.given) {
    const GivenText& row = search.limit_variable;
    const InputField* field = find_input_field(row.text);
    if (field == nullptr || is_integer_field(*field)) {
      throw text::InputError(at(source, row, 2, "limit_variable") + ": " +
                              text::shown_cell(row.text) + " is not a real input field (fields: " +
                              real_field_list() + ")");
    }
    search.limit_field = field;
    resolve_limit_range(search, source);
  }
  if (search.sealed_range.given) {
    const GivenText& row = search.sealed_range;
    cases::RangeSpec range;
    const std::string arg = "upstream_level=" + row.text;
    try {
      range = cases::parse_range(arg);
    } catch (const text::InputError& e) {
      // The reason without the option's name, which the place replaces.
      throw text::InputError(at(source, row, 2, "sealed_range") + ": " +
                              text::shown_cell(row.text) + ": " + cases::range_reason(e.what(), arg));
    }
    if (range.texts.size() > kMaxSealedLevels) {
      throw text::InputError(at(source, row, 2, "sealed_range") + ": " +
                              std::to_string(range.texts.size()) + " levels, at most " +
                              std::to_string(kMaxSealedLevels));
    }
    search.sealed_levels = range.texts;
  }
}

}  // namespace design
}  // namespace tqweir
