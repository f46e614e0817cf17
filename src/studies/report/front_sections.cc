// The title block and the method statement.
#include "core/constants.h"
#include "membrane/elliptic.h"
#include "membrane/kernel_bisection.h"
#include "text/count_text.h"
#include "design/design_checks.h"
#include "studies/report/check_verdict.h"
#include "text/number_text.h"
#include "studies/report/html.h"
#include "studies/report/html_table.h"
#include "studies/report/report_sections.h"
#include "studies/report/section_heading.h"

namespace tqweir {
namespace report {
namespace {

std::string row(const std::string& head, const std::string& value_html) {
  return "<tr><th>" + head + "</th><td>" + value_html + "</td></tr>\n";
}

std::string or_dash(const std::string& text) { return text.empty() ? "&#8212;" : esc(text); }

// "4 cases: 3 finished, 1 stopped. Checks: 1 of 9 NG." with the checks
// that could not be determined named after it; green only when every
// check is OK and every case finished, red when a check is NG, neutral
// otherwise.
std::string verdict(const std::vector<CaseRun>& runs, const CheckTally& tally) {
  std::size_t finished = 0;
  for (const CaseRun& run : runs) finished += run.converged ? 1 : 0;
  const std::size_t stopped = runs.size() - finished;
  const design::Verdict overall = tally.ng > 0 ? design::Verdict::ng
                                  : stopped > 0 || tally.undetermined_checks > 0
                                      ? design::Verdict::not_determined
                                      : design::Verdict::ok;
  std::string out = "<p class=\"verdict " + std::string(verdict_class(overall)) + "\">";
  out += std::to_string(runs.size()) + u8" ケース (正常終了 " + std::to_string(finished) +
         u8", 停止 " + std::to_string(stopped) + ") / " + text::count_of(runs.size(), "case") +
         " (" + std::to_string(finished) + " finished, " + std::to_string(stopped) + " stopped). ";
  if (tally.checks == 0) return out + u8"照査なし / No criterion checked.</p>\n";
  const std::string nd = std::to_string(tally.undetermined_checks);
  out += u8"照査 " + std::to_string(tally.checks) + u8" 項目中 NG " + std::to_string(tally.ng) +
         (tally.undetermined_checks > 0 ? u8"、判定不能 " + nd : std::string()) +
         " / Checks: " + std::to_string(tally.ng) + " of " + std::to_string(tally.checks) + " NG";
  if (tally.undetermined_checks == 0) return out + ".</p>\n";
  std::string which;
  for (const std::string& w : tally.undetermined) which += (which.empty() ? "" : "; ") + w;
  return out + ", " + nd + " not determined (" + esc(which) + ").</p>\n";
}

Table::Row constant_row(const char* en, const char* ja, const char* symbol, double value,
                        const char* unit) {
  return {"", "<td>" + en_ja(en, ja) + "</td><td>" + esc(symbol) + "</td><td class=\"num\">" +
                  esc(text::exact_text(value)) + "</td><td>" + esc(unit) + "</td>"};
}

}  // namespace

std::string title_block(const design::Design& design, const std::vector<CaseRun>& runs,
                        const CheckTally& tally, const ReportContext& context) {
  const design::Criteria& c = design.criteria;
  std::string files;
  for (const design::GivenFile& file : design.files) files += (files.empty() ? "" : ", ") + file.name;
  std::string out = "<header class=\"title-block\">\n";
  out += u8"<p class=\"kind\">設計計算書 Design calculation report</p>\n";
  out += "<h1>" + (c.title.empty() ? en_ja("Cross-section of the weir", u8"堰の断面計算")
                                   : esc(c.title)) +
         "</h1>\n<table class=\"meta\">\n";
  out += row(en_ja("Project", u8"工事名"), or_dash(c.project));
  out += row(en_ja("Prepared by", u8"作成者"), or_dash(c.prepared_by));
  out += row(en_ja("Date", u8"日付"), esc(c.date.empty() ? context.today : c.date));
  out += row(en_ja("Program", u8"計算プログラム"), "tqweir " + esc(context.version));
  out += row(en_ja("Design folder", u8"設計フォルダ"), esc(design.dir));
  out += row(en_ja("Input files", u8"入力ファイル"), esc(files));
  out += row(en_ja("Load cases from", u8"荷重ケース"),
             design.cases_from.empty() ? en_ja("the base case alone", u8"基本ケースのみ")
                                       : esc(design.cases_from));
  if (!design.note.empty()) out += row(en_ja("Note", u8"注記"), esc(design.note));
  out += "</table>\n" + verdict(runs, tally) + "</header>\n";
  return out;
}

std::string method_section(int number) {
  std::string out = open_section("method", false, number, en_ja("Method", u8"計算方法"));
  out += u8"<p class=\"ja\">各荷重ケースについて、ヒンジ回りのモーメントが釣り合う袋体内圧を求める。"
         u8"袋体膜の形状は膜理論により、下流水面より上を円弧、下を弾性曲線 (エラスティカ、"
         u8"楕円積分で表す) とし、実寸は与えた袋体周長から定める。内圧パラメータ α "
         u8"(袋体高さを単位とする内圧水頭) は区間 [2, 500] の二分法により、区間幅が 1e-4 "
         u8"以下になるまで求める。</p>\n";
  out += "<p>For each load case the program finds the bag pressure at which the moments about "
         "the hinge balance. The membrane of the bag is a circular arc above the downstream "
         "water line and an elastica below it, expressed through elliptic integrals "
         "(trapezoid rule, " +
         std::to_string(kEllipticNodes - 1) +
         " panels); its real size follows from the given perimeter. The pressure parameter "
         "&#945; (the internal pressure head in bag heights) is found by bisection in [2, 500] "
         "until the bracket is at most 1e-4 wide; the membrane's own searches end at a residual "
         "of " +
         text::exact_text(kKernelTolerance) +
         ". The results are the program's printed values (TQSpec.csv, three decimals).</p>\n";
  Table constants;
  constants.cls = "constants";
  constants.columns = widths({"50%", "14%", "20%", ""});
  constants.head_rows = {head_cells({en_ja("Constant", u8"定数"), en_ja("Symbol", u8"記号"),
                                     en_ja("Value", u8"値"), en_ja("Unit", u8"単位")})};
  constants.rows.push_back(constant_row("pi as used in every formula", u8"円周率", u8"π", kPi, ""));
  constants.rows.push_back(constant_row("gravity", u8"重力加速度", "g", kGravity, u8"m/s²"));
  constants.rows.push_back(
      constant_row("density of water", u8"水の密度", u8"ρ", kWaterDensity, u8"kg/m³"));
  constants.rows.push_back(
      constant_row("atmospheric pressure", u8"大気圧", "p0", kAtmosphericPressure, "Pa"));
  constants.rows.push_back(constant_row("reference air temperature", u8"基準空気温度", "T0",
                                        kReferenceTemperature, "K"));
  constants.rows.push_back(
      constant_row("0 °C in kelvin", u8"0 °C の絶対温度", "", kCelsiusToKelvin, "K"));
  return out + render_table(constants) + "</section>\n";
}

}  // namespace report
}  // namespace tqweir
