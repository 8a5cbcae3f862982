// The Options dialog's controls, events and storing, without its window.
#include "program/options_dialog_model.h"

#include <gtest/gtest.h>

#include "config/apply_masks.h"
#include "config/colour_sets.h"
#include "config/ini_file.h"
#include "program/options_samples.h"
#include "program/options_templates.h"
#include "support/recording_user_interface.h"
#include "support/temp_ini.h"

namespace quorvane {
namespace {

const std::vector<std::string> kScreenFonts = {"DejaVu Sans", "Arial", "Liberation Mono"};

// A program's settings and comparison, with the masks of the settings in force, and the
// dialog over them.
struct OptionsFixture {
  explicit OptionsFixture(const Settings& start = {}) : settings(start) {
    ApplyMasks(settings, c.Masks, ui);
    dialog.screenFonts = kScreenFonts;
    dialog.printer = PrinterFacts{"Office", 0, {"Courier", "Liberation Mono"}};
  }

  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const auto& a : ui.asked()) out.push_back(a.text);
    return out;
  }

  Settings settings;
  test::RecordingUserInterface ui{nullptr};
  Comparison c{settings, ui};
  OptionsDialogModel dialog{c};
};

// Every value the dialog edits moved off its default, fonts that are installed.
Settings EditedSettings() {
  Settings s;
  for (bool Settings::*f :
       {&Settings::CloseProgressDlg, &Settings::SaveWindowPos, &Settings::SaveHistory, &Settings::ShowHelpBubbles,
        &Settings::OptSetsAboveColumns, &Settings::QuitSave, &Settings::SyncWarning, &Settings::FilterClear,
        &Settings::FilterSave, &Settings::FilterPrint, &Settings::NoPath, &Settings::Strip83, &Settings::WarnDup,
        &Settings::Pause, &Settings::Quick, &Settings::SpecialAlsoArc, &Settings::Recurse, &Settings::ShowStatusDlg,
        &Settings::StartIfCmdLine, &Settings::SkipAllFiles, &Settings::HiddenDirs, &Settings::ExcludeErrFiles,
        &Settings::VolumeID, &Settings::CheckMovedFiles, &Settings::MovedFilesByCRC,
        &Settings::MovedFilesIgnoreArcExt, &Settings::Win95Dirs, &Settings::ClearIncludeDirs,
        &Settings::TrackSelection, &Settings::AutoColWidth, &Settings::SaveColWidth, &Settings::BatchDrive,
        &Settings::BatchPath, &Settings::BatchFull, &Settings::BatchExt, &Settings::DiffDblColumn, &Settings::DiffCRC,
        &Settings::DiffDate, &Settings::DiffSize, &Settings::DiffMovedTo, &Settings::DiffShortStatus,
        &Settings::DiffDatimStatus, &Settings::DiffSizeStatus, &Settings::DiffAppendStatus,
        &Settings::ConfirmOverwrite, &Settings::ConfirmAssociation, &Settings::ConfirmDefaultViewer,
        &Settings::ConfirmUserTool, &Settings::SaveFilters})
    s.*f = !(s.*f);
  s.SpecialAttr = 0x06;
  s.TimeTolerance = 2;
  s.IgnoreHourShift = 1;
  s.IncludeMask = "*.TXT";
  s.ExcludeMask = "*.BAK;~*.*";
  s.DateFormat = 2;
  s.ColorSet = 3;
  s.DisplayFontSize = 11;
  s.DisplayFontName = "Liberation Mono";
  for (std::size_t i = 0; i < kStatusCount; ++i) {
    s.CustomColours.Fore[i] = 0x00010203u * static_cast<std::uint32_t>(i + 1);
    s.CustomColours.Back[i] = 0x00FFFFFFu - static_cast<std::uint32_t>(i);
    s.CustomStyles[i] = static_cast<std::uint8_t>(15 - i);
  }
  s.PrinterFontSize = 9;
  s.PrinterFontName = "Liberation Mono";
  s.PrinterStyleSet = 2;
  s.OutputFile = "/tmp/report.txt";
  s.BatchBefore = "cp -v ";
  s.BatchAfter = " /backup/";
  s.DefaultViewer = "less";
  s.DefaultUserTool = "kdiff3";
  s.DefaultUserParms = "%o %n";
  return s;
}

// --- Opening and pressing OK -------------------------------------------------------------

