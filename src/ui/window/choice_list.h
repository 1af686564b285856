#pragma once

#include <QListWidget>

namespace quantivo::ui {

/// A list to choose one entry from, as the unit lists and the category dialogs' lists
/// are: one entry selected or none, and what it shows selected is what counts. The
/// user moves the selection with a click or an arrow key but never empties it (a click
/// below the last entry, or Ctrl+click on the selected one, changes nothing), and the
/// focus arriving selects nothing. A name cut off by the list's width shows whole in a
/// tooltip. While it has the keyboard focus, a ring in the theme's highlight colour
/// runs round it, so which list the arrow keys move shows at a glance.
class ChoiceList : public QListWidget {
  Q_OBJECT
 public:
  explicit ChoiceList(QWidget* parent = nullptr);

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
};

}  // namespace quantivo::ui
