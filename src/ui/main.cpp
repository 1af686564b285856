#include <malloc.h>

#include <QApplication>
#include <QLocale>
#include <QScopeGuard>
#include <cstdlib>

#include "model/settings_file.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/interface_language.h"
#include "ui/start_up.h"
#include "ui/termination_signals.h"
#include "ui/window/main_window.h"

int main(int argc, char* argv[]) {
  // One heap for every thread: the threads that start with the program (fonts, the
  // display's events, painting) allocate little and briefly, and a heap each would
  // keep their freed memory apart.
  mallopt(M_ARENA_MAX, 1);
  // The menu bar and the screen reader's bridge ask for the session bus. Where there
  // is none and nothing to start one, D-Bus would still fork the whole program to try,
  // at every start: told there is none, it answers at once. The programs this one
  // starts inherit the word, and could not have reached or started a bus either.
  const char* path = std::getenv("PATH");
  if (quantivo::ui::SessionBusOutOfReach(
          std::getenv("DBUS_SESSION_BUS_ADDRESS"), std::getenv("XDG_RUNTIME_DIR"),
          std::string("/usr/bin:") + (path != nullptr ? path : ""))) {
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
  }
  // Fonts are looked up while the application object connects to the display.
  quantivo::ui::StartUpThread early;
  quantivo::ui::DisplayOpening opening;
  QApplication app(argc, argv);
  opening.Opened();
  early.ApplicationReady();
  // The thread works under the application object: finished before it goes.
  const auto earlyDone = qScopeGuard([&early] { early.Join(); });
  quantivo::ui::InstallStartUpStyle();
  QApplication::setApplicationName(QStringLiteral("Quantivo"));
  // The launcher's name, so that desktops show its icon for the window.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quantivo.Quantivo"));
  const quantivo::ui::TerminationSignals termination(&app);
  // The desktop's language, before the window takes its texts.
  const quantivo::ui::InterfaceTranslation translation(QLocale::system().uiLanguages());

  quantivo::ui::MessageBoxes messages;
  quantivo::ui::Tfrm_Converter window(
      quantivo::model::SettingsFilePath(std::getenv("XDG_CONFIG_HOME"),
                                        quantivo::model::UserHomeFolder().c_str()),
      messages);
  // A signal that came while a box was shown at start ends the program here; the
  // window saves as it goes.
  if (quantivo::ui::TerminationSignals::Requested()) return 0;
  window.show();
  return QApplication::exec();
}
