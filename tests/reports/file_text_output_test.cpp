#include "reports/file_text_output.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/file_replace.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

std::string contentsOf(const std::string& path) {
  std::string text;
  EXPECT_TRUE(platform::readWholeFile(path, text)) << path;
  return text;
}

TEST(FileTextOutput, JoinsPartsIgnoresStylesAndEndsLinesWithCrLf) {
  test::TempTree tree;
  const std::string path = tree.path("out.txt");
  auto out = OpenTextFile(path, false);
  ASSERT_TRUE(out);
  EXPECT_TRUE(out->WriteLine({{"Deleted    ", tsPlain}, {"  ", tsPlain}, {"a.txt", tsStrikeOut | tsBold}}));
  EXPECT_TRUE(out->WriteLine(""));
  EXPECT_TRUE(out->WriteLine("last"));
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(contentsOf(path), "Deleted      a.txt\r\n\r\nlast\r\n");
}

TEST(FileTextOutput, CreateEmptiesAnExistingFileAndAppendKeepsIt) {
  test::TempTree tree;
  tree.file("out.txt", "old contents that are longer\r\n");
  const std::string path = tree.path("out.txt");
  {
    auto out = OpenTextFile(path, true);
    ASSERT_TRUE(out);
    out->WriteLine("appended");
    ASSERT_TRUE(out->Close());
  }
  EXPECT_EQ(contentsOf(path), "old contents that are longer\r\nappended\r\n");
  {
    auto out = OpenTextFile(path, false);
    ASSERT_TRUE(out);
    out->WriteLine("new");
    ASSERT_TRUE(out->Close());
  }
  EXPECT_EQ(contentsOf(path), "new\r\n");
}

TEST(FileTextOutput, LargeOutputArrivesWhole) {
  test::TempTree tree;
  const std::string path = tree.path("big.txt");
  auto out = OpenTextFile(path, false);
  ASSERT_TRUE(out);
  std::string expected;
  const std::string longLine(100000, 'x');  // longer than the writer's buffer
  for (int i = 0; i < 3000; ++i) {
    const std::string line = i % 1000 == 7 ? longLine : "line " + std::to_string(i);
    ASSERT_TRUE(out->WriteLine(line));
    expected += line + "\r\n";
  }
  ASSERT_TRUE(out->Close());
  EXPECT_EQ(contentsOf(path), expected);
}

TEST(FileTextOutput, AFileThatCannotBeCreatedIsReported) {
  test::TempTree tree;
  std::string error;
  EXPECT_FALSE(OpenTextFile(tree.path("no/such/dir/out.txt"), false, &error));
  EXPECT_FALSE(error.empty());
  tree.dir("adir");
  EXPECT_FALSE(OpenTextFile(tree.path("adir"), false, &error));
}

// /dev/full takes no byte: every write fails with "No space left on device".
TEST(FileTextOutput, AFullDiskIsReportedNeverTruncatedSilently) {
  struct stat st {};
  if (stat("/dev/full", &st) != 0) GTEST_SKIP() << "no /dev/full";
  auto out = OpenTextFile("/dev/full", false);
  ASSERT_TRUE(out);
  bool everyWriteOk = true;
  // Small lines stay in the buffer at first; the failure shows once it is handed on.
  for (int i = 0; i < 10000 && everyWriteOk; ++i) everyWriteOk = out->WriteLine("a line of a report");
  const bool closed = out->Close();
  EXPECT_FALSE(everyWriteOk && closed);
  EXPECT_FALSE(closed);
  EXPECT_NE(out->Error().find("space"), std::string::npos) << out->Error();
  // A failed output stays failed.
  EXPECT_FALSE(out->WriteLine("more"));
}

}  // namespace
}  // namespace quorvane
