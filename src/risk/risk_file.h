// risk.csv of a design folder: rows "name,value" giving the flood peak's
// distribution, the chances of the power and the gate failing in a flood,
// and how the annual exceedance probability of the pond's peak level is
// sampled.
#ifndef TQWEIR_RISK_RISK_FILE_H_
#define TQWEIR_RISK_RISK_FILE_H_

#include <cstdint>
#include <string>

#include "risk/peak_distribution.h"

namespace tqweir {
namespace risk {

// Bounds of the sampling, so that every loop of a risk is bounded.
constexpr int kMostBins = 10000;
constexpr int kMostEventsPerBin = 100000;
constexpr int kMostRealizations = 1000;
constexpr long kMostEvents = 10000000;  // bins x events_per_bin x realizations
constexpr int kLeastRecordYears = 10;
constexpr int kMostRecordYears = 100000;

struct RiskFile {
  std::string source;
  PeakDistribution peak;        // peak_distribution or peak_table
  int peak_line = 0;
  double power_failure_probability = 0.0;  // per flood
  double gate_failure_probability = 0.0;   // per flood and gate: valve and float stay shut
  int bins = 20;
  int events_per_bin = 25;
  double aep_from = 0.5;   // the most frequent AEP sampled
  double aep_to = 1e-4;    // the rarest
  int realizations = 1;
  int record_years = 0;    // 0: the distribution as given in every realization
  std::uint64_t seed = 1;
};

// Reads the text of risk.csv (decoded). Throws text::InputError naming
// `source`, the line and the column for a row that is not two cells, a
// name not known or given twice, a value that does not read or is out of
// its range, both or neither of peak_distribution and peak_table, a
// table that does not cover [aep_to, aep_from], a law whose peak at aep_to
// or aep_from is not finite, record_years with a table.
RiskFile read_risk(const std::string& text, const std::string& source);

// The names risk.csv takes, comma-separated, for the help text.
std::string risk_names();

}  // namespace risk
}  // namespace tqweir

#endif  // TQWEIR_RISK_RISK_FILE_H_
