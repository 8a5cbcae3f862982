// Splitting program and parameter texts into words as a shell would, without expanding
// anything, and quoting a path so that it always comes back as one word.
#include <gtest/gtest.h>

#include "platform/command_words.h"

namespace quorvane::platform {
namespace {

using Words = std::vector<std::string>;

TEST(CommandWords, SplitsAsAShellSplitsWordsAndExpandsNothing) {
  const struct {
    const char* text;
    Words words;
  } cases[] = {
      {"", {}},
      {"   ", {}},
      {"meld", {"meld"}},
      {"  diff  -u\ta  ", {"diff", "-u", "a"}},
      {"\"/home/me/my file.txt\" /tmp/b", {"/home/me/my file.txt", "/tmp/b"}},
      {"'/opt/My Tool/tool' -x", {"/opt/My Tool/tool", "-x"}},
      {"a\"b c\"d", {"ab cd"}},
      {"\"\"", {""}},
      {"'it''s'", {"its"}},
      {"\"say \\\"hi\\\" \\\\ \\n\"", {"say \"hi\" \\ \\n"}},  // only " \ $ ` escape inside "..."
      {"'no \\ escape'", {"no \\ escape"}},
      {"a\\ b c", {"a b", "c"}},
      {"$(reboot).txt", {"$(reboot).txt"}},
      {"/d/a; touch /tmp/pwned", {"/d/a;", "touch", "/tmp/pwned"}},
      {"`id` $HOME ~ *.txt", {"`id`", "$HOME", "~", "*.txt"}},
      {"\"unterminated quote", {"unterminated quote"}},
      {"'unterminated", {"unterminated"}},
      {"trailing\\", {"trailing"}},
  };
  for (const auto& k : cases) EXPECT_EQ(SplitCommandWords(k.text), k.words) << "text: " << k.text;
}

TEST(CommandWords, AQuotedPathAlwaysComesBackWhole) {
  const struct {
    const char* path;
    const char* quoted;
  } cases[] = {
      {"/home/me/plain.txt", "/home/me/plain.txt"},
      {"/home/me/my file.txt", "\"/home/me/my file.txt\""},
      {"/d/a; touch /tmp/pwned", "\"/d/a; touch /tmp/pwned\""},
      {"/d/$(reboot).txt", "/d/$(reboot).txt"},
      {"/d/it's.txt", "\"/d/it's.txt\""},
      {"/d/say \"hi\".txt", "\"/d/say \\\"hi\\\".txt\""},
      {"/d/back\\slash", "\"/d/back\\\\slash\""},
      {"/d/tab\there", "\"/d/tab\there\""},
      {"/d/$x `y` z", "\"/d/\\$x \\`y\\` z\""},
      {"", "\"\""},
  };
  for (const auto& k : cases) {
    EXPECT_EQ(QuoteCommandWord(k.path), k.quoted) << "path: " << k.path;
    EXPECT_EQ(SplitCommandWords(QuoteCommandWord(k.path)), Words{k.path}) << "path: " << k.path;
  }
}

TEST(CommandWords, AProgramTextNamesOneFile) {
  EXPECT_EQ(ProgramName("meld"), "meld");
  EXPECT_EQ(ProgramName("  \"/opt/My Tool/tool\" "), "/opt/My Tool/tool");
  EXPECT_EQ(ProgramName("/opt/My Tool/tool"), "/opt/My Tool/tool");  // unquoted: the text as it stands
  EXPECT_EQ(ProgramName("diff -u"), "diff -u");
  EXPECT_EQ(ProgramName("   "), "");
}

}  // namespace
}  // namespace quorvane::platform
