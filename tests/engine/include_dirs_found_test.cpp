#include "engine/include_dirs_found.h"

#include <gtest/gtest.h>

#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : " | ") + item;
  return "{" + text + "}";
}

std::string kindName(SetKind kind) { return setKindName(kind); }

// Two sets of the given kinds: directory sets are the fixture tree, archives and snapshots
// contribute the file list's entries as their reader would have added them.
class IncludeDirsFoundTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  IncludeDirsFoundTest() : ComparisonFixture(nullptr) {
    tree.file("src/util/a.c", "a");
    tree.file("notes.txt", "n");
    tree.dir("docs");
  }

  void prepare(SetKind newKind, SetKind oldKind, bool snapshotMode, const std::vector<std::string>& dirs,
               const std::vector<std::string>& entries) {
    c.Files.Clear();
    c.Problems.Clear();
    c.IncludeDirs.Clear();
    for (const std::string& d : dirs) c.IncludeDirs.Add(d);
    c.State.SnapshotMode = snapshotMode;
    c.State.NewSet = {newKind, newKind == SetKind::Directory ? tree.root() : "/nowhere/new.zip", ChecksumKind::Crc32};
    c.State.OldSet = {oldKind, oldKind == SetKind::Directory ? tree.root() : "/nowhere/old.zip", ChecksumKind::Crc32};
    for (const std::string& path : entries) {
      c.Scan.Path = path;
      c.Files.CreateEntry(c.Scan, Side::New);
    }
  }

  test::TempTree tree;
};

TEST_F(IncludeDirsFoundTest, EachDirectoryFoundNowhereIsOneProblem) {
  struct Case {
    const char* what;
    SetKind newKind, oldKind;
    bool snapshotMode;
    std::vector<std::string> dirs;     // the include list
    std::vector<std::string> entries;  // the file list after reading
    std::vector<std::string> problems;
  } cases[] = {
      {"no include list, nothing to find", SetKind::Directory, SetKind::Directory, false, {}, {}, {}},
      {"directories that open in a tree are found, even without files",
       SetKind::Directory, SetKind::Directory, false, {"src\\util", "docs"}, {}, {}},
      {"a mistyped directory and a file are found nowhere",
       SetKind::Directory, SetKind::Directory, false, {"src\\utill", "notes.txt", "src"},
       {"src\\util\\a.c"},
       {"notes.txt: include directory found in neither set", "src\\utill: include directory found in neither set"}},
      {"archive paths below a directory find it, letters folded as AddFile folds them",
       SetKind::Zip, SetKind::Zip, false, {"lib", "SRC\\Util"},
       {"lib\\x.c", "src\\util\\deep\\y.c"}, {}},
      {"a prefix that is no whole component, or a path equal to the directory, finds nothing",
       SetKind::Zip, SetKind::Zip, false, {"li", "readme", "src\\util\\deep\\y.c"},
       {"lib\\x.c", "readme", "src\\util\\deep\\y.c"},
       {"li: include directory found in neither set", "readme: include directory found in neither set",
        "src\\util\\deep\\y.c: include directory found in neither set"}},
      {"one set holding it is enough: the tree", SetKind::Zip, SetKind::Directory, false, {"docs"}, {"lib\\x.c"}, {}},
      {"one set holding it is enough: the archive", SetKind::Directory, SetKind::Zip, false, {"lib"}, {"lib\\x.c"}, {}},
      {"a snapshot run reads the New set only", SetKind::Snapshot, SetKind::Directory, true, {"docs", "lib"}, {"lib\\x.c"},
       {"docs: include directory not found in the set"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.what) + ": new " + kindName(k.newKind) + ", old " + kindName(k.oldKind) +
                 (k.snapshotMode ? ", snapshot mode" : "") + ", dirs " + joined(k.dirs) + ", entries " +
                 joined(k.entries));
    prepare(k.newKind, k.oldKind, k.snapshotMode, k.dirs, k.entries);
    NoteIncludeDirsNotFound(c);
    EXPECT_EQ(c.Problems.Lines(), k.problems);
  }
}

TEST_F(IncludeDirsFoundTest, ManyEntriesAndDirectoriesAreCheckedInOnePass) {
  // 2,000 directories, sorted as the include list sorts them ("d10" before "d2"), looked
  // up by binary search for each directory part of 20,000 entries.
  std::vector<std::string> dirs, entries;
  for (int d = 0; d < 2000; ++d) dirs.push_back("d" + std::to_string(d));
  for (int e = 0; e < 20000; ++e) entries.push_back("d" + std::to_string(e % 1999) + "\\s\\f" + std::to_string(e));
  prepare(SetKind::Zip, SetKind::Zip, false, dirs, entries);
  NoteIncludeDirsNotFound(c);
  EXPECT_EQ(c.Problems.Lines(), (std::vector<std::string>{"d1999: include directory found in neither set"}));
}

}  // namespace
}  // namespace quorvane
