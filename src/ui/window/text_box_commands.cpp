#include "ui/window/text_box_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalBlocker>
#include <utility>

#include "engine/input_text.h"
#include "ui/qt_convert.h"

namespace quantivo::ui {

TextBoxCommands::TextBoxCommands(QWidget* window, QLineEdit* inputBox, QLineEdit* outputBox,
                                 engine::NumberLocale locale)
    : QObject(window),
      m_window(window),
      m_inputBox(inputBox),
      m_outputBox(outputBox),
      m_locale(std::move(locale)) {
  inputBox->installEventFilter(this);
  outputBox->installEventFilter(this);
  // A text box's turn ends when another control of the window takes the focus,
  // whatever came between: a menu, the menu bar's keyboard mode, another window.
  // Those take the focus without ending it, as they move it to no control.
  m_focusChanges = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != nullptr && now != m_inputBox && now != m_outputBox && now->window() == m_window &&
        qobject_cast<QMenuBar*>(now) == nullptr) {
      Txt_Exit();
    }
  });
}

TextBoxCommands::~TextBoxCommands() {
  disconnect(m_focusChanges);
}

bool TextBoxCommands::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) Txt_Enter(static_cast<QLineEdit*>(watched));
  return false;
}

void TextBoxCommands::Txt_Enter(QLineEdit* box) {
  m_focusFlag = true;
  m_activeTextBox = box;
}

void TextBoxCommands::Txt_Exit() {
  m_focusFlag = false;
  m_activeTextBox = nullptr;
}

void TextBoxCommands::EnableEditItems(QAction* cut, QAction* copy, QAction* paste) {
  QLineEdit* box = m_activeTextBox;
  if (!m_focusFlag || box == nullptr) {
    for (QAction* item : {cut, copy, paste}) item->setEnabled(false);
    return;
  }
  // In the read-only output box the whole result is what Copy takes.
  if (box->isReadOnly() && !box->hasSelectedText()) box->selectAll();
  cut->setEnabled(box->hasSelectedText() && !box->isReadOnly());
  copy->setEnabled(box->hasSelectedText());
  const QClipboard* clipboard = QGuiApplication::clipboard();
  paste->setEnabled(clipboard->mimeData() != nullptr && clipboard->mimeData()->hasText() &&
                    !box->isReadOnly());
}

void TextBoxCommands::Cut() {
  QLineEdit* box = m_activeTextBox;
  if (box == nullptr || !box->hasSelectedText()) return;
  QGuiApplication::clipboard()->setText(box->selectedText());
  box->insert(QString());
}

void TextBoxCommands::Copy() {
  QLineEdit* box = m_activeTextBox;
  if (box == nullptr || !box->hasSelectedText()) return;
  QGuiApplication::clipboard()->setText(box->selectedText());
}

void TextBoxCommands::Paste() {
  QLineEdit* box = m_activeTextBox;
  if (box == nullptr) return;
  const QString pasted = QGuiApplication::clipboard()->text();
  // A number as this locale writes it, a copied result for one, is read as that
  // number: its grouping goes, and its decimal separator stays the box's.
  const std::optional<std::string> number =
      engine::LocaleNumberAsInput(ToStdString(pasted), m_locale);
  box->insert(number ? ToQString(engine::BoxTextFromInput(*number, m_locale)) : pasted);
}

void TextBoxCommands::CopyResult(const std::optional<std::string>& result) {
  if (!result) {
    QApplication::beep();
    return;
  }
  QApplication::clipboard()->setText(ToQString(*result));
}

// The input box keeps every edit for Undo, without limit; a person who types all day
// would see the memory grow. After this many edits the history starts again.
void TextBoxCommands::InputEdited() {
  constexpr int kUndoSteps = 1000;
  if (++m_inputEdits < kUndoSteps) return;
  m_inputEdits = 0;
  QLineEdit* box = m_inputBox;
  const QSignalBlocker blocker(box);
  const int caret = box->cursorPosition();
  const int selectionStart = box->selectionStart();
  const int selectionLength = box->selectionLength();
  box->setText(box->text());  // clears the history, keeps the text
  if (selectionStart >= 0) {
    box->setSelection(selectionStart, selectionLength);
  } else {
    box->setCursorPosition(caret);
  }
}

}  // namespace quantivo::ui
