#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "catalogue/unit_search.h"
#include "model/converter_model.h"
#include "model/custom_units_file.h"
#include "model/user_messages.h"

// Units of the user's own at scale: each case with none (the program as people run it
// today) and with 10,000 in Length, read from a units file's text and taken by the
// model as the program does.

namespace {

using quantivo::catalogue::CustomUnitLists;
using quantivo::catalogue::UnitCatalogue;
using quantivo::catalogue::UnitRecord;
using quantivo::catalogue::UnitSearch;
using quantivo::engine::Message;
using quantivo::engine::NumberLocale;
using quantivo::model::ConverterModel;
using quantivo::model::ReadCustomUnits;

constexpr int kAtScale = 10000;
// Length's table units in definition order: mile and kilometer.
constexpr int kMile = 11;
constexpr int kKilometer = 0;

int LengthOf(const UnitCatalogue& catalogue) {
  return catalogue.FindCategory("Length");
}

// A units file with `count` units in Length, one a line: "unit 00001, u1 = 2.037
// hectometer", the values and the bases varied over the table's units.
std::string UnitsFileText(int count) {
  const UnitCatalogue catalogue;
  const int length = LengthOf(catalogue);
  const std::span<const UnitRecord> table = catalogue.DefinedUnits(length).first(
      static_cast<std::size_t>(catalogue.Category(length).TableUnitCount));
  std::string text = "[Length]\n";
  char line[128];
  for (int i = 1; i <= count; ++i) {
    const std::string_view base = table[static_cast<std::size_t>(i) % table.size()].Name;
    std::snprintf(line, sizeof line, "unit %05d, u%d = %d.%03d %.*s\n", i, i, i % 97 + 1,
                  (i * 37) % 1000, static_cast<int>(base.size()), base.data());
    text += line;
  }
  return text;
}

// The units of UnitsFileText(count), every line of it taken.
CustomUnitLists UnitsAtScale(int count) {
  const UnitCatalogue catalogue;
  quantivo::model::UnitsFileContents contents = ReadCustomUnits(UnitsFileText(count), catalogue);
  const std::size_t read = contents.Units[static_cast<std::size_t>(LengthOf(catalogue))].size();
  if (!contents.Problems.empty() || read != static_cast<std::size_t>(count)) {
    std::fprintf(stderr, "model_bench: %zu of %d units read, %zu problems\n", read, count,
                 contents.Problems.size());
    std::exit(1);
  }
  return std::move(contents.Units);
}

// A model with `count` units of the user's own in Length, showing Length with
// "26.2" from mile (or the last unit of the user's own) to kilometer.
struct LengthShown {
  explicit LengthShown(int count, bool customInput = false)
      : Model(UnitCatalogue(), NumberLocale{}) {
    if (count > 0) Model.SetCustomUnits(UnitsAtScale(count));
    Length = LengthOf(Model.Catalogue());
    LengthTab = Model.TabOfCategory(Length);
    OtherTab = Model.TabOfCategory(Model.Catalogue().FindCategory("Area"));
    Model.SelectTab(LengthTab);
    const int lastUnit = static_cast<int>(Model.UnitNameList(Length).size()) - 1;
    Model.ClickInputList(customInput ? lastUnit : kMile);
    Model.ClickOutputList(kKilometer);
    Model.SetInputText("26.2");
  }

