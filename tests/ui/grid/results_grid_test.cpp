// The results grid as painted and driven: the colours of painted cells per status, keys
// and the selection rectangle, header clicks, column drags and the accessible table.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "program/report_writers.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "ui/grid/results_grid.h"

namespace quorvane::ui {
namespace {

using view::Colour;

// Every status its own background, none of them white (the empty-cell background).
constexpr std::array<Colour, 8> kBacks = {0x00E0E0, 0x0000C0, 0x00C000, 0xC00000, 0xC0C000, 0xC000C0, 0x40A0A0, 0xA040A0};
enum : int { I = 0, X, INS, DEL, NEW, OLD, BIG, SMALL };

QRgb rgbOf(Colour c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// "#rrggbb", for readable failures.
std::string nameOf(QRgb rgb) { return QColor(rgb).name().toStdString(); }

class ResultsGridTest : public ::testing::Test {
 protected:
  ResultsGridTest() : ui(nullptr), program(ui, readers, writers) {
    program.settings.ColorSet = 3;
    program.settings.CustomColours.Back = kBacks;
    program.settings.CustomColours.Fore.fill(0);
    add("a.txt", stIdentical);
    add("sub\\b.txt", stInserted);
    add("c.txt", stDeleted);
    add("sub\\d.txt", stNewer | stSmaller);
    add("e.txt", stCrcDiffers);
    add("\xC3\xBC.txt", stIdentical);  // a UTF-8 name: drawn by Qt's text layout
    for (int i = 0; i < 200; ++i) add("zz\\f" + std::to_string(1000 + i) + ".txt", stIdentical);
    for (std::int32_t i = 0; i < program.comparison.Files.Count(); ++i)
      program.comparison.Display.Items().push_back(&program.comparison.Files.ItemAt(i));
  }

  void add(const std::string& path, std::uint16_t status) {
    ScanRecord r;
    r.Path = path;
    FileEntry* e = program.comparison.Files.CreateEntry(r, Side::New);
    e->Status = status;
    e->NewSize = 10;
    e->OldSize = 20;
  }

  // The display row of a path.
  int rowOf(std::string_view path) const {
    const auto& items = program.comparison.Display.Items();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i]->Path() == path) return static_cast<int>(i);
    return -1;
  }

  void show(ResultsGrid& grid) {
    grid.resize(1400, 500);
    grid.setUpColumns();
    grid.refresh();
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  }

  // The colour in the cell's top right corner, above the glyphs and clear of the
  // selection border and of the fixed cells' highlight edge.
  static QRgb pixelIn(const QImage& image, const ResultsGrid& grid, int row, int column) {
    const QRect r = grid.cellRect(row, column);
    return image.pixel(r.right() - 2, r.top() + 1);
  }

