#include "ui/tools/conversion_table_model.h"

#include <utility>

#include "ui/qt_convert.h"

namespace quantivo::ui {
namespace {

// The most results kept at once: far more than a screen shows, few enough that
// scrolling through thousands of units does not keep them all.
constexpr qsizetype kMostShownResults = 4096;

}  // namespace

ConversionTableModel::ConversionTableModel(QString unitHeader, QString resultHeader,
                                           QObject* parent)
    : QAbstractTableModel(parent),
      m_unitHeader(std::move(unitHeader)),
      m_resultHeader(std::move(resultHeader)) {}

int ConversionTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_units.size());
}

int ConversionTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2;
}

QVariant ConversionTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const bool marked = index.row() == m_marked;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return index.column() == kUnitColumn ? UnitText(index.row()) : ShownResult(index.row());
    case Qt::FontRole:
      return marked ? QVariant(m_markFont) : QVariant();
    case Qt::BackgroundRole:
      return marked ? QVariant(m_markBackground) : QVariant();
    case Qt::AccessibleDescriptionRole:
      return marked ? QVariant(m_markDescription) : QVariant();
    default:
      return {};
  }
}

QVariant ConversionTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
  if (orientation == Qt::Vertical)
    return QAbstractTableModel::headerData(section, orientation, role);
  if (role != Qt::DisplayRole) return {};
  if (section == kUnitColumn) return m_unitHeader;
  return section == kResultColumn ? QVariant(m_resultHeader) : QVariant();
}

Qt::ItemFlags ConversionTableModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void ConversionTableModel::SetRows(std::vector<std::string> units, ResultSource results) {
  const int before = rowCount();
  const int after = static_cast<int>(units.size());
  if (after < before) {
    beginRemoveRows(QModelIndex(), after, before - 1);
    m_units.resize(units.size());
    endRemoveRows();
  } else if (after > before) {
    beginInsertRows(QModelIndex(), before, after - 1);
    m_units.resize(units.size());
    endInsertRows();
  }
  m_units = std::move(units);
  if (m_marked >= after) m_marked = -1;
  m_results = std::move(results);
  m_shownResults.clear();
  if (after > 0) emit dataChanged(index(0, kUnitColumn), index(after - 1, kResultColumn));
}

void ConversionTableModel::SetResults(ResultSource results) {
  m_results = std::move(results);
  m_shownResults.clear();
  if (rowCount() > 0) {
    emit dataChanged(index(0, kResultColumn), index(rowCount() - 1, kResultColumn),
                     {Qt::DisplayRole, Qt::EditRole});
  }
}

void ConversionTableModel::Mark(int row, const QFont& font, const QBrush& background,
                                const QString& description) {
  const int before = m_marked;
  m_marked = row >= 0 && row < rowCount() ? row : -1;
  m_markFont = font;
  m_markBackground = background;
  m_markDescription = description;
  RowChanged(before);
  if (m_marked != before) RowChanged(m_marked);
}

QString ConversionTableModel::UnitText(int row) const {
  return row >= 0 && row < rowCount() ? ToQString(m_units[static_cast<std::size_t>(row)])
                                      : QString();
}

QString ConversionTableModel::ResultText(int row) const {
  if (row < 0 || row >= rowCount() || !m_results) return {};
  const auto shown = m_shownResults.constFind(row);
  return shown != m_shownResults.cend() ? *shown : m_results(row);
}

QString ConversionTableModel::ShownResult(int row) const {
  if (!m_results) return {};
  if (const auto shown = m_shownResults.constFind(row); shown != m_shownResults.cend()) {
    return *shown;
  }
  if (m_shownResults.size() >= kMostShownResults) m_shownResults.clear();
  return *m_shownResults.insert(row, m_results(row));
}

void ConversionTableModel::RowChanged(int row) {
  if (row >= 0 && row < rowCount()) {
    emit dataChanged(index(row, kUnitColumn), index(row, kResultColumn),
                     {Qt::FontRole, Qt::BackgroundRole, Qt::AccessibleDescriptionRole});
  }
}

}  // namespace quantivo::ui
