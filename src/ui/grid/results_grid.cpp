#include "ui/grid/results_grid.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QScrollBar>
#include <algorithm>

#include "ui/grid/grid_accessible.h"

namespace quorvane::ui {

namespace {

constexpr int kResizeHandle = 3;  // pixels either side of a header edge that start a resize
constexpr int kMinimumWidth = 4;

QColor colourOf(view::Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
QRgb rgbOf(view::Colour c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

}  // namespace

ResultsGrid::ResultsGrid(Program& program, QWidget* parent) : QAbstractScrollArea(parent), program_(program) {
  InstallGridAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setMouseTracking(true);
  setAccessibleName(QStringLiteral("Results"));
  setUpColumns();
}

ResultsGrid::~ResultsGrid() = default;

void ResultsGrid::setUpColumns() {
  const Settings& s = program_.settings;
  font_ = QFont(QString::fromStdString(s.DisplayFontName), std::max(1, s.DisplayFontSize));
  setFont(font_);
  viewport()->setFont(font_);
  const QFontMetrics fm(font_);
  ascent_ = fm.ascent();
  text_.setFont(font_);
  metricsMeasured_ = false;
  const view::FontMeasure measure = view::MeasureFont(
      [&fm](std::string_view t) { return fm.horizontalAdvance(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()))); },
      fm.height());  // the height of a line such as "Ay": ascent, descent and leading
  const Comparison& c = program_.comparison;
  layout_ = view::SetUpColumns(measure, c.Files.WidestName, c.Display.Count(), c.State.SnapshotMode,
                               program_.settings);
  layout_.rowHeight = std::max(layout_.rowHeight, 1);
  colours_ = view::PrepareGridColours(program_.settings);
  cursor_.clamp(extent());
  updateScrollBars();
  viewport()->update();
}

void ResultsGrid::refresh() {
  cursor_.clamp(extent());
  updateScrollBars();
  viewport()->update();
  GridAccessibilityReset(this);
}

const platform::NameMetrics* ResultsGrid::nameMetrics() {
  if (!metricsMeasured_) {
    const QFontMetrics fm(font_);
    const int unknown = fm.horizontalAdvance(QLatin1Char('?'));
    const int two = fm.horizontalAdvance(QString::fromUtf8("\xC3\xA9"));      // é
    const int three = fm.horizontalAdvance(QString::fromUtf8("\xE4\xB8\xAD"));  // a CJK ideograph
    for (int b = 0; b < 256; ++b) {
      int w = unknown;
      if (b >= 0x20 && b < 0x7F) w = fm.horizontalAdvance(QLatin1Char(static_cast<char>(b)));
      else if (b >= 0x80 && b < 0xC0) w = 0;  // continuation bytes
      else if (b >= 0xC0 && b < 0xE0) w = two;
      else if (b >= 0xE0) w = three;
      metrics_.byteWidths[static_cast<std::size_t>(b)] = static_cast<std::uint16_t>(std::max(0, w));
    }
    metricsMeasured_ = true;
  }
  return &metrics_;
}

view::SetLabelLayout ResultsGrid::setLabelLayout(int windowWidth, int labelHeight) const {
  return view::LayOutSetLabels(
      {program_.settings.OptSetsAboveColumns, layout_.widths[0], layout_.newColumnsWidth(), windowWidth, labelHeight});
}

ResultsGrid::Selection ResultsGrid::selection() const {
  if (rowCount() == 0) return {0, -1, cursor_.column, cursor_.column};
  const view::GridSelection s = cursor_.selection();
  return {s.top, s.bottom, s.left, s.right};
}

void ResultsGrid::setCurrentRow(int row) {
  cursor_.moveTo(row, cursor_.column, false, extent());
  cursorMoved();
}

void ResultsGrid::selectAll() {
  cursor_.selectAll(extent());
  viewport()->update();
  emit selectionChanged();
}

void ResultsGrid::repaintRowNumbers() {
  viewport()->update(QRect(0, 0, layout_.widths[0] + 1, viewport()->height()));
}

int ResultsGrid::rowCount() const { return program_.comparison.Display.Count(); }

int ResultsGrid::topRow() const { return verticalScrollBar()->value(); }

int ResultsGrid::pageRows() const { return std::max(1, (viewport()->height() - rowPitch()) / rowPitch()); }

view::GridSource ResultsGrid::source() const {
  Comparison& c = program_.comparison;
  return view::GridSource{c.Files, c.Display, c.Aliases, colours_, program_.settings.DateFormat, layout_.snapshotMode};
}

view::GridExtent ResultsGrid::extent() const { return {rowCount(), layout_.count, pageRows()}; }

int ResultsGrid::contentLeft(int column) const {
  int x = 0;
  for (int c = 0; c < column && c < layout_.count; ++c) x += layout_.widths[static_cast<std::size_t>(c)] + 1;
  return x;
}

int ResultsGrid::dataLeft() const { return layout_.widths[0] + 1; }

QRect ResultsGrid::cellRect(int row, int column) const {
  const int w = layout_.widths[static_cast<std::size_t>(std::clamp(column, 0, view::kMaxColumns - 1))];
  const int x = column == 0 ? 0 : contentLeft(column) - horizontalScrollBar()->value();
  const int y = row < 0 ? 0 : (row - topRow() + 1) * rowPitch();
  return QRect(x, y, w, layout_.rowHeight);
}

int ResultsGrid::columnAt(int x) const {
  if (x < dataLeft()) return x >= 0 ? 0 : -1;
  const int content = x + horizontalScrollBar()->value();
  int left = dataLeft();
  for (int c = 1; c < layout_.count; ++c) {
    left += layout_.widths[static_cast<std::size_t>(c)] + 1;
    if (content < left) return c;
  }
  return -1;
}

int ResultsGrid::rowAt(int y) const {
  if (y < rowPitch()) return -1;
  return topRow() + y / rowPitch() - 1;
}

view::CellPaint ResultsGrid::cellPaint(int row, int column) const {
  if (column == 0) {
    const view::GridSelection s = cursor_.selection();
    return view::RowNumberCell(row, program_.settings.TrackSelection, s.top, s.bottom);
  }
  const bool selected = cursor_.selection().contains(row, column);
  return view::DataCell(source(), row, column, selected);
}

void ResultsGrid::updateScrollBars() {
  const int page = pageRows();
  QScrollBar* v = verticalScrollBar();
  v->setRange(0, view::MaximumTopRow(rowCount(), page));
  v->setPageStep(page);
  v->setSingleStep(1);
  QScrollBar* h = horizontalScrollBar();
  const int total = contentLeft(layout_.count);
  h->setRange(0, std::max(0, total - viewport()->width()));
  h->setPageStep(std::max(1, viewport()->width() - dataLeft()));
  h->setSingleStep(std::max(1, layout_.digitWidth * 4));
}

void ResultsGrid::showCurrentCell() {
  verticalScrollBar()->setValue(view::TopRowShowing(topRow(), cursor_.row, pageRows(), rowCount()));
  // Horizontally: the current column's left and right edges inside the scrolled area.
  QScrollBar* h = horizontalScrollBar();
  const int left = contentLeft(cursor_.column) - dataLeft();
  const int right = left + layout_.widths[static_cast<std::size_t>(cursor_.column)];
  const int visible = viewport()->width() - dataLeft();
  if (left < h->value()) h->setValue(left);
  else if (right > h->value() + visible) h->setValue(std::min(left, right - visible));
}

void ResultsGrid::cursorMoved() {
  showCurrentCell();
  viewport()->update();
  emit selectionChanged();
}

void ResultsGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBars();
}

