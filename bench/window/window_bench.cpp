// The real window, in-process and offscreen: a key press in the input box until the
// output box holds the new result, the same with the conversion table open, a category
// switch, a letter typed into Find Unit, sorting switched on and off, and the resident
// size after many conversions.
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/start_up.h"
#include "ui/window/main_window.h"
#include "ui/window/unit_list_view.h"

namespace {

using quantivo::ui::Tfrm_Converter;
using quantivo::ui::UnitListView;

bool g_smoke = false;

class SilentMessages : public quantivo::ui::WindowMessages {
 public:
  void ShowInformation(const quantivo::engine::Message&) override {}
  void ShowError(const quantivo::engine::Message&) override {}
  void ShowCommandError(const quantivo::engine::Message&) override {}
  void ShowWarning(const quantivo::engine::Message&) override {}
  void ShowUnexpectedError(std::string_view) override {}
};

// A units file with `count` units of the user's own in Length, one a line: "unit 00001,
// u1 = 2.037 meter", the values and the bases varied.
bool WriteUnitsFile(const QTemporaryDir& folder, int count) {
  if (count == 0) return true;
  constexpr const char* kBases[] = {"meter", "foot", "mile", "kilometer", "inch"};
  std::ofstream file(QFile::encodeName(folder.filePath("units.ini")).toStdString());
  file << "[Length]\n";
  char line[128];
  for (int i = 1; i <= count; ++i) {
    std::snprintf(line, sizeof line, "unit %05d, u%d = %d.%03d %s\n", i, i, i % 97 + 1,
                  (i * 37) % 1000, kBases[i % 5]);
    file << line;
  }
  return static_cast<bool>(file);
}

// A window with kilometer and meter selected in Length and "1" typed, and `custom`
// units of the user's own in Length after its table's.
struct Window {
  explicit Window(int custom = 0)
      : unitsWritten(WriteUnitsFile(folder, custom)),
        window(QFile::encodeName(folder.filePath("QUANTIVO.INI")).toStdString(), messages) {
    window.show();
    input = window.findChild<QLineEdit*>("txt_In");
    output = window.findChild<QLineEdit*>("txt_Out");
    tabs = window.findChild<QTabBar*>("TabSet1");
    window.findChild<UnitListView*>("lst_In")->setCurrentRow(0);
    window.findChild<UnitListView*>("lst_Out")->setCurrentRow(3);
    input->setFocus();
    QTest::keyClick(input, Qt::Key_1);
    QApplication::processEvents();
  }
  QTemporaryDir folder;
  bool unitsWritten = false;
  SilentMessages messages;
  Tfrm_Converter window;
  QLineEdit* input = nullptr;
  QLineEdit* output = nullptr;
  QTabBar* tabs = nullptr;
};

long ResidentKib() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

// Typing a digit and taking it back by turns: each press converts again.
void BM_KeyPressToResult(benchmark::State& state) {
  Window w;
  bool type = true;
  for (auto _ : state) {
    const QString before = w.output->text();
    QTest::keyClick(w.input, type ? Qt::Key_5 : Qt::Key_Backspace);
    if (w.output->text() == before) state.SkipWithError("the result did not change");
    type = !type;
  }
}
BENCHMARK(BM_KeyPressToResult)->Iterations(1000)->Unit(benchmark::kMicrosecond);

// The same with Reference > Conversion Table open: each press also refreshes the table.
// A press counts as done once the table shows the output box's result in the output
// unit's row, events run if the window defers it; with drawn:1 events always run, so
// the table is drawn again too (its shown rows worded). With custom:10000, Length has
// 10,000 units of the user's own after its 38.
void BM_KeyPressToResultWithTableOpen(benchmark::State& state) {
  const int custom = static_cast<int>(state.range(0));
  const bool drawn = state.range(1) != 0;
  Window w(custom);
  QAction* open = w.window.findChild<QAction*>("mnu_ConversionTable1");
  if (open == nullptr || !w.unitsWritten) {
    state.SkipWithError("no conversion table or no units file");
    return;
  }
  open->trigger();
  QApplication::processEvents();
  auto* table = w.window.findChild<QWidget*>("frm_ConversionTable");
  auto* rows = table != nullptr ? table->findChild<QTableView*>("tbl_Table") : nullptr;
  const int outputRow = w.window.findChild<UnitListView*>("lst_Out")->currentRow();
  if (rows == nullptr || !table->isVisible() || rows->model()->rowCount() != 38 + custom) {
    state.SkipWithError("the conversion table did not open with every unit");
    return;
  }
  const QModelIndex result = rows->model()->index(outputRow, 1);
  const auto shown = [&result] { return result.data().toString(); };
  bool type = true;
  for (auto _ : state) {
    const QString before = w.output->text();
    QTest::keyClick(w.input, type ? Qt::Key_5 : Qt::Key_Backspace);
    if (drawn || shown() != w.output->text()) QApplication::processEvents();
    if (w.output->text() == before) state.SkipWithError("the result did not change");
    if (shown() != w.output->text()) state.SkipWithError("the table did not follow");
    type = !type;
  }
  state.counters["rows"] = rows->model()->rowCount();
}
BENCHMARK(BM_KeyPressToResultWithTableOpen)
    ->ArgNames({"custom", "drawn"})
    ->ArgsProduct({{0, 10000}, {0, 1}})
    ->Iterations(1000)
    ->Unit(benchmark::kMicrosecond);

void BM_CategorySwitch(benchmark::State& state) {
  Window w;
  int tab = 1;
  for (auto _ : state) {
    w.tabs->setCurrentIndex(tab);
    tab = tab == 1 ? 0 : 1;
  }
}
BENCHMARK(BM_CategorySwitch)->Unit(benchmark::kMicrosecond);

// Filling the unit lists at scale: away to Area's tab and back to Length's, with none
// and with 10,000 units of the user's own in Length, until the window has drawn.
void BM_LengthTabAwayAndBack(benchmark::State& state) {
  Window w(static_cast<int>(state.range(0)));
  const auto* units = w.window.findChild<QAbstractItemView*>("lst_In");
  if (units->model()->rowCount() != 38 + state.range(0)) {
    state.SkipWithError("the units file was not read");
    return;
  }
  for (auto _ : state) {
    w.tabs->setCurrentIndex(1);
    QApplication::processEvents();
    w.tabs->setCurrentIndex(0);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_LengthTabAwayAndBack)
    ->ArgName("custom")
    ->Arg(0)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

// A Find Unit keystroke at scale: "u" typed into its box and taken back by turns, events
// run (the matches drawn), with none and with 10,000 units of the user's own in Length.
// "u" finds every one of those ("unit 00001", "u1"), of which the popup lists its best.
void BM_FindUnitKeystroke(benchmark::State& state) {
  const int custom = static_cast<int>(state.range(0));
  Window w(custom);
  QAction* open = w.window.findChild<QAction*>("mnu_FindUnit1");
  if (open == nullptr || !w.unitsWritten) {
    state.SkipWithError("no Find Unit or no units file");
    return;
  }
  open->trigger();
  QApplication::processEvents();
  auto* popup = w.window.findChild<QWidget*>("frm_FindUnit");
  auto* box = popup != nullptr ? popup->findChild<QLineEdit*>("txt_Find") : nullptr;
  auto* matches = popup != nullptr ? popup->findChild<QAbstractItemView*>("lst_Matches") : nullptr;
  if (box == nullptr || matches == nullptr || !popup->isVisible()) {
    state.SkipWithError("Find Unit did not open");
    return;
  }
  bool type = true;
  int rows = 0;
  for (auto _ : state) {
    QTest::keyClick(box, type ? Qt::Key_U : Qt::Key_Backspace);
    QApplication::processEvents();
    if (type) rows = matches->model()->rowCount();
    if ((matches->model()->rowCount() > 0) != type)
      state.SkipWithError("the matches did not follow");
    type = !type;
  }
  state.counters["rows"] = rows;
}
BENCHMARK(BM_FindUnitKeystroke)
    ->ArgName("custom")
    ->Arg(0)
    ->Arg(10000)
    ->Iterations(1000)
    ->Unit(benchmark::kMicrosecond);

void BM_ToggleSorting(benchmark::State& state) {
  Window w;
  QAction* sort = w.window.findChild<QAction*>("mnu_SortUnitLists1");
  for (auto _ : state) sort->trigger();
}
BENCHMARK(BM_ToggleSorting)->Unit(benchmark::kMicrosecond);

// Conversions must not leave memory behind: the resident size after 100,000 key
// presses, against the size after a warm-up of 10,000.
void BM_ResidentGrowth(benchmark::State& state) {
  Window w;
  const int presses = g_smoke ? 1000 : 100000;
  for (int i = 0; i < presses / 10; ++i) {
    QTest::keyClick(w.input, i % 2 == 0 ? Qt::Key_7 : Qt::Key_Backspace);
  }
  QApplication::processEvents();
  const long before = ResidentKib();
  for (auto _ : state) {
    for (int i = 0; i < presses; ++i) {
      QTest::keyClick(w.input, i % 2 == 0 ? Qt::Key_7 : Qt::Key_Backspace);
      if (i % 1000 == 0) QApplication::processEvents();
    }
  }
  QApplication::processEvents();
  state.counters["presses"] = presses;
  state.counters["growth_kib"] = static_cast<double>(ResidentKib() - before);
}
BENCHMARK(BM_ResidentGrowth)->Iterations(1)->Unit(benchmark::kMillisecond);

// The first use of the pieces made when first asked for, in a fresh process: a key
// press in the input box until the new result is drawn, Ctrl+K until Find Unit is
// shown and drawn, the first letter typed there, F3 until the Conversion Table is. One figure each
// per process; bench/window/first.sh starts it again and again for medians.
double MillisecondsUntilShown(const std::function<void()>& act, const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  act();
  while (!done() && clock.elapsed() < 5000) QApplication::processEvents();
  // The events the change posted, its drawing among them.
  QApplication::processEvents();
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

int FirstUse() {
  QTemporaryDir folder;
  SilentMessages messages;
  Tfrm_Converter window(QFile::encodeName(folder.filePath("QUANTIVO.INI")).toStdString(), messages);
  window.show();
  for (int i = 0; i < 10; ++i) QApplication::processEvents();
  auto* input = window.findChild<QLineEdit*>("txt_In");
  auto* output = window.findChild<QLineEdit*>("txt_Out");
  window.findChild<UnitListView*>("lst_In")->setCurrentRow(0);
  window.findChild<UnitListView*>("lst_Out")->setCurrentRow(3);
  input->setFocus();
  QApplication::processEvents();
  const QString before = output->text();
  const double key = MillisecondsUntilShown([&] { QTest::keyClick(input, Qt::Key_5); },
                                            [&] { return output->text() != before; });
  const bool keyShown = output->text() != before;
  const auto shown = [&window](const char* name) {
    return [&window, name] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &window && top->objectName() == QLatin1String(name) && top->isVisible())
          return true;
      }
      return false;
    };
  };
  const double find = MillisecondsUntilShown(
      [&] { QTest::keyClick(input, Qt::Key_K, Qt::ControlModifier); }, shown("frm_FindUnit"));
  const bool findShown = shown("frm_FindUnit")();
  // The first letter typed there, as a person types it: not in the same instant the
  // popup shows, so that what it prepares once drawn is ready.
  QTest::qWait(200);
  QWidget* findBox = QApplication::focusWidget();
  const double findKey =
      MillisecondsUntilShown([&] { QTest::keyClick(findBox, Qt::Key_M); }, [] { return true; });
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QApplication::processEvents();
  input->setFocus();
  const double table = MillisecondsUntilShown([&] { QTest::keyClick(input, Qt::Key_F3); },
                                              shown("frm_ConversionTable"));
  const bool tableShown = shown("frm_ConversionTable")();
  std::printf("first_key_ms=%.2f first_find_ms=%.2f first_find_key_ms=%.2f first_table_ms=%.2f\n",
              key, find, findKey, table);
  if (keyShown && findShown && tableShown) return 0;
  std::fprintf(stderr, "window_bench: a piece did not show (key %d, Find Unit %d, table %d)\n",
               keyShown, findShown, tableShown);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> args;
  bool first = false;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--smoke") == 0) {
      g_smoke = true;
    } else if (std::strcmp(argv[i], "--first") == 0) {
      first = true;
    } else {
      args.push_back(argv[i]);
    }
  }
  int count = static_cast<int>(args.size());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(count, args.data());
  QApplication::setApplicationName(QStringLiteral("Quantivo"));
  // The style the program starts with.
  quantivo::ui::InstallStartUpStyle();
  if (first) return FirstUse();
  benchmark::Initialize(&count, args.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
