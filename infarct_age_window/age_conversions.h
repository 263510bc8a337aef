// The two conversions of the infarct-age window, from field texts to result texts. Pure
// computation, so the window can show a result or a message without arithmetic of its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvo {

// The infarct age for a typed risk percentage, which is read as a single and capped at 35
// (there is no lower bound), shown with "##.0" alone. Gives no text when the age has no
// finite single value, which takes a negative percentage of huge magnitude.
// Example: "0.5" for a woman gives "37,0" with the separator ",".
std::optional<std::string> InfarctAgeText(std::string_view percentText, bool female,
                                          std::string_view decimalSeparator);

// The average 10-year risk for a typed age from 20 to 75, shown with "##.0" and " %". Gives
// no text for any other age, one beyond 16 bits included.
// Example: "20" for a man gives ",1 %" with the separator ",".
std::optional<std::string> AverageRiskText(std::string_view ageText, bool female,
                                           std::string_view decimalSeparator);

}  // namespace kvo
