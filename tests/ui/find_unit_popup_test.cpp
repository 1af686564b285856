#include "ui/tools/find_unit_popup.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <numeric>
#include <vector>

#include "support/tab_order.h"
#include "support/ui_test_support.h"

namespace quantivo::ui {
namespace {

using test::DefaultOrder;

/// A shown popup over the built-in catalogue, its box and list at hand.
class FindUnitPopupTest : public testing::Test {
 protected:
  void SetUp() override {
    m_popup.show();
    txt_Find = Child<QLineEdit>(&m_popup, "txt_Find");
    lst_Matches = Child<QListView>(&m_popup, "lst_Matches");
    ASSERT_NE(txt_Find, nullptr);
    ASSERT_NE(lst_Matches, nullptr);
  }

  QString Row(int row) const { return lst_Matches->model()->index(row, 0).data().toString(); }
  int RowCount() const { return lst_Matches->model()->rowCount(); }

  catalogue::UnitCatalogue m_catalogue;
  std::vector<int> m_order = DefaultOrder();
  FindUnitPopup m_popup{m_catalogue, [this] { return m_order; }};
  QLineEdit* txt_Find = nullptr;
  QListView* lst_Matches = nullptr;
};

TEST_F(FindUnitPopupTest, TypingListsMatchesBestFirst) {
  const struct {
    const char* typed;
    const char* first;
    const char* second;
    int rows;
  } kCases[] = {
      {"foot3", "foot³ - Volume", "foot³/hour - Flow", 5},
      {"Light", "foot-candle - Light", "meter-candle - Light", 9},
      {"hour-foot2-degf", "BTU-inch/hour-foot²-°F - Thermal Conductivity", "", 1},
      {"xyz", "", "", 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.typed);
    txt_Find->clear();
    QTest::keyClicks(txt_Find, QString::fromUtf8(c.typed));
    EXPECT_EQ(RowCount(), c.rows);
    EXPECT_EQ(Row(0), QString::fromUtf8(c.first));
    EXPECT_EQ(Row(1), QString::fromUtf8(c.second));
    EXPECT_EQ(lst_Matches->currentIndex().row(), c.rows > 0 ? 0 : -1);
    EXPECT_EQ(lst_Matches->selectionModel()->isSelected(lst_Matches->model()->index(0, 0)),
              c.rows > 0);
  }
}

TEST_F(FindUnitPopupTest, EnterChoosesTheSelectedMatch) {
  const struct {
    const char* typed;
    std::vector<Qt::Key> moves;
    Qt::KeyboardModifiers modifiers;
    int category;
    int position;
    bool forOutput;
  } kCases[] = {
      {"foot3", {Qt::Key_Down}, Qt::NoModifier, 12, 35, false},
      {"foot3", {}, Qt::ShiftModifier, 2, 3, true},
      // year, lightyear, leap-year, sidereal year: down three times and up once is leap-year.
      {"year", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, Qt::NoModifier, 4, 3, false},
      // Fractions has no input list: its units go to the output list.
      {"mixed number", {}, Qt::NoModifier, 17, 1, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.typed);
    m_popup.show();
    QSignalSpy chosen(&m_popup, &FindUnitPopup::UnitChosen);
    QTest::keyClicks(txt_Find, QString::fromUtf8(c.typed));
    for (const Qt::Key key : c.moves) QTest::keyClick(txt_Find, key);
    QTest::keyClick(txt_Find, Qt::Key_Return, c.modifiers);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), c.category);
    EXPECT_EQ(chosen[0][1].toInt(), c.position);
    EXPECT_EQ(chosen[0][2].toBool(), c.forOutput);
    EXPECT_FALSE(m_popup.isVisible());
  }
}

TEST_F(FindUnitPopupTest, EscapeClosesAndChoosesNothing) {
  QSignalSpy chosen(&m_popup, &FindUnitPopup::UnitChosen);
  QTest::keyClicks(txt_Find, QStringLiteral("foot3"));
  QTest::keyClick(txt_Find, Qt::Key_Escape);
  EXPECT_EQ(chosen.count(), 0);
  EXPECT_FALSE(m_popup.isVisible());
  // Opened again, it starts empty.
  m_popup.show();
  EXPECT_EQ(txt_Find->text(), QString());
  EXPECT_EQ(RowCount(), 0);
}

TEST_F(FindUnitPopupTest, DoubleClickChoosesForInput) {
  QSignalSpy chosen(&m_popup, &FindUnitPopup::UnitChosen);
  QTest::keyClicks(txt_Find, QStringLiteral("meter"));
  const QRect second = lst_Matches->visualRect(lst_Matches->model()->index(1, 0));
  // The first click of the two selects the row, as a person's does.
  QTest::mouseClick(lst_Matches->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
  QTest::mouseDClick(lst_Matches->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
  ASSERT_EQ(chosen.count(), 1);
  // meter² - Area
  EXPECT_EQ(chosen[0][0].toInt(), 1);
  EXPECT_EQ(chosen[0][1].toInt(), 3);
  EXPECT_EQ(chosen[0][2].toBool(), false);
}

// The tab order and the tables are read again each time the popup opens.
TEST_F(FindUnitPopupTest, FollowsTabOrderAndSortedTables) {
  m_popup.hide();
  std::reverse(m_order.begin(), m_order.end());
  m_catalogue.SortUnitTables();
  m_popup.show();
  QTest::keyClicks(txt_Find, QStringLiteral("second"));
  EXPECT_EQ(Row(0), QStringLiteral("second - Angle"));
  EXPECT_EQ(Row(1), QStringLiteral("second - Time"));
  QSignalSpy chosen(&m_popup, &FindUnitPopup::UnitChosen);
  txt_Find->clear();
  QTest::keyClicks(txt_Find, QStringLiteral("fathom"));
  QTest::keyClick(txt_Find, Qt::Key_Enter);
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen[0][0].toInt(), 0);
  EXPECT_EQ(chosen[0][1].toInt(), 7);
}

}  // namespace
}  // namespace quantivo::ui