TEST(OptionsDialog, OkWithoutAChangeKeepsEverySettingButTheListedOnes) {
  struct Case {
    const char* name;
    Settings settings;
    std::uint16_t xFilter, iFilter;
  };
  Settings pastelVolume = EditedSettings();
  pastelVolume.ColorSet = 1;
  pastelVolume.SpecialAttr = 0x0E;  // with the volume-label bit
  pastelVolume.DisplayFontName = "Not Installed";
  pastelVolume.PrinterFontName = "Gone Either";
  const Case cases[] = {
      {"defaults", Settings{}, 0xFFFF, 0xFFFF},
      {"edited", EditedSettings(), 0xFFD6, 0xFF0D},
      {"pastel, volume bit, fonts not installed", pastelVolume, 0xFF00, 0xFFCF},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    OptionsFixture f(k.settings);
    f.c.Files.XFilter = k.xFilter;
    f.c.Files.IFilter = k.iFilter;
    Settings expected = f.settings;  // after ApplyMasks ("" include becomes "*.*")
    f.dialog.Open(OptionsPage::Scanning);
    const OptionsResult result = f.dialog.Ok();

    EXPECT_EQ(result, OptionsResult::Ok);
    expected.SpecialAttr &= 0x06;
    expected.CustomColours = ColoursOfSet(k.settings, k.settings.ColorSet);
    if (expected.DisplayFontName == "Not Installed") expected.DisplayFontName = kScreenFonts.front();
    if (expected.PrinterFontName == "Gone Either") expected.PrinterFontName = "Courier";
    const bool fontReplaced = expected.DisplayFontName != k.settings.DisplayFontName;
    if (fontReplaced) expected.ColWidths[0] = 0;
    EXPECT_TRUE(f.settings == expected);
    EXPECT_EQ(f.c.Files.XFilter, k.xFilter);
    EXPECT_EQ(f.c.Files.IFilter, k.iFilter);
    EXPECT_EQ(f.c.Masks.Include.MaskText(), expected.IncludeMask);
    EXPECT_EQ(ExcludeMaskText(f.c.Masks), expected.ExcludeMask);
    EXPECT_TRUE(f.messages().empty());
    EXPECT_FALSE(f.dialog.lastNotices().hintsChanged);
    EXPECT_EQ(f.dialog.lastNotices().gridRelayout, fontReplaced);
    EXPECT_FALSE(f.dialog.active);
  }
}

TEST(OptionsDialog, OkKeepsAMaskLongerThanTheEditTakes) {
  Settings s;
  s.IncludeMask = "LONGFILENAME*.TXT";  // as the command line may give it
  OptionsFixture f(s);
  f.dialog.Open(OptionsPage::Scanning);
  f.dialog.Ok();
  EXPECT_EQ(f.settings.IncludeMask, "LONGFILENAME*.TXT");
  EXPECT_EQ(f.c.Masks.Include.MaskText(), "LONGFILENAME*.TXT");
}

TEST(OptionsDialog, CancelStoresNothingAndTheNextShowingReloads) {
  OptionsFixture f(EditedSettings());
  const Settings before = f.settings;
  f.dialog.Open(OptionsPage::User);
  f.dialog.user.cbQuitSave = !f.dialog.user.cbQuitSave;
  f.dialog.scanning.WildInclude = "*.CPP";
  f.dialog.cbColorSetChange(2);
  EXPECT_EQ(f.dialog.Cancel(), OptionsResult::Cancel);
  EXPECT_TRUE(f.settings == before);
  EXPECT_EQ(f.c.Masks.Include.MaskText(), "*.TXT");

  f.dialog.Open(OptionsPage::User);
  EXPECT_EQ(f.dialog.user.cbQuitSave, before.QuitSave);
  EXPECT_EQ(f.dialog.scanning.WildInclude, "*.TXT");
  EXPECT_EQ(f.dialog.display.cbColorSet, 3);
  EXPECT_EQ(f.dialog.workingColours, before.CustomColours);
}

TEST(OptionsDialog, LoadShowsTheSettingsInTheControls) {
  OptionsFixture f(EditedSettings());
  f.c.Files.IFilter = 0xFFDD;  // one date bit set, both size bits set, the CRC bit clear
  f.dialog.Open(OptionsPage::Scanning);
  const OptionsDialogModel& d = f.dialog;
  EXPECT_EQ(d.scanning.WildInclude, "*.TXT");
  EXPECT_EQ(d.scanning.WildExclude, "*.BAK;~*.*");
  EXPECT_FALSE(d.scanning.CheckCRC);  // Quick on
  EXPECT_TRUE(d.scanning.CheckSys && d.scanning.CheckHid);
  EXPECT_EQ(d.scanning.SpinTimeTolerance, 2);
  EXPECT_EQ(d.scanning.SpinHourShift, 1);
  EXPECT_TRUE(d.filters.iDate);
  EXPECT_FALSE(d.filters.iSize);
  EXPECT_TRUE(d.filters.iCRC);
  EXPECT_EQ(d.display.CFontSize, "11");
  EXPECT_EQ(d.display.CFontName, "Liberation Mono");
  EXPECT_EQ(d.printing.LPrinterName, "Office");
  EXPECT_EQ(d.printing.LOrientation, "Portrait");
  EXPECT_EQ(d.batch.OBatchBefore, "cp -v");
  EXPECT_EQ(d.batch.OBatchAfter, "/backup/");
  EXPECT_EQ(d.tools.LSample, "kdiff3 oldFile.ext NewFile.ext");
  EXPECT_EQ(d.workingStyles, f.settings.CustomStyles);
}

