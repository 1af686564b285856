#pragma once

#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QAction;
class QKeyCombination;
class QKeyEvent;
class QMenuBar;
class QWidget;

namespace quantivo::ui {

/// Where the window's keys go, ahead of the control that has the focus: menu
/// shortcuts (the Edit menu's rule first), Ctrl+Page Down and Up, Escape in a menu,
/// and the input box's filter. A text box's selection taken by the menu bar comes back
/// with the keys.
class KeyboardRouter : public QObject {
  Q_OBJECT
 public:
  struct Routes {
    /// The Edit menu's rule, run before an Edit command's shortcut.
    std::function<void()> EditRule;
    /// Ctrl+Page Down (+1) and Ctrl+Page Up (-1).
    std::function<void(int step)> StepCategory;
    /// Whether the input box takes a typed character.
    std::function<bool(char32_t character)> InputTakes;
    /// The digit the input box shows for a typed ASCII one: the locale's own where its
    /// numbers are written in another script.
    std::function<char32_t(char32_t digit)> ShownDigit;
  };

  /// Routes the keys of `window` (its menu bar and its input box among them) from now
  /// on; `decimal` is the locale's decimal separator. `boxes` are the window's text
  /// boxes, whose selections come back after the menu bar.
  KeyboardRouter(QWidget* window, QMenuBar* menuBar, QLineEdit* inputBox, QList<QLineEdit*> boxes,
                 QString decimal, Routes routes);
  ~KeyboardRouter() override;

  /// The menu items with a shortcut, and those that run the Edit menu's rule first.
  void SetShortcuts(QList<QAction*> shortcuts, QList<QAction*> editRule);

  /// +1 for Ctrl+Page Down, -1 for Ctrl+Page Up, 0 for any other key.
  static int CategoryStep(QKeyCombination keys);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool CloseMenu(QObject* watched);
  bool RouteKey(QObject* watched, QKeyEvent* key, bool override);
  /// Carries out the menu command whose shortcut the key is; false for no command.
  bool DispatchShortcut(QKeyEvent* key);
  /// The input box's filter: true for a key it must not see.
  bool FilterInputKey(QKeyEvent* key);
  /// Whether the input box keeps a decimal separator once the typed key replaces its
  /// selection.
  bool BoxHoldsDecimal() const;
  void FocusChanged(QWidget* old, QWidget* now);

  QWidget* m_window;
  QMenuBar* m_menuBar;
  QLineEdit* m_inputBox;
  QList<QLineEdit*> m_boxes;
  QString m_decimal;
  Routes m_routes;
  QList<QAction*> m_shortcuts;
  QList<QAction*> m_editRule;
  QMetaObject::Connection m_focusChanges;
  /// The text box's selection when the menu bar took the keys from it.
  struct Selection {
    QPointer<QLineEdit> Box;
    int Start = -1;
    qsizetype Length = 0;
  } m_selectionBeforeMenu;
};

}  // namespace quantivo::ui
