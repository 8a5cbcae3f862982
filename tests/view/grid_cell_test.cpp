// What each cell of the grid shows: texts, alignment, colours and extras by status,
// column, moved partner, alias and mode; row numbers and headers.
#include <gtest/gtest.h>

#include <string>

#include "support/comparison_fixture.h"
#include "view/grid_cell.h"

namespace quorvane::view {
namespace {

constexpr Colour kFore = 0x100, kBack = 0x200;  // + status index
constexpr int I = 0, X = 1, INS = 2, DEL = 3, NEW = 4, OLD = 5, BIG = 6, SMALL = 7;

class GridCellTest : public ::testing::Test {
 protected:
  GridCellTest() {
    for (std::size_t i = 0; i < kStatusCount; ++i)
      f.settings.CustomColours.Fore[i] = kFore + static_cast<Colour>(i),
      f.settings.CustomColours.Back[i] = kBack + static_cast<Colour>(i);
    f.settings.ColorSet = 3;
    colours = PrepareGridColours(f.settings);
    f.c.Aliases.Add("arj", "zip");
  }

  FileEntry& add(const std::string& path, std::uint16_t status) {
    ScanRecord r;
    r.Path = path;
    FileEntry* e = f.c.Files.CreateEntry(r, Side::New);
    e->Status = status;
    e->NewSize = 1234;
    e->OldSize = 99;
    e->NewTime = 0x41996DBD;  // 2012-12-25 13:45:58
    e->OldTime = 0x3C210000;  // 2010-01-01 00:00:00
    e->NewCRC = 0xABCDEF01;
    e->OldCRC = 0x0000BEEF;
    return *e;
  }

  GridSource source(bool snapshot) {
    return GridSource{f.c.Files, f.c.Display, f.c.Aliases, colours, 0, snapshot};
  }

