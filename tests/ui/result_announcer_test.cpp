#include "ui/window/result_announcer.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
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

class RecordingAnnouncer : public ResultAnnouncer {
 public:
  using ResultAnnouncer::ResultAnnouncer;
  std::vector<Heard> Events;

 protected:
  void Notify(QAccessibleEvent* event) override {
    QAccessibleInterface* iface = event->accessibleInterface();
    ASSERT_NE(iface, nullptr);
    QAccessibleInterface* parent = iface->parent();
    Events.push_back({event->type(), event->object(), iface->role(), iface->text(QAccessible::Name),
                      parent != nullptr ? parent->object() : nullptr});
    ResultAnnouncer::Notify(event);
  }
};

// A window with an input box and a unit list.
class ResultAnnouncerTest : public testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&m_window);
    m_input = new QLineEdit(&m_window);
    m_units = new QListWidget(&m_window);
    m_units->addItems({"meter", "foot"});
    layout->addWidget(m_input);
    layout->addWidget(m_units);
    m_announcer = new RecordingAnnouncer(&m_window);
  }

  void ShowWithFocusOn(QWidget* widget) {
    m_window.show();
    m_window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    widget->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), widget);
  }

  // The announcer's events since the last call.
  std::vector<Heard> Announced() { return std::exchange(m_announcer->Events, {}); }

  // The announcer's events are a rename to `name` and then "shown", as a
  // notification of the window.
  void ExpectAnnounced(const QString& name) {
    const std::vector<Heard> heard = Announced();
    ASSERT_EQ(heard.size(), 2u);
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
  QListWidget* m_units = nullptr;
  RecordingAnnouncer* m_announcer = nullptr;
};

TEST_F(ResultAnnouncerTest, AnnouncesTheResultWithItsUnitWhileTheFocusStaysInTheInputBox) {
  ShowWithFocusOn(m_input);
  m_announcer->ResultShown("3.280839895", "foot");
  ExpectAnnounced("3.280839895 foot");
  EXPECT_EQ(QApplication::focusWidget(), m_input);
}

TEST_F(ResultAnnouncerTest, AnnouncesTheResultWhileTheFocusStaysOnAUnitListEntry) {
  m_units->setCurrentRow(1);
  ShowWithFocusOn(m_units);
  m_announcer->ResultShown("0.3048", "meter");
  ExpectAnnounced("0.3048 meter");
  EXPECT_EQ(QApplication::focusWidget(), m_units);
  EXPECT_EQ(m_units->currentRow(), 1);
}

TEST_F(ResultAnnouncerTest, SaysNothingForAnEmptyOrAnUnchangedResult) {
  ShowWithFocusOn(m_input);
  m_announcer->ResultShown("1", "foot");
  ExpectAnnounced("1 foot");
  m_announcer->ResultShown("1", "foot");
  EXPECT_TRUE(Announced().empty());
  m_announcer->ResultShown("", "foot");
  EXPECT_TRUE(Announced().empty());
  // After an empty box the same result is news again; so is another unit.
  m_announcer->ResultShown("1", "foot");
  ExpectAnnounced("1 foot");
  m_announcer->ResultShown("1", "inch");
  ExpectAnnounced("1 inch");
}

// The window gives no unit for a message or while no output unit is selected.
TEST_F(ResultAnnouncerTest, WithoutAUnitTheTextIsReadAlone) {
  ShowWithFocusOn(m_input);
  m_announcer->ResultShown("ungültige Zahl [2]", "");
  ExpectAnnounced("ungültige Zahl [2]");
}

TEST_F(ResultAnnouncerTest, AResultShownBeforeTheWindowIsNotAnnouncedLater) {
  m_announcer->ResultShown("1", "foot");
  EXPECT_TRUE(Announced().empty());
  ShowWithFocusOn(m_input);
  m_announcer->ResultShown("1", "foot");
  EXPECT_TRUE(Announced().empty());
  m_announcer->ResultShown("2", "foot");
  ExpectAnnounced("2 foot");
}

}  // namespace
}  // namespace quantivo::ui
