#include "studies/report/html_table.h"

namespace tqweir {
namespace report {

std::string render_table(const Table& table) {
  const char* line = table.own_lines ? "\n" : "";
  std::string out = "<table class=\"" + table.cls + "\"" + table.attrs + ">" + line;
  if (!table.columns.empty()) {
    out += "<colgroup>";
    for (const Table::Column& column : table.columns) {
      out += !column.width.empty() ? "<col style=\"width:" + column.width + "\">"
             : !column.cls.empty() ? "<col class=\"" + column.cls + "\">"
                                   : std::string("<col>");
    }
    out += "</colgroup>\n";
  }
  out += "<thead>";
  for (const std::string& head : table.head_rows) out += "<tr>" + head + "</tr>";
  out += "</thead>\n<tbody>\n";
  for (const Table::Row& row : table.rows) out += "<tr" + row.attrs + ">" + row.cells + "</tr>\n";
  return out + "</tbody>" + line + "</table>\n";
}

std::string head_cells(const std::vector<std::string>& heads) {
  std::string out;
  for (const std::string& head : heads) out += "<th>" + head + "</th>";
  return out;
}

std::vector<Table::Column> widths(const std::vector<std::string>& widths) {
  std::vector<Table::Column> columns;
  for (const std::string& width : widths) columns.push_back({width, ""});
  return columns;
}

}  // namespace report
}  // namespace tqweir
