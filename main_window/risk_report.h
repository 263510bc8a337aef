// The risk report of the main window, from the eight input texts to the thirteen result texts.
// Pure computation: it touches no window, so the window can compute everything first and then
// write all thirteen boxes, or none of them when the report fails.
#pragma once

#include <array>
#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

namespace kvo {

// The input fields in the order in which the report reads them.
enum class InputField : std::uint8_t { Age, Gender, Chol, HDL, Smoking, SBP, DM, LVH };
inline constexpr std::size_t kInputFieldCount = 8;

// The object name of an input field's widget, e.g. "txtAge".
std::string_view InputFieldBox(InputField field);

enum class ReportErrorKind : std::uint8_t {
  OutOfRange,      // the field's number lies outside -32768..32767
  BelowOne,        // an age, total cholesterol, HDL or systolic pressure below 1
  NoFiniteResult,  // the equation has no finite result for these values
};

struct ReportError {
  ReportErrorKind kind;
  InputField field;  // the offending field; Age for NoFiniteResult, which names none
  friend bool operator==(const ReportError&, const ReportError&) = default;
};

// One result text and the object name of the box that receives it.
struct BoxText {
  std::string box;
  std::string text;
  friend bool operator==(const BoxText&, const BoxText&) = default;
};

struct RiskReport {
  bool ageWarning;                // the age is below 25
  std::array<BoxText, 13> texts;  // in the order of writing
};

// The age warning is due when the age field reads as an age below 25, for either sex.
bool AgeWarningDue(std::string_view ageText);

// The whole report, or the first reason why there is none. Fields are read in the order of
// InputField. The boxes are "txtProbCHD_0" ... "txtProbCHD_9", "txtVorlek", "txtAge2" and
// "txtCHDRisk". `decimalSeparator` is the user's locale's, e.g. ",".
std::expected<RiskReport, ReportError> CalcRiskReport(
    const std::array<std::string, kInputFieldCount>& fieldTexts, std::string_view decimalSeparator);

}  // namespace kvo
