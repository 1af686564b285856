#pragma once

#include <QObject>

namespace quantivo::ui {

/// Ends the program on SIGTERM, SIGINT and SIGHUP, whatever it is doing: an open
/// dialog or message box is closed as if cancelled, the message loop ends, and no
/// further box is shown, so the window goes the normal way and saves once. A logout
/// never waits for a click.
class TerminationSignals : public QObject {
  Q_OBJECT
 public:
  /// Installs the handlers; one object for the program's life.
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  /// True once a signal has asked the program to end.
  static bool Requested();

 private:
  void OnSignal();
};

}  // namespace quantivo::ui
