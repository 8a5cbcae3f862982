// Sequential reading of regular files: block counts, the end, and what is refused.
#include "platform/file_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_tree.h"

namespace quorvane::platform {
namespace {

std::vector<std::int64_t> readAll(FileReader& r, std::size_t block, std::string* content = nullptr) {
  std::vector<std::int64_t> counts;
  std::vector<char> buffer(block);
  for (;;) {
    const std::int64_t n = r.read(buffer.data(), block);
    counts.push_back(n);
    if (n > 0 && content) content->append(buffer.data(), static_cast<std::size_t>(n));
    if (n != static_cast<std::int64_t>(block)) return counts;
  }
}

TEST(FileReader, ReadsWholeBlocksUntilTheEnd) {
  test::TempTree t;
  struct Case {
    std::size_t size;
    std::vector<std::int64_t> counts;
  };
  const std::vector<Case> cases = {
      {0, {0}}, {1, {1}}, {99, {99}}, {100, {100, 0}}, {250, {100, 100, 50}}, {300, {100, 100, 100, 0}}};
  FileReader r;
  for (const Case& k : cases) {
    std::string content(k.size, '\0');
    for (std::size_t i = 0; i < k.size; ++i) content[i] = static_cast<char>(i * 31);
    t.file("f", content);
    ASSERT_TRUE(r.open(t.path("f"))) << k.size;  // also closes the file opened before
    std::string got;
    EXPECT_EQ(readAll(r, 100, &got), k.counts) << k.size;
    EXPECT_EQ(got, content) << k.size;
    r.close();
  }
}

TEST(FileReader, RefusesWhatIsNoRegularFile) {
  test::TempTree t;
  t.dir("dir");
  t.fifo("pipe");  // opening it must not wait for a writer
  t.symlink("/dev/zero", "zero");  // a device would never end
  FileReader r;
  EXPECT_FALSE(r.open(t.path("dir")));
  EXPECT_FALSE(r.open(t.path("pipe")));
  EXPECT_FALSE(r.open(t.path("zero")));
  EXPECT_FALSE(r.open(t.path("missing")));
  char b[8];
  EXPECT_EQ(r.read(b, sizeof b), -1);  // nothing open
}

TEST(FileReader, AnotherReaderIsIndependent) {
  test::TempTree t;
  t.file("a", "aaaa");
  t.file("b", "bb");
  FileReader r;
  const auto other = r.another();
  ASSERT_TRUE(r.open(t.path("a")));
  ASSERT_TRUE(other->open(t.path("b")));
  char b[8];
  EXPECT_EQ(r.read(b, sizeof b), 4);
  EXPECT_EQ(other->read(b, sizeof b), 2);
}

}  // namespace
}  // namespace quorvane::platform
