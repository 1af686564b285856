#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "support/recorded_messages.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/window/main_window.h"
#include "ui/window/unit_list_view.h"

// Failures show the text, not its bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << text.toStdString();
}

namespace quantivo::ui {

/// Every box the window would show, in English and in order in Shown, with its kind
/// before a command error, a warning or an unexpected error.
class RecordedMessages : public test::Recording<WindowMessages> {
 public:
  void ShowCommandError(const engine::Message& message) override {
    Shown.push_back("Error: " + engine::EnglishText(message));
  }
  void ShowWarning(const engine::Message& message) override {
    Shown.push_back("Warning: " + engine::EnglishText(message));
  }
  void ShowUnexpectedError(std::string_view text) override {
    Shown.push_back("Unexpected: " + std::string(text));
  }
};

/// The text a table view shows in a cell.
inline QString CellText(const QAbstractItemView* table, int row, int column) {
  return table->model()->index(row, column).data().toString();
}

/// A named child of a widget; a failure names it when there is none.
template <typename T>
T* Child(const QObject* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

/// The real window, shown and active, with its settings in a folder of its own, and
/// its working controls at hand.
class OpenWindowTest : public testing::Test {
 protected:
  // The rows of a list that read `name`.
  static QModelIndexList Rows(const QAbstractItemView* list, const char* name) {
    const QAbstractItemModel* rows = list->model();
    return rows->match(rows->index(0, 0), Qt::DisplayRole, QString::fromUtf8(name), -1,
                       Qt::MatchExactly);
  }
  // A click on the unit's row, as a person picks it from the list.
  void ClickUnit(UnitListView* list, const char* name) {
    const QModelIndexList rows = Rows(list, name);
    ASSERT_EQ(rows.size(), 1) << name;
    list->scrollTo(rows[0]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(rows[0]).center());
  }
  void SetUp() override {
    ASSERT_TRUE(m_folder.isValid());
    Open();
  }
  void TearDown() override { m_window.reset(); }

  void Open() {
    m_window = std::make_unique<Tfrm_Converter>(QFile::encodeName(SettingsPath()).toStdString(),
                                                m_messages);
    m_window->show();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    txt_In = Find<QLineEdit>("txt_In");
    txt_Out = Find<QLineEdit>("txt_Out");
    lst_In = Find<UnitListView>("lst_In");
    lst_Out = Find<UnitListView>("lst_Out");
    lab2 = Find<QLabel>("lab2");
    TabSet1 = Find<QTabBar>("TabSet1");
  }
  QString SettingsPath() const { return m_folder.filePath("QUANTIVO.INI"); }

  template <typename T>
  T* Find(const char* name) const {
    return Child<T>(m_window.get(), name);
  }
  QAction* Action(const char* name) const { return Find<QAction>(name); }

  QTemporaryDir m_folder;
  RecordedMessages m_messages;
  std::unique_ptr<Tfrm_Converter> m_window;
  QLineEdit* txt_In = nullptr;
  QLineEdit* txt_Out = nullptr;
  UnitListView* lst_In = nullptr;
  UnitListView* lst_Out = nullptr;
  QLabel* lab2 = nullptr;
  QTabBar* TabSet1 = nullptr;
};

}  // namespace quantivo::ui