void ResultsGrid::scrollContentsBy(int, int) {
  // A single selected cell follows the view; a range stays where it is.
  if (view::FollowScroll(cursor_, topRow(), pageRows(), extent())) emit selectionChanged();
  viewport()->update();
}

void ResultsGrid::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::SelectAll)) {
    selectAll();
    return;
  }
  const bool extend = event->modifiers() & Qt::ShiftModifier;
  const bool control = event->modifiers() & Qt::ControlModifier;
  view::GridKey key;
  switch (event->key()) {
    case Qt::Key_Up: key = view::GridKey::Up; break;
    case Qt::Key_Down: key = view::GridKey::Down; break;
    case Qt::Key_Left: key = view::GridKey::Left; break;
    case Qt::Key_Right: key = view::GridKey::Right; break;
    case Qt::Key_PageUp: key = view::GridKey::PageUp; break;
    case Qt::Key_PageDown: key = view::GridKey::PageDown; break;
    case Qt::Key_Home: key = control ? view::GridKey::CtrlHome : view::GridKey::Home; break;
    case Qt::Key_End: key = control ? view::GridKey::CtrlEnd : view::GridKey::End; break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
  }
  if (rowCount() == 0) return;
  cursor_.press(key, extend, extent());
  cursorMoved();
}

int ResultsGrid::resizeHandleAt(QPoint pos) const {
  if (pos.y() < 0 || pos.y() >= rowPitch()) return -1;
  for (int c = 1; c < layout_.count; ++c) {
    const int edge = cellRect(-1, c).right() + 1;
    if (edge < dataLeft()) continue;
    if (std::abs(pos.x() - edge) <= kResizeHandle) return c;
  }
  return -1;
}

