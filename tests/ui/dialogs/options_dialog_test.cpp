// The Options dialog's window: its controls mirror the model, clicks reach the model's
// events, OK and Save store.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "config/apply_masks.h"
#include "config/colour_sets.h"
#include "support/recording_user_interface.h"
#include "support/temp_ini.h"
#include "ui/dialogs/options_dialog.h"

namespace quorvane::ui {
namespace {

struct OptionsWindow {
  OptionsWindow() {
    ApplyMasks(settings, c.Masks, ui);
    dialog.model().printer = PrinterFacts{"Office", 0, {"Courier"}};
  }
  template <class T>
  T* child(const char* name) {
    T* w = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  Settings settings;
  test::RecordingUserInterface ui{nullptr};
  Comparison c{settings, ui};
  OptionsDialog dialog{c};
};

TEST(OptionsDialogWindow, EveryPageIsThereWithItsCaption) {
  OptionsWindow w;
  w.dialog.load(OptionsPage::Filters);
  ASSERT_EQ(w.dialog.pages()->count(), kOptionsPageCount);
  for (int i = 0; i < kOptionsPageCount; ++i)
    EXPECT_EQ(w.dialog.pages()->tabText(i).toStdString(), kOptionsPageNames[static_cast<std::size_t>(i)]);
  EXPECT_EQ(w.dialog.windowTitle(), "Filters options");
  w.dialog.pages()->setCurrentIndex(3);
  EXPECT_EQ(w.dialog.windowTitle(), "Display options");
  EXPECT_EQ(w.dialog.model().page(), OptionsPage::Display);
  EXPECT_TRUE(w.child<QPushButton>("bnSwitch")->isHidden());
}

TEST(OptionsDialogWindow, ClicksReachTheModelAndOkStores) {
  OptionsWindow w;
  w.dialog.load(OptionsPage::Scanning);
  QCheckBox* sfn = w.child<QCheckBox>("CheckSFN");
  QCheckBox* strip = w.child<QCheckBox>("CheckStrip83");
  strip->click();
  sfn->click();
  EXPECT_TRUE(sfn->isChecked());
  EXPECT_FALSE(strip->isChecked());

  QCheckBox* subDirs = w.child<QCheckBox>("CheckSubDir");
  subDirs->click();
  EXPECT_FALSE(w.child<QCheckBox>("CheckIgnorePath")->isEnabled());

  QLineEdit* include = w.child<QLineEdit>("WildInclude");
  include->clear();
  QTest::keyClicks(include, "*.TXTXXXXXXXXXXXXX");
  EXPECT_EQ(include->text(), "*.TXTXXXXXXX");  // at most 12 characters

  w.dialog.pages()->setCurrentIndex(1);
  QPushButton* switchButton = w.child<QPushButton>("bnSwitch");
  EXPECT_FALSE(switchButton->isHidden());
  switchButton->click();
  EXPECT_TRUE(switchButton->isChecked());
  EXPECT_EQ(w.child<QGroupBox>("gbExcludeFilters")->title(), "Include filter");
  EXPECT_TRUE(w.child<QCheckBox>("OIdentical")->isChecked());
  EXPECT_EQ(w.child<QCheckBox>("OIdentical")->toolTip(), "Include files that are identical");
  w.child<QCheckBox>("OIdentical")->click();  // include: hide identical files
  EXPECT_EQ(w.child<QComboBox>("cbTemplates")->currentIndex(), 0);

  w.dialog.ok();
  EXPECT_EQ(w.dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(w.settings.SFN);
  EXPECT_FALSE(w.settings.Strip83);
  EXPECT_FALSE(w.settings.Recurse);
  EXPECT_EQ(w.settings.IncludeMask, "*.TXTXXXXXXX");
  EXPECT_EQ(w.c.Files.XFilter, 0xFFFE);
}

TEST(OptionsDialogWindow, TimeToleranceSpinsReachTheModelAndOkStores) {
  OptionsWindow w;
  w.dialog.load(OptionsPage::Scanning);
  QSpinBox* tolerance = w.child<QSpinBox>("SpinTimeTolerance");
  QSpinBox* shift = w.child<QSpinBox>("SpinHourShift");
  EXPECT_EQ(tolerance->maximum(), 3600);
  EXPECT_EQ(shift->maximum(), 2);
  EXPECT_EQ(tolerance->value(), 0);
  tolerance->setValue(2);
  shift->setValue(1);
  EXPECT_EQ(w.dialog.model().scanning.SpinTimeTolerance, 2);
  w.dialog.ok();
  EXPECT_EQ(w.settings.TimeTolerance, 2);
  EXPECT_EQ(w.settings.IgnoreHourShift, 1);
}

TEST(OptionsDialogWindow, ColourButtonsOnlyForCustomAndSamplesShown) {
  OptionsWindow w;
  w.dialog.load(OptionsPage::Display);
  QPushButton* fore = w.child<QPushButton>("bnForeColor");
  EXPECT_FALSE(fore->isEnabled());  // Pastel by default
  QComboBox* sets = w.child<QComboBox>("cbColorSet");
  sets->setCurrentIndex(3);
  emit sets->activated(3);
  EXPECT_TRUE(fore->isEnabled());
  EXPECT_TRUE(w.child<QPushButton>("bnResetColor")->isEnabled());

  w.dialog.pages()->setCurrentIndex(6);
  EXPECT_EQ(w.child<QLabel>("OBatchSample")->text(), " Path\\Filename.Ext ");
  w.child<QCheckBox>("OBatchDrive")->click();
  EXPECT_EQ(w.child<QLabel>("OBatchSample")->text(), " X:Path\\Filename.Ext ");
  EXPECT_EQ(w.child<QLabel>("LSample")->text(), "meld NewFile.ext oldFile.ext");
  EXPECT_TRUE(w.child<QLabel>("LLayoutSample")->text().startsWith("[Pelto Diff file]\n"));
}

TEST(OptionsDialogWindow, SaveWritesTheIniFile) {
  test::TempIni ini;
  OptionsWindow w;
  w.dialog.load(OptionsPage::User);
  QCheckBox* quitSave = w.child<QCheckBox>("cbQuitSave");
  quitSave->click();
  w.dialog.save();
  EXPECT_FALSE(w.settings.QuitSave);
  EXPECT_NE(ini.read().find("QuitSave=0"), std::string::npos) << ini.read();
}

}  // namespace
}  // namespace quorvane::ui
