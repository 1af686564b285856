#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

#include "support/tab_order.h"
#include "support/ui_test_support.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/arrange_units_dialog.h"
#include "ui/dialogs/choose_units_dialog.h"
#include "ui/dialogs/custom_units_dialog.h"
#include "ui/dialogs/fonts_dialog.h"
#include "ui/dialogs/number_format_dialog.h"
#include "ui/help/help_viewer.h"
#include "ui/help/help_window.h"
#include "ui/window/main_window.h"

namespace quantivo::ui {
namespace {

const QStringList kBuiltIn = [] {
  QStringList captions;
  for (const std::string_view caption : test::kBuiltInTabOrder) {
    captions.append(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
  }
  return captions;
}();

// Runs `interact` on the dialog of type T once `open` has shown it, and closes it
// should `interact` leave it open.
template <typename T>
void WithModalDialog(const std::function<void()>& open, const std::function<void(T*)>& interact) {
  bool seen = false;
  std::function<void()> look = [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<T*>(widget);
      if (dialog == nullptr || !dialog->isVisible()) continue;
      seen = true;
      interact(dialog);
      if (dialog->isVisible()) dialog->reject();
      return;
    }
    QTimer::singleShot(10, look);
  };
  QTimer::singleShot(0, look);
  open();
  EXPECT_TRUE(seen);
}

TEST(ArrangeDialog, UpAndDownFollowTheSelection) {
  Tfrm_ArrangeUnits dialog(kBuiltIn, kBuiltIn, QFont(), {});
  auto* list = Child<QListWidget>(&dialog, "lst_Units");
  auto* up = Child<QToolButton>(&dialog, "btn_MoveUp");
  auto* down = Child<QToolButton>(&dialog, "btn_MoveDn");
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_FALSE(up->isEnabled());
  EXPECT_FALSE(down->isEnabled());
  list->setCurrentRow(0);
  EXPECT_FALSE(up->isEnabled());
  EXPECT_TRUE(down->isEnabled());
  list->setCurrentRow(22);
  EXPECT_TRUE(up->isEnabled());
  EXPECT_FALSE(down->isEnabled());

  // Shown, the focus in the list selects nothing and leaves Up and Down off; an
  // arrow key selects.
  list->setCurrentRow(-1);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  list->setFocus();
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_FALSE(down->isEnabled());
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_TRUE(down->isEnabled());

  list->setCurrentRow(1);  // Area moves to the top and stays selected
  up->click();
  EXPECT_EQ(dialog.Captions().mid(0, 2), (QStringList{"Area", "Length"}));
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_FALSE(up->isEnabled());
  down->click();
  down->click();
  EXPECT_EQ(dialog.Captions().mid(0, 3), (QStringList{"Length", "Volume", "Area"}));
  EXPECT_EQ(list->currentRow(), 2);
}

TEST(ArrangeDialog, SortAndReset) {
  QStringList shuffled = kBuiltIn;
  std::reverse(shuffled.begin(), shuffled.end());
  Tfrm_ArrangeUnits dialog(shuffled, kBuiltIn, QFont(), {});
  auto* list = Child<QListWidget>(&dialog, "lst_Units");
  list->setCurrentRow(3);
  Child<QToolButton>(&dialog, "cmd_Sort")->click();
  EXPECT_EQ(dialog.Captions(), (QStringList{"Angle",
                                            "Area",
                                            "Computer",
                                            "Conductivity",
                                            "Density",
                                            "Dynamic Viscosity",
                                            "Energy",
                                            "Flow",
                                            "Force",
                                            "Fractions",
                                            "Kinematic Viscosity",
                                            "Length",
                                            "Light",
                                            "Mass",
                                            "Numbers",
                                            "Power",
                                            "Pressure",
                                            "Speed",
                                            "Temperature",
                                            "Thermal Conductivity",
                                            "Time",
                                            "Volume",
                                            "Volume - Dry"}));
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_FALSE(Child<QToolButton>(&dialog, "btn_MoveUp")->isEnabled());
  list->setCurrentRow(3);
  Child<QPushButton>(&dialog, "btn_Reset")->click();
  EXPECT_EQ(dialog.Captions(), kBuiltIn);
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_FALSE(Child<QToolButton>(&dialog, "btn_MoveDn")->isEnabled());
}

TEST(NumberFormatDialog, SamplesFollowTheChoice) {
  Tfrm_NumberFormat dialog({engine::ViewType::AutoFormat, 6}, engine::NumberLocale{}, {});
  auto* spin = Child<QSpinBox>(&dialog, "SpinEdit1");
  auto* sample = Child<QLabel>(&dialog, "Label1");
  EXPECT_FALSE(spin->isEnabled());
  EXPECT_EQ(spin->value(), 6);
  EXPECT_EQ(sample->text(), "1234567.89");

  constexpr struct {
    const char* button;
    int precision;
    const char* sample;
  } kCases[] = {
      {"RadioButton3", 4, "1234567.8901"},    {"RadioButton3", 5, "1234567.89012"},
      {"RadioButton2", 4, "1.235E+006"},      {"RadioButton4", 4, "1,234,567.8901"},
      {"RadioButton4", 0, "1,234,568"},       {"RadioButton1", 9, "1234567.89"},
      {"RadioButton2", 9, "1.23456789E+006"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.button) + " " + std::to_string(c.precision));
    Child<QRadioButton>(&dialog, c.button)->click();
    spin->setValue(c.precision);
    EXPECT_EQ(sample->text(), c.sample);
    EXPECT_EQ(spin->isEnabled(), std::string(c.button) != "RadioButton1");
  }
  EXPECT_EQ(dialog.Format().View, engine::ViewType::Scientific);
  EXPECT_EQ(dialog.Format().Precision, 9);
}

TEST(NumberFormatDialog, StoredPrecisionIsShownWithinZeroToNine) {
  EXPECT_EQ(Tfrm_NumberFormat({engine::ViewType::Fixed, 12}, {}, {}).Format().Precision, 9);
  EXPECT_EQ(Tfrm_NumberFormat({engine::ViewType::Fixed, -3}, {}, {}).Format().Precision, 0);
  // A view type from a hand-edited file shows as AutoFormat.
  EXPECT_EQ(Tfrm_NumberFormat({static_cast<engine::ViewType>(7), 4}, {}, {}).Format().View,
            engine::ViewType::AutoFormat);
}

// Tab goes from the chosen format to the precision, then to the buttons.
TEST(NumberFormatDialog, TabReachesThePrecisionAfterTheFormats) {
  Tfrm_NumberFormat dialog({engine::ViewType::Fixed, 2}, {}, {});
  dialog.setWindowModality(Qt::NonModal);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  Child<QRadioButton>(&dialog, "RadioButton3")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(Child<QSpinBox>(&dialog, "SpinEdit1")->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(qobject_cast<QPushButton*>(QApplication::focusWidget())->text(), "Cancel");
}

TEST(FontsDialog, UnderlineAndStrikeOutAreTakenAwayWithOneWarning) {
  RecordedMessages messages;
  model::FontSpec offered{"DejaVu Serif", 14, 0x0000FF, false, true, true, true};
  Tfrm_Fonts dialog({"Arial", 10, 0, true}, {"Small Fonts", 7, 0, false},
                    [&](const model::FontSpec&, QWidget*) { return offered; }, messages, {});
  Child<QPushButton>(&dialog, "btn_Font1")->click();
  EXPECT_EQ(
      messages.Shown,
      (std::vector<std::string>{"Warning: Strikeout and underline attributes are not allowed."}));
  EXPECT_EQ(dialog.MainFont(), (model::FontSpec{"DejaVu Serif", 14, 0x0000FF, false, true}));
  EXPECT_FALSE(Child<QLabel>(&dialog, "Label1")->font().underline());

  offered.StrikeOut = false;  // underline alone: one warning as well
  Child<QPushButton>(&dialog, "btn_Font2")->click();
  EXPECT_EQ(messages.Shown.size(), 2u);
  offered.Underline = false;
  Child<QPushButton>(&dialog, "btn_Font2")->click();
  EXPECT_EQ(messages.Shown.size(), 2u);
}

// Reset puts back the fonts of a first start, in the values OK applies and in the
// samples alike.
TEST(FontsDialog, ResetGivesTheFirstStartFonts) {
  RecordedMessages messages;
  Tfrm_Fonts dialog({"Courier", 14, 0x0000FF, false, true}, {"Courier", 12, 0x00FF00, true, true},
                    nullptr, messages, {});
  Child<QPushButton>(&dialog, "btn_Reset")->click();
  EXPECT_EQ(dialog.MainFont(), (model::FontSpec{"Arial", 10, 0, true, false}));
  EXPECT_EQ(dialog.TabFont(), (model::FontSpec{"Small Fonts", 7, 0, false, false}));
  const struct {
    const char* label;
    const char* family;
    int points;
    bool bold;
  } kSamples[] = {{"Label1", "Arial", 10, true}, {"Label2", "Small Fonts", 7, false}};
  for (const auto& s : kSamples) {
    SCOPED_TRACE(s.label);
    const QLabel* sample = Child<QLabel>(&dialog, s.label);
    EXPECT_EQ(sample->font().family(), s.family);
    EXPECT_EQ(sample->font().pointSize(), s.points);
    EXPECT_EQ(sample->font().bold(), s.bold);
    EXPECT_FALSE(sample->font().italic());
    EXPECT_EQ(sample->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  }
  EXPECT_TRUE(messages.Shown.empty());
}

TEST(FontsDialog, CancelledChooserKeepsTheSample) {
  RecordedMessages messages;
  const model::FontSpec main{"Courier", 11, 0, false, false};
  Tfrm_Fonts dialog(main, {"Small Fonts", 7, 0, false},
                    [](const model::FontSpec&, QWidget*) { return std::nullopt; }, messages, {});
  Child<QPushButton>(&dialog, "btn_Font1")->click();
  EXPECT_EQ(dialog.MainFont(), main);
  EXPECT_EQ(Child<QLabel>(&dialog, "Label1")->font().family(), "Courier");
  EXPECT_TRUE(messages.Shown.empty());
}

// Escape and Return inside the font chooser cancel and accept it, from any of its
// controls, leaving no empty window behind.
// Every box and list of the font chooser is named, after the label over its column.
TEST(FontChooser, EveryBoxAndListHasAName) {
  WithModalDialog<QDialog>(
      [] {
        ChooseFontWithDialog({"Arial", 12, 0, false, false}, nullptr);
      },
      [](QDialog* chooser) {
        auto* fonts = chooser->findChild<QFontDialog*>();
        ASSERT_NE(fonts, nullptr);
        QList<QWidget*> controls;
        for (auto* box : fonts->findChildren<QLineEdit*>()) controls << box;
        for (auto* list : fonts->findChildren<QAbstractItemView*>()) {
          if (list->isVisible()) controls << list;
        }
        QStringList names;
        for (QWidget* control : controls) {
          names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        }
        EXPECT_FALSE(names.contains(QString())) << names.join('|').toStdString();
        for (const char* name : {"Font", "Font style", "Size"}) {
          EXPECT_EQ(names.count(name), 2) << name;  // its box and its list
        }
        chooser->reject();
      });
}

TEST(FontsDialog, EscapeAndReturnEndTheFontChooser) {
  enum class Control { Names, Size, Effect };
  constexpr struct {
    Qt::Key key;
    Control control;
    bool accepted;
  } kKeys[] = {{Qt::Key_Escape, Control::Names, false},
               {Qt::Key_Return, Control::Names, true},
               {Qt::Key_Return, Control::Size, true},
               {Qt::Key_Enter, Control::Effect, true}};
  for (const auto& c : kKeys) {
    SCOPED_TRACE(static_cast<int>(c.control));
    std::optional<model::FontSpec> chosen;
    bool closedByKey = false;
    WithModalDialog<QDialog>(
        [&] {
          chosen = ChooseFontWithDialog({"Arial", 12, 0, false, false}, nullptr);
        },
        [&](QDialog* chooser) {
          auto* fonts = chooser->findChild<QFontDialog*>();
          ASSERT_NE(fonts, nullptr);
          QWidget* control = fonts->findChild<QAbstractItemView*>();
          if (c.control == Control::Effect) control = fonts->findChild<QCheckBox*>();
          // The size box is the one box of the three that takes typing.
          for (auto* box : fonts->findChildren<QLineEdit*>()) {
            if (c.control == Control::Size && !box->isReadOnly()) control = box;
          }
          ASSERT_NE(control, nullptr);
          QTest::keyClick(control, c.key);
          closedByKey = !chooser->isVisible();
        });
    EXPECT_TRUE(closedByKey);
    EXPECT_EQ(chosen.has_value(), c.accepted);
  }
}

// The word size each build of the suite runs on, written out: x86-64 builds are
// 64-bit, i386 and x32 builds 32-bit.
#if defined(__x86_64__) && !defined(__ILP32__)
constexpr const char* kWordSize = "64-bit";
#elif defined(__i386__) || defined(__ILP32__)
constexpr const char* kWordSize = "32-bit";
#endif

TEST(AboutDialog, ShowsTheUnitsAndTheWordSizeOfThisBuild) {
  Tfrm_About dialog(425);
  EXPECT_EQ(Child<QLabel>(&dialog, "Label8")->text(), "Total Units Supported: ");
  EXPECT_EQ(Child<QLabel>(&dialog, "Label9")->text(), "425");
  EXPECT_EQ(Child<QLabel>(&dialog, "Label3")->text(), "Version 1.81 - Jun 29, 1997");
  EXPECT_EQ(Child<QLabel>(&dialog, "Label11")->text(), kWordSize);
}

TEST(HelpWindow, EveryTopicOpensItsPage) {
  HelpWindow help(HelpCollectionPath());
  ASSERT_TRUE(help.HasHelp()) << HelpCollectionPath().toStdString();
  constexpr struct {
    const char* keyword;
    const char* page;
  } kTopics[] = {{"MetricPrefixes", "metric-prefixes.html"},
                 {"ChooseUnitCategoryScreen", "choose-category.html"},
                 {"ArrangeCategoryOrderScreen", "arrange-categories.html"},
                 {"FontsScreen", "fonts.html"},
                 {"NumberFormatScreen", "number-format.html"}};
  for (const auto& t : kTopics) {
    SCOPED_TRACE(t.keyword);
    EXPECT_TRUE(help.ShowHelpTopic(QString::fromLatin1(t.keyword)));
    EXPECT_EQ(help.CurrentPage().fileName(), t.page);
    EXPECT_FALSE(Child<QTextBrowser>(&help, "HelpBrowser")->toPlainText().isEmpty());
  }
  EXPECT_FALSE(help.ShowHelpTopic("NoSuchTopic"));
  help.ShowContents();
  EXPECT_EQ(help.CurrentPage().fileName(), "index.html");
  help.ShowHelpOnHelp();
  EXPECT_EQ(help.CurrentPage().fileName(), "how-to-use-help.html");
  help.ShowIndex();
  EXPECT_EQ(Child<QLineEdit>(&help, "IndexFilter")->text(), "");
  // "&Look for:" shows its access key, not the "&", only with its field as buddy.
  const QList<QLabel*> labels = help.findChildren<QLabel*>();
  const auto lookFor = std::find_if(labels.begin(), labels.end(), [](const QLabel* label) {
    return label->text() == "&Look for:";
  });
  ASSERT_NE(lookFor, labels.end());
  EXPECT_EQ((*lookFor)->buddy(), Child<QLineEdit>(&help, "IndexFilter"));
}

// The index finds partial keywords; full-text search finds words inside the pages.
TEST(HelpWindow, IndexAndFullTextSearch) {
  HelpWindow help(HelpCollectionPath());
  ASSERT_TRUE(help.HasHelp());
  help.ShowIndex();
  QTest::keyClicks(Child<QLineEdit>(&help, "IndexFilter"), "roma");
  const QAbstractItemModel* index = help.Engine()->indexWidget()->model();
  ASSERT_TRUE(QTest::qWaitFor([&] { return index->rowCount() > 0; }, 20000));
  EXPECT_TRUE(index->index(0, 0).data().toString().contains("Roman", Qt::CaseInsensitive));

  QHelpSearchEngine* search = help.Engine()->searchEngine();
  QSignalSpy indexed(search, &QHelpSearchEngine::indexingFinished);
  search->reindexDocumentation();
  ASSERT_TRUE(indexed.wait(20000));
  QSignalSpy searched(search, &QHelpSearchEngine::searchingFinished);
  search->search(QStringLiteral("Rankine"));
  ASSERT_TRUE(searched.wait(20000));
  EXPECT_GT(search->searchResultCount(), 0);
}

// A link in a page opens its page in the help window, by mouse or by keyboard, and
// Back goes back.
TEST(HelpWindow, LinksOpenTheirPages) {
  HelpWindow help(HelpCollectionPath());
  ASSERT_TRUE(help.HasHelp());
  help.ShowContents();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
  auto* browser = Child<QTextBrowser>(&help, "HelpBrowser");
  const QTextCursor link = browser->document()->find(QStringLiteral("Unit Categories"));
  ASSERT_FALSE(link.isNull());
  ASSERT_EQ(link.charFormat().anchorHref(), "categories.html");
  QTextCursor inside(browser->document());
  inside.setPosition(link.selectionStart() + 2);
  browser->setTextCursor(inside);
  browser->ensureCursorVisible();
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(inside).center());
  EXPECT_EQ(help.CurrentPage().fileName(), "categories.html");
  browser->backward();
  EXPECT_EQ(help.CurrentPage().fileName(), "index.html");

  browser->setFocus();
  QTest::keyClick(browser, Qt::Key_Tab);
  ASSERT_TRUE(browser->textCursor().charFormat().isAnchor() ||
              browser->textCursor().hasSelection());
  const QString target = browser->textCursor().charFormat().anchorHref();
  QTest::keyClick(browser, Qt::Key_Return);
  EXPECT_EQ(help.CurrentPage().fileName(), QUrl(target).fileName());
  EXPECT_NE(help.CurrentPage().fileName(), "index.html");
}

// One click on a Contents entry opens its page.
TEST(HelpWindow, OneClickOnTheContentsOpensThePage) {
  HelpWindow help(HelpCollectionPath());
  ASSERT_TRUE(help.HasHelp());
  help.ShowContents();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
  QHelpContentWidget* contents = help.Engine()->contentWidget();
  ASSERT_TRUE(QTest::qWaitFor([&] { return contents->model()->rowCount() > 0; }, 20000));
  contents->expandToDepth(0);
  const QModelIndex fonts = contents->indexOf(QUrl("qthelp://org.quantivo.help/doc/fonts.html"));
  ASSERT_TRUE(fonts.isValid());
  contents->scrollTo(fonts);
  QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualRect(fonts).center());
  EXPECT_EQ(help.CurrentPage().fileName(), "fonts.html");
}

TEST(HelpWindow, AMissingHelpFileIsReportedInTheWindow) {
  HelpWindow help("/nonexistent/quantivo.qhc");
  EXPECT_FALSE(help.HasHelp());
  EXPECT_FALSE(help.ShowHelpTopic("FontsScreen"));
  help.ShowContents();
  EXPECT_TRUE(Child<QTextBrowser>(&help, "HelpBrowser")->toPlainText().contains("cannot be found"));
}

class WindowCommandsTest : public OpenWindowTest {
 protected:
  void Select(UnitListView* list, const char* name) {
    const QModelIndexList rows = Rows(list, name);
    ASSERT_EQ(rows.size(), 1) << name;
    list->setCurrentRow(rows[0].row());
  }
  void Enter(const char* from, const char* to, const char* text) {
    Select(lst_In, from);
    Select(lst_Out, to);
    txt_In->setText(QString::fromLatin1(text));
  }
};

TEST_F(WindowCommandsTest, SortingTogglesAndForgetsEveryCategory) {
  Enter("meter", "foot", "5");
  TabSet1->setCurrentIndex(1);
  Enter("acre", "hectare", "2");
  QTest::keyClick(txt_In, Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(Action("mnu_SortUnitLists1")->isChecked());
  EXPECT_EQ(txt_In->text(), "");
  EXPECT_EQ(lst_In->currentRow(), -1);
  EXPECT_EQ(lst_In->Text(0), "acre");
  TabSet1->setCurrentIndex(18);
  EXPECT_EQ(lst_In->Text(0), "bit");
  EXPECT_EQ(lst_In->Text(2), "double-word");
  TabSet1->setCurrentIndex(0);
  EXPECT_EQ(lst_In->currentRow(), -1);
  EXPECT_EQ(txt_In->text(), "");

  Action("mnu_SortUnitLists1")->trigger();
  EXPECT_FALSE(Action("mnu_SortUnitLists1")->isChecked());
  EXPECT_EQ(lst_In->Text(0), "kilometer");
}

TEST_F(WindowCommandsTest, ChooseCategory) {
  Enter("meter", "foot", "5");
  WithModalDialog<Tfrm_ChooseUnits>([&] { Action("mnu_ChooseUnitCategory1")->trigger(); },
                                    [](Tfrm_ChooseUnits* dialog) {
                                      EXPECT_EQ(dialog->SelectedPosition(), 0);
                                      QTest::keyClick(Child<QListWidget>(dialog, "lst_Units"),
                                                      Qt::Key_Return);
                                    });
  EXPECT_EQ(TabSet1->currentIndex(), 0);
  EXPECT_EQ(txt_Out->text(), "16.40419948");

  WithModalDialog<Tfrm_ChooseUnits>(
      [&] { Action("mnu_ChooseUnitCategory1")->trigger(); },
      [](Tfrm_ChooseUnits* dialog) {
        auto* list = Child<QListWidget>(dialog, "lst_Units");
        const QListWidgetItem* mass = list->findItems("Mass", Qt::MatchExactly).first();
        const QPoint centre = list->visualItemRect(mass).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
      });
  EXPECT_EQ(TabSet1->currentIndex(), 6);
  EXPECT_EQ(lst_In->Text(0), "kilogram");
}

// Dialogs open in the middle of the screen, wherever the main window stands.
TEST_F(WindowCommandsTest, DialogsAreCentredOnTheScreen) {
  m_window->move(5, 5);
  const QPoint centre = m_window->screen()->availableGeometry().center();
  for (const char* command : {"mnu_ChooseUnitCategory1", "mnu_ArrangeOrderofCategories1",
                              "mnu_Result1", "mnu_Fonts1", "mnu_About1"}) {
    SCOPED_TRACE(command);
    WithModalDialog<QDialog>([&] { Action(command)->trigger(); },
                             [&](QDialog* dialog) {
                               EXPECT_LE((dialog->geometry().center() - centre).manhattanLength(),
                                         4);
                               dialog->reject();
                             });
  }
}

TEST_F(WindowCommandsTest, ArrangeOkSwitchesToTheFirstTabAndCancelChangesNothing) {
  TabSet1->setCurrentIndex(4);
  WithModalDialog<Tfrm_ArrangeUnits>([&] { Action("mnu_ArrangeOrderofCategories1")->trigger(); },
                                     [](Tfrm_ArrangeUnits* dialog) {
                                       Child<QToolButton>(dialog, "cmd_Sort")->click();
                                       dialog->reject();
                                     });
  EXPECT_EQ(TabSet1->tabText(0), "Length");
  EXPECT_EQ(TabSet1->currentIndex(), 4);

  WithModalDialog<Tfrm_ArrangeUnits>([&] { Action("mnu_ArrangeOrderofCategories1")->trigger(); },
                                     [](Tfrm_ArrangeUnits* dialog) { dialog->accept(); });
  EXPECT_EQ(TabSet1->tabText(0), "Length");
  EXPECT_EQ(TabSet1->currentIndex(), 0);  // the order stays, the first tab is shown

  WithModalDialog<Tfrm_ArrangeUnits>([&] { Action("mnu_ArrangeOrderofCategories1")->trigger(); },
                                     [](Tfrm_ArrangeUnits* dialog) {
                                       Child<QToolButton>(dialog, "cmd_Sort")->click();
                                       Child<QPushButton>(dialog, "btn_OK")->click();
                                     });
  EXPECT_EQ(TabSet1->tabText(0), "Angle");
  EXPECT_EQ(lst_In->Text(0), "degree");

  // Numbers keeps its key filter under its caption, wherever its tab now stands.
  const int numbers = 14;
  ASSERT_EQ(TabSet1->tabText(numbers), "Numbers");
  TabSet1->setCurrentIndex(numbers);
  txt_In->setFocus();
  QTest::keyClicks(txt_In, "ff");
  EXPECT_EQ(txt_In->text(), "FF");
}

TEST_F(WindowCommandsTest, NewResultFormatReformatsAtOnce) {
  Enter("kilometer", "meter", "1.23456");
  ASSERT_EQ(txt_Out->text(), "1234.56");
  WithModalDialog<Tfrm_NumberFormat>([&] { Action("mnu_Result1")->trigger(); },
                                     [](Tfrm_NumberFormat* dialog) {
                                       Child<QRadioButton>(dialog, "RadioButton2")->click();
                                       Child<QSpinBox>(dialog, "SpinEdit1")->setValue(2);
                                       dialog->accept();
                                     });
  EXPECT_EQ(txt_Out->text(), "1.2E+003");
  WithModalDialog<Tfrm_NumberFormat>([&] { Action("mnu_Result1")->trigger(); },
                                     [](Tfrm_NumberFormat* dialog) {
                                       Child<QRadioButton>(dialog, "RadioButton4")->click();
                                       dialog->reject();
                                     });
  EXPECT_EQ(txt_Out->text(), "1.2E+003");
}

TEST_F(WindowCommandsTest, FontsApplyToBoxesListsAndTabs) {
  m_window->SetFontChooser([](const model::FontSpec& seed, QWidget*) {
    model::FontSpec chosen = seed;
    chosen.Italic = true;
    chosen.Color = 0x0000FF;  // red
    chosen.ColorChosen = true;
    chosen.Size = 12;
    return std::optional<model::FontSpec>(chosen);
  });
  WithModalDialog<Tfrm_Fonts>([&] { Action("mnu_Fonts1")->trigger(); },
                              [](Tfrm_Fonts* dialog) {
                                Child<QPushButton>(dialog, "btn_Font1")->click();
                                Child<QPushButton>(dialog, "btn_Font2")->click();
                                dialog->accept();
                              });
  for (QWidget* widget : {static_cast<QWidget*>(txt_In), static_cast<QWidget*>(txt_Out),
                          static_cast<QWidget*>(lst_In), static_cast<QWidget*>(lst_Out)}) {
    EXPECT_TRUE(widget->font().italic());
    EXPECT_EQ(widget->palette().color(QPalette::Text), QColor(Qt::red));
  }
  EXPECT_EQ(TabSet1->font().pointSize(), 12);
  EXPECT_EQ(TabSet1->height(), 9 + QFontInfo(TabSet1->font()).pixelSize());

  WithModalDialog<Tfrm_Fonts>([&] { Action("mnu_Fonts1")->trigger(); },
                              [](Tfrm_Fonts* dialog) {
                                Child<QPushButton>(dialog, "btn_Reset")->click();
                                dialog->reject();
                              });
  EXPECT_TRUE(txt_In->font().italic());
  WithModalDialog<Tfrm_Fonts>([&] { Action("mnu_Fonts1")->trigger(); },
                              [](Tfrm_Fonts* dialog) {
                                Child<QPushButton>(dialog, "btn_Reset")->click();
                                dialog->accept();
                              });
  EXPECT_FALSE(txt_In->font().italic());
  EXPECT_TRUE(txt_In->font().bold());
  EXPECT_EQ(TabSet1->font().pointSize(), 7);
}

// A desktop font of 16 points: the window's text is no smaller, and every dialog grows
// with its text, so no caption is cut off.
TEST_F(WindowCommandsTest, LargeDesktopFontGrowsTheTextAndTheDialogs) {
  const QFont before = QApplication::font();
  QFont large = before;
  large.setPointSize(16);
  QApplication::setFont(large);
  m_window.reset();
  Open();
  EXPECT_GE(txt_In->font().pointSizeF(), 16);
  EXPECT_GE(TabSet1->font().pointSizeF(), 16);
  EXPECT_GT(TabSet1->height(), QFontInfo(large).pixelSize());

  const auto nothingCut = [](QDialog* dialog) {
    EXPECT_GE(QFontInfo(dialog->font()).pointSizeF(), 15.5);
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
      if (qobject_cast<QAbstractButton*>(child) == nullptr &&
          qobject_cast<QLabel*>(child) == nullptr)
        continue;
      if (!child->isVisibleTo(dialog)) continue;
      SCOPED_TRACE(child->objectName().toStdString());
      // A push button is wider than its text by its frame and margins alone; a
      // radio button's or a label's own size hint holds its text.
      auto* push = qobject_cast<QPushButton*>(child);
      const QSize needed = push != nullptr
                               ? QSize(push->fontMetrics().horizontalAdvance(push->text()) + 12,
                                       push->fontMetrics().height() + 4)
                               : child->minimumSizeHint();
      EXPECT_GE(child->width(), needed.width());
      EXPECT_GE(child->height(), needed.height());
      // Inside its parent, which holds it whole.
      EXPECT_TRUE(child->parentWidget()->rect().contains(child->geometry()));
    }
  };
  WithModalDialog<Tfrm_Fonts>([&] { Action("mnu_Fonts1")->trigger(); },
                              [&](Tfrm_Fonts* dialog) {
                                nothingCut(dialog);
                                dialog->reject();
                              });
  WithModalDialog<Tfrm_NumberFormat>([&] { Action("mnu_Result1")->trigger(); },
                                     [&](Tfrm_NumberFormat* dialog) {
                                       nothingCut(dialog);
                                       dialog->reject();
                                     });
  QApplication::setFont(before);
}

TEST_F(WindowCommandsTest, HelpOpensFromTheWindowAndFromADialog) {
  QTest::keyClick(lst_In, Qt::Key_F1);
  ASSERT_NE(m_window->OpenHelpWindow(), nullptr);
  EXPECT_TRUE(m_window->OpenHelpWindow()->Window()->isVisible());
  EXPECT_TRUE(m_window->OpenHelpWindow()->HasHelp());
  EXPECT_EQ(m_window->OpenHelpWindow()->CurrentPage().fileName(), "index.html");

  WithModalDialog<Tfrm_Fonts>(
      [&] { Action("mnu_Fonts1")->trigger(); },
      [this](Tfrm_Fonts* dialog) {
        Child<QPushButton>(dialog, "btn_Help")->click();
        EXPECT_TRUE(dialog->isVisible());
        // Help goes beside the dialog, or the dialog stays on top.
        const QWidget* help = m_window->OpenHelpWindow()->Window();
        EXPECT_TRUE(QTest::qWaitFor([&] {
          return !help->frameGeometry().intersects(dialog->frameGeometry()) ||
                 QApplication::activeWindow() == dialog;
        }));
        EXPECT_EQ(m_window->OpenHelpWindow()->CurrentPage().fileName(), "fonts.html");
        dialog->reject();
      });
  Action("mnu_MetricPrefixes1")->trigger();
  EXPECT_EQ(m_window->OpenHelpWindow()->CurrentPage().fileName(), "metric-prefixes.html");
}

// Help that went narrow beside a dialog comes back to its own size for the window's F1.
TEST_F(WindowCommandsTest, HelpComesBackFromBesideADialog) {
  QTest::keyClick(lst_In, Qt::Key_F1);
  QWidget* help = m_window->OpenHelpWindow()->Window();
  const QSize own(600, 400);
  help->resize(own);
  WithModalDialog<Tfrm_Fonts>([&] { Action("mnu_Fonts1")->trigger(); },
                              [&](Tfrm_Fonts* dialog) {
                                dialog->move(0, 0);
                                Child<QPushButton>(dialog, "btn_Help")->click();
                                EXPECT_LT(help->width(), own.width());
                              });
  QTest::keyClick(lst_In, Qt::Key_F1);
  EXPECT_EQ(help->size(), own);
}

TEST_F(WindowCommandsTest, EscapeClosesHelp) {
  QTest::keyClick(lst_In, Qt::Key_F1);
  QWidget* help = m_window->OpenHelpWindow()->Window();
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  QTest::keyClick(help, Qt::Key_Escape);
  EXPECT_FALSE(help->isVisible());
}

// Closing the window ends the program as Exit does, though the help window is open.
TEST_F(WindowCommandsTest, ClosingTheWindowEndsTheProgramAndItsHelp) {
  QTest::keyClick(lst_In, Qt::Key_F1);
  QTimer::singleShot(0, m_window.get(), &QWidget::close);
  QTimer::singleShot(10000, m_window.get(), [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(m_window->OpenHelpWindow()->Window()->isVisible());
}

TEST_F(WindowCommandsTest, NoCalculatorIsReported) {
  m_window->SetCalculators({"/nonexistent/calculator", "quantivo-no-such-calculator"});
  Action("Calculator1")->trigger();
  EXPECT_EQ(m_messages.Shown,
            (std::vector<std::string>{"Error: Unable to start the Windows Calculator."}));
}

// A unit of one's own defined in the dialog, typed field by field, then removed.
TEST_F(WindowCommandsTest, CustomUnitsDefinedAndRemoved) {
  const auto inDialog = [&](const std::function<void(Tfrm_CustomUnits*)>& interact) {
    WithModalDialog<Tfrm_CustomUnits>(
        [&] { QTest::keyClick(txt_In, Qt::Key_D, Qt::ControlModifier); }, interact);
  };
  // A click on a button of the dialog.
  const auto press = [](Tfrm_CustomUnits* dialog, const char* button) {
    QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
  };
  inDialog([&](Tfrm_CustomUnits* dialog) {
    WithModalDialog<Tfrm_CustomUnit>(
        [&] { press(dialog, "btn_Add"); },
        [](Tfrm_CustomUnit* add) {
          for (const auto& [field, typed] :
               {std::pair{"txt_Name", "step"}, std::pair{"txt_Value", "60"},
                std::pair{"cbo_Base", "centimeter"}}) {
            QTest::keyClicks(Child<QWidget>(add, field), QString::fromLatin1(typed));
          }
          EXPECT_EQ(Child<QLabel>(add, "lbl_Meaning")->text(),
                    "1 step = 0.6 meter = 1.968503937 foot");
          QTest::keyClick(Child<QWidget>(add, "txt_Value"), Qt::Key_Return);
        });
    EXPECT_EQ(Child<QListWidget>(dialog, "lst_CustomUnits")->item(0)->text(),
              "step = 60 centimeter");
  });
  ASSERT_EQ(lst_In->count(), 39);
  Enter("step", "meter", "10");
  EXPECT_EQ(txt_Out->text(), "6");
  QFile file(m_folder.filePath("units.ini"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "[Length]\nstep = 60 centimeter\n");

  inDialog([&](Tfrm_CustomUnits* dialog) {
    WithModalDialog<QMessageBox>([&] { press(dialog, "btn_Remove"); },
                                 [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
  });
  EXPECT_EQ(lst_In->count(), 38);
  EXPECT_EQ(lst_In->currentRow(), -1);
  EXPECT_EQ(lst_Out->Text(lst_Out->currentRow()), "meter");
}

}  // namespace
}  // namespace quantivo::ui