  test::RecordingUserInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
};

TEST_F(ResultsGridTest, PaintedCellsTakeTheColoursOfTheirStatus) {
  ResultsGrid grid(program);
  show(grid);
  grid.setCurrentRow(100);  // the selected cell out of the way
  grid.verticalScrollBar()->setValue(0);
  const QImage image = grid.viewport()->grab().toImage();
  const QRgb empty = rgbOf(0xFFFFFF);
  struct Case {
    const char* path;
    int column;
    QRgb expected;
  };
  const Case cases[] = {
      {"a.txt", 1, rgbOf(kBacks[I])},        {"a.txt", 6, rgbOf(kBacks[I])},
      {"sub\\b.txt", 1, rgbOf(kBacks[INS])}, {"sub\\b.txt", 4, rgbOf(kBacks[INS])},
      {"sub\\b.txt", 5, empty},              {"sub\\b.txt", 8, empty},
      {"sub\\b.txt", 9, rgbOf(kBacks[I])},   {"c.txt", 2, empty},
      {"c.txt", 7, rgbOf(kBacks[DEL])},      {"sub\\d.txt", 2, rgbOf(kBacks[SMALL])},
      {"sub\\d.txt", 3, rgbOf(kBacks[NEW])}, {"sub\\d.txt", 6, rgbOf(kBacks[BIG])},
      {"sub\\d.txt", 7, rgbOf(kBacks[OLD])}, {"e.txt", 5, rgbOf(kBacks[X])},
      {"e.txt", 4, rgbOf(kBacks[I])},
  };
  for (const Case& k : cases) {
    const int row = rowOf(k.path);
    ASSERT_GE(row, 0) << k.path;
    EXPECT_EQ(nameOf(pixelIn(image, grid, row, k.column)), nameOf(k.expected))
        << k.path << " column " << k.column;
  }
  // Row numbers: silver outside the selection's rows, grey on the selected row.
  EXPECT_EQ(nameOf(pixelIn(image, grid, 0, 0)), nameOf(qRgb(0xC0, 0xC0, 0xC0)));
}

TEST_F(ResultsGridTest, SelectedCellHasANavyBorderAndItsRowNumberIsGrey) {
  ResultsGrid grid(program);
  show(grid);
  grid.setCurrentRow(2);
  const QImage image = grid.viewport()->grab().toImage();
  const QRect r = grid.cellRect(2, 1);
  EXPECT_EQ(nameOf(image.pixel(r.left(), r.center().y())), nameOf(qRgb(0, 0, 0x80)));
  EXPECT_EQ(nameOf(image.pixel(r.right(), r.center().y())), nameOf(qRgb(0, 0, 0x80)));
  EXPECT_EQ(nameOf(pixelIn(image, grid, 2, 0)), nameOf(qRgb(0x80, 0x80, 0x80)));
  program.settings.TrackSelection = false;
  grid.viewport()->repaint();
  EXPECT_EQ(nameOf(pixelIn(grid.viewport()->grab().toImage(), grid, 2, 0)),
            nameOf(qRgb(0xC0, 0xC0, 0xC0)));
}

TEST_F(ResultsGridTest, TextIsClippedToItsCell) {
  program.settings.AutoColWidth = false;
  program.settings.ColWidths.fill(0);
  program.settings.ColWidths[0] = 12;  // "zz\f1000.txt" and the rest cannot fit
  ResultsGrid grid(program);
  show(grid);
  grid.setCurrentRow(100);
  grid.verticalScrollBar()->setValue(0);
  const QImage image = grid.viewport()->grab().toImage();
  const int row = rowOf("zz\\f1000.txt");
  const QRect size = grid.cellRect(row, 2);
  for (int x = size.left(); x < size.left() + 8; ++x)
    for (int y = size.top(); y <= size.bottom(); ++y)
      ASSERT_EQ(nameOf(image.pixel(x, y)), nameOf(rgbOf(kBacks[I]))) << "at " << x << "," << y;
}

TEST_F(ResultsGridTest, SnapshotModePaintsSevenColumnsInTheSnapshotColours) {
  program.comparison.State.SnapshotMode = true;
  program.settings.ColorSet = 2;  // "DOS": white on navy
  ResultsGrid grid(program);
  show(grid);
  grid.setCurrentRow(100);
  grid.verticalScrollBar()->setValue(0);
  EXPECT_EQ(grid.columnLayout().count, 7);
  const QImage image = grid.viewport()->grab().toImage();
  for (int column = 1; column < 7; ++column)
    EXPECT_EQ(nameOf(pixelIn(image, grid, 1, column)), nameOf(qRgb(0, 0, 0x80))) << column;
}

TEST_F(ResultsGridTest, TheMovedArrowIsGreenAndTheRowNumbersStayWhenScrolledSideways) {
  FileList& files = program.comparison.Files;
  const std::int32_t inserted = files.IndexOf(files.Find("sub\\b.txt"));
  const std::int32_t deleted = files.IndexOf(files.Find("c.txt"));
  files.ItemAt(inserted).MovedPartner = deleted;
  files.ItemAt(deleted).MovedPartner = inserted;
  ResultsGrid grid(program);
  show(grid);
  grid.setCurrentRow(100);
  grid.verticalScrollBar()->setValue(0);
  grid.resize(700, 500);
  grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
  ASSERT_GT(grid.horizontalScrollBar()->value(), 0);
  const QImage image = grid.viewport()->grab().toImage();
  // c.txt is at the root: its directory text is empty and the arrow starts 6 pixels in.
  const QRect dir = grid.cellRect(rowOf("c.txt"), 9);
  EXPECT_EQ(nameOf(image.pixel(dir.left() + 10, dir.top() + 6)), nameOf(qRgb(0, 0x80, 0)));
  EXPECT_EQ(grid.cellRect(0, 0).left(), 0);
  EXPECT_EQ(nameOf(pixelIn(image, grid, 0, 0)), nameOf(qRgb(0xC0, 0xC0, 0xC0))) << "column 0 does not scroll";
}

TEST_F(ResultsGridTest, KeysMoveTheCurrentCellAndShiftExtendsTheRectangle) {
  ResultsGrid grid(program);
  show(grid);
  QSignalSpy changed(&grid, &ResultsGrid::selectionChanged);
  const int last = grid.rowCount() - 1;
  QTest::keyClick(&grid, Qt::Key_Down);
  QTest::keyClick(&grid, Qt::Key_Right);
  EXPECT_EQ(grid.currentRow(), 1);
  EXPECT_EQ(grid.currentColumn(), 2);
  QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
  ResultsGrid::Selection s = grid.selection();
  EXPECT_EQ((std::array<int, 4>{s.top, s.bottom, s.left, s.right}), (std::array<int, 4>{1, 2, 2, 3}));
  QTest::keyClick(&grid, Qt::Key_End);
  EXPECT_EQ(grid.currentColumn(), 9);
  s = grid.selection();
  EXPECT_EQ(s.top, s.bottom) << "a key without Shift collapses the selection";
  QTest::keyClick(&grid, Qt::Key_PageDown);
  EXPECT_EQ(grid.currentRow(), 2 + grid.pageRows());
  QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(grid.currentRow(), last);
  EXPECT_EQ(grid.topRow(), last - grid.pageRows() + 1) << "the last row is scrolled into view";
  QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
  s = grid.selection();
  EXPECT_EQ((std::array<int, 4>{s.top, s.bottom}), (std::array<int, 4>{0, last}));
  EXPECT_EQ(grid.topRow(), 0);
  EXPECT_GE(changed.count(), 8);
}

TEST_F(ResultsGridTest, SelectAllIsOneRectangle) {
  ResultsGrid grid(program);
  show(grid);
  QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
  const ResultsGrid::Selection s = grid.selection();
  EXPECT_EQ((std::array<int, 4>{s.top, s.bottom, s.left, s.right}), (std::array<int, 4>{0, grid.rowCount() - 1, 1, 9}));
}

TEST_F(ResultsGridTest, ClickingAHeaderEmitsItsColumnAndAClickSelectsTheCell) {
  ResultsGrid grid(program);
  show(grid);
  QSignalSpy header(&grid, &ResultsGrid::headerClicked);
  QSignalSpy pressed(&grid, &ResultsGrid::cellPressed);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(-1, 3).center());
  ASSERT_EQ(header.count(), 1);
  EXPECT_EQ(header.at(0).at(0).toInt(), 3);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(4, 6).center());
  EXPECT_EQ(grid.currentRow(), 4);
  EXPECT_EQ(grid.currentColumn(), 6);
  ASSERT_EQ(pressed.count(), 2);
  EXPECT_EQ(pressed.at(1).at(0).toInt(), 4);
  EXPECT_EQ(pressed.at(1).at(1).toInt(), 6);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, grid.cellRect(6, 7).center());
  const ResultsGrid::Selection s = grid.selection();
  EXPECT_EQ((std::array<int, 4>{s.top, s.bottom, s.left, s.right}), (std::array<int, 4>{4, 6, 6, 7}));
  EXPECT_EQ(header.count(), 1);
}

