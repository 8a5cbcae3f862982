#include "engine/run_problems.h"

#include <gtest/gtest.h>

#include "engine/line_safe_text.h"

namespace quorvane {
namespace {

TEST(RunProblems, OneLineEachThenACountOfTheRest) {
  RunProblems problems;
  EXPECT_TRUE(problems.Empty());
  problems.Add("dir\\line\nbreak.txt", "could not be read");
  problems.Add("", "a problem of no path");
  problems.Add("esc\x1B[2J\x7F", "tab\there");
  EXPECT_EQ(problems.Lines(), (std::vector<std::string>{"dir\\line?break.txt: could not be read",
                                                         "a problem of no path", "esc?[2J?: tab?here"}));
  EXPECT_EQ(problems.Kept()[0].path, "dir\\line\nbreak.txt");  // kept as held

  for (int i = 3; i < 25; ++i) problems.Add("f" + std::to_string(i), "skipped");
  EXPECT_EQ(problems.Count(), 25u);
  const std::vector<std::string> lines = problems.Lines();
  ASSERT_EQ(lines.size(), RunProblems::kKept + 1);
  EXPECT_EQ(lines[RunProblems::kKept - 1], "f19: skipped");
  EXPECT_EQ(lines.back(), "... and 5 more");
  problems.Clear();
  EXPECT_TRUE(problems.Empty());
  EXPECT_TRUE(problems.Lines().empty());
}

TEST(LineSafeText, ControlCharactersOnlyBecomeQuestionMarks) {
  std::string every;
  for (int b = 1; b < 256; ++b) every += static_cast<char>(b);
  const std::string safe = LineSafeText(every);
  ASSERT_EQ(safe.size(), every.size());
  for (std::size_t i = 0; i < every.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(every[i]);
    const bool control = b < 0x20 || b == 0x7F;
    EXPECT_EQ(safe[i], control ? '?' : every[i]) << "byte " << int(b);
  }
  EXPECT_EQ(LineSafeText(std::string("a\0b", 3)), "a?b");
}

}  // namespace
}  // namespace quorvane
