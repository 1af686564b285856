#include "catalogue/unit_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <set>
#include <string>

namespace quantivo::catalogue {
namespace {

TEST(IndexOfCategory, FindsTheExactDisplayName) {
  const UnitCatalogue catalogue;
  constexpr struct {
    const char* name;
    int index;
  } kCases[] = {{"Length", 0},
                {"Volume - Dry", 3},
                {"Flow", 12},
                {"Temperature", 13},
                {"Numbers", 16},
                {"Fractions", 17},
                {"Thermal Conductivity", 22},
                {"volume", 0},
                {"", 0},
                {"Length ", 0},
                {"Volume - dry", 0}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(catalogue.IndexOfCategory(c.name), c.index);
  }
  EXPECT_EQ(catalogue.FindCategory("volume"), -1);
  EXPECT_EQ(catalogue.FindCategory("Conductivity"), 21);
}

TEST(UnitCatalogue, CategoriesInIndexOrder) {
  const UnitCatalogue catalogue;
  constexpr struct {
    const char* display;
    const char* section;
    int count;
    ConversionKind kind;
  } kCategories[] = {
      {"Length", "Length", 38, ConversionKind::Linear},
      {"Area", "Area", 26, ConversionKind::Linear},
      {"Volume", "Volume", 36, ConversionKind::Linear},
      {"Volume - Dry", "DryVolume", 13, ConversionKind::Linear},
      {"Time", "Time", 20, ConversionKind::Linear},
      {"Speed", "Speed", 18, ConversionKind::Linear},
      {"Mass", "Mass", 41, ConversionKind::Linear},
      {"Density", "Density", 8, ConversionKind::Linear},
      {"Force", "Force", 12, ConversionKind::Linear},
      {"Energy", "Energy", 29, ConversionKind::Linear},
      {"Power", "Power", 14, ConversionKind::Linear},
      {"Pressure", "Pressure", 22, ConversionKind::Linear},
      {"Flow", "Flow", 41, ConversionKind::Linear},
      {"Temperature", "Temperature", 5, ConversionKind::Temperature},
      {"Angle", "Angle", 12, ConversionKind::Linear},
      {"Light", "Light", 7, ConversionKind::Linear},
      {"Numbers", "Numbers", 40, ConversionKind::NumberBase},
      {"Fractions", "Fractions", 2, ConversionKind::Fraction},
      {"Computer", "Computer", 14, ConversionKind::Linear},
      {"Dynamic Viscosity", "Viscosity1", 10, ConversionKind::Linear},
      {"Kinematic Viscosity", "Viscosity2", 6, ConversionKind::Linear},
      {"Conductivity", "Conductivity", 5, ConversionKind::Linear},
      {"Thermal Conductivity", "ThermalConductivity", 6, ConversionKind::Linear},
  };
  ASSERT_EQ(catalogue.CategoryNames().size(), std::size(kCategories));
  int total = 0;
  for (int i = 0; i < UnitCatalogue::CategoryCount; ++i) {
    SCOPED_TRACE(i);
    const UnitCategory& category = catalogue.Category(i);
    EXPECT_EQ(category.Index, i);
    EXPECT_EQ(catalogue.CategoryNames()[i], kCategories[i].display);
    EXPECT_EQ(category.DisplayName, kCategories[i].display);
    EXPECT_EQ(category.SectionName, kCategories[i].section);
    EXPECT_EQ(category.Count, kCategories[i].count);
    EXPECT_EQ(category.Kind, kCategories[i].kind);
    total += category.Count;
  }
  EXPECT_EQ(total, 425);
  EXPECT_EQ(UnitCatalogue::TotalUnitCount, 425);
}

TEST(UnitCatalogue, LengthTableInDefinitionOrder) {
  const UnitCatalogue catalogue;
  const UnitCategory& length = catalogue.Category(0);
  ASSERT_EQ(length.Units.size(), 38u);
  EXPECT_EQ(length.Units[0], (UnitRecord{"kilometer", 0.001L}));
  EXPECT_EQ(length.Units[3], (UnitRecord{"meter", 1}));
  EXPECT_EQ(length.Units[37].Name, "fingerbreadth (Biblical)");
  const auto names = catalogue.UnitNames(0);
  ASSERT_EQ(names.size(), 38u);
  EXPECT_EQ(names[3], "meter");
  EXPECT_EQ(names[23], "megaparsec");
}

// A name is at most 31 characters (UTF-8 continuation bytes do not count) and
// unique within its table; every factor of a Linear table is finite and positive.
TEST(UnitCatalogue, NamesAndFactorsAreSound) {
  const UnitCatalogue catalogue;
  for (int i = 0; i < UnitCatalogue::CategoryCount; ++i) {
    const UnitCategory& category = catalogue.Category(i);
    std::set<std::string_view> seen;
    for (const UnitRecord& record : category.Units) {
      SCOPED_TRACE(std::string(record.Name));
      const auto characters = std::count_if(record.Name.begin(), record.Name.end(),
                                            [](char c) { return (c & 0xC0) != 0x80; });
      EXPECT_LE(characters, 31);
      EXPECT_TRUE(seen.insert(record.Name).second) << "duplicate in " << category.DisplayName;
      if (category.Kind == ConversionKind::Linear) {
        EXPECT_TRUE(std::isfinite(record.Factor));
        EXPECT_GT(record.Factor, 0);
      }
    }
  }
}

// The compiler must read each decimal to the nearest extended value, as glibc's
// correctly rounding strtold does.
TEST(UnitCatalogue, FactorsAreTheNearestExtendedValues) {
  const UnitCatalogue catalogue;
  const auto& units = catalogue.Category(0).Units;
  constexpr struct {
    int position;
    const char* decimal;
  } kFactors[] = {{11, "0.000621371192237"}, {13, "0.049709695379"},    {22, "39370.0787402"},
                  {25, "3.24077865471e-17"}, {26, "1.05702341054e-16"}, {30, "3.280833333333"},
                  {35, "4.37445319336"}};
  for (const auto& f : kFactors) {
    SCOPED_TRACE(f.decimal);
    EXPECT_EQ(units[f.position].Factor, std::strtold(f.decimal, nullptr));
  }
  // The megaparsec is one unit in the last place below 3.24077865471e-23.
  const Extended nearest = std::strtold("3.24077865471e-23", nullptr);
  EXPECT_EQ(units[23].Factor, std::nextafter(nearest, 0.0L));
}

TEST(UnitCatalogue, BuildTablesAgainGivesTheSameTables) {
  UnitCatalogue catalogue;
  const UnitCatalogue fresh;
  catalogue.BuildTables();
  catalogue.BuildTables();
  for (int i = 0; i < UnitCatalogue::CategoryCount; ++i) {
    EXPECT_EQ(catalogue.Category(i).Units, fresh.Category(i).Units);
  }
}

}  // namespace
}  // namespace quantivo::catalogue
