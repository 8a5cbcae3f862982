#include "config/ini_file.h"

#include <sstream>

#include <gtest/gtest.h>

#include "config/apply_masks.h"
#include "config/ini_values.h"
#include "support/recording_user_interface.h"
#include "support/temp_ini.h"

namespace quorvane {
namespace {

// One program's worth of settings, comparison and a recording user interface.
struct Program {
  Settings settings;
  std::ostringstream log;
  test::RecordingUserInterface ui{&log};
  Comparison c{settings, ui};

  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const auto& a : ui.asked()) out.push_back(a.text);
    return out;
  }
};

// A record with every value SaveCfg and IniFileSave write moved off its default.
Settings changedSettings() {
  Settings s;
  for (bool Settings::*f :
       {&Settings::Batch, &Settings::CloseProgressDlg, &Settings::SaveHistory, &Settings::ShowHelpBubbles,
        &Settings::OptSetsAboveColumns, &Settings::QuitSave, &Settings::SyncWarning, &Settings::FilterClear,
        &Settings::FilterSave, &Settings::FilterPrint, &Settings::NoPath, &Settings::SFN, &Settings::Strip83,
        &Settings::WarnDup, &Settings::Pause, &Settings::PrintBoth, &Settings::Quick, &Settings::SpecialAlsoArc,
        &Settings::Recurse, &Settings::ShowStatusDlg, &Settings::Silent, &Settings::StartIfCmdLine, &Settings::Verbose,
        &Settings::SkipAllFiles, &Settings::HiddenDirs, &Settings::ExcludeErrFiles, &Settings::VolumeID,
        &Settings::CheckMovedFiles, &Settings::MovedFilesByCRC, &Settings::MovedFilesByFileName,
        &Settings::MovedFilesIgnoreArcExt, &Settings::Win95Dirs, &Settings::ClearIncludeDirs, &Settings::TrackSelection,
        &Settings::AutoColWidth, &Settings::SaveColWidth, &Settings::BatchDrive, &Settings::BatchPath,
        &Settings::BatchFull, &Settings::BatchExt, &Settings::DiffDblColumn, &Settings::DiffCRC, &Settings::DiffDate,
        &Settings::DiffSize, &Settings::DiffMovedTo, &Settings::DiffShortStatus, &Settings::DiffDatimStatus,
        &Settings::DiffSizeStatus, &Settings::DiffAppendStatus, &Settings::ConfirmOverwrite,
        &Settings::ConfirmAssociation, &Settings::ConfirmDefaultViewer, &Settings::ConfirmUserTool,
        &Settings::SaveFilters})
    s.*f = !(s.*f);
  s.SaveHistory = true;  // keeps the comparison of the history lists meaningful
  s.SpecialAttr = 6;
  s.TimeTolerance = 2;
  s.IgnoreHourShift = 1;
  s.IncludeMask = "*.TXT";
  s.ExcludeMask = "*.BAK;~*.*";
  s.DateFormat = 1;
  s.ColorSet = 3;
  s.DisplayFontSize = 11;
  s.DisplayFontName = "DejaVu Sans Mono";
  for (std::size_t i = 0; i < kColumnWidthCount; ++i) s.ColWidths[i] = static_cast<int>(10 + i * 7);
  for (std::size_t i = 0; i < kStatusCount; ++i) {
    s.CustomColours.Fore[i] = 0x00010203u * static_cast<std::uint32_t>(i + 1);
    s.CustomColours.Back[i] = 0x00FFFFFFu - static_cast<std::uint32_t>(i);
    s.CustomStyles[i] = static_cast<std::uint8_t>(15 - i);
  }
  s.PrinterFontSize = 9;
  s.PrinterFontName = "Liberation Mono";
  s.PrinterOrientation = 1;
  s.PrinterStyleSet = 2;
  s.OutputFile = "/tmp/report.txt";
  s.BatchBefore = "cp -v ";
  s.BatchAfter = " /backup/";
  s.DefaultViewer = "less";
  s.DefaultUserTool = "kdiff3";
  s.DefaultUserParms = "%o %n";
  s.Window = {15, 25, 480, 640, WindowPlacement::Normal};
  return s;
}

