#include "ui/choice_list.h"

#include <QHelpEvent>
#include <QSignalBlocker>
#include <QToolTip>

namespace quantivo::ui {

QItemSelectionModel::SelectionFlags ChoiceList::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
  // Nowhere to go (empty space below the units): nothing changes. Anywhere else the
  // unit becomes the one selected, Ctrl or not.
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  if (command == QItemSelectionModel::NoUpdate) return command;
  return QItemSelectionModel::ClearAndSelect;
}

void ChoiceList::focusInEvent(QFocusEvent* event) {
  // The view makes its first unit current when the focus comes to a list with none,
  // and a current unit would convert: the list stays without one until a click or an
  // arrow key chooses.
  if (currentIndex().isValid()) {
    QListWidget::focusInEvent(event);
    return;
  }
  const QSignalBlocker blocker(this);
  QListWidget::focusInEvent(event);
  const QSignalBlocker selectionBlocker(selectionModel());
  selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  viewport()->update();
}

bool ChoiceList::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QListWidget::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = indexAt(help->pos());
  const QRect shown = visualRect(index);
  const QString name = index.data().toString();
  if (index.isValid() &&
      fontMetrics().horizontalAdvance(name) > viewport()->width() - shown.left() - 4) {
    QToolTip::showText(help->globalPos(), name, viewport(), shown);
  } else {
    QToolTip::hideText();
  }
  return true;
}

}  // namespace quantivo::ui
