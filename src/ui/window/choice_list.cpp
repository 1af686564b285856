#include "ui/window/choice_list.h"

#include <QHelpEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolTip>

#include "ui/qt_convert.h"

namespace quantivo::ui {

// The focus ring is drawn in a margin of its own round the entries, so the entries
// stay where they are whether the list has the focus or not.
constexpr int kFocusRing = 1;

template <class View>
ChoiceBehaviour<View>::ChoiceBehaviour(QWidget* parent) : View(parent) {
  this->setViewportMargins(kFocusRing, kFocusRing, kFocusRing, kFocusRing);
}

template <class View>
QItemSelectionModel::SelectionFlags ChoiceBehaviour<View>::selectionCommand(
    const QModelIndex& index, const QEvent* event) const {
  // Nowhere to go (empty space below the units): nothing changes. Anywhere else the
  // unit becomes the one selected, Ctrl or not.
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  const QItemSelectionModel::SelectionFlags command = View::selectionCommand(index, event);
  if (command == QItemSelectionModel::NoUpdate) return command;
  return QItemSelectionModel::ClearAndSelect;
}

template <class View>
QModelIndex ChoiceBehaviour<View>::moveCursor(QAbstractItemView::CursorAction action,
                                              Qt::KeyboardModifiers modifiers) {
  const QModelIndex moved = View::moveCursor(action, modifiers);
  // The view takes every key to its first entry while none is current.
  if (this->currentIndex().isValid() || !moved.isValid()) return moved;
  const int rows = this->model()->rowCount(this->rootIndex());
  if (action == QAbstractItemView::MoveEnd) return moved.siblingAtRow(rows - 1);
  if (action == QAbstractItemView::MovePageDown) {
    const QModelIndex bottom = this->indexAt(QPoint(0, this->viewport()->height() - 1));
    return bottom.isValid() ? bottom : moved.siblingAtRow(rows - 1);
  }
  return moved;
}

template <class View>
void ChoiceBehaviour<View>::currentChanged(const QModelIndex& current,
                                           const QModelIndex& previous) {
  // A list view tells a screen reader that the focus is on its new current entry. The
  // entry changes as well while the user types in a box or gives a command elsewhere,
  // and the reader would then leave the box for the list: without the focus the view's
  // own work is done without that news.
  if (this->hasFocus()) {
    View::currentChanged(current, previous);
  } else {
    QAbstractItemView::currentChanged(current, previous);  // NOLINT(bugprone-parent-virtual-call)
  }
}

template <class View>
void ChoiceBehaviour<View>::focusInEvent(QFocusEvent* event) {
  this->update();
  // The view makes its first unit current when the focus comes to a list with none,
  // and a current unit would convert: the list stays without one until a click or an
  // arrow key chooses.
  if (this->currentIndex().isValid()) {
    View::focusInEvent(event);
    return;
  }
  const QSignalBlocker blocker(this);
  View::focusInEvent(event);
  const QSignalBlocker selectionBlocker(this->selectionModel());
  this->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  this->viewport()->update();
}

template <class View>
void ChoiceBehaviour<View>::focusOutEvent(QFocusEvent* event) {
  View::focusOutEvent(event);
  this->update();
}

template <class View>
bool ChoiceBehaviour<View>::event(QEvent* event) {
  const bool handled = View::event(event);
  if (event->type() == QEvent::Paint && this->hasFocus()) {
    // Over the frame and the margin inside it.
    QPainter painter(this);
    const int width = this->frameWidth() + kFocusRing;
    QPen pen(FocusMarkColour(this->palette()), width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = width / 2.0;
    painter.drawRect(QRectF(this->rect()).adjusted(inset, inset, -inset, -inset));
  }
  return handled;
}

template <class View>
bool ChoiceBehaviour<View>::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return View::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = this->indexAt(help->pos());
  const QRect shown = this->visualRect(index);
  const QString name = index.data().toString();
  if (index.isValid() &&
      this->fontMetrics().horizontalAdvance(name) > this->viewport()->width() - shown.left() - 4) {
    QToolTip::showText(help->globalPos(), name, this->viewport(), shown);
  } else {
    QToolTip::hideText();
  }
  return true;
}

template class ChoiceBehaviour<QListWidget>;
template class ChoiceBehaviour<QListView>;

}  // namespace quantivo::ui
