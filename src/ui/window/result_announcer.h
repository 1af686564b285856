#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAccessibleEvent;
class QWidget;

namespace quantivo::ui {

/// Tells a screen reader each new result while the focus stays where the user works,
/// in the input box or a unit list. The results are spoken through an accessible
/// object of its own with the notification role, hidden from the window's tree: each
/// announcement renames it and reports it shown, which a screen reader speaks
/// whatever has the focus. Nothing is drawn.
class ResultAnnouncer : public QObject {
  Q_OBJECT
 public:
  /// Announces the results `window` shows; the window owns it.
  explicit ResultAnnouncer(QWidget* window);

  /// The output box now shows `result`, in `unit` (the selected output unit; empty for
  /// none, and for a message in the result's place such as "invalid number [2]",
  /// which the caller knows by the model's text whatever language it is shown in). A
  /// result that reads differently from the one shown before is announced as
  /// "result unit" once the window is visible. An empty result says nothing and
  /// lets the next result be announced even if it repeats the one before.
  void ResultShown(const QString& result, const QString& unit);

  /// What the last result shown reads as, "" after an empty one: the name a screen
  /// reader reads.
  const QString& Announcement() const { return m_announcement; }

  /// The window whose results are announced; the announcement's accessible parent.
  QWidget* Window() const { return m_window; }

 protected:
  /// Hands one event of an announcement to the screen reader's bridge, which drops
  /// it while no screen reader listens.
  virtual void Notify(QAccessibleEvent* event);

 private:
  QPointer<QWidget> m_window;
  QString m_announcement;
};

}  // namespace quantivo::ui
