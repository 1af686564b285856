#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QAccessibleEvent;
class QWidget;

namespace quantivo::ui {

/// Tells a screen reader what changed while the focus stays where the user works (the
/// input box, a unit list, Find Unit's box). It speaks through an accessible object of
/// its own with the notification role, hidden from the window's tree: each
/// announcement renames it and reports it shown, which a screen reader speaks whatever
/// has the focus. Nothing is drawn.
///
/// One action changes several things one after another (a category switch brings other
/// lists, another input and another result): what is said is asked for once the
/// window has settled, after a short quiet spell and while the window is the active
/// one, so it is never empty halfway or already out of date when read. A window that
/// is not active (a dialog over it) says it when it is active again.
class Announcer : public QObject {
  Q_OBJECT
 public:
  /// What to say now that the window has settled; empty for nothing.
  using SettledText = std::function<QString()>;

  /// Announces for `window`, which owns it, `quietMs` milliseconds after the last
  /// change.
  Announcer(QWidget* window, int quietMs);

  /// Something the user may want to hear has changed: `text` is asked for once the
  /// window settles. Asked while the window is hidden, it is asked (so what it shows
  /// counts as heard) and nothing is said.
  void Changed(SettledText text);

  /// The last text said: the name a screen reader reads.
  const QString& Announcement() const { return m_announcement; }

  /// The window announced for.
  QWidget* Window() const { return m_window; }

 protected:
  /// Hands one event of an announcement to the screen reader's bridge, which drops
  /// it while no screen reader listens.
  virtual void Notify(QAccessibleEvent* event);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Settle();

  QPointer<QWidget> m_window;
  QTimer m_quiet;
  SettledText m_text;
  QString m_announcement;
};

}  // namespace quantivo::ui
