#include "flood/rating.h"

#include "flood/fixed_gate.h"
#include "flood/leaf_coefficient.h"
#include "flood/route_stop.h"
#include "search/sealed_bag.h"
#include "text/csv_cells.h"
#include "text/number_text.h"

namespace tqweir {
namespace flood {
namespace {

RatingRow row_of(const std::string& gate, const Knot& k, double span, const LevelTable* curve) {
  RatingRow row;
  row.gate = gate;
  row.level = k.level;
  row.held = k.held;
  row.regime = k.held ? k.state.regime : GateRegime::none;
  row.reason = k.reason;
  row.stop = k.stop;
  if (!k.held) return row;
  row.theta1_deg = k.state.theta1_deg;
  row.stopper_tension = k.state.stopper_tension;
  try {
    row.discharge_per_metre = leaf_discharge_per_metre(k.state.values, curve);
  } catch (const RouteStop& stop) {
    row.coefficient_reason = stop.what();
  }
  row.discharge = row.discharge_per_metre * span;
  row.crest = k.state.values[static_cast<std::size_t>(summary_index(SummaryId::crest_height))];
  return row;
}

void drown_row(const TailwaterCurve& tailwater, RatingRow& row) {
  if (!row.held || !row.coefficient_reason.empty()) return;
  try {
    const DrownedFlow d = drowned_outflow(tailwater, row.discharge, row.level, row.crest);
    row.drowned = true;
    row.tailwater_level = d.tailwater;
    row.drowned_discharge = d.outflow;
  } catch (const RouteStop& stop) {
    row.drowned_reason = stop.what();
  }
}

Knot sealed_knot(const search::SealedState& s) {
  Knot k;
  k.level = s.load;
  k.held = s.held;
  k.reason = s.reason;
  k.stop = s.stop;
  k.state.regime = regime_named(s.regime);
  k.state.theta1_deg = s.theta1_deg;
  k.state.stopper_tension = s.stopper_tension;
  k.state.values = s.result.values;
  return k;
}

// The sealed bag's row at each level, each level's search starting from
// the previous level's state.
void sealed_rows(const CaseInput& base, const std::vector<double>& levels, double span,
                 const LevelTable* coefficient, std::vector<RatingRow>& rows) {
  const search::SealedCurve curve =
      search::sealed_curve(base, input_field(InputId::upstream_level), levels);
  for (std::size_t i = 0; i < levels.size(); ++i) {
    Knot k;
    k.level = levels[i];
    k.reason = "the base case stops, so it puts no air in the bag";
    k.stop = curve.base.message;
    if (i < curve.states.size()) k = sealed_knot(curve.states[i]);
    rows.push_back(row_of("sealed", k, span, coefficient));
  }
}

// The fixed crests beside a held row, drowned with the leaf by the one
// tailwater when there is one, and the weir's total.
void crest_row(const std::vector<FixedCrest>& crests, const TailwaterCurve* tailwater,
               RatingRow& row) {
  if (!row.held || !row.coefficient_reason.empty() || (tailwater && !row.drowned)) return;
  const double leaf = tailwater ? row.drowned_discharge : row.discharge;
  try {
    row.fixed_crest = fixed_crests_outflow(crests, tailwater, row.level, leaf);
  } catch (const RouteStop& stop) {
    row.drowned_reason = stop.what();
    return;
  }
  row.total = leaf + row.fixed_crest;
  row.has_total = true;
}

}  // namespace

std::vector<RatingRow> rating(const CaseInput& base, const std::vector<double>& levels,
                              const std::vector<double>& angles, bool sealed,
                              const TailwaterCurve* tailwater, const WeirRows* weir) {
  std::vector<RatingRow> rows;
  const double span = base.syogen.span;
  const LevelTable* curve = weir ? weir->coefficient_curve.get() : nullptr;
  for (double angle : angles) {
    FixedGate gate(base, angle);
    const std::string name = "theta1_deg=" + text::exact_text(angle);
    for (double level : levels) rows.push_back(row_of(name, gate.direct(level), span, curve));
  }
  if (sealed) sealed_rows(base, levels, span, curve, rows);
  if (tailwater) {
    for (RatingRow& row : rows) drown_row(*tailwater, row);
  }
  if (weir && !weir->crests.empty()) {
    for (RatingRow& row : rows) crest_row(weir->crests, tailwater, row);
  }
  return rows;
}

std::string rating_table(const std::vector<RatingRow>& rows, bool drowned, int gates, bool crests) {
  std::vector<std::string> header{"gate", "upstream_level_m", "regime", "theta1_deg",
                                  "stopper_tension_kn", "status", "discharge_m3s_per_m",
                                  "discharge_m3s", "message"};
  if (drowned) {
    for (const char* name : {"crest_height_m", "tailwater_level_m", "free_discharge_m3s",
                             "drowned_discharge_m3s"}) {
      header.push_back(name);
    }
  }
  if (gates > 1) header.push_back("weir_discharge_m3s");
  if (crests) {
    header.push_back("fixed_crest_m3s");
    header.push_back("total_discharge_m3s");
  }
  std::string text = text::csv_line(header);
  for (const RatingRow& r : rows) {
    std::string status =
        r.held ? "ok" : r.stop == Message::finished ? "no_state" : message_key(r.stop);
    std::string message = r.held ? "" : r.reason;
    if (!r.held && r.stop != Message::finished) message += ": " + message_cp932(r.stop);
    const bool leaf = r.held && r.coefficient_reason.empty();
    if ((drowned && leaf && !r.drowned) || (crests && leaf && !r.has_total)) {
      status = "not_determined";
      message = r.drowned_reason;
    }
    if (r.held && !leaf) {
      status = "not_determined";
      message = r.coefficient_reason;
    }
    std::vector<std::string> cells{r.gate, text::exact_text(r.level), regime_word(r.regime),
                                   r.held ? text::exact_text(r.theta1_deg) : "",
                                   r.held ? text::exact_text(r.stopper_tension) : "", status,
                                   leaf ? text::exact_text(r.discharge_per_metre) : "",
                                   leaf ? text::exact_text(r.discharge) : "", message};
    if (drowned) {
      cells.push_back(r.held ? text::exact_text(r.crest) : "");
      cells.push_back(r.drowned ? text::exact_text(r.tailwater_level) : "");
      cells.push_back(leaf ? text::exact_text(r.discharge) : "");
      cells.push_back(r.drowned ? text::exact_text(r.drowned_discharge) : "");
    }
    if (gates > 1) cells.push_back(r.held ? text::exact_text(gates * r.discharge) : "");
    if (crests) {
      cells.push_back(r.has_total ? text::exact_text(r.fixed_crest) : "");
      // A weir of several gates takes no tailwater: its leaves pass free.
      const double total = gates > 1 ? gates * r.discharge + r.fixed_crest : r.total;
      cells.push_back(r.has_total ? text::exact_text(total) : "");
    }
    text += text::csv_line(cells);
  }
  return text;
}

}  // namespace flood
}  // namespace tqweir