void ResultsGrid::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const QPoint pos = event->position().toPoint();
  const Qt::MouseButton button = event->button();
  const int column = columnAt(pos.x());
  const int row = rowAt(pos.y());
  if (button == Qt::LeftButton) {
    const int handle = resizeHandleAt(pos);
    if (handle >= 0) {
      resizing_ = handle;
      resizeOrigin_ = cellRect(-1, handle).left();
      return;
    }
  }
  if (column < 0) return;
  if (row < 0) {
    if (button == Qt::LeftButton) headerPressed_ = column;
    emit cellPressed(-1, column, button, event->globalPosition().toPoint());
    return;
  }
  if (row >= rowCount()) return;
  if (button == Qt::LeftButton && column > 0) {
    cursor_.moveTo(row, column, event->modifiers() & Qt::ShiftModifier, extent());
    selecting_ = true;
    cursorMoved();
  }
  emit cellPressed(row, column, button, event->globalPosition().toPoint());
}

void ResultsGrid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (resizing_ >= 0) {
    layout_.widths[static_cast<std::size_t>(resizing_)] = std::max(kMinimumWidth, pos.x() - resizeOrigin_);
    updateScrollBars();
    viewport()->update();
    return;
  }
  if (selecting_ && (event->buttons() & Qt::LeftButton)) {
    const int column = columnAt(pos.x());
    const int row = std::clamp(rowAt(pos.y()), topRow(), std::max(0, rowCount() - 1));
    if (column > 0 && (row != cursor_.row || column != cursor_.column)) {
      cursor_.moveTo(row, column, true, extent());
      cursorMoved();
    }
    return;
  }
  viewport()->setCursor(resizeHandleAt(pos) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void ResultsGrid::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (resizing_ >= 0 && event->button() == Qt::LeftButton) {
    resizing_ = -1;
    view::RememberColumnWidths(layout_, program_.settings);
    emit columnWidthsChanged();
    return;
  }
  selecting_ = false;
  if (headerPressed_ >= 0 && event->button() == Qt::LeftButton) {
    const int column = headerPressed_;
    headerPressed_ = -1;
    if (rowAt(pos.y()) < 0 && columnAt(pos.x()) == column) emit headerClicked(column);
  }
}

void ResultsGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const int row = rowAt(pos.y());
  const int column = columnAt(pos.x());
  if (resizeHandleAt(pos) >= 0) return;
  if (row >= 0 && row < rowCount() && column >= 0) emit cellDoubleClicked(row, column);
  else mousePressEvent(event);
}

void ResultsGrid::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  p.setFont(font_);
  const int width = viewport()->width();
  const int height = viewport()->height();
  const int pitch = rowPitch();
  const int rows = rowCount();
  const int top = topRow();
  const int shownRows = std::max(0, std::min(rows - top, (height - pitch) / pitch + 1));
  const int gridRight = std::min(width, contentLeft(layout_.count) - horizontalScrollBar()->value());
  const int gridBottom = std::min(height, (shownRows + 1) * pitch);

  // Beyond the cells, the grid's own background (the Identical background of the colour
  // set); between them the grid lines, one pixel after every row and column.
  const QColor background = colourOf(colours_.BackOf(stIdentical, 1));
  if (gridRight < width) p.fillRect(gridRight, 0, width - gridRight, height, background);
  if (gridBottom < height) p.fillRect(0, gridBottom, gridRight, height - gridBottom, background);
  const QColor gridLine(0xC0, 0xC0, 0xC0);
  for (int y = layout_.rowHeight; y < gridBottom; y += pitch) p.fillRect(0, y, gridRight, 1, gridLine);
  p.fillRect(layout_.widths[0], 0, 1, gridBottom, gridLine);
  for (int c = 1; c < layout_.count; ++c) {
    const int x = cellRect(-1, c).right() + 1;
    if (x >= dataLeft() && x < gridRight) p.fillRect(x, 0, 1, gridBottom, gridLine);
  }

  const view::GridSelection sel = cursor_.selection();
  const QRect dataArea(dataLeft(), 0, std::max(0, width - dataLeft()), height);
  int firstColumn = 1;
  while (firstColumn < layout_.count && cellRect(-1, firstColumn).right() < dataLeft()) ++firstColumn;
  int lastColumn = firstColumn;
  while (lastColumn + 1 < layout_.count && cellRect(-1, lastColumn + 1).left() < width) ++lastColumn;

  // The header row and column 0 stay; the data columns scroll under a clip.
  p.setClipRect(dataArea);
  text_.beginBatch();
  for (int c = firstColumn; c <= lastColumn && c < layout_.count; ++c) paintHeader(p, c, cellRect(-1, c));
  const view::GridSource src = source();
  for (int i = 0; i < shownRows; ++i) {
    const int row = top + i;
    for (int c = firstColumn; c <= lastColumn && c < layout_.count; ++c) {
      paintCell(p, view::DataCell(src, row, c, sel.contains(row, c)), cellRect(row, c));
    }
  }
  text_.flush(p);
  p.setClipping(false);
  text_.beginBatch();
  paintHeader(p, 0, cellRect(-1, 0));
  for (int i = 0; i < shownRows; ++i) paintRowNumber(p, top + i, cellRect(top + i, 0), sel);
  text_.flush(p);
}

