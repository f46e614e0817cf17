#include "tools/report/criteria.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "tools/common/csv_cells.h"
#include "tools/common/input_error.h"

namespace tqweir {
namespace report {
namespace {

struct Entry {
  const char* name;
  std::string Criteria::*text;  // set for a text entry
  Limit Criteria::*limit;       // set for a number
};

const std::vector<Entry>& entries() {
  static const std::vector<Entry> list = {
      {"title", &Criteria::title, nullptr},
      {"project", &Criteria::project, nullptr},
      {"prepared_by", &Criteria::prepared_by, nullptr},
      {"date", &Criteria::date, nullptr},
      {"membrane_strength", nullptr, &Criteria::membrane_strength},
      {"membrane_safety_factor", nullptr, &Criteria::membrane_safety_factor},
      {"stopper_capacity", nullptr, &Criteria::stopper_capacity},
      {"max_bag_pressure", nullptr, &Criteria::max_bag_pressure},
      {"floor_anchor_capacity", nullptr, &Criteria::floor_anchor_capacity},
  };
  return list;
}

std::string at(const std::string& source, int line, int column) {
  return source + " line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The whole cell as a finite number above 0.
bool positive_number(const std::string& cell, double& value) {
  if (cell.empty()) return false;
  errno = 0;
  char* end = nullptr;
  value = std::strtod(cell.c_str(), &end);
  return *end == '\0' && errno != ERANGE && std::isfinite(value) && value > 0.0;
}

}  // namespace

std::string criterion_names() {
  std::string names;
  for (const Entry& entry : entries()) names += (names.empty() ? "" : ", ") + std::string(entry.name);
  return names;
}

Criteria read_criteria(const std::string& text, const std::string& source) {
  Criteria criteria;
  std::vector<std::string> seen;
  std::vector<int> seen_lines;
  const std::vector<tools::CsvRow> rows = tools::split_csv(text, source);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const tools::CsvRow& row = rows[r];
    if (row.cells.size() != 2) {
      throw tools::InputError(source + " line " + std::to_string(row.line) + ": " +
                              std::to_string(row.cells.size()) +
                              " cells; each row is name,value");
    }
    const std::string& name = row.cells[0];
    if (r == 0 && name == "name" && row.cells[1] == "value") continue;
    const Entry* entry = nullptr;
    for (const Entry& e : entries()) entry = name == e.name ? &e : entry;
    if (entry == nullptr) {
      throw tools::InputError(at(source, row.line, 1) + ": unknown name '" + name +
                              "' (known names: " + criterion_names() + ")");
    }
    for (std::size_t k = 0; k < seen.size(); ++k) {
      if (seen[k] == name) {
        throw tools::InputError(at(source, row.line, 1) + ": '" + name +
                                "' is already given on line " + std::to_string(seen_lines[k]));
      }
    }
    seen.push_back(name);
    seen_lines.push_back(row.line);
    if (entry->text != nullptr) {
      criteria.*(entry->text) = row.cells[1];
      continue;
    }
    Limit& limit = criteria.*(entry->limit);
    if (!positive_number(row.cells[1], limit.value)) {
      throw tools::InputError(at(source, row.line, 2) + " (" + name + "): '" + row.cells[1] +
                              "' is not a finite number greater than 0");
    }
    limit.given = true;
    limit.text = row.cells[1];
  }
  return criteria;
}

}  // namespace report
}  // namespace tqweir
