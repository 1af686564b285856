#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/converter_model.h"

class QEvent;
class QLabel;
class QShowEvent;
class QTableView;

namespace quantivo::ui {

class ConversionTableModel;

/// What may have changed since the table shown before.
enum class TableChange {
  /// Only the input, its unit or the result format: the same units in the same order.
  Results,
  /// Anything: the units are compared with those shown.
  Anything,
};

/// "Conversion Table": the input converted into every unit of the category, one row a
/// unit, beside the main window and not modal. It shows what it is given and knows
/// nothing of the model, so the main window feeds it after every change.
class ConversionTableWindow : public QWidget {
  Q_OBJECT
 public:
  /// A window of its own that stays with `parent` (the main window).
  explicit ConversionTableWindow(QWidget* parent = nullptr);

  /// Shows one row per pair (unit name, result as the output box would show it), in
  /// the order given, under `caption` (what was converted, e.g. "1234.5 meter").
  /// `highlighted` is the row of the current output unit, -1 for none. Rows that keep
  /// their unit keep their selection; with the same units only the texts change.
  void ShowRows(const std::vector<std::pair<std::string, std::string>>& rows, int highlighted,
                const QString& caption);

  /// Shows the model's table, each result as the output box would show it, worded
  /// only when a cell shows it. With TableChange::Results the units are taken to be
  /// those shown, so the refresh costs the same however many there are.
  void ShowTable(const model::LazyConversionTable& table, TableChange change);

  /// The selected rows, or all of them, as "unit<TAB>result" lines that paste into
  /// a spreadsheet as two columns.
  QString SelectedRowsText() const;
  QString AllRowsText() const;

  /// Shows the window, the first time where it was last (its frame's top left)
  /// rather than beside its parent.
  void PlaceAt(const QPoint& frame);
  /// Takes the stored size fitted to the screen, and the stored place when a screen
  /// shows it.
  void RestoreBounds(const model::WindowBounds& stored);
  /// Where the window is now, as the settings file keeps it: placed by its frame, as
  /// move() places it, and sized inside it, as resize() sizes it.
  model::WindowBounds StoredBounds() const;

  /// Puts the selected rows, or all of them, on the clipboard.
  void CopySelectedRows();
  void CopyAllRows();

 protected:
  void setVisible(bool visible) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  /// Copy, Copy All and Close, with their keys.
  void CreateActions();
  /// Shows `units` (none for those shown) with the results of `results`: only the
  /// results change when the units are those shown.
  void ShowUnits(std::optional<std::vector<std::string>> units, std::function<QString(int)> results,
                 int highlighted, const QString& caption);
  /// Lists other units, selecting again the units that were selected.
  void Refill(std::vector<std::string> units, std::function<QString(int)> results);
  /// Marks row `row` as the current output unit and unmarks the one before.
  void Highlight(int row);
  /// Widens the unit column to the marked unit's name in its bold font, and scrolls
  /// its row into view.
  void ShowHighlighted();
  /// The text of the rows, one line each, in table order.
  QString RowsText(const std::vector<int>& rows) const;
  /// Puts the window to the right of its parent, or to the left where the screen
  /// has no room, inside the screen's free area.
  void PlaceBesideParent();
  /// The size the table's text asks for in its font, within no screen yet.
  QSize ContentSize();

  QLabel* m_caption = nullptr;
  QTableView* m_table = nullptr;
  ConversionTableModel* m_rows = nullptr;
  int m_highlighted = -1;
  // Where the frame goes when the window first shows; none: where the window system
  // puts it.
  std::optional<QPoint> m_frameTopLeft;
  bool m_placed = false;
};

}  // namespace quantivo::ui