void ResultsGrid::paintHeader(QPainter& p, int column, const QRect& r) const {
  const QPalette& pal = palette();
  p.fillRect(r, pal.color(QPalette::Button));
  const view::HeaderPaint h = view::HeaderCell(layout_, program_.comparison.Display, column);
  if (!h.title.empty()) {
    text_.draw(p, r.left() + view::kTextMargin, r.top() + ascent_, h.title, qRgb(0, 0, 0), r.left(), r.right() + 1);
  }
  if (h.sortImage != view::kNoSortImage) {
    // A small triangle in the top right corner: pointing up ascending, down descending.
    constexpr int w = 9, ht = 5;
    const int x = r.right() - w, y = r.top() + 2;
    QPolygon triangle;
    if (h.sortImage == view::kSortImageAscending) triangle << QPoint(x, y + ht) << QPoint(x + w, y + ht) << QPoint(x + w / 2, y);
    else triangle << QPoint(x, y) << QPoint(x + w, y) << QPoint(x + w / 2, y + ht);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawPolygon(triangle);
    p.setBrush(Qt::NoBrush);
  }
  p.setPen(pal.color(QPalette::Light));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
}

void ResultsGrid::paintRowNumber(QPainter& p, int row, const QRect& r, const view::GridSelection& sel) const {
  const view::CellPaint cell = view::RowNumberCell(row, program_.settings.TrackSelection, sel.top, sel.bottom);
  p.fillRect(r, colourOf(cell.back));
  text_.draw(p, r.left() + view::kRowNumberMargin, r.top() + ascent_, cell.text, rgbOf(cell.fore), r.left(),
             r.right() + 1);
  p.setPen(palette().color(QPalette::Light));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
}

void ResultsGrid::paintCell(QPainter& p, const view::CellPaint& cell, const QRect& full) const {
  // The painter is clipped to the scrolled area already; text is clipped to the cell.
  p.fillRect(full, colourOf(cell.back));
  if (cell.selected) {
    p.setPen(colourOf(view::kNavy));
    p.drawRect(full.adjusted(0, 0, -1, -1));
  }
  if (cell.leftSeparator) {
    p.setPen(Qt::black);
    p.drawLine(full.topLeft(), full.bottomLeft());
  }
  if (cell.empty) return;
  const int baseline = full.top() + ascent_;
  const int left = full.left(), right = full.right() + 1;
  const int x = cell.align == view::CellAlign::Right
                    ? view::RightAlignedTextLeft(right, cell.text.size(), layout_.digitWidth, text_.width(cell.text))
                    : left + view::kTextMargin;
  text_.draw(p, x, baseline, cell.text, rgbOf(cell.fore), left, right);
  if (!cell.aliasText.empty())
    text_.draw(p, right - 1 - text_.width(cell.aliasText), baseline, cell.aliasText, rgbOf(view::kBlue), left, right);
  if (cell.movedArrow) {
    const view::MovedArrow a = view::MovedArrowAt(left, full.top(), text_.width(cell.text));
    p.save();
    p.setClipRect(full, Qt::IntersectClip);
    p.setPen(colourOf(view::kGreen));
    p.drawLine(a.shaftX1, a.shaftY1, a.shaftX2, a.shaftY2);
    p.drawLine(a.headX1, a.headY1, a.tipX, a.tipY);
    p.drawLine(a.tipX, a.tipY, a.headX2, a.headY2);
    p.restore();
    text_.draw(p, a.partnerX, baseline, cell.partnerText, rgbOf(view::kBlue), left, right);
  }
}

}  // namespace quorvane::ui
