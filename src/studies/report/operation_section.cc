// The section 起伏操作 Operation: the times of lowering and raising each
// load case, their checks, and the leaf angle and bag pressure over time.
#include "studies/report/operation_section.h"

#include <cmath>

#include "operation/gate_operation.h"
#include "text/number_text.h"
#include "studies/report/html.h"
#include "studies/report/html_table.h"
#include "studies/report/line_chart.h"
#include "studies/report/report_sections.h"
#include "studies/report/check_verdict.h"
#include "studies/report/section_heading.h"

namespace tqweir {
namespace report {
namespace {

using operation::Direction;
using operation::GateOperation;

// One way of one case: its operation, or none when operation.csv gives
// nothing for it.
struct Way {
  bool given = false;
  GateOperation op;
  bool whole = false;
};

Way operate(const design::LoadCase& c, const operation::OperationFile& file, Direction direction) {
  Way way;
  const bool lower = direction == Direction::lower;
  way.given = file.lowered_angle.given &&
              (lower ? file.valve_area.given && file.valve_coefficient.given : file.has_blower);
  if (!way.given || !(file.lowered_angle.value < c.input.parameter.theta1_deg)) {
    way.given = false;
    return way;
  }
  way.op = lower ? operation::lower_gate(c.input, file) : operation::raise_gate(c.input, file);
  const operation::Timeline& t = way.op.timeline;
  way.whole = !way.op.followed.states.empty() && !way.op.blocked && !t.limit.reached &&
              !(lower && way.op.path.stopped);
  return way;
}

std::string minutes(double seconds) { return text::fixed_text(seconds / 60.0, 2); }

// The time, and against its limit the ratio (rounded up to three decimals)
// and the verdict; a way held up on the way (the blower's limit, a flow
// that ends) fails its check, one whose path stops, or whose time is not
// determined to its accuracy, is not determined.
std::string time_cells(const Way& way, const design::Limit& limit) {
  if (!way.given) return "<td class=\"none\" colspan=\"2\">" + en_ja("not given", u8"条件なし") + "</td>";
  std::string out = way.whole ? "<td class=\"num\">" + minutes(way.op.timeline.total) + "</td>"
                              : "<td class=\"none\">" + en_ja("not the whole way", u8"途中まで") + "</td>";
  if (!limit.given) return out + "<td class=\"none\">" + en_ja("not checked", u8"照査せず") + "</td>";
  const std::string not_determined =
      "<td class=\"result nd\">" + verdict_html(design::Verdict::not_determined) + "</td>";
  if (!way.whole) {
    // The blower's limit or a flow that ends keeps the leaf from getting
    // there: that fails. A path that stops (no state solves below a point,
    // or the case itself) says nothing of the time the rest would take.
    const bool held_up = way.op.blocked || way.op.timeline.limit.reached;
    return out + (held_up ? std::string("<td class=\"result ng\">NG</td>") : not_determined);
  }
  if (!way.op.timeline.accurate) return out + not_determined;
  const double ratio = std::round(way.op.timeline.total / 60.0 / limit.value * 1e9) / 1e9;
  return out + "<td class=\"result " + (ratio <= 1.0 ? "ok\">" : "ng\">") + text::ratio_text(ratio) +
         (ratio <= 1.0 ? " OK" : " NG") + "</td>";
}

std::string notes(const Way& way) {
  if (!way.given) return "";
  std::string out;
  const char* verb = way.op.direction == Direction::lower ? u8"falls" : u8"rises";
  for (const operation::Fold& f : way.op.followed.folds) {
    out += "fold: " + std::string(verb) + " " + text::fixed_text(f.from.theta1_deg, 1) + u8"→" +
           text::fixed_text(f.to.theta1_deg, 1) + u8"°; ";
  }
  if (way.op.blocked) {
    out += "blower limit at " + text::fixed_text(way.op.blocked_at.theta1_deg, 1) + u8"°; ";
  }
  if (way.op.path.states.empty()) {
    out += "the case stops: " + message_utf8(way.op.path.stop.result.message) + "; ";
  } else if (way.op.path.stopped) {
    out += "no state below " + text::fixed_text(way.op.path.states.back().theta1_deg, 1) + u8"°; ";
  }
  return out;
}

std::string chart(const Way& way, bool pressure, const std::string& id) {
  ChartSeries series;
  series.title = pressure ? u8"bag pressure 袋体内圧" : u8"leaf angle 扉体角度";
  series.x_label = "time (min)";
  for (std::size_t k = 0; k < way.op.timeline.seconds.size(); ++k) {
    const operation::PathState& s = way.op.followed.states[k].state;
    series.x.push_back(way.op.timeline.seconds[k] / 60.0);
    series.y.push_back(pressure ? operation::gauge_kpa(s) : s.theta1_deg);
  }
  if (series.x.empty()) return "";
  const std::string svg = line_chart_svg(series, 330, 170);
  if (svg.empty()) return "";
  const bool lower = way.op.direction == Direction::lower;
  return "<div class=\"chart\" data-field=\"" + id + "\"><p class=\"chart-title\">" +
         en_ja(std::string(lower ? "Lowering: " : "Raising: ") + (pressure ? "bag pressure (kPa)" : "leaf angle (degree)"),
               std::string(lower ? u8"倒伏: " : u8"起立: ") + (pressure ? u8"袋体内圧" : u8"扉体角度")) +
         "</p>" + svg + "</div>\n";
}

}  // namespace

bool has_operation_section(const design::Design& design) {
  operation::OperationFile file;
  return !design.dir.empty() && operation::read_operation_from(design.folder, file);
}

std::string operation_section(const design::Design& design, int number) {
  if (!has_operation_section(design)) return "";
  operation::OperationFile file;
  operation::read_operation_from(design.folder, file);
  const design::Criteria& criteria = design.criteria;
  std::string out = open_section("operation", true, number, en_ja("Operation", u8"起伏操作"));
  out += "<p>" +
         en_ja("Each load case lowered through the exhaust (valve_area " + file.valve_area.text +
                   u8" m², valve_coefficient " + file.valve_coefficient.text +
                   ") and raised with the blower (" + file.blower_text + " kPa:m³/min) between its "
                   "leaf angle and " + file.lowered_angle.text +
                   u8"°, as tqweir-operate computes it: quasi-static states (the stopper slackening "
                   "at the raised angle, then the leaf going down), isothermal air at the case's "
                   "air temperature counted as the summary's air volume at atmospheric pressure, an "
                   "isentropic nozzle with its discharge coefficient. A fold is where the air along "
                   "the path turns back and the leaf falls (or rises) at once.",
               u8"各荷重ケースについて、排気弁による倒伏とブロワによる起立の所要時間 "
               u8"(準静的、等温、大気圧換算空気量、等エントロピーノズル)。") +
         "</p>\n";
  Table table;
  table.cls = "operation";
  table.columns = widths({"22%", "11%", "13%", "11%", "13%", ""});
  table.head_rows = {head_cells({en_ja("Load case", u8"荷重ケース"), en_ja("Lowering (min)", u8"倒伏時間"),
                                 en_ja("max " + (criteria.max_lowering_time.given ? criteria.max_lowering_time.text : std::string("-")), u8"照査"),
                                 en_ja("Raising (min)", u8"起立時間"),
                                 en_ja("max " + (criteria.max_raising_time.given ? criteria.max_raising_time.text : std::string("-")), u8"照査"),
                                 en_ja("Notes", u8"備考")})};
  std::string charts;
  for (std::size_t i = 0; i < design.cases.size(); ++i) {
    const design::LoadCase& c = design.cases[i];
    const Way lower = operate(c, file, Direction::lower);
    const Way raise = operate(c, file, Direction::raise);
    table.rows.push_back({" data-case=\"" + std::to_string(i + 1) + "\"",
                          "<td>" + case_label(design, i) + "</td>" +
                              time_cells(lower, criteria.max_lowering_time) +
                              time_cells(raise, criteria.max_raising_time) + "<td class=\"small\">" +
                              esc(notes(lower) + notes(raise)) + "</td>"});
    std::string pair;
    for (const Way* way : {&lower, &raise}) {
      if (!way->given) continue;
      const std::string id = "operation-" + std::to_string(i + 1) + (way == &lower ? "-lower" : "-raise");
      pair += chart(*way, false, id + "-angle") + chart(*way, true, id + "-pressure");
    }
    if (!pair.empty()) charts += "<h3>" + case_label(design, i) + "</h3>\n<div class=\"charts\">\n" + pair + "</div>\n";
  }
  return out + render_table(table) + "<p class=\"small\">" +
         en_ja("Ratio = time / limit, rounded up to three decimals; a way held up before its end "
               "(the blower's limit, a flow that ends) fails its check; one whose path stops (a "
               "state that does not solve, see the notes) is not determined.",
               u8"比 = 所要時間 / 許容時間 (小数3桁に切上げ)。途中で止まる場合は NG、"
               u8"計算が停止する場合は判定不能。") +
         "</p>\n" + charts + "</section>\n";
}

}  // namespace report
}  // namespace tqweir
