#include "catalogue/unit_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/tab_order.h"

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

// Index order is the default tab order, and users' settings files keep tabs by
// position.
TEST(UnitCatalogue, CategoriesInIndexOrder) {
  const UnitCatalogue catalogue;
  const std::vector<std::string_view> kTabOrder(test::kBuiltInTabOrder.begin(),
                                                test::kBuiltInTabOrder.end());
  EXPECT_EQ(catalogue.CategoryNames(), kTabOrder);
  for (int i = 0; i < catalogue.CategoryCount(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(catalogue.Category(i).Index, i);
    EXPECT_EQ(catalogue.Category(i).DisplayName, test::kBuiltInTabOrder[i]);
  }
}

// The settings file's sections by their places; equal places keep the index order.
TEST(UnitCatalogue, CategoriesInSectionOrder) {
  static constexpr CategoryDefinition kPlaced[] = {{"A", "A", ConversionKind::Linear, {}, {}, 2},
                                                   {"B", "B", ConversionKind::Linear, {}, {}, 1},
                                                   {"C", "C", ConversionKind::Linear, {}, {}, 2},
                                                   {"D", "D", ConversionKind::Linear, {}, {}, 1}};
  EXPECT_EQ(UnitCatalogue(kPlaced).CategoriesInSectionOrder(), (std::vector<int>{1, 3, 0, 2}));
}

// Measured kinds write numbers in the locale's format and read back; the others do not.
TEST(ConversionKind, OnlyMeasuredKindsReadBack) {
  constexpr struct {
    ConversionKind kind;
    bool measured;
  } kCases[] = {{ConversionKind::Linear, true},
                {ConversionKind::Temperature, true},
                {ConversionKind::NumberBase, false},
                {ConversionKind::Fraction, false}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    EXPECT_EQ(IsMeasured(c.kind), c.measured);
    EXPECT_EQ(CanInvert(c.kind), c.measured);
  }
}

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// What a slip in the definitions would break: the counts the About box shows, tab
// captions that read back from the settings file as they were written, and sections
// that the file can hold apart from each other and from the program's own.
TEST(UnitCatalogue, DefinitionsAreSound) {
  const UnitCatalogue catalogue;
  EXPECT_EQ(catalogue.CategoryCount(), 23);
  EXPECT_EQ(catalogue.TotalUnitCount(), 425);

  // Sections match without regard to case.
  std::set<std::string> sections = {"QUANTIVO", "INDEXTABS"};
  std::set<std::string_view> captions;
  std::map<std::string_view, ConversionKind> special;
  for (int i = 0; i < catalogue.CategoryCount(); ++i) {
    const UnitCategory& category = catalogue.Category(i);
    SCOPED_TRACE(std::string(category.DisplayName));
    EXPECT_TRUE(captions.insert(category.DisplayName).second) << "caption used twice";
    EXPECT_FALSE(category.DisplayName.empty());
    EXPECT_NE(category.DisplayName.front(), ' ');
    EXPECT_NE(category.DisplayName.back(), ' ');
    EXPECT_TRUE(sections.insert(UpperCase(category.SectionName)).second)
        << "section used twice: " << category.SectionName;
    EXPECT_FALSE(category.SectionName.empty());
    EXPECT_EQ(category.SectionName.find_first_of("[]=; \t"), std::string_view::npos)
        << category.SectionName;
    if (category.Kind != ConversionKind::Linear) special[category.DisplayName] = category.Kind;
  }
  EXPECT_EQ(special, (std::map<std::string_view, ConversionKind>{
                         {"Temperature", ConversionKind::Temperature},
                         {"Numbers", ConversionKind::NumberBase},
                         {"Fractions", ConversionKind::Fraction}}));

  constexpr struct {
    const char* category;
    std::size_t units;
  } kCounts[] = {{"Length", 38},  {"Mass", 41},     {"Temperature", 5},
                 {"Numbers", 40}, {"Fractions", 2}, {"Thermal Conductivity", 6}};
  for (const auto& c : kCounts) {
    SCOPED_TRACE(c.category);
    const int index = catalogue.FindCategory(c.category);
    ASSERT_GE(index, 0);
    EXPECT_EQ(catalogue.Category(index).Units.size(), c.units);
  }
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
  for (int i = 0; i < catalogue.CategoryCount(); ++i) {
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

// Building the tables again after a sort brings back definition order, each time.
TEST(UnitCatalogue, BuildTablesAgainGivesTheSameTables) {
  UnitCatalogue catalogue;
  const UnitCatalogue fresh;
  catalogue.SortUnitTables();
  ASSERT_NE(catalogue.Category(0).Units, fresh.Category(0).Units) << "the sort moved nothing";
  for (int build = 0; build < 2; ++build) {
    SCOPED_TRACE(build);
    catalogue.BuildTables();
    EXPECT_EQ(catalogue.Category(0).Units[0].Name, "kilometer");
    EXPECT_EQ(catalogue.Category(0).Units[37].Name, "fingerbreadth (Biblical)");
    for (int i = 0; i < catalogue.CategoryCount(); ++i) {
      EXPECT_EQ(catalogue.Category(i).Units, fresh.Category(i).Units);
    }
  }
}

}  // namespace
}  // namespace quantivo::catalogue
