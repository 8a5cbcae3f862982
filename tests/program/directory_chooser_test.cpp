// The directory chooser's list, selection, count and merge, and the include/exclude
// editor's line rules, over a temporary tree.
#include <gtest/gtest.h>

#include "program/directory_chooser.h"
#include "program/directory_lists_editor.h"
#include "support/temp_ini.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

using Strings = std::vector<std::string>;

class DirectoryChooserTest : public ::testing::Test {
 protected:
  DirectoryChooserTest() {
    for (const char* d : {"base/alpha/deep", "base/Beta", "base/gamma", "base/.hidden", "other"}) t.dir(d);
    t.file("base/file.txt", "not a directory");
  }

  // The tree's root without its trailing "/".
  std::string root() const {
    std::string r = t.path("");
    r.pop_back();
    return r;
  }
  DirectoryChooserModel model() {
    return DirectoryChooserModel(include, exclude, [this] { return Strings{"/", root()}; });
  }
  static Strings names(const DirectoryChooserModel& m, bool subdirectories) {
    Strings out;
    for (const DirectoryItem& item : m.Items)
      if (item.Subdirectory == subdirectories) out.push_back(item.Name);
    return out;
  }
  static std::size_t rowOf(const DirectoryChooserModel& m, const std::string& name) {
    for (std::size_t i = 0; i < m.Items.size(); ++i)
      if (m.Items[i].Subdirectory && m.Items[i].Name == name) return i;
    ADD_FAILURE() << name;
    return 0;
  }

  test::TempTree t;
  SortedTextList include;
  SortedTextList exclude;
};

TEST_F(DirectoryChooserTest, TheListShowsAncestorsThenSubdirectoriesWithTheirIndents) {
  DirectoryChooserModel m = model();
  m.Show("Please select NEW directory", t.path("base"), true);
  EXPECT_EQ(m.Caption, "Please select NEW directory");
  EXPECT_EQ(m.DirectoryName, t.path("base"));
  EXPECT_EQ(m.DriveIndex, 1);

  Strings ancestors{"/"};
  for (std::size_t start = 1, end; start < t.path("base").size(); start = end + 1) {
    end = t.path("base").find('/', start);
    if (end == std::string::npos) end = t.path("base").size();
    ancestors.push_back(t.path("base").substr(start, end - start));
  }
  EXPECT_EQ(names(m, false), ancestors);
  // Sorted without regard to case; hidden directories and files are not listed.
  EXPECT_EQ(names(m, true), (Strings{"alpha", "Beta", "gamma"}));
  for (std::size_t i = 0; i < ancestors.size(); ++i) EXPECT_EQ(m.Items[i].Indent, 4 * static_cast<int>(i) + 2);
  const int depth = static_cast<int>(ancestors.size()) - 1;  // the "/" in the path
  for (std::size_t i = ancestors.size(); i < m.Items.size(); ++i) EXPECT_EQ(m.Items[i].Indent, 4 * depth + 6);

  // The root: one ancestor, its subdirectories right after it.
  m.OpenItem(0);
  EXPECT_EQ(m.DirectoryName, "/");
  ASSERT_GT(m.Items.size(), 1u);
  EXPECT_EQ(m.Items[0].Name, "/");
  EXPECT_TRUE(m.Items[1].Subdirectory);
  EXPECT_EQ(m.Items[1].Indent, 6);
  EXPECT_EQ(m.DriveIndex, 0);

  // Back down through a drive, then a double click on a subdirectory.
  m.ChooseDrive(1);
  EXPECT_EQ(m.DirectoryName, root());
  m.OpenItem(rowOf(m, "base"));
  EXPECT_EQ(m.DirectoryName, t.path("base"));
  m.OpenItem(rowOf(m, "alpha"));
  EXPECT_EQ(m.DirectoryName, t.path("base/alpha"));
  EXPECT_EQ(names(m, true), Strings{"deep"});
}

