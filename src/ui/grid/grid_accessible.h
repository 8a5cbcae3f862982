#pragma once
// Screen-reader access to the results grid: the grid as a table (rows of the display
// index, its data columns) whose cells read the same text the grid paints. Cell
// interfaces are made on request only, never one per row in advance.
#include <QAccessibleWidget>
#include <QHash>

namespace quorvane::ui {

class ResultsGrid;

// Registers the factory that gives every ResultsGrid its table interface (once per process).
void InstallGridAccessibility();
// The grid's rows or columns changed: forgets the cell interfaces handed out.
void GridAccessibilityReset(ResultsGrid* grid);

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit GridAccessible(ResultsGrid* grid);
  ~GridAccessible() override;

  ResultsGrid* grid() const;

  // QAccessibleInterface
  void* interface_cast(QAccessible::InterfaceType t) override;
  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;

  // QAccessibleTableInterface: rows are display rows, column j is the grid's column j + 1.
  QAccessibleInterface* caption() const override;
  QAccessibleInterface* summary() const override;
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override;
  int selectedRowCount() const override;
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedColumns() const override;
  QList<int> selectedRows() const override;
  bool isColumnSelected(int column) const override;
  bool isRowSelected(int row) const override;
  bool selectRow(int row) override;
  bool selectColumn(int column) override;
  bool unselectRow(int row) override;
  bool unselectColumn(int column) override;
  void modelChange(QAccessibleTableModelChangeEvent* event) override;

  void forgetCells();

  // At most this many cells, rows or columns are listed as selected (the count is exact).
  static constexpr int kSelectedListLimit = 1000;

 private:
  mutable QHash<quint64, QAccessible::Id> cells_;
};

class GridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  GridCellAccessible(GridAccessible* table, int row, int column) : table_(table), row_(row), column_(column) {}

  // QAccessibleInterface
  void* interface_cast(QAccessible::InterfaceType t) override;
  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override;

  // QAccessibleTableCellInterface
  bool isSelected() const override;
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return table_; }

 private:
  GridAccessible* table_;
  int row_, column_;
};

}  // namespace quorvane::ui
