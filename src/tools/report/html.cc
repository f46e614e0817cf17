#include "tools/report/html.h"

#include <algorithm>

#include "tools/common/svg_elements.h"

namespace tqweir {
namespace report {

std::string esc(const std::string& text) { return tools::xml_escape(text); }

std::string en_ja(const std::string& en, const std::string& ja) {
  return esc(en) + " <span class=\"ja\">" + esc(ja) + "</span>";
}

std::string render_case_columns(const CaseColumnsTable& table, std::size_t per_table) {
  std::string out;
  const std::size_t cases = table.case_heads.size();
  for (std::size_t first = 0; first < std::max<std::size_t>(cases, 1); first += per_table) {
    const std::size_t last = std::min(cases, first + per_table);
    out += "<table class=\"" + table.cls + "\"><colgroup>";
    for (const std::string& width : table.label_widths) {
      out += "<col style=\"width:" + width + "\">";
    }
    for (std::size_t c = first; c < last; ++c) out += "<col>";
    // The last, shorter part keeps the column widths of the full ones.
    for (std::size_t c = last; c < first + per_table && cases > per_table; ++c) {
      out += "<col class=\"spare\">";
    }
    out += "</colgroup>\n<thead><tr>";
    for (const std::string& head : table.label_heads) out += head;
    for (std::size_t c = first; c < last; ++c) out += table.case_heads[c];
    out += "</tr></thead>\n<tbody>\n";
    for (const CaseColumnsTable::Row& row : table.rows) {
      out += "<tr>";
      for (const std::string& label : row.labels) out += label;
      for (std::size_t c = first; c < last; ++c) out += row.cells[c];
      out += "</tr>\n";
    }
    out += "</tbody></table>\n";
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
