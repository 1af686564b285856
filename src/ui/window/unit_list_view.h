#pragma once

#include <QAbstractListModel>
#include <functional>
#include <span>
#include <string_view>

#include "ui/window/choice_list.h"

namespace quantivo::ui {

/// A unit list's names as rows, each row's text made only when it is drawn or asked
/// for, so a list of 10,000 units is filled as quickly as one of 40. The names are the
/// model's: the view is told of new ones before the old go.
class UnitNamesModel : public QAbstractListModel {
  Q_OBJECT
 public:
  /// Makes the text of a row below the count it was given with.
  using RowText = std::function<QString(int row)>;

  using QAbstractListModel::QAbstractListModel;

  /// Shows `names` in place of the rows before: one reset, whatever their number.
  void SetNames(std::span<const std::string_view> names);
  /// Shows `count` rows made by `text` in place of the rows before, as SetNames does,
  /// for a list whose entries are worded from what they show.
  void SetRows(int count, RowText text);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  int m_count = 0;
  RowText m_text;
};

/// A unit list of the main window: a choice list over the model's names, every row of
/// the same height. It tells of a new current row as a QListWidget does.
class UnitListView : public ChoiceBehaviour<QListView> {
  Q_OBJECT
 public:
  explicit UnitListView(QWidget* parent = nullptr);

  void SetNames(std::span<const std::string_view> names) { m_names->SetNames(names); }
  int count() const { return m_names->rowCount(); }
  /// The current row; -1 for none.
  int currentRow() const { return currentIndex().row(); }
  /// Makes the row current and the one selected; -1 leaves none current.
  void setCurrentRow(int row);
  /// The row's name; empty for a row the list does not have.
  QString Text(int row) const;

 signals:
  void currentRowChanged(int row);

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  UnitNamesModel* m_names = nullptr;
};

}  // namespace quantivo::ui
