// The entry under the cursor and the selected side, from grid clicks after a comparison.
#include <gtest/gtest.h>

#include "program/pointed_entry.h"
#include "program/report_writers.h"
#include "program/run_commands.h"
#include "program/set_commands.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "support/temp_ini.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

class PointedEntryTest : public ::testing::Test {
 protected:
  PointedEntryTest() : ui(nullptr), program(ui, readers, writers) {
    program.settings.CloseProgressDlg = true;
    program.settings.ShowStatusDlg = false;
    t.file("new/added.txt", "added");
    t.file("new/same.txt", "same");
    t.file("old/gone.txt", "gone");
    t.file("old/same.txt", "same");
    ChooseSetDirectory(program, Side::New, t.path("new"));
    ChooseSetDirectory(program, Side::Old, t.path("old"));
    Diff(program);  // rows: 1 added.txt (Inserted), 2 gone.txt (Deleted), 3 same.txt
  }

  test::TempIni ini;
  test::TempTree t;
  test::RecordingUserInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
};

TEST_F(PointedEntryTest, TheCellDecidesTheEntryTheSideAndTheCommands) {
  struct Case {
    int row, column, left, right;
    const char* pointed;  // nullptr: none
    bool newSide;
    SelectedSide side;
    const char* shown;
  };
  const Case cases[] = {
      {1, 1, 1, 1, "added.txt", true, SelectedSide::New, "added.txt"},
      {1, 6, 6, 6, nullptr, true, SelectedSide::Old, "<No file selected>"},  // Inserted: no Old file
      {2, 2, 2, 2, nullptr, true, SelectedSide::New, "<No file selected>"},  // Deleted: no New file
      {2, 7, 5, 8, "gone.txt", false, SelectedSide::Old, "gone.txt"},
      {3, 9, 9, 9, nullptr, true, SelectedSide::Old, "<No file selected>"},  // the directory column
      {3, 4, 1, 9, "same.txt", true, SelectedSide::None, "same.txt"},        // both sides selected
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "row " << k.row << " column " << k.column);
    GridPointer g;
    PointAt(g, program.comparison, k.row, k.column, k.left, k.right);
    if (k.pointed) {
      ASSERT_NE(g.pointed.entry, nullptr);
      EXPECT_EQ(g.pointed.entry->Path(), k.pointed);
      EXPECT_EQ(g.pointed.newSide, k.newSide);
      EXPECT_TRUE(g.pointed.openable);
    } else {
      EXPECT_EQ(g.pointed.entry, nullptr);
    }
    EXPECT_EQ(g.selectedSide, k.side);
    EXPECT_EQ(g.popupFileName, k.shown);
    EXPECT_EQ(g.informations, k.pointed != nullptr);
    EXPECT_EQ(g.openFile, k.pointed != nullptr);
    EXPECT_EQ(g.copy, k.side != SelectedSide::None);
    EXPECT_EQ(g.fileOperations, k.side != SelectedSide::None);
  }
}

TEST_F(PointedEntryTest, TheHeaderAndTheRowNumbersPointAtNothingAndKeepTheShownName) {
  GridPointer g;
  PointAt(g, program.comparison, 3, 1, 1, 1);
  ASSERT_NE(g.pointed.entry, nullptr);
  for (const auto& [row, column] : {std::pair{0, 3}, std::pair{2, 0}}) {
    PointAt(g, program.comparison, row, column, 1, 1);
    EXPECT_EQ(g.pointed.entry, nullptr);
    EXPECT_EQ(g.popupFileName, "same.txt");
    EXPECT_TRUE(g.copy);  // the commands keep their state until a cell is pointed
  }
}

TEST_F(PointedEntryTest, AnArchiveEntryCanBeShownButNotOpened) {
  program.comparison.State.OldSet.Kind = SetKind::Zip;
  GridPointer g;
  PointAt(g, program.comparison, 3, 5, 5, 5);
  ASSERT_NE(g.pointed.entry, nullptr);
  EXPECT_FALSE(g.pointed.openable);
  EXPECT_TRUE(g.informations);
  EXPECT_FALSE(g.openFile);
  EXPECT_FALSE(g.fileOperations);
  EXPECT_TRUE(g.copy);
}

}  // namespace
}  // namespace quorvane
