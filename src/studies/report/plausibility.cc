#include "studies/report/plausibility.h"

#include <cmath>

#include "core/constants.h"
#include "text/number_text.h"
#include "drawing/plane_distance.h"

namespace tqweir {
namespace report {

double leaf_length(const std::vector<ProfilePoint>& points) {
  double length = 0.0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    length += drawing::plane_distance(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
  }
  return length;
}

std::vector<Warning> plausibility_warnings(const CaseInput& input) {
  const SyogenInput& s = input.syogen;
  const ParameterInput& p = input.parameter;
  const double length = leaf_length(input.points);
  const std::string l = text::exact_text(length);
  std::vector<Warning> out;
  if (s.leaf_weight_arm > length) {
    const std::string a = text::exact_text(s.leaf_weight_arm);
    out.push_back({"The leaf weight's arm (" + a + " m) lies beyond the leaf's length (" + l +
                       " m).",
                   u8"扉体重量の作用位置 (" + a + u8" m) が扉体長 (" + l + u8" m) を超えています。"});
  }
  if (s.anchor_distance > length) {
    const std::string a = text::exact_text(s.anchor_distance);
    out.push_back({"The stopper's attachment (" + a + " m along the leaf) lies beyond the "
                   "leaf's length (" + l + " m): it is taken at the leaf's tip.",
                   u8"ストッパー取付位置 (" + a + u8" m) が扉体長 (" + l +
                       u8" m) を超えています。扉体先端に取り付くものとして計算されます。"});
  } else if (s.anchor_distance < 0.0) {
    const std::string a = text::exact_text(s.anchor_distance);
    out.push_back({"The stopper's attachment (" + a + " m) lies before the hinge, on the "
                   "leaf's first segment extended.",
                   u8"ストッパー取付位置 (" + a + u8" m) がヒンジより手前 (第1区間の延長上) にあります。"});
  }
  if (!input.points.empty() && (input.points[0].x != 0.0 || input.points[0].y != 0.0)) {
    const std::string xy = text::exact_text(input.points[0].x) + ", " + text::exact_text(input.points[0].y);
    out.push_back({"The first point of hitai.csv is (" + xy + "), not the hinge at 0,0.",
                   u8"hitai.csv の第1点が (" + xy + u8") で、ヒンジ (0,0) ではありません。"});
  }
  if (p.upstream_level < 0.0) {
    out.push_back({"The upstream water level (" + text::exact_text(p.upstream_level) +
                       " m) is below the hinge.",
                   u8"上流水位 (" + text::exact_text(p.upstream_level) + u8" m) がヒンジより低い。"});
  }
  if (p.layer_level > 0.0 && p.layer_level > p.upstream_level) {
    out.push_back({"The second layer's top (" + text::exact_text(p.layer_level) +
                       " m) is above the upstream water level.",
                   u8"第2層上面 (" + text::exact_text(p.layer_level) + u8" m) が上流水位より高い。"});
  }
  if (p.hd_nd < 0.0) {
    out.push_back({"The downstream depth (" + text::exact_text(p.hd_nd) +
                       " bag heights) is below 0: the program uses 0.00001.",
                   u8"下流水深 (" + text::exact_text(p.hd_nd) +
                       u8" 袋体高さ比) が 0 未満です。0.00001 として計算されます。"});
  }
  if (p.air_temperature <= -kCelsiusToKelvin) {
    const std::string t = text::exact_text(p.air_temperature);
    const std::string zero = text::exact_text(-kCelsiusToKelvin);
    out.push_back({"The air temperature (" + t + " °C) is at or below absolute zero (" + zero +
                       " °C): the bag pressure at this temperature has no physical meaning.",
                   u8"空気温度 (" + t + u8" °C) が絶対零度 (" + zero +
                       u8" °C) 以下です。この温度での袋体内圧は物理的に意味を持ちません。"});
  }
  if (p.theta1_deg < 1.0) {
    out.push_back({"The leaf angle (" + text::exact_text(p.theta1_deg) +
                       "°) is below 1°: the bag's spread angle and the summary use 1°.",
                   u8"扉体角度 (" + text::exact_text(p.theta1_deg) +
                       u8"°) が 1° 未満です。袋体の開き角と集計値には 1° が使われます。"});
  }
  if (s.base_distance <= 0.0) {
    out.push_back({"The stopper's foot (" + text::exact_text(s.base_distance) +
                       " m) is at or upstream of the hinge.",
                   u8"ストッパー基部 (" + text::exact_text(s.base_distance) +
                       u8" m) がヒンジ位置またはその上流にあります。"});
  }
  return out;
}

}  // namespace report
}  // namespace tqweir
