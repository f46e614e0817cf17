#include "risk/peak_distribution.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include <boost/math/distributions/gamma.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/special_functions/gamma.hpp>

namespace tqweir {
namespace risk {
namespace {

constexpr double kEulerGamma = 0.57721566490153286;
// Below this |skew| the Pearson III frequency factor is the normal one:
// the gamma's shape 4/g^2 would be beyond what its quantile resolves.
constexpr double kNormalSkew = 1e-6;
// Below this |k| the GEV is Gumbel's law: (1 - e^(k ln z)) / k loses its
// digits.
constexpr double kGumbelShape = 1e-9;

double gumbel_peak(double loc, double scale, double aep) {
  return loc + scale * gumbel_variate(aep);
}

// Hosking's form x = xi + alpha (1 - (-ln F)^k) / k.
double gev_peak(double loc, double scale, double k, double aep) {
  const double w = -std::log1p(-aep);  // -ln F, F = 1 - aep
  if (std::fabs(k) < kGumbelShape) return loc - scale * std::log(w);
  return loc + scale * (-std::expm1(k * std::log(w))) / k;
}

// The standardised Pearson III variate of skew g exceeded with probability aep.
double pearson3_factor(double g, double aep) {
  if (std::fabs(g) < kNormalSkew) {
    return boost::math::quantile(boost::math::complement(boost::math::normal_distribution<>(), aep));
  }
  const double shape = 4.0 / (g * g);
  const boost::math::gamma_distribution<> gamma(shape, 1.0);
  // A positive skew has its long tail upward: the upper quantile of the
  // gamma; a negative one is the gamma mirrored.
  const double x = g > 0.0 ? boost::math::quantile(boost::math::complement(gamma, aep))
                           : boost::math::quantile(gamma, aep);
  const double z = (x - shape) / std::sqrt(shape);
  return g > 0.0 ? z : -z;
}

double table_peak(const std::vector<AepPeak>& t, double aep) {
  const double y = gumbel_variate(aep);
  for (std::size_t k = 1; k < t.size(); ++k) {
    const double y0 = gumbel_variate(t[k - 1].aep), y1 = gumbel_variate(t[k].aep);
    if (y >= y0 && y <= y1) {
      return t[k - 1].peak + (t[k].peak - t[k - 1].peak) * (y - y0) / (y1 - y0);
    }
  }
  throw std::domain_error("AEP outside the peak table");
}

}  // namespace

double gumbel_variate(double aep) { return -std::log(-std::log1p(-aep)); }

double aep_of_variate(double y) { return -std::expm1(-std::exp(-y)); }

double peak_at(const PeakDistribution& d, double aep) {
  if (!(aep > 0.0 && aep < 1.0)) throw std::domain_error("AEP outside (0, 1)");
  switch (d.law) {
    case PeakLaw::gumbel: return gumbel_peak(d.a, d.b, aep);
    case PeakLaw::gev: return gev_peak(d.a, d.b, d.c, aep);
    case PeakLaw::log_pearson3: return std::pow(10.0, d.a + d.b * pearson3_factor(d.c, aep));
    case PeakLaw::table: return table_peak(d.table, aep);
  }
  return 0.0;
}

bool fit_law(PeakLaw law, std::vector<double> peaks, PeakDistribution& fitted) {
  const double n = static_cast<double>(peaks.size());
  fitted = PeakDistribution();
  fitted.law = law;
  if (law == PeakLaw::log_pearson3) {
    double mean = 0.0;
    for (double& q : peaks) {
      if (!(q > 0.0)) return false;
      q = std::log10(q);
      mean += q;
    }
    mean /= n;
    double m2 = 0.0, m3 = 0.0;
    for (const double q : peaks) {
      m2 += (q - mean) * (q - mean);
      m3 += (q - mean) * (q - mean) * (q - mean);
    }
    const double sd = std::sqrt(m2 / (n - 1.0));
    fitted.a = mean;
    fitted.b = sd;
    fitted.c = n * m3 / ((n - 1.0) * (n - 2.0) * sd * sd * sd);
    return sd > 0.0 && std::isfinite(fitted.c);
  }
  // Probability-weighted moments b0, b1, b2 of the ordered sample, and the
  // L-moments from them.
  std::sort(peaks.begin(), peaks.end());
  double b0 = 0.0, b1 = 0.0, b2 = 0.0;
  for (std::size_t i = 0; i < peaks.size(); ++i) {
    const double j = static_cast<double>(i);
    b0 += peaks[i];
    b1 += peaks[i] * j / (n - 1.0);
    b2 += peaks[i] * j * (j - 1.0) / ((n - 1.0) * (n - 2.0));
  }
  b0 /= n;
  b1 /= n;
  b2 /= n;
  const double l1 = b0, l2 = 2.0 * b1 - b0, l3 = 6.0 * b2 - 6.0 * b1 + b0;
  if (!(l2 > 0.0)) return false;
  if (law == PeakLaw::gumbel) {
    fitted.b = l2 / std::log(2.0);
    fitted.a = l1 - kEulerGamma * fitted.b;
    return std::isfinite(fitted.a) && std::isfinite(fitted.b);
  }
  const double z = 2.0 / (3.0 + l3 / l2) - std::log(2.0) / std::log(3.0);
  const double k = 7.8590 * z + 2.9554 * z * z;
  const double g = boost::math::tgamma(1.0 + k);
  fitted.c = k;
  if (std::fabs(k) < kGumbelShape) {
    fitted.b = l2 / std::log(2.0);
    fitted.a = l1 - kEulerGamma * fitted.b;
  } else {
    fitted.b = l2 * k / ((1.0 - std::pow(2.0, -k)) * g);
    fitted.a = l1 - fitted.b * (1.0 - g) / k;
  }
  return fitted.b > 0.0 && std::isfinite(fitted.a) && std::isfinite(fitted.b);
}

}  // namespace risk
}  // namespace tqweir
