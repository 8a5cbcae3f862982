#include "sources/text_line_reader.h"

#include <gtest/gtest.h>

#include "support/memory_file_reader.h"

namespace quorvane {
namespace {

std::vector<std::string> allLines(const std::string& bytes, std::vector<bool>* cut = nullptr) {
  test::MemoryFileReader file(bytes);
  TextLineReader reader(file);
  std::vector<std::string> lines;
  for (std::string line; reader.ReadLine(line);) {
    lines.push_back(line);
    if (cut) cut->push_back(reader.LastLineCut());
  }
  EXPECT_EQ(reader.BytesConsumed(), bytes.size());
  EXPECT_FALSE(reader.Failed());
  return lines;
}

TEST(TextLineReader, LineEnds) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(allLines(""), Lines{});
  EXPECT_EQ(allLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(allLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(allLines("lone\rcr\n"), (Lines{"lone\rcr"}));
  EXPECT_EQ(allLines(std::string("nul\0byte\n", 9)), (Lines{std::string("nul\0byte", 8)}));
  // Lines across block boundaries come out whole.
  const std::string longLine(TextLineReader::kBlockSize - 3, 'x');
  EXPECT_EQ(allLines(longLine + "\r\n" + longLine + "\r\nend"), (Lines{longLine, longLine, "end"}));
}

TEST(TextLineReader, OverlongLinesAreCutAndPassedOver) {
  std::vector<bool> cut;
  const std::string huge(3 * TextLineReader::kMaxKeptLine + 5, 'h');
  const std::vector<std::string> lines = allLines("first\n" + huge + "\r\nlast\n", &cut);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].size(), TextLineReader::kMaxKeptLine);
  EXPECT_EQ(lines[2], "last");
  EXPECT_EQ(cut, (std::vector<bool>{false, true, false}));
}

TEST(TextLineReader, TheLongestKeptLineIsCountedWithoutItsLineEnd) {
  const std::size_t max = TextLineReader::kMaxKeptLine;
  const struct {
    std::string line;
    std::string end;
    bool cut;
  } cases[] = {
      {std::string(max, 'k'), "\r\n", false}, {std::string(max, 'k'), "\n", false}, {std::string(max, 'k'), "", false},
      {std::string(max + 1, 'k'), "\r\n", true}, {std::string(max + 1, 'k'), "\n", true},
      {std::string(max + 1, 'k'), "", true},   {std::string(max, 'k') + "\r", "\r\n", true},
  };
  for (const auto& c : cases) {
    std::vector<bool> cut;
    const std::vector<std::string> lines = allLines(c.line + c.end + (c.end.empty() ? "" : "next\n"), &cut);
    const std::string what = std::to_string(c.line.size()) + " bytes, end of " + std::to_string(c.end.size());
    ASSERT_EQ(lines.size(), c.end.empty() ? 1u : 2u) << what;
    EXPECT_EQ(cut[0], c.cut) << what;
    EXPECT_EQ(lines[0], c.line.substr(0, max)) << what;
  }
  test::MemoryFileReader file("a\nb\r\n\nc");
  TextLineReader reader(file);
  std::string line;
  while (reader.ReadLine(line)) {
  }
  EXPECT_EQ(reader.LinesRead(), 4u);
}

TEST(TextLineReader, StopAtCutReadsNoFurther) {
  // The file fails to read past 200 KiB: a first line of 1 MiB must not be read through.
  test::MemoryFileReader file(std::string(1 << 20, 'b'), 200 * 1024);
  TextLineReader reader(file);
  std::string line;
  ASSERT_TRUE(reader.ReadLine(line, true));
  EXPECT_TRUE(reader.LastLineCut());
  EXPECT_FALSE(reader.Failed());
  EXPECT_LE(reader.BytesConsumed(), 200u * 1024);
}

TEST(TextLineReader, AReadErrorIsNotAnEnd) {
  test::MemoryFileReader file(std::string(300000, 'a') + "\n", 100000);
  TextLineReader reader(file);
  std::string line;
  EXPECT_TRUE(reader.ReadLine(line));  // what came before the failure
  EXPECT_FALSE(reader.ReadLine(line));
  EXPECT_TRUE(reader.Failed());
}

}  // namespace
}  // namespace quorvane
