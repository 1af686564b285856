#include "ui/termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>

namespace quantivo::ui {
namespace {

// The handler only writes a byte; the notifier reads it in the message loop, the
// main one or that of a modal box.
int g_signalPipe[2] = {-1, -1};
bool g_requested = false;

void WriteSignalByte(int) {
  const int savedErrno = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
  errno = savedErrno;
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalPipe) != 0) {
    return;
  }
  auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::OnSignal);
  struct sigaction action {};
  action.sa_handler = WriteSignalByte;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  for (const int signal : kSignals) std::signal(signal, SIG_DFL);
}

bool TerminationSignals::Requested() {
  return g_requested;
}

void TerminationSignals::OnSignal() {
  char bytes[16];
  while (::read(g_signalPipe[0], bytes, sizeof bytes) > 0) {
  }
  g_requested = true;
  // Each closed box returns from its own loop; the code that opened it goes on and
  // shows nothing more.
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible()) {
      dialog->done(QDialog::Rejected);
    }
  }
  // Closing the windows saves the settings while the loop still runs; then the loop
  // ends. Before it runs, main() sees Requested().
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

}  // namespace quantivo::ui
