#include "ui/window/unit_list_view.h"

#include <utility>

#include "ui/qt_convert.h"

namespace quantivo::ui {

void UnitNamesModel::SetNames(std::span<const std::string_view> names) {
  SetRows(static_cast<int>(names.size()),
          [names](int row) { return ToQString(names[static_cast<std::size_t>(row)]); });
}

void UnitNamesModel::SetRows(int count, RowText text) {
  beginResetModel();
  m_count = count;
  m_text = std::move(text);
  endResetModel();
}

int UnitNamesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_count;
}

QVariant UnitNamesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  // A screen reader reads the display text when there is no text of its own.
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return m_text(index.row());
}

Qt::ItemFlags UnitNamesModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  // A QListWidget's entry's, so a screen reader describes each unit as before.
  return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
}

UnitListView::UnitListView(QWidget* parent)
    : ChoiceBehaviour(parent), m_names(new UnitNamesModel(this)) {
  setModel(m_names);
  // Every entry is one line of the same font: measuring one lays out the rest.
  setUniformItemSizes(true);
}

void UnitListView::setCurrentRow(int row) {
  selectionModel()->setCurrentIndex(m_names->index(row), QItemSelectionModel::ClearAndSelect);
}

QString UnitListView::Text(int row) const {
  return m_names->index(row).data().toString();
}

void UnitListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  ChoiceBehaviour::currentChanged(current, previous);
  if (current.row() != previous.row()) emit currentRowChanged(current.row());
}

}  // namespace quantivo::ui
