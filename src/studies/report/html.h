// Pieces of the report's HTML: escaped text and tables whose columns are
// the cases, split into several tables so that none is wider than the page.
#ifndef TQWEIR_STUDIES_REPORT_HTML_H_
#define TQWEIR_STUDIES_REPORT_HTML_H_

#include <string>
#include <vector>

namespace tqweir {
namespace report {

// `text` (UTF-8, or any bytes) made safe as HTML text or attribute value.
std::string esc(const std::string& text);

// English and Japanese together: "Results<span class=ja>計算結果</span>",
// both escaped.
std::string en_ja(const std::string& en, const std::string& ja);

// A table with a few label columns and one column per case. Cells are
// complete HTML elements ("<td ...>...</td>").
struct CaseColumnsTable {
  std::string cls;                          // class of every <table>
  std::vector<std::string> label_heads;     // <th> of the label columns
  std::vector<std::string> label_widths;    // CSS width of each label column
  std::vector<std::string> case_heads;      // <th> of each case column
  struct Row {
    std::vector<std::string> labels;  // one per label column
    std::vector<std::string> cells;   // one per case column
  };
  std::vector<Row> rows;
};

// The table as consecutive tables of at most `per_table` case columns each,
// the label columns repeated in every one.
std::string render_case_columns(const CaseColumnsTable& table, std::size_t per_table);

// "<td class=cls data-case=N data-field=F>text</td>", the text escaped.
std::string data_cell(const std::string& cls, std::size_t case_number, const std::string& field,
                      const std::string& text);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_HTML_H_
