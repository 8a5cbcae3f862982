#include "platform/headless_user_interface.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorvane::platform {
namespace {

// What a script's author reads on standard error, and the answers the program goes on with.
TEST(HeadlessUserInterface, WritesEveryPromptWithItsPathAndReasonAndGivesTheSafeAnswer) {
  std::ostringstream err;
  HeadlessUserInterface ui(&err);
  EXPECT_EQ(ui.message("Overwrite ?\rreally", MessageKind::Confirmation, MessageButtons::YesNo), Answer::No);
  EXPECT_EQ(ui.messageAbout("Error opening", MessageKind::Error, MessageButtons::Ok, {"/d/a.zip", "Permission denied"}),
            Answer::Ok);
  EXPECT_EQ(ui.askFileAction("Error reading : a.txt", "/d/a.txt", "&Retry", {}, "Input/output error"),
            FileAction::Skip);
  EXPECT_EQ(ui.askFileAction("Error opening : b.txt", "/d/b.txt", "&Retry", {}, {}), FileAction::Skip);
  EXPECT_EQ(ui.chooseFileType(), 0);
  EXPECT_EQ(ui.printer(), nullptr);
  EXPECT_FALSE(ui.mainWindowExists());
  EXPECT_EQ(ui.nameMetrics(), nullptr);
  EXPECT_EQ(err.str(),
            "quorvane: Confirmation: Overwrite ?\nreally [No]\n"
            "quorvane: Error: Error opening\n"
            "quorvane:   /d/a.zip: Permission denied\n"
            "quorvane: Error reading : a.txt /d/a.txt: Input/output error\n"
            "quorvane: Error opening : b.txt /d/b.txt\n");
}

TEST(NameMetrics, AWidthIsTheSumOfItsBytes) {
  NameMetrics metrics = NameMetrics::fixedPitch(7);
  metrics.byteWidths['i'] = 3;
  metrics.byteWidths[0xC3] = 9;  // lead byte of a two-byte character
  metrics.byteWidths[0xA9] = 0;  // its continuation byte
  EXPECT_EQ(metrics.width(""), 0);
  EXPECT_EQ(metrics.width("ab"), 14);
  EXPECT_EQ(metrics.width("mini"), 7 + 3 + 7 + 3);
  EXPECT_EQ(metrics.width("caf\xC3\xA9"), 7 * 3 + 9);
}

}  // namespace
}  // namespace quorvane::platform