TEST(IniFile, RoundTripGivesTheSameRecord) {
  test::TempIni ini;
  Program first;
  first.settings = changedSettings();
  first.c.Files.IFilter = 0x00F3;
  first.c.Files.XFilter = 0xBEEF;
  SaveCfg(first.c);
  IniFileSave(first.settings, first.ui);
  EXPECT_TRUE(first.messages().empty());
  const std::string saved = ini.read();

  Program second;
  LoadWindowPos(second.settings, {});
  LoadCfg(second.c);
  EXPECT_TRUE(second.messages().empty());
  EXPECT_TRUE(second.settings == first.settings) << saved;
  EXPECT_EQ(second.c.Files.IFilter, 0x00F3);
  EXPECT_EQ(second.c.Files.XFilter, 0xBEEF);
  EXPECT_EQ(second.c.Masks.Include.MaskText(), "*.TXT");
  EXPECT_EQ(second.c.Masks.ExclusionCount, 2u);

  // Saving the loaded record writes the very same file.
  SaveCfg(second.c);
  IniFileSave(second.settings, second.ui);
  EXPECT_EQ(ini.read(), saved);
}

TEST(IniFile, DefaultsSurviveARoundTripToo) {
  test::TempIni ini;
  Program first;
  SaveCfg(first.c);
  IniFileSave(first.settings, first.ui);
  Program second;
  LoadWindowPos(second.settings, {});
  LoadCfg(second.c);
  EXPECT_EQ(second.settings.IncludeMask, "*.*");  // the empty include field becomes "*.*"
  first.settings.IncludeMask = "*.*";
  EXPECT_TRUE(second.settings == first.settings) << ini.read();
}

TEST(IniFile, LoadCfgReadsTheFileOncePerLoad) {
  // The text of a file holding every changed setting, then a decoy file of defaults in
  // its place: a key read from the file on its own would take the decoy's value.
  test::TempIni ini;
  Program first;
  first.settings = changedSettings();
  first.settings.History.Dirs = {"/data", "/backup"};
  first.settings.History.Files = {"/data/a.zip"};
  first.c.Files.IFilter = 0x00F3;
  first.c.Files.XFilter = 0xBEEF;
  SaveCfg(first.c);
  IniFileSave(first.settings, first.ui);
  ASSERT_TRUE(WriteText("History", "Dir0", "/data") && WriteText("History", "Dir1", "/backup") &&
              WriteText("History", "File0", "/data/a.zip") && WriteText("Directories", "Exclude", "tmp;obj"));
  const std::string saved = ini.read();
  Program decoy;
  ini.write("");
  SaveCfg(decoy.c);

  int reads = 0;
  Program second;
  LoadCfg(second.c, [&] {
    ++reads;
    return platform::LoadedProfile(platform::ProfileState::Readable, saved);
  });
  EXPECT_EQ(reads, 1);
  EXPECT_TRUE(second.messages().empty());
  Settings expected = first.settings;
  expected.Window = {};  // LoadWindowPos's part, not LoadCfg's
  EXPECT_TRUE(second.settings == expected) << saved;
  EXPECT_EQ(second.c.Files.IFilter, 0x00F3);
  EXPECT_EQ(second.c.Files.XFilter, 0xBEEF);
  EXPECT_EQ(second.c.Masks.Include.MaskText(), "*.TXT");
  EXPECT_EQ(ExcludeMaskText(second.c.Masks), "*.BAK;~*.*");
  EXPECT_EQ(second.c.ExcludeDirs.Items(), (std::vector<std::string>{"obj", "tmp"}));

  // The file's state comes from the same one read.
  reads = 0;
  Program unreadable;
  LoadCfg(unreadable.c, [&] {
    ++reads;
    return platform::LoadedProfile(platform::ProfileState::Unreadable, saved);
  });
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(unreadable.messages(), std::vector<std::string>{"(Debug): LoadCfg"});
  EXPECT_TRUE(unreadable.settings == Settings{});
}

