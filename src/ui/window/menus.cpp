#include "ui/window/menus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "ui/window/main_window.h"

namespace quantivo::ui {
namespace {

using MenuCommand = void (Tfrm_Converter::*)();

// The menus in menu-bar order, after Exit!. Captions are English, marked for
// translation in the context "Menus".
struct MenuDefinition {
  const char* Name;
  const char* Caption;
};

constexpr MenuDefinition kMenus[] = {
    {"mnu_Edit1", QT_TRANSLATE_NOOP("Menus", "&Edit")},
    {"mnu_Options1", QT_TRANSLATE_NOOP("Menus", "&Options")},
    {"mnu_Reference1", QT_TRANSLATE_NOOP("Menus", "&Reference")},
    {"mnu_Help1", QT_TRANSLATE_NOOP("Menus", "&Help")},
};

// What a menu item is besides a command: the Edit menu's rule runs before its own
// command, and a checkable one shows a check mark.
constexpr unsigned kPlainItem = 0;
constexpr unsigned kEditRule = 1u << 0;
constexpr unsigned kCheckable = 1u << 1;

constexpr QKeyCombination kNoKeys;

// One menu item: its menu (a position in kMenus), object name, caption, shortcut and
// command. A row without a command is a separator.
struct MenuItem {
  int Menu;
  const char* Name;
  const char* Caption;
  QKeyCombination Keys;
  MenuCommand Run;
  unsigned Roles = kPlainItem;
  QAction* MenuActions::*Member = nullptr;
};

}  // namespace

// The menu items in menu order. A friend of the window, as it names the window's
// commands.
struct MenuTable {
  static const MenuItem kItems[];
  static constexpr MenuCommand kExit = &Tfrm_Converter::mnu_Exit1Click;
  static constexpr MenuCommand kEditMenuShown = &Tfrm_Converter::mnu_Edit1Click;
};

using W = Tfrm_Converter;
using M = MenuActions;
const MenuItem MenuTable::kItems[] = {
    {0, "mnu_Cut1", QT_TRANSLATE_NOOP("Menus", "Cu&t"), Qt::CTRL | Qt::Key_X, &W::mnu_Cut1Click,
     kEditRule, &M::mnu_Cut1},
    {0, "mnu_Copy1", QT_TRANSLATE_NOOP("Menus", "&Copy"), Qt::CTRL | Qt::Key_C, &W::mnu_Copy1Click,
     kEditRule, &M::mnu_Copy1},
    {0, "mnu_Paste1", QT_TRANSLATE_NOOP("Menus", "&Paste"), Qt::CTRL | Qt::Key_V,
     &W::mnu_Paste1Click, kEditRule, &M::mnu_Paste1},
    {0, "mnu_CopyResult1", QT_TRANSLATE_NOOP("Menus", "Copy &Result"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_C, &W::mnu_CopyResult1Click},
    {0, "mnu_N1", nullptr, kNoKeys, nullptr},
    {0, "mnu_ReverseSelectedUnits1", QT_TRANSLATE_NOOP("Menus", "&Invert Current Conversion"),
     Qt::CTRL | Qt::Key_I, &W::mnu_ReverseSelectedUnits1Click, kEditRule},
    {0, "mnu_ClearInputTextBox1", QT_TRANSLATE_NOOP("Menus", "Clear Input &Text Box"),
     Qt::CTRL | Qt::Key_T, &W::mnu_ClearInputTextBox1Click, kEditRule},
    {0, "mnu_Reset1", QT_TRANSLATE_NOOP("Menus", "C&lear All Text and List Boxes"), kNoKeys,
     &W::mnu_Reset1Click},
    {1, "mnu_Result1", QT_TRANSLATE_NOOP("Menus", "&Result Number Format..."), Qt::CTRL | Qt::Key_R,
     &W::mnu_Result1Click},
    {1, "mnu_Fonts1", QT_TRANSLATE_NOOP("Menus", "&Fonts..."), Qt::CTRL | Qt::Key_F,
     &W::mnu_Fonts1Click},
    {1, nullptr, nullptr, kNoKeys, nullptr},
    {1, "mnu_ChooseUnitCategory1", QT_TRANSLATE_NOOP("Menus", "Choose &Unit Category..."),
     Qt::CTRL | Qt::Key_U, &W::mnu_ChooseUnitCategory1Click},
    {1, "mnu_SortUnitLists1", QT_TRANSLATE_NOOP("Menus", "&Sort Units Alphabetically"),
     Qt::CTRL | Qt::Key_S, &W::mnu_SortUnitLists1Click, kCheckable, &M::mnu_SortUnitLists1},
    {1, "mnu_ArrangeOrderofCategories1", QT_TRANSLATE_NOOP("Menus", "&Arrange Category Order..."),
     Qt::CTRL | Qt::Key_A, &W::mnu_ArrangeOrderofCategories1Click},
    {1, "mnu_CustomUnits1", QT_TRANSLATE_NOOP("Menus", "&Custom Units..."), Qt::CTRL | Qt::Key_D,
     &W::mnu_CustomUnits1Click},
    {1, "mnu_N2", nullptr, kNoKeys, nullptr},
    {1, "mnu_FindUnit1", QT_TRANSLATE_NOOP("Menus", "F&ind Unit..."), Qt::CTRL | Qt::Key_K,
     &W::mnu_FindUnit1Click},
    {1, "mnu_ShowConversionFactor1", QT_TRANSLATE_NOOP("Menus", "Show Con&version Factor"), kNoKeys,
     &W::mnu_ShowConversionFactor1Click, kCheckable, &M::mnu_ShowConversionFactor1},
    {1, "mnu_StayOnTop1", QT_TRANSLATE_NOOP("Menus", "Stay on &Top"), kNoKeys,
     &W::mnu_StayOnTop1Click, kCheckable, &M::mnu_StayOnTop1},
    {2, "Calculator1", QT_TRANSLATE_NOOP("Menus", "&Calculator"), kNoKeys, &W::Calculator1Click},
    {2, "mnu_MetricPrefixes1", QT_TRANSLATE_NOOP("Menus", "&Metric Prefixes"), kNoKeys,
     &W::mnu_MetricPrefixes1Click},
    {2, "mnu_ConversionTable1", QT_TRANSLATE_NOOP("Menus", "Conversion &Table..."), Qt::Key_F3,
     &W::mnu_ConversionTable1Click},
    {3, "mnu_Contents1", QT_TRANSLATE_NOOP("Menus", "&Contents"), Qt::Key_F1,
     &W::mnu_Contents1Click},
    {3, "mnu_SearchforHelpOn1", QT_TRANSLATE_NOOP("Menus", "&Search for Help On..."), kNoKeys,
     &W::mnu_SearchforHelpOn1Click},
    {3, "mnu_HowtoUseHelp1", QT_TRANSLATE_NOOP("Menus", "&How to Use Help"), kNoKeys,
     &W::mnu_HowtoUseHelp1Click},
    {3, nullptr, nullptr, kNoKeys, nullptr},
    {3, "mnu_About1", QT_TRANSLATE_NOOP("Menus", "&About..."), kNoKeys, &W::mnu_About1Click},
};

MenuActions BuildMenus(QMenuBar* menuBar, Tfrm_Converter* window) {
  auto* exit = menuBar->addAction(QCoreApplication::translate("Menus", "E&xit!"));
  exit->setObjectName(QStringLiteral("mnu_Exit1"));
  QObject::connect(exit, &QAction::triggered, window, MenuTable::kExit);

  QList<QMenu*> menus;
  for (const MenuDefinition& m : kMenus) {
    QMenu* menu = menuBar->addMenu(QCoreApplication::translate("Menus", m.Caption));
    menu->setObjectName(QString::fromLatin1(m.Name));
    menus.append(menu);
  }
  MenuActions built;
  built.mnu_Edit1 = menus.front();
  QObject::connect(built.mnu_Edit1, &QMenu::aboutToShow, window, MenuTable::kEditMenuShown);

  for (const MenuItem& item : MenuTable::kItems) {
    QMenu* menu = menus[item.Menu];
    QAction* action = item.Run == nullptr
                          ? menu->addSeparator()
                          : menu->addAction(QCoreApplication::translate("Menus", item.Caption));
    if (item.Name != nullptr) action->setObjectName(QString::fromLatin1(item.Name));
    if (item.Member != nullptr) built.*item.Member = action;
    if (item.Run == nullptr) continue;
    QObject::connect(action, &QAction::triggered, window, item.Run);
    action->setCheckable((item.Roles & kCheckable) != 0);
    if (item.Roles & kEditRule) built.EditRule.append(action);
    if (item.Keys != kNoKeys) {
      action->setShortcut(QKeySequence(item.Keys));
      // The window dispatches shortcuts itself, so that the Edit menu's rule runs
      // first and no shortcut ever reaches a text box.
      action->setShortcutContext(Qt::WidgetShortcut);
      built.Shortcuts.append(action);
    }
  }
  return built;
}

}  // namespace quantivo::ui
