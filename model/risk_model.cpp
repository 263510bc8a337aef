#include "model/risk_model.h"

#include <cmath>

#include "model/single.h"

namespace kvo {
namespace {

// Coefficients of Anderson, Odell, Wilson and Kannel (1991), in their published decimals.
constexpr double kStart = 11.1122;
constexpr double kLnSbp = 0.9119;
constexpr double kSmoking = 0.2767;
constexpr double kLnCholRatio = 0.7181;
constexpr double kLvh = 0.5865;
constexpr double kMaleLnAge = 1.4792;
constexpr double kMaleDm = 0.1759;
constexpr double kFemaleOffset = 5.8549;
constexpr double kFemaleAgeDivisor = 74.0;
constexpr double kFemaleLnAgeSquared = 1.8515;
constexpr double kFemaleDm = 0.3758;
constexpr double kMuOffset = 4.4181;
constexpr double kLnSigmaStart = -0.3155;
constexpr double kLnSigmaSlope = 0.2784;
// The base of the Weibull term is the single nearest to 2.718282, slightly above e; using e
// itself changes the last digits of the results.
constexpr float kBase = 2.718282f;

// The location m of the log event time, in the male or the female form. Steps are kept
// separate so that each product is rounded before its difference, as published.
double LocationM(const RiskInputs& in) {
  const double l1 = std::log(static_cast<double>(in.sbp));
  const double q = static_cast<double>(in.totalChol) / in.hdl;  // stays double before its log
  const double l2 = std::log(q);
  double a = kStart - l1 * kLnSbp;
  a = a - in.smoking * kSmoking;
  a = a - l2 * kLnCholRatio;
  a = a - in.lvh * kLvh;
  if (in.sexCode == 1) {
    const double m = a - std::log(static_cast<double>(in.age)) * kMaleLnAge;
    return m - in.diabetes * kMaleDm;
  }
  const double l3 = std::log(in.age / kFemaleAgeDivisor);
  double m = a - kFemaleOffset;
  m = m + (l3 * l3) * kFemaleLnAgeSquared;
  return m - in.diabetes * kFemaleDm;
}

// Thresholds and lines of the average risk, shared by the lines and their inverse.
struct Line {
  double slope, offset;
};
constexpr Line kFemaleLow{0.04, 0.98}, kFemaleHigh{0.5357, 19.964};
constexpr Line kMaleLow{0.3, 6.6}, kMaleHigh{0.764, 26.043};
constexpr std::int16_t kFemaleLastLowAge = 39, kMaleLastLowAge = 41;
constexpr float kFemaleLowPctBelow = 0.6f, kMaleLowPctBelow = 6.0f;
constexpr float kAvgRiskFloor = 0.05f;

}  // namespace

std::optional<float> CalcProbCHD(const RiskInputs& inputs, std::int16_t years) {
  const double m = LocationM(inputs);
  const double mu = kMuOffset + m;
  const double sigma = std::exp(kLnSigmaStart - m * kLnSigmaSlope);
  const double u = (std::log(static_cast<double>(years)) - mu) / sigma;
  const double w = std::pow(static_cast<double>(kBase), u);
  const double p = 1.0 - std::exp(-w);
  // A NaN or an infinity anywhere on the way shows up in one of these.
  if (!std::isfinite(m) || !std::isfinite(sigma) || !std::isfinite(u) || !std::isfinite(w)) {
    return std::nullopt;
  }
  return static_cast<float>(p);
}

float AvgRiskPct(std::int16_t age, bool female) {
  const Line line = female ? (age <= kFemaleLastLowAge ? kFemaleLow : kFemaleHigh)
                           : (age <= kMaleLastLowAge ? kMaleLow : kMaleHigh);
  float v = static_cast<float>(line.slope * age - line.offset);
  if (!(kAvgRiskFloor < v)) v = kAvgRiskFloor;
  return v;
}

std::optional<float> InfarctAgeFor(float pct, bool female) {
  const Line line = female ? (pct < kFemaleLowPctBelow ? kFemaleLow : kFemaleHigh)
                           : (pct < kMaleLowPctBelow ? kMaleLow : kMaleHigh);
  const float age = RoundToSingle((static_cast<double>(pct) + line.offset) / line.slope);
  if (!std::isfinite(age)) return std::nullopt;
  return age;
}

}  // namespace kvo
