// The coronary heart disease risk-profile equation of the Framingham study, as published by
// Anderson KM, Odell PM, Wilson PWF, Kannel WB: Cardiovascular disease risk profiles.
// Am Heart J 1991;121:293-298, with the average-risk lines used to turn a risk into an age.
//
// Every step runs in IEEE double precision with rounding to nearest, and each operation rounds
// its result once, at its end, to single precision. The last bits of the results are part of
// the contract (see tests/core/risk_model_test.cpp), so this code must be compiled without
// floating-point contraction and without fast-math.
#pragma once

#include <cstdint>
#include <optional>

namespace kvo {

// The eight risk factors, always in this order. Cholesterol in mg/dl, pressure in mm Hg,
// smoking, diabetes and LVH are 0 or 1. Sex code 1 is male; every other code takes the
// female form of the equation.
struct RiskInputs {
  std::int16_t age, sexCode, totalChol, hdl, smoking, sbp, diabetes, lvh;
};

// Probability (0..1) of a coronary event within `years` years. Gives no value outside the
// equation's domain: a logarithm of zero or of a negative number, a division by zero, or any
// intermediate value that is not finite.
// Example: the defaults 55, 1, 240, 45, 1, 130, 0, 0 at 10 years give 0.19199498f.
std::optional<float> CalcProbCHD(const RiskInputs& inputs, std::int16_t years);

// Average 10-year risk in percent for an age and sex, never below the single 0.05.
// Example: AvgRiskPct(55, false) is the single nearest to 15.977.
float AvgRiskPct(std::int16_t age, bool female);

// The age at which AvgRiskPct reaches `pct` (the inverse lines, without the floor). Gives no
// value when the age does not fit in single precision (|pct| beyond about 1e37).
// Example: InfarctAgeFor(0.0f, true) is 24.5f.
std::optional<float> InfarctAgeFor(float pct, bool female);

}  // namespace kvo
