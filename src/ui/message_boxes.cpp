#include "ui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "ui/core_texts.h"
#include "ui/termination_signals.h"

namespace quantivo::ui {
namespace {

void ShowBox(QMessageBox::Icon icon, const QString& caption, std::string_view text) {
  // The program is ending and nobody is there to click OK: the text goes to the log,
  // in English like the program's other output there.
  if (TerminationSignals::Requested()) {
    std::fprintf(stderr, "quantivo: %.*s\n", static_cast<int>(text.size()), text.data());
    return;
  }
  QMessageBox box(icon, caption, ShownMessage(text), QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

}  // namespace

void MessageBoxes::ShowInformation(std::string_view text) {
  QApplication::beep();
  ShowBox(QMessageBox::Information, QCoreApplication::translate("MessageBoxes", "Information"),
          text);
}

void MessageBoxes::ShowError(std::string_view text) {
  // An error reported by the program itself is captioned with its name.
  ShowBox(QMessageBox::Critical, QApplication::applicationName(), text);
}

void MessageBoxes::ShowCommandError(std::string_view text) {
  QApplication::beep();
  ShowBox(QMessageBox::Critical, QCoreApplication::translate("MessageBoxes", "Error"), text);
}

void MessageBoxes::ShowWarning(std::string_view text) {
  QApplication::beep();
  ShowBox(QMessageBox::Warning, QCoreApplication::translate("MessageBoxes", "Warning"), text);
}

}  // namespace quantivo::ui
