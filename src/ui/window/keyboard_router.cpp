#include "ui/window/keyboard_router.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <utility>

namespace quantivo::ui {

KeyboardRouter::KeyboardRouter(QWidget* window, QMenuBar* menuBar, QLineEdit* inputBox,
                               QList<QLineEdit*> boxes, QString decimal, Routes routes)
    : QObject(window),
      m_window(window),
      m_menuBar(menuBar),
      m_inputBox(inputBox),
      m_boxes(std::move(boxes)),
      m_decimal(std::move(decimal)),
      m_routes(std::move(routes)) {
  m_focusChanges = connect(qApp, &QApplication::focusChanged, this, &KeyboardRouter::FocusChanged);
  qApp->installEventFilter(this);
}

KeyboardRouter::~KeyboardRouter() {
  disconnect(m_focusChanges);
}

void KeyboardRouter::SetShortcuts(QList<QAction*> shortcuts, QList<QAction*> editRule) {
  m_shortcuts = std::move(shortcuts);
  m_editRule = std::move(editRule);
}

int KeyboardRouter::CategoryStep(QKeyCombination keys) {
  if (keys == (Qt::CTRL | Qt::Key_PageDown)) return 1;
  if (keys == (Qt::CTRL | Qt::Key_PageUp)) return -1;
  return 0;
}

bool KeyboardRouter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
      CloseMenu(watched)) {
    return true;
  }
  if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == m_window) {
      return RouteKey(watched, static_cast<QKeyEvent*>(event), type == QEvent::ShortcutOverride);
    }
  } else if (type == QEvent::FocusOut &&
             static_cast<QFocusEvent*>(event)->reason() == Qt::MenuBarFocusReason) {
    // A box drops its selection when the menu bar takes the keys (Alt, or a menu
    // opened from the keyboard): it is kept here, before the box sees the event.
    for (QLineEdit* box : m_boxes) {
      if (watched == box)
        m_selectionBeforeMenu = {box, box->selectionStart(), box->selectedText().size()};
    }
  }
  return false;
}

// Escape in one of the menus closes it and gives the keys back to the control that
// had them. Left to itself, the menu bar would stay in its keyboard mode, take the
// next key typed and take the input box's selection with it.
bool KeyboardRouter::CloseMenu(QObject* watched) {
  auto* menu = qobject_cast<QMenu*>(watched);
  if (menu == nullptr || menu->parentWidget() != m_menuBar) return false;
  menu->hide();
  // A menu opened from the keyboard leaves the menu bar holding the keys: it lets
  // them go at an Escape of its own.
  if (m_menuBar->hasFocus()) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(m_menuBar, &escape);
  }
  return true;
}

bool KeyboardRouter::RouteKey(QObject* watched, QKeyEvent* key, bool override) {
  const int step = CategoryStep(key->keyCombination());
  if (override) {
    // Menu shortcuts come back as key presses, handled below, so that a text box
    // never takes them as its own (Ctrl+A does not select the text).
    const QKeySequence pressed(key->keyCombination());
    const bool menuKey = std::any_of(m_shortcuts.begin(), m_shortcuts.end(),
                                     [&](const QAction* a) { return a->shortcut() == pressed; });
    if (!menuKey && step == 0) return false;
    key->accept();
    return true;
  }
  if (DispatchShortcut(key)) return true;
  if (step != 0) {
    m_routes.StepCategory(step);
    return true;
  }
  return watched == m_inputBox && FilterInputKey(key);
}

bool KeyboardRouter::DispatchShortcut(QKeyEvent* key) {
  const QKeySequence pressed(key->keyCombination());
  for (QAction* action : m_shortcuts) {
    if (action->shortcut() != pressed) continue;
    if (m_editRule.contains(action)) m_routes.EditRule();
    if (action->isEnabled()) action->trigger();
    return true;
  }
  return false;
}

bool KeyboardRouter::FilterInputKey(QKeyEvent* key) {
  const QString text = key->text();
  const char32_t decimal = m_decimal.size() == 1 ? m_decimal.front().unicode() : U'.';
  // Where the decimal separator is not ".", the keypad's decimal key gives it,
  // whichever sign the key bears, and so does a typed "." while the box holds no
  // separator yet: "1.5" typed is one and a half, never fifteen.
  const bool keypad = (key->modifiers() & Qt::KeypadModifier) && (text == u"." || text == u",");
  if (m_decimal != u"." && (keypad || (text == u"." && !BoxHoldsDecimal())) && text != m_decimal &&
      m_routes.InputTakes(decimal)) {
    m_inputBox->insert(m_decimal);
    return true;
  }
  // A digit is shown in the script the locale writes numbers in.
  if (text.size() == 1 && text.front() >= u'0' && text.front() <= u'9' && m_routes.ShownDigit) {
    const char32_t shown = m_routes.ShownDigit(text.front().unicode());
    if (shown != text.front().unicode()) {
      m_inputBox->insert(QString::fromUcs4(&shown, 1));
      return true;
    }
  }
  // A key without a character (arrows, Home, function keys) passes.
  for (const QChar c : text) {
    if (!m_routes.InputTakes(c.unicode())) return true;  // swallowed
  }
  return false;
}

bool KeyboardRouter::BoxHoldsDecimal() const {
  // The selected text is about to be typed over.
  QString kept = m_inputBox->text();
  if (m_inputBox->hasSelectedText()) {
    kept.remove(m_inputBox->selectionStart(), m_inputBox->selectedText().size());
  }
  return kept.contains(m_decimal);
}

// The selection a box dropped when the menu bar took the keys comes back with them.
void KeyboardRouter::FocusChanged(QWidget* old, QWidget* now) {
  if (old == m_menuBar && now != nullptr && now == m_selectionBeforeMenu.Box &&
      m_selectionBeforeMenu.Start >= 0) {
    m_selectionBeforeMenu.Box->setSelection(m_selectionBeforeMenu.Start,
                                            m_selectionBeforeMenu.Length);
    m_selectionBeforeMenu = {};
  }
}

}  // namespace quantivo::ui
