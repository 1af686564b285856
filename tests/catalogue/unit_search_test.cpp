#include "catalogue/unit_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "support/tab_order.h"

namespace quantivo::catalogue {
namespace {

using test::DefaultOrder;
using namespace std::string_view_literals;

// The first `count` hits as the list shows them; all of them for count 0.
std::vector<std::string> Captions(const UnitCatalogue& catalogue, const std::vector<UnitHit>& hits,
                                  std::size_t count = 0) {
  std::vector<std::string> captions;
  for (const UnitHit& hit : hits) {
    if (count != 0 && captions.size() == count) break;
    captions.push_back(HitCaption(catalogue, hit));
  }
  return captions;
}

struct Case {
  const char* query;
  std::vector<std::string> hits;
};

// Every hit, in order.
TEST(UnitSearch, FindsEveryMatchBestFirst) {
  const UnitCatalogue catalogue;
  const Case kCases[] = {
      // Whole name, then word start, then anywhere, whatever the tab order says.
      {"year",  // "light year" is an other name of lightyear
       {"year - Time", "lightyear (light year) - Length", "leap-year - Time",
        "sidereal year - Time", "tropical year - Time"}},
      // Name start before word start.
      {"mile",
       {"mile - Length", "mile (US Survey) - Length", "mile² - Area", "mile² (US Survey) - Area",
        "mile/hour - Speed", "mile/minute - Speed", "mile/second - Speed",
        "nautical mile - Length"}},
      {"foot3",
       {"foot³ - Volume", "foot³/hour - Flow", "foot³/minute - Flow", "foot³/second - Flow",
        "pound/foot³ - Density"}},
      {"hour-foot2-degf", {"BTU-inch/hour-foot²-°F - Thermal Conductivity"}},
      {"DEG F",
       {"Fahrenheit (°F) - Temperature", "BTU-inch/hour-foot²-°F - Thermal Conductivity",
        "BTU/hour-foot-°F - Thermal Conductivity", "inch mercury (32°F) - Pressure",
        "inch water (60°F) - Pressure"}},
      {"°c",
       {"Celsius (°C) - Temperature", "calorie/second-centimeter-°C - Thermal Conductivity",
        "watt/centimeter-°C - Thermal Conductivity", "centimeter mercury (0°C) - Pressure",
        "millimeter mercury (0°C) - Pressure", "centimeter water (4°C) - Pressure"}},
      {"Watt Hour",
       {"watt-hour - Energy", "gigawatt-hour - Energy", "megawatt-hour - Energy",
        "kilowatt-hour - Energy"}},
      {"base 16", {"base-16 - Numbers"}},
      // A category's name lists its units in list order, before name starts.
      {"Light",
       {"foot-candle - Light", "meter-candle - Light", "flame - Light", "lux - Light",
        "phot - Light", "sb - Light", "lambert - Light", "lightyear - Length",
        "c (light) - Speed"}},
      {"thermal-conductivity",
       {"BTU-inch/hour-foot²-°F - Thermal Conductivity", "BTU/hour-foot-°F - Thermal Conductivity",
        "calorie/second-centimeter-°C - Thermal Conductivity",
        "kilowatt/meter-K - Thermal Conductivity", "watt/meter-K - Thermal Conductivity",
        "watt/centimeter-°C - Thermal Conductivity"}},
      {"CONDUCTIVITY",
       {"mho - Conductivity", "micromho - Conductivity", "siemens - Conductivity",
        "microsiemens - Conductivity", "statmho - Conductivity"}},
      {"", {}},
      {" - ", {}},
      {"xyz", {}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.query);
    EXPECT_EQ(Captions(catalogue, FindUnits(catalogue, DefaultOrder(), c.query)), c.hits);
  }
}

// The first hits of searches that find many, and just those when the search is limited to them.
TEST(UnitSearch, BestHitsComeFirst) {
  const UnitCatalogue catalogue;
  const UnitSearch search(catalogue);
  const Case kCases[] = {
      {"meter", {"meter - Length", "meter² - Area", "meter³ - Volume", "meter/hour - Speed"}},
      {"meter2",
       {"meter² - Area", "meter²/second - Kinematic Viscosity", "newton/meter² - Pressure",
        "kilogram/meter² - Pressure"}},
      {"hour", {"hour - Time", "kilometer/hour - Speed", "meter/hour - Speed"}},
      {"second", {"second - Time", "second - Angle", "kilometer/second - Speed"}},
      {"Volume - Dry", {"barrel - Volume - Dry", "liter - Volume - Dry", "pint - Volume - Dry"}},
      {"mW", {"milliwatt (mW) - Power"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.query);
    EXPECT_EQ(Captions(catalogue, FindUnits(catalogue, DefaultOrder(), c.query), c.hits.size()),
              c.hits);
    EXPECT_EQ(Captions(catalogue, search.Find(DefaultOrder(), c.query, c.hits.size())), c.hits);
  }
  EXPECT_EQ(FindUnits(catalogue, DefaultOrder(), "volumedry").size(), 13u);
}

TEST(UnitSearch, TabOrderDecidesBetweenEqualHits) {
  const UnitCatalogue catalogue;
  std::vector<int> reversed = DefaultOrder();
  std::reverse(reversed.begin(), reversed.end());
  const struct {
    std::vector<int> order;
    const char* query;
    std::vector<std::string> hits;
  } kCases[] = {
      {reversed,
       "second",
       {"second - Angle", "second - Time", "calorie/second-centimeter-°C - Thermal Conductivity"}},
      // The rank still comes first, and the units of one category stay in list order.
      {reversed,
       "mile",
       {"mile - Length", "mile/hour - Speed", "mile/minute - Speed", "mile/second - Speed",
        "mile² - Area"}},
      // Angle and Time only: the other tabs are not searched, and a repeat counts once.
      {{14, 4, 14}, "minute", {"minute - Angle", "minute - Time"}},
      {{4, 14}, "minute", {"minute - Time", "minute - Angle"}},
      {{}, "minute", {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.query);
    EXPECT_EQ(Captions(catalogue, FindUnits(catalogue, c.order, c.query), c.hits.size()), c.hits);
  }
  EXPECT_EQ(FindUnits(catalogue, {14, 4, 14}, "minute").size(), 2u);
}

TEST(UnitSearch, WholeUnitNameComesBeforeItsCategoryNamesake) {
  static constexpr UnitRecord kLength[] = {{"meter", 1.0L}, {"foot", 3.28L}};
  static constexpr UnitRecord kShip[] = {{"knot", 1.0L}, {"length", 2.0L}};
  static constexpr CategoryDefinition kCategories[] = {
      {"Length", "Length", ConversionKind::Linear, kLength},
      {"Ship", "Ship", ConversionKind::Linear, kShip},
  };
  const UnitCatalogue catalogue(kCategories);
  const std::vector<UnitHit> hits = FindUnits(catalogue, {0, 1}, "Length");
  EXPECT_EQ(hits, (std::vector<UnitHit>{{1, 1, HitRank::WholeName, {}},
                                        {0, 0, HitRank::CategoryName, {}},
                                        {0, 1, HitRank::CategoryName, {}}}));
  EXPECT_EQ(Captions(catalogue, hits),
            (std::vector<std::string>{"length - Ship", "meter - Length", "foot - Length"}));
}

TEST(UnitSearch, RanksAreReported) {
  const UnitCatalogue catalogue;
  const struct {
    const char* query;
    UnitHit first;
  } kCases[] = {
      {"fathom", {0, 17, HitRank::WholeName, {}}},
      {"angle", {14, 0, HitRank::CategoryName, {}}},
      {"hecto", {0, 1, HitRank::NameStart, {}}},
      {"survey", {0, 29, HitRank::NameStart, "survey mile"}},
      {"readth", {0, 36, HitRank::Anywhere, {}}},
      {"(biblical", {0, 31, HitRank::WordStart, {}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.query);
    const std::vector<UnitHit> hits = FindUnits(catalogue, DefaultOrder(), c.query);
    ASSERT_FALSE(hits.empty());
    EXPECT_EQ(hits.front(), c.first);
  }
}

TEST(UnitSearch, PositionsFollowSortedTablesAfterRefresh) {
  UnitCatalogue catalogue;
  UnitSearch search(catalogue);
  const struct {
    const char* query;
    const char* caption;
    int category;
    int inDefinitionOrder;
    int sorted;
  } kCases[] = {
      {"meter", "meter - Length", 0, 3, 23},
      {"fathom", "fathom - Length", 0, 17, 7},
      {"foot3", "foot³ - Volume", 2, 3, 16},
  };
  for (const bool sorted : {false, true}) {
    if (sorted) {
      catalogue.SortUnitTables();
      search.Refresh();
    }
    for (const auto& c : kCases) {
      SCOPED_TRACE(std::string(c.query) + (sorted ? " sorted" : ""));
      const UnitHit hit = search.Find(DefaultOrder(), c.query).at(0);
      EXPECT_EQ(hit.Category, c.category);
      EXPECT_EQ(hit.Position, sorted ? c.sorted : c.inDefinitionOrder);
      EXPECT_EQ(HitCaption(catalogue, hit), c.caption);
    }
  }
  EXPECT_EQ(Captions(catalogue, search.Find(DefaultOrder(), "conductivity")),
            (std::vector<std::string>{"mho - Conductivity", "micromho - Conductivity",
                                      "microsiemens - Conductivity", "siemens - Conductivity",
                                      "statmho - Conductivity"}));
}

// Other names find their units, and the row says which name was found.
TEST(UnitSearch, OtherNamesFindTheirUnits) {
  const UnitCatalogue catalogue;
  const struct {
    const char* query;
    std::vector<std::string> first;
  } kCases[] = {
      {"kg", {"kilogram (kg) - Mass"}},
      {"°F", {"Fahrenheit (°F) - Temperature"}},
      {"degf", {"Fahrenheit (°F) - Temperature"}},
      {"litre", {"liter (litre) - Volume", "liter (litre) - Volume - Dry"}},
      {"fraction",
       {"[im]proper fraction (fraction) - Fractions", "mixed number (mixed fraction) - Fractions"}},
      {"MW", {"megawatt (MW) - Power", "milliwatt (mW) - Power"}},
      {"mW", {"milliwatt (mW) - Power", "megawatt (MW) - Power"}},
      {"meter", {"meter - Length"}},  // its own name first, and shown alone
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.query);
    std::vector<std::string> captions =
        Captions(catalogue, FindUnits(catalogue, DefaultOrder(), c.query));
    captions.resize(std::min(captions.size(), c.first.size()));
    EXPECT_EQ(captions, c.first);
  }
}

// One letter: an other name that is the letter is a whole name; one that starts with
// it shows only where the unit's own name does not ("gtt" for drop).
TEST(UnitSearch, OneLetterFindsOtherNamesThatAreIt) {
  const UnitCatalogue catalogue;
  const Case kCases[] = {
      {"m", {"meter (m) - Length", "millimeter - Length", "micrometer - Length"}},
      {"g", {"gram (g) - Mass", "drop (gtt) - Volume", "gallon - Volume"}},
      {"s", {"second (s) - Time", "siemens (S) - Conductivity", "mile (statute mile) - Length"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.query);
    EXPECT_EQ(Captions(catalogue, FindUnits(catalogue, DefaultOrder(), c.query), c.hits.size()),
              c.hits);
  }
}

// Names are matched one by one: nothing is found across the end of one and the start
// of the next, whatever character is typed between them.
TEST(UnitSearch, NoMatchAcrossTwoNames) {
  static constexpr UnitRecord kLength[] = {{"meter", 1.0L}, {"foot", 3.28L}, {"yard", 1.09L}};
  static constexpr CategoryDefinition kCategories[] = {
      {"Length", "Length", ConversionKind::Linear, kLength}};
  const UnitCatalogue catalogue(kCategories);
  for (const std::string_view query :
       {"meterfoot"sv, "footy"sv, "r\n"sv, "r\no"sv, "t\na"sv, "r\0o"sv, "r|o"sv}) {
    SCOPED_TRACE(query);
    EXPECT_EQ(Captions(catalogue, FindUnits(catalogue, {0}, query)), std::vector<std::string>{});
  }
  EXPECT_EQ(Captions(catalogue, FindUnits(catalogue, {0}, "t")),
            (std::vector<std::string>{"meter - Length", "foot - Length"}));
}

}  // namespace
}  // namespace quantivo::catalogue
