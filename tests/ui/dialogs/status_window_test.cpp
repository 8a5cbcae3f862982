// The comparison status window shows the texts of the last run, "Saved" in green and
// "Not saved" in red, and closes on Escape and Enter.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "program/status_texts.h"
#include "ui/dialogs/modal_answer.h"
#include "ui/dialogs/status_window.h"

namespace quorvane::ui {
namespace {

platform::StatusSummary knownRun() {
  platform::StatusSummary s;
  s.filesCompared = 120;
  s.matching = 61;
  s.newDuplicates = 1;
  s.oldDuplicates = 2;
  s.filesInError = 3;
  const std::uint32_t shown[8] = {40, 2, 9, 5, 3, 1, 0, 1};
  for (int i = 0; i < 8; ++i) s.shownCounts[i] = shown[i];
  s.memoryUsed = 20480;
  s.elapsedMs = 65250;
  return s;
}

QString text(const StatusWindow& w, const char* name) { return w.findChild<QLabel*>(name)->text(); }

TEST(StatusWindowTest, TheLabelsShowTheTextsOfTheRun) {
  StatusWindow w;
  w.fill(StatusTextsOf(knownRun()));
  const std::pair<const char*, const char*> expected[] = {
      {"LCompared", "120"}, {"LMatching", "61"},  {"LNewDupes", "1"},        {"LOldDupes", "2"},
      {"LErrFiles", "3"},   {"LSame", "40"},      {"LDiffers", "2"},         {"LInserted", "9"},
      {"LDeleted", "5"},    {"LNewer", "3"},      {"LOlder", "1"},           {"LBigger", "0"},
      {"LSmaller", "1"},    {"LMemUsedLeft", "20 kb used"}, {"LElapsed", "00:01:05  250'"},
      {"LSaveStatus", "Not saved"},
  };
  for (const auto& [name, value] : expected) EXPECT_EQ(text(w, name), value) << name;
  EXPECT_EQ(w.windowTitle(), "Comparison status");
}

TEST(StatusWindowTest, SavedIsGreenNotSavedRedAndTheWarningFollowsTheRun) {
  StatusWindow w;
  platform::StatusSummary s = knownRun();
  const QLabel* save = w.findChild<QLabel*>("LSaveStatus");
  const QLabel* warning = w.findChild<QLabel*>("LWarningPath");
  w.show();

  w.fill(StatusTextsOf(s));
  EXPECT_EQ(save->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_FALSE(warning->isVisible());

  s.saved = true;
  s.subdirectoriesWarning = true;
  w.fill(StatusTextsOf(s));
  EXPECT_EQ(save->text(), "Saved");
  EXPECT_EQ(save->palette().color(QPalette::WindowText), QColor(0, 128, 0));
  EXPECT_TRUE(warning->isVisible());
  EXPECT_EQ(warning->text(), "Warning : subdirectories found in archive");
}

TEST(StatusWindowTest, EscapeAndEnterCloseF1AsksForItsTopic) {
  StatusWindow w;
  QSignalSpy help(&w, &StatusWindow::helpRequested);
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
    test::WhenModal<StatusWindow>([&](StatusWindow* shown) {
      QTest::keyClick(shown, Qt::Key_F1);
      QTest::keyClick(shown, key);
    });
    w.showTexts(StatusTextsOf(knownRun()));
    EXPECT_FALSE(w.isVisible()) << key;
  }
  ASSERT_EQ(help.count(), 2);
  EXPECT_EQ(help.at(0).at(0).toString(), "Comparison_status");
}

}  // namespace
}  // namespace quorvane::ui
