#include "ui/dialog_parts.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "ui/choice_list.h"

namespace quantivo::ui {

void SetUpDialog(QDialog* dialog, const QString& caption, int width, int height) {
  dialog->setWindowTitle(caption);
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  dialog->setWindowModality(Qt::WindowModal);
  dialog->setFixedSize(width, height);
  // Labels and buttons are drawn 11 pixels high, which the fixed places are made for.
  QFont font = dialog->font();
  font.setPixelSize(11);
  dialog->setFont(font);
  // In the middle of the screen that holds the main window, not over the window.
  CentreOnScreen(dialog, dialog->parentWidget() != nullptr ? dialog->parentWidget()->screen()
                                                           : QGuiApplication::primaryScreen());
}

void CentreOnScreen(QWidget* window, const QScreen* screen) {
  if (screen == nullptr) return;
  QRect place(QPoint(), window->size());
  place.moveCenter(screen->availableGeometry().center());
  window->move(place.topLeft());
}

QPushButton* AddHelpButton(QDialog* dialog, int left, int top, const QString& keyword,
                           const ShowHelpTopicFunction& showHelpTopic) {
  auto* button = new QPushButton(dialog);
  button->setObjectName(QStringLiteral("btn_Help"));
  // A question mark reads as help on every desktop; not every icon theme has a glyph.
  button->setText(QStringLiteral("?"));
  QFont bold = button->font();
  bold.setBold(true);
  button->setFont(bold);
  button->setToolTip(QStringLiteral("Help"));
  button->setAccessibleName(QStringLiteral("Help"));
  button->setAutoDefault(false);
  button->setGeometry(left, top, 25, 27);
  QObject::connect(button, &QPushButton::clicked, dialog, [showHelpTopic, keyword] {
    if (showHelpTopic) showHelpTopic(keyword);
  });
  return button;
}

QListWidget* AddCategoryList(QDialog* dialog, const QString& caption, const QFont& listFont) {
  auto* label = new QLabel(caption, dialog);
  label->setObjectName(QStringLiteral("Label1"));
  label->move(8, 8);
  label->adjustSize();
  auto* list = new ChoiceList(dialog);
  list->setObjectName(QStringLiteral("lst_Units"));
  list->setGeometry(8, 24, 233, 201);
  list->setFont(listFont);
  return list;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, int left, int top,
                       int width, int height, bool isDefault) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, top, width, height);
  button->setAutoDefault(false);
  button->setDefault(isDefault);
  return button;
}

}  // namespace quantivo::ui
