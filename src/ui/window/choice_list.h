#pragma once

#include <QListView>
#include <QListWidget>

namespace quantivo::ui {

/// A list to choose one entry from, as the unit lists and the category dialogs' lists
/// are: one entry selected or none, and what it shows selected is what counts. The
/// user moves the selection with a click or an arrow key but never empties it (a click
/// below the last entry, or Ctrl+click on the selected one, changes nothing), and the
/// focus arriving selects nothing. A name cut off by the list's width shows whole in a
/// tooltip. With nothing selected, the keys count from above the first entry: Home,
/// an arrow or Page Up choose the first, End the last, Page Down the last one shown.
/// While it has the keyboard focus, a ring in the focus mark's colour
/// runs round it, so which list the arrow keys move shows at a glance. A screen reader
/// hears of a new current entry as of the focus moving to it only while the list has
/// the focus. `View` is the
/// list it behaves for: a QListWidget that holds its entries, or a QListView that
/// shows a model's.
template <class View>
class ChoiceBehaviour : public View {
 public:
  explicit ChoiceBehaviour(QWidget* parent);

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  QModelIndex moveCursor(QAbstractItemView::CursorAction action,
                         Qt::KeyboardModifiers modifiers) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
};

extern template class ChoiceBehaviour<QListWidget>;
extern template class ChoiceBehaviour<QListView>;

/// The choice list of the category dialogs, which holds its own entries.
class ChoiceList : public ChoiceBehaviour<QListWidget> {
  Q_OBJECT
 public:
  explicit ChoiceList(QWidget* parent = nullptr) : ChoiceBehaviour(parent) {}
};

}  // namespace quantivo::ui
