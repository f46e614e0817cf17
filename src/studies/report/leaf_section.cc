// The leaf's structure: for each finished case the free body of its
// balance, N, V and M along the leaf as charts, their maxima, the hinge's
// reaction beside the method's support force, the stopper's pull and the
// checks of the leaf's steel.
#include <cmath>
#include <string>
#include <vector>

#include "design/leaf_checks.h"
#include "text/number_text.h"
#include "studies/report/html.h"
#include "studies/report/html_table.h"
#include "studies/report/line_chart.h"
#include "studies/report/report_sections.h"
#include "studies/report/section_heading.h"

namespace tqweir {
namespace report {
namespace {

// kN (or kN/m, kN m/m) from N, to three decimals.
std::string kilo(double value) { return text::shown_text(value / 1000.0, 3); }

std::string metres(double s) { return text::shown_text(s, 3); }

Table::Row value_row(const std::string& what, const std::string& value, const std::string& where) {
  return {"", "<td>" + what + "</td><td class=\"num\">" + value + "</td><td>" + where + "</td>"};
}

std::string at_s(const leaf::Extreme& e) { return "s = " + metres(e.s) + " m"; }

// The maxima, the reaction and the stopper of one case.
std::string forces_table(const leaf::LeafForces& f, const CaseInput& input) {
  Table table;
  table.cls = "leaf-forces";
  table.columns = widths({"42%", "22%", ""});
  table.head_rows = {head_cells({en_ja("Quantity", u8"項目"), en_ja("Value", u8"値"), en_ja("Where", u8"位置")})};
  const leaf::InternalForces& in = f.internal;
  table.rows.push_back(value_row(en_ja("Largest axial force N", u8"最大軸力 N"), kilo(in.max_N.value) + " kN/m",
                                 at_s(in.max_N)));
  table.rows.push_back(value_row(en_ja("Largest shear V", u8"最大せん断力 V"), kilo(in.max_V.value) + " kN/m",
                                 at_s(in.max_V)));
  table.rows.push_back(value_row(en_ja("Largest bending moment M", u8"最大曲げモーメント M"),
                                 kilo(in.max_M.value) + " kN m/m", at_s(in.max_M)));
  table.rows.push_back(value_row(en_ja("Largest net pressure on the leaf (the water's own)", u8"扉体に作用する最大正味圧力"),
                                 kilo(f.max_net_pressure.value) + " kPa", at_s(f.max_net_pressure)));
  const leaf::HingeReaction& r = f.reaction;
  table.rows.push_back(value_row(en_ja("Hinge reaction on the leaf (H, V)", u8"ヒンジ反力 (水平, 鉛直)"),
                                 kilo(r.force.x) + ", " + kilo(r.force.y) + " kN/m",
                                 en_ja("x downstream, y up", u8"x 下流向き, y 上向き")));
  table.rows.push_back(value_row(en_ja("Hinge reaction, size", u8"ヒンジ反力の大きさ"), kilo(r.size) + " kN/m",
                                 en_ja("direction " + text::shown_text(r.angle_deg, 1) + " deg from x",
                                       u8"方向 " + text::shown_text(r.angle_deg, 1) + u8" 度")));
  table.rows.push_back(value_row(
      en_ja("Support force (summary field 11)", u8"支点反力 (出力項目 11)"), kilo(f.support_force) + " kN/m",
      en_ja("the method's combination of the forces at the bag's corner, which the floor-anchorage check "
            "compares: not the reaction above",
            u8"計算法による袋体隅角部の力の合成値 (床版アンカーの照査に用いる)。上のヒンジ反力とは異なる")));
  // The pull per metre is the tension of one stopper times the multiplier
  // over the span; one stopper carries the span's share of it.
  double pull = 0.0;
  for (const leaf::PointLoad& p : f.loads.points) {
    if (p.term == leaf::Term::stopper) pull = std::sqrt(p.f.x * p.f.x + p.f.y * p.f.y);
  }
  const double per_stopper = pull * input.syogen.span / input.syogen.stopper_multiplier;
  table.rows.push_back(value_row(en_ja("Stopper's pull, per metre / per stopper", u8"ストッパー張力 (m当たり / 1本当たり)"),
                                 kilo(pull) + " kN/m / " + kilo(per_stopper) + " kN",
                                 en_ja("per stopper = per metre x span / multiplier",
                                       u8"1本当たり = m当たり × 径間 / 倍率")));
  return render_table(table);
}

// What the diagram leaves at the hinge: the converged trial's residual and
// the method's conventions, never hidden.
std::string closure_note(const leaf::Closure& c) {
  const std::string line = "M(hinge) = " + kilo(c.hinge_moment) + " kN m/m = residual " + kilo(c.residual) +
                           " + weight " + kilo(c.gap.weight) + " + stopper " + kilo(c.gap.stopper) + " + bag " +
                           kilo(c.gap.bag);
  return "<p class=\"small\">" +
         en_ja("The diagram's moment at the hinge is not zero where the balance is not plain statics: " + line +
                   " (the bisection's residual and the method's ways of taking the weight's arm, the stopper's "
                   "lever and the bag's contact).",
               u8"ヒンジ位置のモーメントは収束残差と計算法の扱い (自重の腕, ストッパーのてこ, 袋体接触長) の差: " +
                   line) +
         "</p>\n";
}

// N, V and M along the leaf from the hinge to the tip.
std::string charts(const leaf::InternalForces& in) {
  struct Diagram {
    const char* key;
    const char* en;
    const char* ja;
    const char* unit;
    double leaf::Station::*value;
  };
  const Diagram diagrams[] = {{"N", "Axial force N", u8"軸力 N", "kN/m", &leaf::Station::N},
                              {"V", "Shear V", u8"せん断力 V", "kN/m", &leaf::Station::V},
                              {"M", "Bending moment M", u8"曲げモーメント M", "kN m/m", &leaf::Station::M}};
  std::string out = "<div class=\"charts\">\n";
  for (const Diagram& d : diagrams) {
    ChartSeries series;
    series.title = std::string(d.en) + " " + d.ja + " (" + d.unit + ")";
    series.x_label = "s (m)";
    series.marks = false;
    for (auto it = in.stations.rbegin(); it != in.stations.rend(); ++it) {
      series.x.push_back(it->s);
      series.y.push_back((*it).*(d.value) / 1000.0);
    }
    out += "<div class=\"chart\" data-diagram=\"" + std::string(d.key) + "\"><p class=\"chart-title\">" +
           en_ja(d.en, d.ja) + " (" + esc(d.unit) + ")</p>" + chart_or_note(series, 330, 170) + "</div>\n";
  }
  return out + "</div>\n";
}

// The checks of the leaf's steel for one case, when any is given.
std::string case_checks(const leaf::LeafForces& f, const std::vector<design::LeafCriterion>& criteria) {
  Table table;
  table.cls = "leaf-checks";
  table.columns = widths({"40%", "17%", "15%", "13%", ""});
  table.head_rows = {head_cells({en_ja("Criterion", u8"照査項目"), en_ja("Value", u8"値"), en_ja("Limit", u8"許容値"),
                                 en_ja("Ratio", u8"比"), en_ja("Result", u8"判定")})};
  for (const design::LeafCriterion& c : criteria) {
    if (!c.given) continue;
    table.rows.push_back({" data-criterion=\"" + std::string(c.key) + "\"",
                          "<td>" + en_ja(c.name_en, c.name_ja) + "</td>" +
                              check_cells(design::check_leaf(f, c), c.unit, c.limit)});
  }
  return table.rows.empty() ? "" : render_table(table);
}

}  // namespace

std::string leaf_section(const design::Design& design, const std::vector<CaseRun>& runs, int number) {
  std::string out = open_section("leaf", true, number, en_ja("Leaf structure", u8"扉体の構造"));
  out += "<p class=\"small\">" +
         en_ja("The leaf as a free body of each finished case's balance, per metre, in the balance's frame: "
               "the water and the weight times width_factor (the bag is shorter than the span), the bag, the "
               "stopper and the tip's load as they are. s runs along the leaf from the hinge. N is tension "
               "positive, V positive where the water pushes the leaf towards the bag, M positive with the "
               "water face in tension. The net pressure is the water's own less the bag's.",
               u8"各ケースのつり合いの自由物体 (m当たり, つり合いの座標系: 水圧と自重は width_factor 倍)。"
               u8"s はヒンジからの扉体に沿った距離。N は引張正, V は水が袋体側へ押す向きを正, M は水側引張を正。") +
         "</p>\n";
  const std::vector<design::LeafCriterion> criteria = design::make_leaf_criteria(design.criteria);
  Subsections sub(number);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    out += sub.next(case_label(design, i));
    if (!runs[i].converged) {
      out += "<p class=\"ng\">" + en_ja("The case stopped: no free body.", u8"計算停止のため算定せず。") + "</p>\n";
      continue;
    }
    const leaf::LeafForces& f = runs[i].leaf;
    out += forces_table(f, design.cases[i].input);
    out += closure_note(f.closure);
    out += charts(f.internal);
    out += case_checks(f, criteria);
  }
  return out + "</section>\n";
}

}  // namespace report
}  // namespace tqweir
