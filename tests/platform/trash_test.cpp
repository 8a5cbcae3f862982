// The freedesktop.org trash: which trash a file goes to (the home trash on the home file
// system, $topdir/.Trash/$uid when it is sticky and no link, else $topdir/.Trash-$uid),
// the info file, name clashes, restoring, and no trash at all.
#include "platform/trash.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/file_replace.h"
#include "platform/local_file_system.h"
#include "support/temp_tree.h"

namespace quorvane::test {
namespace {

using platform::FreedesktopTrash;
using platform::TrashEntry;

std::string readAll(const std::string& path) {
  std::string s;
  return platform::readWholeFile(path, s) ? s : "<missing>";
}

bool exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

const std::string kUid = std::to_string(getuid());

// Sets an environment variable for the test's length.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1); else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A second file system described to the trash: everything under `mount` is on another
// device, with `mount` its top directory. (No file system can be mounted by the tests;
// the real second one, /dev/shm, is tried below when there is one.)
class SecondFileSystem : public FreedesktopTrash {
 public:
  SecondFileSystem(std::string home, std::string mount) : home_(std::move(home)), mount_(std::move(mount)) {}
  bool deviceOf(const std::string& path, std::uint64_t* device) override {
    if (!FreedesktopTrash::deviceOf(path, device)) return false;
    if (under(path)) *device ^= 0x5A5A;
    return true;
  }
  std::string topDirectoryOf(const std::string& path) override { return under(path) ? mount_ : "/"; }
  std::string homeTrash() override { return home_; }