  ConverterModel Model;
  int Length = 0;
  int LengthTab = 0;
  int OtherTab = 0;
};

void CustomCounts(benchmark::internal::Benchmark* b) {
  b->ArgName("custom")->Arg(0)->Arg(kAtScale);
}

// (a) Filling the lists: away to Area's tab and back to Length's, as a click on each.
void BM_LengthTabAwayAndBack(benchmark::State& state) {
  LengthShown shown(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    shown.Model.SelectTab(shown.OtherTab);
    shown.Model.SelectTab(shown.LengthTab);
    benchmark::DoNotOptimize(shown.Model.InputList().Entries.data());
  }
}
BENCHMARK(BM_LengthTabAwayAndBack)->Apply(CustomCounts);

// (a) The same without the other tab: Length's lists filled again in place.
void BM_SwitchCategoryLength(benchmark::State& state) {
  LengthShown shown(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    shown.Model.SwitchCategory(shown.LengthTab);
    benchmark::DoNotOptimize(shown.Model.OutputList().Entries.data());
  }
}
BENCHMARK(BM_SwitchCategoryLength)->Apply(CustomCounts);

// (b) A keystroke's conversion: a digit typed and taken back by turns, Length showing
// with both units selected, the input unit a table unit or (custom_input:1) the last
// unit of the user's own.
void BM_Keystroke(benchmark::State& state) {
  LengthShown shown(static_cast<int>(state.range(0)), state.range(1) != 0);
  bool longer = false;
  for (auto _ : state) {
    longer = !longer;
    shown.Model.SetInputText(longer ? "26.21" : "26.2");
    benchmark::DoNotOptimize(shown.Model.OutputText().data());
  }
  if (shown.Model.OutputText().empty()) state.SkipWithError("no result");
}
BENCHMARK(BM_Keystroke)
    ->ArgNames({"custom", "custom_input"})
    ->Args({0, 0})
    ->Args({kAtScale, 0})
    ->Args({kAtScale, 1});

// (c) A Find Unit keystroke: one search over the tabs' categories, names folded once,
// at most the 500 hits the popup lists.
constexpr std::size_t kFindUnitShown = 500;

void BM_FindUnitKeystroke(benchmark::State& state, const char* query) {
  const LengthShown shown(static_cast<int>(state.range(0)));
  const UnitSearch search(shown.Model.Catalogue());
  const std::vector<int> order = shown.Model.TabCategories();
  std::size_t hits = 0;
  for (auto _ : state) {
    const std::vector<quantivo::catalogue::UnitHit> found =
        search.Find(order, query, kFindUnitShown);
    hits = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["hits"] = static_cast<double>(hits);
}
// Typing "meter" and, for the user's own, "unit 0005"; "xyz" finds nothing.
BENCHMARK_CAPTURE(BM_FindUnitKeystroke, m, "m")->Apply(CustomCounts);
BENCHMARK_CAPTURE(BM_FindUnitKeystroke, me, "me")->Apply(CustomCounts);
BENCHMARK_CAPTURE(BM_FindUnitKeystroke, met, "met")->Apply(CustomCounts);
BENCHMARK_CAPTURE(BM_FindUnitKeystroke, u, "u")->Apply(CustomCounts);
BENCHMARK_CAPTURE(BM_FindUnitKeystroke, un, "un")->Apply(CustomCounts);
BENCHMARK_CAPTURE(BM_FindUnitKeystroke, uni, "uni")->Apply(CustomCounts);
BENCHMARK_CAPTURE(BM_FindUnitKeystroke, unit_0005, "unit 0005")->Apply(CustomCounts);
BENCHMARK_CAPTURE(BM_FindUnitKeystroke, xyz, "xyz")->Apply(CustomCounts);

// (d) The Conversion Table of Length, "26.2" mile, as a refresh of its window costs: the
// caption, the row count and the first 20 rows (what the window shows), each converted.
constexpr int kShownRows = 20;

void BM_ConversionTable(benchmark::State& state) {
  const LengthShown shown(static_cast<int>(state.range(0)));
  int rows = 0;
  for (auto _ : state) {
    const quantivo::model::LazyConversionTable table = shown.Model.LazyTable();
    rows = table.RowCount();
    benchmark::DoNotOptimize(table.Caption().data());
    for (int row = 0; row < kShownRows && row < rows; ++row) {
      const quantivo::model::TableRow shownRow = table.Row(row);
      benchmark::DoNotOptimize(shownRow.Result.Text.data());
    }
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ConversionTable)->Apply(CustomCounts);

// (d) The same table with every row converted, as Copy All takes it.
void BM_ConversionTableEveryRow(benchmark::State& state) {
  const LengthShown shown(static_cast<int>(state.range(0)));
  std::size_t rows = 0;
  for (auto _ : state) {
    const quantivo::model::ConversionTable table = shown.Model.Table();
    rows = table.Rows.size();
    benchmark::DoNotOptimize(table.Rows.data());
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ConversionTableEveryRow)->Apply(CustomCounts);

// (e) Reading a units file's text of `custom` lines.
void BM_ReadCustomUnits(benchmark::State& state) {
  const UnitCatalogue catalogue;
  const std::string text = UnitsFileText(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ReadCustomUnits(text, catalogue).Units.data());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadCustomUnits)->ArgName("custom")->Arg(0)->Arg(1000)->Arg(kAtScale);

// (f) The model taking the units; with none, what a missing file gives (every
// category's list empty). The copy handed over is made outside the timing.
void BM_SetCustomUnits(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  LengthShown shown(0);
  const CustomUnitLists units =
      count > 0
          ? UnitsAtScale(count)
          : CustomUnitLists(static_cast<std::size_t>(shown.Model.Catalogue().CategoryCount()));
  for (auto _ : state) {
    state.PauseTiming();
    CustomUnitLists copy = units;
    state.ResumeTiming();
    shown.Model.SetCustomUnits(std::move(copy));
  }
}
BENCHMARK(BM_SetCustomUnits)->Apply(CustomCounts)->Unit(benchmark::kMicrosecond);

// Start-up without a units file: the read of a file that is not there, which must
// show no message and define nothing.
class NoMessages : public quantivo::model::UserMessages {
 public:
  void ShowInformation(const Message&) override { ++Shown; }
  void ShowError(const Message&) override { ++Shown; }
  int Shown = 0;
};

void BM_LoadMissingUnitsFile(benchmark::State& state) {
  const UnitCatalogue catalogue;
  NoMessages messages;
  const std::string path = "/nonexistent-quantivo-bench/units.ini";
  std::size_t units = 0;
  for (auto _ : state) {
    const CustomUnitLists lists = quantivo::model::LoadCustomUnitsFile(path, catalogue, messages);
    for (const auto& list : lists) units += list.size();
    benchmark::DoNotOptimize(lists.data());
  }
  if (messages.Shown != 0 || units != 0) state.SkipWithError("a missing file said something");
}
BENCHMARK(BM_LoadMissingUnitsFile);

}  // namespace

BENCHMARK_MAIN();