TEST(IniFile, SaveCfgLeavesTheKeysItDoesNotOwn) {
  test::TempIni ini("[Quorvane]\nAutoMode=1\nBuild=20240101\nSelectIncludeDirs=1\n[History]\nDir0=/data\n");
  Program p;
  p.settings.SaveFilters = false;
  SaveCfg(p.c);
  const std::string text = ini.read();
  EXPECT_NE(text.find("AutoMode=1\n"), std::string::npos);
  EXPECT_NE(text.find("Build=20240101\n"), std::string::npos);
  EXPECT_NE(text.find("SelectIncludeDirs=1\n"), std::string::npos);
  EXPECT_NE(text.find("Dir0=/data\n"), std::string::npos);
  EXPECT_NE(text.find("Version=1.6\n"), std::string::npos);
  EXPECT_EQ(text.find("ColWidths"), std::string::npos);
  EXPECT_EQ(text.find("IFilter"), std::string::npos);
  EXPECT_EQ(text.find("[WindowPos]"), std::string::npos);

  Program later;
  LoadCfg(later.c);
  EXPECT_TRUE(later.settings.AutoMode);  // stays until removed by hand
}

TEST(IniFile, MissingFileChangesNothingAndTheFirstSaveCreatesIt) {
  test::TempIni ini;
  Program p;
  const Settings defaults;
  EXPECT_EQ(LoadWindowPos(p.settings, {1, 2, 3, 4, 0}), (WindowPlacement{1, 2, 3, 4, 0}));
  LoadCfg(p.c);
  EXPECT_TRUE(p.settings == Settings{} || (p.settings.Window == WindowPlacement{1, 2, 3, 4, 0}));
  p.settings.Window = {};
  EXPECT_TRUE(p.settings == defaults);
  EXPECT_TRUE(p.messages().empty());
  SaveCfg(p.c);
  EXPECT_NE(ini.read().find("[Quorvane]\nVersion=1.6\n"), std::string::npos);
}

TEST(IniFile, UnreadableFileIsReportedAndStartUpGoesOn) {
  test::TempIni ini;
  ini.tree().dir("config/Quorvane.ini");
  Program p;
  LoadCfg(p.c);
  EXPECT_EQ(p.messages(), std::vector<std::string>{"(Debug): LoadCfg"});
  EXPECT_TRUE(p.settings == Settings{});
  SaveCfg(p.c);
  IniFileSave(p.settings, p.ui);
  EXPECT_EQ(p.messages(),
            (std::vector<std::string>{"(Debug): LoadCfg", "Error during SaveCfg", "Termine().IniFileSave : error"}));
}

TEST(IniFile, DateFormatFromIntlAndDisplay) {
  struct Case {
    const char* file;
    int dateFormat;
  } cases[] = {
      {"[intl]\niDate=2\n", 2},
      {"[intl]\niDate=2\n[Display]\nDateFormat=1\n", 1},
      {"[intl]\niDate=3\n", 0},
      {"[intl]\niDate=12\n", 0},
      {"[intl]\niDate=1\n[Display]\nDateFormat=x\n", 1},  // a malformed number keeps the value
      {"[Display]\nDateFormat=7\n", 0},                   // out of range: ignored
  };
  for (const Case& c : cases) {
    test::TempIni ini(c.file);
    Program p;
    LoadCfg(p.c);
    EXPECT_EQ(p.settings.DateFormat, c.dateFormat) << c.file;
  }
}

TEST(IniFile, ColumnWidthsNeedSaveColWidthAndExactly60Characters) {
  const std::string valid = "000A0014001E00280032003C00460050005A0064006E00780082008C0096";
  struct Case {
    std::string file;
    int first;
  } cases[] = {
      {"[Display]\nSaveColWidth=1\nColWidths=" + valid + "\n", 10},
      {"[Display]\nSaveColWidth=1\nColWidths=" + valid.substr(1) + "\n", 0},
      {"[Display]\nSaveColWidth=1\nColWidths=" + valid + "0\n", 0},
      {"[Display]\nSaveColWidth=0\nColWidths=" + valid + "\n", 0},
  };
  for (const Case& c : cases) {
    test::TempIni ini(c.file);
    Program p;
    LoadCfg(p.c);
    EXPECT_EQ(p.settings.ColWidths[0], c.first) << c.file;
  }
}

