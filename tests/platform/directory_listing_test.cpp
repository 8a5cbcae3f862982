#include "platform/directory_listing.h"

#include <gtest/gtest.h>

#include <map>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <set>

#include "platform/descriptor_limit.h"
#include "platform/directory_handle.h"
#include "platform/path_form.h"
#include "support/temp_tree.h"

namespace quorvane::platform {
namespace {

std::map<std::string, DirectoryEntry> listAll(const std::string& dir, std::map<std::string, std::string>& names) {
  std::map<std::string, DirectoryEntry> out;
  listDirectory(dir, [&](const DirectoryEntry& e) {
    DirectoryEntry copy = e;
    names[std::string(e.name)] = std::string(e.name);
    copy.name = names[std::string(e.name)];
    out[std::string(e.name)] = copy;
    return true;
  });
  return out;
}

TEST(DirectoryListing, AttributesFollowTheLinuxMapping) {
  test::TempTree t;
  t.file("plain.txt", "12345", 1700000000);
  t.file(".hidden", "x");
  t.file("readonly.txt", "ro");
  t.chmod("readonly.txt", 0444);
  t.dir("sub");
  t.fifo("pipe");
  t.symlink("plain.txt", "link-to-file");
  t.symlink("sub", "link-to-dir");
  t.symlink("nowhere", "broken");
  t.symlink("loop", "loop");

  std::map<std::string, std::string> names;
  const auto e = listAll(t.root(), names);
  ASSERT_EQ(e.size(), 9u);

  struct Expect {
    const char* name;
    std::uint8_t attributes;
    bool regular;
  } table[] = {
      {"plain.txt", faArchive, true},
      {".hidden", faArchive | faHidden, true},
      {"readonly.txt", faArchive | faReadOnly, true},
      {"sub", faDirectory, false},
      {"pipe", faSystem, false},
      {"link-to-file", faArchive, true},
      {"link-to-dir", faDirectory | faSystem, false},
      {"broken", faSystem, false},
      {"loop", faSystem, false},
  };
  for (const Expect& x : table) {
    ASSERT_TRUE(e.count(x.name)) << x.name;
    EXPECT_EQ(e.at(x.name).attributes, x.attributes) << x.name;
    EXPECT_EQ(e.at(x.name).regular, x.regular) << x.name;
  }
  EXPECT_EQ(e.at("plain.txt").size, 5u);
  EXPECT_EQ(e.at("link-to-file").size, 5u);
  EXPECT_EQ(e.at("pipe").size, 0u);
  EXPECT_EQ(e.at("plain.txt").time, test::dosOf(1700000000));
  EXPECT_EQ(e.at("sub").identity, e.at("link-to-dir").identity);
}

TEST(DirectoryListing, MissingDirectoryListsNothing) {
  int calls = 0;
  EXPECT_FALSE(listDirectory("/nonexistent/quorvane", [&](const DirectoryEntry&) { return ++calls, true; }));
  EXPECT_EQ(calls, 0);
  EXPECT_FALSE(directoryExists("/nonexistent/quorvane"));
}

TEST(DirectoryHandle, OpensRelativeToItsParentAndListsAgain) {
  test::TempTree t;
  t.file("sub/a.txt", "x");
  t.file("sub/b.txt", "x");
  t.file("file.txt", "x");
  int error = -1;
  const auto root = DirectoryHandle::Open(t.root(), error);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->NativePath(), t.root());
  EXPECT_EQ(root->OpenChild("file.txt", error), nullptr);
  EXPECT_EQ(error, ENOTDIR);
  EXPECT_EQ(root->OpenChild("missing", error), nullptr);
  EXPECT_EQ(error, ENOENT);
  const auto sub = root->OpenChild("sub", error);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->NativePath(), t.path("sub/"));
  for (int pass = 0; pass < 2; ++pass) {  // a second listing starts from the beginning again
    std::set<std::string> names;
    EXPECT_EQ(listDirectory(*sub, [&](const DirectoryEntry& e) { return names.emplace(e.name), true; }), 0);
    EXPECT_EQ(names, (std::set<std::string>{"a.txt", "b.txt"})) << "pass " << pass;
  }
}

TEST(DescriptorLimit, RaisesTheSoftLimitUpToTheHardOne) {
  // In a child process, so the test's own limit stays as it was.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < 512) _exit(7);  // no room to show it
    limit.rlim_cur = 64;
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) _exit(2);
    if (raiseDescriptorLimit(32) != 64) _exit(3);  // never lowered
    if (raiseDescriptorLimit(500) != 500) _exit(4);
    getrlimit(RLIMIT_NOFILE, &limit);
    if (limit.rlim_cur != 500) _exit(5);
    if (limit.rlim_max != RLIM_INFINITY && raiseDescriptorLimit(limit.rlim_max + 1) != limit.rlim_max) _exit(6);
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << status;
  if (WEXITSTATUS(status) == 7) GTEST_SKIP() << "the hard limit of open files is below 512";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the check that failed, by its exit code";
}

TEST(PathForm, ConvertsSeparators) {
  EXPECT_EQ(toNativePath("sub\\a.txt"), "sub/a.txt");
  EXPECT_EQ(toHeldPath("sub/dir/a.txt"), "sub\\dir\\a.txt");
  EXPECT_EQ(joinNative("/data/", "sub\\a.txt"), "/data/sub/a.txt");
  EXPECT_EQ(joinNative("/data", "a.txt"), "/data/a.txt");
}

// The typed forms: a root joins a held relative path, "\" becoming "/" only in the
// relative part; an empty relative path leaves the root as it is.
TEST(PathForm, TypedJoinTurnsOnlyTheRelativePartNative) {
  const struct {
    const char* root;
    const char* relative;
    const char* joined;
  } cases[] = {
      {"/data/", "sub\\dir\\a.txt", "/data/sub/dir/a.txt"},
      {"/data", "a.txt", "/data/a.txt"},
      {"/data", "", "/data"},
      {"/odd\\name/", "x\\", "/odd\\name/x/"},
  };
  for (const auto& k : cases) {
    EXPECT_EQ(joinNative(NativePath(k.root), HeldPath(k.relative)).str(), k.joined)
        << "root " << k.root << " relative " << k.relative;
  }
  EXPECT_EQ(toHeld(toNative(HeldPath("a\\b\\c"))), HeldPath("a\\b\\c"));
  EXPECT_EQ(toNative(HeldPath("a\\b")).view(), "a/b");
}

}  // namespace
}  // namespace quorvane::platform
