// Writes a snapshot of 1,000,000 entries (paths of about 40 characters, sizes up to
// 16 GiB) with write set listing, then reads it back as the New set of a snapshot-mode
// run, and prints both times against the 2-second target. The listing goes to a
// temporary directory (TMPDIR or /tmp), removed at the end.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "engine/add_file.h"
#include "engine/run_comparison.h"
#include "platform/headless_user_interface.h"
#include "reports/set_listing.h"
#include "sources/set_readers.h"
#include "sources/snapshot_reader.h"

namespace {

std::string makePath(std::uint32_t n) {
  static const char* const exts[] = {"cpp", "h", "txt", "png", "json", "xml"};
  char text[96];
  std::snprintf(text, sizeof text, "project%02u\\module%03u\\src\\file_%07u.%s", n % 17, (n / 17) % 400, n,
                exts[n % 6]);
  return text;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quorvane;
  const std::uint32_t count = argc > 1 ? static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 1'000'000;
  namespace fs = std::filesystem;
  std::string dir = (fs::temp_directory_path() / "quorvane-snapshot-bench-XXXXXX").string();
  if (!mkdtemp(dir.data())) return 1;
  const std::string path = dir + "/bench.snp";

  Settings settings;
  settings.AutoMode = true;
  settings.CloseProgressDlg = true;
  platform::HeadlessUserInterface ui(nullptr);

  double writeSeconds = 0;
  std::uintmax_t bytes = 0;
  {
    Comparison c(settings, ui);
    c.State.SnapshotMode = true;
    c.State.NewSet = {SetKind::Directory, "/bench/", ChecksumKind::Crc32};
    std::mt19937_64 rng(42);
    for (std::uint32_t i = 0; i < count; ++i) {
      ScanRecord& s = c.Scan;
      s.Path = makePath(i);
      s.NewSize = rng() % (std::uint64_t{16} << 30);
      s.NewTime = 0x58000000u + static_cast<std::uint32_t>(rng() % 0x00FFFFFF);
      s.NewCRC = static_cast<std::uint32_t>(rng());
      s.Status = static_cast<std::uint16_t>(rng());
      AddFile(c, Side::New);
    }
    c.Files.ItemAt(0);  // the list's order is made here, not inside the timed write
    const auto start = std::chrono::steady_clock::now();
    const ListingOutcome outcome = WriteSetListing(c, path, ListingKind::NewSnapshot);
    writeSeconds = secondsSince(start);
    if (outcome != ListingOutcome::Complete) return 1;
    bytes = fs::file_size(path);
  }

  double readSeconds = 0;
  double runSeconds = 0;
  std::int32_t readCount = 0;
  {
    Comparison c(settings, ui);
    c.State.SnapshotMode = true;
    c.State.NewSet = {SetKind::Snapshot, path, ChecksumKind::Crc32};
    const auto start = std::chrono::steady_clock::now();
    ReadSnapshotSet(c, Side::New);
    readSeconds = secondsSince(start);
    readCount = c.Files.Count();
  }
  {
    Comparison c(settings, ui);
    c.State.SnapshotMode = true;
    c.State.NewSet = {SetKind::Snapshot, path, ChecksumKind::Crc32};
    SetSourceReaders readers;
    const auto start = std::chrono::steady_clock::now();
    if (RunComparison(c, readers) != RunOutcome::Completed) return 1;
    runSeconds = secondsSince(start);
  }
  fs::remove_all(dir);

  std::printf("entries                         %u (read back %d)\n", count, readCount);
  std::printf("snapshot size                   %.1f MB\n", static_cast<double>(bytes) / 1e6);
  std::printf("write set listing               %.3f s   (target <= 2 s)\n", writeSeconds);
  std::printf("read snapshot as a set          %.3f s   (target <= 2 s)\n", readSeconds);
  std::printf("whole snapshot-mode run         %.3f s   (read, filter pass, display sort)\n", runSeconds);
  const bool ok = readCount == static_cast<std::int32_t>(count) && writeSeconds <= 2 && readSeconds <= 2;
  std::printf("%s\n", ok ? "within target" : "OVER TARGET");
  return ok ? 0 : 2;
}
