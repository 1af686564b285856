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
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <optional>
#include <set>

#include "ui/core_texts.h"
#include "ui/qt_convert.h"
#include "ui/tools/conversion_table_model.h"
#include "ui/window/window_placement.h"

namespace quantivo::ui {
namespace {

constexpr int kUnitColumn = ConversionTableModel::kUnitColumn;
// The rows a table opened for the first time shows.
constexpr int kShownRows = 12;
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

  m_rows = new ConversionTableModel(tr("Unit"), tr("Result"), this);
  m_table = new QTableView(this);
  m_table->setModel(m_rows);
  m_table->setObjectName(QStringLiteral("tbl_Table"));
  m_table->setAccessibleName(tr("Conversion table"));
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
  std::vector<std::string> units;
  auto results = std::make_shared<std::vector<QString>>();
  units.reserve(rows.size());
  results->reserve(rows.size());
  for (const auto& [unit, result] : rows) {
    units.push_back(unit);
    results->push_back(ToQString(result));
  }
  ShowUnits(
      std::move(units), [results](int row) { return results->at(static_cast<std::size_t>(row)); },
      highlighted, caption);
}

void ConversionTableWindow::ShowTable(const model::LazyConversionTable& table, TableChange change) {
  // Each result is worded straight into the text the cell shows, when it shows it.
  auto results = [table](int row) { return ShownOutputText(table.Row(row).Result); };
  if (change == TableChange::Results && table.RowCount() == m_rows->rowCount()) {
    ShowUnits(std::nullopt, std::move(results), table.OutputRow(), ToQString(table.Caption()));
    return;
  }
  std::vector<std::string> units(static_cast<std::size_t>(table.RowCount()));
  for (int row = 0; row < table.RowCount(); ++row) {
    units[static_cast<std::size_t>(row)] = table.Unit(row);
  }
  ShowUnits(std::move(units), std::move(results), table.OutputRow(), ToQString(table.Caption()));
}

void ConversionTableWindow::ShowUnits(std::optional<std::vector<std::string>> units,
                                      std::function<QString(int)> results, int highlighted,
                                      const QString& caption) {
  if (m_caption->text() != caption) m_caption->setText(caption);
  if (!units || *units == m_rows->Units()) {
    // Same units: only the results change, so the selection, the scroll position and
    // the units' cells stay as they are.
    m_rows->SetResults(std::move(results));
  } else {
    Refill(std::move(*units), std::move(results));
  }
  Highlight(highlighted >= 0 && highlighted < m_rows->rowCount() ? highlighted : -1);
}

QString ConversionTableWindow::SelectedRowsText() const {
  std::vector<int> rows;
  for (const QModelIndex& index : m_table->selectionModel()->selectedRows(kUnitColumn)) {
    rows.push_back(index.row());
  }
  std::sort(rows.begin(), rows.end());
  return RowsText(rows);
}

QString ConversionTableWindow::AllRowsText() const {
  std::vector<int> rows(static_cast<std::size_t>(m_rows->rowCount()));
  for (int row = 0; row < m_rows->rowCount(); ++row) rows[static_cast<std::size_t>(row)] = row;
  return RowsText(rows);
}

void ConversionTableWindow::CopySelectedRows() {
  const QString text = SelectedRowsText();
  // Nothing selected leaves the clipboard alone rather than emptying it.
  if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void ConversionTableWindow::CopyAllRows() {
  if (m_rows->rowCount() > 0) QGuiApplication::clipboard()->setText(AllRowsText());
}

void ConversionTableWindow::setVisible(bool visible) {
  // Only the first time, before the window system makes the window, so that it puts
  // the frame there; after that the window stays where the user put it.
  if (visible && !m_placed) {
    m_placed = true;
    if (!m_frameTopLeft) PlaceBesideParent();
    new FrameFitter(this, {m_frameTopLeft, QSize(), false});
  }
  QWidget::setVisible(visible);
}

void ConversionTableWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ShowHighlighted();
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

void ConversionTableWindow::Refill(std::vector<std::string> units,
                                   std::function<QString(int)> results) {
  std::set<std::string> selectedUnits;
  for (const QModelIndex& index : m_table->selectionModel()->selectedRows(kUnitColumn)) {
    selectedUnits.insert(m_rows->Units()[static_cast<std::size_t>(index.row())]);
  }
  Highlight(-1);
  m_table->clearSelection();
  m_rows->SetRows(std::move(units), std::move(results));
  QItemSelection reselected;
  for (int row = 0; !selectedUnits.empty() && row < m_rows->rowCount(); ++row) {
    if (selectedUnits.contains(m_rows->Units()[static_cast<std::size_t>(row)])) {
      reselected.select(m_rows->index(row, kUnitColumn),
                        m_rows->index(row, ConversionTableModel::kResultColumn));
    }
  }
  m_table->selectionModel()->select(reselected, QItemSelectionModel::Select);
  m_table->resizeColumnToContents(kUnitColumn);
}

void ConversionTableWindow::Highlight(int row) {
  if (row == m_highlighted) return;
  m_highlighted = row;
  QFont bold = m_table->font();
  bold.setBold(true);
  QColor mark = m_table->palette().color(QPalette::Highlight);
  mark.setAlpha(kMarkAlpha);
  // Bold and colour say nothing to a screen reader.
  m_rows->Mark(row, bold, mark, tr("output unit"));
  ShowHighlighted();
}

void ConversionTableWindow::ShowHighlighted() {
  if (m_highlighted < 0) return;
  // The column was sized for the names in the table's font; the marked one is bold.
  const QModelIndex unit = m_rows->index(m_highlighted, kUnitColumn);
  const int width = m_table->sizeHintForIndex(unit).width() + (m_table->showGrid() ? 1 : 0);
  if (width > m_table->columnWidth(kUnitColumn)) m_table->setColumnWidth(kUnitColumn, width);
  // Rows just listed are laid out, and the scroll bar given its range, only when the
  // event loop comes round: laid out now, to scroll.
  m_table->doItemsLayout();
  m_table->scrollTo(unit);
}

QString ConversionTableWindow::RowsText(const std::vector<int>& rows) const {
  QString text;
  for (const int row : rows) {
    text += m_rows->UnitText(row) + QLatin1Char('\t') + m_rows->ResultText(row) + QLatin1Char('\n');
  }
  return text;
}

void ConversionTableWindow::PlaceAt(const QPoint& frame) {
  // Placed before it is first shown, as the main window is, so that the window
  // system puts the frame there.
  m_frameTopLeft = frame;
  move(frame);
}

void ConversionTableWindow::RestoreBounds(const model::WindowBounds& stored) {
  // The main window's rule, but where no screen shows the stored place (the rule then
  // gives another), the window goes beside the main window.
  const OpeningPlace place =
      StoredBoundsToGeometry(stored, size(), minimumSizeHint(), ScreenAreas(), PrimaryArea());
  // Room is left for a frame like the main window's: a window manager may maximise a
  // window that comes as large as the screen (xfwm4 does), which the fit after the
  // first show then leaves as it is.
  const QWidget* main = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
  if (main != nullptr && main->screen() != nullptr) {
    resize(place.Size.boundedTo(main->screen()->availableGeometry().size() - FrameMargins(main)));
  } else {
    resize(place.Size);
  }
  if (place.TopLeft == QPoint(stored.FormLeft, stored.FormTop)) PlaceAt(*place.TopLeft);
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
  const Placement place = PlaceBeside(main->frameGeometry(), ContentSize(), FrameMargins(main),
                                      screen->availableGeometry(), kGap);
  resize(place.Size);
  PlaceAt(place.FrameTopLeft);
}

QSize ConversionTableWindow::ContentSize() {
  // The rest of the window (caption, button, margins, spacing), as the layout asks
  // for it beside the table's own wish.
  const QMargins margins = layout()->contentsMargins();
  const QSize around(margins.left() + margins.right(),
                     layout()->sizeHint().height() - m_table->sizeHint().height());
  // The widest name, bold where it is marked (the rows are filled before the first
  // show, which sized that column), and a result of many digits with the room a cell
  // gives round its text; a dozen rows under the header.
  const int padding = 2 * m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
  const int result =
      m_table->fontMetrics().horizontalAdvance(QStringLiteral("-1,234,567.8901234")) + padding;
  const int width = m_table->columnWidth(kUnitColumn) + result +
                    m_table->verticalScrollBar()->sizeHint().width() + 2 * m_table->frameWidth();
  const int height = m_table->horizontalHeader()->sizeHint().height() +
                     kShownRows * m_table->verticalHeader()->defaultSectionSize() +
                     2 * m_table->frameWidth();
  return QSize(width, height) + around;
}

}  // namespace quantivo::ui
