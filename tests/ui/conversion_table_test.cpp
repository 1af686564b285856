#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

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
    m_table = Child<QTableWidget>(&m_window, "tbl_Table");
    ASSERT_NE(m_table, nullptr);
    QGuiApplication::clipboard()->setText("untouched");
  }

  // A click on the row's unit, as a person makes it, with the keys held.
  void ClickRow(int row, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    const QRect cell = m_table->visualItemRect(m_table->item(row, 0));
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, keys, cell.center());
  }

  // Which rows are shown in bold, as the current output unit is.
  std::vector<bool> BoldRows() const {
    std::vector<bool> bold;
    for (int row = 0; row < m_table->rowCount(); ++row) {
      bold.push_back(m_table->item(row, 0)->font().bold() && m_table->item(row, 1)->font().bold());
    }
    return bold;
  }

  ConversionTableWindow m_window;
  QTableWidget* m_table = nullptr;
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

TEST_F(ConversionTableTest, EscapeHidesTheWindow) {
  QTest::keyClick(m_table, Qt::Key_Escape);
  EXPECT_FALSE(m_window.isVisible());
}

}  // namespace
}  // namespace quantivo::ui
