#include "core/summary_fields.h"

namespace tqweir {

const std::array<SummaryField, kSummaryFieldCount>& summary_fields() {
  using I = SummaryId;
  static const std::array<SummaryField, kSummaryFieldCount> fields = {{
      {I::overflow_mode, "overflow_mode", "overflow_mode", "", "%d", "surface model",
       "越流モデル"},
      {I::upstream_level, "upstream_level", "upstream_level_m", "m", "%6.3f",
       "upstream water level", "上流水位"},
      {I::hd_rel, "hd_rel", "hd_rel_m", "m", "%6.3f", "downstream depth over the hinge",
       "ヒンジ上の下流水深"},
      {I::hd_nd, "hd_nd", "hd_nd", "", "%6.3f", "downstream depth in bag heights",
       "下流水深 (袋体高さ比)"},
      {I::layer_level, "layer_level", "layer_level_m", "m", "%6.3f", "second layer level",
       "第2層上面高"},
      {I::width_factor, "width_factor", "width_factor", "", "%6.3f", "width factor",
       "幅補正係数"},
      {I::air_temperature, "air_temperature", "air_temperature_c", "°C", "%6.3f",
       "air temperature", "空気温度"},
      {I::theta1_deg, "theta1_deg", "theta1_deg", "degree", "%6.3f", "leaf angle",
       "扉体角度"},
      {I::crest_height, "crest_height", "crest_height_m", "m", "%6.3f", "crest height H",
       "堰高 H"},
      {I::tip_moment, "tip_moment", "tip_moment_knm_per_m", "kN·m/m", "%6.3f",
       "tip moment", "先端モーメント"},
      {I::support_force, "support_force", "support_force_kn_per_m", "kN/m", "%6.3f",
       "support force", "支点反力"},
      {I::perimeter, "perimeter", "perimeter_m", "m", "%6.3f", "bag perimeter",
       "袋体周長"},
      {I::bag_height, "bag_height", "bag_height_m", "m", "%6.3f", "bag height", "袋体高さ"},
      {I::chord1_m, "chord1_m", "chord1_m", "m", "%6.3f", "bag contact on the leaf",
       "扉体側接触長"},
      {I::chord2_m, "chord2_m", "chord2_m", "m", "%6.3f", "bag contact on the floor",
       "床版側接触長"},
      {I::bag_area, "bag_area", "bag_area_m2", "m²", "%6.3f", "bag cross-section area",
       "袋体断面積"},
      {I::pressure_at_temperature, "pressure_at_temperature", "pressure_at_temperature_mpa",
       "MPa", "%6.3f", "bag pressure at the air temperature", "袋体内圧 (空気温度)"},
      {I::alpha, "alpha", "alpha", "", "%6.3f", "pressure parameter alpha",
       "内圧パラメータ α"},
      {I::air_volume, "air_volume", "air_volume_m3_per_m", "m³/m", "%6.3f",
       "air volume at atmospheric pressure", "大気圧換算空気量"},
      {I::bag_tension, "bag_tension", "bag_tension_kn_per_m", "kN/m", "%6.3f",
       "bag tension", "袋体張力"},
      {I::tension_pull, "tension_pull", "tension_pull_kn_per_m", "kN/m", "%6.3f",
       "resultant of the membrane tensions at the corner", "隅角部の張力合力"},
      {I::bisector_angle_deg, "bisector_angle_deg", "bisector_angle_deg", "degree", "%6.3f",
       "wedge bisector angle", "二等分線角度"},
      {I::bag_force2, "bag_force2", "bag_force2_kn_per_m", "kN/m", "%6.3f",
       "bag force on the floor", "床版への袋体力"},
      {I::stopper_tension, "stopper_tension", "stopper_tension_kn", "kN", "%6.3f",
       "stopper tension", "ストッパー張力"},
      {I::stopper_base_angle_deg, "stopper_base_angle_deg", "stopper_base_angle_deg",
       "degree", "%6.3f", "stopper angle at its foot", "ストッパー基部角度"},
      {I::overflow_discharge, "overflow_discharge", "overflow_discharge", "", "%10.3f",
       "overflow discharge C·h^1.5", "越流量"},
      {I::discharge_coefficient, "discharge_coefficient", "discharge_coefficient", "", "%6.3f",
       "discharge coefficient", "流量係数"},
  }};
  return fields;
}

const SummaryField& summary_field(SummaryId id) {
  return summary_fields()[static_cast<std::size_t>(summary_index(id))];
}

}  // namespace tqweir
