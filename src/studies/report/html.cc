#include "studies/report/html.h"

#include <algorithm>

#include "drawing/svg_elements.h"
#include "studies/report/html_table.h"

namespace tqweir {
namespace report {

std::string esc(const std::string& text) { return drawing::xml_escape(text); }

std::string en_ja(const std::string& en, const std::string& ja) {
  return esc(en) + " <span class=\"ja\">" + esc(ja) + "</span>";
}

std::string render_case_columns(const CaseColumnsTable& table, std::size_t per_table) {
  std::string out;
  const std::size_t cases = table.case_heads.size();
  for (std::size_t first = 0; first < std::max<std::size_t>(cases, 1); first += per_table) {
    const std::size_t last = std::min(cases, first + per_table);
    Table part;
    part.cls = table.cls;
    part.columns = widths(table.label_widths);
    for (std::size_t c = first; c < last; ++c) part.columns.push_back({});
    // The last, shorter part keeps the column widths of the full ones.
    for (std::size_t c = last; c < first + per_table && cases > per_table; ++c) {
      part.columns.push_back({"", "spare"});
    }
    std::string head;
    for (const std::string& label : table.label_heads) head += label;
    for (std::size_t c = first; c < last; ++c) head += table.case_heads[c];
    part.head_rows = {head};
    for (const CaseColumnsTable::Row& row : table.rows) {
      std::string cells;
      for (const std::string& label : row.labels) cells += label;
      for (std::size_t c = first; c < last; ++c) cells += row.cells[c];
      part.rows.push_back({"", cells});
    }
    out += render_table(part);
  }
  return out;
}

std::string data_cell(const std::string& cls, std::size_t case_number, const std::string& field,
                      const std::string& text) {
  return "<td class=\"" + cls + "\" data-case=\"" + std::to_string(case_number) +
         "\" data-field=\"" + field + "\">" + esc(text) + "</td>";
}

}  // namespace report
}  // namespace tqweir
