#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

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
  // The shortest decimal text that reads back as this single decides the digits and halves.
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
  const std::string_view shortest(buffer, result.ptr);
  const std::size_t point = shortest.find('.');
  std::string digits(shortest.substr(0, point));  // integer digits, then the tenths digit
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : shortest.substr(point + 1);
  digits += fraction.empty() ? '0' : fraction[0];
  // Halves away from zero: a hundredths digit of 5 or more rounds the tenths up.
  if (fraction.size() > 1 && fraction[1] >= '5') {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[i - 1];
    }
  }
  const bool roundsToZero = digits.find_first_not_of('0') == std::string::npos;
  std::string_view integer(digits.data(), digits.size() - 1);
  integer.remove_prefix(std::min(integer.find_first_not_of('0'), integer.size()));
  // A "0" before the pattern's point keeps one integer digit for magnitudes below 1.
  const bool keepsZero = pattern.substr(0, pattern.find('.')).find('0') != std::string_view::npos;
  if (integer.empty() && keepsZero) integer = "0";
  std::string text = (value < 0 && !roundsToZero) ? "-" : "";
  text += integer;
  text += decimalSeparator;
  text += digits.back();
  return text;
}

}  // namespace kvo
