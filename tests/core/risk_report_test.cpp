#include "main_window/risk_report.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace kvo {
namespace {

using Fields = std::array<std::string, kInputFieldCount>;

// Age, sex code, total cholesterol, HDL, smoking, SBP, diabetes, LVH.
const Fields kDefaults{"55", "1", "240", "45", "1", "130", "0", "0"};

Fields With(Fields fields, InputField field, std::string text) {
  fields[static_cast<std::size_t>(field)] = std::move(text);
  return fields;
}

TEST(CalcRiskReport, WritesTheDefaultsThirteenTextsInOrder) {
  const auto report = CalcRiskReport(kDefaults, ",");
  ASSERT_TRUE(report.has_value());
  EXPECT_FALSE(report->ageWarning);
  const std::array<BoxText, 13> expected{{
      {"txtProbCHD_0", "7,4 %"},
      {"txtProbCHD_1", "11,3 %"},
      {"txtProbCHD_2", "15,3 %"},
      {"txtProbCHD_3", "19,2 %"},
      {"txtProbCHD_4", "23,0 %"},
      {"txtProbCHD_5", "5,6 %"},
      {"txtProbCHD_6", "16,0 %"},
      {"txtProbCHD_7", "19,2 %"},
      {"txtProbCHD_8", "3,4 krát "},
      {"txtProbCHD_9", "1,2 krát "},
      {"txtVorlek", "59,2 let  "},
      {"txtAge2", "55 let      "},
      {"txtCHDRisk", "Pravděpodobnost infarktu behem prístích 10 let je 19,2%"},
  }};
  EXPECT_EQ(report->texts, expected);
}

struct ReportCase {
  const char* name;
  Fields fields;
  std::string separator;
  bool warning;
  std::map<std::string, std::string> texts;  // box -> text, for the boxes that the case checks
};

const ReportCase kReportCases[] = {
    {"defaults with a point",
     kDefaults,
     ".",
     false,
     {{"txtProbCHD_0", "7.4 %"},
      {"txtProbCHD_9", "1.2 krát "},
      {"txtVorlek", "59.2 let  "},
      {"txtCHDRisk", "Pravděpodobnost infarktu behem prístích 10 let je 19.2%"}}},
    {"a woman: female form, HDL floor 60 and female lines",
     With(kDefaults, InputField::Gender, "2"),
     ",",
     false,
     {{"txtProbCHD_0", "4,7 %"},
      {"txtProbCHD_1", "7,6 %"},
      {"txtProbCHD_2", "10,5 %"},
      {"txtProbCHD_3", "13,5 %"},
      {"txtProbCHD_4", "16,5 %"},
      {"txtProbCHD_5", "2,4 %"},
      {"txtProbCHD_6", "9,5 %"},
      {"txtProbCHD_7", "13,5 %"},
      {"txtProbCHD_8", "5,6 krát "},
      {"txtProbCHD_9", "1,4 krát "},
      {"txtVorlek", "62,4 let  "}}},
    {"sex code 3: female equation, male lines",
     With(kDefaults, InputField::Gender, "3"),
     ",",
     false,
     {{"txtProbCHD_0", "4,7 %"},
      {"txtProbCHD_3", "13,5 %"},
      {"txtProbCHD_5", "2,4 %"},
      {"txtProbCHD_6", "16,0 %"},
      {"txtProbCHD_7", "13,5 %"},
      {"txtProbCHD_8", "5,6 krát "},
      {"txtProbCHD_9", "0,8 krát "},
      {"txtVorlek", "51,7 let  "}}},
    {"age 24 warns and still reports",
     With(kDefaults, InputField::Age, "24"),
     ",",
     true,
     {{"txtAge2", "24 let      "}}},
    {"age 25 does not warn", With(kDefaults, InputField::Age, "25"), ",", false, {}},
    {"the age echo is the typed text",
     With(kDefaults, InputField::Age, "55.4"),
     ",",
     false,
     {{"txtAge2", "55.4 let      "}, {"txtProbCHD_3", "19,2 %"}}},
    {"a person who meets every ideal condition",
     {"60", "2", "170", "65", "0", "105", "0", "0"},
     ",",
     false,
     {{"txtProbCHD_3", "2,1 %"},
      {"txtProbCHD_5", "2,1 %"},
      {"txtProbCHD_7", "2,1 %"},
      {"txtProbCHD_8", "1,0 krát "}}},
    {"a young man at the floor of the average",
     {"22", "1", "200", "55", "0", "120", "0", "0"},
     ",",
     true,
     {{"txtProbCHD_6", "0,1 %"}, {"txtProbCHD_9", "2,9 krát "}, {"txtVorlek", "22,5 let  "}}},
};

TEST(CalcRiskReport, ComposesEachCasesTexts) {
  for (const ReportCase& c : kReportCases) {
    SCOPED_TRACE(c.name);
    const auto report = CalcRiskReport(c.fields, c.separator);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->ageWarning, c.warning);
    EXPECT_EQ(AgeWarningDue(c.fields[0]), c.warning);
    for (const BoxText& written : report->texts) {
      const auto expected = c.texts.find(written.box);
      if (expected != c.texts.end()) {
        EXPECT_EQ(written.text, expected->second) << written.box;
      }
    }
  }
}