TEST_F(DirectoryChooserTest, ABadDirectoryNameChangesTheCaptionUntilAGoodOneIsTyped) {
  DirectoryChooserModel m = model();
  m.Show("Open", t.path("base"), true);
  const std::vector<DirectoryItem> before = m.Items;
  for (const std::string& bad : {t.path("base/missing"), t.path("base/file.txt"), std::string()}) {
    m.EditDirectoryName(bad);
    EXPECT_EQ(m.Caption, "Error : Bad directory") << bad;
    EXPECT_EQ(m.Items.size(), before.size()) << bad;
  }
  m.EditDirectoryName(t.path("other"));
  EXPECT_EQ(m.Caption, "Open");
  EXPECT_EQ(m.Chosen(), t.path("other"));
  // A relative name starts where the list was before typing; "." and ".." are resolved.
  m.EditDirectoryName("gamma");
  EXPECT_EQ(m.Caption, "Open");
  EXPECT_EQ(m.Chosen(), t.path("base/gamma"));
  m.EditDirectoryName("alpha/deep/../");
  EXPECT_EQ(m.Chosen(), t.path("base/alpha"));
  EXPECT_EQ(NormalisedDirectory("/a//b/./c/..", "/x"), "/a/b");
  EXPECT_EQ(NormalisedDirectory("../..", "/x"), "/");
}

TEST_F(DirectoryChooserTest, TheCountFollowsTheSelectionAgainstTheIncludeList) {
  include.Add("alpha");
  include.Add("elsewhere");  // not a subdirectory here: counted, never touched
  DirectoryChooserModel m = model();
  m.cbInclude = true;
  m.Show("Open", t.path("base"), true);
  ASSERT_TRUE(m.MultiSelect());
  EXPECT_TRUE(m.Items[rowOf(m, "alpha")].Selected);
  EXPECT_FALSE(m.Items[rowOf(m, "gamma")].Selected);
  EXPECT_EQ(m.Count, 2);
  EXPECT_EQ(m.bnDirs, "2 Included directories");
  EXPECT_TRUE(m.IndicatorLit);

  struct Step {
    Strings selected;
    int count;
  } steps[] = {
      {{"alpha", "gamma"}, 3},
      {{"alpha", "Beta", "gamma"}, 4},
      {{"gamma"}, 2},  // alpha deselected: one fewer
      {{}, 1},
  };
  for (const Step& s : steps) {
    std::vector<std::size_t> rows;
    for (const std::string& name : s.selected) rows.push_back(rowOf(m, name));
    rows.push_back(0);  // an ancestor row never counts
    m.SelectRows(rows);
    EXPECT_EQ(m.Count, s.count) << s.selected.size();
    EXPECT_EQ(m.bnDirs, std::to_string(s.count) + " Included directories");
  }
  EXPECT_FALSE(m.Items[0].Selected);

  // Without multi-select the count is the list's.
  m.IncludeClicked(false);
  EXPECT_EQ(m.Count, 2);
  m.SelectRows({rowOf(m, "gamma")});
  EXPECT_EQ(m.Count, 2);
  EXPECT_FALSE(m.Items[rowOf(m, "gamma")].Selected);

  include.Clear();
  m.IncludeClicked(true);
  EXPECT_EQ(m.Count, 0);
  EXPECT_FALSE(m.IndicatorLit);
  EXPECT_EQ(m.bnDirs, "0 Included directories");

  // A target directory hides the box: never multi-select.
  DirectoryChooserModel target = model();
  target.cbInclude = true;
  target.Show("Select TARGET directory", t.path("base"), false);
  EXPECT_FALSE(target.MultiSelect());
}

