#include <gtest/gtest.h>

#include <QAccessible>
#include <QDialog>
#include <QFont>
#include <QRadioButton>
#include <vector>

#include "support/ui_test_support.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/arrange_units_dialog.h"
#include "ui/dialogs/choose_units_dialog.h"
#include "ui/dialogs/number_format_dialog.h"
#include "ui/help/help_window.h"

namespace quantivo::ui {
namespace {

struct Seen {
  QAccessible::Role Role;
  QString Name;
};

// Every object a screen reader meets under `iface`, as it is told their roles and
// names.
void Walk(QAccessibleInterface* iface, std::vector<Seen>& seen) {
  for (int i = 0; i < iface->childCount(); ++i) {
    QAccessibleInterface* child = iface->child(i);
    if (child == nullptr) continue;
    seen.push_back({child->role(), child->text(QAccessible::Name)});
    Walk(child, seen);
  }
}

std::vector<Seen> SeenIn(QWidget* dialog) {
  std::vector<Seen> seen;
  Walk(QAccessible::queryAccessibleInterface(dialog), seen);
  return seen;
}

const QStringList kCategories = {"Length", "Area", "Volume"};

TEST(DialogNames, EveryControlOfTheDialogsHasAName) {
  Tfrm_ChooseUnits choose(kCategories, 0, QFont(), {});
  Tfrm_ArrangeUnits arrange(kCategories, kCategories, QFont(), {});
  Tfrm_NumberFormat format({engine::ViewType::Fixed, 4}, {}, {});
  Tfrm_About about(425);
  HelpWindow help(HelpCollectionPath());
  const QList<QAccessible::Role> controls = {
      QAccessible::PushButton, QAccessible::RadioButton,  QAccessible::CheckBox,
      QAccessible::List,       QAccessible::ListItem,     QAccessible::SpinBox,
      QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::Tree};
  for (QWidget* dialog : std::vector<QWidget*>{&choose, &arrange, &format, &about, &help}) {
    int count = 0;
    for (const Seen& seen : SeenIn(dialog)) {
      if (!controls.contains(seen.Role)) continue;
      ++count;
      EXPECT_FALSE(seen.Name.trimmed().isEmpty())
          << dialog->windowTitle().toStdString() << ": role " << seen.Role;
    }
    EXPECT_GT(count, 0) << dialog->windowTitle().toStdString();
  }
}

TEST(DialogNames, CategoryListsSayWhatTheyHold) {
  Tfrm_ChooseUnits choose(kCategories, 0, QFont(), {});
  Tfrm_ArrangeUnits arrange(kCategories, kCategories, QFont(), {});
  for (const auto& [dialog, name] :
       {std::pair<QDialog*, QString>{&choose, "Unit categories"}, {&arrange, "Category order"}}) {
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(Child<QWidget>(dialog, "lst_Units"));
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), name);
  }
}

TEST(DialogNames, AboutReadsItsTitleOnce) {
  Tfrm_About about(425);
  int titles = 0;
  for (const Seen& seen : SeenIn(&about)) titles += seen.Name == "Quantivo" ? 1 : 0;
  EXPECT_EQ(titles, 1);
}

TEST(DialogNames, FormatButtonsAreReadWithinTheirTitledGroup) {
  Tfrm_NumberFormat format({engine::ViewType::Fixed, 4}, {}, {});
  for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"}) {
    QAccessibleInterface* group =
        QAccessible::queryAccessibleInterface(Child<QRadioButton>(&format, name))->parent();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->text(QAccessible::Name), "Choose Result Number Format") << name;
  }
}

}  // namespace
}  // namespace quantivo::ui
