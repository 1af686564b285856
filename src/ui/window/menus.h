#pragma once

#include <QList>

class QAction;
class QMenu;
class QMenuBar;

namespace quantivo::ui {

class Tfrm_Converter;

/// The menu items the window works with once the menus are built.
struct MenuActions {
  QMenu* mnu_Edit1 = nullptr;
  QAction* mnu_Cut1 = nullptr;
  QAction* mnu_Copy1 = nullptr;
  QAction* mnu_Paste1 = nullptr;
  QAction* mnu_SortUnitLists1 = nullptr;
  QAction* mnu_ShowConversionFactor1 = nullptr;
  QAction* mnu_StayOnTop1 = nullptr;
  /// The items with a shortcut, and those of them that run the Edit menu's rule
  /// before their own command.
  QList<QAction*> Shortcuts;
  QList<QAction*> EditRule;
};

/// Fills the menu bar: Exit! and the Edit, Options, Reference and Help menus, each
/// item connected to its command of the window. The captions are in the interface's
/// language. Shortcuts are the window's to dispatch: no item takes its key itself.
MenuActions BuildMenus(QMenuBar* menuBar, Tfrm_Converter* window);

}  // namespace quantivo::ui
