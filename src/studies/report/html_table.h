// The one way the report writes a table: its columns, head rows and body
// rows as data, rendered by render_table alone, so that every table of
// the report has the same markup.
#ifndef TQWEIR_STUDIES_REPORT_HTML_TABLE_H_
#define TQWEIR_STUDIES_REPORT_HTML_TABLE_H_

#include <string>
#include <vector>

namespace tqweir {
namespace report {

struct Table {
  // A <col>: its CSS width ("40%"), or its class, or neither.
  struct Column {
    std::string width;
    std::string cls;
  };
  // A body row: attributes of its <tr> (" data-case=\"1\"", or empty) and
  // its cells, complete elements ("<td>...</td>").
  struct Row {
    std::string attrs;
    std::string cells;
  };

  std::string cls;                     // class of the <table>
  std::string attrs;                   // its further attributes (" data-case=\"1\""), or empty
  std::vector<Column> columns;         // none: no <colgroup>
  std::vector<std::string> head_rows;  // the <th> cells of each head row
  std::vector<Row> rows;
  bool own_lines = false;  // <colgroup> and </table> on lines of their own
};

// <table class=..><colgroup>..</colgroup>\n<thead>..</thead>\n<tbody>\n,
// one line per body row, </tbody></table>\n.
std::string render_table(const Table& table);

// The cells <th>head</th> of a head row, each `head` complete HTML.
std::string head_cells(const std::vector<std::string>& heads);

// Columns of these CSS widths; "" is a column without one.
std::vector<Table::Column> widths(const std::vector<std::string>& widths);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_HTML_TABLE_H_