TEST(OptionsDialog, TimeToleranceSpinsStoreIntoTheSettings) {
  OptionsFixture f(Settings{});
  f.dialog.Open(OptionsPage::Scanning);
  EXPECT_EQ(f.dialog.scanning.SpinTimeTolerance, 0);
  EXPECT_EQ(f.dialog.scanning.SpinHourShift, 0);
  f.dialog.scanning.SpinTimeTolerance = 2;
  f.dialog.scanning.SpinHourShift = 5;  // beyond the range: the largest shift
  f.dialog.Ok();
  EXPECT_EQ(f.settings.TimeTolerance, 2);
  EXPECT_EQ(f.settings.IgnoreHourShift, 2);
}

// --- Filters: templates, status boxes, Switch ----------------------------------------------

TEST(OptionsDialog, EachTemplateChecksItsBoxesAndStoresItsMask) {
  struct Case {
    const char* entry;
    std::uint16_t xFilter;  // after OK
  };
  const Case cases[] = {
      {"Show all files", 0xFFFF},
      {"Show differences only", 0xFFFE},
      {"Show identical files only", 0xFF01},
      {"Show New files only", 0xFFD6},
      {"Show Obsolete files only", 0xFFEA},
      {"Exclude inserted/deleted files", 0xFFF3},
  };
  for (const Case& k : cases) {
    for (const bool include : {false, true}) {
      SCOPED_TRACE(std::string(k.entry) + (include ? ", include presentation" : ", exclude presentation"));
      OptionsFixture f;
      f.c.Files.XFilter = 0x1234;  // every template replaces whatever was checked
      f.dialog.includePresentation = include;
      f.dialog.Open(OptionsPage::Filters);
      int entry = -1;
      for (std::size_t i = 0; i < kFilterTemplates.size(); ++i)
        if (kFilterTemplates[i].name == k.entry) entry = static_cast<int>(i);
      ASSERT_GE(entry, 1);
      f.dialog.cbTemplatesChange(entry);
      EXPECT_EQ(f.dialog.filters.cbTemplates, entry);
      for (std::size_t i = 0; i < kStatusCount; ++i) {
        const bool hidden = (k.xFilter & (1u << i)) == 0;
        EXPECT_EQ(f.dialog.filters.*kStatusBoxes[i], include ? !hidden : hidden) << "status " << i;
      }
      f.dialog.Ok();
      EXPECT_EQ(f.c.Files.XFilter, k.xFilter);
    }
  }
}

TEST(OptionsDialog, CustomTemplateChangesNothingAndClickingABoxSelectsIt) {
  OptionsFixture f;
  f.c.Files.XFilter = 0xFFD6;
  f.dialog.Open(OptionsPage::Filters);
  EXPECT_EQ(f.dialog.filters.cbTemplates, kCustomTemplate);  // XFilter is not FFFF
  const FiltersControls before = f.dialog.filters;
  f.dialog.cbTemplatesChange(kCustomTemplate);
  for (bool FiltersControls::*box : kStatusBoxes) EXPECT_EQ(f.dialog.filters.*box, before.*box);

  f.dialog.cbTemplatesChange(kShowAllTemplate);
  f.dialog.filters.OBigger = true;
  f.dialog.StatusBoxClick(6);
  EXPECT_EQ(f.dialog.filters.cbTemplates, kCustomTemplate);
  f.dialog.Ok();
  EXPECT_EQ(f.c.Files.XFilter, 0xFFBF);

  // Reopened on "all files", the template list shows that entry again.
  f.c.Files.XFilter = 0xFFFF;
  f.dialog.Open(OptionsPage::Filters);
  EXPECT_EQ(f.dialog.filters.cbTemplates, kShowAllTemplate);
}

TEST(OptionsDialog, SwitchInvertsTheBoxesButNotTheMasks) {
  OptionsFixture f;
  f.c.Files.XFilter = 0xFFD6;
  f.dialog.Open(OptionsPage::Filters);
  EXPECT_TRUE(f.dialog.filters.OIdentical && f.dialog.filters.ODeleted && f.dialog.filters.OOlder);
  EXPECT_EQ(f.dialog.FilterGroupCaption(), "Exclude filter");
  EXPECT_EQ(f.dialog.StatusBoxHint(0), "Exclude files that are identical - show only differences");
  EXPECT_EQ(f.dialog.StatusBoxHint(2), "Exclude files that are INSERTED in new set");

  f.dialog.Switch();
  EXPECT_TRUE(f.dialog.SwitchPressed());
  EXPECT_FALSE(f.dialog.filters.OIdentical || f.dialog.filters.ODeleted || f.dialog.filters.OOlder);
  EXPECT_TRUE(f.dialog.filters.OInserted && f.dialog.filters.ONewer && f.dialog.filters.OCRCDifferent);
  EXPECT_EQ(f.dialog.FilterGroupCaption(), "Include filter");
  EXPECT_EQ(f.dialog.StatusBoxHint(0), "Include files that are identical");
  EXPECT_EQ(f.dialog.StatusBoxHint(2), "Include files that are INSERTED in new set");
  f.dialog.Ok();
  EXPECT_EQ(f.c.Files.XFilter, 0xFFD6);

  // The presentation lives on: the next showing loads inverted boxes.
  f.dialog.Open(OptionsPage::Filters);
  EXPECT_TRUE(f.dialog.includePresentation);
  EXPECT_FALSE(f.dialog.filters.OIdentical);
  EXPECT_TRUE(f.dialog.filters.OInserted);
  f.dialog.Ok();
  EXPECT_EQ(f.c.Files.XFilter, 0xFFD6);
}

