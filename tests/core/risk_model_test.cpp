// The equation's results are pinned to the single-precision value: each expected number has
// nine significant digits, enough to tell one single from the next.
#include "model/risk_model.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <tuple>

namespace kvo {
namespace {

struct ProbCase {
  const char* name;
  RiskInputs in;
  std::int16_t years;
  std::optional<float> expected;
};

constexpr RiskInputs kDefaults{55, 1, 240, 45, 1, 130, 0, 0};
constexpr RiskInputs kDefaultsFemale{55, 2, 240, 45, 1, 130, 0, 0};

const ProbCase kProbCases[] = {
    // The main window's defaults. Rounding TC/HDL to single before its logarithm would give
    // 0.0736866742 at 4 years, and raising e instead of the single 2.718282 0.0736866817; at
    // 12 years either slip gives 0.230014071.
    {"defaults, 4 years", kDefaults, 4, 0.0736866668f},
    {"defaults, 6 years", kDefaults, 6, 0.113466151f},
    {"defaults, 8 years", kDefaults, 8, 0.153056443f},
    {"defaults, 10 years", kDefaults, 10, 0.19199498f},
    {"defaults, 12 years", kDefaults, 12, 0.230014056f},
    {"ideal man of 55", {55, 1, 180, 50, 0, 110, 0, 0}, 10, 0.0560224578f},
    {"defaults as a woman, 4 years", kDefaultsFemale, 4, 0.0473653562f},
    {"defaults as a woman, 6 years", kDefaultsFemale, 6, 0.0757141784f},
    {"defaults as a woman, 8 years", kDefaultsFemale, 8, 0.105057381f},
    {"defaults as a woman, 10 years", kDefaultsFemale, 10, 0.13486895f},
    {"defaults as a woman, 12 years", kDefaultsFemale, 12, 0.164813057f},
    {"ideal woman of 55", {55, 2, 180, 60, 0, 110, 0, 0}, 10, 0.024099296f},
    // Only code 1 is male: every other code takes the female form.
    {"sex code 0 is female", {55, 0, 240, 45, 1, 130, 0, 0}, 10, 0.13486895f},
    {"sex code 3 is female", {55, 3, 240, 45, 1, 130, 0, 0}, 10, 0.13486895f},
    {"sex code -1 is female", {55, -1, 240, 45, 1, 130, 0, 0}, 10, 0.13486895f},
    {"every factor, man", {60, 1, 260, 35, 1, 160, 1, 1}, 10, 0.613842845f},
    {"every factor, woman", {60, 2, 260, 35, 1, 160, 1, 1}, 10, 0.589305699f},
    // Outside the domain: a logarithm of zero or less, a division by zero, an overflow.
    {"age 0", {0, 1, 240, 45, 1, 130, 0, 0}, 10, std::nullopt},
    {"age 0, female form", {0, 2, 240, 45, 1, 130, 0, 0}, 10, std::nullopt},
    {"negative age", {-5, 1, 240, 45, 1, 130, 0, 0}, 10, std::nullopt},
    {"SBP 0", {55, 1, 240, 45, 1, 0, 0, 0}, 10, std::nullopt},
    {"horizon 0", kDefaults, 0, std::nullopt},
    {"HDL 0", {55, 1, 240, 0, 1, 130, 0, 0}, 10, std::nullopt},
    {"TC 0", {55, 1, 0, 45, 1, 130, 0, 0}, 10, std::nullopt},
    {"negative TC/HDL", {55, 1, 240, -45, 1, 130, 0, 0}, 10, std::nullopt},
    {"smoking 32767 overflows sigma", {55, 1, 240, 45, 32767, 130, 0, 0}, 10, std::nullopt},
};

TEST(CalcProbCHD, GivesThePublishedEquationsSingleResult) {
  for (const ProbCase& c : kProbCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CalcProbCHD(c.in, c.years), c.expected);
  }
}

TEST(CalcProbCHD, LeavesAPersonAged74WithoutTheSquaredAgeTerm) {
  // ln(74/74) is 0, so every female-form code gives the same result at age 74.
  const RiskInputs woman{74, 2, 240, 45, 1, 130, 1, 0};
  const RiskInputs code7{74, 7, 240, 45, 1, 130, 1, 0};
  EXPECT_EQ(CalcProbCHD(woman, 10), CalcProbCHD(code7, 10));
  EXPECT_NE(CalcProbCHD(woman, 10), CalcProbCHD({73, 2, 240, 45, 1, 130, 1, 0}, 10));
}

struct AvgCase {
  std::int16_t age;
  float male, female;
};

const AvgCase kAvgCases[] = {
    {20, 0.05f, 0.05f},                          // the lines give -0.6 and -0.18: the floor
    {22, 0.05f, 0.05f},                          // the male line gives 0 up to rounding error
    {23, 0.3f, 0.05f},       {25, 0.9f, 0.05f},  // the female line gives 0.02
    {26, 1.2f, 0.06f},       {39, 5.1f, 0.58f},      {40, 5.4f, 1.464f},
    {41, 5.7f, 1.9997f},     {42, 6.045f, 2.5354f},  {55, 15.977f, 9.4995f},
    {75, 31.257f, 20.2135f}, {-32768, 0.05f, 0.05f}, {32767, 25007.9453f, 17533.3184f},
};

TEST(AvgRiskPct, FollowsTheLinesAboveTheFloor) {
  for (const AvgCase& c : kAvgCases) {
    SCOPED_TRACE(c.age);
    EXPECT_EQ(AvgRiskPct(c.age, false), c.male);
    EXPECT_EQ(AvgRiskPct(c.age, true), c.female);
  }
}

struct AgeCase {
  float pct;
  float male, female;
};

const AgeCase kAgeCases[] = {
    {0.0f, 22.0f, 24.5f},
    {0.05f, 22.166666f, 25.75f},
    {0.5f, 23.666666f, 37.0f},
    {0.59999996f, 24.0f, 39.5f},  // the largest single below 0.6: still the low female line
    {0.6f, 24.0f, 38.3871574f},
    {5.9f, 41.6666679f, 48.2807541f},
    {5.99999952f, 42.0f, 48.4674263f},  // the largest single below 6: still the low male line
    {6.0f, 41.9411011f, 48.4674263f},
    {20.0f, 60.2657051f, 74.6014557f},
    {35.0f, 79.8992157f, 102.602203f},
    {100.0f, 164.977753f, 223.938766f},
    {19.1994972f, 59.2179298f, 73.1071472f},  // 100 x the defaults' 10-year probability
    {13.4868946f, 51.7406998f, 62.4433365f},  // the same as a woman
    {-10.0f, -11.333333f, -225.5f},           // no lower bound
};

TEST(InfarctAgeFor, RunsTheLinesBackwardsWithoutTheFloor) {
  for (const AgeCase& c : kAgeCases) {
    SCOPED_TRACE(c.pct);
    EXPECT_EQ(InfarctAgeFor(c.pct, false), c.male);
    EXPECT_EQ(InfarctAgeFor(c.pct, true), c.female);
  }
}

TEST(InfarctAgeFor, GivesNoValueBeyondTheSingleRange) {
  constexpr float kMax = std::numeric_limits<float>::max();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const std::tuple<float, bool, bool> cases[] = {
      // pct, female, has a value
      {-1e37f, true, true},  {-1.4e37f, true, false},  // the female low line multiplies by 25
      {-1e38f, false, true}, {-kMax, false, false},    // the male low line by 3.3
      {kMax, true, false},   {kMax, false, false},     // the high lines by 1.9 and 1.3
      {-kInf, true, false},  {kInf, false, false},
  };
  for (const auto& [pct, female, hasValue] : cases) {
    SCOPED_TRACE(testing::Message() << pct << (female ? " female" : " male"));
    EXPECT_EQ(InfarctAgeFor(pct, female).has_value(), hasValue);
  }
}

}  // namespace
}  // namespace kvo