  test::ComparisonFixture f;
  GridColours colours;
};

TEST_F(GridCellTest, CellsByStatusColumnMovedAliasAndMode) {
  struct Case {
    std::uint16_t status;
    int column;
    bool moved;     // the entry has a partner at "other\x.txt" (or at the root: rootPartner)
    bool alias;     // NewAlias and OldAlias 0 ("arj")
    bool snapshot;
    std::string text;
    CellAlign align;
    Colour fore, back;
    bool empty;
    std::string extra;  // alias text, or "->" + partner text
    bool separator;
  };
  const Colour white = kWhite;
  const CellAlign L = CellAlign::Left, R = CellAlign::Right;
  const Case cases[] = {
      // Both sides present.
      {stIdentical, 1, false, false, false, "a.txt", L, kFore + I, kBack + I, false, "", false},
      {stIdentical, 2, false, false, false, "1234", R, kFore + I, kBack + I, false, "", false},
      {stIdentical, 3, false, false, false, "12/25/2012 13:45:58", L, kFore + I, kBack + I, false, "", false},
      {stIdentical, 4, false, false, false, "ABCDEF01", R, kFore + I, kBack + I, false, "", false},
      {stIdentical, 5, false, false, false, "a.txt", L, kFore + I, kBack + I, false, "", true},
      {stIdentical, 6, false, false, false, "99", R, kFore + I, kBack + I, false, "", false},
      {stIdentical, 7, false, false, false, "01/01/2010 00:00:00", L, kFore + I, kBack + I, false, "", false},
      {stIdentical, 8, false, false, false, "0000BEEF", R, kFore + I, kBack + I, false, "", false},
      {stIdentical, 9, false, false, false, "dir\\sub", L, kFore + I, kBack + I, false, "", true},
      {stCrcDiffers, 1, false, false, false, "a.txt", L, kFore + X, kBack + X, false, "", false},
      {stCrcDiffers, 4, false, false, false, "ABCDEF01", R, kFore + I, kBack + I, false, "", false},
      {stNewer | stSmaller, 2, false, false, false, "1234", R, kFore + SMALL, kBack + SMALL, false, "", false},
      {stNewer | stSmaller, 3, false, false, false, "12/25/2012 13:45:58", L, kFore + NEW, kBack + NEW, false, "", false},
      {stNewer | stSmaller, 6, false, false, false, "99", R, kFore + BIG, kBack + BIG, false, "", false},
      {stNewer | stSmaller, 7, false, false, false, "01/01/2010 00:00:00", L, kFore + OLD, kBack + OLD, false, "", false},
      {stIdentical, 1, false, true, false, "a.txt", L, kFore + I, kBack + I, false, "(.arj)", false},
      {stIdentical, 5, false, true, false, "a.txt", L, kFore + I, kBack + I, false, "(.arj)", true},
      // Inserted: the Old side is absent.
      {stInserted, 1, false, false, false, "a.txt", L, kFore + INS, kBack + INS, false, "", false},
      {stInserted, 4, false, false, false, "ABCDEF01", R, kFore + INS, kBack + INS, false, "", false},
      {stInserted, 5, false, true, false, "", L, kFore + INS, white, true, "", true},
      {stInserted, 6, false, false, false, "", L, kFore + INS, white, true, "", false},
      {stInserted, 8, false, false, false, "", L, kFore + INS, white, true, "", false},
      {stInserted, 6, true, false, false, "(moved)", L, kBlue, white, false, "", false},
      {stInserted, 2, true, false, false, "1234", R, kFore + INS, kBack + INS, false, "", false},
      {stInserted, 9, true, false, false, "dir\\sub", L, kFore + I, kBack + I, false, "->other\\", true},
      {stInserted, 9, false, false, false, "dir\\sub", L, kFore + I, kBack + I, false, "", true},
      // Deleted: the New side is absent.
      {stDeleted, 1, false, true, false, "", L, kFore + DEL, white, true, "", false},
      {stDeleted, 2, true, false, false, "(moved)", L, kBlue, white, false, "", false},
      {stDeleted, 2, false, false, false, "", L, kFore + DEL, white, true, "", false},
      {stDeleted, 3, false, false, false, "", L, kFore + DEL, white, true, "", false},
      {stDeleted, 5, false, true, false, "a.txt", L, kFore + DEL, kBack + DEL, false, "(.arj)", true},
      {stDeleted, 8, false, false, false, "0000BEEF", R, kFore + DEL, kBack + DEL, false, "", false},
      // Snapshot mode: Status holds the CRC-16; everything in the snapshot colours.
      {0x1A2B, 1, false, true, true, "a.txt", L, kBlack, white, false, "", false},
      {0x1A2B, 2, false, false, true, "1234", R, kBlack, white, false, "", false},
      {0x1A2B, 3, false, false, true, "12/25/2012 13:45:58", L, kBlack, white, false, "", false},
      {0x1A2B, 4, false, false, true, "1A2B", L, kBlack, white, false, "", false},
      {0x1A2B, 5, false, false, true, "ABCDEF01", L, kBlack, white, false, "", false},
      {0x1A2B, 6, false, false, true, "dir\\sub", L, kBlack, white, false, "", false},
  };
  FileEntry& partner = add("other\\a.txt", stDeleted);
  FileEntry& e = add("dir\\sub\\a.txt", stIdentical);
  const std::int32_t partnerIndex = f.c.Files.IndexOf(&partner);
  for (const Case& k : cases) {
    e.Status = k.status;
    e.MovedPartner = k.moved ? partnerIndex : -1;
    e.NewAlias = e.OldAlias = k.alias ? 0 : -1;
    const CellPaint cell = EntryCell(source(k.snapshot), e, k.column, false);
    const std::string what = "status " + std::to_string(k.status) + " column " + std::to_string(k.column) +
                             (k.moved ? " moved" : "") + (k.alias ? " alias" : "") + (k.snapshot ? " snapshot" : "");
    EXPECT_EQ(cell.text, k.text) << what;
    EXPECT_EQ(cell.empty, k.empty) << what;
    if (!k.empty) {
      EXPECT_EQ(cell.align, k.align) << what;
      EXPECT_EQ(cell.fore, k.fore) << what;
    }
    EXPECT_EQ(cell.back, k.back) << what;
    EXPECT_EQ(cell.aliasText + (cell.movedArrow ? "->" + cell.partnerText : ""), k.extra) << what;
    EXPECT_EQ(cell.leftSeparator, k.separator) << what;
  }
}

TEST_F(GridCellTest, PartnerAtTheRootAndEntriesAtTheRoot) {
  FileEntry& partner = add("x.txt", stDeleted);
  FileEntry& e = add("deep\\x.txt", stInserted);
  e.MovedPartner = f.c.Files.IndexOf(&partner);
  partner.MovedPartner = f.c.Files.IndexOf(&e);
  const CellPaint moved = EntryCell(source(false), e, 9, false);
  EXPECT_EQ(moved.text, "deep");
  EXPECT_TRUE(moved.movedArrow);
  EXPECT_EQ(moved.partnerText, "(root)");
  const CellPaint root = EntryCell(source(false), partner, 9, false);
  EXPECT_EQ(root.text, "");
  EXPECT_EQ(root.partnerText, "deep\\");
  EXPECT_EQ(AccessibleText(root), "-> deep\\");
}

TEST_F(GridCellTest, SelectedMovedMarkerKeepsTheCellBackground) {
  FileEntry& partner = add("p\\a.txt", stInserted);
  FileEntry& e = add("a.txt", stDeleted);
  e.MovedPartner = f.c.Files.IndexOf(&partner);
  const CellPaint cell = EntryCell(source(false), e, 2, true);
  EXPECT_EQ(cell.text, "(moved)");
  EXPECT_EQ(cell.fore, kBlue);
  EXPECT_EQ(cell.back, kBack + DEL);
  EXPECT_TRUE(cell.selected);
}

TEST_F(GridCellTest, BrokenReferencesDrawNothingExtra) {
  FileEntry& e = add("a.arj", stIdentical);
  e.NewAlias = 5;        // beyond the alias list
  e.MovedPartner = 999;  // beyond the file list
  EXPECT_EQ(EntryCell(source(false), e, 1, false).aliasText, "");
  EXPECT_FALSE(EntryCell(source(false), e, 9, false).movedArrow);
  const CellPaint outside = DataCell(source(false), 3, 1, false);
  EXPECT_TRUE(outside.empty);
}

TEST_F(GridCellTest, DataCellReadsTheDisplayIndexRow) {
  FileEntry& a = add("a.txt", stIdentical);
  FileEntry& b = add("b.txt", stInserted);
  f.c.Display.Items() = {&b, &a};
  EXPECT_EQ(DataCell(source(false), 0, 1, false).text, "b.txt");
  EXPECT_EQ(DataCell(source(false), 1, 1, false).text, "a.txt");
}

TEST(GridRowNumbers, TrackSelectionGreysTheSelectedRows) {
  struct Case {
    bool track;
    int row;
    bool tracked;
  };
  for (const Case k : {Case{true, 4, true}, Case{true, 2, true}, Case{true, 6, true}, Case{true, 1, false},
                       Case{true, 7, false}, Case{false, 4, false}}) {
    const CellPaint cell = RowNumberCell(k.row, k.track, 2, 6);
    EXPECT_EQ(cell.text, std::to_string(k.row + 1));
    EXPECT_EQ(cell.back, k.tracked ? kGrey : kSilver) << "row " << k.row << " track " << k.track;
    EXPECT_EQ(cell.fore, k.tracked ? kBlack : kGrey) << "row " << k.row << " track " << k.track;
  }
}

TEST(GridHeaders, TheSortImageMarksTheSortColumn) {
  Settings settings;
  const ColumnLayout two = SetUpColumns(FontMeasure{7, 6, false, 15, 30, 60}, 100, 10, false, settings);
  const ColumnLayout snap = SetUpColumns(FontMeasure{7, 6, false, 15, 30, 60}, 100, 10, true, settings);
  struct Case {
    const ColumnLayout* layout;
    int kind;
    SortType type;
    bool descending;
    int column;
    int image;
  };
  const Case cases[] = {
      {&two, 2, SortType::NewSize, false, 2, kSortImageAscending},
      {&two, 2, SortType::NewSize, true, 2, kSortImageDescending},
      {&two, 2, SortType::NewSize, false, 6, kNoSortImage},
      {&two, 0, SortType::FullPath, false, 9, kSortImageAscending},  // the start-up order
      {&two, 9, SortType::FullPath, true, 9, kSortImageDescending},
      {&two, 0, SortType::FullPath, false, 0, kNoSortImage},
      {&snap, 4, SortType::Crc16, false, 4, kSortImageAscending},
      {&snap, 6, SortType::FullPath, false, 6, kSortImageAscending},
      {&snap, 7, SortType::NewSize, false, 6, kNoSortImage},
  };
  for (const Case& k : cases) {
    TDisplayIndex d;
    d.SortKind = k.kind;
    d.SortType = k.type;
    d.Descending = k.descending;
    const HeaderPaint h = HeaderCell(*k.layout, d, k.column);
    EXPECT_EQ(h.sortImage, k.image) << "kind " << k.kind << " column " << k.column;
    EXPECT_EQ(h.title, k.layout->titles[static_cast<std::size_t>(k.column)]);
  }
}

TEST(GridGeometry, RightAlignmentAndTheMovedArrow) {
  EXPECT_EQ(RightAlignedTextLeft(200, 4, 6), 200 - 4 - 24);
  EXPECT_EQ(RightAlignedTextLeft(200, 4, 6, 20), 200 - 4 - 24) << "narrower than the estimate: digits line up";
  EXPECT_EQ(RightAlignedTextLeft(200, 8, 6, 57), 200 - 4 - 57) << "wider (hex letters): ends at the margin";
  const MovedArrow a = MovedArrowAt(10, 20, 30);
  EXPECT_EQ((std::array<int, 11>{a.shaftX1, a.shaftY1, a.shaftX2, a.shaftY2, a.headX1, a.headY1, a.tipX, a.tipY,
                                 a.headX2, a.headY2, a.partnerX}),
            (std::array<int, 11>{46, 26, 55, 26, 51, 24, 55, 26, 50, 29, 58}));
}

}  // namespace
}  // namespace quorvane::view
