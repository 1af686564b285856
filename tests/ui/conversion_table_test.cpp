#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "model/converter_model.h"
#include "support/ui_test_support.h"
#include "ui/tools/conversion_table_window.h"

namespace quantivo::ui {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

const Rows kCelsius100 = {{"Celsius", "100"},
                          {"Fahrenheit", "212"},
                          {"Kelvin", "373.15"},
                          {"Rankine", "671.67"},
                          {"Réaumur", "80"}};

// The window alone, shown and active, as the main window opens it.
class ConversionTableTest : public testing::Test {
 protected:
  void SetUp() override {
    m_window.ShowRows(kCelsius100, 1, "100 Celsius");
    m_window.show();
    m_window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    m_table = Child<QTableView>(&m_window, "tbl_Table");
    ASSERT_NE(m_table, nullptr);
    QGuiApplication::clipboard()->setText("untouched");
  }

  // A click on the row's unit, as a person makes it, with the keys held.
  void ClickRow(int row, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    const QRect cell = m_table->visualRect(m_table->model()->index(row, 0));
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, keys, cell.center());
  }

  // Which rows are shown in bold, as the current output unit is.
  std::vector<bool> BoldRows() const {
    std::vector<bool> bold;
    const auto cellBold = [this](int row, int column) {
      return m_table->model()->index(row, column).data(Qt::FontRole).value<QFont>().bold();
    };
    for (int row = 0; row < m_table->model()->rowCount(); ++row) {
      bold.push_back(cellBold(row, 0) && cellBold(row, 1));
    }
    return bold;
  }

  ConversionTableWindow m_window;
  QTableView* m_table = nullptr;
};

TEST_F(ConversionTableTest, CopyAllPutsTheWholeTableOnTheClipboardAsTabSeparatedLines) {
  EXPECT_EQ(m_window.windowTitle(), "Conversion Table");
  EXPECT_EQ(m_table->accessibleName(), "Conversion table");
  QTest::mouseClick(Child<QPushButton>(&m_window, "btn_CopyAll"), Qt::LeftButton);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            "Celsius\t100\nFahrenheit\t212\nKelvin\t373.15\nRankine\t671.67\nRéaumur\t80\n");
}

TEST_F(ConversionTableTest, CtrlCCopiesTheRowsSelectedByClicking) {
  ClickRow(0);
  ClickRow(3, Qt::ControlModifier);
  QTest::keyClick(m_table, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Celsius\t100\nRankine\t671.67\n");
}

TEST_F(ConversionTableTest, NewResultsKeepTheSelectionAndTheMarkFollowsTheOutputUnit) {
  ClickRow(2);
  struct Step {
    Rows rows;
    int highlighted;
    std::vector<bool> bold;
    const char* copied;
  };
  const Step kSteps[] = {
      {kCelsius100, 1, {false, true, false, false, false}, "Kelvin\t373.15\n"},
      {{{"Celsius", "0"},
        {"Fahrenheit", "32"},
        {"Kelvin", "273.15"},
        {"Rankine", "491.67"},
        {"Réaumur", "0"}},
       4,
       {false, false, false, false, true},
       "Kelvin\t273.15\n"},
      {{{"Celsius", ""}, {"Fahrenheit", ""}, {"Kelvin", ""}, {"Rankine", ""}, {"Réaumur", ""}},
       -1,
       {false, false, false, false, false},
       "Kelvin\t\n"},
      // Other units, Kelvin among them in another place: the selection goes with it.
      {{{"Kelvin", "1"}, {"Celsius", "-272.15"}}, 1, {false, true}, "Kelvin\t1\n"},
  };
  for (const Step& step : kSteps) {
    SCOPED_TRACE(step.highlighted);
    m_window.ShowRows(step.rows, step.highlighted, "caption");
    EXPECT_EQ(BoldRows(), step.bold);
    QTest::keyClick(m_table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), step.copied);
  }
}

// The model's table, refreshed as a keystroke refreshes it: the clicked row keeps its
// selection, the mark stays on the output unit, Copy All words every row.
TEST_F(ConversionTableTest, ShowsTheModelsTableAndItsNewResults) {
  model::ConverterModel model(catalogue::UnitCatalogue(), engine::NumberLocale{});
  model.SelectTab(model.TabOfCategory(model.Catalogue().FindCategory("Temperature")));
  model.ClickInputList(0);
  model.ClickOutputList(1);
  model.SetInputText("100");
  m_window.ShowTable(model.LazyTable(), TableChange::Anything);
  ClickRow(2);
  model.SetInputText("0");
  m_window.ShowTable(model.LazyTable(), TableChange::Results);
  EXPECT_EQ(BoldRows(), (std::vector<bool>{false, true, false, false, false}));
  QTest::keyClick(m_table, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Kelvin\t273.15\n");
  m_window.CopyAllRows();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            "Celsius\t0\nFahrenheit\t32\nKelvin\t273.15\nRankine\t491.67\nRéaumur\t0\n");
}

// The marked row, far down, is scrolled to, and its name fits in bold.
TEST_F(ConversionTableTest, TheMarkedRowShowsWhole) {
  m_window.ShowRows(Rows(60, {"lepton (Biblical Roman)", "1"}), 55, "caption");
  const QRect row = m_table->visualRect(m_table->model()->index(55, 0));
  EXPECT_TRUE(m_table->viewport()->rect().contains(row));
  QFont bold = m_table->font();
  bold.setBold(true);
  EXPECT_GT(row.width(), QFontMetrics(bold).horizontalAdvance("lepton (Biblical Roman)"));
}

// Opened the first time, the table is as large as its text asks in the desktop's font:
// the longest result whole, the window within the screen.
TEST(ConversionTableSize, GrowsWithTheFont) {
  const QFont before = QApplication::font();
  for (const int points : {10, 16, 20}) {
    SCOPED_TRACE(points);
    QFont font = before;
    font.setPointSize(points);
    QApplication::setFont(font);
    QWidget main;
    main.show();
    ConversionTableWindow table(&main);
    table.ShowRows({{"Fahrenheit", "-4.000958381E-17"}, {"Celsius", "1"}}, 0, "caption");
    table.show();
    const auto* view = Child<QTableView>(&table, "tbl_Table");
    EXPECT_GE(view->columnWidth(1), view->fontMetrics().horizontalAdvance("-4.000958381E-17"));
    EXPECT_TRUE(table.screen()->availableGeometry().contains(table.frameGeometry()));
  }
  QApplication::setFont(before);
}

TEST_F(ConversionTableTest, EscapeHidesTheWindow) {
  QTest::keyClick(m_table, Qt::Key_Escape);
  EXPECT_FALSE(m_window.isVisible());
}

}  // namespace
}  // namespace quantivo::ui
