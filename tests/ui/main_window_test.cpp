#include "ui/window/main_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/profile_file.h"
#include "support/ui_test_support.h"
#include "ui/window/working_area_layout.h"

namespace quantivo::ui {
namespace {

TEST(LayoutWorkingArea, DesignSize) {
  const WorkingAreaLayout design{{24, 24, 145, 24},  {64, 56, 105, 185},  {184, 24, 26, 26},
                                 {224, 24, 145, 24}, {264, 56, 105, 185}, {24, 56, 141, 185}};
  const WorkingAreaLayout l = LayoutWorkingArea(602, 386, design);
  EXPECT_EQ(l.txt_In, (Bounds{24, 24, 223, 24}));
  EXPECT_EQ(l.txt_Out, (Bounds{355, 24, 223, 24}));
  EXPECT_EQ(l.lab, (Bounds{288, 24, 26, 26}));
  EXPECT_EQ(l.lst_In, (Bounds{86, 56, 161, 306}));
  EXPECT_EQ(l.lst_Out, (Bounds{417, 56, 161, 306}));
  EXPECT_EQ(l.lab2, (Bounds{24, 56, 223, 306}));
  // 0.37 x 500 = 185 exactly; 0.72 x 185 = 133.2; the arrow centres in 185 + 24 ... 291.
  const WorkingAreaLayout narrow = LayoutWorkingArea(500, 300, design);
  EXPECT_EQ(narrow.txt_Out, (Bounds{291, 24, 185, 24}));
  EXPECT_EQ(narrow.lst_Out, (Bounds{343, 56, 133, 220}));
  EXPECT_EQ(narrow.lab.Left, 237);
}

class MainWindowTest : public OpenWindowTest {
 protected:
  // Destroying the window writes the settings; a new one reads them.
  void Restart() {
    m_window.reset();
    Open();
  }
  // The settings file as saved; empty if there is none.
  QByteArray SavedFile() const {
    QFile file(SettingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // An integer of the main section of the settings file as saved, -1 if missing.
  int Saved(const char* key) const {
    model::ProfileFile saved;
    saved.LoadText(SavedFile().toStdString());
    return saved.ReadInteger("Quantivo", key, -1);
  }
  // A new window in `locale`, which stays the default until the test ends.
  void OpenInLocale(const QLocale& locale, const QByteArray& settings) {
    m_localeBefore.emplace();
    QLocale::setDefault(locale);
    OpenWith(settings);
  }
  void TearDown() override {
    OpenWindowTest::TearDown();
    if (m_localeBefore) QLocale::setDefault(*m_localeBefore);
  }
  std::optional<QLocale> m_localeBefore;
  // A new window over a settings file that holds `settings`.
  void OpenWith(const QByteArray& settings) {
    m_window.reset();
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(settings);
    file.close();
    Open();
  }

  void ClickTab(int index) {
    TabSet1->setCurrentIndex(index);  // the keyboard's way; a click may need scrolling
  }
  static QString Selected(const UnitListView* list) {
    return list->currentRow() < 0 ? QString() : list->Text(list->currentRow());
  }
  void Type(const char* keys) {
    txt_In->setFocus();
    QTest::keyClicks(txt_In, QString::fromLatin1(keys));
  }
  void OpenEditMenu() {
    QMenu* menu = Find<QMenu>("mnu_Edit1");
    menu->popup(m_window->mapToGlobal(QPoint(0, 0)));
    menu->hide();
  }
};

TEST_F(MainWindowTest, StartsWithLengthAndTheInputBoxFocused) {
  EXPECT_EQ(m_window->windowTitle(), "Quantivo");
  EXPECT_EQ(TabSet1->count(), 23);
  EXPECT_EQ(TabSet1->tabText(0), "Length");
  EXPECT_EQ(TabSet1->shape(), QTabBar::RoundedSouth);
  EXPECT_EQ(lst_In->count(), 38);
  EXPECT_EQ(lst_In->currentRow(), -1);
  EXPECT_TRUE(txt_In->hasFocus());
  EXPECT_TRUE(m_window->FocusFlag());
  EXPECT_EQ(m_window->ActiveTextBox(), txt_In);
  EXPECT_TRUE(txt_Out->isReadOnly());
  EXPECT_EQ(txt_Out->focusPolicy(), Qt::ClickFocus);
  EXPECT_TRUE(m_messages.Shown.empty());
}

TEST_F(MainWindowTest, TypingConverts) {
  ClickUnit(lst_In, "kilometer");
  ClickUnit(lst_Out, "meter");
  Type("5");
  EXPECT_EQ(txt_Out->text(), "5000");
  QTest::keyClick(txt_In, Qt::Key_Backspace);
  EXPECT_EQ(txt_Out->text(), "");
  Type("1,5");
  EXPECT_EQ(txt_Out->text(), "15000");
}

// With Numbers and Length changed places, the first tab takes what Numbers takes and
// the seventeenth what Length takes.
TEST_F(MainWindowTest, KeyFilterGoesByTheTabCaption) {
  OpenWith("[IndexTabs]\nTabCount=23\n1=Numbers\n17=Length\n");
  constexpr struct {
    int tab;
    const char* keys;
    const char* text;
  } kCases[] = {
      {16, "1,5", "15"}, {16, "2e3", "2E3"}, {16, "a b!", ""},
      {0, "ff", "FF"},   {0, "1.5", "15"},   {0, "z 9", "Z9"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.keys);
    ClickTab(c.tab);
    txt_In->clear();
    Type(c.keys);
    EXPECT_EQ(txt_In->text(), c.text);
  }
}

TEST_F(MainWindowTest, CategoriesComeBackAsTheyWereLeft) {
  ClickUnit(lst_In, "meter");
  ClickUnit(lst_Out, "foot");
  Type("5");
  ASSERT_EQ(txt_Out->text(), "16.40419948");
  ClickTab(1);
  EXPECT_EQ(lst_In->Text(0), "kilometer²");
  EXPECT_EQ(txt_In->text(), "");
  EXPECT_EQ(txt_Out->text(), "");
  ClickTab(0);
  EXPECT_EQ(Selected(lst_In), "meter");
  EXPECT_EQ(Selected(lst_Out), "foot");
  EXPECT_EQ(txt_In->text(), "5");
  EXPECT_EQ(txt_Out->text(), "16.40419948");
}

TEST_F(MainWindowTest, FractionsShowsTheLabelInPlaceOfTheInputList) {
  ClickTab(17);
  EXPECT_TRUE(lst_In->isHidden());
  EXPECT_TRUE(lab2->isVisible());
  EXPECT_EQ(lab2->text(), "Decimal to Convert to a Fraction");
  ClickUnit(lst_Out, "mixed number");
  Type("1.75");
  EXPECT_EQ(txt_Out->text(), "1 and 3/4");
  ClickTab(13);
  EXPECT_TRUE(lst_In->isVisible());
  EXPECT_TRUE(lab2->isHidden());
}

TEST_F(MainWindowTest, NarrowingKeepsTheRightColumnAtTheEdge) {
  m_window->resize(520, 380);
  QApplication::processEvents();
  const QWidget* pan = Find<QWidget>("pan");
  EXPECT_EQ(txt_Out->geometry().right() + 1, pan->width() - 24);
  EXPECT_EQ(lst_Out->geometry().right(), txt_Out->geometry().right());
  EXPECT_EQ(lst_In->geometry().right(), txt_In->geometry().right());
  EXPECT_EQ(lst_In->geometry().bottom() + 1, pan->height() - 24);
}

TEST_F(MainWindowTest, EditMenuEnablingFollowsTheFocus) {
  QAction* cut = Action("mnu_Cut1");
  QAction* copy = Action("mnu_Copy1");
  QAction* paste = Action("mnu_Paste1");
  ClickUnit(lst_In, "meter");
  ClickUnit(lst_Out, "centimeter");
  Type("2");
  QGuiApplication::clipboard()->setText("7");

  // Input box, nothing selected, text on the clipboard.
  txt_In->setFocus();
  txt_In->deselect();
  OpenEditMenu();
  EXPECT_TRUE(m_window->FocusFlag());
  EXPECT_FALSE(cut->isEnabled());
  EXPECT_FALSE(copy->isEnabled());
  EXPECT_TRUE(paste->isEnabled());

  // Output box, nothing selected: the whole result is selected for Copy.
  QTest::mouseClick(txt_Out, Qt::LeftButton);
  txt_Out->deselect();
  OpenEditMenu();
  EXPECT_EQ(m_window->ActiveTextBox(), txt_Out);
  EXPECT_EQ(txt_Out->selectedText(), "200");
  EXPECT_FALSE(cut->isEnabled());
  EXPECT_TRUE(copy->isEnabled());
  EXPECT_FALSE(paste->isEnabled());

  // A unit list: nothing is enabled, and Ctrl+C does nothing.
  lst_In->setFocus();
  EXPECT_FALSE(m_window->FocusFlag());
  OpenEditMenu();
  EXPECT_FALSE(cut->isEnabled());
  EXPECT_FALSE(copy->isEnabled());
  EXPECT_FALSE(paste->isEnabled());
  QTest::keyClick(lst_In, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "7");
}

// Whatever came before, a unit list that takes the focus leaves nothing to cut, copy
// or paste: here the menu bar's keyboard mode came between.
TEST_F(MainWindowTest, AListTakingTheFocusEndsTheTextBoxesTurn) {
  ClickUnit(lst_In, "meter");
  ClickUnit(lst_Out, "centimeter");
  Type("2");
  QMenuBar* bar = m_window->menuBar();
  QMenu* edit = Find<QMenu>("mnu_Edit1");
  const std::function<void()> kBetween[] = {
      // The Edit menu opened with the mouse and closed with Escape.
      [&] {
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(edit->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
        QTest::keyClick(edit, Qt::Key_Escape);
      },
      // Alt alone: the menu bar's keyboard mode takes the focus from the box without
      // any of the usual ways out of it.
      [&] {
        QTest::keyClick(txt_Out, Qt::Key_Alt);
        ASSERT_TRUE(bar->hasFocus());
      },
  };
  for (const auto& between : kBetween) {
    QTest::mouseClick(txt_Out, Qt::LeftButton);
    between();
    ClickUnit(lst_Out, "meter");
    EXPECT_FALSE(m_window->FocusFlag());
    OpenEditMenu();
    EXPECT_FALSE(Action("mnu_Copy1")->isEnabled());
    QGuiApplication::clipboard()->setText("7");
    QTest::keyClick(lst_Out, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "7");
  }
}

// What a list shows selected is what converts: a click below the last unit or a
// Ctrl+click on the selected one leaves it selected.
TEST_F(MainWindowTest, AUnitListIsNeverEmptiedByAClick) {
  ClickTab(13);  // Temperature: five units, and room below them
  ClickUnit(lst_In, "Celsius");
  ClickUnit(lst_Out, "Fahrenheit");
  Type("100");
  const QPoint belowTheUnits(10, lst_In->viewport()->height() - 5);
  ASSERT_FALSE(lst_In->indexAt(belowTheUnits).isValid());
  const QRect celsius = lst_In->visualRect(lst_In->currentIndex());
  for (const auto& [where, modifiers] :
       {std::pair{belowTheUnits, Qt::KeyboardModifiers()},
        std::pair{celsius.center(), Qt::KeyboardModifiers(Qt::ControlModifier)}}) {
    QTest::mouseClick(lst_In->viewport(), Qt::LeftButton, modifiers, where);
    const QModelIndexList selected = lst_In->selectionModel()->selectedIndexes();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.front().data().toString(), "Celsius");
    EXPECT_EQ(Selected(lst_In), "Celsius");
    EXPECT_EQ(txt_Out->text(), "212");
  }
  // A click on the unit cut off at the list's foot selects that unit and no other.
  ClickTab(0);
  const QPoint foot(10, lst_Out->viewport()->height() - 3);
  const QString cut = lst_Out->indexAt(foot).data().toString();
  QTest::mouseClick(lst_Out->viewport(), Qt::LeftButton, {}, foot);
  EXPECT_EQ(lst_Out->selectionModel()->selectedIndexes().value(0).data().toString(), cut);
  EXPECT_EQ(lst_Out->currentIndex().data().toString(), cut);
}

// The focus coming to a list without a selected unit selects nothing; an arrow key
// does.
TEST_F(MainWindowTest, FocusSelectsNoUnit) {
  ClickTab(1);  // Area, never used
  txt_In->setFocus();
  QTest::keyClick(txt_In, Qt::Key_Tab);
  ASSERT_TRUE(lst_In->hasFocus());
  EXPECT_EQ(lst_In->currentRow(), -1);
  EXPECT_TRUE(lst_In->selectionModel()->selectedIndexes().isEmpty());
  QTest::keyClick(lst_In, Qt::Key_Tab);
  ASSERT_TRUE(lst_Out->hasFocus());
  EXPECT_EQ(lst_Out->currentRow(), -1);
  Restart();
  ClickTab(1);
  EXPECT_EQ(lst_In->currentRow(), -1);
  EXPECT_EQ(lst_Out->currentRow(), -1);
  lst_In->setFocus();
  QTest::keyClick(lst_In, Qt::Key_Down);
  EXPECT_EQ(lst_In->currentRow(), 0);
  EXPECT_EQ(lst_In->selectionModel()->selectedIndexes().size(), 1);

  // With nothing selected the keys count from above the first unit. Clear All goes
  // back to Length and leaves nothing selected.
  Action("mnu_Reset1")->trigger();
  const int last = lst_In->count() - 1;
  const int bottom = lst_In->indexAt({0, lst_In->viewport()->height() - 1}).row();
  ASSERT_GT(bottom, 0);
  ASSERT_LT(bottom, last);
  const struct {
    Qt::Key key;
    int row;
  } kKeys[] = {{Qt::Key_End, last}, {Qt::Key_Home, 0}, {Qt::Key_PageDown, bottom}};
  for (const auto& c : kKeys) {
    Action("mnu_Reset1")->trigger();
    lst_In->setFocus();
    ASSERT_EQ(lst_In->currentRow(), -1);
    QTest::keyClick(lst_In, c.key);
    EXPECT_EQ(lst_In->currentRow(), c.row) << c.key;
  }
}

// A category shows its selected units, or the top of its lists, whatever the
// category before it showed.
TEST_F(MainWindowTest, EachListShowsItsSelectedUnit) {
  ClickUnit(lst_In, "fingerbreadth (Biblical)");
  ASSERT_GT(lst_In->verticalScrollBar()->value(), 0);
  ClickTab(1);
  EXPECT_EQ(lst_In->verticalScrollBar()->value(), 0);
  ClickTab(0);
  EXPECT_TRUE(
      lst_In->viewport()->rect().contains(lst_In->visualRect(lst_In->currentIndex()).center()));
}

// A menu opened with the mouse and closed with Escape gives the keys back to the box
// that had them, its selection kept: the next digit typed replaces the selection.
TEST_F(MainWindowTest, EscapeFromAMenuGivesTheKeysBack) {
  QMenuBar* bar = m_window->menuBar();
  QMenu* options = Find<QMenu>("mnu_Options1");
  const std::function<void()> kOpen[] = {
      [&] {
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(options->menuAction()).center());
      },
      [&] { QTest::keyClick(txt_In, Qt::Key_O, Qt::AltModifier); },
  };
  for (const auto& open : kOpen) {
    Type("12");
    txt_In->selectAll();
    open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
    QTest::keyClick(options, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), txt_In);
    EXPECT_EQ(txt_In->selectedText(), "12");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
    EXPECT_EQ(txt_In->text(), "3");
    txt_In->clear();
  }
}

// A screen reader reads a list by what it is for and each unit by its name.
TEST_F(MainWindowTest, AScreenReaderReadsTheUnits) {
  ClickUnit(lst_Out, "meter");
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(lst_Out);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->text(QAccessible::Name), "Convert to");
  EXPECT_EQ(list->childCount(), 38);
  QAccessibleInterface* unit = list->child(lst_Out->currentRow());
  ASSERT_NE(unit, nullptr);
  EXPECT_EQ(unit->role(), QAccessible::ListItem);
  EXPECT_EQ(unit->text(QAccessible::Name), "meter");
  EXPECT_TRUE(unit->state().selected);
}

// The tab strip is read as "Categories", each tab as its category, which a screen
// reader can choose.
TEST_F(MainWindowTest, AScreenReaderReadsTheCategories) {
  QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(TabSet1);
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(strip->role(), QAccessible::PageTabList);
  EXPECT_EQ(strip->text(QAccessible::Name), "Categories");
  QAccessibleInterface* area = strip->child(1);
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(area->text(QAccessible::Name), "Area");
  EXPECT_EQ(strip->indexOfChild(area), 1);
  EXPECT_FALSE(area->state().selected);
  area->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(TabSet1->currentIndex(), 1);
  EXPECT_TRUE(area->state().selected);
}

// In a narrow window a unit name cut off by its list shows whole in a tooltip; one
// that fits shows none.
TEST_F(MainWindowTest, CutNamesShowWholeInATooltip) {
  m_window->resize(m_window->minimumSizeHint());
  const auto tipOver = [this](const char* name) {
    const QModelIndex row = Rows(lst_In, name).first();
    lst_In->scrollTo(row);
    const QPoint at = lst_In->visualRect(row).center();
    QHelpEvent hover(QEvent::ToolTip, at, lst_In->viewport()->mapToGlobal(at));
    QApplication::sendEvent(lst_In->viewport(), &hover);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  EXPECT_EQ(tipOver("fingerbreadth (Biblical)"), "fingerbreadth (Biblical)");
  QToolTip::hideText();
  ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
  EXPECT_EQ(tipOver("rod"), "");
}

TEST_F(MainWindowTest, CutCopyAndPasteGoThroughTheClipboard) {
  ClickUnit(lst_In, "meter");
  ClickUnit(lst_Out, "millimeter");
  Type("12.5");
  txt_In->setSelection(2, 2);  // ".5"
  QTest::keyClick(txt_In, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), ".5");
  EXPECT_EQ(txt_In->text(), "12");
  EXPECT_EQ(txt_Out->text(), "12000");

  txt_In->setCursorPosition(0);
  QTest::keyClick(txt_In, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(txt_In->text(), ".512");
  EXPECT_EQ(txt_Out->text(), "512");

  QGuiApplication::clipboard()->setText("3e2");
  txt_In->selectAll();
  QTest::keyClick(txt_In, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(txt_In->text(), "3E2");  // letters in upper case, pasted or typed
  EXPECT_EQ(txt_Out->text(), "300000");

  QTest::mouseClick(txt_Out, Qt::LeftButton);
  txt_Out->deselect();
  QTest::keyClick(txt_Out, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "300000");
}

// Wherever the focus is, the result as shown goes to the clipboard without its
// thousands separators; a message is no result and leaves the clipboard alone.
TEST_F(MainWindowTest, CopyResultWorksFromEveryFocus) {
  OpenWith("[Quantivo]\nViewType=4\nPrecision=4\n");
  ClickUnit(lst_In, "meter");
  ClickUnit(lst_Out, "meter");
  Type("1234567.8901");
  ASSERT_EQ(txt_Out->text(), "1,234,567.8901");
  for (QWidget* focus : {static_cast<QWidget*>(txt_In), static_cast<QWidget*>(lst_In),
                         static_cast<QWidget*>(lst_Out), static_cast<QWidget*>(TabSet1),
                         static_cast<QWidget*>(txt_Out)}) {
    SCOPED_TRACE(focus->objectName().toStdString());
    QGuiApplication::clipboard()->setText("before");
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1234567.8901");
  }
  EXPECT_EQ(txt_In->text(), "1234567.8901");  // the key never reached the box

  Type(".");
  ASSERT_EQ(txt_Out->text(), "invalid number [13]");
  QGuiApplication::clipboard()->setText("before");
  QTest::keyClick(txt_In, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
}

// The contrast of two colours as the web's accessibility guidelines measure it.
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a) + 0.05;
  const double lb = luminance(b) + 0.05;
  return la > lb ? la / lb : lb / la;
}

// The default font colour is the theme's: under a dark and a high-contrast palette the
// result, the units and the tab captions stay legible, and a picked colour stays.
TEST_F(MainWindowTest, DefaultColoursFollowTheTheme) {
  const QPalette before = QApplication::palette();
  struct Theme {
    const char* name;
    QColor window, base, text, button;
  } const kThemes[] = {
      {"dark", QColor(0x2d, 0x2d, 0x2d), QColor(0x1e, 0x1e, 0x1e), QColor(0xee, 0xee, 0xee),
       QColor(0x3c, 0x3c, 0x3c)},
      {"high contrast", Qt::black, Qt::black, Qt::white, Qt::black},
  };
  for (const Theme& theme : kThemes) {
    SCOPED_TRACE(theme.name);
    QPalette palette(theme.button, theme.window);
    palette.setColor(QPalette::Base, theme.base);
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
      palette.setColor(role, theme.text);
    }
    QApplication::setPalette(palette);
    const QPalette out = txt_Out->palette();
    EXPECT_GE(Contrast(out.color(QPalette::Text), out.color(QPalette::Base)), 4.5);
    EXPECT_EQ(out.color(QPalette::Base), theme.button);  // still set apart from the input
    for (const UnitListView* list : {lst_In, lst_Out}) {
      EXPECT_GE(
          Contrast(list->palette().color(QPalette::Text), list->palette().color(QPalette::Base)),
          4.5);
    }
    EXPECT_GE(Contrast(TabSet1->palette().color(QPalette::WindowText),
                       TabSet1->palette().color(QPalette::Window)),
              4.5);
  }
  QApplication::setPalette(before);
}

// Ctrl+Page Down and Up step through the tabs as a click on them would, wrapping at
// either end, wherever the focus is.
TEST_F(MainWindowTest, CtrlPageKeysStepThroughTheTabsAndWrap) {
  lst_In->setFocus();
  QTest::keyClick(lst_In, Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(TabSet1->currentIndex(), 22);
  EXPECT_EQ(lst_In->count(), 6);  // Thermal Conductivity's units
  QTest::keyClick(lst_In, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(TabSet1->currentIndex(), 0);
  EXPECT_EQ(lst_In->count(), 38);
  QTest::keyClick(txt_In, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(TabSet1->currentIndex(), 1);
  EXPECT_EQ(txt_In->text(), "");
}

// The factor shows in the output box's tooltip, and in a line under the lists that is
// off until asked for and comes back on after a restart.
TEST_F(MainWindowTest, ConversionFactorInTheTooltipAndAnOptionalLine) {
  ClickUnit(lst_In, "meter");
  ClickUnit(lst_Out, "foot");
  EXPECT_EQ(txt_Out->toolTip(), "1 meter = 3.280839895 foot\n1 foot = 0.3048 meter");
  auto* line = Find<QLabel>("lab_Factor");
  EXPECT_FALSE(line->isVisible());
  const int designHeight = lst_In->height();
  // The unit at the foot of the input list, which the line would hide.
  QTest::mouseClick(lst_In->viewport(), Qt::LeftButton, {}, {4, lst_In->viewport()->height() - 3});

  Action("mnu_ShowConversionFactor1")->trigger();
  EXPECT_TRUE(line->isVisible());
  EXPECT_EQ(line->text(), txt_Out->toolTip());
  EXPECT_LT(lst_In->geometry().bottom(), line->geometry().top());
  EXPECT_LT(lst_In->height(), designHeight);
  // The shorter lists keep their selected units in view.
  for (QListView* list : {lst_In, lst_Out}) {
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
  }

  Restart();
  line = Find<QLabel>("lab_Factor");
  EXPECT_TRUE(Action("mnu_ShowConversionFactor1")->isChecked());
  EXPECT_TRUE(line->isVisible());
  Action("mnu_ShowConversionFactor1")->trigger();
  EXPECT_FALSE(line->isVisible());
  EXPECT_EQ(lst_In->height(), designHeight);
}

TEST_F(MainWindowTest, StayOnTopKeepsTheWindowAboveAndIsRemembered) {
  const QSignalSpy hidden(m_window->windowHandle(), &QWindow::visibleChanged);
  Action("mnu_StayOnTop1")->trigger();
  EXPECT_TRUE(m_window->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(m_window->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(hidden.count(), 0);
  EXPECT_TRUE(m_window->isVisible());
  Restart();
  EXPECT_TRUE(Action("mnu_StayOnTop1")->isChecked());
  EXPECT_TRUE(m_window->windowFlags() & Qt::WindowStaysOnTopHint);
}

// Enter takes the found unit into the input list of its category, which comes back
// with what it remembered; Shift+Enter takes it into the output list.
TEST_F(MainWindowTest, FindUnitGoesToTheUnitInItsCategory) {
  ClickTab(2);  // Volume
  ClickUnit(lst_Out, "liter");
  Type("2");
  ClickTab(0);
  const auto find = [&](const char* typed, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(txt_In, Qt::Key_K, Qt::ControlModifier);
    auto* field = Find<QLineEdit>("txt_Find");
    ASSERT_TRUE(field->isVisible());
    QTest::keyClicks(field, QString::fromUtf8(typed));
    QTest::keyClick(field, Qt::Key_Return, modifiers);
    EXPECT_FALSE(field->isVisible());
  };
  find("foot3", Qt::NoModifier);
  EXPECT_EQ(TabSet1->currentIndex(), 2);
  EXPECT_EQ(Selected(lst_In), "foot³");
  EXPECT_EQ(Selected(lst_Out), "liter");
  EXPECT_EQ(txt_In->text(), "2");
  EXPECT_EQ(txt_Out->text(), "56.63369318");

  find("gallon (uk)", Qt::ShiftModifier);
  EXPECT_EQ(Selected(lst_In), "foot³");
  EXPECT_EQ(Selected(lst_Out), "gallon (UK)");
}

// The table lists the input in every unit of the category and follows each keystroke
// and each switch of category, the output unit marked.
TEST_F(MainWindowTest, ConversionTableFollowsTheWindow) {
  ClickUnit(lst_In, "meter");
  ClickUnit(lst_Out, "foot");
  Type("2");
  QTest::keyClick(txt_In, Qt::Key_F3);
  auto* table = Find<QTableView>("tbl_Table");
  ASSERT_TRUE(table->isVisible());
  ASSERT_EQ(table->model()->rowCount(), 38);
  const int foot = lst_Out->currentRow();
  EXPECT_EQ(CellText(table, foot, 0), "foot");
  EXPECT_EQ(CellText(table, foot, 1), "6.56167979");
  Type("5");
  EXPECT_EQ(CellText(table, foot, 1), "82.02099738");
  EXPECT_EQ(CellText(table, foot, 1), txt_Out->text());
  ClickTab(13);  // Temperature
  EXPECT_EQ(table->model()->rowCount(), 5);
}

// Where the comma is the decimal separator, the input box takes and shows it, the
// keypad's decimal key gives it, a result copied from the output box pastes back as
// its number, and the settings keep the point.
TEST_F(MainWindowTest, DecimalCommaLocale) {
  OpenInLocale(QLocale(QLocale::German, QLocale::Germany), "[Quantivo]\nViewType=4\nPrecision=4\n");
  ClickUnit(lst_In, "meter");
  ClickUnit(lst_Out, "foot");
  Type("1.5.");
  EXPECT_EQ(txt_In->text(), "1,5");  // a typed point is the separator, once
  EXPECT_EQ(txt_Out->text(), "4,9213");
  QTest::keyClick(txt_In, Qt::Key_Period, Qt::KeypadModifier);
  EXPECT_EQ(txt_In->text(), "1,5,");
  EXPECT_EQ(txt_Out->text(), "invalid number [4]");  // the second separator

  txt_In->clear();
  ClickUnit(lst_Out, "meter");
  Type("1234567,8901");
  ASSERT_EQ(txt_Out->text(), "1.234.567,8901");
  QGuiApplication::clipboard()->setText(txt_Out->text());
  txt_In->selectAll();
  QTest::keyClick(txt_In, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(txt_In->text(), "1234567,8901");
  EXPECT_EQ(txt_Out->text(), "1.234.567,8901");
  m_window.reset();
  EXPECT_TRUE(SavedFile().contains("ValueIn=1234567.8901\n"));
}

// Where numbers are written in digits of their own, typed digits show in them, results
// are written in them and the settings keep ASCII digits and the point.
TEST_F(MainWindowTest, DigitsOfTheLocalesScript) {
  OpenInLocale(QLocale(QLocale::Arabic, QLocale::Egypt), "[Quantivo]\nViewType=1\n");
  ClickUnit(lst_In, "meter");
  ClickUnit(lst_Out, "centimeter");
  Type("1.5");
  EXPECT_EQ(txt_In->text(), QString::fromUtf8("\u0661\u066B\u0665"));
  EXPECT_EQ(txt_Out->text(), QString::fromUtf8("\u0661\u0665\u0660"));
  m_window.reset();
  EXPECT_TRUE(SavedFile().contains("ValueIn=1.5\n"));
}

TEST_F(MainWindowTest, CtrlAIsTheMenuShortcutNotSelectAll) {
  Type("123");
  txt_In->deselect();
  bool arranged = false;
  QTimer::singleShot(0, [&] {
    if (QDialog* dialog = m_window->findChild<QDialog*>("frm_ArrangeUnits")) {
      arranged = dialog->isVisible();
      dialog->reject();
    }
  });
  QTest::keyClick(txt_In, Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(arranged);
  EXPECT_FALSE(txt_In->hasSelectedText());
  EXPECT_EQ(txt_In->text(), "123");
}

TEST_F(MainWindowTest, InvertExchangesTheUnits) {
  ClickUnit(lst_In, "meter");
  ClickUnit(lst_Out, "kilometer");
  Type("1");
  ASSERT_EQ(txt_Out->text(), "0.001");
  QTest::keyClick(txt_In, Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(Selected(lst_In), "kilometer");
  EXPECT_EQ(Selected(lst_Out), "meter");
  EXPECT_EQ(txt_In->text(), "0.001");
  EXPECT_EQ(txt_Out->text(), "1");
  EXPECT_TRUE(m_messages.Shown.empty());
}

TEST_F(MainWindowTest, InvertRefusals) {
  ClickTab(16);
  Action("mnu_ReverseSelectedUnits1")->trigger();
  ClickTab(2);
  ClickUnit(lst_In, "liter");
  Action("mnu_ReverseSelectedUnits1")->trigger();
  EXPECT_EQ(m_messages.Shown,
            (std::vector<std::string>{
                "Error: You cannot invert this type of conversion.",
                "Error: Both units must be selected before you can invert the conversion."}));
  EXPECT_EQ(Selected(lst_In), "liter");
}

TEST_F(MainWindowTest, ClearAllForgetsEveryCategory) {
  ClickUnit(lst_In, "meter");
  ClickUnit(lst_Out, "foot");
  Type("5");
  ClickTab(4);
  ClickUnit(lst_In, "day");
  ClickUnit(lst_Out, "hour");
  Type("2");
  lst_Out->setFocus();
  Action("mnu_Reset1")->trigger();
  EXPECT_EQ(TabSet1->currentIndex(), 0);
  EXPECT_EQ(lst_In->currentRow(), -1);
  EXPECT_EQ(lst_Out->currentRow(), -1);
  EXPECT_EQ(txt_In->text(), "");
  EXPECT_EQ(txt_Out->text(), "");
  EXPECT_TRUE(txt_In->hasFocus());

  Type("9");
  QTest::keyClick(txt_In, Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(txt_In->text(), "");
}

// The close box and Exit save while the window still stands, once: a save that
// fails is told once, not again when the window goes away.
TEST_F(MainWindowTest, ClosingSavesWhileTheWindowIsThereAndOnce) {
  const auto savedText = [this] {
    QFile file(SettingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  Type("7");
  m_window->close();
  EXPECT_TRUE(savedText().contains("ValueIn=7"));

  Restart();
  Type("8");
  Action("mnu_Exit1")->trigger();
  EXPECT_TRUE(savedText().contains("ValueIn=78"));

  Restart();
  ASSERT_TRUE(QFile::setPermissions(SettingsPath(), QFile::ReadOwner | QFile::ReadUser));
  m_window->close();
  m_window.reset();
  EXPECT_EQ(m_messages.Shown,
            (std::vector<std::string>{"Unable to write to " + SettingsPath().toStdString()}));
}

TEST_F(MainWindowTest, ARestartFindsEverythingAsItWasLeft) {
  ClickTab(5);
  ClickUnit(lst_In, "knot");
  ClickUnit(lst_Out, "kilometer/hour");
  Type("10");
  ASSERT_EQ(txt_Out->text(), "18.52");
  m_window->resize(640, 480);
  Restart();
  EXPECT_EQ(TabSet1->currentIndex(), 5);
  EXPECT_EQ(Selected(lst_In), "knot");
  EXPECT_EQ(Selected(lst_Out), "kilometer/hour");
  EXPECT_EQ(txt_In->text(), "10");
  EXPECT_EQ(txt_Out->text(), "18.52");
  EXPECT_EQ(m_window->size(), QSize(640, 480));
  EXPECT_TRUE(m_messages.Shown.empty());
}

TEST_F(MainWindowTest, SettingsProblemsAreShownAndTheWindowGoesOn) {
  OpenWith("[Quantivo]\nTabIndex=40\nFormLeft=-9000\nFormTop=-9000\n[IndexTabs]\nTabCount=5\n");
  EXPECT_EQ(m_messages.Shown.size(), 2u);
  EXPECT_EQ(m_messages.Shown.back(), "Tab index out of bounds");
  EXPECT_EQ(TabSet1->currentIndex(), 0);
  ClickUnit(lst_In, "kilometer");
  ClickUnit(lst_Out, "meter");
  Type("2");
  EXPECT_EQ(txt_Out->text(), "2000");
}

// A window stored on a screen that is gone opens on the primary screen.
TEST_F(MainWindowTest, WindowOffEveryScreenOpensOnThePrimaryOne) {
  OpenWith("[Quantivo]\nFormLeft=-9000\nFormTop=5000\nFormWidth=600\nFormHeight=400\n");
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.intersects(m_window->frameGeometry()))
      << m_window->x() << "," << m_window->y();
  EXPECT_EQ(m_window->frameGeometry().size(), QSize(600, 400));
}

// At its design size the working area under the menu bar is 602 x 404 and the panel
// 602 x 386; the stored size and place are the outer frame's, and a restart gives
// the same frame.
TEST_F(MainWindowTest, DesignSizeAndTheFrameItIsStoredBy) {
  const auto* pan = Find<QWidget>("pan");
  EXPECT_EQ(m_window->centralWidget()->size(), QSize(602, 404));
  EXPECT_EQ(pan->size(), QSize(602, 386));
  EXPECT_EQ(txt_In->width(), 223);
  EXPECT_EQ(txt_Out->x(), 355);
  EXPECT_EQ(lst_In->geometry(), QRect(86, 56, 161, 306));
  EXPECT_EQ(lst_Out->geometry(), QRect(417, 56, 161, 306));
  const QRect frame = m_window->frameGeometry();
  Restart();
  EXPECT_EQ(Saved("FormWidth"), frame.width());
  EXPECT_EQ(Saved("FormHeight"), frame.height());
  EXPECT_EQ(Saved("FormLeft"), frame.left());
  EXPECT_EQ(Saved("FormTop"), frame.top());
  EXPECT_EQ(m_window->frameGeometry(), frame);
}

// A stored size too small to use opens at the smallest size at which the boxes, both
// lists and the tab strip show.
TEST_F(MainWindowTest, ATinyStoredSizeOpensUsable) {
  OpenWith("[Quantivo]\nFormWidth=50\nFormHeight=50\n");
  const int row = lst_In->sizeHintForRow(0);
  for (const UnitListView* list : {lst_In, lst_Out}) {
    EXPECT_GE(list->viewport()->height(), 3 * row);
  }
  EXPECT_GE(lst_Out->x(), lst_In->x() + lst_In->width());
  EXPECT_GE(txt_In->width(), 100);
  EXPECT_GT(TabSet1->height(), 0);
  EXPECT_LE(TabSet1->geometry().bottom(), m_window->centralWidget()->height());
}

// Whatever the file says, the window fits its screen, opens and converts; the sizes
// it saves are the fitted ones.
TEST_F(MainWindowTest, StoredValuesAreFittedToWhatTheWindowCanBear) {
  const char* const kStored[] = {
      "FormWidth=65536\n",
      "FormWidth=2147483647\nFormHeight=2147483647\n",
      "FormLeft=2147483647\nFormTop=-2147483648\nFormWidth=-5\nFormHeight=0\n",
      "FormLeft=-2147483648\nFormTop=2147483647\nFormWidth=2147483647\n",
      "FormLeft=100\nFormTop=100\nFormWidth=5000\nFormHeight=5000\n",
      "Font1Size=2147483647\nFont2Size=-2147483648\nPrecision=2147483647\nViewType=3\n",
      "TableLeft=100\nTableTop=100\nTableWidth=2147483647\nTableHeight=8000\n",
  };
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (const char* stored : kStored) {
    SCOPED_TRACE(stored);
    OpenWith(QByteArray("[Quantivo]\n") + stored);
    EXPECT_TRUE(screen.contains(m_window->frameGeometry()))
        << m_window->frameGeometry().x() << "," << m_window->frameGeometry().y() << " "
        << m_window->frameGeometry().width() << "x" << m_window->frameGeometry().height();
    ClickUnit(lst_In, "kilometer");
    ClickUnit(lst_Out, "meter");
    Type("5");
    EXPECT_FALSE(txt_Out->text().isEmpty());
    QTest::keyClick(txt_In, Qt::Key_F3);
    const QWidget* table = Find<QWidget>("frm_ConversionTable");
    EXPECT_TRUE(QTest::qWaitFor([&] { return screen.contains(table->frameGeometry()); }));
    m_window.reset();
    for (const char* key : {"FormWidth", "TableWidth"}) EXPECT_LE(Saved(key), screen.width());
    for (const char* key : {"FormHeight", "TableHeight"}) EXPECT_LE(Saved(key), screen.height());
    for (const char* key : {"Font1Size", "Font2Size"}) {
      EXPECT_GE(Saved(key), 6) << key;
      EXPECT_LE(Saved(key), 72) << key;
    }
  }
}

}  // namespace
}  // namespace quantivo::ui