TEST(OptionsDialog, IgnoreBoxesStoreIntoIFilter) {
  struct Case {
    bool date, size, crc;
    std::uint16_t iFilter;
  };
  const Case cases[] = {{false, false, false, 0xFFFF}, {true, false, false, 0xFFCF}, {false, true, false, 0xFF3F},
                        {false, false, true, 0xFFFD}, {true, true, true, 0xFF0D}};
  for (const Case& k : cases) {
    OptionsFixture f;
    f.dialog.Open(OptionsPage::Filters);
    f.dialog.filters.iDate = k.date;
    f.dialog.filters.iSize = k.size;
    f.dialog.filters.iCRC = k.crc;
    f.dialog.Ok();
    EXPECT_EQ(f.c.Files.IFilter, k.iFilter) << k.date << k.size << k.crc;
  }
}

TEST(OptionsDialog, SnapshotModeDisablesTheFilters) {
  OptionsFixture f;
  f.c.State.SnapshotMode = true;
  f.dialog.Open(OptionsPage::Filters);
  EXPECT_FALSE(f.dialog.filters.GroupsEnabled);
  EXPECT_TRUE(f.dialog.filters.SnapshotPanelVisible);
  f.dialog.Switch();
  EXPECT_FALSE(f.dialog.includePresentation);
  f.dialog.Cancel();

  f.c.State.SnapshotMode = false;
  f.dialog.Open(OptionsPage::Scanning);
  EXPECT_FALSE(f.dialog.SwitchVisible());
  f.dialog.SetPage(OptionsPage::Filters);
  EXPECT_TRUE(f.dialog.SwitchVisible());
  EXPECT_TRUE(f.dialog.filters.GroupsEnabled);
  EXPECT_FALSE(f.dialog.filters.SnapshotPanelVisible);
}

// --- Mutual exclusions ---------------------------------------------------------------------

TEST(OptionsDialog, BoxesThatExcludeEachOther) {
  OptionsFixture f;
  f.dialog.Open(OptionsPage::Scanning);
  ScanningControls& s = f.dialog.scanning;
  s.CheckSFN = true;
  f.dialog.CheckSFNClick();
  s.CheckStrip83 = true;
  f.dialog.CheckStrip83Click();
  EXPECT_TRUE(s.CheckStrip83);
  EXPECT_FALSE(s.CheckSFN);
  s.CheckSFN = true;
  f.dialog.CheckSFNClick();
  EXPECT_FALSE(s.CheckStrip83);

  s.CheckSubDir = false;
  f.dialog.CheckSubDirClick();
  EXPECT_FALSE(s.CheckIgnorePathEnabled);
  s.CheckSubDir = true;
  f.dialog.CheckSubDirClick();
  EXPECT_TRUE(s.CheckIgnorePathEnabled);

  UserControls& u = f.dialog.user;
  EXPECT_TRUE(u.cbFilename && !u.cbCRC);
  u.cbFilename = false;
  f.dialog.cbFilenameClick();
  EXPECT_TRUE(u.cbCRC);
  u.cbCRC = false;
  f.dialog.cbCRCClick();
  EXPECT_TRUE(u.cbFilename);
  f.dialog.Ok();
  EXPECT_TRUE(f.settings.MovedFilesByFileName);
  EXPECT_FALSE(f.settings.MovedFilesByCRC);
}

// --- Display: colour sets, colours and fonts -----------------------------------------------

TEST(OptionsDialog, PastelThenOkMakesCustomThePastelSet) {
  OptionsFixture f(EditedSettings());
  f.dialog.Open(OptionsPage::Display);
  f.dialog.cbColorSetChange(1);
  EXPECT_FALSE(f.dialog.display.ColourButtonsEnabled);
  f.dialog.Ok();
  EXPECT_EQ(f.settings.ColorSet, 1);
  EXPECT_EQ(f.settings.CustomColours, kBuiltInColourSets[1]);
}

