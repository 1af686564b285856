#include "ui/dialogs/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <string>

#include "ui/core_texts.h"
#include "ui/qt_convert.h"
#include "ui/termination_signals.h"

namespace quantivo::ui {
namespace {

// `shown` in the interface's language; `english` for the log.
void ShowBox(QMessageBox::Icon icon, const QString& caption, const QString& shown,
             std::string_view english) {
  // The program is ending and nobody is there to click OK: the text goes to the log,
  // in English like the program's other output there.
  if (TerminationSignals::Requested()) {
    std::fprintf(stderr, "quantivo: %.*s\n", static_cast<int>(english.size()), english.data());
    return;
  }
  QMessageBox box(icon, caption, shown, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

void ShowBox(QMessageBox::Icon icon, const QString& caption, const engine::Message& message) {
  ShowBox(icon, caption, ShownText(message), engine::EnglishText(message));
}

}  // namespace

void MessageBoxes::ShowInformation(const engine::Message& message) {
  QApplication::beep();
  ShowBox(QMessageBox::Information, QCoreApplication::translate("MessageBoxes", "Information"),
          message);
}

void MessageBoxes::ShowError(const engine::Message& message) {
  // An error reported by the program itself is captioned with its name.
  ShowBox(QMessageBox::Critical, QApplication::applicationName(), message);
}

void MessageBoxes::ShowCommandError(const engine::Message& message) {
  QApplication::beep();
  ShowBox(QMessageBox::Critical, QCoreApplication::translate("MessageBoxes", "Error"), message);
}

void MessageBoxes::ShowWarning(const engine::Message& message) {
  QApplication::beep();
  ShowBox(QMessageBox::Warning, QCoreApplication::translate("MessageBoxes", "Warning"), message);
}

void MessageBoxes::ShowUnexpectedError(std::string_view text) {
  ShowBox(QMessageBox::Critical, QApplication::applicationName(), ToQString(text), text);
}

}  // namespace quantivo::ui
