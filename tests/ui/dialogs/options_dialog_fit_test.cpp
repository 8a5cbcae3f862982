// The Options dialog on a screen lower than its tallest page: every page scrolls inside a
// window that stays on the screen, with its buttons.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

#include "config/apply_masks.h"
#include "support/recording_user_interface.h"
#include "ui/dialogs/options_dialog.h"

namespace quorvane::ui {
namespace {

TEST(OptionsDialogFit, EveryPageFitsTheScreenInAScrollArea) {
  Settings settings;
  test::RecordingUserInterface ui{nullptr};
  Comparison c{settings, ui};
  ApplyMasks(settings, c.Masks, ui);
  OptionsDialog dialog(c);
  dialog.load(OptionsPage::Scanning);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const int room = dialog.screen()->availableGeometry().height();
  EXPECT_LE(dialog.frameGeometry().height(), room);
  // The pages scroll, so the window fits a screen far lower than its tallest page.
  EXPECT_LT(dialog.minimumSizeHint().height(), 480);
  EXPECT_GT(dialog.sizeHint().height(), 480);
  QTabWidget* tabs = dialog.pages();
  ASSERT_EQ(tabs->count(), 8);
  for (int i = 0; i < tabs->count(); ++i) {
    auto* area = qobject_cast<QScrollArea*>(tabs->widget(i));
    ASSERT_NE(area, nullptr) << i;
    EXPECT_EQ(tabs->tabText(i).isEmpty(), false);
  }
  auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("bnOK"));
  ASSERT_NE(ok, nullptr);
  EXPECT_LE(ok->mapTo(&dialog, ok->rect().bottomLeft()).y(), dialog.height());
}

}  // namespace
}  // namespace quorvane::ui
