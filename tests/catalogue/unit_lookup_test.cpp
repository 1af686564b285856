#include "catalogue/unit_lookup.h"

#include <gtest/gtest.h>

#include <string>

namespace quantivo::catalogue {
namespace {

// Each other name finds its own unit: a line names a unit of its table, and no name
// is shadowed by another unit's table name or claimed by two units, in any order of
// the lists.
TEST(UnitLookup, EveryOtherNameFindsItsUnit) {
  UnitCatalogue catalogue;
  for (const bool sorted : {false, true}) {
    if (sorted) catalogue.SortUnitTables();
    const UnitLookup lookup(catalogue);
    for (int c = 0; c < catalogue.CategoryCount(); ++c) {
      const std::vector<std::string_view> names = catalogue.UnitNames(c);
      for (const UnitOtherNames& other : catalogue.OtherNamesOf(c)) {
        const auto unit = std::find(names.begin(), names.end(), other.Unit);
        ASSERT_NE(unit, names.end()) << other.Unit;
        for (const std::string_view list : {other.Symbols, other.Words}) {
          std::string name;
          for (const char ch : std::string(list) + ",") {
            if (ch != ',') {
              if (ch != ' ' || !name.empty()) name.push_back(ch);
              continue;
            }
            while (!name.empty() && name.back() == ' ') name.pop_back();
            if (name.empty()) continue;
            SCOPED_TRACE(name);
            const NameReading reading = lookup.Find(c, name);
            EXPECT_EQ(reading.Position, unit - names.begin());
            EXPECT_LE(reading.Rule, NameRule::OtherName);
            name.clear();
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace quantivo::catalogue
