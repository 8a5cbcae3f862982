#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane::platform {
namespace {

TEST(CodePage, RecognisesValidUtf8) {
  const struct {
    std::string text;
    bool valid;
  } cases[] = {
      {"", true},
      {"plain ASCII", true},
      {"caf\xC3\xA9", true},
      {"\xE8\xA1\xA8\xE3\x81\xA0", true},       // CJK
      {"\xF0\x9F\x98\x80", true},               // U+1F600
      {"caf\x82", false},                       // CP437 e-acute
      {"\xC3", false},                          // cut short
      {"\xC0\xAF", false},                      // overlong "/"
      {"\xE0\x80\xAF", false},                  // overlong, three bytes
      {"\xED\xA0\x80", false},                  // a surrogate
      {"\xF4\x90\x80\x80", false},              // above U+10FFFF
      {"\x80", false},                          // a lone continuation byte
  };
  for (const auto& c : cases) EXPECT_EQ(isValidUtf8(c.text), c.valid) << c.text;
}

TEST(CodePage, ReadsOemTextByTheUtf8Rule) {
  EXPECT_EQ(cp437ToUtf8("caf\x82 \x94\x84\x86 \xB0\xDB\xFF"), "caf\xC3\xA9 \xC3\xB6\xC3\xA4\xC3\xA5 \xE2\x96\x91\xE2\x96\x88\xC2\xA0");
  EXPECT_EQ(oemToUtf8("File 2 - \x94.txt"), "File 2 - \xC3\xB6.txt");
  EXPECT_EQ(oemToUtf8("na\xC3\xAFve"), "na\xC3\xAFve");  // valid UTF-8 stays
  EXPECT_EQ(oemToUtf8("plain"), "plain");
}

TEST(CodePage, ConvertsUtf16) {
  EXPECT_EQ(utf16ToUtf8(u"\u0442\u0435\u0441\u0442.txt"), "\xD1\x82\xD0\xB5\xD1\x81\xD1\x82.txt");
  EXPECT_EQ(utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
  const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
  EXPECT_EQ(utf16ToUtf8(lone), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

}  // namespace
}  // namespace quorvane::platform
