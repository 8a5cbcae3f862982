#include "engine/file_mask.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(TWild, MatchesDosStyle) {
  struct Case {
    const char* mask;
    const char* name;
    bool matches;
  } cases[] = {
      {"*.TXT", "readme.txt", true},   {"*.TXT", "a.b.txt", true},     {"*.TXT", "txt", false},
      {"AB*X.C", "ABCDEF.C", true},    {"A?", "A", true},               {"A?", "AB", true},
      {"A?", "ABC", false},            {"README", "readme", true},      {"README", "readme.doc", true},
      {"*.", "makefile", true},        {"*.", "a.c", false},            {"*.*", "anything", true},
      {"*.*", ".hidden", true},        {"?.c", "ab.c", true} /* a name of wildcards only matches any name */,          {"a*.c", "A.C", true},
      {"*.bak", "x.bak", true},        {"*.bak", "x.bak2", false},      {"x.??", "x.c", true},
      {"x.??", "x", true},            {"data*", "DATA.TXT", true},
  };
  for (const Case& c : cases) EXPECT_EQ(TWild(c.mask).Matches(c.name), c.matches) << c.mask << " / " << c.name;
}

TEST(TWild, RebuildsItsText) {
  EXPECT_EQ(TWild().MaskText(), "*.*");
  EXPECT_EQ(TWild("*.txt").MaskText(), "*.TXT");
  EXPECT_EQ(TWild("README").MaskText(), "README.*");
  EXPECT_EQ(TWild("a.b.c").NameMask(), "A.B");
  TWild empty("");
  EXPECT_EQ(empty.MaskText(), "");
  EXPECT_FALSE(empty.Matches("a.txt"));
}

TEST(FileMasks, ExclusionsWinOverTheIncludeMask) {
  FileMasks m;
  m.Exclusions[0].SetMask("*.bak");
  m.Exclusions[1].SetMask("~*");
  m.ExclusionCount = 2;
  EXPECT_FALSE(m.Passes("dir\\x.bak"));
  EXPECT_FALSE(m.Passes("~tmp.txt"));
  EXPECT_TRUE(m.Passes("dir\\x.txt"));
  m.Include.SetMask("*.c");
  EXPECT_FALSE(m.Passes("dir\\x.txt"));
  EXPECT_TRUE(m.Passes("bak.dir\\x.c"));  // only the file-name part is matched
}

}  // namespace
}  // namespace quorvane
