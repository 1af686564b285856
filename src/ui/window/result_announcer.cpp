#include "ui/window/result_announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace quantivo::ui {
namespace {

// The announcement as a screen reader sees it: a notification named with the result,
// a child of the window that the window does not list among its children, so that
// reading the window through never meets it.
class AnnouncementAccessible : public QAccessibleObject {
 public:
  explicit AnnouncementAccessible(ResultAnnouncer* announcer)
      : QAccessibleObject(announcer), m_announcer(announcer) {}

  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(m_announcer->Window());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? m_announcer->Announcement() : QString();
  }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    return state;
  }

 private:
  ResultAnnouncer* m_announcer;
};

}  // namespace

ResultAnnouncer::ResultAnnouncer(QWidget* window) : QObject(window), m_window(window) {
  setObjectName(QStringLiteral("ResultAnnouncer"));
  // The cache owns the interface from here and deletes it with this object.
  QAccessible::registerAccessibleInterface(new AnnouncementAccessible(this));
}

void ResultAnnouncer::ResultShown(const QString& result, const QString& unit) {
  QString announcement = result;
  if (!result.isEmpty() && !unit.isEmpty()) {
    announcement += QLatin1Char(' ') + unit;
  }
  if (announcement == m_announcement) return;
  m_announcement = announcement;
  if (announcement.isEmpty() || m_window == nullptr || !m_window->isVisible()) return;

  // The new name first: a screen reader keeps the names it has read, and this
  // event makes it read the name again. Then "shown", which it speaks for a
  // notification wherever the focus is.
  QAccessibleEvent renamed(this, QAccessible::NameChanged);
  Notify(&renamed);
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  Notify(&shown);
}

void ResultAnnouncer::Notify(QAccessibleEvent* event) {
  QAccessible::updateAccessibility(event);
}

}  // namespace quantivo::ui
