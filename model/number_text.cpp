#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <system_error>
#include <utility>

#include "model/single.h"

namespace kvo {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos;
}

// The nearest double to the unsigned decimal intDigits.fracDigits (at least one digit in all).
double DecimalValue(std::string_view intDigits, std::string_view fracDigits) {
  // Up to 15 digits a whole number is exact in double: no need for the general reader.
  if (fracDigits.empty() && intDigits.size() <= 15) {
    double value = 0.0;
    for (const char digit : intDigits) value = value * 10 + (digit - '0');
    return value;
  }
  std::string decimal(intDigits.empty() ? std::string_view("0") : intDigits);
  if (!fracDigits.empty()) {
    decimal += '.';
    decimal += fracDigits;
  }
  double value = 0.0;
  const auto [end, ec] = std::from_chars(decimal.data(), decimal.data() + decimal.size(), value,
                                         std::chars_format::fixed);
  if (ec == std::errc::result_out_of_range) {
    // Without an exponent, only a long integer part can overflow; anything else underflows.
    const bool overflow = intDigits.find_first_not_of('0') != std::string_view::npos;
    return overflow ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

// The magnitude in tenths, rounded half away from zero, when no half lies near it: then the
// shortest text of the single and its exact value round alike. Gives no value near a half.
std::optional<std::uint64_t> RoundedTenthsAwayFromHalf(float magnitude) {
  if (!(magnitude < 1e6f)) return std::nullopt;
  const double hundredths = static_cast<double>(magnitude) * 100.0;  // exact: 24 + 7 bits
  const double whole = std::floor(hundredths);
  const auto wholeHundredths = static_cast<std::uint64_t>(whole);
  const double fromHalf =
      std::fabs(static_cast<double>(wholeHundredths % 10) + (hundredths - whole) - 5.0);
  // The shortest text lies within half an ulp, at most magnitude / 2^24, of the value; stay
  // well clear of that.
  if (fromHalf <= hundredths * 0x1p-20) return std::nullopt;
  return static_cast<std::uint64_t>((hundredths + 5.0) / 10.0);
}

// Writes `tenths` with at least two digits ("05" for 0.5) at the start of buffer.
std::pair<char*, char*> WriteTenths(std::uint64_t tenths, char* buffer) {
  buffer[0] = '0';
  const bool belowOne = tenths < 10;
  char* const end = std::to_chars(buffer + (belowOne ? 1 : 0), buffer + 32, tenths).ptr;
  return {buffer, end};
}

// Rounds the shortest decimal text that reads back as the same single: halves away from zero,
// a hundredths digit of 5 or more rounding the tenths up (the single nearest to 12.45 lies just
// below it, but its shortest text is 12.45, so it shows as 12.5).
std::pair<char*, char*> RoundShortestText(float value, char* buffer) {
  // Written one place to the right, leaving room for a carry into a new leading digit.
  buffer[0] = '0';
  char* const first = buffer + 1;
  char* const last =
      std::to_chars(first, buffer + 62, std::fabs(value), std::chars_format::fixed).ptr;
  char* const point = std::find(first, last, '.');
  if (point == last) point[1] = '0';  // a whole number: tenths 0, and no hundredths
  const bool roundUp = point + 2 < last && point[2] >= '5';
  // The tenths digit moves next to the integer digits, so that a carry runs through both.
  point[0] = point[1];
  if (roundUp) {
    char* digit = point;
    while (*digit == '9') *digit-- = '0';
    ++*digit;  // at worst the spare leading '0' becomes '1'
  }
  return {buffer, point + 1};
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
  std::size_t pos = text.find_first_not_of(" \t\n");
  if (pos == std::string_view::npos) return 0.0;
  const bool negative = text[pos] == '-';
  if (text[pos] == '-' || text[pos] == '+') ++pos;
  const std::size_t intEnd = SkipDigits(text, pos);
  const std::string_view intDigits = text.substr(pos, intEnd - pos);
  std::string_view fracDigits;
  if (intEnd < text.size() && text[intEnd] == '.') {
    fracDigits = text.substr(intEnd + 1, SkipDigits(text, intEnd + 1) - (intEnd + 1));
  }
  if (intDigits.empty() && fracDigits.empty()) return 0.0;
  const double magnitude = DecimalValue(intDigits, fracDigits);
  return negative ? -magnitude : magnitude;
}

std::optional<std::int16_t> ReadIntField(std::string_view text) {
  const double v = ParseLeadingNumber(text);
  // -32768.5 rounds (to even) to -32768, while 32767.5 would round to 32768.
  if (!(v >= -32768.5 && v < 32767.5)) return std::nullopt;
  // Round half to even: the default rounding mode of nearbyint.
  return static_cast<std::int16_t>(std::nearbyint(v));
}

float ReadSingleField(std::string_view text) {
  return RoundToSingle(ParseLeadingNumber(text));
}

std::string FormatFixed(float value, std::string_view pattern, std::string_view decimalSeparator) {
  if (!std::isfinite(value)) return std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf");
  const std::optional<std::uint64_t> quick = RoundedTenthsAwayFromHalf(std::fabs(value));
  // Digits of the rounded magnitude, the last one being the tenths.
  char buffer[64];
  const auto [begin, end] = quick ? WriteTenths(*quick, buffer) : RoundShortestText(value, buffer);
  const char* integer = std::find_if(begin, end - 1, [](char c) { return c != '0'; });
  const bool roundsToZero = integer == end - 1 && end[-1] == '0';
  // A "0" before the pattern's point keeps one integer digit for magnitudes below 1.
  const bool keepsZero = pattern.substr(0, pattern.find('.')).find('0') != std::string_view::npos;
  if (integer == end - 1 && keepsZero) --integer;

  std::string text;
  text.reserve(static_cast<std::size_t>(end - integer) + decimalSeparator.size() + 1);
  if (value < 0 && !roundsToZero) text += '-';
  text.append(integer, static_cast<std::size_t>(end - 1 - integer));
  text += decimalSeparator;
  text += end[-1];
  return text;
}

}  // namespace kvo
