#include "config/command_line.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

struct Parsed : test::ComparisonFixture {
  Parsed() : ComparisonFixture(nullptr) {}
  CommandLine line;
  std::string error;

  explicit Parsed(std::vector<std::string> args, Settings start = {}) {
    settings = start;
    try {
      line = ParseCommandLine(args, settings, c);
    } catch (const CommandLineError& e) {
      error = e.what();
    }
  }
};

TEST(CommandLine, OnOffAndSetOnlySwitches) {
  Settings start;
  start.AutoMode = true;  // as from the INI file
  start.OutputFile = "ini-out.txt";
  EXPECT_FALSE(Parsed({"-r-"}).settings.Recurse);
  EXPECT_FALSE(Parsed({"/R-"}).settings.Recurse);
  EXPECT_TRUE(Parsed({"-R-", "/r"}).settings.Recurse);
  EXPECT_TRUE(Parsed({"-Rx"}).settings.Recurse);  // anything but exactly "-" turns it on
  EXPECT_TRUE(Parsed({"/A-"}, start).settings.AutoMode);  // /A- leaves the INI's choice
  EXPECT_FALSE(Parsed({"/A-"}).settings.AutoMode);

  Parsed a({"-A", "-O:r.txt"});
  EXPECT_TRUE(a.settings.AutoMode && a.settings.SkipAllFiles && a.settings.StartIfCmdLine && a.settings.CloseProgressDlg);
  EXPECT_FALSE(a.settings.ShowStatusDlg);
  EXPECT_EQ(a.error, "");

  Parsed many({"-B", "-Q", "-P", "-W", "-8", "-N", "-V", "-L", "-Z", "-MO", "-NOLOGO", "-C1"});
  EXPECT_TRUE(many.settings.Batch && many.settings.Quick && many.settings.Pause && many.settings.WarnDup &&
              many.settings.Strip83 && many.settings.NoPath && many.settings.Verbose &&
              many.settings.DiffAppendStatus && many.settings.CheckMovedFiles);
  EXPECT_TRUE(many.line.SnapshotMode && many.line.DiagnosticMode && many.line.NoLogo);
  EXPECT_EQ(many.settings.DateFormat, 1);
}

TEST(CommandLine, FilterSwitches) {
  struct Case {
    std::vector<std::string> args;
    std::uint16_t iFilter, xFilter;
  } cases[] = {
      {{"/D"}, 0xFFFF, 0xFFFE},
      {{"/M"}, 0xFFFF, 0xFFF3},
      {{"/M-"}, 0xFFFF, 0xFFFF},
      {{"/X=", "/X-"}, 0xFFFF, 0xFFFF},
      {{"/X-I"}, 0xFFFF, 0xFFFB},
      {{"/XNOBS"}, 0xFFFF, 0xFF0F},
      {{"/XCD="}, 0xFFFF, 0xFFF4},
      {{"/IC"}, 0xFFFD, 0xFFFF},
      {{"/IS", "/I-D"}, 0xFFCF, 0xFFFF},
  };
  for (const Case& k : cases) {
    Parsed p(k.args);
    EXPECT_EQ(p.c.Files.IFilter, k.iFilter) << testing::PrintToString(k.args);
    EXPECT_EQ(p.c.Files.XFilter, k.xFilter) << testing::PrintToString(k.args);
  }
  Parsed f({"/FHSVDA"});
  EXPECT_EQ(f.settings.SpecialAttr, 0x0E);
  EXPECT_TRUE(f.settings.HiddenDirs && f.settings.SpecialAlsoArc);
}

