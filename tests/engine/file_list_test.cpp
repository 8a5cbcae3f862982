#include "engine/file_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
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

TEST(FileList, NamesOfOneDirectoryEqualWhenFoldedSortByTheirBytes) {
  FileList list;
  for (const char* p : {"d\\aB", "d\\Ab", "d\\ab", "d\\AB", "D\\ab", "d\\abc"}) ASSERT_NE(add(list, p), nullptr) << p;
  EXPECT_EQ(paths(list), (std::vector<std::string>{"D\\ab", "d\\AB", "d\\Ab", "d\\aB", "d\\ab", "d\\abc"}));
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

// A plain reference: a map in list order and a map from the folded path to its paths.
struct ReferenceList {
  struct ListOrder {
    bool operator()(const std::string& a, const std::string& b) const { return compareListOrder(a, b) < 0; }
  };
  std::map<std::string, int, ListOrder> paths;
  std::map<std::string, std::set<std::string>> byFolded;

  static std::string folded(const std::string& p) {
    std::string f = p;
    for (char& ch : f) ch = static_cast<char>(foldAscii(static_cast<unsigned char>(ch)));
    return f;
  }
  bool add(const std::string& p) {
    if (!paths.emplace(p, 0).second) return false;
    byFolded[folded(p)].insert(p);
    return true;
  }
};

// Paths of many shapes: deep and flat directories, one-entry directories, names at the
// root, letter-case variants of directories and names, names longer than an arena chunk's
// quarter, names holding NUL bytes, and repeats of paths already given.
std::string generatedPath(std::mt19937& rng, const std::vector<std::string>& given) {
  if (!given.empty() && rng() % 8 == 0) return given[rng() % given.size()];
  static const char* const dirs[] = {"a", "B", "src", "Src", "SRC", "dir_with_a_longer_name", "x y", "z"};
  std::string p;
  const unsigned depth = rng() % 4;
  for (unsigned d = 0; d < depth; ++d) p += std::string(dirs[rng() % 8]) + "\\";
  if (rng() % 50 == 0) p += "single" + std::to_string(rng()) + "\\";  // a directory of one entry
  const unsigned kind = rng() % 1000;
  if (kind < 2) {
    p += std::string(30'000 + rng() % 10'000, static_cast<char>('a' + rng() % 3));
  } else if (kind < 27) {
    p += std::string("nul") + '\0' + std::to_string(rng() % 30);
  } else {
    std::string name = "file" + std::to_string(rng() % 4000) + ".txt";
    if (rng() % 4 == 0) name[0] = 'F';
    if (rng() % 6 == 0) name.back() = 'T';
    p += name;
  }
  return p;
}

TEST(FileList, AgreesWithAPlainReferenceOnGeneratedRecords) {
  std::mt19937 rng(11);
  FileList list;
  ReferenceList reference;
  std::vector<std::string> given;
  std::vector<std::pair<const FileEntry*, std::string>> created;  // with the path it was given
  std::vector<std::string_view> namesHandedOut;
  std::uint64_t memory = 0;
  for (int i = 0; i < 70'000; ++i) {
    const std::string p = generatedPath(rng, given);
    given.push_back(p);
    const FileEntry* e = add(list, p, i % 3 ? Side::New : Side::Old);
    ASSERT_EQ(e != nullptr, reference.add(p)) << i;
    if (!e) continue;
    memory += p.size() + 52;
    created.emplace_back(e, p);
    namesHandedOut.push_back(e->Name());
    if (i % 9'000 == 0) {
      ASSERT_EQ(list.IndexOf(e), static_cast<std::int32_t>(std::distance(reference.paths.begin(), reference.paths.find(p))));
    }
  }
  ASSERT_EQ(list.Count(), static_cast<std::int32_t>(reference.paths.size()));
  EXPECT_EQ(list.MemoryUsed(), memory);

  // Order, and every entry reached by position, by path and by address.
  std::int32_t i = 0;
  for (const auto& [path, unused] : reference.paths) {
    const FileEntry& e = list.ItemAt(i);
    ASSERT_EQ(e.Path(), path) << i;
    ASSERT_EQ(std::string(e.Directory()) + std::string(e.Name()), path);
    ASSERT_EQ(e.Name().find('\\'), std::string_view::npos);
    ASSERT_EQ(list.Find(path), &e);
    ASSERT_EQ(list.FindIndex(path), i);
    ASSERT_EQ(list.IndexOf(&e), i);
    ++i;
  }
  // Each entry keeps the path it was created with and the name views handed out then.
  for (std::size_t k = 0; k < created.size(); ++k) {
    ASSERT_EQ(created[k].first->Path(), created[k].second);
    ASSERT_EQ(namesHandedOut[k], created[k].first->Name());
  }
  // Folded look-ups find every letter-case variant and nothing else; misses stay misses.
  std::mt19937 pick(5);
  for (int n = 0; n < 3'000; ++n) {
    std::string probe = given[pick() % given.size()];
    for (char& ch : probe)
      if (pick() % 3 == 0) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (n % 10 == 0) probe += "x";
    std::set<std::string> found;
    for (const FileEntry* e : list.FindFolded(probe)) found.insert(e->Path());
    const auto it = reference.byFolded.find(ReferenceList::folded(probe));
    EXPECT_EQ(found, it == reference.byFolded.end() ? std::set<std::string>{} : it->second) << probe;
    const FileEntry* exact = list.Find(probe);
    EXPECT_EQ(exact != nullptr, reference.paths.count(probe) == 1) << probe;
    if (exact) {
      EXPECT_EQ(exact->Path(), probe);
    }
  }

  // Appending after an ordering merges the newcomers, new directories included.
  for (const char* p : {"zz_new\\a", "a\\file1.txt_new", "ROOT_NEW"}) {
    ASSERT_NE(add(list, p), nullptr);
    reference.add(p);
  }
  std::vector<std::string> expected;
  for (const auto& [path, unused] : reference.paths) expected.push_back(path);
  EXPECT_EQ(paths(list), expected);
}

TEST(FileList, ClearedListIsReusedFromScratch) {
  FileList list;
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 30'000; ++i) ASSERT_NE(add(list, "d" + std::to_string(i % 7) + "\\n" + std::to_string(i)), nullptr);
    EXPECT_EQ(list.ItemAt(0).Path(), "d0\\n0");
    const FileEntry* last = list.Find("d4\\n29999");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->Name(), "n29999");
    EXPECT_EQ(last->Directory(), "d4\\");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Find("d0\\n0"), nullptr);
  }
}

}  // namespace
}  // namespace quorvane
