// Searching the displayed list: a case-insensitive substring of the whole relative path,
// from a position onwards, without wrapping.
#include <gtest/gtest.h>

#include "program/search_command.h"
#include "support/comparison_fixture.h"

namespace quorvane {
namespace {

class SearchTest : public ::testing::Test, protected test::ComparisonFixture {
 protected:
  void show(std::initializer_list<const char*> paths) {
    for (const char* path : paths) {
      ScanRecord r;
      r.Path = path;
      c.Display.Items().push_back(c.Files.CreateEntry(r, Side::New));
    }
  }
  std::optional<std::int32_t> search(std::string_view text) {
    return DoSearch(state, c.Display, text, ui, [this](int percent) { bars.push_back(percent); });
  }
  int notFoundMessages() const {
    int n = 0;
    for (const auto& a : ui.asked()) n += a.text.ends_with("\rNot found");
    return n;
  }

  SearchState state;
  std::vector<int> bars;
};

TEST_F(SearchTest, FindsTheTextAnywhereInThePathLetterCaseAside) {
  show({"alpha.c", "sub\\read.me.TXT", "docs\\text.doc", "Stra\xC3\x9F" "e\\\xC3\x89T\xC3\xA9.txt",
        "ab\\cd\\efgh"});
  const struct {
    const char* text;
    std::optional<std::int32_t> row;
  } cases[] = {
      {"txt", 2},     {"SUB\\", 2},   {"me.t", 2},  {"EXT.D", 3},   {"c", 1},
      {"\xC3\xA9t\xC3\xA9", 4},  // "été" finds "ÉTé"
      {"stra\xC3\x9F", 4},         // ß has no same-length upper case and matches itself
      {"D\\EF", 5},  // from the directory part into the name
      {"gH", 5},     // starting at the last place a match fits
      {"none", std::nullopt},
  };
  for (const auto& k : cases) {
    state = {};
    EXPECT_EQ(search(k.text), k.row) << k.text;
    EXPECT_EQ(state.nextEnabled, k.row.has_value()) << k.text;
  }
  EXPECT_EQ(SearchFold("a\xC3\xA0\xC3\xBF\xC4\x81\xC5\xBE\xCE\xB1\xCF\x82\xD0\xB0\xD1\x91z"),
            "A\xC3\x80\xC5\xB8\xC4\x80\xC5\xBD\xCE\x91\xCE\xA3\xD0\x90\xD0\x81Z");
}

TEST_F(SearchTest, NextGoesOnFromTheFoundEntryAndNeverWraps) {
  show({"a.txt", "b.dat", "c.txt", "d.dat"});
  EXPECT_EQ(search("TXT"), 1);
  EXPECT_EQ(state.position, 1);
  EXPECT_EQ(search("TXT"), 3);  // "&Next": from the search position
  EXPECT_TRUE(state.nextEnabled);
  EXPECT_EQ(search("TXT"), std::nullopt);
  EXPECT_FALSE(state.nextEnabled);
  ASSERT_EQ(ui.asked().size(), 1u);
  EXPECT_EQ(ui.asked()[0].text, "\"TXT\" :\rNot found");
  EXPECT_EQ(ui.asked()[0].kind, platform::MessageKind::Information);
  EXPECT_EQ(bars.back(), 100);

  // Search next from the grid's current row: the entry after it.
  EXPECT_EQ(SearchNext(state, c.Display, "txt", 1, ui, {}), 3);
  EXPECT_EQ(SearchNext(state, c.Display, "txt", 3, ui, {}), std::nullopt);  // no later match
  EXPECT_EQ(notFoundMessages(), 2);
  EXPECT_EQ(SearchNext(state, c.Display, "txt", 4, ui, {}), std::nullopt);  // the last row: nothing at all
  EXPECT_EQ(notFoundMessages(), 2);
}

TEST_F(SearchTest, AnEmptyTextDoesNothingAndAnEmptyListFindsNothing) {
  show({"a.txt"});
  state.position = 1;
  state.nextEnabled = true;
  EXPECT_EQ(search(""), std::nullopt);
  EXPECT_EQ(state.position, 1);
  EXPECT_TRUE(state.nextEnabled);
  EXPECT_TRUE(ui.asked().empty());
  EXPECT_TRUE(bars.empty());

  c.Display.Clear();
  state = {};
  EXPECT_EQ(search("a"), std::nullopt);
  EXPECT_EQ(notFoundMessages(), 1);
}

}  // namespace
}  // namespace quorvane