TEST(CommandLine, Errors) {
  const std::string outputSyntax =
      "Error for Output filename (/O)\r\rSyntax:\r   /O:<filename> to send to output file.\r   /OA:<filename> to append "
      "to output file.\r   /OP to send to current printer.\r";
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"a", "b", "c", "d", "e"}, "Too many filenames/wildcards"},
      {{"/C3"}, "Country Date format must be 0, 1 or 2 : /C0 or /C1 or C2"},
      {{"/C01"}, "Country Date format must be 0, 1 or 2 : /C0 or /C1 or C2"},
      {{"/EY"}, "/E : incorrect value specified : /EY\rUse /E or /EX"},
      {{"/F"}, "/F : You must specify what file attributes to add (any of \"HSVDA\")."},
      {{"/FHX"}, "/F : Incorrect value specified : X"},
      {{"/I"}, "/I : You must specify what to ignore (one of \"-CDS\")."},
      {{"/IQ"}, "/I : Incorrect value specified : Q"},
      {{"/X"}, "/X : You must specify what to exclude (NOBSIDC=-)."},
      {{"/XY"}, "/X : Incorrect value specified : Y"},
      {{"/O:"}, outputSyntax},
      {{"/OA:"}, outputSyntax},
      {{"/OPX"}, outputSyntax},
      {{"-K"}, "Unknown switch : /K"},
      {{"-"}, "Unknown switch : / "},
      {{"/1XYZ"}, "Bad Archive type override for NEW archive : XYZ"},
      {{"-2txt"}, "Bad Archive type override for OLD archive : txt"},
      {{"--IncludeDirs:"}, "IncludeDirs: and ExcludeDirs: must be immediately followed by a\r\ndirectory list separated by "
                           "commas, or by a filename preceded by \"@\",\r\nwhich contains the directory names"},
      {{"--ExcludeDirs:@/nonexistent/list"}, "Error loading include/exclude list :\r\n/nonexistent/list"},
      {{"--Alias:"}, "Alias: must be followed by an alias : Ext1=Alias1\r\n(exemple : --Alias:ZIP;RAR)"},
      {{"--alias:@/nonexistent/aliases"}, "Error loading Alias list :\r\n/nonexistent/aliases"},
      {{"/A"},
       "Automode (/A) : You didn't specify an output file for saving results,\rand no default output file is specified in "
       "Options|Batch dialog.\ruse /O[A]:<filename> to specify an output file, or /OP to print"},
  };
  for (const Case& k : cases) EXPECT_EQ(Parsed(k.args).error, k.message) << testing::PrintToString(k.args);

  Parsed partial({"/FHX"});
  EXPECT_EQ(partial.settings.SpecialAttr, 0x02);  // letters before the bad one took effect
}

TEST(CommandLine, OutputAndKindOverrides) {
  Parsed o({"/O:Out.TXT"});
  EXPECT_EQ(o.settings.OutputFile, "Out.TXT");
  EXPECT_FALSE(o.line.AppendOutput);
  Parsed oa({"-oa:/tmp/Report.txt"});
  EXPECT_EQ(oa.settings.OutputFile, "/tmp/Report.txt");
  EXPECT_TRUE(oa.line.AppendOutput);
  EXPECT_EQ(Parsed({"/O:a", "/OP"}).settings.OutputFile, "[Printer]");

  Parsed k({"/1ZIP", "/2LZH"});
  EXPECT_EQ(k.line.NewKindOverride, SetKind::Zip);
  EXPECT_EQ(k.line.OldKindOverride, SetKind::Lha);
  EXPECT_EQ(k.c.State.NewSet.Checksum, ChecksumKind::Crc32);
  EXPECT_EQ(k.c.State.OldSet.Checksum, ChecksumKind::Crc16);
  EXPECT_EQ(Parsed({"/2SNP"}).line.OldKindOverride, SetKind::Snapshot);
}

TEST(CommandLine, TimeToleranceHourShiftAndFormat) {
  Parsed t({"--TimeTolerance:2", "--hourshift:1", "--Format:CSV"});
  EXPECT_EQ(t.error, "");
  EXPECT_EQ(t.settings.TimeTolerance, 2);
  EXPECT_EQ(t.settings.IgnoreHourShift, 1);
  EXPECT_EQ(t.line.Format, ReportFormat::Csv);
  EXPECT_EQ(Parsed({"--TimeTolerance:3600", "--HourShift:0"}).settings.TimeTolerance, 3600);
  EXPECT_EQ(Parsed({"--Format:json"}).line.Format, ReportFormat::Json);
  EXPECT_EQ(Parsed({"--Format:Html"}).line.Format, ReportFormat::Html);
  EXPECT_EQ(Parsed({"--Format:csv", "--Format:text"}).line.Format, ReportFormat::Text);
  EXPECT_EQ(Parsed(std::vector<std::string>{"-R"}).line.Format, ReportFormat::Text);
  const std::string tolerance = "TimeTolerance: must be followed by a number of seconds from 0 to 3600";
  const std::string shift = "HourShift: must be followed by a number of hours from 0 to 2";
  const std::string format = "Format: must be followed by text, csv, json or html";
  const std::pair<std::vector<std::string>, std::string> bad[] = {
      {{"--TimeTolerance:"}, tolerance}, {{"--TimeTolerance:3601"}, tolerance}, {{"--TimeTolerance:-1"}, tolerance},
      {{"--TimeTolerance:2s"}, tolerance}, {{"--TimeTolerance:99999999999"}, tolerance},
      {{"--HourShift:3"}, shift}, {{"--HourShift:"}, shift}, {{"--Format:xml"}, format}, {{"--Format:"}, format},
  };
  for (const auto& [args, message] : bad) EXPECT_EQ(Parsed(args).error, message) << args[0];
  EXPECT_TRUE(IsSwitch("/-Format:csv"));
}

