#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <csignal>

#include "model/settings_file.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

namespace {

int g_signalPipe[2] = {-1, -1};

void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

// A request to terminate ends the message loop like Exit does, so the window is
// destroyed normally and writes the settings file.
void QuitOnSignals(QObject* parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, parent);
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(g_signalPipe[0], &byte, 1);
    QCoreApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quantivo"));
  // The launcher's name, so that desktops show its icon for the window.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quantivo.Quantivo"));
  QuitOnSignals(&app);

  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  quantivo::ui::MessageBoxes messages;
  quantivo::ui::Tfrm_Converter window(
      QDir(folder).filePath(QString::fromLatin1(quantivo::model::kSettingsFileName)), messages);
  window.show();
  return QApplication::exec();
}