TEST(IniFile, EdgeCasesOfTheLoad) {
  test::TempIni ini(
      "[Display]\nFore3=FF\nFore4=12345\nBack5=GG00FF00\nBack6=00FF00FF7\nColorSet=9\nDisplayFontSize=big\n"
      "[Printer]\nSt1=bu\nSt2=UB\nSt3=\nPrinterStyleSet=-1\n"
      "[Batch]\nBatchBefore=COPY\nBatchAfter=D:\\\n"
      "[Quorvane]\nSpecialAttr=hidden\nRecurse=no\nSaveHistory=1\nTimeTolerance=3601\nIgnoreHourShift=2\n"
      "[Filters]\nSaveFilters=1\nIFilter=zz\n"
      "[Synchronization]\nLogFileName=/var/log/sync.log\nApplyAll=1\n"
      "[FileOp]\nSaveDefault=1\nApplyAll=1\n"
      "[Tools]\nDefaultViewer=\n");
  Program p;
  p.settings.SpecialAttr = 4;
  p.c.Files.XFilter = 0x1234;
  LoadCfg(p.c);
  const Settings& s = p.settings;
  const Settings d;
  EXPECT_EQ(s.CustomColours.Fore[3], 0x000000FFu);
  EXPECT_EQ(s.CustomColours.Fore[4], d.CustomColours.Fore[4]);
  EXPECT_EQ(s.CustomColours.Back[5], d.CustomColours.Back[5]);
  EXPECT_EQ(s.CustomColours.Back[6], 0x00FF00FFu);
  EXPECT_EQ(s.ColorSet, d.ColorSet);
  EXPECT_EQ(s.DisplayFontSize, 8);
  EXPECT_EQ(s.CustomStyles[1], 0);  // present: plain, lower case ignored
  EXPECT_EQ(s.CustomStyles[2], tsBold | tsUnderline);
  EXPECT_EQ(s.CustomStyles[3], 0);
  EXPECT_EQ(s.CustomStyles[4], tsBold);  // missing: as before
  EXPECT_EQ(s.PrinterStyleSet, 0);
  EXPECT_EQ(s.BatchBefore, "COPY ");
  EXPECT_EQ(s.BatchAfter, " D:\\");
  EXPECT_EQ(s.SpecialAttr, 0);  // read as text: not a number gives 0
  EXPECT_TRUE(s.Recurse);       // a malformed flag keeps its value
  EXPECT_EQ(s.TimeTolerance, 0);  // out of 0..3600: ignored
  EXPECT_EQ(s.IgnoreHourShift, 2);
  EXPECT_EQ(p.c.Files.IFilter, 0xFFFF);
  EXPECT_EQ(p.c.Files.XFilter, 0xFFFF);  // missing: FFFF when SaveFilters
  EXPECT_EQ(s.Sync.LogFileName, "/var/log/sync.log");
  EXPECT_FALSE(s.Sync.ApplyAll);  // only read with SaveDefault
  EXPECT_TRUE(s.FileOp.SaveDefault);
  EXPECT_TRUE(s.FileOp.ApplyAll);
  EXPECT_EQ(s.DefaultViewer, "");
  EXPECT_TRUE(p.messages().empty());

  // Saved again: the batch texts without their separating blanks.
  SaveCfg(p.c);
  test::TempIni check(ini.read());
  EXPECT_NE(check.read().find("BatchBefore=COPY\n"), std::string::npos);
  EXPECT_NE(check.read().find("BatchAfter=D:\\\n"), std::string::npos);
}

