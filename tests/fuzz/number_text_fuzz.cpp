// Fuzzes the number rules with any text, and FormatFixed with any single, checking properties
// of their results besides the absence of crashes.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "model/number_text.h"

namespace {

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
  }
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

void CheckReading(std::string_view text) {
  const double v = kvo::ParseLeadingNumber(text);
  Check(!std::isnan(v), "a text reads as a number, never NaN");
  // Whole numbers to even, and in range exactly when that integer fits in 16 bits.
  const double rounded = std::nearbyint(v);
  const auto integer = kvo::ReadIntField(text);
  const bool inRange = rounded >= -32768 && rounded <= 32767;
  Check(integer.has_value() == inRange, "ReadIntField is in range exactly for 16-bit integers");
  if (integer) Check(*integer == rounded, "ReadIntField rounds the leading number half to even");
  const float single = kvo::ReadSingleField(text);
  if (std::fabs(v) <= std::numeric_limits<float>::max()) {
    Check(single == static_cast<float>(v), "ReadSingleField is the nearest single");
  } else {
    Check(std::isinf(single) || std::fabs(single) == std::numeric_limits<float>::max(),
          "beyond the single range, the largest single or an infinity");
  }
}

// -?D*SEPd, where D* has no leading zero unless it is the single digit "0".
void CheckShape(const std::string& text, float value, std::string_view sep, bool wide) {
  std::string_view rest(text);
  const bool minus = !rest.empty() && rest.front() == '-';
  if (minus) rest.remove_prefix(1);
  Check(!minus || value < 0, "a minus only before a negative value");
  Check(rest.size() >= sep.size() + 1, "at least a separator and a digit");
  Check(IsDigit(rest.back()), "one digit after the separator");
  rest.remove_suffix(1);
  Check(rest.ends_with(sep), "the separator before the last digit");
  rest.remove_suffix(sep.size());
  for (char c : rest) Check(IsDigit(c), "only digits before the separator");
  Check(rest.size() <= 1 || rest.front() != '0', "no leading zeros");
  if (wide) Check(!rest.empty(), "\"#0.0\" always writes an integer digit");
  if (!wide) Check(rest != "0", "\"##.0\" writes no lone zero");
}

void CheckFormatting(float value) {
  if (!std::isfinite(value)) return;
  for (const std::string_view sep : {",", "."}) {
    const std::string wide = kvo::FormatFixed(value, "#0.0", sep);
    Check(wide == kvo::FormatFixed(value, "##0.0", sep), "\"#0.0\" and \"##0.0\" agree");
    const std::string narrow = kvo::FormatFixed(value, "##.0", sep);
    CheckShape(wide, value, sep, true);
    CheckShape(narrow, value, sep, false);
    const std::size_t zeroAt = wide.find(std::string("0") + std::string(sep));
    const bool belowOne = zeroAt == 0 || (zeroAt == 1 && wide[0] == '-');
    Check(belowOne ? narrow == std::string(wide).erase(zeroAt, 1) : narrow == wide,
          "\"##.0\" differs only by the lone zero below 1");
  }
  // The text is the value to within half a tenth, give or take the single's own precision.
  const double shown = std::strtod(kvo::FormatFixed(value, "#0.0", ".").c_str(), nullptr);
  const double error = std::fabs(shown - value);
  Check(error <= 0.05 + std::fabs(value) * 1e-6, "the text is the value rounded to a tenth");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckReading(text);
  CheckFormatting(kvo::ReadSingleField(text));
  if (size >= 4) {
    std::uint32_t bits;
    std::memcpy(&bits, data, 4);
    CheckFormatting(std::bit_cast<float>(bits));
  }
  return 0;
}
