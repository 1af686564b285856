#include "engine/convert_fraction.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <numeric>
#include <string>

#include "support/convert_by_name.h"

namespace quantivo::engine {
namespace {

using catalogue::UnitCatalogue;

struct Case {
  const char* in;
  const char* fraction;
  const char* mixed;
};

constexpr Case kFractions[] = {
    {"0.5", "1/2", "0 and 1/2"},
    {"1.75", "7/4", "1 and 3/4"},
    {"0.75", "3/4", "0 and 3/4"},
    {"0.1", "1/10", "0 and 1/10"},
    {"0.125", "1/8", "0 and 1/8"},
    {"2.5", "5/2", "2 and 1/2"},
    {"123.456", "15432/125", "123 and 57/125"},
    {"0.333333333", "333333333/1000000000", "0 and 333333333/1000000000"},
    {"5", "5", "5"},
    {"0", "0", "0"},
    {"-3", "-3", "-3"},
    {"-0", "0", "0"},
    {"2147483647", "2147483647", "2147483647"},
    {"-2147483648", "-2147483648", "-2147483648"},
    {"2147483648", "result too large", "result too large"},
    {"-2147483649", "result too large", "result too large"},
    {"3000000000", "result too large", "result too large"},
    {"1E5000", "result too large", "result too large"},
    {"0.0000000001", "decimal too precise", "decimal too precise"},
    {"2147483647.5", "decimal too precise", "decimal too precise"},
    // Signs as the convergent comes out; the terms of -0.75 are 0, -1, -2, -1.
    {"-0.5", "1/-2", "-0 and 1/2"},
    {"-0.75", "3/-4", "-0 and 3/4"},
    {"-1.5", "3/-2", "-1 and 1/2"},
    {"-123.456", "-15432/125", "-123 and 57/125"},
    {".", "0", "0"},
    {"1E", "1", "1"},
    {"-", "invalid number [2]", "invalid number [2]"},
    {"1/2", "invalid number [2]", "invalid number [2]"},
    {"", "", ""},
};

TEST(ConvertFraction, FindsTheExactConvergent) {
  for (const bool sorted : {false, true}) {
    UnitCatalogue catalogue;
    if (sorted) catalogue.SortUnitTables();
    for (const Case& c : kFractions) {
      SCOPED_TRACE(std::string(sorted ? "sorted: " : "") + c.in);
      EXPECT_EQ(test::ConvertByName(catalogue, "Fractions", c.in, "", "[im]proper fraction"),
                c.fraction);
      EXPECT_EQ(test::ConvertByName(catalogue, "Fractions", c.in, "", "mixed number"), c.mixed);
    }
  }
}

// The input list is hidden for Fractions: whatever it holds selected is ignored.
TEST(ConvertFraction, IgnoresTheInputUnit) {
  const UnitCatalogue catalogue;
  for (const int inputUnit : {-1, 0, 1, 7}) {
    EXPECT_EQ(ConvertText(catalogue, catalogue.FindCategory("Fractions"), inputUnit, 1, "1.75",
                          ResultFormat{}, NumberLocale{})
                  .Text,
              "1 and 3/4");
  }
  EXPECT_EQ(ConvertFraction("1.75", -1), ConversionResult{});
}

// Every fraction whose decimal ends within three places comes back in lowest terms.
TEST(ConvertFraction, RecoversTerminatingDecimals) {
  for (const int k : {2, 4, 5, 8, 10, 20, 25, 40, 50, 100, 125, 200, 250, 500, 1000}) {
    for (int h = 1; h < k; ++h) {
      const int thousandths = h * (1000 / k);
      char text[16];
      std::snprintf(text, sizeof text, "0.%03d", thousandths);
      SCOPED_TRACE(text);
      const int d = std::gcd(h, k);
      EXPECT_EQ(ConvertFraction(text, static_cast<int>(FractionCode::ImproperFraction)).Text,
                std::to_string(h / d) + "/" + std::to_string(k / d));
    }
  }
}

}  // namespace
}  // namespace quantivo::engine
