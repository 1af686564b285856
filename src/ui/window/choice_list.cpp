#include "ui/window/choice_list.h"

#include <QHelpEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolTip>

namespace quantivo::ui {

// The focus ring is drawn in a margin of its own round the entries, so the entries
// stay where they are whether the list has the focus or not.
constexpr int kFocusRing = 1;

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent) {
  setViewportMargins(kFocusRing, kFocusRing, kFocusRing, kFocusRing);
}

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
  update();
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

void ChoiceList::focusOutEvent(QFocusEvent* event) {
  QListWidget::focusOutEvent(event);
  update();
}

bool ChoiceList::event(QEvent* event) {
  const bool handled = QListWidget::event(event);
  if (event->type() == QEvent::Paint && hasFocus()) {
    // Over the frame and the margin inside it, in the colour the theme marks the
    // selection with, which it makes to stand out from the window behind.
    QPainter painter(this);
    const int width = frameWidth() + kFocusRing;
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = width / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
  }
  return handled;
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
