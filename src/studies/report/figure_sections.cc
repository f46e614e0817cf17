// Sections 6 and 7: the section drawings and the operating curves.
#include <algorithm>
#include <exception>
#include <set>

#include "studies/figure/section_svg.h"
#include "studies/report/html.h"
#include "studies/report/key_results.h"
#include "studies/report/line_chart.h"
#include "studies/report/report_sections.h"
#include "studies/report/section_heading.h"

namespace tqweir {
namespace report {
namespace {

// The plot tool's drawing of a converged run, from the run's files; its ids
// get a prefix per case, as they share the page's one name space.
std::string section_drawing(const design::Design& design, const CaseRun& run, std::size_t index) {
  return plot::section_svg_from_texts(run.files, design.cases[index].name,
                                      "d" + std::to_string(index + 1) + "-");
}

// The one field that varies over the cases, when it takes three or more
// values and every other field keeps one; nullptr otherwise.
const InputField* varied_field(const design::Design& design) {
  const InputField* varied = nullptr;
  for (const InputField* field : design.fields) {
    std::set<double> values;
    for (const design::LoadCase& c : design.cases) values.insert(field_value(*field, c.input));
    if (values.size() < 2) continue;
    if (varied != nullptr || values.size() < 3) return nullptr;
    varied = field;
  }
  return varied;
}

}  // namespace

std::string drawings_section(const design::Design& design, const std::vector<CaseRun>& runs, int number) {
  std::string out = open_section("drawings", true, number, en_ja("Section drawings", u8"断面図"));
  for (std::size_t i = 0; i < runs.size(); ++i) {
    out += "<figure class=\"drawing\" data-case=\"" + std::to_string(i + 1) + "\">\n";
    if (!runs[i].converged) {
      out += "<p class=\"ng\">" + en_ja("No drawing: the case stopped.",
                                        u8"計算停止のため断面図なし。") + "</p>\n";
    } else {
      try {
        out += section_drawing(design, runs[i], i);
      } catch (const std::exception& e) {
        out += "<p class=\"ng\">" + en_ja("No drawing", u8"断面図なし") + ": " + esc(e.what()) +
               "</p>\n";
      }
    }
    out += "<figcaption>" + case_label(design, i) + "</figcaption>\n</figure>\n";
  }
  return out + "</section>\n";
}

std::string charts_section(const design::Design& design, const std::vector<CaseRun>& runs, int number) {
  const InputField* field = varied_field(design);
  if (field == nullptr) return "";
  std::vector<std::pair<double, std::size_t>> points;  // x and case index
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (runs[i].converged) points.push_back({field_value(*field, design.cases[i].input), i});
  }
  if (points.size() < 2) return "";
  std::stable_sort(points.begin(), points.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string x_label = field->name;
  if (*field->unit != '\0') x_label += std::string(" (") + field->unit + ")";

  std::string charts;
  for (const KeyResult& key : key_results()) {
    if (!key.charted) continue;
    ChartSeries series;
    series.title = key.label_en + " " + key.label_ja + (key.unit.empty() ? "" : " (" + key.unit + ")");
    series.x_label = x_label;
    for (const auto& p : points) {
      series.x.push_back(p.first);
      series.y.push_back(key_result_number(runs[p.second], key));
    }
    // A result that does not change with the input says nothing as a curve.
    if (std::all_of(series.y.begin(), series.y.end(),
                    [&](double y) { return y == series.y.front(); })) {
      continue;
    }
    const std::string chart = chart_or_note(series, 330, 170);
    charts += "<div class=\"chart\" data-field=\"" + key.name + "\"><p class=\"chart-title\">" +
              en_ja(key.label_en, key.label_ja) + (key.unit.empty() ? "" : " (" + esc(key.unit) + ")") +
              "</p>" + chart + "</div>\n";
  }
  if (charts.empty()) return "";
  std::string out =
      open_section("charts", true, number, en_ja("Operating curves", u8"特性曲線")) + "<p>" +
      en_ja("Key results of the finished cases against " + x_label + ".",
            u8"正常終了したケースの主要結果と " + x_label + u8" の関係。") +
      (points.size() < runs.size() ? " " + en_ja(std::to_string(runs.size() - points.size()) +
                                                     " stopped case(s) are left out.",
                                                 u8"停止したケースは含まない。")
                                   : std::string()) +
      "</p>\n<div class=\"charts\">\n";
  return out + charts + "</div>\n</section>\n";
}

}  // namespace report
}  // namespace tqweir
