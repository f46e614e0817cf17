// The weir's table and its K-failed table.
#include "studies/report/weir_section.h"

#include <cstddef>

#include "operation/operation_file.h"
#include "studies/flood/flood_output.h"
#include "studies/operation/operated_design.h"
#include "studies/report/html.h"
#include "studies/report/html_table.h"
#include "text/number_text.h"

namespace tqweir {
namespace report {
namespace {

using text::exact_text;

Table::Row item_row(const std::string& key, const std::string& name, const std::string& value) {
  return {" data-weir=\"" + key + "\"", "<td>" + name + "</td><td>" + value + "</td>"};
}

// "gate 1: 3.1 m, gate 2: 3.15 m", or the one level for every gate, as
// written; "not given" when no row gives it.
std::string levels_text(const operation::OperationFile& file, bool backup) {
  const int gates = operation::gate_count(file);
  const operation::GivenLevels& plural = backup ? file.backup_lower_at_levels : file.lower_at_levels;
  const operation::GivenValue& single = backup ? file.backup_lower_at_level : file.lower_at_level;
  if (single.given) return esc(single.text) + " m " + en_ja("for every gate", u8"(全門)");
  if (!plural.given) return en_ja("not given", u8"指定なし");
  if (plural.texts.size() == 1) return esc(plural.texts.front()) + " m " + en_ja("for every gate", u8"(全門)");
  std::string out;
  for (int g = 0; g < gates; ++g) {
    const operation::GivenValue level = backup ? operation::backup_level_of(file, static_cast<std::size_t>(g))
                                               : operation::lower_level_of(file, static_cast<std::size_t>(g));
    out += (g == 0 ? "" : ", ") + std::string("gate ") + std::to_string(g + 1) + ": " + esc(level.text) + " m";
  }
  return out;
}

std::string crest_text(const flood::WeirRows& weir) {
  if (weir.crests.empty()) return en_ja("none", u8"なし");
  std::string out;
  for (std::size_t k = 0; k < weir.crests.size(); ++k) {
    const flood::FixedCrest& c = weir.crests[k];
    out += (k == 0 ? "" : "; ") + en_ja("length " + exact_text(c.length) + " m, crest level " +
                                            exact_text(c.level) + " m, C " + exact_text(c.coefficient) +
                                            " m^0.5/s (Q = C L h^1.5)",
                                        u8"越流幅・天端高・係数");
  }
  return out;
}

std::string coefficient_text(const design::Design& design, const operation::OperationFile& file) {
  if (!file.discharge_coefficient_curve.given) {
    return en_ja("the method's constant coefficient " +
                     exact_text(design.base.input.syogen.discharge_coefficient) + " (syogen.csv)",
                 u8"一定値");
  }
  return en_ja("discharge_coefficient_curve " + file.discharge_coefficient_curve.text +
                   " (degree:C, interpolated in the leaf angle, never extrapolated)",
               u8"扉体角度に応じた流量係数");
}

// The peak cell and the choice cell of one row.
std::string peak_cells(const operate::FailedRow& row) {
  if (!row.determined) {
    return "<td class=\"nd\">" + en_ja("not determined", u8"判定不能") + "</td><td class=\"nd\">" +
           esc(operate::gates_text(row.worst) + ": " + row.stop) + "</td>";
  }
  std::string choice;
  if (row.failed == 0) {
    choice = en_ja("no gate failed", u8"故障なし");
  } else if (row.every_choice) {
    choice = en_ja("the highest of " + std::to_string(row.choices) +
                       (row.choices == 1 ? " choice: " : " choices: ") + operate::gates_text(row.worst),
                   u8"全組合せの最大");
  } else {
    choice = en_ja(operate::gates_text(row.worst) + " (the first " + std::to_string(row.failed) + " to lower)",
                   u8"先に倒伏する門");
  }
  return "<td class=\"num\">" + text::fixed_text(row.peak_level, 3) + " m<br>" +
         operate::clock_text(row.peak_time) + "</td><td>" + choice + "</td>";
}

}  // namespace

bool is_weir(const flood::FloodPassage& passage) {
  return passage.gates.size() > 1 || !passage.weir.crests.empty() || passage.weir.coefficient_curve != nullptr;
}

std::string weir_table(const design::Design& design, const flood::FloodPassage& passage) {
  if (!is_weir(passage)) return "";
  const operate::OperatedDesign gate = operate::operated(design);
  const operation::OperationFile& file = gate.operation;
  const int gates = operation::gate_count(file);
  Table table;
  table.cls = "weir";
  table.columns = widths({"32%", ""});
  table.head_rows = {head_cells({en_ja("Weir (operation.csv)", u8"堰の構成"), ""})};
  table.rows.push_back(item_row("gates", en_ja("Gates", u8"門数"), std::to_string(gates)));
  table.rows.push_back(item_row("span", en_ja("Span of each gate", u8"径間 (1門)"),
                                exact_text(design.base.input.syogen.span) + " m"));
  table.rows.push_back(
      item_row("blowers", en_ja("Blowers", u8"ブロワ台数"),
               std::to_string(operation::blower_count(file)) +
                   (file.blowers.given ? "" : " " + en_ja("(one per gate)", u8"(各門1台)"))));
  table.rows.push_back(item_row("lower", en_ja("Lowering (exhaust valve) at", u8"倒伏開始水位"),
                                levels_text(file, false)));
  table.rows.push_back(item_row("backup", en_ja("Without power (float valve) at", u8"停電時倒伏水位"),
                                levels_text(file, true)));
  table.rows.push_back(item_row("raise", en_ja("Raising at", u8"起立開始水位"),
                                file.raise_at_level.given ? esc(file.raise_at_level.text) + " m"
                                                          : en_ja("not given", u8"指定なし")));
  table.rows.push_back(item_row("crest", en_ja("Fixed crest", u8"固定堰"), crest_text(passage.weir)));
  table.rows.push_back(item_row("coefficient", en_ja("Leaf's discharge coefficient", u8"扉体の流量係数"),
                                coefficient_text(design, file)));
  return render_table(table);
}

std::string failed_gates_table(const design::Design& design, const std::vector<operate::FailedRow>& rows) {
  if (rows.empty()) return "";
  const design::Limit& checked = design.criteria.max_failed_gates;
  Table table;
  table.cls = "failed";
  table.columns = widths({"14%", "21%", "", "21%", ""});
  table.head_rows = {head_cells({en_ja("Failed gates K", u8"故障門数"), en_ja("With power: peak level, when", u8"通常時 最高水位"),
                                 en_ja("which gates", u8"故障門"), en_ja("Without power: peak level, when", u8"停電時 最高水位"),
                                 en_ja("which gates", u8"故障門")})};
  for (std::size_t r = 0; r + 1 < rows.size(); r += 2) {
    const int k = rows[r].failed;
    const bool marked = checked.given && checked.value == k;
    std::string label = "<td>" + std::to_string(k);
    if (marked) label += " <b>" + en_ja("(max_failed_gates)", u8"照査") + "</b>";
    table.rows.push_back({" data-failed=\"" + std::to_string(k) + "\"" + (marked ? " data-checked=\"1\"" : ""),
                          label + "</td>" + peak_cells(rows[r]) + peak_cells(rows[r + 1])});
  }
  const bool every = rows.front().every_choice;
  return render_table(table) + "<p class=\"small\">" +
         (every ? en_ja("Every choice of K failed gates is routed and the highest peak shown. A failed "
                        "gate's valves and float valve do not open: it stays up on the air it held "
                        "before the flood.",
                        u8"K門が故障する全組合せを追跡し、最高水位を示す。故障門は排気弁・フロート弁が開かず、洪水前の空気で起立したまま。")
                : en_ja("Above " + std::to_string(operate::kEveryChoiceGates) +
                            " gates not every choice is routed: the K gates that would lower first fail "
                            "(each carries the flood the longest). A failed gate's valves and float "
                            "valve do not open: it stays up on the air it held before the flood.",
                        u8"門数が多いため、先に倒伏するK門を故障とする。故障門は洪水前の空気で起立したまま。")) +
         "</p>\n";
}

}  // namespace report
}  // namespace tqweir
