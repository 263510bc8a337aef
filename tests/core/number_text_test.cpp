#include "model/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace kvo {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

const std::string kHugeDigits(400, '9');
const std::string kTinyFraction = "0." + std::string(400, '0') + "1";

struct ParseCase {
  std::string text;
  double expected;
};

TEST(ParseLeadingNumber, ReadsOnlyTheLeadingDecimalNumber) {
  const ParseCase cases[] = {
      {"55", 55},
      {"  55 let", 55},
      {"\t\n 7", 7},
      {"\r7", 0},
      {"+7", 7},
      {"-3", -3},
      {"12.5", 12.5},
      {"12,5", 12},
      {".5", 0.5},
      {"-.5", -0.5},
      {"5.", 5},
      {"1.2.3", 1.2},
      {"1 2", 1},
      {"- 1", 0},
      {"+", 0},
      {".", 0},
      {"", 0},
      {"abc", 0},
      {"1e3", 1},
      {"0x10", 0},
      {"nan", 0},
      {"inf", 0},
      {"-inf", 0},
      {"12%", 12},
      {"0.1", 0.1},
      {"٣", 0},
      {"007", 7},
      {kHugeDigits, kInf},
      {"-" + kHugeDigits, -kInf},
      {kTinyFraction, 0},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseLeadingNumber(c.text), c.expected);
  }
}

struct IntCase {
  std::string text;
  std::optional<std::int16_t> expected;
};

TEST(ReadIntField, RoundsHalvesToEvenWithinSixteenBits) {
  const IntCase cases[] = {
      {"55", 55},
      {"55 let", 55},
      {"  55", 55},
      {"+7", 7},
      {"-3", -3},
      {"5.5", 6},
      {"6.5", 6},
      {"0.5", 0},
      {"1.5", 2},
      {"2.5", 2},
      {"-0.5", 0},
      {"-2.5", -2},
      {"5,5", 5},
      {".5", 0},
      {"0.50000000001", 1},
      {"1.2.3", 1},
      {"", 0},
      {"abc", 0},
      {"32767.4", 32767},
      {"32767.49999999999", 32767},
      {"32767.5", std::nullopt},
      {"32768", std::nullopt},
      {"99999", std::nullopt},
      {"-32768.5", -32768},
      {"-32768.50000001", std::nullopt},
      {"-32769", std::nullopt},
      {kHugeDigits, std::nullopt},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ReadIntField(c.text), c.expected);
  }
}

TEST(ReadSingleField, GivesTheNearestSingleWithoutLimits) {
  const std::pair<std::string, float> cases[] = {
      {"12.5", 12.5f},
      {"12,5", 12.0f},
      {"", 0.0f},
      {"0.1", 0.1f},
      {"36", 36.0f},
      {"-10", -10.0f},
      {"16777217", 16777216.0f},  // a tie between two singles: to even
      // Read as a double first: this double lies below the single half-way to infinity ...
      {"340282356779733600000000000000000000000", std::numeric_limits<float>::max()},
      // ... while this text, one below that half-way point, reads as the double at it.
      {"340282356779733661637539395458142568447", std::numeric_limits<float>::infinity()},
      {"-" + kHugeDigits, -std::numeric_limits<float>::infinity()},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ReadSingleField(text), expected);
  }
}

struct FormatCase {
  float value;
  const char* wide;    // "#0.0" and "##0.0"
  const char* narrow;  // "##.0"
};

// Written with a comma; the test swaps in each separator.
const FormatCase kFormatCases[] = {
    {0.0f, "0,0", ",0"},
    {0.04f, "0,0", ",0"},
    {0.05f, "0,1", ",1"},
    {0.5f, "0,5", ",5"},
    {0.96f, "1,0", "1,0"},
    {9.96f, "10,0", "10,0"},
    {99.95f, "100,0", "100,0"},
    {12.25f, "12,3", "12,3"},
    {12.34f, "12,3", "12,3"},
    {12.45f, "12,5", "12,5"},  // stored just below 12.45, but its shortest text is a half
    {12.449999f, "12,4", "12,4"},
    {1234.5f, "1234,5", "1234,5"},
    {6655847424.0f, "6655847424,0", "6655847424,0"},
    {3.4028235e38f, "340282346638528859811704183484516925440,0",
     "340282346638528859811704183484516925440,0"},
    {1e-45f, "0,0", ",0"},
    {-3.25f, "-3,3", "-3,3"},
    {-0.5f, "-0,5", "-,5"},
    {-0.04f, "0,0", ",0"},  // rounds to zero: no minus
    {-0.0f, "0,0", ",0"},
    {-0.05f, "-0,1", "-,1"},
};

std::string WithSeparator(std::string text, const std::string& separator) {
  return text.replace(text.find(','), 1, separator);
}

TEST(FormatFixed, ShowsOneDecimalWithTheCallersSeparator) {
  for (const std::string separator : {",", ".", "?"}) {
    for (const FormatCase& c : kFormatCases) {
      SCOPED_TRACE(testing::Message() << c.value << " with " << separator);
      EXPECT_EQ(FormatFixed(c.value, "#0.0", separator), WithSeparator(c.wide, separator));
      EXPECT_EQ(FormatFixed(c.value, "##0.0", separator), WithSeparator(c.wide, separator));
      EXPECT_EQ(FormatFixed(c.value, "##.0", separator), WithSeparator(c.narrow, separator));
    }
  }
}

// The rule spelled out on the shortest text, digit by digit, for "#0.0" with a comma.
std::string RoundShortestText(float value) {
  char buffer[64];
  const std::string shortest(
      buffer, std::to_chars(buffer, buffer + 64, std::fabs(value), std::chars_format::fixed).ptr);
  const std::size_t point = std::min(shortest.find('.'), shortest.size());
  const std::string fraction = shortest.substr(std::min(point + 1, shortest.size())) + "00";
  long long tenths = std::stoll("0" + shortest.substr(0, point)) * 10 + (fraction[0] - '0');
  if (fraction[1] >= '5') ++tenths;
  const std::string sign = value < 0 && tenths != 0 ? "-" : "";
  return sign + std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

TEST(FormatFixed, JudgesEveryHalfOnTheShortestText) {
  // Every single within 64 steps of each half from 0.05 to 999.95, and across 1e6, where the
  // formatting takes different roads.
  std::vector<float> values;
  for (int k = 0; k < 10000; ++k) {
    const float half = (static_cast<float>(k) * 10.0f + 5.0f) / 100.0f;
    float below = half, above = half;
    for (int step = 0; step < 64; ++step) {
      values.push_back(below = std::nextafter(below, 0.0f));
      values.push_back(above = std::nextafter(above, 2e6f));
    }
    values.push_back(half);
  }
  for (float v = 999990.0f; v < 1000010.0f; v = std::nextafter(v, 2e6f)) values.push_back(v);
  for (const float value : values) {
    for (const float signedValue : {value, -value}) {
      ASSERT_EQ(FormatFixed(signedValue, "#0.0", ","), RoundShortestText(signedValue))
          << std::setprecision(9) << signedValue;
    }
  }
}

}  // namespace
}  // namespace kvo
