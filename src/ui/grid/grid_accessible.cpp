#include "ui/grid/grid_accessible.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "ui/grid/results_grid.h"

namespace quorvane::ui {

namespace {

QAccessibleInterface* gridFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(ResultsGrid::staticMetaObject.className()) && object && object->isWidgetType())
    if (auto* grid = qobject_cast<ResultsGrid*>(object)) return new GridAccessible(grid);
  return nullptr;
}

quint64 keyOf(int row, int column) {
  return (static_cast<quint64>(static_cast<quint32>(row)) << 8) | static_cast<quint64>(column & 0xFF);
}

constexpr int kCellCacheLimit = 4096;

}  // namespace

void InstallGridAccessibility() {
  static const bool installed = (QAccessible::installFactory(gridFactory), true);
  (void)installed;
}

void GridAccessibilityReset(ResultsGrid* grid) {
  if (!QAccessible::isActive()) return;
  QAccessibleTableModelChangeEvent event(grid, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&event);
}

GridAccessible::GridAccessible(ResultsGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

GridAccessible::~GridAccessible() { forgetCells(); }

ResultsGrid* GridAccessible::grid() const { return static_cast<ResultsGrid*>(widget()); }

void GridAccessible::forgetCells() {
  const QHash<quint64, QAccessible::Id> cells = std::exchange(cells_, {});
  for (const QAccessible::Id id : cells) QAccessible::deleteAccessibleInterface(id);
}

void* GridAccessible::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(t);
}

QString GridAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return grid()->accessibleName();
  if (t == QAccessible::Description)
    return QStringLiteral("%1 files, %2 columns").arg(rowCount()).arg(columnCount());
  return QAccessibleWidget::text(t);
}

int GridAccessible::rowCount() const { return grid()->rowCount(); }
int GridAccessible::columnCount() const { return std::max(0, grid()->columnLayout().count - 1); }

int GridAccessible::childCount() const {
  const qint64 n = static_cast<qint64>(rowCount()) * columnCount();
  return static_cast<int>(std::min<qint64>(n, std::numeric_limits<int>::max()));
}

QAccessibleInterface* GridAccessible::child(int index) const {
  const int columns = columnCount();
  if (index < 0 || columns == 0) return nullptr;
  return cellAt(index / columns, index % columns);
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (!child || child->parent() != this) return -1;
  const auto* cell = static_cast<const GridCellAccessible*>(child);
  return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
  const QPoint local = grid()->viewport()->mapFromGlobal(QPoint(x, y));
  const int row = grid()->rowAt(local.y());
  const int column = grid()->columnAt(local.x());
  return column >= 1 ? cellAt(row, column - 1) : nullptr;
}

QAccessibleInterface* GridAccessible::caption() const { return nullptr; }
QAccessibleInterface* GridAccessible::summary() const { return nullptr; }

QAccessibleInterface* GridAccessible::cellAt(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
  const quint64 key = keyOf(row, column);
  if (const auto found = cells_.constFind(key); found != cells_.constEnd()) {
    if (QAccessibleInterface* cell = QAccessible::accessibleInterface(found.value())) return cell;
    cells_.remove(key);  // deleted by Qt's cache meanwhile
  }
  if (cells_.size() >= kCellCacheLimit) const_cast<GridAccessible*>(this)->forgetCells();
  auto* cell = new GridCellAccessible(const_cast<GridAccessible*>(this), row, column);
  cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
  return cell;
}

int GridAccessible::selectedCellCount() const {
  if (rowCount() == 0) return 0;  // the selection is empty
  const ResultsGrid::Selection s = grid()->selection();
  const qint64 n = static_cast<qint64>(s.bottom - s.top + 1) * (s.right - s.left + 1);
  return static_cast<int>(std::min<qint64>(n, std::numeric_limits<int>::max()));
}

