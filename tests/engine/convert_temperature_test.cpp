#include "engine/convert_temperature.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/convert_by_name.h"

namespace quantivo::engine {
namespace {

using catalogue::UnitCatalogue;

struct Case {
  const char* in;
  const char* from;
  const char* to;
  const char* out;
};

constexpr Case kTemperatures[] = {
    {"100", "Celsius", "Fahrenheit", "212"},
    {"212", "Fahrenheit", "Celsius", "100"},
    {"32", "Fahrenheit", "Celsius", "0"},
    {"-40", "Fahrenheit", "Celsius", "-40"},
    {"-40", "Celsius", "Fahrenheit", "-40"},
    {"0", "Kelvin", "Celsius", "-273.15"},
    {"0", "Celsius", "Rankine", "491.67"},
    // Through Celsius the nearest values to 273.15, 0.2 and 491.67 leave a residue.
    {"0", "Kelvin", "Rankine", "2.775557562E-17"},
    {"671.67", "Rankine", "Celsius", "100"},
    {"100", "Réaumur", "Celsius", "125"},
    {"100", "Celsius", "Réaumur", "80"},
    {"-500", "Celsius", "Kelvin", "-226.85"},  // no absolute-zero check
    {"98.6", "Fahrenheit", "Fahrenheit", "98.6"},
    {"12.50", "Kelvin", "Kelvin", "12.5"},
    {"-", "Celsius", "Kelvin", "invalid number [2]"},
    {"1,5", "Celsius", "Kelvin", "invalid number [2]"},
    {"1E", "Celsius", "Celsius", "1"},
    {".", "Réaumur", "Celsius", "0"},
    {"", "Celsius", "Kelvin", ""},
    {"5", "", "Kelvin", ""},
    {"5", "Celsius", "", ""},
    // Beyond the extended range on the way through Celsius.
    {"1E4932", "Fahrenheit", "Celsius", "result too large"},
    {"1E4932", "Celsius", "Fahrenheit", "result too large"},
    {"-1E4932", "Rankine", "Réaumur", "result too large"},
    {"1E5000", "Celsius", "Celsius", "result too large"},
    {"1E4932", "Celsius", "Réaumur", "8E4931"},
};

TEST(ConvertTemperature, ConvertsThroughCelsius) {
  const UnitCatalogue catalogue;
  for (const Case& c : kTemperatures) {
    SCOPED_TRACE(std::string(c.in) + " " + c.from + " -> " + c.to);
    EXPECT_EQ(test::ConvertByName(catalogue, "Temperature", c.in, c.from, c.to), c.out);
  }
}

// A Temperature table whose alphabetical order shares no place with its code order:
// once sorted, every list position designates another scale than the code it holds.
constexpr catalogue::UnitRecord kShuffledScales[] = {
    {"d Celsius", 1}, {"a Fahrenheit", 2}, {"e Kelvin", 3}, {"b Rankine", 4}, {"c Réaumur", 5}};
constexpr catalogue::CategoryDefinition kShuffledCatalogue[] = {
    {"Temperature", "Temperature", catalogue::ConversionKind::Temperature, kShuffledScales}};

// The shuffled table's name of a scale; "" stays no unit.
std::string Shuffled(std::string_view scale) {
  for (const catalogue::UnitRecord& record : kShuffledScales) {
    if (record.Name.substr(2) == scale) return std::string(record.Name);
  }
  return std::string(scale);
}

TEST(ConvertTemperature, KnowsUnitsByCodeAfterSorting) {
  UnitCatalogue catalogue(kShuffledCatalogue);
  catalogue.SortUnitTables();
  ASSERT_EQ(catalogue.UnitNames(0),
            (std::vector<std::string_view>{"a Fahrenheit", "b Rankine", "c Réaumur", "d Celsius",
                                           "e Kelvin"}));
  for (const Case& c : kTemperatures) {
    SCOPED_TRACE(std::string(c.in) + " " + c.from + " -> " + c.to);
    EXPECT_EQ(test::ConvertByName(catalogue, "Temperature", c.in, Shuffled(c.from), Shuffled(c.to)),
              c.out);
  }
}

// Fahrenheit to Celsius multiplies by 5 and then by the nearest value to a ninth;
// dividing by 9 instead gives ...445 in the last of eighteen digits.
TEST(ConvertTemperature, KeepsTheOrderOfOperations) {
  const ResultFormat eighteenDigits{ViewType::Scientific, 18};
  EXPECT_EQ(
      ConvertTemperature("45.4", static_cast<int>(TemperatureCode::Fahrenheit),
                         static_cast<int>(TemperatureCode::Celsius), eighteenDigits, NumberLocale{})
          .Text,
      "7.44444444444444444E+000");
}

}  // namespace
}  // namespace quantivo::engine
