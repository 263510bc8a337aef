// Fuzzes the whole report with eight field texts cut from the input at line feeds, checking
// that a report is either an error or thirteen complete texts, always the same for the same
// texts.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "main_window/risk_report.h"

namespace {

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
  }
}

constexpr const char* kBoxes[13] = {"txtProbCHD_0", "txtProbCHD_1", "txtProbCHD_2", "txtProbCHD_3",
                                    "txtProbCHD_4", "txtProbCHD_5", "txtProbCHD_6", "txtProbCHD_7",
                                    "txtProbCHD_8", "txtProbCHD_9", "txtVorlek",    "txtAge2",
                                    "txtCHDRisk"};

bool IsNumber(std::string_view text, std::string_view sep) {
  if (text.starts_with('-')) text.remove_prefix(1);
  if (text.size() < sep.size() + 1) return false;
  const std::size_t at = text.size() - 1 - sep.size();
  if (text.substr(at, sep.size()) != sep) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((i < at || i == text.size() - 1) && (text[i] < '0' || text[i] > '9')) return false;
  }
  return true;
}

// N followed by `words`, where N is a number with one decimal.
bool HasShape(std::string_view text, std::string_view words, std::string_view sep) {
  return text.ends_with(words) && IsNumber(text.substr(0, text.size() - words.size()), sep);
}

void CheckReport(const kvo::RiskReport& report, const std::array<std::string, 8>& fields,
                 std::string_view sep) {
  for (std::size_t i = 0; i < 13; ++i) Check(report.texts[i].box == kBoxes[i], "boxes in order");
  for (std::size_t i = 0; i < 8; ++i) Check(HasShape(report.texts[i].text, " %", sep), "N %");
  Check(HasShape(report.texts[8].text, " krát ", sep), "relative to the ideal person");
  Check(HasShape(report.texts[9].text, " krát ", sep), "relative to the average");
  Check(HasShape(report.texts[10].text, " let  ", sep), "infarct age");
  Check(report.texts[11].text == fields[0] + " let      ", "the age echo is the typed text");
  const std::string_view sentence = "Pravděpodobnost infarktu behem prístích 10 let je ";
  const std::string_view last = report.texts[12].text;
  Check(last.starts_with(sentence) && HasShape(last.substr(sentence.size()), "%", sep),
        "the 10-year sentence");
  Check(report.texts[3].text == report.texts[7].text, "the 10-year risk shown twice alike");
  Check(report.ageWarning == kvo::AgeWarningDue(fields[0]), "the warning follows the age");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view sep = !input.empty() && input.front() == '.' ? "." : ",";
  std::array<std::string, 8> fields;
  for (std::string& field : fields) {
    const std::size_t end = input.find('\n');
    field = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
  }
  const auto report = kvo::CalcRiskReport(fields, sep);
  const auto again = kvo::CalcRiskReport(fields, sep);
  Check(report.has_value() == again.has_value(), "the same texts, the same outcome");
  if (!report) {
    Check(report.error() == again.error(), "the same error");
    Check(static_cast<std::size_t>(report.error().field) < 8, "an error names a real field");
    return 0;
  }
  Check(report->texts == again->texts && report->ageWarning == again->ageWarning,
        "the same report");
  CheckReport(*report, fields, sep);
  return 0;
}
