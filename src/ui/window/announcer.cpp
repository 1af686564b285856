#include "ui/window/announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QEvent>
#include <QWidget>

namespace quantivo::ui {
namespace {

// The announcement as a screen reader sees it: a notification named with what is
// said, a child of the window that the window does not list among its children, so
// that reading the window through never meets it.
class AnnouncementAccessible : public QAccessibleObject {
 public:
  explicit AnnouncementAccessible(Announcer* announcer)
      : QAccessibleObject(announcer), m_announcer(announcer) {}

  // The program's main window, also for a dialog's announcements: a screen reader
  // says a dialog's name before what it reads there as if the focus had come to it.
  QAccessibleInterface* parent() const override {
    QWidget* window = m_announcer->Window();
    while (window != nullptr && window->parentWidget() != nullptr) {
      window = window->parentWidget()->window();
    }
    return QAccessible::queryAccessibleInterface(window);
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
  Announcer* m_announcer;
};

}  // namespace

Announcer::Announcer(QWidget* window, int quietMs) : QObject(window), m_window(window) {
  setObjectName(QStringLiteral("Announcer"));
  m_quiet.setSingleShot(true);
  m_quiet.setInterval(quietMs);
  connect(&m_quiet, &QTimer::timeout, this, &Announcer::Settle);
  window->installEventFilter(this);
  // The cache owns the interface from here and deletes it with this object.
  QAccessible::registerAccessibleInterface(new AnnouncementAccessible(this));
}

void Announcer::Changed(SettledText text) {
  m_text = std::move(text);
  if (m_window != nullptr && m_window->isVisible()) {
    m_quiet.start();
  } else {
    Settle();
  }
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
  // Back from a dialog: the screen reader first reads where the focus is, then this.
  if (watched == m_window && event->type() == QEvent::WindowActivate && m_text) m_quiet.start();
  return QObject::eventFilter(watched, event);
}

void Announcer::Settle() {
  if (!m_text || m_window == nullptr) return;
  const bool heard = m_window->isVisible();
  // A screen reader passes over what a window behind the active one says.
  if (heard && !m_window->isActiveWindow()) return;
  const QString said = std::exchange(m_text, nullptr)();
  if (said.isEmpty() || !heard) return;
  m_announcement = said;
  // The new name first: a screen reader keeps the names it has read, and this
  // event makes it read the name again. Then "shown", which it speaks for a
  // notification wherever the focus is.
  QAccessibleEvent renamed(this, QAccessible::NameChanged);
  Notify(&renamed);
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  Notify(&shown);
}

void Announcer::Notify(QAccessibleEvent* event) {
  QAccessible::updateAccessibility(event);
}

}  // namespace quantivo::ui
