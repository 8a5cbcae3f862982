#include "reports/report_escapes.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

// One name through each form's escaping.
TEST(ReportEscapes, NamesInEachForm) {
  struct Case {
    std::string name, csv, json, html;
  } cases[] = {
      {"plain.txt", "plain.txt", "\"plain.txt\"", "plain.txt"},
      {"a,b.txt", "\"a,b.txt\"", "\"a,b.txt\"", "a,b.txt"},
      {"say \"hi\".txt", "\"say \"\"hi\"\".txt\"", "\"say \\\"hi\\\".txt\"", "say &quot;hi&quot;.txt"},
      {"two\nlines\r.txt", "\"two\nlines\r.txt\"", "\"two\\nlines\\r.txt\"", "two?lines?.txt"},
      {"<b>&amp;'", "<b>&amp;'", "\"<b>&amp;'\"", "&lt;b&gt;&amp;amp;&#39;"},
      {"tab\tbell\x07", "tab\tbell\x07", "\"tab\\tbell\\u0007\"", "tab?bell?"},
      {"back\\slash", "back\\slash", "\"back\\\\slash\"", "back\\slash"},
      {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",
       "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\"", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
      // Latin-1 bytes, a lone continuation byte, an overlong "/", a surrogate, past U+10FFFF, truncated.
      {"caf\xE9", "caf\xEF\xBF\xBD", "\"caf\\udce9\"", "caf\xEF\xBF\xBD"},
      {"\x80x", "\xEF\xBF\xBDx", "\"\\udc80x\"", "\xEF\xBF\xBDx"},
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD", "\"\\udcc0\\udcaf\"", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", "\"\\udced\\udca0\\udc80\"",
       "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", "\"\\udcf4\\udc90\\udc80\\udc80\"",
       "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"end\xE2\x82", "end\xEF\xBF\xBD\xEF\xBF\xBD", "\"end\\udce2\\udc82\"", "end\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"\xFF,\"", "\"\xEF\xBF\xBD,\"\"\"", "\"\\udcff,\\\"\"", "\xEF\xBF\xBD,&quot;"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::PrintToString(k.name));
    std::string csv, json, html;
    AppendCsvField(csv, k.name);
    AppendJsonString(json, k.name);
    AppendHtmlText(html, k.name);
    EXPECT_EQ(csv, k.csv);
    EXPECT_EQ(json, k.json);
    EXPECT_EQ(html, k.html);
  }
}

}  // namespace
}  // namespace quorvane