TEST(IniFile, HistoryListsAndExcludedDirectories) {
  std::string file = "[History]\n";
  for (int i = 0; i < 12; ++i) file += "Dir" + std::to_string(i) + "=/d" + std::to_string(i) + "\n";
  for (int i = 0; i < 12; ++i) file += "File" + std::to_string(i) + "=/f" + std::to_string(i) + ".zip\n";
  file += "DestDir0=/t0\nDestDir1=\nDestDir2=/t2\nDestDir4=/t4\n";
  file += "[Directories]\nExclude=system\\java;;Temp;system32;\n";
  test::TempIni ini(file);
  Program p;
  p.c.ExcludeDirs.Add("old");
  LoadCfg(p.c);
  EXPECT_EQ(p.settings.History.Dirs.size(), 9u);
  EXPECT_EQ(p.settings.History.Files.size(), 10u);
  EXPECT_EQ(p.settings.History.Files[9], "/f9.zip");
  EXPECT_EQ(p.settings.History.DestDirs, (std::vector<std::string>{"/t0", "/t2"}));  // stops at the missing DestDir3
  // Sorted with ASCII letters folded: "3" sorts before "\".
  EXPECT_EQ(p.c.ExcludeDirs.Items(), (std::vector<std::string>{"system32", "system\\java", "Temp"}));

  // Without SaveHistory the section is not read.
  test::TempIni off(file + "[Quorvane]\nSaveHistory=0\n");
  Program q;
  LoadCfg(q.c);
  EXPECT_TRUE(q.settings.History.Dirs.empty());
}

TEST(IniFile, BadMasksInTheFileAreReportedAndReset) {
  test::TempIni ini("[Quorvane]\nIncludeMask=a/b\nExcludeMask=*.bak;x\\y\n");
  Program p;
  LoadCfg(p.c);
  EXPECT_EQ(p.messages(), (std::vector<std::string>{"Incorrect Include wildcard : a/b\rInclude wildcard reset to \"*.*\"",
                                                    "Incorrect Exclude wildcard : x\\y\rExclude wildcard discarded."}));
  EXPECT_EQ(p.settings.IncludeMask, "*.*");
  EXPECT_EQ(p.settings.ExcludeMask, "");
  EXPECT_EQ(p.c.Masks.ExclusionCount, 0u);
}

TEST(IniFile, WindowPosition) {
  struct Case {
    const char* file;
    WindowPlacement result;
    bool saveWindowPos;
  } cases[] = {
      {"[WindowPos]\nPosition=T10L20H300W400\nState=2\n", {10, 20, 300, 400, 2}, true},
      {"[WindowPos]\nPosition=TxL20H300W400\n", {1, 20, 300, 400, 0}, true},
      {"[WindowPos]\nPosition=T-50L0H300W400\nState=9\n", {1, 0, 300, 400, 0}, true},
      {"[Quorvane]\nSaveWindowPos=0\n[WindowPos]\nPosition=T10L20H300W400\nState=2\n", {1, 2, 3, 4, 1}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    test::TempIni ini(c.file);
    Settings s;
    EXPECT_EQ(LoadWindowPos(s, {1, 2, 3, 4, 1}), c.result);
    EXPECT_EQ(s.Window, c.result);
    EXPECT_EQ(s.SaveWindowPos, c.saveWindowPos);
  }
}

TEST(IniFile, ExitSaveKeepsTheLastNormalPosition) {
  test::TempIni ini("[WindowPos]\nPosition=T1L2H3W4\nState=0\n");
  Settings s;
  s.Window = {50, 60, 70, 80, WindowPlacement::Maximized};
  s.SaveColWidth = false;
  std::ostringstream log;
  test::RecordingUserInterface ui(&log);
  IniFileSave(s, ui);
  EXPECT_EQ(ini.read(), "[WindowPos]\nPosition=T1L2H3W4\nState=2\n");

  s.SaveWindowPos = false;
  s.SaveColWidth = true;
  IniFileSave(s, ui);
  EXPECT_EQ(ini.read(), "[WindowPos]\nPosition=T1L2H3W4\nState=2\n\n[Display]\nColWidths=" + std::string(60, '0') + "\n");
}

}  // namespace
}  // namespace quorvane
