#include "engine/convert_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/convert_by_name.h"

namespace quantivo::engine {
namespace {

using catalogue::UnitCatalogue;

// Length list positions.
constexpr int kKilometer = 0;
constexpr int kMeter = 3;
constexpr int kMillimeter = 6;
constexpr int kFermi = 10;
constexpr int kMile = 11;
constexpr int kRod = 14;
constexpr int kPerch = 15;
constexpr int kPole = 16;
constexpr int kFoot = 19;
constexpr int kInch = 21;
constexpr int kMegaparsec = 23;
constexpr int kMileUsSurvey = 29;

class ConvertLength : public testing::Test {
 protected:
  std::string Convert(const std::string& text, int from, int to,
                      ResultFormat format = ResultFormat{}) const {
    return EnglishText(ConvertText(m_catalogue, 0, from, to, text, format, NumberLocale{}));
  }

  const UnitCatalogue m_catalogue;
};

struct Case {
  const char* in;
  const char* out;
};

TEST_F(ConvertLength, BadInputIsReportedByPosition) {
  constexpr Case kCases[] = {
      {"-", "invalid number [2]"},     {"+", "invalid number [2]"},
      {"1,5", "invalid number [2]"},   {"1..2", "invalid number [3]"},
      {"1E+", "invalid number [4]"},   {" ", "invalid number [2]"},
      {"   ", "invalid number [4]"},   {"5 ", "invalid number [2]"},
      {"1.2.3", "invalid number [4]"}, {"ABC", "invalid number [1]"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(Convert(c.in, kMeter, kFoot), c.out);
  }
}

TEST_F(ConvertLength, UnfinishedNumbersAreCompleted) {
  constexpr Case kCases[] = {{"1E", "1"}, {"2.", "2"}, {".", "0"}, {"E", "0"}, {"-.", "0"}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(Convert(c.in, kMeter, kMeter), c.out);
  }
}

TEST_F(ConvertLength, NothingToConvertGivesAnEmptyOutput) {
  EXPECT_EQ(Convert("", kMeter, kFoot), "");
  EXPECT_EQ(Convert("5", -1, kFoot), "");
  EXPECT_EQ(Convert("5", kMeter, -1), "");
  EXPECT_EQ(Convert("5", -1, -1), "");
  EXPECT_EQ(Convert("garbage", -1, kFoot), "");
  EXPECT_EQ(Convert("5", kMeter, 38), "");
}

TEST_F(ConvertLength, ResultsBeyondTheRangeAreTooLarge) {
  constexpr Case kCases[] = {{"1E5000", "result too large"},
                             {"0E5200", "result too large"},
                             {"-1E5000", "result too large"},
                             {"1E99999999999999999999", "result too large"}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(Convert(c.in, kMeter, kMeter), c.out);
  }
  EXPECT_EQ(Convert("1E4932", kMeter, kMillimeter), "result too large");
  EXPECT_EQ(Convert("1E4932", kMeter, kMeter), "1E4932");
  EXPECT_EQ(Convert("1E-5200", kMeter, kMeter), "0");
}

TEST_F(ConvertLength, DividesByTheInputFactorThenMultipliesByTheOutputFactor) {
  EXPECT_EQ(Convert("1", kKilometer, kMeter), "1000");
  EXPECT_EQ(Convert("5", kKilometer, kMeter), "5000");
  EXPECT_EQ(Convert("12.50", kMeter, kMeter), "12.5");
  EXPECT_EQ(Convert("1", kMile, kKilometer), "1.609344");
  EXPECT_EQ(Convert("1", kFoot, kInch), "12");
  EXPECT_EQ(Convert("1", kMegaparsec, kFermi), "3.085678186E37");
  EXPECT_EQ(Convert("-2.5E3", kMeter, kKilometer), "-2.5");
}

TEST_F(ConvertLength, UnitsOfOneSizeConvertOneToOne) {
  for (const int from : {kRod, kPerch, kPole}) {
    for (const int to : {kRod, kPerch, kPole}) EXPECT_EQ(Convert("1", from, to), "1");
  }
  EXPECT_NE(Convert("1", kMile, kMileUsSurvey), "1");
}

TEST_F(ConvertLength, UsesTheResultFormat) {
  EXPECT_EQ(Convert("9999999999", kMeter, kMeter, {ViewType::Scientific, 4}), "1.000E+010");
  EXPECT_EQ(Convert("1234.5", kMeter, kMeter, {ViewType::FixedWithCommas, 2}), "1,234.50");
  EXPECT_EQ(ConvertText(m_catalogue, 0, kMeter, kMeter, "1234.5", {ViewType::FixedWithCommas, 1},
                        NumberLocale{",", "."})
                .Text,
            "1.234,5");
}

TEST(ConvertLinear, UsesTheGivenFactors) {
  EXPECT_EQ(ConvertLinear("3", 2, 8, ResultFormat{}, NumberLocale{}).Text, "12");
  EXPECT_EQ(ConvertLinear("1", 3, 1, ResultFormat{}, NumberLocale{}).Text, "0.3333333333");
  EXPECT_EQ(EnglishText(ConvertLinear("1E4000", 1E-1000L, 1, ResultFormat{}, NumberLocale{})),
            "result too large");
  EXPECT_EQ(ConvertLinear("", 3, 1, ResultFormat{}, NumberLocale{}), ConversionResult{});
}

// Each unit of the category in list order, from the unit named (none for "").
std::vector<std::string> EveryUnit(const UnitCatalogue& catalogue, std::string_view category,
                                   std::string_view from, std::string_view text,
                                   ResultFormat format = ResultFormat{}) {
  const int index = catalogue.FindCategory(category);
  std::vector<std::string> texts;
  for (const ConversionResult& result :
       ConvertToEveryUnit(catalogue, index, test::PositionOf(catalogue, index, from), text, format,
                          NumberLocale{})) {
    texts.push_back(EnglishText(result));
  }
  return texts;
}

struct TableCase {
  const char* category;
  const char* from;
  const char* in;
  ResultFormat format;
  std::vector<std::string> out;
};

TEST(ConvertToEveryUnit, GivesOneResultPerUnitInListOrder) {
  const UnitCatalogue catalogue;
  const TableCase kCases[] = {
      {"Temperature", "Celsius", "100", {}, {"100", "212", "373.15", "671.67", "80"}},
      {"Temperature",
       "Fahrenheit",
       "-40",
       {ViewType::Fixed, 2},
       {"-40.00", "-40.00", "233.15", "419.67", "-32.00"}},
      {"Fractions", "", "0.375", {}, {"3/8", "0 and 3/8"}},
      {"Fractions", "", "1.23456789012345", {}, {"decimal too precise", "decimal too precise"}},
      {"Temperature", "Kelvin", "", {}, {"", "", "", "", ""}},
  };
  for (const TableCase& c : kCases) {
    SCOPED_TRACE(std::string(c.category) + " " + c.in);
    EXPECT_EQ(EveryUnit(catalogue, c.category, c.from, c.in, c.format), c.out);
  }
}

TEST(ConvertToEveryUnit, NumbersShowEverySystemWithItsOwnLimit) {
  const UnitCatalogue catalogue;
  const std::vector<std::string> results = EveryUnit(catalogue, "Numbers", "decimal", "1000000");
  ASSERT_EQ(results.size(), 40u);
  const std::vector<std::string> firstFive(results.begin(), results.begin() + 5);
  EXPECT_EQ(firstFive, (std::vector<std::string>{"11110100001001000000", "3641100", "1000000",
                                                 "F4240", "result too large"}));
  EXPECT_EQ(results.back(), "LFLS");
  EXPECT_EQ(EveryUnit(catalogue, "Numbers", "binary", "12")[3], "invalid binary number");
}

TEST(ConvertToEveryUnit, FollowsTheTablesCurrentOrder) {
  UnitCatalogue catalogue;
  catalogue.SortUnitTables();
  EXPECT_EQ(EveryUnit(catalogue, "Fractions", "", "0.375"),
            (std::vector<std::string>{"0 and 3/8", "3/8"}));
}

// The text is read once for the whole table; each unit's result is still what a
// conversion into that unit alone gives, a unit the category lacks giving nothing.
TEST(EveryUnitConversion, IntoEachUnitIsWhatConvertTextGives) {
  const UnitCatalogue catalogue;
  constexpr struct {
    const char* category;
    const char* from;
    const char* in;
  } kCases[] = {
      {"Length", "mile", "26.2"},   {"Length", "mile", "1..2"},      {"Length", "", "5"},
      {"Length", "foot", ""},       {"Temperature", "Kelvin", "-1"}, {"Fractions", "", "0.375"},
      {"Numbers", "binary", "101"}, {"Numbers", "decimal", "1E400"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.category) + " " + c.in);
    const int category = catalogue.FindCategory(c.category);
    const int from = test::PositionOf(catalogue, category, c.from);
    const EveryUnitConversion conversion(catalogue, category, from, c.in, ResultFormat{},
                                         NumberLocale{});
    ASSERT_EQ(conversion.UnitCount(), static_cast<int>(catalogue.Category(category).Units.size()));
    for (int to = -1; to <= conversion.UnitCount(); ++to) {
      EXPECT_EQ(conversion.Into(to),
                ConvertText(catalogue, category, from, to, c.in, ResultFormat{}, NumberLocale{}))
          << to;
    }
  }
}

TEST(ConvertToEveryUnit, NoInputUnitOrNoCategoryGivesNothingToShow) {
  const UnitCatalogue catalogue;
  EXPECT_EQ(EveryUnit(catalogue, "Length", "", "5"), std::vector<std::string>(38, ""));
  EXPECT_TRUE(ConvertToEveryUnit(catalogue, -1, 0, "5", ResultFormat{}, NumberLocale{}).empty());
  EXPECT_TRUE(ConvertToEveryUnit(catalogue, catalogue.CategoryCount(), 0, "5", ResultFormat{},
                                 NumberLocale{})
                  .empty());
}

}  // namespace
}  // namespace quantivo::engine