TEST(CommandLine, ListsAndAliases) {
  test::TempTree t;
  t.file("dirs.txt", "src\r\nlib\\sub\r\n\r\n");
  Parsed p({"--IncludeDirs:a;b", "--ExcludeDirs:a,b", "--Alias:ZIP;RAR;ARJ"});
  EXPECT_EQ(p.c.IncludeDirs.Items(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(p.c.ExcludeDirs.Items(), (std::vector<std::string>{"a,b"}));
  ASSERT_EQ(p.c.Aliases.Count(), 1);
  EXPECT_EQ(p.c.Aliases.Replacement(p.c.Aliases.IndexOf("zip")), "RAR");

  Parsed f({"/-IncludeDirs:x", "--includedirs:@" + t.path("dirs.txt")});
  EXPECT_EQ(f.c.IncludeDirs.Items(), (std::vector<std::string>{"lib\\sub", "src"}));
  EXPECT_EQ(Parsed({"--Unknown:1"}).error, "");
}

TEST(CommandLine, SlashIsASwitchOnlyWhenNoPathIsMeant) {
  test::TempTree t;
  t.dir("data");
  struct Case {
    std::string parameter;
    bool isSwitch;
  } cases[] = {
      {"/R-", true},   {"/A", true},           {"/O:/tmp/r.txt", true}, {"/OA:/tmp/r.txt", true},
      {"-R", true},    {"/home/me/data", false}, {t.root() + "data", false}, {"relative", false},
      {"/", false},    {"/tmp", false},         {"", false},
      // A "/" parameter naming no path is a switch only as a complete switch of the table.
      {"/A-", true},   {"/NOLOGO", true},      {"/nologo", true},       {"/N-", true},
      {"/MO", true},   {"/M", true},           {"/D", true},            {"/L", true},
      {"/?", true},    {"/C3", true},          {"/FHS", true},          {"/X-I", true},
      {"/OP", true},   {"/OPX", true},         {"/1ZIP", true},         {"/1XYZ", true},
      {"/-IncludeDirs:src/util", true},        {"/-Alias:ZIP;RAR", true}, {"/-help", true},
      {"/data", false}, {"/Dx", false},        {"/Rx", false},          {"/A+", false},
      {"/Mydir", false}, {"/Nowhere", false},  {"/K", false},           {"/opt/none", false},
      {"/--nothing", false}, {"/Lib", false},  {"/Volumes", false},     {"/Q-x", false},
      {"-Rx", true},   {"-data", true},
  };
  for (const Case& k : cases) EXPECT_EQ(IsSwitch(k.parameter), k.isSwitch) << k.parameter;

  // A mistyped absolute path is a set name, never the switch of its first letter.
  Parsed data({"/data", "/Rx"});
  EXPECT_EQ(data.line.Positional, (std::vector<std::string>{"/data", "/Rx"}));
  EXPECT_EQ(data.c.Files.XFilter, 0xFFFF);
  EXPECT_TRUE(data.settings.Recurse);

  Parsed p({t.root() + "data", "/R-", "new", "-Q", "*.c", "*.bak;*.o"});
  EXPECT_EQ(p.line.Positional, (std::vector<std::string>{t.root() + "data", "new", "*.c", "*.bak;*.o"}));
  EXPECT_FALSE(p.settings.Recurse);
}

// An empty set name (an unset shell variable) must never become the current or the
// root directory; empty masks are fine.
TEST(CommandLine, AnEmptySetNameIsAnError) {
  const std::string emptyNew = "The NEW set name (parameter 1) is empty.\rName a directory, an archive or a snapshot.";
  const std::string emptyOld = "The OLD set name (parameter 2) is empty.\rName a directory, an archive or a snapshot.";
  struct Case {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"-A", "", "old", "-O:r.txt"}, emptyNew},
      {{"-A", "new", "", "-O:r.txt"}, emptyOld},
      {{"", ""}, emptyNew},
      {{"-L", "-A", "", "-O:r.snp"}, emptyNew},
      {{"-A", "-O:r.snp", "", "-L"}, emptyNew},  // snapshot mode known only at the end
      {{"-A", "new", "old", "", "", "-O:r.txt"}, ""},
      {{"-L", "-A", "new", "", "-O:r.snp"}, ""},  // the include mask, not a set
      {{"-A", "new", "-O:r.txt"}, ""},
  };
  for (const Case& k : cases) {
    std::string args;
    for (const std::string& a : k.args) args += " [" + a + "]";
    EXPECT_EQ(Parsed(k.args).error, k.error) << args;
  }
}

TEST(CommandLine, HelpAndVersionStopParsing) {
  EXPECT_TRUE(Parsed({"-h", "/K"}).line.HelpRequested);
  EXPECT_TRUE(Parsed({"--help"}).line.HelpRequested);
  EXPECT_TRUE(Parsed({"/?"}).line.HelpRequested);
  Parsed v({"--version", "/A"});
  EXPECT_TRUE(v.line.VersionRequested);
  EXPECT_EQ(v.error, "");
}

}  // namespace
}  // namespace quorvane
