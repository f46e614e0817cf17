// The annual flood peak's distribution: a fitted law or a table of peaks
// against their annual exceedance probability (AEP), and the Gumbel
// reduced variate the sampling is stratified in.
#ifndef TQWEIR_RISK_PEAK_DISTRIBUTION_H_
#define TQWEIR_RISK_PEAK_DISTRIBUTION_H_

#include <vector>

namespace tqweir {
namespace risk {

enum class PeakLaw { gumbel, gev, log_pearson3, table };

// One point of a peak table.
struct AepPeak {
  double aep = 0.0;   // annual exceedance probability, 0 < aep < 1
  double peak = 0.0;  // m3/s
};

struct PeakDistribution {
  PeakLaw law = PeakLaw::gumbel;
  // gumbel: location, scale (m3/s). gev: location, scale (m3/s) and the
  // shape k in Hosking's sign (k > 0: an upper bound, the tail thinner than
  // Gumbel's; the xi of the other convention is -k). log_pearson3: the mean,
  // standard deviation and skew of log10 of the peak in m3/s.
  double a = 0.0, b = 0.0, c = 0.0;
  std::vector<AepPeak> table;  // table: AEP falling, peak rising
};

// The Gumbel reduced variate y = -ln(-ln(1 - aep)) of an AEP, and back.
double gumbel_variate(double aep);
double aep_of_variate(double y);

// The peak (m3/s) exceeded with annual probability `aep`. A table is
// interpolated linearly in the Gumbel variate and never extrapolated.
// Throws std::domain_error for an AEP outside (0, 1) or outside the
// table's AEPs, and Boost.Math's errors for parameters its quantiles
// cannot take; the result may be infinite for extreme parameters (the
// callers refuse it).
double peak_at(const PeakDistribution& d, double aep);

// The law of `d` fitted to `peaks` (annual maxima, m3/s): Gumbel and GEV by
// L-moments (Hosking 1990; the GEV's k by Hosking's rational
// approximation), log-Pearson III by the moments of log10 of the peaks
// (mean, standard deviation and skew with the small-sample factors).
// False when the sample gives no finite fit of positive spread (every peak
// equal, a peak not above 0 for log-Pearson III). REQUIRES: d.law not
// table, at least three peaks.
bool fit_law(PeakLaw law, std::vector<double> peaks, PeakDistribution& fitted);

}  // namespace risk
}  // namespace tqweir

#endif  // TQWEIR_RISK_PEAK_DISTRIBUTION_H_