struct ErrorCase {
  const char* name;
  Fields fields;
  ReportError expected;
};

const ErrorCase kErrorCases[] = {
    {"age beyond 16 bits",
     With(kDefaults, InputField::Age, "99999"),
     {ReportErrorKind::OutOfRange, InputField::Age}},
    {"sex code beyond 16 bits",
     With(kDefaults, InputField::Gender, "-32769"),
     {ReportErrorKind::OutOfRange, InputField::Gender}},
    {"LVH beyond 16 bits",
     With(kDefaults, InputField::LVH, "32767.5"),
     {ReportErrorKind::OutOfRange, InputField::LVH}},
    {"the first field out of range is named",
     With(With(kDefaults, InputField::SBP, "1e9999"), InputField::Smoking, "40000"),
     {ReportErrorKind::OutOfRange, InputField::Smoking}},
    {"out of range comes before below one",
     With(With(kDefaults, InputField::Age, ""), InputField::DM, "70000"),
     {ReportErrorKind::OutOfRange, InputField::DM}},
    {"empty age reads as 0",
     With(kDefaults, InputField::Age, ""),
     {ReportErrorKind::BelowOne, InputField::Age}},
    {"total cholesterol 0",
     With(kDefaults, InputField::Chol, "0"),
     {ReportErrorKind::BelowOne, InputField::Chol}},
    {"HDL 0", With(kDefaults, InputField::HDL, "0"), {ReportErrorKind::BelowOne, InputField::HDL}},
    {"HDL 0.4 rounds to 0",
     With(kDefaults, InputField::HDL, "0.4"),
     {ReportErrorKind::BelowOne, InputField::HDL}},
    {"negative SBP",
     With(kDefaults, InputField::SBP, "-120"),
     {ReportErrorKind::BelowOne, InputField::SBP}},
    {"smoking far from 0 and 1 overflows",
     With(kDefaults, InputField::Smoking, "32767"),
     {ReportErrorKind::NoFiniteResult, InputField::Age}},
    {"ideal man of 1 has probability 0",
     With(kDefaults, InputField::Age, "1"),
     {ReportErrorKind::NoFiniteResult, InputField::Age}},
    {"ideal woman of 15 has probability 0",
     With(With(kDefaults, InputField::Age, "15"), InputField::Gender, "2"),
     {ReportErrorKind::NoFiniteResult, InputField::Age}},
};

TEST(CalcRiskReport, GivesNoReportOutsideItsLimits) {
  for (const ErrorCase& c : kErrorCases) {
    SCOPED_TRACE(c.name);
    const auto report = CalcRiskReport(c.fields, ",");
    ASSERT_FALSE(report.has_value());
    EXPECT_EQ(report.error(), c.expected);
  }
}

TEST(CalcRiskReport, ReportsTheYoungestAgesThatStillHaveAnIdealRisk) {
  // The ideal person's probability first rises above 0 at 2 for men and 16 for women.
  EXPECT_TRUE(CalcRiskReport(With(kDefaults, InputField::Age, "2"), ",").has_value());
  EXPECT_TRUE(
      CalcRiskReport(With(With(kDefaults, InputField::Age, "16"), InputField::Gender, "2"), ",")
          .has_value());
}

TEST(AgeWarningDue, WarnsBelow25AndNotForAnUnreadableAge) {
  const std::pair<const char*, bool> cases[] = {{"24", true}, {"25", false}, {"24.5", true},
                                                {"", true},   {"-3", true},  {"99999", false}};
  for (const auto& [text, due] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(AgeWarningDue(text), due);
  }
}

}  // namespace
}  // namespace kvo
