// Golden diff reports: each folder tests/golden/report_*/ holds two trees (new.tree,
// old.tree: "path|content|yyyy-mm-dd hh:mm:ss" per line), the settings that matter
// (settings: "Key=value" per line) and the exact expected report (expected.dif, CR LF).
// The trees are laid out on disk, compared by the real comparison run, and the report
// is written to a file with the clock fixed; the set roots are shown as /golden/new/
// and /golden/old/ so that the bytes do not depend on the temporary directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <map>
#include <optional>
#include <sstream>

#include "engine/run_comparison.h"
#include "platform/file_replace.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "reports/diff_report.h"
#include "sources/set_readers.h"
#include "support/golden_files.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

namespace fs = std::filesystem;

const std::string kGoldenDir = test::goldenDir();
using test::layOut;
using test::applyComparisonSetting;
using test::settingsOf;
using test::unixOf;

struct GoldenRun : test::ComparisonFixture {
  GoldenRun() : ComparisonFixture(nullptr) {}
  test::TempTree fresh, old, output;
  DiffReportOptions options;
};

// Applies "Key=value" lines: the settings record's flags and DateFormat, and the facts
// of the run (checksum kind, filter masks, masks, directory lists, side notes).
void applySettings(GoldenRun& r, const std::string& file) {
  static const std::map<std::string, bool Settings::*> kFlags = {
      {"Quick", &Settings::Quick},
      {"Recurse", &Settings::Recurse},
      {"NoPath", &Settings::NoPath},
      {"Strip83", &Settings::Strip83},
      {"Batch", &Settings::Batch},
      {"FilterSave", &Settings::FilterSave},
      {"FilterPrint", &Settings::FilterPrint},
      {"CheckMovedFiles", &Settings::CheckMovedFiles},
      {"MovedFilesByCRC", &Settings::MovedFilesByCRC},
      {"MovedFilesByFileName", &Settings::MovedFilesByFileName},
      {"DiffDblColumn", &Settings::DiffDblColumn},
      {"DiffCRC", &Settings::DiffCRC},
      {"DiffDate", &Settings::DiffDate},
      {"DiffSize", &Settings::DiffSize},
      {"DiffMovedTo", &Settings::DiffMovedTo},
      {"DiffShortStatus", &Settings::DiffShortStatus},
      {"DiffDatimStatus", &Settings::DiffDatimStatus},
      {"DiffSizeStatus", &Settings::DiffSizeStatus},
      {"DiffAppendStatus", &Settings::DiffAppendStatus},
  };
  for (const test::GoldenSetting& setting : settingsOf(file)) {
    const std::string& key = setting.key;
    const std::string& value = setting.value;
    if (applyComparisonSetting(r.c, setting)) continue;
    if (auto flag = kFlags.find(key); flag != kFlags.end()) {
      r.settings.*(flag->second) = value == "1";
    } else if (key == "DateFormat") {
      r.settings.DateFormat = std::stoi(value);
    } else if (key == "TimeTolerance") {
      r.settings.TimeTolerance = std::stoi(value);
    } else if (key == "IgnoreHourShift") {
      r.settings.IgnoreHourShift = std::stoi(value);
    } else if (key == "ChecksumKind") {
      const std::optional<ChecksumKind> kind = ChecksumKindFromNumber(std::stoi(value));
      ASSERT_TRUE(kind.has_value()) << file << ": ChecksumKind=" << value;
      r.c.State.NewSet.Checksum = r.c.State.OldSet.Checksum = *kind;
    } else if (key == "NewNote") {
      r.options.NewSideNote = value;
    } else if (key == "OldNote") {
      r.options.OldSideNote = value;
    } else {
      FAIL() << file << ": unknown key " << key;
    }
  }
}

std::vector<std::string> goldenCases() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kGoldenDir)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_directory() && name.rfind("report_", 0) == 0) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

class DiffReportGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(DiffReportGolden, MatchesByteForByte) {
  setenv("TZ", "UTC", 1);
  tzset();
  const std::string dir = kGoldenDir + "/" + GetParam();
  GoldenRun r;
  r.settings.CloseProgressDlg = true;
  r.settings.AutoMode = true;
  layOut(r.fresh, dir + "/new.tree");
  layOut(r.old, dir + "/old.tree");
  r.c.State.NewSet = {SetKind::Directory, r.fresh.root(), ChecksumKind::Crc32};
  r.c.State.OldSet = {SetKind::Directory, r.old.root(), ChecksumKind::Crc32};
  applySettings(r, dir + "/settings");
  SetSourceReaders readers;
  ASSERT_EQ(RunComparison(r.c, readers), RunOutcome::Completed);

  r.c.State.NewSet.Root = "/golden/new/";
  r.c.State.OldSet.Root = "/golden/old/";
  r.options.Now = [] { return LocalDateTime{2026, 12, 10, 3, 4, 5}; };
  const std::string out = r.output.path(GetParam() + ".dif");
  ASSERT_TRUE(WriteDiffReport(r.c, out, r.options));
  std::string actual, expected;
  ASSERT_TRUE(platform::readWholeFile(out, actual));
  EXPECT_TRUE(platform::readWholeFile(dir + "/expected.dif", expected)) << dir;
  if (actual != expected) {
    // Kept for inspection: the build's golden-actual folder.
    fs::create_directories("golden-actual");
    std::ofstream("golden-actual/" + GetParam() + ".dif", std::ios::binary) << actual;
  }
  EXPECT_EQ(actual, expected) << "case " << GetParam() << "; actual bytes in golden-actual/" << GetParam() << ".dif";
  EXPECT_TRUE(r.c.State.ResultsSaved);
}

// The same cases as CSV, JSON and HTML: expected.csv, expected.json, expected.html.
TEST_P(DiffReportGolden, FormatsMatchByteForByte) {
  setenv("TZ", "UTC", 1);
  tzset();
  const std::string dir = kGoldenDir + "/" + GetParam();
  const std::pair<ReportFormat, const char*> formats[] = {
      {ReportFormat::Csv, "csv"}, {ReportFormat::Json, "json"}, {ReportFormat::Html, "html"}};
  for (const auto& [format, extension] : formats) {
    SCOPED_TRACE(extension);
    GoldenRun r;
    r.settings.CloseProgressDlg = true;
    r.settings.AutoMode = true;
    layOut(r.fresh, dir + "/new.tree");
    layOut(r.old, dir + "/old.tree");
    r.c.State.NewSet = {SetKind::Directory, r.fresh.root(), ChecksumKind::Crc32};
    r.c.State.OldSet = {SetKind::Directory, r.old.root(), ChecksumKind::Crc32};
    applySettings(r, dir + "/settings");
    SetSourceReaders readers;
    ASSERT_EQ(RunComparison(r.c, readers), RunOutcome::Completed);
    r.c.State.NewSet.Root = "/golden/new/";
    r.c.State.OldSet.Root = "/golden/old/";
    r.options.Now = [] { return LocalDateTime{2026, 12, 10, 3, 4, 5}; };
    r.options.Format = format;
    const std::string name = GetParam() + "." + extension;
    const std::string out = r.output.path(name);
    ASSERT_TRUE(WriteDiffReport(r.c, out, r.options));
    std::string actual, expected;
    ASSERT_TRUE(platform::readWholeFile(out, actual));
    EXPECT_TRUE(platform::readWholeFile(dir + "/expected." + extension, expected)) << dir;
    if (actual != expected) {
      fs::create_directories("golden-actual");
      std::ofstream("golden-actual/" + name, std::ios::binary) << actual;
    }
    EXPECT_EQ(actual, expected) << "case " << GetParam() << "; actual bytes in golden-actual/" << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, DiffReportGolden, ::testing::ValuesIn(goldenCases()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace quorvane