TEST_F(DirectoryChooserTest, MergeSelectionAddsTheSelectedAndRemovesTheUnselectedSubdirectories) {
  include.Add("ALPHA");  // the lists compare without regard to case
  include.Add("gamma");
  include.Add("elsewhere");
  DirectoryChooserModel m = model();
  m.cbInclude = true;
  m.Show("Open", t.path("base"), true);
  m.SelectRows({rowOf(m, "Beta"), rowOf(m, "gamma")});
  EXPECT_EQ(m.Count, 3);
  SortedTextList merged = include;
  m.MergeSelection(merged);
  EXPECT_EQ(merged.Items(), (Strings{"Beta", "elsewhere", "gamma"}));
  EXPECT_EQ(static_cast<int>(merged.Count()), m.Count);
}

TEST_F(DirectoryChooserTest, TheEditorOfTheIndicatorReplacesTheListsAndTheCountFollows) {
  DirectoryChooserModel m = model();
  m.cbInclude = true;
  m.Show("Open", t.path("base"), true);
  EXPECT_EQ(m.Count, 0);
  m.EditLists = [](DirectoryListsEditor& editor) {
    editor.meInclude = "gamma\none\\two\\";
    return platform::DialogChoice::Run;
  };
  m.bnDirsClick();
  EXPECT_EQ(include.Items(), (Strings{"gamma", "one\\two"}));
  // gamma is in the list but shown unselected: OK would take it out again.
  EXPECT_EQ(m.Count, 1);
  m.EditLists = [](DirectoryListsEditor& editor) {
    editor.meInclude = "changed";
    return platform::DialogChoice::Cancel;
  };
  m.bnDirsClick();
  EXPECT_EQ(include.Items(), (Strings{"gamma", "one\\two"}));
}

TEST(DirectoryListsEditor, TheMemosLinesBecomeTheListsItems) {
  struct Case {
    const char* memo;
    Strings items;
  } cases[] = {
      {"", {}},
      {"data\\", {"data"}},
      {"\\", {}},
      {"\n\n\\\n", {}},
      {"\\data", {"\\data"}},
      {"data\\\\", {"data\\"}},  // one trailing "\" only
      {"a/b/\r\nother data\n", {"a\\b", "other data"}},
      {"mydata\notherdata\\private", {"mydata", "otherdata\\private"}},
  };
  for (const Case& c : cases) EXPECT_EQ(DirectoryLinesOf(c.memo), c.items) << c.memo;
}

TEST(DirectoryListsEditor, OkReplacesBothListsAndSaveWritesTheExcludeMemoAsItStands) {
  test::TempIni ini;
  SortedTextList include;
  SortedTextList exclude;
  include.Add("old");
  exclude.Add("system32");
  exclude.Add("java");
  DirectoryListsEditor editor(include, exclude);
  editor.Show();
  EXPECT_EQ(editor.meInclude, "old");
  EXPECT_EQ(editor.meExclude, "java\nsystem32");
  EXPECT_FALSE(editor.bnSaveVisible());
  EXPECT_NE(editor.LHelp().find("to Include for the next scan"), std::string::npos);
  editor.page = DirectoryListsEditor::Page::Exclude;
  EXPECT_TRUE(editor.bnSaveVisible());
  EXPECT_EQ(editor.LHelp(),
            "Specify specific directories to Exclude for all scans.\r\nEnter one directory per line, without "
            "starting \"\\\". Like this :\r\n  system\\java\r\n  system32\r\n");

  editor.meInclude = "b\\\n\na";
  editor.meExclude = "tmp\\\n\\\ncache";
  ASSERT_TRUE(editor.Save());
  EXPECT_NE(ini.read().find("Exclude=tmp\\;\\;cache"), std::string::npos) << ini.read();
  // Save leaves the lists alone; OK fills them.
  EXPECT_EQ(exclude.Items(), (Strings{"java", "system32"}));
  editor.Ok();
  EXPECT_EQ(include.Items(), (Strings{"a", "b"}));
  EXPECT_EQ(exclude.Items(), (Strings{"cache", "tmp"}));
}

}  // namespace
}  // namespace quorvane
