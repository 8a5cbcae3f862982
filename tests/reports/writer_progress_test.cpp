#include "reports/writer_progress.h"

#include <gtest/gtest.h>

#include "support/recording_user_interface.h"

namespace quorvane {
namespace {

TEST(WriterProgress, PercentRoundsToTheNearestInteger) {
  const std::vector<std::tuple<std::uint64_t, std::uint64_t, int>> cases = {
      {0, 10, 0}, {1, 3, 33}, {2, 3, 67}, {1, 200, 1}, {1, 201, 0}, {5, 5, 100}, {7, 0, 0}, {499999999, 500000000, 100},
  };
  for (const auto& [index, count, percent] : cases) {
    EXPECT_EQ(WriterProgress::Percent(index, count), percent) << index << " of " << count;
  }
}

TEST(WriterProgress, RefreshesAndPumpsOnlyAfterMoreThan200Ms) {
  test::RecordingUserInterface ui(nullptr);
  std::uint64_t now = 1000;
  WriterProgress progress(ui, [&] { return now; });
  progress.Open("Saving", "Saving a.snp", "...");
  now += 200;  // not more than 200 ms: nothing
  EXPECT_FALSE(progress.Step(1, 4));
  EXPECT_EQ(ui.pumpCount(), 0);
  now += 1;
  EXPECT_FALSE(progress.Step(2, 4));
  EXPECT_EQ(ui.pumpCount(), 1);
  EXPECT_EQ(ui.printProgress().bars, (std::vector<int>{0, 50}));
  EXPECT_EQ(ui.printProgress().status2, (std::vector<std::string>{"..."}));  // no percentage text unless asked
  progress.ShowPercentText(true);
  now += 500;
  EXPECT_FALSE(progress.Step(3, 4));
  EXPECT_EQ(ui.printProgress().status2.back(), "75% completed...");
  // Abort is noticed where input is processed.
  ui.onPump = [&] { ui.requestAbort(); };
  EXPECT_FALSE(progress.Step(3, 4));  // too soon: no pump
  now += 201;
  EXPECT_TRUE(progress.Step(3, 4));
  progress.Close("Operation aborted by user.", false, false, false);
  EXPECT_EQ(ui.printProgress().bars.back(), 75);
  EXPECT_EQ(ui.printProgress().status2.back(), "Operation aborted by user.");
  EXPECT_TRUE(ui.printProgress().closedModally);
  EXPECT_FALSE(ui.printProgress().visible);
}

TEST(WriterProgress, SavingStatusNamesTheFileWithoutItsDirectory) {
  EXPECT_EQ(SavingStatus("/home/me/reports/today.dif"), "Saving today.dif");
  EXPECT_EQ(SavingStatus("plain.txt"), "Saving plain.txt");
}

}  // namespace
}  // namespace quorvane