TEST(OptionsDialog, ColoursAreEditedOnlyInTheCustomSet) {
  OptionsFixture f(EditedSettings());
  f.settings.ColorSet = 2;
  f.dialog.Open(OptionsPage::Display);
  f.dialog.lbStylesClick(3);
  f.dialog.ColourChosen(true, 0x123456);
  f.dialog.bnResetColorClick();
  EXPECT_EQ(f.dialog.workingColours, kBuiltInColourSets[2]);  // DOS: buttons disabled

  f.dialog.cbColorSetChange(3);
  EXPECT_TRUE(f.dialog.display.ColourButtonsEnabled);
  EXPECT_EQ(f.dialog.workingColours, EditedSettings().CustomColours);
  EXPECT_EQ(f.dialog.CurrentColour(false), 0x00FFFFFCu);
  f.dialog.ColourChosen(true, 0x123456);
  EXPECT_EQ(f.dialog.display.LFontSample.fore, 0x123456u);
  EXPECT_EQ(f.dialog.display.LFontSample.back, 0x00FFFFFCu);
  const auto texts = f.dialog.ColourDialogCustomColours();
  EXPECT_EQ(texts[0], "ColorA=00010203");
  EXPECT_EQ(texts[3], "ColorD=00123456");
  EXPECT_EQ(texts[8 + 3], "ColorL=00FFFFFC");

  f.dialog.bnResetColorClick();  // set 0's colours for the selected status only
  EXPECT_EQ(f.dialog.workingColours.Fore[3], kBuiltInColourSets[0].Fore[3]);
  EXPECT_EQ(f.dialog.workingColours.Back[3], kBuiltInColourSets[0].Back[3]);
  EXPECT_EQ(f.dialog.workingColours.Back[2], EditedSettings().CustomColours.Back[2]);
  f.dialog.ColourChosen(false, 0xABCDEF);
  f.dialog.Ok();
  EXPECT_EQ(f.settings.CustomColours.Back[3], 0xABCDEFu);
  EXPECT_EQ(f.settings.CustomColours.Fore[3], kBuiltInColourSets[0].Fore[3]);
}

TEST(OptionsDialog, ABadFontSizeKeepsTheOldFontAndStoresTheRest) {
  const char* const badSizes[] = {"abc", "0", "-3", "", "12x", "99999999999"};
  for (const bool printerFont : {false, true}) {
    for (const char* size : badSizes) {
      SCOPED_TRACE(std::string(printerFont ? "printer " : "display ") + "\"" + size + "\"");
      OptionsFixture f;
      f.dialog.Open(printerFont ? OptionsPage::Printing : OptionsPage::Display);
      (printerFont ? f.dialog.printing.CBPFontSize : f.dialog.display.CFontSize) = size;
      (printerFont ? f.dialog.printing.CBPFontName : f.dialog.display.CFontName) = "Liberation Mono";
      f.dialog.display.CountryGroup1 = 1;
      f.dialog.Ok();
      EXPECT_EQ(f.messages(), std::vector<std::string>{std::string("Incorrect font size specified for ") +
                                                       (printerFont ? "printer" : "display") + " : " + size});
      EXPECT_EQ(f.settings.DisplayFontName, "Arial");
      EXPECT_EQ(f.settings.DisplayFontSize, 8);
      EXPECT_EQ(f.settings.PrinterFontName, "Courier");
      EXPECT_EQ(f.settings.PrinterFontSize, 10);
      EXPECT_EQ(f.settings.DateFormat, 1);
      EXPECT_FALSE(f.dialog.lastNotices().gridRelayout);
    }
  }
}

TEST(OptionsDialog, ADisplayFontChangeLaysTheGridOutAgain) {
  OptionsFixture f;
  f.settings.ColWidths[0] = 140;
  f.settings.ColWidths[1] = 60;
  f.dialog.Open(OptionsPage::Display);
  f.dialog.display.CFontSize = " 8 ";  // the same size and name: nothing happens
  f.dialog.Ok();
  EXPECT_FALSE(f.dialog.lastNotices().gridRelayout);
  EXPECT_EQ(f.settings.ColWidths[0], 140);

  f.dialog.Open(OptionsPage::Display);
  f.dialog.display.CFontSize = "12";
  f.dialog.FontChange();
  EXPECT_EQ(f.dialog.display.LFontSample.fontSize, 12);
  f.dialog.display.CFontSize = "x";
  f.dialog.FontChange();  // the sample keeps the last good size
  EXPECT_EQ(f.dialog.display.LFontSample.fontSize, 12);
  f.dialog.display.CFontSize = "12";
  f.dialog.Ok();
  EXPECT_TRUE(f.dialog.lastNotices().gridRelayout);
  EXPECT_EQ(f.settings.DisplayFontSize, 12);
  EXPECT_EQ(f.settings.ColWidths[0], 0);
  EXPECT_EQ(f.settings.ColWidths[1], 60);
}