QList<QAccessibleInterface*> GridAccessible::selectedCells() const {
  QList<QAccessibleInterface*> out;
  if (rowCount() == 0) return out;
  const ResultsGrid::Selection s = grid()->selection();
  for (int r = s.top; r <= s.bottom && out.size() < kSelectedListLimit; ++r)
    for (int c = s.left; c <= s.right && out.size() < kSelectedListLimit; ++c)
      if (QAccessibleInterface* cell = cellAt(r, c - 1)) out.append(cell);
  return out;
}

QString GridAccessible::columnDescription(int column) const {
  const view::ColumnLayout& layout = grid()->columnLayout();
  if (column < 0 || column + 1 >= layout.count) return {};
  const std::string_view title = layout.titles[static_cast<std::size_t>(column + 1)];
  return QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size()));
}

QString GridAccessible::rowDescription(int row) const { return QString::number(row + 1); }

int GridAccessible::selectedColumnCount() const { return selectedColumns().size(); }
int GridAccessible::selectedRowCount() const {
  if (rowCount() == 0) return 0;
  const ResultsGrid::Selection s = grid()->selection();
  return s.left == 1 && s.right == columnCount() ? s.bottom - s.top + 1 : 0;
}

QList<int> GridAccessible::selectedColumns() const {
  QList<int> out;
  const ResultsGrid::Selection s = grid()->selection();
  if (rowCount() == 0 || s.top != 0 || s.bottom != rowCount() - 1) return out;
  for (int c = s.left; c <= s.right; ++c) out.append(c - 1);
  return out;
}

QList<int> GridAccessible::selectedRows() const {
  QList<int> out;
  if (selectedRowCount() == 0) return out;
  const ResultsGrid::Selection s = grid()->selection();
  for (int r = s.top; r <= s.bottom && out.size() < kSelectedListLimit; ++r) out.append(r);
  return out;
}

bool GridAccessible::isColumnSelected(int column) const { return selectedColumns().contains(column); }

bool GridAccessible::isRowSelected(int row) const {
  const ResultsGrid::Selection s = grid()->selection();
  return selectedRowCount() > 0 && row >= s.top && row <= s.bottom;
}

bool GridAccessible::selectRow(int row) {
  if (row < 0 || row >= rowCount()) return false;
  grid()->setCurrentRow(row);
  return true;
}

bool GridAccessible::selectColumn(int) { return false; }
bool GridAccessible::unselectRow(int) { return false; }
bool GridAccessible::unselectColumn(int) { return false; }

void GridAccessible::modelChange(QAccessibleTableModelChangeEvent*) { forgetCells(); }

void* GridCellAccessible::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
  return nullptr;
}

bool GridCellAccessible::isValid() const {
  return row_ < table_->rowCount() && column_ < table_->columnCount();
}

QAccessibleInterface* GridCellAccessible::parent() const { return table_; }

QString GridCellAccessible::text(QAccessible::Text t) const {
  if (t != QAccessible::Name || !isValid()) return {};
  const std::string text = view::AccessibleText(table_->grid()->cellPaint(row_, column_ + 1));
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect GridCellAccessible::rect() const {
  if (!isValid()) return {};
  const ResultsGrid* g = table_->grid();
  const QRect r = g->cellRect(row_, column_ + 1);
  return QRect(g->viewport()->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State GridCellAccessible::state() const {
  QAccessible::State s;
  s.selectable = true;
  s.selected = isSelected();
  s.focusable = true;
  s.focused = table_->grid()->currentRow() == row_ && table_->grid()->currentColumn() == column_ + 1;
  const int top = table_->grid()->topRow();
  s.invisible = row_ < top || row_ >= top + table_->grid()->pageRows();
  return s;
}

bool GridCellAccessible::isSelected() const {
  const ResultsGrid::Selection s = table_->grid()->selection();
  return row_ >= s.top && row_ <= s.bottom && column_ + 1 >= s.left && column_ + 1 <= s.right;
}

}  // namespace quorvane::ui
