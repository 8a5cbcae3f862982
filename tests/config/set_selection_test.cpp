#include "config/set_selection.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "engine/errors.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

TEST(History, NewestFirstWithoutDuplicatesWithinTheLimit) {
  std::vector<std::string> list;
  for (int i = 0; i < 11; ++i) AddToHistory(list, "d" + std::to_string(i), 10);
  ASSERT_EQ(list.size(), 10u);
  EXPECT_EQ(list.front(), "d10");
  EXPECT_EQ(list.back(), "d1");  // the eleventh pushed out the oldest
  const auto before = list;
  AddToHistory(list, "d10", 10);
  EXPECT_EQ(list, before);  // already at the top
  AddToHistory(list, "d5", 10);
  EXPECT_EQ(list.front(), "d5");
  EXPECT_EQ(list.size(), 10u);
  EXPECT_EQ(std::count(list.begin(), list.end(), "d5"), 1);
}

class SetSelectionTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  SetSelectionTest() : ComparisonFixture(nullptr), sel(c) {}
  test::TempTree t;
  SetSelection sel;
};

TEST_F(SetSelectionTest, DirectoriesGetASlashAndANote) {
  t.dir("data");
  sel.OpenSetDirectory(t.root() + "data", Side::New, true);
  EXPECT_EQ(c.State.NewSet.Root, t.root() + "data/");
  EXPECT_EQ(c.State.NewSet.Kind, SetKind::Directory);
  const std::string& note = sel.Selection(Side::New).Note;
  EXPECT_TRUE(note == "  <Unlabeled>" || note.rfind("  [", 0) == 0) << note;
  EXPECT_EQ(sel.Selection(Side::New).Label, t.root() + "data/" + note);
  EXPECT_FALSE(c.State.Commands.Diff);  // the Old set is still missing
  EXPECT_TRUE(c.State.Commands.TakeSnapshot);
}

TEST_F(SetSelectionTest, ChoosingAfterResultsStartsANewPairUnlessKeepingTheOtherSide) {
  sel.OpenSetDirectory(t.root() + "a", Side::New, true);
  sel.OpenSetDirectory(t.root() + "b", Side::Old, true);
  EXPECT_TRUE(c.State.Commands.Diff);
  c.Files.XFilter = 0x00F0;
  c.State.DiffInMemory = true;  // a comparison finished
  sel.OpenSetDirectory(t.root() + "c", Side::Old, true);
  EXPECT_EQ(c.State.NewSet.Kind, SetKind::Nothing);
  EXPECT_EQ(c.State.NewSet.Root, "<Empty>");
  EXPECT_EQ(sel.Selection(Side::New).Label, "<Empty>");

  sel.OpenSetDirectory(t.root() + "a", Side::New, true);
  EXPECT_EQ(c.Files.XFilter, 0xFFFF);  // FilterClear with both sets chosen
  c.State.DiffInMemory = true;
  c.Files.XFilter = 0x00F0;
  sel.PositionalCount = 2;  // start-up opening command-line sets keeps the filter
  sel.OpenSetDirectory(t.root() + "d", Side::Old, false);  // a drop keeps the other side
  EXPECT_EQ(c.State.NewSet.Root, t.root() + "a/");
  EXPECT_EQ(c.Files.XFilter, 0x00F0);
}