TEST_F(ResultsGridTest, DraggingAHeaderEdgeResizesTheColumnAndRemembersIt) {
  program.settings.AutoColWidth = false;
  ResultsGrid grid(program);
  show(grid);
  QSignalSpy widths(&grid, &ResultsGrid::columnWidthsChanged);
  QSignalSpy header(&grid, &ResultsGrid::headerClicked);
  const int before = grid.columnLayout().widths[2];
  const QRect r = grid.cellRect(-1, 2);
  const QPoint edge(r.right() + 1, r.center().y());
  QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, edge);
  QTest::mouseMove(grid.viewport(), edge + QPoint(30, 0));
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, edge + QPoint(30, 0));
  EXPECT_EQ(grid.columnLayout().widths[2], before + 30);
  EXPECT_EQ(widths.count(), 1);
  EXPECT_EQ(header.count(), 0) << "a drag is no click";
  EXPECT_EQ(program.settings.ColWidths[1], before + 30);
  grid.setUpColumns();
  EXPECT_EQ(grid.columnLayout().widths[2], before + 30) << "kept without AutoColWidth";
}

TEST_F(ResultsGridTest, TheAccessibleTableReadsThePaintedTexts) {
  ResultsGrid grid(program);
  show(grid);
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&grid);
  ASSERT_NE(iface, nullptr);
  QAccessibleTableInterface* table = iface->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(iface->role(), QAccessible::Table);
  EXPECT_EQ(table->rowCount(), grid.rowCount());
  EXPECT_EQ(table->columnCount(), 9);
  EXPECT_EQ(table->columnDescription(0), QStringLiteral("New file"));
  const int inserted = rowOf("sub\\b.txt");
  EXPECT_EQ(table->cellAt(inserted, 0)->text(QAccessible::Name), QStringLiteral("b.txt"));
  EXPECT_EQ(table->cellAt(inserted, 1)->text(QAccessible::Name), QStringLiteral("10"));
  EXPECT_EQ(table->cellAt(inserted, 4)->text(QAccessible::Name), QString()) << "the absent Old side";
  EXPECT_EQ(table->cellAt(inserted, 8)->text(QAccessible::Name), QStringLiteral("sub"));
  EXPECT_EQ(table->cellAt(grid.rowCount(), 0), nullptr);
  EXPECT_EQ(table->cellAt(rowOf("\xC3\xBC.txt"), 4)->text(QAccessible::Name), QString::fromUtf8("\xC3\xBC.txt"));
  grid.selectAll();
  EXPECT_EQ(table->selectedCellCount(), grid.rowCount() * 9);
  EXPECT_EQ(table->selectedCells().size(), std::min(grid.rowCount() * 9, 1000));
  EXPECT_TRUE(table->isRowSelected(7));
}

