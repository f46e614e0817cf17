#include "risk/risk_file.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/name_value_rows.h"
#include "text/number_cell.h"

namespace tqweir {
namespace risk {
namespace {

using text::InputError;

enum Name {
  kDistribution, kTable, kPower, kGate, kBins, kEvents, kFrom, kTo, kRealizations, kRecord, kSeed
};
const std::vector<std::string> kNames = {
    "peak_distribution", "peak_table", "power_failure_probability", "gate_failure_probability",
    "bins", "events_per_bin", "aep_from", "aep_to", "realizations", "record_years", "seed"};

std::string place_of(const std::string& source, int line, Name name) {
  return text::cell_place(source, line, 2) + " (" + kNames[name] + ")";
}

std::vector<std::string> words_of(const std::string& value) {
  std::istringstream in(value);
  std::vector<std::string> words;
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

double number_in(const std::string& cell, const std::string& place, double low, double high,
                 const char* range) {
  const double v = text::number_cell(cell, place);
  if (!(v >= low && v <= high)) {
    throw InputError(place + ": " + text::shown_cell(cell) + " is not " + range);
  }
  return v;
}

long whole_in(const std::string& cell, const std::string& place, long low, long high) {
  const double v = text::number_cell(cell, place);
  if (!(v >= static_cast<double>(low) && v <= static_cast<double>(high) && v == std::floor(v))) {
    throw InputError(place + ": " + text::shown_cell(cell) + " is not a whole number from " +
                     std::to_string(low) + " to " + std::to_string(high));
  }
  return static_cast<long>(v);
}

// Digits only, below 2^64.
std::uint64_t seed_of(const std::string& cell, const std::string& place) {
  std::uint64_t v = 0;
  bool ok = !cell.empty() && cell.size() <= 20;
  for (const char c : cell) {
    if (!ok || c < '0' || c > '9') {
      ok = false;
      break;
    }
    const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
    if (v > (UINT64_MAX - digit) / 10) {
      ok = false;
      break;
    }
    v = v * 10 + digit;
  }
  if (!ok) throw InputError(place + ": " + text::shown_cell(cell) + " is not a whole number from 0 to 2^64-1");
  return v;
}

PeakDistribution law_of(const std::string& value, const std::string& place) {
  const std::vector<std::string> w = words_of(value);
  PeakDistribution d;
  std::size_t count = 0;
  if (!w.empty() && w[0] == "gumbel") {
    d.law = PeakLaw::gumbel;
    count = 2;
  } else if (!w.empty() && w[0] == "gev") {
    d.law = PeakLaw::gev;
    count = 3;
  } else if (!w.empty() && w[0] == "log-pearson3") {
    d.law = PeakLaw::log_pearson3;
    count = 3;
  } else {
    throw InputError(place + ": " + text::shown_cell(value) +
                     " is none of gumbel LOC SCALE, gev LOC SCALE SHAPE, log-pearson3 MEAN SD SKEW");
  }
  if (w.size() != count + 1) {
    throw InputError(place + ": " + w[0] + " takes " + std::to_string(count) + " numbers, " +
                     std::to_string(w.size() - 1) + " given");
  }
  double* parameters[] = {&d.a, &d.b, &d.c};
  for (std::size_t k = 0; k < count; ++k) *parameters[k] = text::number_cell(w[k + 1], place);
  if (!(d.b > 0.0)) throw InputError(place + ": the scale or standard deviation " + w[2] + " is not above 0");
  return d;
}

PeakDistribution table_of(const std::string& value, const std::string& place) {
  PeakDistribution d;
  d.law = PeakLaw::table;
  for (const std::string& pair : words_of(value)) {
    const std::size_t colon = pair.find(':');
    if (colon == std::string::npos) {
      throw InputError(place + ": " + text::shown_cell(pair) + " is not AEP:m3/s");
    }
    AepPeak p;
    p.aep = number_in(pair.substr(0, colon), place, 0.0, 1.0, "an AEP between 0 and 1");
    p.peak = number_in(pair.substr(colon + 1), place, 0.0, 1e12, "a peak from 0 to 1e12 m3/s");
    if (p.aep == 0.0 || p.aep == 1.0) {
      throw InputError(place + ": " + text::shown_cell(pair) + " has an AEP of 0 or 1");
    }
    d.table.push_back(p);
  }
  if (d.table.size() < 2) throw InputError(place + ": a peak table needs at least two AEP:m3/s pairs");
  std::sort(d.table.begin(), d.table.end(),
            [](const AepPeak& x, const AepPeak& y) { return x.aep > y.aep; });
  for (std::size_t k = 1; k < d.table.size(); ++k) {
    if (!(d.table[k].aep < d.table[k - 1].aep) || !(d.table[k].peak > d.table[k - 1].peak)) {
      throw InputError(place + ": the peaks do not rise strictly as the AEP falls (at AEP " +
                       text::shown_cell(std::to_string(d.table[k].aep)) + ")");
    }
  }
  return d;
}

void check_range(const RiskFile& f) {
  const std::string place = place_of(f.source, f.peak_line, f.peak.law == PeakLaw::table ? kTable : kDistribution);
  if (f.peak.law == PeakLaw::table) {
    if (f.peak.table.front().aep < f.aep_from || f.peak.table.back().aep > f.aep_to) {
      throw InputError(place + ": the table covers AEP " + std::to_string(f.peak.table.back().aep) +
                       " to " + std::to_string(f.peak.table.front().aep) +
                       ", not the AEPs sampled from aep_from to aep_to; it is not extrapolated");
    }
    return;
  }
  for (const double aep : {f.aep_from, f.aep_to}) {
    double q = 0.0;
    try {
      q = peak_at(f.peak, aep);
    } catch (const std::exception&) {
      q = NAN;
    }
    if (!std::isfinite(q) || std::fabs(q) > 1e12) {
      throw InputError(place + ": the law gives no finite peak at AEP " + std::to_string(aep));
    }
  }
}

}  // namespace

std::string risk_names() {
  std::string names;
  for (const std::string& name : kNames) names += (names.empty() ? "" : ", ") + name;
  return names;
}

RiskFile read_risk(const std::string& text, const std::string& source) {
  RiskFile f;
  f.source = source;
  int from_line = 0, to_line = 0, record_line = 0;
  bool has_peak = false;
  for (const text::NameValueRow& row : text::name_value_rows(text, source, kNames)) {
    const Name name = static_cast<Name>(row.index);
    const std::string place = place_of(source, row.line, name);
    switch (name) {
      case kDistribution:
      case kTable:
        if (has_peak) {
          throw InputError(place + ": give peak_distribution or peak_table, not both (line " +
                           std::to_string(f.peak_line) + ")");
        }
        f.peak = name == kTable ? table_of(row.value, place) : law_of(row.value, place);
        f.peak_line = row.line;
        has_peak = true;
        break;
      case kPower:
        f.power_failure_probability = number_in(row.value, place, 0.0, 1.0, "a probability from 0 to 1");
        break;
      case kGate:
        f.gate_failure_probability = number_in(row.value, place, 0.0, 1.0, "a probability from 0 to 1");
        break;
      case kBins: f.bins = static_cast<int>(whole_in(row.value, place, 1, kMostBins)); break;
      case kEvents:
        f.events_per_bin = static_cast<int>(whole_in(row.value, place, 1, kMostEventsPerBin));
        break;
      case kFrom:
        f.aep_from = number_in(row.value, place, 0.0, 1.0, "an AEP between 0 and 1");
        from_line = row.line;
        break;
      case kTo:
        f.aep_to = number_in(row.value, place, 0.0, 1.0, "an AEP between 0 and 1");
        to_line = row.line;
        break;
      case kRealizations:
        f.realizations = static_cast<int>(whole_in(row.value, place, 1, kMostRealizations));
        break;
      case kRecord:
        f.record_years = static_cast<int>(whole_in(row.value, place, kLeastRecordYears, kMostRecordYears));
        record_line = row.line;
        break;
      case kSeed: f.seed = seed_of(row.value, place); break;
    }
  }
  if (!has_peak) throw InputError(source + ": give peak_distribution or peak_table");
  const int line = to_line != 0 ? to_line : from_line;
  if (!(f.aep_to > 0.0 && f.aep_to < f.aep_from && f.aep_from < 1.0)) {
    throw InputError(text::cell_place(source, line, 2) + ": aep_to " + std::to_string(f.aep_to) +
                     " and aep_from " + std::to_string(f.aep_from) +
                     " must satisfy 0 < aep_to < aep_from < 1");
  }
  if (static_cast<long>(f.bins) * f.events_per_bin * f.realizations > kMostEvents) {
    throw InputError(source + ": bins x events_per_bin x realizations is above " +
                     std::to_string(kMostEvents));
  }
  if (record_line != 0 && f.peak.law == PeakLaw::table) {
    throw InputError(place_of(source, record_line, kRecord) +
                     ": a peak table is not refitted; record_years needs peak_distribution");
  }
  check_range(f);
  return f;
}

}  // namespace risk
}  // namespace tqweir
