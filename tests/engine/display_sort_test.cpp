#include "engine/display_sort.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/filter_fixture.h"
#include "engine/filter_reference.h"

namespace quorvane {
namespace {

using test::addEntries;
using test::EntrySpec;
using test::pathsOf;

std::vector<FileEntry*> inListOrder(FileList& files) {
  std::vector<FileEntry*> out;
  for (std::int32_t i = 0; i < files.Count(); ++i) out.push_back(&files.ItemAt(i));
  return out;
}

// The rule of a sort type given by its number, as the reference rule takes it; 11, past
// the last type, checks that a value outside the enumerators compares every key equal.
SortRule ruleOf(int type, bool descending, bool snapshot) {
  return SortRule{static_cast<SortType>(type), descending, snapshot};
}

std::vector<FileEntry*> sorted(FileList& files, int type, bool descending, bool snapshot = false) {
  std::vector<FileEntry*> entries = inListOrder(files);
  SortForDisplay(entries, ruleOf(type, descending, snapshot));
  return entries;
}

TEST(DisplaySort, EqualKeysComeInTheReverseOfFileListOrderInBothDirections) {
  FileList files;
  addEntries(files, {{"p.txt", stIdentical, 5, 5}, {"q.txt", stIdentical, 5, 5}, {"r.txt", stIdentical, 5, 5},
                     {"s.txt", stIdentical, 9, 9}});
  EXPECT_EQ(pathsOf(sorted(files, 2, false)), "r.txt q.txt p.txt s.txt");
  EXPECT_EQ(pathsOf(sorted(files, 2, true)), "s.txt r.txt q.txt p.txt");
}

TEST(DisplaySort, TypeZeroKeepsFileListOrderAscendingAndReversesItDescending) {
  FileList files;
  addEntries(files, {{"b\\a.txt"}, {"a.txt"}, {"a\\z.txt"}, {"a\\sub\\a.txt"}});
  EXPECT_EQ(pathsOf(sorted(files, 0, false)), "a.txt a\\z.txt a\\sub\\a.txt b\\a.txt");
  EXPECT_EQ(pathsOf(sorted(files, 0, true)), "b\\a.txt a\\sub\\a.txt a\\z.txt a.txt");
}

TEST(DisplaySort, NameSortComparesNamesThenDirectoriesIgnoringCase) {
  FileList files;
  addEntries(files, {{"b\\x.txt"}, {"a\\X.TXT"}, {"w.txt"}, {"c\\_.txt"}, {"Y.txt"}});
  // Letters fold to upper case, so "_" (0x5F) sorts after them; the root directory is empty.
  EXPECT_EQ(pathsOf(sorted(files, 1, false)), "w.txt a\\X.TXT b\\x.txt Y.txt c\\_.txt");
  EXPECT_EQ(pathsOf(sorted(files, 5, true)), "c\\_.txt Y.txt b\\x.txt a\\X.TXT w.txt");
}

TEST(DisplaySort, AbsentSideTakesTheOtherSidesSizeOrTimeExceptInSnapshotMode) {
  FileList files;
  // Deleted d has no New size: sorted by New size it counts with its Old size 5.
  addEntries(files, {{"a.txt", stIdentical, 4, 4, 30, 30},
                     {"b.txt", stIdentical, 5, 5, 10, 10},
                     {"d.txt", stDeleted, 0, 5, 0, 20},
                     {"e.txt", stIdentical, 6, 6, 25, 25},
                     {"i.txt", stInserted, 5, 0, 20, 0}});
  EXPECT_EQ(pathsOf(sorted(files, 2, false)), "a.txt i.txt d.txt b.txt e.txt");
  EXPECT_EQ(pathsOf(sorted(files, 3, false)), "b.txt i.txt d.txt e.txt a.txt");
  EXPECT_EQ(pathsOf(sorted(files, 6, false)), "a.txt i.txt d.txt b.txt e.txt");
  EXPECT_EQ(pathsOf(sorted(files, 7, false)), "b.txt i.txt d.txt e.txt a.txt");
  // In snapshot mode Status is a CRC-16: no swap, the absent side's 0 counts.
  EXPECT_EQ(pathsOf(sorted(files, 2, false, true)), "d.txt a.txt i.txt b.txt e.txt");
}

TEST(DisplaySort, SizesCompareAsSixtyFourBitNumbers) {
  FileList files;
  addEntries(files, {{"big.txt", stIdentical, 0x100000001ull, 0}, {"small.txt", stIdentical, 2, 0}});
  EXPECT_EQ(pathsOf(sorted(files, 2, false)), "small.txt big.txt");
}

TEST(DisplaySort, NamesHoldingNulBytesStillSortByTheRule) {
  FileList files;
  addEntries(files, {{std::string("d\\a\0b.txt", 9)}, {"c\\a"}, {std::string("a\0", 2)}, {"b\\a"}, {"ab"}});
  for (const bool descending : {false, true}) {
    std::vector<FileEntry*> expected;
    for (FileEntry* e : inListOrder(files)) reference::insertSorted(expected, e, 1, descending, false);
    EXPECT_EQ(pathsOf(sorted(files, 1, descending)), pathsOf(expected));
  }
}

// The compare rule agrees with the rule as written, on every pair of generated entries.
TEST(DisplaySort, CompareRuleAgreesWithTheReferenceRule) {
  std::mt19937 random(7);
  for (int list = 0; list < 200; ++list) {
    FileList files;
    const bool snapshot = list % 2 == 1;
    test::generateList(files, random, 12, snapshot);
    for (std::uint8_t type = 0; type <= 11; ++type)
      for (const bool descending : {false, true})
        for (std::int32_t i = 0; i < files.Count(); ++i)
          for (std::int32_t j = 0; j < files.Count(); ++j) {
            const FileEntry& a = files.ItemAt(i);
            const FileEntry& b = files.ItemAt(j);
            ASSERT_EQ(CompareForDisplay(a, b, ruleOf(type, descending, snapshot)),
                      reference::compare(a, b, type, descending, snapshot))
                << "type " << int(type) << " descending " << descending << " " << a.Path() << " / " << b.Path();
          }
  }
}

// The one-pass sort gives exactly the order of inserting one entry at a time.
TEST(DisplaySort, SortGivesTheOrderOfInsertionOneByOne) {
  std::mt19937 random(11);
  for (int list = 0; list < 3000; ++list) {
    FileList files;
    const bool snapshot = list % 4 == 3;
    test::generateList(files, random, 60, snapshot);
    for (std::uint8_t type = 0; type <= 11; ++type)
      for (const bool descending : {false, true}) {
        std::vector<FileEntry*> expected;
        for (FileEntry* e : inListOrder(files)) reference::insertSorted(expected, e, type, descending, snapshot);
        ASSERT_EQ(pathsOf(sorted(files, type, descending, snapshot)), pathsOf(expected))
            << "list " << list << " type " << int(type) << " descending " << descending << " snapshot " << snapshot;
      }
  }
}

}  // namespace
}  // namespace quorvane
