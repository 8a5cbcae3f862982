#include "config/text_lists.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(TextLists, SemicolonToLinesAndBack) {
  struct Case {
    const char* text;
    std::vector<std::string> lines;
    const char* back;
  } cases[] = {
      {"", {}, ""},
      {"a", {"a"}, "a"},
      {"a;b", {"a", "b"}, "a;b"},
      {"a;;b", {"a", "", "b"}, "a;;b"},
      {"a;", {"a"}, "a"},
      {";a", {"", "a"}, ";a"},
      {"sys\\java;my data", {"sys\\java", "my data"}, "sys\\java;my data"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SemicolonToLines(c.text), c.lines) << c.text;
    EXPECT_EQ(LinesToSemicolon(c.lines), c.back) << c.text;
  }
}

}  // namespace
}  // namespace quorvane
