#pragma once

#include <QAbstractTableModel>
#include <QBrush>
#include <QFont>
#include <QHash>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace quantivo::ui {

/// The rows of the conversion table for its view: the units' names are kept, and each
/// result is asked of its source only when a cell shows it, then kept until the
/// results change. A refresh so costs the same however many units the category has.
class ConversionTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kUnitColumn = 0;
  static constexpr int kResultColumn = 1;

  /// Row r's result as the output box would show it.
  using ResultSource = std::function<QString(int row)>;

  /// No rows, under the two column headers.
  ConversionTableModel(QString unitHeader, QString resultHeader, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  /// The units of the rows, in order.
  const std::vector<std::string>& Units() const { return m_units; }
  /// Other units: rows come and go at the end as the count changes (as a table
  /// widget's do), so the view keeps its current cell and its scroll position.
  void SetRows(std::vector<std::string> units, ResultSource results);
  /// New results for the same units.
  void SetResults(ResultSource results);

  /// Marks row `row` (-1 for none) with the font, the background and the description
  /// for screen readers, and unmarks the row marked before.
  void Mark(int row, const QFont& font, const QBrush& background, const QString& description);
  int MarkedRow() const { return m_marked; }

  /// Row r's texts; a result not shown yet is worded now and not kept.
  QString UnitText(int row) const;
  QString ResultText(int row) const;

 private:
  /// Row r's result, kept once worded.
  QString ShownResult(int row) const;
  void RowChanged(int row);

  QString m_unitHeader;
  QString m_resultHeader;
  std::vector<std::string> m_units;
  ResultSource m_results;
  mutable QHash<int, QString> m_shownResults;
  int m_marked = -1;
  QFont m_markFont;
  QBrush m_markBackground;
  QString m_markDescription;
};

}  // namespace quantivo::ui
