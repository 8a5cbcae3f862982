#include "sources/path_rewrite.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(PathRewrite, AppliesTheRewritingsInOrder) {
  struct Case {
    bool sfn, strip83, noPath;
    const char* in;
    const char* out;
  } cases[] = {
      {false, false, false, "a\\b\\c.txt", "a\\b\\c.txt"},
      {false, true, false, "LongFileName.text.bak", "LongFile.tex"},
      {false, true, false, "Program Files\\x.c", "Program \\x.c"},
      {false, true, false, "dir.ext.more\\.hidden", "dir.ext\\.hid"},
      {false, false, true, "a\\b\\c.txt", "c.txt"},
      {false, false, true, "c.txt", "c.txt"},
      {false, true, true, "Program Files\\LongFileName.text", "LongFile.tex"},
      {true, true, false, "LongFileName.text", "LongFileName.text"},  // short names: none on Linux
  };
  for (const Case& k : cases) {
    Settings s;
    s.SFN = k.sfn;
    s.Strip83 = k.strip83;
    s.NoPath = k.noPath;
    EXPECT_EQ(RewritePath(k.in, s), k.out) << k.in << " SFN " << k.sfn << " Strip83 " << k.strip83 << " NoPath "
                                           << k.noPath;
  }
}

}  // namespace
}  // namespace quorvane
