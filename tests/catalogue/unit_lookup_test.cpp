#include "catalogue/unit_lookup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "catalogue/name_match.h"

namespace quantivo::catalogue {
namespace {

// Each name finds its own unit: every table name, and each other name, which a line
// gives to a unit of its table and which no other unit's name shadows or claims, in
// either order of the lists.
TEST(UnitLookup, EveryNameFindsItsUnit) {
  UnitCatalogue catalogue;
  for (const bool sorted : {false, true}) {
    if (sorted) catalogue.SortUnitTables();
    const UnitLookup lookup(catalogue);
    for (int c = 0; c < catalogue.CategoryCount(); ++c) {
      const std::vector<std::string_view> names = catalogue.UnitNames(c);
      for (std::size_t p = 0; p < names.size(); ++p) {
        EXPECT_EQ(lookup.Find(c, names[p]).Position, static_cast<int>(p)) << names[p];
      }
      for (const UnitOtherNames& other : catalogue.OtherNamesOf(c)) {
        const auto unit = std::find(names.begin(), names.end(), other.Unit);
        ASSERT_NE(unit, names.end()) << other.Unit;
        ForEachOtherName(other, [&](std::string_view name) {
          const NameReading reading = lookup.Find(c, name);
          EXPECT_EQ(reading.Position, unit - names.begin()) << name;
          EXPECT_LE(reading.Rule, NameRule::OtherName) << name;
        });
      }
    }
  }
}

TEST(SpelledForm, WritesSquaresCubesAndDegreesAsTyped) {
  const struct {
    const char* name;
    const char* spelled;
  } kCases[] = {
      {"ft²", "ft2"},  {"sq ft", "ft2"},         {"Sq. Ft.", "Ft2"},       {"cu.ft.", "ft3"},
      {"ft^3", "ft3"}, {"square feet", "feet2"}, {"lbf/sq in", "lbf/in2"}, {"°F", "degF"},
      {"μm", "µm"},    {"cup", "cup"},           {"squad", "squad"},       {"sq", "sq"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SpelledForm(c.name), c.spelled) << c.name;
}

TEST(NearestNames, OffersOnlyWhatIsNear) {
  const std::vector<std::string_view> kNames = {"hr", "gr", "kg", "meter", "metre", "ftm", "ft"};
  const std::string kLong(5000, 'x');
  const struct {
    const char* typed;
    std::vector<std::string_view> nearest;
  } kCases[] = {
      {"KG", {"kg"}},                 // another case only, for two letters
      {"Hz", {}},                     // not "hr"
      {"metro", {"metre", "meter"}},  // nearest first
      {"FT", {"ft", "ftm"}},          // the same letters first
      {kLong.c_str(), {}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(NearestNames(kNames, c.typed, 3), c.nearest) << std::string(c.typed).substr(0, 9);
  }
}

}  // namespace
}  // namespace quantivo::catalogue
