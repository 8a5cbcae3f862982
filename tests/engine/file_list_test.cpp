#include "engine/file_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/path_key.h"

namespace quorvane {
namespace {

FileEntry* add(FileList& list, const std::string& path, Side side = Side::New) {
  ScanRecord r;
  r.Path = path;
  r.Status = side == Side::New ? stInserted : stDeleted;
  r.NewSize = 1;
  r.OldSize = 2;
  return list.CreateEntry(r, side);
}

std::vector<std::string> paths(FileList& list) {
  std::vector<std::string> out;
  for (std::int32_t i = 0; i < list.Count(); ++i) out.emplace_back(list.ItemAt(i).Path());
  return out;
}

TEST(FileList, KeepsKeyOrderWithoutDuplicates) {
  FileList list;
  for (const char* p : {"a\\c.txt", "dir\\sub\\a.txt", "A\\b.txt", "dir\\z.txt", "a.txt"}) ASSERT_NE(add(list, p), nullptr);
  EXPECT_EQ(paths(list), (std::vector<std::string>{"a.txt", "A\\b.txt", "a\\c.txt", "dir\\z.txt", "dir\\sub\\a.txt"}));

  EXPECT_EQ(add(list, "dir\\z.txt"), nullptr);  // the same path: nothing stored
  EXPECT_EQ(list.Count(), 5);
  EXPECT_EQ(list.FindIndex("a.txt"), 0);
  EXPECT_EQ(list.FindIndex("A.TXT"), -1);  // look-ups are exact
  EXPECT_EQ(list.FindIndex("missing"), -1);

  FileList other;
  FileEntry* foreign = add(other, "x");
  EXPECT_EQ(list.IndexOf(foreign), -1);
  EXPECT_EQ(list.IndexOf(nullptr), -1);
}

TEST(FileList, PathsDifferingInCaseAreEntriesInByteOrder) {
  FileList list;
  for (const char* p : {"dir\\z.txt", "DIR\\Z.TXT", "Dir\\z.txt", "dir\\y.txt", "DIR\\a\\b", "dir\\A\\b"})
    ASSERT_NE(add(list, p), nullptr) << p;
  // Equal keys sort by their exact bytes ("D" < "d", "Z" < "z"); key order first.
  EXPECT_EQ(paths(list), (std::vector<std::string>{"dir\\y.txt", "DIR\\Z.TXT", "Dir\\z.txt", "dir\\z.txt",
                                                   "DIR\\a\\b", "dir\\A\\b"}));
  EXPECT_EQ(list.Find("Dir\\z.txt")->Path(), "Dir\\z.txt");
  EXPECT_EQ(list.Find("dIR\\Z.txt"), nullptr);
  std::vector<std::string> folded;
  for (const FileEntry* e : list.FindFolded("dir\\Z.TXT")) folded.emplace_back(e->Path());
  std::sort(folded.begin(), folded.end());
  EXPECT_EQ(folded, (std::vector<std::string>{"DIR\\Z.TXT", "Dir\\z.txt", "dir\\z.txt"}));
  for (std::int32_t i = 0; i < list.Count(); ++i) EXPECT_EQ(list.IndexOf(&list.ItemAt(i)), i);
}

TEST(FileList, CreateEntryFillsOneSide) {
  FileList list;
  ScanRecord r;
  r.Path = "x";
  r.Status = stDeleted;
  r.NewCRC = 1, r.NewTime = 2, r.NewSize = 3, r.NewAttr = 4, r.NewAlias = 5;
  r.OldCRC = 6, r.OldTime = 7, r.OldSize = 8, r.OldAttr = 9, r.OldAlias = 10;
  r.MovedPartner = 42;
  const FileEntry* e = list.CreateEntry(r, Side::Old);
  EXPECT_EQ(e->Status, stDeleted);
  EXPECT_EQ(e->MovedPartner, -1);
  EXPECT_EQ(e->NewCRC + e->NewTime + e->NewSize + e->NewAttr, 0u);
  EXPECT_EQ(e->NewAlias, -1);
  EXPECT_EQ(e->OldCRC, 6u);
  EXPECT_EQ(e->OldSize, 8u);
  EXPECT_EQ(e->OldAlias, 10);
  EXPECT_EQ(list.MemoryUsed(), 1u + 52u);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.MemoryUsed(), 0u);
  EXPECT_EQ(list.Find("x"), nullptr);
}

TEST(FileList, MatchesSortedReferenceOnManyEntries) {
  // Interleaves insertions with ordered reads, so that later insertions merge into an
  // already sorted list; compares with a plain sort of the distinct paths.
  std::mt19937 rng(3);
  const char* parts[] = {"a", "B", "c", "dir", "Dir", "x_y", "z"};
  FileList list;
  std::vector<std::string> reference;
  for (int i = 0; i < 20000; ++i) {
    std::string p;
    const int depth = static_cast<int>(rng() % 3);
    for (int d = 0; d < depth; ++d) p += std::string(parts[rng() % 7]) + "\\";
    p += std::string(parts[rng() % 7]) + std::to_string(rng() % 50) + ".txt";
    const bool stored = add(list, p) != nullptr;
    const bool known = std::find(reference.begin(), reference.end(), p) != reference.end();
    ASSERT_EQ(stored, !known) << p;
    if (stored) reference.push_back(p);
    if (i % 5000 == 0) (void)list.ItemAt(0);
  }
  std::sort(reference.begin(), reference.end(), [](const std::string& a, const std::string& b) {
    const int key = comparePathKeys(a, b);  // then the exact bytes
    return key != 0 ? key < 0 : a < b;
  });
  EXPECT_EQ(paths(list), reference);
  for (std::int32_t i = 0; i < list.Count(); i += 97) EXPECT_EQ(list.IndexOf(&list.ItemAt(i)), i);
}

}  // namespace
}  // namespace quorvane
