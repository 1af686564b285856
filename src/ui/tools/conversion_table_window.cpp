#include "ui/tools/conversion_table_window.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/core_texts.h"
#include "ui/qt_convert.h"
#include "ui/window/window_placement.h"

namespace quantivo::ui {
namespace {

constexpr int kUnitColumn = 0;
constexpr int kResultColumn = 1;
// The highlight colour's opacity behind the current output unit: enough to see, little
// enough that the theme's text colour stays legible on it, light or dark, and that a
// selected row (full highlight colour) still looks different.
constexpr int kMarkAlpha = 70;
// Space between the main window and this one.
constexpr int kGap = 8;

}  // namespace

ConversionTableWindow::ConversionTableWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName(QStringLiteral("frm_ConversionTable"));
  setWindowTitle(tr("Conversion Table"));
  resize(340, 420);

  m_caption = new QLabel(this);
  m_caption->setObjectName(QStringLiteral("lab_Caption"));
  m_caption->setTextFormat(Qt::PlainText);

  m_table = new QTableWidget(0, 2, this);
  m_table->setObjectName(QStringLiteral("tbl_Table"));
  m_table->setAccessibleName(tr("Conversion table"));
  m_table->setHorizontalHeaderLabels({tr("Unit"), tr("Result")});
  m_table->verticalHeader()->hide();
  m_table->horizontalHeader()->setStretchLastSection(true);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_table->setWordWrap(false);
  m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
  m_caption->setBuddy(m_table);

  auto* copyAll = new QPushButton(tr("Copy &All"), this);
  copyAll->setObjectName(QStringLiteral("btn_CopyAll"));
  connect(copyAll, &QPushButton::clicked, this, &ConversionTableWindow::CopyAllRows);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(copyAll);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_caption);
  layout->addWidget(m_table);
  layout->addLayout(buttons);
  CreateActions();
}

void ConversionTableWindow::CreateActions() {
  // Ctrl+C anywhere in the window; both copies also on the table's context menu.
  auto* copyRows = new QAction(tr("&Copy"), this);
  copyRows->setObjectName(QStringLiteral("act_CopyRows"));
  copyRows->setShortcut(QKeySequence::Copy);
  copyRows->setShortcutContext(Qt::WindowShortcut);
  connect(copyRows, &QAction::triggered, this, &ConversionTableWindow::CopySelectedRows);
  auto* copyAllRows = new QAction(tr("Copy &All"), this);
  copyAllRows->setObjectName(QStringLiteral("act_CopyAll"));
  connect(copyAllRows, &QAction::triggered, this, &ConversionTableWindow::CopyAllRows);
  addAction(copyRows);
  m_table->addActions({copyRows, copyAllRows});

  auto* closeWindow = new QAction(tr("Close"), this);
  closeWindow->setObjectName(QStringLiteral("act_Close"));
  closeWindow->setShortcut(Qt::Key_Escape);
  closeWindow->setShortcutContext(Qt::WindowShortcut);
  connect(closeWindow, &QAction::triggered, this, &QWidget::close);
  addAction(closeWindow);
}

void ConversionTableWindow::ShowRows(const std::vector<std::pair<std::string, std::string>>& rows,
                                     int highlighted, const QString& caption) {
  WordedRows worded;
  worded.reserve(rows.size());
  for (const auto& [unit, result] : rows) worded.emplace_back(ToQString(unit), ToQString(result));
  ShowWorded(worded, highlighted, caption);
}

void ConversionTableWindow::ShowWorded(const WordedRows& rows, int highlighted,
                                       const QString& caption) {
  if (m_caption->text() != caption) m_caption->setText(caption);
  if (HasUnits(rows)) {
    // Same units: set only the results that changed, so the selection, the scroll
    // position and the other cells stay as they are.
    for (int row = 0; row < m_table->rowCount(); ++row) {
      QTableWidgetItem* item = m_table->item(row, kResultColumn);
      const QString& result = rows[static_cast<std::size_t>(row)].second;
      if (item->text() != result) item->setText(result);
    }
  } else {
    Refill(rows);
  }
  Highlight(highlighted >= 0 && highlighted < m_table->rowCount() ? highlighted : -1);
}

void ConversionTableWindow::ShowTable(const model::ConversionTable& table) {
  // Each result is worded once, straight into the text the cell shows.
  WordedRows rows;
  rows.reserve(table.Rows.size());
  for (const model::TableRow& row : table.Rows) {
    rows.emplace_back(ToQString(row.Unit), ShownOutputText(row.Result));
  }
  ShowWorded(rows, table.OutputRow, ToQString(table.Caption));
}

QString ConversionTableWindow::SelectedRowsText() const {
  const QItemSelectionModel* selection = m_table->selectionModel();
  return RowsText([selection](int row) { return selection->isRowSelected(row, QModelIndex()); });
}

QString ConversionTableWindow::AllRowsText() const {
  return RowsText([](int) { return true; });
}