TEST(OptionsDialog, ChangingHelpBubblesAsksForTheHintsAgain) {
  OptionsFixture f;
  f.dialog.Open(OptionsPage::User);
  f.dialog.user.OptShowHelpBubbles = false;
  EXPECT_TRUE(f.dialog.StoreOptions().hintsChanged);
  EXPECT_FALSE(f.dialog.StoreOptions().hintsChanged);
}

// --- Printing ------------------------------------------------------------------------------

TEST(OptionsDialog, PrinterStylesFollowTheStyleSet) {
  OptionsFixture f(EditedSettings());
  f.dialog.Open(OptionsPage::Printing);
  PrintingControls& p = f.dialog.printing;
  EXPECT_TRUE(p.StyleBoxesEnabled());
  f.dialog.lbPStylesClick(1);  // working style 14: italic, underline, strikeout
  EXPECT_FALSE(p.cbBold);
  EXPECT_TRUE(p.cbItalic && p.cbUnderline && p.cbStrikeout);
  p.cbBold = true;
  p.cbStrikeout = false;
  f.dialog.StyleBoxClick();
  EXPECT_EQ(f.dialog.workingStyles[1], tsBold | tsItalic | tsUnderline);
  EXPECT_EQ(p.LPFontSample.style, tsBold | tsItalic | tsUnderline);
  f.dialog.lbPStylesClick(2);
  f.dialog.lbPResetClick();
  EXPECT_EQ(f.dialog.workingStyles[2], kStandardStyles[2]);

  f.dialog.StyleSetClick(1);  // Standard: the sample shows its style, the boxes are off limits
  EXPECT_FALSE(p.StyleBoxesEnabled());
  EXPECT_EQ(p.LPFontSample.style, kStandardStyles[2]);
  f.dialog.lbPResetClick();
  f.dialog.StyleSetClick(0);
  EXPECT_FALSE(p.StatusListEnabled());
  EXPECT_EQ(p.LPFontSample.style, 0);
  f.dialog.Ok();
  EXPECT_EQ(f.settings.PrinterStyleSet, 0);
  StyleSet expected = EditedSettings().CustomStyles;
  expected[1] = tsBold | tsItalic | tsUnderline;
  expected[2] = kStandardStyles[2];
  EXPECT_EQ(f.settings.CustomStyles, expected);
}

TEST(OptionsDialog, WithoutAPrinterStoringStillWorks) {
  OptionsFixture f;
  f.dialog.printer.reset();
  f.dialog.Open(OptionsPage::Printing);
  EXPECT_EQ(f.dialog.printing.LPrinterName, "<none>");
  EXPECT_EQ(f.dialog.printing.LOrientation, "n/a");
  EXPECT_TRUE(f.dialog.printing.CBPFontNameItems.empty());
  f.dialog.printing.CBPFontName.clear();  // an empty list selects nothing
  f.dialog.printing.CBPFontSize = "12";
  f.dialog.Ok();
  EXPECT_TRUE(f.messages().empty());
  EXPECT_EQ(f.settings.PrinterFontName, "Courier");
  EXPECT_EQ(f.settings.PrinterFontSize, 12);

  f.dialog.Open(OptionsPage::Printing);
  f.dialog.PrinterSetupDone(PrinterFacts{"Laser", 1, {"Courier"}});
  EXPECT_EQ(f.dialog.printing.LPrinterName, "Laser");
  EXPECT_EQ(f.dialog.printing.LOrientation, "Landscape");
  EXPECT_EQ(f.settings.PrinterOrientation, 1);
}

// --- Batch and tools -----------------------------------------------------------------------

TEST(OptionsDialog, BatchTextsAreStoredWithTheirBlanks) {
  struct Case {
    std::string before, after, output;
    std::string storedBefore, storedAfter, storedOutput;
  };
  const Case cases[] = {
      {"copy", "d:\\", " out.txt ", "copy ", " d:\\", "out.txt"},
      {"", "", "", "", "", ""},
      {"  xcopy  ", "   ", "[Printer]", "xcopy ", "", "[Printer]"},
  };
  for (const Case& k : cases) {
    OptionsFixture f;
    f.dialog.Open(OptionsPage::Batch);
    f.dialog.batch.OBatchBefore = k.before;
    f.dialog.batch.OBatchAfter = k.after;
    f.dialog.batch.LOutput = k.output;
    f.dialog.Ok();
    EXPECT_EQ(f.settings.BatchBefore, k.storedBefore) << k.before;
    EXPECT_EQ(f.settings.BatchAfter, k.storedAfter) << k.after;
    EXPECT_EQ(f.settings.OutputFile, k.storedOutput) << k.output;
  }
}

