// How field texts become numbers and numbers become result texts.
//
// Reading: the point is the only decimal separator, in every locale, and a text without a
// leading number reads as 0. Showing: one decimal, halves away from zero, and the decimal
// separator that the caller passes (the user's locale's, chosen at the window's edge).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvo {

// The number at the start of `text`: leading spaces, tabs and line feeds are skipped, then an
// optional sign, digits and an optional point with more digits. Anything else ends the number,
// a space between digits too; there is no exponent and no radix prefix ("1e3" reads 1, "0x10"
// reads 0, "inf" reads 0). Gives the nearest double; beyond the double range, an infinity.
// Example: "  12.5 mg" reads 12.5, "5,5" reads 5, "abc" reads 0.
double ParseLeadingNumber(std::string_view text);

// The leading number rounded to the nearest integer, halves to even (2.5 gives 2, -2.5
// gives -2). Gives no value when the result would leave -32768..32767, that is for
// any number below -32768.5 or from 32767.5 up.
std::optional<std::int16_t> ReadIntField(std::string_view text);

// The leading number rounded to the nearest single; beyond the single range, an infinity.
float ReadSingleField(std::string_view text);

// `value` with one decimal. `pattern` is "#0.0", "##0.0" or "##.0"; they differ only when the
// rounded magnitude is below 1, where "##.0" writes no integer digit. Halves go away from zero
// and are judged on the shortest decimal text that reads back as the same single, so the single
// nearest to 12.45 (stored just below it) shows as 12,5. All integer digits are shown, with no
// grouping. A negative value that rounds to zero shows without a minus.
// Example: FormatFixed(0.5f, "##.0", ",") gives ",5"; FormatFixed(-3.25f, "#0.0", ".") "-3.3".
// A non-finite value, which no caller passes, shows as "inf", "-inf" or "nan".
std::string FormatFixed(float value, std::string_view pattern, std::string_view decimalSeparator);

}  // namespace kvo