TEST_F(ResultsGridTest, AnEmptyDisplayIndexHasAnEmptySelectionAndIgnoresKeys) {
  ResultsGrid grid(program);
  show(grid);
  grid.setCurrentRow(50);
  program.comparison.Display.Clear();
  grid.refresh();
  QTest::keyClick(&grid, Qt::Key_Down);
  grid.selectAll();
  const ResultsGrid::Selection s = grid.selection();
  EXPECT_LT(s.bottom, s.top);
  EXPECT_EQ(grid.verticalScrollBar()->maximum(), 0);
  const QImage image = grid.viewport()->grab().toImage();  // paints without a row
  EXPECT_FALSE(image.isNull());
}

TEST_F(ResultsGridTest, NameMetricsAndLabelLayoutComeFromTheGridFont) {
  ResultsGrid grid(program);
  const platform::NameMetrics* m = grid.nameMetrics();
  ASSERT_NE(m, nullptr);
  EXPECT_GT(m->width("abc"), 0);
  EXPECT_EQ(m->width("\xC3\xA9"), m->byteWidths[0xC3]) << "a continuation byte adds nothing";
  const view::SetLabelLayout l = grid.setLabelLayout(1000, 16);
  EXPECT_EQ(l.oldPanel.x, grid.newPanelWidth());
}

}  // namespace
}  // namespace quorvane::ui