void ConversionTableWindow::CopySelectedRows() {
  const QString text = SelectedRowsText();
  // Nothing selected leaves the clipboard alone rather than emptying it.
  if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void ConversionTableWindow::CopyAllRows() {
  if (m_table->rowCount() > 0) QGuiApplication::clipboard()->setText(AllRowsText());
}

void ConversionTableWindow::showEvent(QShowEvent* event) {
  // Only the first time: after that the window stays where the user put it.
  if (!m_placed) {
    m_placed = true;
    PlaceBesideParent();
  }
  QWidget::showEvent(event);
}

void ConversionTableWindow::changeEvent(QEvent* event) {
  // The mark is made of the palette and the font: a new theme makes it afresh.
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
    const int row = m_highlighted;
    Highlight(-1);
    Highlight(row);
  }
  QWidget::changeEvent(event);
}

bool ConversionTableWindow::HasUnits(const WordedRows& rows) const {
  if (static_cast<int>(rows.size()) != m_table->rowCount()) return false;
  for (int row = 0; row < m_table->rowCount(); ++row) {
    if (m_table->item(row, kUnitColumn)->text() != rows[static_cast<std::size_t>(row)].first) {
      return false;
    }
  }
  return true;
}

void ConversionTableWindow::Refill(const WordedRows& rows) {
  QSet<QString> selectedUnits;
  for (const QModelIndex& index : m_table->selectionModel()->selectedRows(kUnitColumn)) {
    selectedUnits.insert(index.data().toString());
  }
  Highlight(-1);
  m_table->clearSelection();
  m_table->setRowCount(static_cast<int>(rows.size()));
  QItemSelection reselected;
  for (int row = 0; row < m_table->rowCount(); ++row) {
    const auto& [unitText, result] = rows[static_cast<std::size_t>(row)];
    for (const int column : {kUnitColumn, kResultColumn}) {
      const QString& text = column == kUnitColumn ? unitText : result;
      if (QTableWidgetItem* item = m_table->item(row, column)) {
        item->setText(text);
      } else {
        item = new QTableWidgetItem(text);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        m_table->setItem(row, column, item);
      }
    }
    if (selectedUnits.contains(unitText)) {
      reselected.select(m_table->model()->index(row, kUnitColumn),
                        m_table->model()->index(row, kResultColumn));
    }
  }
  m_table->selectionModel()->select(reselected, QItemSelectionModel::Select);
  m_table->resizeColumnToContents(kUnitColumn);
}

void ConversionTableWindow::Highlight(int row) {
  if (row == m_highlighted) return;
  if (m_highlighted >= 0 && m_highlighted < m_table->rowCount()) {
    for (const int column : {kUnitColumn, kResultColumn}) {
      QTableWidgetItem* item = m_table->item(m_highlighted, column);
      item->setData(Qt::FontRole, QVariant());
      item->setData(Qt::BackgroundRole, QVariant());
      item->setData(Qt::AccessibleDescriptionRole, QVariant());
    }
  }
  m_highlighted = row;
  if (row < 0) return;
  QFont bold = m_table->font();
  bold.setBold(true);
  QColor mark = m_table->palette().color(QPalette::Highlight);
  mark.setAlpha(kMarkAlpha);
  for (const int column : {kUnitColumn, kResultColumn}) {
    QTableWidgetItem* item = m_table->item(row, column);
    item->setFont(bold);
    item->setBackground(mark);
    // Bold and colour say nothing to a screen reader.
    item->setData(Qt::AccessibleDescriptionRole, tr("output unit"));
  }
  m_table->scrollToItem(m_table->item(row, kUnitColumn));
}

template <typename Predicate>
QString ConversionTableWindow::RowsText(Predicate take) const {
  QString text;
  for (int row = 0; row < m_table->rowCount(); ++row) {
    if (!take(row)) continue;
    text += m_table->item(row, kUnitColumn)->text() + QLatin1Char('\t') +
            m_table->item(row, kResultColumn)->text() + QLatin1Char('\n');
  }
  return text;
}

void ConversionTableWindow::PlaceAt(const QPoint& frame) {
  // Placed before it is first shown, as the main window is, so that the window
  // system puts the frame there.
  m_placed = true;
  move(frame);
}

void ConversionTableWindow::RestoreBounds(const model::WindowBounds& stored) {
  if (stored.Sized()) resize(stored.FormWidth, stored.FormHeight);
  if (stored.Placed() && ShownOnAScreen(stored.FormLeft, stored.FormTop, width())) {
    PlaceAt(QPoint(stored.FormLeft, stored.FormTop));
  }
}

model::WindowBounds ConversionTableWindow::StoredBounds() const {
  const QPoint place = frameGeometry().topLeft();
  return {place.y(), place.x(), width(), height(), false};
}

void ConversionTableWindow::PlaceBesideParent() {
  if (parentWidget() == nullptr) return;
  const QWidget* main = parentWidget()->window();
  const QScreen* screen = main->screen();
  if (screen == nullptr) return;
  // The frame is not known before the first show; the title bar is guessed from the
  // main window's.
  const QSize decoration = main->frameGeometry().size() - main->size();
  const Placement place =
      PlaceBeside(main->frameGeometry(), size(), decoration, screen->availableGeometry(), kGap);
  resize(place.Size);
  move(place.FrameTopLeft);
}

}  // namespace quantivo::ui