TEST(OptionsDialog, BatchSampleFollowsTheBoxesWhileActive) {
  struct Case {
    bool drive, path, full, ext;
    const char* sample;
  };
  const Case cases[] = {
      {false, false, false, false, "copy Filename d:"},
      {true, true, true, true, "copy X:\\Full\\Path\\Filename.Ext d:"},
      {false, true, false, true, "copy Path\\Filename.Ext d:"},
      {true, false, true, false, "copy X:Filename d:"},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(BatchSample({"copy", "d:", k.drive, k.path, k.full, k.ext}), k.sample);
  }
  EXPECT_EQ(BatchSample({"", "", false, false, false, false}), " Filename ");

  OptionsFixture f;
  f.dialog.Open(OptionsPage::Batch);
  EXPECT_EQ(f.dialog.batch.OBatchSample, " Path\\Filename.Ext ");  // the defaults
  f.dialog.batch.OBatchDrive = true;
  f.dialog.BatchChange();
  EXPECT_EQ(f.dialog.batch.OBatchSample, " X:Path\\Filename.Ext ");
  EXPECT_TRUE(f.dialog.batch.FullRelativeEnabled());
  f.dialog.Deactivate();
  f.dialog.batch.OBatchExt = false;
  f.dialog.BatchChange();
  EXPECT_EQ(f.dialog.batch.OBatchSample, " X:Path\\Filename.Ext ");  // not while inactive
}

TEST(OptionsDialog, UserToolSampleFillsThePlaceholders) {
  struct Case {
    const char* tool;
    const char* parameters;
    const char* sample;
  };
  const Case cases[] = {
      {"meld", "%n %o", "meld NewFile.ext oldFile.ext"},
      {"diff", "%O %N", "diff oldFile.ext NewFile.ext"},
      {"diff", "-u %n %n %o", "diff -u NewFile.ext %n oldFile.ext"},
      {"view", "%n", "view NewFile.ext"},
      {"tool", "", "tool "},
  };
  for (const Case& k : cases) EXPECT_EQ(UserToolSample(k.tool, k.parameters), k.sample) << k.parameters;

  OptionsFixture f;
  f.dialog.Open(OptionsPage::Tools);
  f.dialog.tools.edDefaultUserTool = "kompare";
  f.dialog.ToolChange();
  EXPECT_EQ(f.dialog.tools.LSample, "kompare NewFile.ext oldFile.ext");
}

// --- Layout sample -------------------------------------------------------------------------

TEST(OptionsDialog, LayoutSampleLines) {
  struct Case {
    LayoutSampleChoice choice;
    std::array<const char*, 6> lines;
  };
  const Case cases[] = {
      {{}, {"  \\DIRECTORY\\FILENAME.EXTCRC ", "  \\DIRECTORY\\FILENAME.EXTCRC ", "  \\DIRECTORY\\FILENAME.EXTCRC ",
            "  \\DIRECTORY\\FILENAME.EXTCRC ", "  \\DIRECTORY\\FILENAME.EXTCRC ", "  \\DIRECTORY\\FILENAME.EXTCRC "}},
      {{false, true, true, true, true, true, true},
       {"12345 01/02/96 0FA123AB   \\DIRECTORY\\FILENAME.EXTxNB ", "12345 01/02/96 0FA123AB   \\DIRECTORY\\FILENAME.EXTxNB ",
        "12345 01/02/96 0FA123AB   \\DIRECTORY\\FILENAME.EXTxNB ", "12345 01/02/96 0FA123AB   \\DIRECTORY\\FILENAME.EXTxNB ",
        "12345 01/02/96 0FA123AB   \\DIRECTORY\\FILENAME.EXTxNB ",
        "12345 01/02/96 0FA123AB   \\DIRECTORY\\FILENAME.EXTxNB "}},
      {{true, false, false, true, false, true, false},
       {"12345 FILENAME.EXT   12345 FILENAME.EXT  \\DIRECTORY" "CRC Newer ",
        "12345 FILENAME.EXT   12345 FILENAME.EXT  \\DIRECTORY" "CRC Newer ",
        "12345 FILENAME.EXT                       \\DIRECTORY" "CRC Newer ",
        "12345 FILENAME.EXT   12345 FILENAME.EXT  \\DIRECTORY" "CRC Newer ",
        "                     12345 FILENAME.EXT  \\DIRECTORY" "CRC Newer ",
        "12345 FILENAME.EXT   12345 FILENAME.EXT  \\DIRECTORY" "CRC Newer "}},
  };
  for (const Case& k : cases) {
    const auto sample = LayoutSample(k.choice);
    EXPECT_EQ(sample[0], "[Pelto Diff file]");
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(sample[i + 1], k.lines[i]) << "line " << i + 1;
  }

  OptionsFixture f;
  f.dialog.Open(OptionsPage::Layout);
  f.dialog.layout.cbShortStatus = true;
  f.dialog.LayoutBoxClick();
  EXPECT_EQ(f.dialog.layout.Sample[1], "  \\DIRECTORY\\FILENAME.EXTxNB ");
}

// --- Pages ---------------------------------------------------------------------------------