 private:
  bool under(const std::string& path) const { return path == mount_ || path.rfind(mount_ + "/", 0) == 0; }
  std::string home_, mount_;
};

TEST(Trash, AFileOnTheHomeFileSystemGoesToTheHomeTrash) {
  TempTree t;
  const ScopedEnv data("XDG_DATA_HOME", t.path("data"));
  t.file("work/a b%.txt", "bytes");
  FreedesktopTrash trash;
  TrashEntry entry;
  std::string reason;
  ASSERT_TRUE(trash.moveToTrash(t.path("work/a b%.txt"), &entry, &reason)) << reason;
  EXPECT_EQ(entry.filesPath, t.path("data/Trash/files/a b%.txt"));
  EXPECT_EQ(entry.infoPath, t.path("data/Trash/info/a b%.txt.trashinfo"));
  EXPECT_FALSE(exists(t.path("work/a b%.txt")));
  EXPECT_EQ(readAll(entry.filesPath), "bytes");
  const std::string info = readAll(entry.infoPath);
  EXPECT_EQ(info.substr(0, info.find("DeletionDate=")),
            "[Trash Info]\nPath=" + platform::TrashPathEncoded(t.path("work/")) + "a%20b%25.txt\n");
  struct stat st {};
  ASSERT_EQ(stat(t.path("data/Trash").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);

  // Without XDG_DATA_HOME: ~/.local/share/Trash.
  unsetenv("XDG_DATA_HOME");
  const ScopedEnv home("HOME", t.path("home"));
  t.dir("home");
  t.file("work/b.txt", "b");
  ASSERT_TRUE(trash.moveToTrash(t.path("work/b.txt"), &entry, &reason)) << reason;
  EXPECT_EQ(entry.filesPath, t.path("home/.local/share/Trash/files/b.txt"));

  ASSERT_TRUE(platform::RestoreFromTrash(t.path("data/Trash/info/a b%.txt.trashinfo"), &reason)) << reason;
  EXPECT_EQ(readAll(t.path("work/a b%.txt")), "bytes");
}

TEST(Trash, ClashingNamesGetTheirOwnAndNothingIsOverwritten) {
  TempTree t;
  SecondFileSystem trash(t.path("data/Trash"), "/nowhere");
  std::vector<TrashEntry> entries;
  for (const char* content : {"one", "two", "three"}) {
    t.file("w/a.txt", content);
    TrashEntry e;
    std::string reason;
    ASSERT_TRUE(trash.moveToTrash(t.path("w/a.txt"), &e, &reason)) << reason;
    entries.push_back(e);
  }
  t.file("w/noext", "n1");
  TrashEntry e;
  std::string reason;
  ASSERT_TRUE(trash.moveToTrash(t.path("w/noext"), &e, &reason));
  t.file("w/noext", "n2");
  // A name in files/ whose info file is gone is not taken either.
  t.file("data/Trash/files/noext.2", "stray");
  ASSERT_TRUE(trash.moveToTrash(t.path("w/noext"), &e, &reason));
  EXPECT_EQ(e.filesPath, t.path("data/Trash/files/noext.3"));
  EXPECT_EQ(readAll(t.path("data/Trash/files/noext.2")), "stray");
  EXPECT_FALSE(exists(t.path("data/Trash/info/noext.2.trashinfo")));

  EXPECT_EQ(entries[0].filesPath, t.path("data/Trash/files/a.txt"));
  EXPECT_EQ(entries[1].filesPath, t.path("data/Trash/files/a.2.txt"));
  EXPECT_EQ(entries[2].filesPath, t.path("data/Trash/files/a.3.txt"));
  // Restoring never replaces a file that is at the original place again.
  t.file("w/a.txt", "new one");
  EXPECT_FALSE(platform::RestoreFromTrash(entries[1].infoPath, &reason));
  EXPECT_EQ(readAll(t.path("w/a.txt")), "new one");
  std::filesystem::remove(t.path("w/a.txt"));
  ASSERT_TRUE(platform::RestoreFromTrash(entries[1].infoPath, &reason)) << reason;
  EXPECT_EQ(readAll(t.path("w/a.txt")), "two");
}

TEST(Trash, OnAnotherFileSystemTheTopDirectoryTrashIsChosenByTheRules) {
  struct Case {
    const char* name;
    std::function<void(TempTree&)> prepare;  // what the top directory holds before
    std::string trash;                       // under the top directory
  };
  const std::vector<Case> cases = {
      {"no .Trash: .Trash-$uid made", [](TempTree&) {}, ".Trash-" + kUid},
      {"sticky .Trash: its $uid directory",
       [](TempTree& t) {
         t.dir("mnt/.Trash");
         chmod(t.path("mnt/.Trash").c_str(), 01777);
       },
       ".Trash/" + kUid},
      {"a .Trash without the sticky bit is not used",
       [](TempTree& t) {
         t.dir("mnt/.Trash");
         chmod(t.path("mnt/.Trash").c_str(), 0777);
       },
       ".Trash-" + kUid},
      {"a .Trash that is a link is not used",
       [](TempTree& t) {
         t.dir("elsewhere");
         chmod(t.path("elsewhere").c_str(), 01777);
         t.symlink(t.path("elsewhere"), "mnt/.Trash");
       },
       ".Trash-" + kUid},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempTree t;
    SecondFileSystem trash(t.path("home/Trash"), t.path("mnt"));
    t.file("mnt/dir/f.txt", "on the other file system");
    c.prepare(t);
    TrashEntry entry;
    std::string reason;
    ASSERT_TRUE(trash.moveToTrash(t.path("mnt/dir/f.txt"), &entry, &reason)) << reason;
    EXPECT_EQ(entry.filesPath, t.path("mnt/" + c.trash + "/files/f.txt"));
    // The path is relative to the top directory, so the drive may be mounted elsewhere.
    EXPECT_EQ(readAll(entry.infoPath).substr(0, 33), "[Trash Info]\nPath=dir/f.txt\nDelet");
    EXPECT_FALSE(exists(t.path("home/Trash")));
    struct stat st {};
    ASSERT_EQ(stat(t.path("mnt/" + c.trash).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_TRUE(platform::RestoreFromTrash(entry.infoPath, &reason)) << reason;
    EXPECT_EQ(readAll(t.path("mnt/dir/f.txt")), "on the other file system");
  }
}

TEST(Trash, AReplacedFileIsLinkedIntoTheTrashAndWithdrawnWhenTheReplacementFails) {
  TempTree t;
  SecondFileSystem trash(t.path("data/Trash"), "/nowhere");
  t.file("w/r.txt", "former");
  TrashEntry entry;
  std::string reason;
  ASSERT_TRUE(trash.linkIntoTrash(t.path("w/r.txt"), &entry, &reason)) << reason;
  EXPECT_EQ(readAll(t.path("w/r.txt")), "former");  // still in place, and in the trash
  EXPECT_EQ(readAll(entry.filesPath), "former");
  trash.withdraw(entry);
  EXPECT_FALSE(exists(entry.filesPath));
  EXPECT_FALSE(exists(entry.infoPath));
  EXPECT_EQ(readAll(t.path("w/r.txt")), "former");

  // Through the file system: the staged copy renamed over it leaves the former in the trash.
  platform::LocalFileSystem fs;
  fs.setTrash(std::make_shared<SecondFileSystem>(t.path("data/Trash"), "/nowhere"));
  auto kept = fs.keepInTrash(t.path("w/r.txt"), &reason);
  ASSERT_TRUE(kept) << reason;
  int error = 0;
  auto staged = fs.stageReplacement(t.path("w/r.txt"), &error);
  ASSERT_TRUE(staged);
  ASSERT_TRUE(staged->write("new", 3, &error));
  ASSERT_TRUE(staged->commit({1700000000, 0}, 0644, &error));
  EXPECT_EQ(readAll(t.path("w/r.txt")), "new");
  EXPECT_EQ(readAll(t.path("data/Trash/files/r.txt")), "former");
}

// A file system without hard links (FAT): the replaced file is moved into the trash.
class NoHardLinks : public SecondFileSystem {
 public:
  using SecondFileSystem::SecondFileSystem;
  int linkFile(const std::string&, const std::string&) override { return EPERM; }
};

TEST(Trash, WithoutHardLinksAReplacedFileIsMovedIntoTheTrashAndBackWhenTheReplacementFails) {
  TempTree t;
  NoHardLinks trash(t.path("data/Trash"), "/nowhere");
  t.file("w/r.txt", "former");
  TrashEntry entry;
  std::string reason;
  ASSERT_TRUE(trash.linkIntoTrash(t.path("w/r.txt"), &entry, &reason)) << reason;
  EXPECT_TRUE(entry.moved);
  EXPECT_FALSE(exists(t.path("w/r.txt")));
  EXPECT_EQ(readAll(entry.filesPath), "former");
  trash.withdraw(entry);
  EXPECT_EQ(readAll(t.path("w/r.txt")), "former");
  EXPECT_FALSE(exists(entry.filesPath));
  EXPECT_FALSE(exists(entry.infoPath));

  platform::LocalFileSystem fs;
  fs.setTrash(std::make_shared<NoHardLinks>(t.path("data/Trash"), "/nowhere"));
  auto kept = fs.keepInTrash(t.path("w/r.txt"), &reason);
  ASSERT_TRUE(kept) << reason;
  int error = 0;
  auto staged = fs.stageReplacement(t.path("w/r.txt"), &error);
  ASSERT_TRUE(staged);
  ASSERT_TRUE(staged->write("new", 3, &error));
  ASSERT_TRUE(staged->commit({1700000000, 0}, 0644, &error));
  EXPECT_EQ(readAll(t.path("w/r.txt")), "new");
  EXPECT_EQ(readAll(t.path("data/Trash/files/r.txt")), "former");
}

TEST(Trash, NoUsableTrashLeavesTheFileWhereItIsWithTheReason) {
  TempTree t;
  t.file("mnt/f.txt", "stays");
  // The other file system's top directory cannot hold a trash (a file is in the way).
  SecondFileSystem trash(t.path("home/Trash"), t.path("mnt"));
  t.file("mnt/.Trash-" + kUid, "not a directory");
  TrashEntry entry;
  std::string reason;
  EXPECT_FALSE(trash.moveToTrash(t.path("mnt/f.txt"), &entry, &reason));
  EXPECT_NE(reason.find(".Trash-" + kUid), std::string::npos) << reason;
  EXPECT_EQ(readAll(t.path("mnt/f.txt")), "stays");
  EXPECT_FALSE(exists(t.path("home/Trash")));  // never the home trash across file systems
}

TEST(Trash, PathsArePercentEncoded) {
  EXPECT_EQ(platform::TrashPathEncoded("/a b/\xC3\xBC%#?.txt~"), "/a%20b/%C3%BC%25%23%3F.txt~");
  EXPECT_EQ(platform::TrashPathDecoded("/a%20b/%C3%BC%25%23%3F.txt~"), "/a b/\xC3\xBC%#?.txt~");
  std::tm t{};
  t.tm_year = 124, t.tm_mon = 2, t.tm_mday = 1, t.tm_hour = 9, t.tm_min = 5, t.tm_sec = 7;
  EXPECT_EQ(platform::TrashInfoText("x", t), "[Trash Info]\nPath=x\nDeletionDate=2024-03-01T09:05:07\n");
}

// The real second file system of this machine, when /dev/shm is one: its .Trash-$uid is
// used (made by the test when missing, and then removed).
TEST(Trash, TheMemoryFileSystemGetsItsOwnTrash) {
  TempTree home;
  struct stat shm {}, mine {};
  if (stat("/dev/shm", &shm) != 0 || stat(home.root().c_str(), &mine) != 0 || shm.st_dev == mine.st_dev ||
      access("/dev/shm", W_OK) != 0)
    GTEST_SKIP() << "no second file system writable here";
  const std::string shmTrash = "/dev/shm/.Trash-" + kUid;
  const bool madeHere = !exists(shmTrash);
  const ScopedEnv data("XDG_DATA_HOME", home.path("data"));
  {
    TempTree t("/dev/shm");
    ASSERT_EQ(t.root().rfind("/dev/shm/", 0), 0u);
    t.file("g.txt", "in memory");
    FreedesktopTrash trash;
    TrashEntry entry;
    std::string reason;
    ASSERT_TRUE(trash.moveToTrash(t.path("g.txt"), &entry, &reason)) << reason;
    EXPECT_EQ(entry.filesPath.rfind(shmTrash + "/files/", 0), 0u) << entry.filesPath;
    EXPECT_FALSE(exists(home.path("data/Trash")));
    ASSERT_TRUE(platform::RestoreFromTrash(entry.infoPath, &reason)) << reason;
    EXPECT_EQ(readAll(t.path("g.txt")), "in memory");
  }
  if (madeHere) std::filesystem::remove_all(shmTrash);
}

}  // namespace
}  // namespace quorvane::test
