#include "main_window/risk_report.h"

#include <cmath>
#include <optional>

#include "model/number_text.h"
#include "model/risk_model.h"

namespace kvo {
namespace {

constexpr std::int16_t kWarningAgeBelow = 25;
constexpr std::int16_t kHorizons[] = {4, 6, 8, 10, 12};
constexpr std::int16_t kIdealHorizon = 10;

constexpr std::string_view kPercent = " %";
constexpr std::string_view kTimes = " krát ";
constexpr std::string_view kYears = " let  ";
constexpr std::string_view kAgeEcho = " let      ";
constexpr std::string_view kSentence = "Pravděpodobnost infarktu behem prístích 10 let je ";

// The ideal person of the same age and sex: no risk factor above its ideal value.
RiskInputs IdealInputs(RiskInputs in) {
  const std::int16_t hdlFloor = in.sexCode == 1 ? 50 : 60;
  if (in.totalChol > 180) in.totalChol = 180;
  if (in.hdl < hdlFloor) in.hdl = hdlFloor;
  if (in.sbp > 110) in.sbp = 110;
  in.smoking = in.diabetes = in.lvh = 0;
  return in;
}

std::expected<RiskInputs, ReportError> ReadInputs(
    const std::array<std::string, kInputFieldCount>& texts) {
  std::array<std::int16_t, kInputFieldCount> values{};
  for (std::size_t i = 0; i < kInputFieldCount; ++i) {
    const std::optional<std::int16_t> value = ReadIntField(texts[i]);
    if (!value) return std::unexpected(ReportError{ReportErrorKind::OutOfRange, InputField(i)});
    values[i] = *value;
  }
  const RiskInputs in{values[0], values[1], values[2], values[3],
                      values[4], values[5], values[6], values[7]};
  // The equation takes logarithms of these, for the person and for the ideal person.
  for (const auto& [value, field] :
       {std::pair{in.age, InputField::Age}, std::pair{in.totalChol, InputField::Chol},
        std::pair{in.hdl, InputField::HDL}, std::pair{in.sbp, InputField::SBP}}) {
    if (value < 1) return std::unexpected(ReportError{ReportErrorKind::BelowOne, field});
  }
  return in;
}

// Every number of the report, computed before any text is made. A probability shown as a
// percentage is 100 times it, rounded to single once.
struct WorkingValues {
  std::array<float, 5> pct;  // at 4, 6, 8, 10 and 12 years; pct[3] is the 10-year risk
  float pctIdeal, avg, r1, r2, infarctAge;
};

std::optional<WorkingValues> ComputeValues(const RiskInputs& in) {
  std::array<float, 5> p{};
  for (std::size_t i = 0; i < p.size(); ++i) {
    const std::optional<float> pi = CalcProbCHD(in, kHorizons[i]);
    if (!pi) return std::nullopt;
    p[i] = *pi;
  }
  const float p10 = p[3];
  const std::optional<float> pIdeal = CalcProbCHD(IdealInputs(in), kIdealHorizon);
  if (!pIdeal || *pIdeal == 0.0f) return std::nullopt;
  const float r1 = p10 / *pIdeal;  // single precision, rounded once
  if (!std::isfinite(r1)) return std::nullopt;
  // Sex code 2 alone takes the female lines; the equation's female form takes every code but 1.
  const bool female = in.sexCode == 2;
  const float avg = AvgRiskPct(in.age, female);
  const float pct10 = 100.0f * p10;
  const std::optional<float> infarctAge = InfarctAgeFor(pct10, female);
  if (!infarctAge) return std::nullopt;
  return WorkingValues{
      .pct = {100.0f * p[0], 100.0f * p[1], 100.0f * p[2], pct10, 100.0f * p[4]},
      .pctIdeal = 100.0f * *pIdeal,
      .avg = avg,
      .r1 = r1,
      .r2 = pct10 / avg,  // avg is at least 0.05
      .infarctAge = *infarctAge,
  };
}

std::string Sentence(std::string_view number) {
  std::string text;
  text.reserve(kSentence.size() + number.size() + 1);
  return text.append(kSentence).append(number).append("%");
}

RiskReport ComposeTexts(const WorkingValues& v, std::string_view ageText,
                        std::string_view separator, bool ageWarning) {
  auto fixed = [separator](float value, std::string_view pattern, std::string_view words) {
    return FormatFixed(value, pattern, separator).append(words);
  };
  auto percent = [&](float value) { return fixed(value, "#0.0", kPercent); };
  return RiskReport{ageWarning,
                    {{
                        {"txtProbCHD_0", percent(v.pct[0])},
                        {"txtProbCHD_1", percent(v.pct[1])},
                        {"txtProbCHD_2", percent(v.pct[2])},
                        {"txtProbCHD_3", percent(v.pct[3])},
                        {"txtProbCHD_4", percent(v.pct[4])},
                        {"txtProbCHD_5", percent(v.pctIdeal)},
                        {"txtProbCHD_6", percent(v.avg)},
                        {"txtProbCHD_7", percent(v.pct[3])},
                        {"txtProbCHD_8", fixed(v.r1, "#0.0", kTimes)},
                        {"txtProbCHD_9", fixed(v.r2, "#0.0", kTimes)},
                        {"txtVorlek", fixed(v.infarctAge, "##.0", kYears)},
                        {"txtAge2", std::string(ageText).append(kAgeEcho)},
                        {"txtCHDRisk", Sentence(FormatFixed(v.pct[3], "##0.0", separator))},
                    }}};
}

}  // namespace

std::string_view InputFieldBox(InputField field) {
  static constexpr std::string_view kBoxes[kInputFieldCount] = {
      "txtAge", "txtGender", "txtChol", "txtHDL", "txtSmoking", "txtSBP", "txtDM", "txtLVH"};
  return kBoxes[static_cast<std::size_t>(field)];
}

bool AgeWarningDue(std::string_view ageText) {
  const std::optional<std::int16_t> age = ReadIntField(ageText);
  return age && *age < kWarningAgeBelow;
}

std::expected<RiskReport, ReportError> CalcRiskReport(
    const std::array<std::string, kInputFieldCount>& fieldTexts,
    std::string_view decimalSeparator) {
  const std::expected<RiskInputs, ReportError> inputs = ReadInputs(fieldTexts);
  if (!inputs) return std::unexpected(inputs.error());
  const std::optional<WorkingValues> values = ComputeValues(*inputs);
  if (!values)
    return std::unexpected(ReportError{ReportErrorKind::NoFiniteResult, InputField::Age});
  return ComposeTexts(*values, fieldTexts[0], decimalSeparator, inputs->age < kWarningAgeBelow);
}

}  // namespace kvo
