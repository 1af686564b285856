#include <benchmark/benchmark.h>

#include <numeric>
#include <string>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "catalogue/unit_lookup.h"
#include "catalogue/unit_search.h"
#include "engine/convert_text.h"
#include "engine/format_result.h"
#include "engine/parse_number.h"

namespace {

using quantivo::Extended;
using quantivo::catalogue::UnitCatalogue;
using quantivo::catalogue::UnitLookup;
using quantivo::catalogue::UnitSearch;
using namespace quantivo::engine;

void BM_ParseNumber(benchmark::State& state, const char* text) {
  for (auto _ : state) benchmark::DoNotOptimize(ParseNumber(text));
}
BENCHMARK_CAPTURE(BM_ParseNumber, short, "12.5");
BENCHMARK_CAPTURE(BM_ParseNumber, long,
                  "123456789012345678901234567890.123456789012345678901234567890");
BENCHMARK_CAPTURE(BM_ParseNumber, exponent, "-6.02214076E-23");

void BM_FormatResult(benchmark::State& state, ViewType view) {
  const ResultFormat format{view, 4};
  const NumberLocale locale;
  Extended value = 1234567.890123456L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(FormatResult(value, format, locale));
  }
}
BENCHMARK_CAPTURE(BM_FormatResult, AutoFormat, ViewType::AutoFormat);
BENCHMARK_CAPTURE(BM_FormatResult, Scientific, ViewType::Scientific);
BENCHMARK_CAPTURE(BM_FormatResult, Fixed, ViewType::Fixed);
BENCHMARK_CAPTURE(BM_FormatResult, FixedWithCommas, ViewType::FixedWithCommas);

struct Conversion {
  int Category;
  int From;
  int To;
  const char* Text;
};

void BM_ConvertText(benchmark::State& state, Conversion c) {
  const UnitCatalogue catalogue;
  const ResultFormat format;
  const NumberLocale locale;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ConvertText(catalogue, c.Category, c.From, c.To, c.Text, format, locale));
  }
}
// Length mile to kilometer; Temperature Fahrenheit to Celsius; Numbers decimal to
// Roman and hexadecimal to binary; Fractions to a mixed number.
BENCHMARK_CAPTURE(BM_ConvertText, Linear, Conversion{0, 11, 0, "26.2"});
BENCHMARK_CAPTURE(BM_ConvertText, Temperature, Conversion{13, 1, 0, "98.6"});
BENCHMARK_CAPTURE(BM_ConvertText, NumbersDecimalToRoman, Conversion{16, 2, 4, "3888"});
BENCHMARK_CAPTURE(BM_ConvertText, NumbersHexToBinary, Conversion{16, 3, 0, "7FFFFFFF"});
BENCHMARK_CAPTURE(BM_ConvertText, Fractions, Conversion{17, -1, 1, "123.456"});

void BM_SortUnitTables(benchmark::State& state) {
  UnitCatalogue catalogue;
  for (auto _ : state) {
    catalogue.BuildTables();
    catalogue.SortUnitTables();
  }
}
BENCHMARK(BM_SortUnitTables)->Name("BM_SortUnitTables (with BuildTables)");

void BM_BuildTables(benchmark::State& state) {
  UnitCatalogue catalogue;
  for (auto _ : state) catalogue.BuildTables();
}
BENCHMARK(BM_BuildTables);

// One keystroke in Find Unit: the search over all units with the names folded once.
void BM_FindUnits(benchmark::State& state, const char* query) {
  const UnitCatalogue catalogue;
  const UnitSearch search(catalogue);
  std::vector<int> order(static_cast<std::size_t>(catalogue.CategoryCount()));
  std::iota(order.begin(), order.end(), 0);
  for (auto _ : state) benchmark::DoNotOptimize(search.Find(order, query));
}
BENCHMARK_CAPTURE(BM_FindUnits, m, "m");
BENCHMARK_CAPTURE(BM_FindUnits, meter, "meter");
BENCHMARK_CAPTURE(BM_FindUnits, foot2, "foot2");
BENCHMARK_CAPTURE(BM_FindUnits, hour_foot2_degf, "hour-foot2-degf");
BENCHMARK_CAPTURE(BM_FindUnits, category_name, "Thermal Conductivity");
BENCHMARK_CAPTURE(BM_FindUnits, xyz, "xyz");
BENCHMARK_CAPTURE(BM_FindUnits, kg, "kg");
BENCHMARK_CAPTURE(BM_FindUnits, degree_F, "°F");
BENCHMARK_CAPTURE(BM_FindUnits, litre, "litre");

// A word read by the command line: in a named category, and in every category.
void BM_UnitLookup(benchmark::State& state, const char* word, bool everywhere) {
  const UnitCatalogue catalogue;
  const UnitLookup lookup(catalogue);
  for (auto _ : state) {
    if (everywhere) {
      benchmark::DoNotOptimize(lookup.FindEverywhere(word));
    } else {
      benchmark::DoNotOptimize(lookup.Find(0, word));
    }
  }
}
BENCHMARK_CAPTURE(BM_UnitLookup, table_name, "kilometer", false);
BENCHMARK_CAPTURE(BM_UnitLookup, symbol, "km", false);
BENCHMARK_CAPTURE(BM_UnitLookup, start, "kilom", false);
BENCHMARK_CAPTURE(BM_UnitLookup, everywhere_table_name, "kilometer", true);
BENCHMARK_CAPTURE(BM_UnitLookup, everywhere_symbol, "km", true);
BENCHMARK_CAPTURE(BM_UnitLookup, everywhere_spelling, "sq ft", true);

// Folding every name again, as Find Unit does each time it opens.
void BM_UnitSearchRefresh(benchmark::State& state) {
  const UnitCatalogue catalogue;
  UnitSearch search(catalogue);
  for (auto _ : state) search.Refresh();
}
BENCHMARK(BM_UnitSearchRefresh);

}  // namespace

BENCHMARK_MAIN();
