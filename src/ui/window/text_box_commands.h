#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <optional>
#include <string>

#include "engine/format_result.h"

class QAction;
class QWidget;

namespace quantivo::ui {

/// The Edit menu's commands on the window's two text boxes. The box that last had
/// the focus is the active one until another control of the window takes it; the
/// commands work on it.
class TextBoxCommands : public QObject {
  Q_OBJECT
 public:
  TextBoxCommands(QWidget* window, QLineEdit* inputBox, QLineEdit* outputBox,
                  engine::NumberLocale locale);
  ~TextBoxCommands() override;

  /// True while one of the two text boxes has its turn; the box is then the active
  /// text box.
  bool FocusFlag() const { return m_focusFlag; }
  QLineEdit* ActiveTextBox() const { return m_activeTextBox; }

  /// The Edit menu's rule: Cut, Copy and Paste enabled as the active box allows. In
  /// the read-only output box the whole result is selected for Copy.
  void EnableEditItems(QAction* cut, QAction* copy, QAction* paste);
  void Cut();
  void Copy();
  /// Pastes the clipboard's text; a number as this locale writes it (a copied result)
  /// is read as that number.
  void Paste();
  /// Puts a result on the clipboard; without one, beeps.
  static void CopyResult(const std::optional<std::string>& result);
  /// Keeps the input box's Undo history bounded; called after each edit of it.
  void InputEdited();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Txt_Enter(QLineEdit* box);
  void Txt_Exit();

  QWidget* m_window;
  QLineEdit* m_inputBox;
  QLineEdit* m_outputBox;
  engine::NumberLocale m_locale;
  QMetaObject::Connection m_focusChanges;
  bool m_focusFlag = false;
  QPointer<QLineEdit> m_activeTextBox;
  int m_inputEdits = 0;
};

}  // namespace quantivo::ui
