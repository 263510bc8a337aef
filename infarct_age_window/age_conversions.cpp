#include "infarct_age_window/age_conversions.h"

#include <cstdint>

#include "model/number_text.h"
#include "model/risk_model.h"

namespace kvo {
namespace {

constexpr float kPercentCap = 35.0f;
constexpr std::int16_t kFirstAge = 20, kLastAge = 75;

}  // namespace

std::optional<std::string> InfarctAgeText(std::string_view percentText, bool female,
                                          std::string_view decimalSeparator) {
  float pct = ReadSingleField(percentText);
  if (pct > kPercentCap) pct = kPercentCap;  // compared as singles; no lower bound
  const std::optional<float> age = InfarctAgeFor(pct, female);
  if (!age) return std::nullopt;
  return FormatFixed(*age, "##.0", decimalSeparator);
}

std::optional<std::string> AverageRiskText(std::string_view ageText, bool female,
                                           std::string_view decimalSeparator) {
  const std::optional<std::int16_t> age = ReadIntField(ageText);
  if (!age || *age < kFirstAge || *age > kLastAge) return std::nullopt;
  return FormatFixed(AvgRiskPct(*age, female), "##.0", decimalSeparator) + " %";
}

}  // namespace kvo
