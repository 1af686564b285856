#pragma once

#include <QListWidget>

namespace quantivo::ui {

/// A list to choose one entry from, as the unit lists and the category dialogs' lists
/// are: one entry selected or none, and what it shows selected is what counts. The
/// user moves the selection with a click or an arrow key but never empties it (a click
/// below the last entry, or Ctrl+click on the selected one, changes nothing), and the
/// focus arriving selects nothing. A name cut off by the list's width shows whole in a
/// tooltip.
class ChoiceList : public QListWidget {
  Q_OBJECT
 public:
  using QListWidget::QListWidget;

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void focusInEvent(QFocusEvent* event) override;
  bool viewportEvent(QEvent* event) override;
};

}  // namespace quantivo::ui
