#include "engine/conversion_factor.h"

#include <gtest/gtest.h>

#include <string>

#include "support/convert_by_name.h"

namespace quantivo::engine {
namespace {

std::string FactorByName(const catalogue::UnitCatalogue& catalogue, std::string_view category,
                         std::string_view from, std::string_view to,
                         const NumberLocale& locale = {}, const ResultFormat& format = {}) {
  const int index = catalogue.FindCategory(category);
  return EnglishText(ConversionFactorText(catalogue, index,
                                          test::PositionOf(catalogue, index, from),
                                          test::PositionOf(catalogue, index, to), format, locale));
}

TEST(ConversionFactorText, EachKindSaysWhatTheConversionDoes) {
  const catalogue::UnitCatalogue catalogue;
  constexpr struct {
    const char* category;
    const char* from;
    const char* to;
    const char* text;
  } kCases[] = {
      {"Length", "meter", "foot", "1 meter = 3.280839895 foot\n1 foot = 0.3048 meter"},
      {"Temperature", "Celsius", "Fahrenheit", "°F = °C × 9/5 + 32\n°C = (°F − 32) × 5/9"},
      {"Temperature", "Fahrenheit", "Kelvin",
       "K = (°F − 32) × 5/9 + 273.15\n°F = (K − 273.15) × 9/5 + 32"},
      {"Temperature", "Réaumur", "Rankine",
       "°R = °Ré × 5/4 × 9/5 + 491.67\n°Ré = (°R − 491.67) × 5/9 × 4/5"},
      {"Numbers", "binary", "hexadecimal", "From base 2 to base 16\nFrom base 16 to base 2"},
      {"Numbers", "Roman numeral", "base-36",
       "From Roman numerals to base 36\nFrom base 36 to Roman numerals"},
      {"Fractions", "", "mixed number", ""},
      {"Length", "meter", "", ""},
      {"Length", "", "foot", ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
    EXPECT_EQ(FactorByName(catalogue, c.category, c.from, c.to), c.text);
  }
}

// The factor follows the result format and the locale's separators, constants too;
// one the fixed formats would round to zero shows its first significant digits.
TEST(ConversionFactorText, FollowsTheFormatAndTheLocale) {
  const catalogue::UnitCatalogue catalogue;
  const NumberLocale german{",", "."};
  const struct {
    const char* category;
    const char* from;
    const char* to;
    NumberLocale locale;
    ResultFormat format;
    const char* text;
  } kCases[] = {
      {"Length",
       "kilometer",
       "millimeter",
       german,
       {ViewType::FixedWithCommas, 1},
       "1 kilometer = 1.000.000,0 millimeter\n1 millimeter = 0,000001 kilometer"},
      {"Temperature", "Kelvin", "Celsius", german, {}, "°C = K − 273,15\nK = °C + 273,15"},
      {"Mass",
       "grain",
       "troy ounce",
       {},
       {ViewType::Fixed, 2},
       "1 grain = 0.0021 troy ounce\n1 troy ounce = 480.00 grain"},
      {"Length",
       "millimeter",
       "kilometer",
       {},
       {ViewType::Fixed, 0},
       "1 millimeter = 0.000001 kilometer\n1 kilometer = 1000000 millimeter"},
      {"Length",
       "angstrom",
       "parsec",
       {},
       {ViewType::Fixed, 3},
       "1 angstrom = 3.24E-027 parsec\n1 parsec = 3.08567818584785349E26 angstrom"},
      {"Length",
       "angstrom",
       "parsec",
       {},
       {ViewType::Scientific, 3},
       "1 angstrom = 3.24E-027 parsec\n1 parsec = 3.09E+026 angstrom"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
    EXPECT_EQ(FactorByName(catalogue, c.category, c.from, c.to, c.locale, c.format), c.text);
  }
}

}  // namespace
}  // namespace quantivo::engine