TEST_F(SetSelectionTest, FilesByKindWithTheTypeQuestion) {
  t.file("x.dat", "[Quorvane Snapshot]\r\nline\r\n.Source (New) : /home/me/src\r\n");
  ui.scriptFileType(9);
  sel.OpenSetFile(t.path("x.dat"), Side::New, true);
  EXPECT_EQ(c.State.NewSet.Kind, SetKind::Snapshot);
  EXPECT_EQ(sel.Selection(Side::New).Note, "  [/home/me/src]");

  sel.OpenSetFile(t.path("x.dat"), Side::Old, true);  // Cancel: nothing changes
  EXPECT_EQ(c.State.OldSet.Kind, SetKind::Nothing);

  t.file("y.ace", "x");
  sel.OpenSetFile(t.path("y.ace"), Side::Old, true);
  EXPECT_EQ(c.State.OldSet.Kind, SetKind::Nothing);
  EXPECT_EQ(ui.asked().back().text, "Only ZIP, JAR, RAR, ARJ archives are supported yet");

  t.file("bad.snp", "no header\r\n");
  EXPECT_THROW(sel.OpenSetFile(t.path("bad.snp"), Side::Old, true), eSnpHeader);
  EXPECT_THROW(sel.OpenSetFileOfKind(t.path("missing.snp"), SetKind::Snapshot, Side::Old, true), eSnpOpen);
  EXPECT_EQ(c.State.OldSet.Kind, SetKind::Nothing);  // the side keeps its previous set

  t.file("p.zip", "PK");
  sel.OpenSetFile(t.path("p.zip"), Side::Old, true);
  EXPECT_EQ(c.State.OldSet.Kind, SetKind::Zip);
  EXPECT_EQ(sel.Selection(Side::Old).Note, "");
  EXPECT_TRUE(c.State.Commands.Diff);
}

// An answer of the file type window that is no set kind chooses nothing, as Cancel does.
TEST_F(SetSelectionTest, AFileTypeAnswerOutsideTheKindsChoosesNothing) {
  t.file("x.dat", "[Quorvane Snapshot]\r\nline\r\n");
  for (const std::uint8_t answer : {10, 42, 255}) {
    ui.scriptFileType(answer);
    sel.OpenSetFile(t.path("x.dat"), Side::New, true);
    EXPECT_EQ(c.State.NewSet.Kind, SetKind::Nothing) << int(answer);
    EXPECT_EQ(c.State.NewSet.Root, "<Empty>") << int(answer);
  }
}

// Only the header of a snapshot is read to choose it, a line at a time: a sparse file of
// 2 GiB costs no memory, whether its first line ends or not.
TEST_F(SetSelectionTest, ASnapshotIsChosenFromItsHeaderInBoundedMemory) {
  const auto sparse = [&](const std::string& name, const std::string& start) {
    const std::string path = t.path(name);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::write(fd, start.data(), start.size()), static_cast<ssize_t>(start.size()));
    EXPECT_EQ(::ftruncate(fd, std::int64_t{2} << 30), 0);
    ::close(fd);
    return path;
  };
  const auto peakKiB = [] {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
  };
  const std::string headed = sparse("headed.snp", "[Pelto LIST]\r\n\r\n.Version 1.6\r\n.Source (DIRECTORY) : /d/\r\n");
  const std::string unended = sparse("unended.snp", "[Pelto LIST]");
  const long before = peakKiB();
  sel.OpenSetFileOfKind(headed, SetKind::Snapshot, Side::Old, true);
  EXPECT_EQ(c.State.OldSet.Kind, SetKind::Snapshot);
  EXPECT_EQ(sel.Selection(Side::Old).Note, "  [/d/]");
  EXPECT_THROW(sel.OpenSetFileOfKind(unended, SetKind::Snapshot, Side::New, true), eSnpHeader);
  EXPECT_LT(peakKiB() - before, 64 * 1024) << "peak memory grew by KiB";
}

TEST_F(SetSelectionTest, HistoryIsWrittenOnlyWhenKept) {
  const std::string ini = t.path("Quorvane.ini");
  setenv("QUORVANE_INI", ini.c_str(), 1);
  settings.History.Dirs = {"/a/", "/b/"};
  settings.History.Files = {"/f.zip"};
  settings.SaveHistory = false;
  SaveHistoryLists(settings);
  std::stringstream text;
  text << std::ifstream(ini).rdbuf();
  EXPECT_NE(text.str().find("SelectIncludeDirs=0"), std::string::npos);
  EXPECT_EQ(text.str().find("[History]"), std::string::npos);
  settings.SaveHistory = true;
  SaveHistoryLists(settings);
  text.str("");
  text << std::ifstream(ini).rdbuf();
  EXPECT_NE(text.str().find("Dir1=/b/"), std::string::npos);
  EXPECT_NE(text.str().find("File0=/f.zip"), std::string::npos);
  unsetenv("QUORVANE_INI");
}

}  // namespace
}  // namespace quorvane
