#include "infarct_age_window/age_conversions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kvo {
namespace {

struct Case {
  std::string text;
  bool female;
  std::optional<std::string> expected;  // with a comma
};

TEST(InfarctAgeText, CapsAt35AndHasNoLowerBound) {
  const Case cases[] = {
      {"", true, "24,5"},
      {"0", false, "22,0"},
      {"0.5", true, "37,0"},
      {"0.6", true, "38,4"},
      {"5.9", false, "41,7"},
      {"6", false, "41,9"},
      {"35", false, "79,9"},
      {"35", true, "102,6"},
      {"50", false, "79,9"},
      {"100", false, "79,9"},
      {"12,5", false, "49,8"},
      {"-10", false, "-11,3"},
      {"35.000001", false, "79,9"},
      {"1" + std::string(400, '0'), false, "79,9"},       // beyond every range, still capped
      {"-2" + std::string(37, '0'), true, std::nullopt},  // the female low line multiplies by 25
      {"-1" + std::string(400, '0'), false, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(InfarctAgeText(c.text, c.female, ","), c.expected);
  }
  EXPECT_EQ(InfarctAgeText("0.5", true, "."), "37.0");
}

TEST(AverageRiskText, ShowsAgesFrom20To75Only) {
  const Case cases[] = {
      {"55", true, "9,5 %"},       {"55", false, "16,0 %"},       {"20", false, ",1 %"},
      {"75", true, "20,2 %"},      {"19.5", true, ",1 %"},        {"19", true, std::nullopt},
      {"76", false, std::nullopt}, {"75.5", true, std::nullopt},  {"", false, std::nullopt},
      {"abc", true, std::nullopt}, {"99999", true, std::nullopt}, {"-99999", false, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(AverageRiskText(c.text, c.female, ","), c.expected);
  }
  EXPECT_EQ(AverageRiskText("20", false, "."), ".1 %");
}

}  // namespace
}  // namespace kvo
