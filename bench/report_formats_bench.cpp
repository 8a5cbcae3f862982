// Writes the diff report of a 1,000,000-entry comparison in each form (text, CSV, JSON,
// HTML) and prints each time against the 3-second target, with the file's size and the
// process's peak resident memory before and after the writes (the writers stream: the
// peak must not grow with the report). The reports go to a temporary directory (TMPDIR
// or /tmp), removed at the end.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "engine/add_file.h"
#include "engine/filter_pass.h"
#include "platform/headless_user_interface.h"
#include "reports/diff_report.h"

namespace {

std::string makePath(std::uint32_t n) {
  static const char* const exts[] = {"cpp", "h", "txt", "png", "json", "xml"};
  char text[96];
  std::snprintf(text, sizeof text, "project%02u\\module%03u\\src\\file_%07u.%s", n % 17, (n / 17) % 400, n,
                exts[n % 6]);
  return text;
}

long peakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quorvane;
  const std::uint32_t count = argc > 1 ? static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 1'000'000;
  namespace fs = std::filesystem;
  std::string dir = (fs::temp_directory_path() / "quorvane-report-bench-XXXXXX").string();
  if (!mkdtemp(dir.data())) return 1;

  Settings settings;
  settings.AutoMode = true;
  settings.CloseProgressDlg = true;
  settings.DiffSize = settings.DiffDate = settings.DiffCRC = settings.DiffAppendStatus = true;
  platform::HeadlessUserInterface ui(nullptr);
  Comparison c(settings, ui);
  c.State.NewSet = {SetKind::Directory, "/bench/new/", ChecksumKind::Crc32};
  c.State.OldSet = {SetKind::Directory, "/bench/old/", ChecksumKind::Crc32};
  std::mt19937_64 rng(42);
  // Nine in ten files on both sides (a third of them changed), the others on one side only.
  for (std::uint32_t i = 0; i < count; ++i) {
    ScanRecord& s = c.Scan;
    s.Path = makePath(i);
    s.NewSize = rng() % (std::uint64_t{1} << 32);
    s.NewTime = 0x58000000u + static_cast<std::uint32_t>(rng() % 0x00FFFFFF);
    s.NewCRC = static_cast<std::uint32_t>(rng());
    s.NewAlias = -1;
    if (i % 10 != 9) AddFile(c, Side::New);
  }
  for (std::uint32_t i = 0; i < count; ++i) {
    ScanRecord& s = c.Scan;
    s.Path = makePath(i);
    s.OldSize = rng() % (std::uint64_t{1} << 32);
    s.OldTime = 0x58000000u + static_cast<std::uint32_t>(rng() % 0x00FFFFFF);
    s.OldCRC = static_cast<std::uint32_t>(rng());
    s.OldAlias = -1;
    if (i % 10 != 8) AddFile(c, Side::Old);
  }
  FilterPass(c);
  const long peakBefore = peakKilobytes();

  struct Form {
    const char* name;
    ReportFormat format;
    const char* extension;
  } forms[] = {{"text", ReportFormat::Text, "dif"},
               {"csv", ReportFormat::Csv, "csv"},
               {"json", ReportFormat::Json, "json"},
               {"html", ReportFormat::Html, "html"}};
  bool ok = true;
  std::printf("entries                         %d\n", c.Files.Count());
  for (const Form& f : forms) {
    DiffReportOptions options;
    options.Format = f.format;
    const std::string path = dir + "/report." + f.extension;
    const auto start = std::chrono::steady_clock::now();
    const bool written = WriteDiffReport(c, path, options);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double megabytes = written ? static_cast<double>(fs::file_size(path)) / 1e6 : 0;
    std::printf("diff report as %-6s           %.3f s   (target <= 3 s)   %.1f MB\n", f.name, seconds, megabytes);
    ok &= written && seconds <= 3;
    fs::remove(path);
  }
  const long peakAfter = peakKilobytes();
  fs::remove_all(dir);
  std::printf("peak memory                     %.1f MB before the writes, %.1f MB after\n", peakBefore / 1024.0,
              peakAfter / 1024.0);
  ok &= peakAfter - peakBefore < 64 * 1024;
  std::printf("%s\n", ok ? "within target" : "OVER TARGET");
  return ok ? 0 : 2;
}
