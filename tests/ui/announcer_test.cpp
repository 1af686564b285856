#include "ui/window/announcer.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <utility>
#include <vector>

namespace quantivo::ui {
namespace {

// What a screen reader would be told: each event with its source's role, name and
// parent then. Qt passes events on only while a screen reader's bridge listens, which
// the headless platform has none of: the events are taken where they leave.
struct Heard {
  QAccessible::Event Type;
  QObject* Object;
  QAccessible::Role Role;
  QString Name;
  QObject* Parent;
};

class RecordingAnnouncer : public Announcer {
 public:
  using Announcer::Announcer;
  std::vector<Heard> Events;

 protected:
  void Notify(QAccessibleEvent* event) override {
    QAccessibleInterface* iface = event->accessibleInterface();
    ASSERT_NE(iface, nullptr);
    QAccessibleInterface* parent = iface->parent();
    Events.push_back({event->type(), event->object(), iface->role(), iface->text(QAccessible::Name),
                      parent != nullptr ? parent->object() : nullptr});
    Announcer::Notify(event);
  }
};

// A window with an input box and a unit list.
class AnnouncerTest : public testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&m_window);
    m_input = new QLineEdit(&m_window);
    layout->addWidget(m_input);
    m_announcer = new RecordingAnnouncer(&m_window, 20);
  }

  void ShowWithFocusOn(QWidget* widget) {
    m_window.show();
    m_window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    widget->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), widget);
  }

  // Says `text`, counting how often it was asked for.
  Announcer::SettledText Saying(const QString& text) {
    return [this, text] {
      ++m_asked;
      return text;
    };
  }

  // The announcer's events once it has settled: a rename to `name` and then "shown",
  // as a notification of the window; none for an empty name.
  void ExpectAnnounced(const QString& name) {
    QTest::qWait(60);
    const std::vector<Heard> heard = std::exchange(m_announcer->Events, {});
    ASSERT_EQ(heard.size(), name.isEmpty() ? 0u : 2u) << name.toStdString();
    if (name.isEmpty()) return;
    EXPECT_EQ(heard[0].Type, QAccessible::NameChanged);
    EXPECT_EQ(heard[1].Type, QAccessible::ObjectShow);
    for (const Heard& h : heard) {
      EXPECT_EQ(h.Role, QAccessible::Notification);
      EXPECT_EQ(h.Name, name);
      EXPECT_EQ(h.Parent, &m_window);
    }
  }

  QWidget m_window;
  QLineEdit* m_input = nullptr;
  RecordingAnnouncer* m_announcer = nullptr;
  int m_asked = 0;
};

TEST_F(AnnouncerTest, SaysOnceWhatTheWindowShowsWhenItSettles) {
  ShowWithFocusOn(m_input);
  // A category switch: the output emptied, the new lists, the new result.
  m_announcer->Changed(Saying(""));
  m_announcer->Changed(Saying("Area"));
  m_announcer->Changed(Saying("Area, 3 acre"));
  EXPECT_EQ(m_asked, 0);
  ExpectAnnounced("Area, 3 acre");
  EXPECT_EQ(m_asked, 1);
  EXPECT_EQ(QApplication::focusWidget(), m_input);
  m_announcer->Changed(Saying(""));
  ExpectAnnounced("");
  EXPECT_EQ(m_announcer->Announcement(), "Area, 3 acre");
}

TEST_F(AnnouncerTest, AHiddenWindowHasItsTextAskedAndSaysNothing) {
  m_announcer->Changed(Saying("1 foot"));
  EXPECT_EQ(m_asked, 1);
  ShowWithFocusOn(m_input);
  ExpectAnnounced("");
}

TEST_F(AnnouncerTest, AWindowBehindADialogSaysItWhenActiveAgain) {
  ShowWithFocusOn(m_input);
  QDialog dialog(&m_window);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  m_announcer->Changed(Saying("Mass, 7 pound"));
  ExpectAnnounced("");
  dialog.close();
  m_window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
  ExpectAnnounced("Mass, 7 pound");
}

}  // namespace
}  // namespace quantivo::ui
