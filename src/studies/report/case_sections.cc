// Sections 3 and 4 and the appendix: the load cases, their results, and
// every summary field with the input files as given.
#include "core/summary_fields.h"
#include "text/number_text.h"
#include "studies/report/html.h"
#include "studies/report/key_results.h"
#include "studies/report/report_sections.h"
#include "studies/report/section_heading.h"

namespace tqweir {
namespace report {
namespace {

// Case columns per table: what fits the A4 text width beside the labels.
constexpr std::size_t kCasesPerTable = 4;
constexpr std::size_t kFieldsPerTable = 5;

std::vector<std::string> case_heads(const design::Design& design) {
  std::vector<std::string> heads;
  for (std::size_t i = 0; i < design.cases.size(); ++i) {
    heads.push_back("<th class=\"case\">" + case_label(design, i) + "</th>");
  }
  return heads;
}

std::string stop_notes(const design::Design& design, const std::vector<CaseRun>& runs) {
  std::string out;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (runs[i].converged) continue;
    out += "<p class=\"stop-note\" data-case=\"" + std::to_string(i + 1) + "\"><b>" +
           case_label(design, i) + u8"</b>: 停止 stopped &#8212; <span class=\"msg-ja\">" +
           esc(runs[i].message_ja) + "</span> <span class=\"msg-en\">" +
           esc(runs[i].message_en) + "</span></p>\n";
  }
  return out;
}

}  // namespace

std::string case_label(const design::Design& design, std::size_t index) {
  const double kh = design.cases[index].input.seismic_coefficient;
  // A case in an earthquake says so wherever it is named.
  const std::string quake = kh > 0.0 ? u8" <span class=\"seismic\">(地震時 seismic, kh = " +
                                           esc(text::exact_text(kh)) + ")</span>"
                                     : std::string();
  return "<span class=\"no\">" + std::to_string(index + 1) + "</span> " +
         esc(design.cases[index].name) + quake;
}

std::string load_case_section(const design::Design& design, int number) {
  std::string out = open_section("load-cases", false, number, en_ja("Load cases", u8"荷重ケース"));
  if (design.fields.empty()) {
    out += "<p>" + en_ja("One case: the base case as given.", u8"基本ケースのみ。") + "</p>\n";
  } else {
    out += "<p>" +
           en_ja("Each case is the base case with these values in place of the base case's.",
                 u8"各ケースは基本ケースの下表の値を置き換えたもの。") +
           "</p>\n";
    // Rows are the cases, columns the fields, split when there are many.
    CaseColumnsTable table;
    table.cls = "load-cases";
    table.label_heads = {"<th>No.</th>", "<th>" + en_ja("Case", u8"ケース") + "</th>"};
    table.label_widths = {"7%", "31%"};
    for (const InputField* field : design.fields) {
      std::string head = "<th><code>" + esc(field->name) + "</code>";
      if (*field->unit != '\0') head += " (" + esc(field->unit) + ")";
      table.case_heads.push_back(head + "</th>");
    }
    CaseColumnsTable::Row base;
    base.labels = {"<td></td>", "<td><i>" + en_ja("base case", u8"基本ケース") + "</i></td>"};
    for (const InputField* field : design.fields) {
      base.cells.push_back("<td class=\"num base\">" +
                           esc(text::exact_text(field_value(*field, design.base.input))) + "</td>");
    }
    table.rows.push_back(base);
    for (std::size_t i = 0; i < design.cases.size(); ++i) {
      CaseColumnsTable::Row row;
      row.labels = {"<td class=\"num\">" + std::to_string(i + 1) + "</td>",
                    "<td>" + esc(design.cases[i].name) + "</td>"};
      for (std::size_t f = 0; f < design.fields.size(); ++f) {
        row.cells.push_back(data_cell("num", i + 1, design.fields[f]->name,
                                      design.cases[i].values[f]));
      }
      table.rows.push_back(row);
    }
    out += render_case_columns(table, kFieldsPerTable);
  }
  // Notes that a case has beyond those of the base case.
  const std::vector<Warning> base_notes = plausibility_warnings(design.base.input);
  std::string notes;
  for (std::size_t i = 0; i < design.cases.size(); ++i) {
    std::vector<Warning> own;
    for (const Warning& w : plausibility_warnings(design.cases[i].input)) {
      bool in_base = false;
      for (const Warning& b : base_notes) in_base = in_base || b == w;
      if (!in_base) own.push_back(w);
    }
    if (!own.empty()) notes += "<p><b>" + case_label(design, i) + "</b></p>\n" + warning_list(own);
  }
  if (!notes.empty()) {
    out += "<h3>" + en_ja("Plausibility notes of the cases", u8"ケースごとの確認事項") +
           "</h3>\n" + notes;
  }
  return out + "</section>\n";
}

std::string results_section(const design::Design& design, const std::vector<CaseRun>& runs, int number) {
  std::string out = open_section("results", true, number, en_ja("Results", u8"計算結果"));
  CaseColumnsTable table;
  table.cls = "results";
  table.label_heads = {"<th>" + en_ja("Result", u8"項目") + "</th>",
                       "<th>" + en_ja("Unit", u8"単位") + "</th>"};
  table.label_widths = {"34%", "10%"};
  table.case_heads = case_heads(design);
  CaseColumnsTable::Row status;
  status.labels = {"<td>" + en_ja("end of the run", u8"計算結果") + "</td>", "<td></td>"};
  for (std::size_t i = 0; i < runs.size(); ++i) {
    status.cells.push_back(
        runs[i].converged
            ? data_cell("status ok", i + 1, "status", u8"正常終了 finished")
            : data_cell("status ng", i + 1, "status", u8"停止 stopped (see below)"));
  }
  table.rows.push_back(status);
  for (const KeyResult& key : key_results()) {
    CaseColumnsTable::Row row;
    row.labels = {"<td>" + en_ja(key.label_en, key.label_ja) + "</td>",
                  "<td>" + esc(key.unit) + "</td>"};
    for (std::size_t i = 0; i < runs.size(); ++i) {
      row.cells.push_back(runs[i].converged
                              ? data_cell("num", i + 1, key.name, key_result_text(runs[i], key))
                              : data_cell("num none", i + 1, key.name, u8"—"));
    }
    table.rows.push_back(row);
  }
  out += render_case_columns(table, kCasesPerTable);
  out += "<p class=\"small\">" +
         en_ja("Values as the program prints them (three decimals). Overflow depth: upstream "
               "level minus crest height, from the printed values, 0 below the crest.",
               u8"数値はプログラムの出力値 (小数3桁)。越流水深は出力値の上流水位と堰高の差 "
               u8"(堰高以下は 0)。") +
         "</p>\n";
  return out + stop_notes(design, runs) + "</section>\n";
}

std::string appendix_section(const design::Design& design, const std::vector<CaseRun>& runs) {
  std::string out = "<section id=\"appendix\" class=\"new-page\">\n<h2>" +
                    en_ja("Appendix", u8"付録") + "</h2>\n<h3>A. " +
                    en_ja("The 27 summary fields (TQSpec.csv) of every case",
                          u8"全ケースの出力値 (TQSpec.csv の27項目)") +
                    "</h3>\n";
  CaseColumnsTable table;
  table.cls = "appendix";
  table.label_heads = {"<th>#</th>", "<th>" + en_ja("Field", u8"項目") + "</th>",
                       "<th>" + en_ja("Unit", u8"単位") + "</th>"};
  table.label_widths = {"5%", "33%", "9%"};
  table.case_heads = case_heads(design);
  for (const SummaryField& field : summary_fields()) {
    const int index = summary_index(field.id);
    CaseColumnsTable::Row row;
    row.labels = {"<td class=\"num\">" + std::to_string(index + 1) + "</td>",
                  "<td><code>" + esc(field.name) + "</code><br>" +
                      en_ja(field.label_en, field.label_ja) + "</td>",
                  "<td>" + esc(field.unit) + "</td>"};
    for (std::size_t i = 0; i < runs.size(); ++i) {
      row.cells.push_back(runs[i].converged
                              ? data_cell("num", i + 1, field.name, field_text(runs[i], field.id))
                              : data_cell("num none", i + 1, field.name, u8"—"));
    }
    table.rows.push_back(row);
  }
  out += render_case_columns(table, kCasesPerTable + 1);
  out += "<h3>B. " + en_ja("Input files as given", u8"入力ファイル (原文)") + "</h3>\n";
  for (const design::GivenFile& file : design.files) {
    out += "<p class=\"file-name\"><code>" + esc(file.name) + "</code></p>\n<pre class=\"file\">" +
           esc(file.text) + "</pre>\n";
  }
  return out + "</section>\n";
}

}  // namespace report
}  // namespace tqweir
