#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "support/convert_by_name.h"

namespace quantivo::catalogue {
namespace {

using test::PositionOf;

std::string Convert(const UnitCatalogue& catalogue, std::string_view category, const char* value,
                    std::string_view from, std::string_view to) {
  return test::ConvertByName(catalogue, category, value, from, to);
}

struct Conversion {
  const char* category;
  const char* value;
  const char* from;
  const char* to;
  const char* result;
};

// Shown to ten significant digits, as the output box shows them.
constexpr Conversion kConversions[] = {
    {"Length", "1", "mile", "kilometer", "1.609344"},
    {"Length", "1", "foot", "inch", "12"},
    {"Length", "1", "megaparsec", "fermi", "3.085678186E37"},
    {"Length", "1", "rod", "perch", "1"},
    {"Length", "1", "perch", "pole", "1"},
    {"Length", "1", "mile (US Survey)", "mile", "1.000002"},
    {"Area", "1", "acre", "meter²", "4046.87261"},
    {"Area", "1", "barn", "nanometer²", "1E-10"},
    {"Area", "1", "rod²", "perch²", "1"},
    {"Area", "1", "pole²", "rod²", "1"},
    {"Volume", "1", "gallon", "liter", "3.785411784"},
    {"Volume", "1", "foot³", "inch³", "1728"},
    {"Volume - Dry", "1", "bushel", "pint", "64"},
    {"Volume - Dry", "1", "bushel", "liter", "35.23907188"},
    {"Time", "1", "leap-year", "day", "366"},
    {"Time", "1", "day", "second", "86400"},
    {"Time", "1", "millennium", "attosecond", "3.1536E28"},
    {"Speed", "1", "knot", "kilometer/hour", "1.852"},
    {"Speed", "60", "mile/hour", "kilometer/hour", "96.56064"},
    {"Mass", "1", "pound", "kilogram", "0.45359237"},
    {"Mass", "1", "ton", "pound", "2000"},
    {"Density", "1", "gram/centimeter³", "kilogram/meter³", "1000"},
    {"Density", "1", "pound/foot³", "kilogram/meter³", "16.01846337"},
    // A short ton per cubic yard is 907184.74 g in 0.764554857984 m³.
    {"Density", "1", "ton/yard³", "kilogram/meter³", "1186.552843"},
    {"Density", "1", "ton/yard³", "pound/foot³", "74.07407407"},
    {"Force", "1", "pound force", "newton", "4.448221615"},
    {"Force", "1", "joule/centimeter", "newton", "100"},
    {"Force", "1", "newton", "joule/centimeter", "0.01"},
    {"Energy", "1", "kilowatt-hour", "joule", "3600000"},
    {"Energy", "1", "BTU", "calorie", "251.9957611"},
    {"Power", "1", "horsepower", "watt", "745.6998716"},
    {"Pressure", "1", "atmosphere", "psi", "14.69594878"},
    {"Pressure", "1", "bar", "pascal", "100000"},
    {"Pressure", "1", "psi", "pound/inch²", "1"},
    {"Pressure", "1", "torr", "millimeter mercury (0°C)", "1"},
    {"Flow", "1", "gallon/minute", "liter/minute", "3.785411784"},
    {"Flow", "1", "gallon/minute", "barrel (oil)/hour", "1.428571429"},
    {"Flow", "1", "gallon/minute", "barrel (oil)/day", "34.28571429"},
    {"Flow", "1", "gallon/minute", "inch³/minute", "231"},
    {"Angle", "1", "right angle", "degree", "90"},
    {"Angle", "180", "degree", "radian", "3.141592654"},
    {"Angle", "1", "octant", "grade", "50"},
    {"Light", "1", "lux", "foot-candle", "0.09290304"},
    {"Computer", "1", "kilobyte", "bit", "8192"},
    {"Computer", "1", "megabyte", "kilobyte", "1024"},
    {"Computer", "1", "terabyte", "byte", "1.099511628E12"},
    {"Dynamic Viscosity", "1", "poise", "newton-second/meter²", "0.1"},
    {"Kinematic Viscosity", "1", "stoke", "centistoke", "100"},
    {"Conductivity", "1", "siemens", "microsiemens", "1000000"},
    {"Thermal Conductivity", "1", "watt/meter-K", "BTU-inch/hour-foot²-°F", "6.939643782"},
};

TEST(UnitTables, ConvertAcrossEveryFactorCategory) {
  const UnitCatalogue catalogue;
  for (const Conversion& c : kConversions) {
    SCOPED_TRACE(std::string(c.category) + ": " + c.value + " " + c.from + " -> " + c.to);
    EXPECT_EQ(Convert(catalogue, c.category, c.value, c.from, c.to), c.result);
  }
}

TEST(UnitTables, SortingKeepsConversionsByName) {
  UnitCatalogue catalogue;
  catalogue.SortUnitTables();
  for (const Conversion& c : kConversions) {
    SCOPED_TRACE(std::string(c.category) + ": " + c.from + " -> " + c.to);
    EXPECT_EQ(Convert(catalogue, c.category, c.value, c.from, c.to), c.result);
  }
}

// Ratios are the extended values nearest to the exact ratio, checked against long
// decimal expansions read by glibc's correctly rounding strtold.
TEST(UnitTables, RatiosAreTheNearestExtendedValues) {
  const UnitCatalogue catalogue;
  constexpr struct {
    const char* category;
    const char* unit;
    const char* decimal;
  } kRatios[] = {
      {"Angle", "radian", "0.017453292519943295769236907684886127134428718885417254560972"},
      {"Angle", "grade", "1.1111111111111111111111111111111111111111111111111111111111"},
      {"Angle", "turn", "0.0027777777777777777777777777777777777777777777777777777777778"},
      {"Angle", "right angle", "0.011111111111111111111111111111111111111111111111111111111111"},
      {"Angle", "sextant", "0.016666666666666666666666666666666666666666666666666666666667"},
      {"Angle", "octant", "0.022222222222222222222222222222222222222222222222222222222222"},
      {"Computer", "kilobit", "0.0078125"},
      {"Computer", "terabyte", "9.094947017729282379150390625e-13"},
      {"Computer", "terabit", "7.275957614183425903320312500e-12"},
  };
  for (const auto& r : kRatios) {
    SCOPED_TRACE(r.unit);
    const UnitCategory& category = catalogue.Category(catalogue.FindCategory(r.category));
    const int position = PositionOf(catalogue, category.Index, r.unit);
    ASSERT_GE(position, 0);
    EXPECT_EQ(category.Units[position].Factor, std::strtold(r.decimal, nullptr));
  }
}

// Two factors are mended: a newton is a hundredth of a joule per centimeter, and one
// gram per cubic meter is 0.764554857984 / 907184.74 short tons per cubic yard.
TEST(UnitTables, MendedFactors) {
  const UnitCatalogue catalogue;
  EXPECT_EQ(catalogue.Category(8).Units[5], (UnitRecord{"joule/centimeter", 0.01L}));
  EXPECT_EQ(catalogue.Category(7).Units[7], (UnitRecord{"ton/yard³", 8.42777467778e-7L}));
}

// Every category that is not measured carries its definition position as the code,
// and Numbers names positions 6 to 40 "base-" and the position less four.
TEST(UnitTables, CodeTablesNumberTheirUnits) {
  const UnitCatalogue catalogue;
  int codeTables = 0;
  for (int index = 0; index < catalogue.CategoryCount(); ++index) {
    if (catalogue.Category(index).Kind == ConversionKind::Linear) continue;
    ++codeTables;
    const auto& units = catalogue.Category(index).Units;
    for (std::size_t i = 0; i < units.size(); ++i) {
      SCOPED_TRACE(std::string(units[i].Name));
      EXPECT_EQ(units[i].Factor, static_cast<Extended>(i + 1));
    }
  }
  EXPECT_EQ(codeTables, 3);
  const auto numbers = catalogue.UnitNames(catalogue.FindCategory("Numbers"));
  ASSERT_EQ(numbers.size(), 40u);
  const std::vector<std::string_view> named(numbers.begin(), numbers.begin() + 5);
  EXPECT_EQ(named, (std::vector<std::string_view>{"binary", "octal", "decimal", "hexadecimal",
                                                  "Roman numeral"}));
  for (int p = 6; p <= 40; ++p) EXPECT_EQ(numbers[p - 1], "base-" + std::to_string(p - 4));
  EXPECT_EQ(
      catalogue.UnitNames(catalogue.FindCategory("Temperature")),
      (std::vector<std::string_view>{"Celsius", "Fahrenheit", "Kelvin", "Rankine", "Réaumur"}));
  EXPECT_EQ(catalogue.UnitNames(catalogue.FindCategory("Fractions")),
            (std::vector<std::string_view>{"[im]proper fraction", "mixed number"}));
}

TEST(UnitNameLess, UpperCasesLettersAndComparesOtherBytesByValue) {
  constexpr struct {
    const char* a;
    const char* b;
  } kAscending[] = {
      {"octal", "Roman numeral"},  // letters compare without regard to case
      {"base-19", "base-2"},       // digits compare as characters
      {"base-36", "base-4"},
      {"mixed number", "[im]proper fraction"},  // "[" comes after the letters
      {"Rankine", "Réaumur"},                   // so does "é"
      {"foot", "foot (US Survey)"},             // a beginning comes first
      {"foot", "foot²"},
      {"foot²", "foot³"},
      {"meter-candle", "meter/second"},
      {"centimeter mercury (0°C)", "centimeter mercury (0²C)"},
      {"centimeter²", "centimeteré"},
  };
  for (const auto& c : kAscending) {
    SCOPED_TRACE(std::string(c.a) + " < " + c.b);
    EXPECT_TRUE(UnitNameLess(c.a, c.b));
    EXPECT_FALSE(UnitNameLess(c.b, c.a));
  }
  EXPECT_FALSE(UnitNameLess("Kelvin", "KELVIN"));
  EXPECT_FALSE(UnitNameLess("KELVIN", "Kelvin"));
}

// The four characters beyond ASCII that the names use, as single bytes of the
// Windows code page, with letters upper-cased: the key a byte comparison must follow.
std::string CodePageKey(std::string_view name) {
  std::string key;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (c == 0xC2 || c == 0xC3) {
      const unsigned char next = static_cast<unsigned char>(name[++i]);
      key += static_cast<char>(c == 0xC2 ? next : next + 0x40);  // é is C3 A9 -> E9
    } else {
      key += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
  }
  return key;
}

TEST(UnitNameLess, AgreesWithTheWindowsCodePageOrderOnEveryPairOfNames) {
  const UnitCatalogue catalogue;
  std::vector<std::string_view> all;
  for (int i = 0; i < catalogue.CategoryCount(); ++i) {
    for (const UnitRecord& record : catalogue.Category(i).Units) all.push_back(record.Name);
  }
  EXPECT_EQ(CodePageKey("°²³é"), "\xB0\xB2\xB3\xE9");
  for (const std::string_view a : all) {
    for (const std::string_view b : all) {
      const auto ka = CodePageKey(a);
      const auto kb = CodePageKey(b);
      const bool expected = std::lexicographical_compare(
          ka.begin(), ka.end(), kb.begin(), kb.end(), [](char x, char y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
          });
      if (UnitNameLess(a, b) != expected) ADD_FAILURE() << a << " vs " << b;
    }
  }
}

// Sorting is fully determined only if no two units of a table share a key.
TEST(SortUnitTables, NoTwoUnitsOfATableShareASortKey) {
  const UnitCatalogue catalogue;
  for (int i = 0; i < catalogue.CategoryCount(); ++i) {
    const auto& units = catalogue.Category(i).Units;
    for (std::size_t a = 0; a < units.size(); ++a) {
      for (std::size_t b = a + 1; b < units.size(); ++b) {
        EXPECT_TRUE(UnitNameLess(units[a].Name, units[b].Name) ||
                    UnitNameLess(units[b].Name, units[a].Name))
            << units[a].Name << " and " << units[b].Name;
      }
    }
  }
}

TEST(SortUnitTables, GivesTheAlphabeticalOrders) {
  UnitCatalogue catalogue;
  catalogue.SortUnitTables();
  const int fractions = catalogue.FindCategory("Fractions");
  const int numbersIndex = catalogue.FindCategory("Numbers");
  using Names = std::vector<std::string_view>;
  EXPECT_EQ(catalogue.UnitNames(18), (Names{"bit", "byte", "double-word", "gigabit", "gigabyte",
                                            "kilobit", "kilobyte", "megabit", "megabyte", "nibble",
                                            "quadruple-word", "terabit", "terabyte", "word"}));
  EXPECT_EQ(catalogue.UnitNames(fractions), (Names{"mixed number", "[im]proper fraction"}));
  EXPECT_EQ(catalogue.UnitNames(catalogue.FindCategory("Temperature")),
            (Names{"Celsius", "Fahrenheit", "Kelvin", "Rankine", "Réaumur"}));

  std::vector<std::string> numbers;
  for (int n = 10; n <= 19; ++n) numbers.push_back("base-" + std::to_string(n));
  numbers.push_back("base-2");
  for (int n = 20; n <= 29; ++n) numbers.push_back("base-" + std::to_string(n));
  numbers.push_back("base-3");
  for (int n = 30; n <= 36; ++n) numbers.push_back("base-" + std::to_string(n));
  for (int n = 4; n <= 9; ++n) numbers.push_back("base-" + std::to_string(n));
  for (const char* name : {"binary", "decimal", "hexadecimal", "octal", "Roman numeral"}) {
    numbers.push_back(name);
  }
  const auto sorted = catalogue.UnitNames(numbersIndex);
  EXPECT_EQ(Names(numbers.begin(), numbers.end()), sorted);

  // Records move whole: each unit keeps its code.
  const auto& units = catalogue.Category(numbersIndex).Units;
  EXPECT_EQ(units[0], (UnitRecord{"base-10", 14}));
  EXPECT_EQ(units[35], (UnitRecord{"binary", 1}));
  EXPECT_EQ(catalogue.Category(fractions).Units[0], (UnitRecord{"mixed number", 2}));

  const auto length = catalogue.UnitNames(0);
  EXPECT_EQ(length.front(), "angstrom");
  const auto foot = std::find(length.begin(), length.end(), "foot");
  ASSERT_NE(foot, length.end());
  EXPECT_EQ(*(foot + 1), "foot (US Survey)");
}

TEST(SortUnitTables, SortingTwiceEqualsSortingOnceAndBuildRestores) {
  UnitCatalogue catalogue;
  const UnitCatalogue fresh;
  catalogue.SortUnitTables();
  UnitCatalogue once = catalogue;
  catalogue.SortUnitTables();
  bool anyMoved = false;
  for (int i = 0; i < catalogue.CategoryCount(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(catalogue.Category(i).Units, once.Category(i).Units);
    EXPECT_TRUE(
        std::is_permutation(catalogue.Category(i).Units.begin(), catalogue.Category(i).Units.end(),
                            fresh.Category(i).Units.begin(), fresh.Category(i).Units.end()));
    anyMoved = anyMoved || catalogue.Category(i).Units != fresh.Category(i).Units;
  }
  EXPECT_TRUE(anyMoved);

  catalogue.BuildTables();
  for (int i = 0; i < catalogue.CategoryCount(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(catalogue.Category(i).Units, fresh.Category(i).Units);
  }
  EXPECT_EQ(catalogue.UnitNames(0).front(), "kilometer");
}

}  // namespace
}  // namespace quantivo::catalogue
