#include "flood/shared_paths_bytes.h"

#include <map>
#include <memory>
#include <utility>

#include "core/byte_record.h"
#include "text/input_error.h"

namespace tqweir {
namespace flood {
namespace {

// The record's first text: a record of another layout is refused, not misread.
constexpr const char* kTag = "tqweir shared paths 1";

constexpr int kGateRegimes = static_cast<int>(GateRegime::lowest_held) + 1;
constexpr int kPathRegimes = static_cast<int>(operation::Regime::slack) + 1;

// Each record's fields, in order, for writing (Io = ByteWriter, the
// object const) and reading (ByteReader): core/byte_record.h.
template <typename Io, typename Result>
void result_fields(Io& io, Result& r) {
  field(io, r.finished);
  enum_field(io, r.message, kMessageCount);
  field(io, r.values);
  field(io, r.summary);
}

// The state's own numbers; its tailwater and curve are the reading grid's.
template <typename Io, typename State>
void state_fields(Io& io, State& g) {
  field(io, g.level);
  field(io, g.outflow);
  enum_field(io, g.regime, kGateRegimes);
  field(io, g.theta1_deg);
  field(io, g.stopper_tension);
  field(io, g.values);
  field(io, g.tailwater_level);
  field(io, g.submergence);
}

template <typename Io, typename State>
void path_state_fields(Io& io, State& s) {
  enum_field(io, s.regime, kPathRegimes);
  field(io, s.theta1_deg);
  field(io, s.stopper_tension);
  result_fields(io, s.result);
  field(io, s.air);
  field(io, s.p_abs);
}

template <typename Io, typename Fold>
void fold_fields(Io& io, Fold& f) {
  path_state_fields(io, f.from);
  path_state_fields(io, f.to);
  field(io, f.to_end);
}

template <typename Io, typename Path>
void level_path_fields(Io& io, Path& p) {
  field(io, p.level);
  field(io, p.held);
  field(io, p.reason);
  field(io, p.stopped);
  list_field(io, p.states, [](Io& i, auto& g) { state_fields(i, g); });
  list_field(io, p.airs, [](Io& i, auto& a) { field(i, a); });
  list_field(io, p.folds, [](Io& i, auto& f) { fold_fields(i, f); });
  field(io, p.solves);
}

template <typename Io, typename Knot>
void knot_fields(Io& io, Knot& k) {
  field(io, k.level);
  field(io, k.held);
  field(io, k.reason);
  enum_field(io, k.stop, kMessageCount);
  state_fields(io, k.state);
  field(io, k.solves);
}

template <typename Io, typename Sealed>
void sealed_state_fields(Io& io, Sealed& s) {
  field(io, s.load);
  field(io, s.held);
  field(io, s.regime);
  field(io, s.theta1_deg);
  field(io, s.stopper_tension);
  result_fields(io, s.result);
  field(io, s.reason);
  enum_field(io, s.stop, kMessageCount);
  field(io, s.solves);
}

// The maps as lists of (key, value): a list, read, is put into the reading
// grid or gate by `put` one entry at a time.
template <typename Key, typename Value, typename Fields>
void put_map(ByteWriter& out, const std::map<Key, Value>& m, Fields fields) {
  out.put_u64(m.size());
  for (const auto& [key, value] : m) {
    field(out, key);
    fields(out, value);
  }
}

template <typename Key, typename Value, typename Fields, typename Put>
void get_map(ByteReader& in, Fields fields, Put put) {
  for (std::size_t n = in.count(8); n > 0 && in.ok(); --n) {
    Key key{};
    Value value;
    field(in, key);
    fields(in, value);
    put(key, std::move(value));
  }
}

}  // namespace

std::string shared_paths_bytes(const SharedPaths& paths) {
  ByteWriter out;
  out.put_text(kTag);
  out.put_bool(paths.base != nullptr);
  if (paths.base) result_fields(out, *paths.base);
  put_map(out, paths.grid ? paths.grid->solved_paths() : std::map<long, LevelPath>(),
          [](ByteWriter& o, const LevelPath& p) { level_path_fields(o, p); });
  out.put_bool(paths.sealed != nullptr);
  if (paths.sealed) {
    put_map(out, paths.sealed->knots(), [](ByteWriter& o, const Knot& k) { knot_fields(o, k); });
    put_map(out, paths.sealed->hints(),
            [](ByteWriter& o, const search::SealedState& s) { sealed_state_fields(o, s); });
  }
  return out.bytes();
}

SharedPaths restored_paths(const std::string& bytes, const CaseInput& base,
                           const operation::OperationFile& file, const PassageSettings& settings) {
  ByteReader in(bytes);
  const bool tagged = in.text() == kTag;
  SharedPaths paths;
  paths.grid = passage_grid(base, file, settings);
  if (tagged && in.flag()) {
    search::CaseResult solved;
    result_fields(in, solved);
    paths.base = std::make_shared<const search::CaseResult>(std::move(solved));
  }
  if (tagged) {
    get_map<long, LevelPath>(in, [](ByteReader& i, LevelPath& p) { level_path_fields(i, p); },
                             [&](long index, LevelPath p) { paths.grid->restore(index, std::move(p)); });
  }
  if (tagged && in.flag()) {
    // The sealed gate solves the base case once, as the first route with a
    // failed gate would; its air is then this process's own.
    auto sealed = std::make_shared<SealedGate>(base, settings.gate.spacing);
    get_map<long, Knot>(in, [](ByteReader& i, Knot& k) { knot_fields(i, k); },
                        [&](long index, Knot k) { sealed->restore_knot(index, std::move(k)); });
    get_map<double, search::SealedState>(
        in, [](ByteReader& i, search::SealedState& s) { sealed_state_fields(i, s); },
        [&](double level, const search::SealedState& s) { sealed->restore_hint(level, s); });
    paths.sealed = std::move(sealed);
  }
  if (!tagged || !in.done()) {
    throw text::InputError("the gate's paths do not read: not a record of this version's shared paths");
  }
  return paths;
}

}  // namespace flood
}  // namespace tqweir
