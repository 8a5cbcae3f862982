#include "platform/directory_listing.h"

#include <gtest/gtest.h>

#include <map>

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

TEST(PathForm, ConvertsSeparators) {
  EXPECT_EQ(toNativePath("sub\\a.txt"), "sub/a.txt");
  EXPECT_EQ(toHeldPath("sub/dir/a.txt"), "sub\\dir\\a.txt");
  EXPECT_EQ(joinNative("/data/", "sub\\a.txt"), "/data/sub/a.txt");
  EXPECT_EQ(joinNative("/data", "a.txt"), "/data/a.txt");
}

}  // namespace
}  // namespace quorvane::platform