TEST(OptionsDialog, CaptionAndHelpTopicFollowThePage) {
  OptionsFixture f;
  f.dialog.Open(OptionsPage::Scanning);
  EXPECT_EQ(f.dialog.Caption(), "Scanning options");
  for (int page = 0; page < kOptionsPageCount; ++page) {
    f.dialog.SetPage(static_cast<OptionsPage>(page));
    const std::string name(kOptionsPageNames[page]);
    EXPECT_EQ(f.dialog.Caption(), name + " options");
    EXPECT_EQ(f.dialog.HelpTopic(), "Options_" + name);
  }
}

// --- Save and a restart --------------------------------------------------------------------

TEST(OptionsDialog, SaveWritesTheIniFileARestartReadsBack) {
  test::TempIni ini;
  OptionsFixture first;
  first.dialog.Open(OptionsPage::Scanning);
  // Every control edited through the dialog, to the values of EditedSettings().
  const Settings e = EditedSettings();
  OptionsDialogModel& d = first.dialog;
  d.scanning = {e.IncludeMask, e.ExcludeMask, e.Recurse, !e.Quick, true, true, e.HiddenDirs, e.SpecialAlsoArc,
                e.NoPath, e.Recurse, e.Strip83, e.SFN, e.WarnDup, e.Pause, e.SkipAllFiles, e.ExcludeErrFiles,
                e.VolumeID, e.TimeTolerance, e.IgnoreHourShift};
  d.cbTemplatesChange(4);  // "Show New files only"
  d.filters.iDate = d.filters.iSize = d.filters.iCRC = true;
  d.filters.OptFilterClear = e.FilterClear;
  d.filters.optFilterSave = e.FilterSave;
  d.filters.OptFilterPrint = e.FilterPrint;
  d.filters.cbSaveFilters = e.SaveFilters;
  d.user = {e.ShowHelpBubbles,  e.ConfirmOverwrite, e.SyncWarning,       e.StartIfCmdLine,
            e.Win95Dirs,        e.TrackSelection,   e.ClearIncludeDirs,  e.ShowStatusDlg,
            e.CheckMovedFiles,  e.CloseProgressDlg, e.MovedFilesByCRC,   e.MovedFilesByFileName,
            e.MovedFilesIgnoreArcExt, e.SaveHistory, e.SaveWindowPos, e.QuitSave};
  d.display.CountryGroup1 = e.DateFormat;
  d.display.CFontName = e.DisplayFontName;
  d.display.CFontSize = std::to_string(e.DisplayFontSize);
  d.cbColorSetChange(3);
  d.workingColours = e.CustomColours;
  d.display.cbAutoColWidth = e.AutoColWidth;
  d.display.cbSetsAboveColumns = e.OptSetsAboveColumns;
  d.display.cbSaveColWidth = e.SaveColWidth;
  d.layout.cbDblColumn = e.DiffDblColumn;
  d.layout.cbIncCRC = e.DiffCRC;
  d.layout.cbIncDate = e.DiffDate;
  d.layout.cbIncSize = e.DiffSize;
  d.layout.cbShortStatus = e.DiffShortStatus;
  d.layout.cbAppendStatus = e.DiffAppendStatus;
  d.layout.cbDatimStatus = e.DiffDatimStatus;
  d.layout.cbSizeStatus = e.DiffSizeStatus;
  d.layout.cbIncMovedTo = e.DiffMovedTo;
  d.printing.CBPFontName = e.PrinterFontName;
  d.printing.CBPFontSize = std::to_string(e.PrinterFontSize);
  d.StyleSetClick(e.PrinterStyleSet);
  d.workingStyles = e.CustomStyles;
  d.batch = {e.OutputFile, "cp -v", "/backup/", e.BatchDrive, e.BatchPath, e.BatchFull, e.BatchExt, ""};
  d.tools = {e.DefaultViewer, e.ConfirmAssociation, e.ConfirmDefaultViewer, e.DefaultUserTool, e.DefaultUserParms,
             e.ConfirmUserTool, ""};
  EXPECT_EQ(d.Save(), OptionsResult::Ok);
  EXPECT_TRUE(first.messages().empty());
  EXPECT_TRUE(first.settings == e);
  EXPECT_EQ(first.c.Files.XFilter, 0xFFD6);
  EXPECT_EQ(first.c.Files.IFilter, 0xFF0D);

  OptionsFixture restart;
  LoadWindowPos(restart.settings, {});
  LoadCfg(restart.c);
  EXPECT_TRUE(restart.messages().empty());
  EXPECT_TRUE(restart.settings == first.settings) << ini.read();
  EXPECT_EQ(restart.c.Files.XFilter, 0xFFD6);
  EXPECT_EQ(restart.c.Files.IFilter, 0xFF0D);
  EXPECT_EQ(restart.c.Masks.Include.MaskText(), "*.TXT");
  EXPECT_EQ(ExcludeMaskText(restart.c.Masks), "*.BAK;~*.*");
}

}  // namespace
}  // namespace quorvane
