#pragma once
// Grid1, the results grid: one row per display-index entry, painted only for the rows in
// view at a fixed row height, straight from the view core's cell function. No object,
// widget or string is kept per row; the selection is one rectangle (view::GridCursor).
// Row numbers are display rows, 0-based; the header row is row -1. Column 0 (the row
// numbers) and the header row stay in place while the rest scrolls.
#include <QAbstractScrollArea>
#include <QFont>
#include <QPoint>

#include "platform/name_metrics.h"
#include "program/program.h"
#include "ui/grid/grid_text.h"
#include "view/grid_cell.h"
#include "view/grid_colours.h"
#include "view/grid_columns.h"
#include "view/grid_navigation.h"
#include "view/set_label_layout.h"

namespace quorvane::ui {

class ResultsGrid : public QAbstractScrollArea {
  Q_OBJECT

 public:
  struct Selection {
    int top = 0, bottom = 0, left = 1, right = 1;
  };

  explicit ResultsGrid(Program& program, QWidget* parent = nullptr);
  ~ResultsGrid() override;

  // Measures the grid font (DisplayFontName at DisplayFontSize), lays the columns out
  // through the core (remembered widths, AutoColWidth) and rebuilds the colour tables.
  void setUpColumns();
  // The display index changed (rows, order): scroll range, cursor bounds, repaint.
  void refresh();

  // Byte widths of the grid font, for the filter pass's widest name.
  const platform::NameMetrics* nameMetrics();

  const view::ColumnLayout& columnLayout() const { return layout_; }
  // Columns 0..4 plus 5 pixels, computed at column setup and after a resize.
  int newPanelWidth() const { return layout_.newColumnsWidth(); }
  // The New and Old label panels for a window of that width.
  view::SetLabelLayout setLabelLayout(int windowWidth, int labelHeight) const;

  // The selected rectangle (display rows, data columns 1..); with no rows, bottom is
  // top - 1 so that a loop over the rows does nothing.
  Selection selection() const;
  int currentRow() const { return cursor_.row; }
  int currentColumn() const { return cursor_.column; }
  // Makes the row current (one cell selected, column kept) and scrolls it into view.
  void setCurrentRow(int row);
  // Every row and data column as one rectangle.
  void selectAll();
  // Repaints the row-number strip (column 0), which marks the selected rows when
  // TrackSelection is on.
  void repaintRowNumbers();

  int rowCount() const;    // display-index rows
  int topRow() const;      // first row in view
  int pageRows() const;    // rows fully in view
  int rowPitch() const { return layout_.rowHeight + 1; }  // row height plus the grid line

  // The cell's rectangle in viewport coordinates (row -1: the header); columns are not
  // clipped to the scrolled area.
  QRect cellRect(int row, int column) const;
  // The column at a viewport x, -1 beyond the last; the row at a viewport y (-1 the
  // header, rowCount() or more below the last row).
  int columnAt(int x) const;
  int rowAt(int y) const;

  // What a cell shows, as painted (selected state included).
  view::CellPaint cellPaint(int row, int column) const;
  Program& program() const { return program_; }

 signals:
  // A left click on the header of the column (0 is the corner); the window sorts by
  // view::SortKindOfColumn(column, snapshot mode).
  void headerClicked(int column);
  // A resize drag ended; the widths are in settings.ColWidths already.
  void columnWidthsChanged();
  // Any mouse button pressed on a cell (row -1: the header row). The left button has
  // moved the current cell first (Shift extends the selection); others leave it.
  void cellPressed(int row, int column, Qt::MouseButton button, QPoint globalPos);
  void cellDoubleClicked(int row, int column);
  // The current cell or the selection changed (keys, mouse, scrolling, select-all).
  void selectionChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  view::GridSource source() const;
  view::GridExtent extent() const;
  void updateScrollBars();
  void showCurrentCell();
  void cursorMoved();
  int dataLeft() const;            // first x of the scrolled columns
  int contentLeft(int column) const;  // x of a column with no horizontal scroll
  int resizeHandleAt(QPoint pos) const;  // the column whose right edge is under pos, or -1

  void paintHeader(QPainter& p, int column, const QRect& r) const;
  void paintRowNumber(QPainter& p, int row, const QRect& r, const view::GridSelection& sel) const;
  void paintCell(QPainter& p, const view::CellPaint& cell, const QRect& r) const;

  Program& program_;
  QFont font_;
  mutable GridText text_;  // its batch is scratch space of a paint
  view::ColumnLayout layout_;
  view::GridColours colours_;
  view::GridCursor cursor_;
  platform::NameMetrics metrics_;
  bool metricsMeasured_ = false;
  int ascent_ = 0;

  int resizing_ = -1;      // the column being resized
  int resizeOrigin_ = 0;   // its left edge in viewport coordinates
  int headerPressed_ = -1; // header column pressed with the left button
  bool selecting_ = false; // left button held over the data cells
};

}  // namespace quorvane::ui
