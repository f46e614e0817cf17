#include "risk/risk_block.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <iterator>
#include <string>
#include <mutex>
#include <utility>

#include "core/byte_record.h"
#include "risk/event_draw.h"
#include "risk/parallel_tasks.h"
#include "text/input_error.h"

namespace tqweir {
namespace risk {
namespace {

constexpr const char* kTag = "tqweir risk block 1";

std::size_t events_per_realization(const RiskFile& plan) {
  return 1 + static_cast<std::size_t>(plan.bins) * static_cast<std::size_t>(plan.events_per_bin);
}

// Event `i` of the run: its realization and bin, its AEP drawn within the
// bin from its own index, its weight and its peak (not yet routed).
RiskEvent drawn_event(const RiskRun& run, const std::vector<double>& weights, std::size_t i) {
  const RiskFile& plan = run.plan;
  const double y0 = gumbel_variate(plan.aep_from), y1 = gumbel_variate(plan.aep_to);
  const std::size_t per = events_per_realization(plan);
  RiskEvent e;
  e.realization = static_cast<int>(i / per);
  const std::size_t k = i % per;
  if (k == 0) {
    e.bin = -1;
    e.aep = plan.aep_from;
    e.weight = 1.0 - plan.aep_from;
  } else {
    const std::size_t n = static_cast<std::size_t>(plan.events_per_bin);
    e.bin = static_cast<int>((k - 1) / n);
    const DrawIndex index{DrawStream::event_peak, static_cast<std::uint64_t>(e.realization),
                          static_cast<std::uint64_t>(e.bin), (k - 1) % n};
    const double hi = aep_of_variate(y0 + (y1 - y0) * e.bin / plan.bins);
    const double lo = e.bin + 1 == plan.bins ? plan.aep_to
                                             : aep_of_variate(y0 + (y1 - y0) * (e.bin + 1) / plan.bins);
    e.aep = hi - uniform_draw(plan.seed, index) * (hi - lo);
    e.weight = weights[static_cast<std::size_t>(e.bin)] / static_cast<double>(n);
  }
  // A law refitted to a record may give no finite peak this far out: the
  // event is then not determined and counts as passing every level.
  try {
    e.peak = peak_at(run.laws[static_cast<std::size_t>(e.realization)], e.aep);
  } catch (const std::exception&) {
    e.peak = NAN;
  }
  return e;
}

// An event's fields in order, for writing (Io = ByteWriter, the event
// const) and reading (ByteReader): core/byte_record.h.
template <typename Io, typename Event>
void event_fields(Io& io, Event& e) {
  field(io, e.realization);
  field(io, e.bin);
  field(io, e.aep);
  field(io, e.peak);
  field(io, e.weight);
  list_field(io, e.routes, [](Io& i, auto& r) {
    field(i, r.finished);
    field(i, r.peak_level);
  });
}

template <typename Io, typename Block>
void block_fields(Io& io, Block& block) {
  field(io, block.from);
  list_field(io, block.events, [](Io& i, auto& e) { event_fields(i, e); });
}

}  // namespace

std::size_t risk_event_count(const RiskFile& plan) {
  return events_per_realization(plan) * static_cast<std::size_t>(plan.realizations);
}

RiskRun planned_run(const RiskFile& plan, int gates) {
  RiskRun run;
  run.plan = plan;
  run.gates = gates;
  run.branches = weir_branches(gates);
  run.branch_p = branch_probabilities(gates, plan.power_failure_probability, plan.gate_failure_probability);
  run.laws = realization_laws(plan, run.failed_fits);
  return run;
}

RiskBlock run_risk_block(const RiskRun& run, const RouteEvent& route, int threads, std::size_t from,
                         std::size_t to, const std::function<void(std::size_t, std::size_t)>& progress) {
  const std::vector<double> weights = bin_weights(run.plan);
  RiskBlock block;
  block.from = from;
  block.events.resize(to - from);
  std::mutex progress_mutex;
  std::size_t done = 0;
  run_tasks(block.events.size(), threads, [&](std::size_t k) {
    RiskEvent& e = block.events[k];
    e = drawn_event(run, weights, from + k);
    e.routes.resize(run.branches.size());
    for (std::size_t b = 0; b < run.branches.size(); ++b) {
      if (run.branch_p[b] > 0.0 && std::isfinite(e.peak)) e.routes[b] = route(run.branches[b], e.peak);
    }
    if (progress) {
      const std::lock_guard<std::mutex> lock(progress_mutex);
      progress(++done, block.events.size());
    }
  });
  return block;
}

void merge_blocks(RiskRun& run, std::vector<RiskBlock> blocks) {
  const std::size_t count = risk_event_count(run.plan);
  std::sort(blocks.begin(), blocks.end(),
            [](const RiskBlock& a, const RiskBlock& b) { return a.from < b.from; });
  run.events.clear();
  run.events.reserve(count);
  for (RiskBlock& block : blocks) {
    if (block.from != run.events.size() || block.events.size() > count - block.from) {
      throw text::InputError("the risk's blocks do not hold events 0 to " + std::to_string(count - 1) +
                             " once each: a block begins at event " + std::to_string(block.from) +
                             " after " + std::to_string(run.events.size()) + " events");
    }
    std::move(block.events.begin(), block.events.end(), std::back_inserter(run.events));
  }
  if (run.events.size() != count) {
    throw text::InputError("the risk's blocks hold " + std::to_string(run.events.size()) + " of its " +
                           std::to_string(count) + " events");
  }
  // An event is the run's when it sits where its index puts it and its
  // numbers are a probability and levels: a block from elsewhere (another
  // build, another risk.csv) is refused rather than merged into a curve.
  const std::size_t per = events_per_realization(run.plan);
  for (std::size_t i = 0; i < count; ++i) {
    const RiskEvent& e = run.events[i];
    const int bin = i % per == 0 ? -1 : static_cast<int>((i % per - 1) / static_cast<std::size_t>(run.plan.events_per_bin));
    bool fits = static_cast<std::size_t>(e.realization) == i / per && e.bin == bin &&
                e.routes.size() == run.branches.size() && e.weight >= 0.0 &&
                e.weight <= 1.0 && e.aep > 0.0 && e.aep < 1.0;
    for (const EventRoute& r : e.routes) fits = fits && (!r.finished || std::isfinite(r.peak_level));
    if (!fits) {
      throw text::InputError("the risk's blocks give event " + std::to_string(i) +
                             " as another run's: not merged");
    }
  }
}

std::string block_bytes(const RiskBlock& block) {
  ByteWriter out;
  out.put_text(kTag);
  block_fields(out, block);
  return out.bytes();
}

RiskBlock block_from_bytes(const std::string& bytes) {
  ByteReader in(bytes);
  RiskBlock block;
  const bool tagged = in.text() == kTag;
  if (tagged) block_fields(in, block);
  if (!tagged || !in.done()) throw text::InputError("not a record of this version's risk block");
  return block;
}

}  // namespace risk
}  // namespace tqweir
