#include "platform/random_access_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_tree.h"

namespace quorvane::platform {
namespace {

TEST(RandomAccessFile, ReadsAtOffsetsAndStopsAtTheEnd) {
  test::TempTree t;
  t.file("a.bin", "0123456789");
  RandomAccessFile f;
  ASSERT_TRUE(f.open(t.path("a.bin")));
  EXPECT_EQ(f.size(), 10u);
  char buffer[8] = {};
  EXPECT_EQ(f.readAt(6, buffer, 8), 4u);
  EXPECT_EQ(std::string(buffer, 4), "6789");
  EXPECT_EQ(f.readAt(10, buffer, 8), 0u);
  EXPECT_EQ(f.readAt(~0ULL, buffer, 8), 0u);
}

TEST(RandomAccessFile, RefusesWhatIsNoRegularFile) {
  test::TempTree t;
  t.dir("d");
  t.fifo("pipe");  // must not block waiting for a writer
  RandomAccessFile f;
  EXPECT_FALSE(f.open(t.path("d")));
  EXPECT_FALSE(f.open(t.path("pipe")));
  EXPECT_FALSE(f.open(t.path("missing")));
  EXPECT_FALSE(f.isOpen());
}

}  // namespace
}  // namespace quorvane::platform
