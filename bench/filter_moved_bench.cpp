// The filter pass in every sort type and moved-file detection by name, by checksum and by
// both, on a file list of 1,000,000 entries: 800,000 on both sides, 100,000 Inserted and
// 100,000 Deleted, half of those moved pairs (same name and checksum, another directory).
// Prints each time against the target of 2 seconds.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/comparison.h"
#include "engine/filter_pass.h"
#include "engine/moved_files.h"
#include "platform/headless_user_interface.h"

namespace {

using namespace quorvane;

constexpr std::uint32_t kEntries = 1'000'000;
constexpr std::uint32_t kInserted = 100'000;
constexpr std::uint32_t kDeleted = 100'000;
constexpr std::uint32_t kMovedPairs = 50'000;
constexpr double kTargetSeconds = 2.0;

const char* const kExtensions[] = {"cpp", "h", "txt", "png", "json", "zip", "rar"};

// Paths of about 40 characters over 17 x 400 directories; names repeat across directories
// now and then (n % 600,000), as in real trees.
std::string pathOf(std::uint32_t n, std::uint32_t nameNumber) {
  char text[96];
  std::snprintf(text, sizeof text, "project%02u\\module%03u\\src\\file_%07u.%s", n % 17, (n / 17) % 400, nameNumber,
                kExtensions[nameNumber % 7]);
  return text;
}

void add(FileList& files, const std::string& path, std::uint16_t status, std::uint32_t newCrc, std::uint32_t oldCrc,
         std::mt19937& random) {
  ScanRecord record;
  record.Path = path;
  FileEntry* e = files.CreateEntry(record, Side::New);
  if (!e) return;
  e->Status = status;
  const std::uint64_t size = random() % 100'000;
  const std::uint32_t time = 0x50000000u + random() % 0x100000u;
  if (status != stDeleted) e->NewSize = size, e->NewTime = time, e->NewCRC = newCrc;
  if (status != stInserted) {
    e->OldSize = (status & stBigger) ? size / 2 : size;
    e->OldTime = (status & stNewer) ? time - 2 : time;
    e->OldCRC = oldCrc;
  }
}

void build(FileList& files) {
  std::mt19937 random(42);
  std::uint32_t n = 0;
  const std::uint32_t both = kEntries - kInserted - kDeleted;
  for (std::uint32_t i = 0; i < both; ++i, ++n) {
    const std::uint32_t crc = random() | 1;
    const std::uint32_t kind = random() % 10;
    const std::uint16_t status = kind < 7 ? stIdentical : (kind == 7 ? stNewer : (kind == 8 ? stBigger : stCrcDiffers));
    add(files, pathOf(n, n % 600'000), status, crc, status == stCrcDiffers ? crc + 2 : crc, random);
  }
  // Moved pairs: the Deleted side in one directory, the Inserted side elsewhere.
  for (std::uint32_t i = 0; i < kMovedPairs; ++i) {
    const std::uint32_t crc = random() | 1;
    const std::uint32_t name = 2'000'000 + i;
    add(files, pathOf(n++, name), stDeleted, 0, crc, random);
    add(files, pathOf(n++ + 7, name), stInserted, crc, 0, random);
  }
  for (std::uint32_t i = kMovedPairs; i < kInserted; ++i) add(files, pathOf(n++, 3'000'000 + i), stInserted, random() | 1, 0, random);
  for (std::uint32_t i = kMovedPairs; i < kDeleted; ++i) add(files, pathOf(n++, 4'000'000 + i), stDeleted, 0, random() | 1, random);
  files.ItemAt(0);  // the key order is built here, not in the first timed pass
}

template <typename Work>
double seconds(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string only;  // when given on the command line, only measures whose title holds it

bool selected(const std::string& what) { return only.empty() || what.find(only) != std::string::npos; }

bool report(const std::string& what, double time, const std::string& detail) {
  const bool ok = time < kTargetSeconds;
  std::printf("%-36s %7.3f s  %s  %s\n", what.c_str(), time, ok ? "ok" : "OVER TARGET", detail.c_str());
  return ok;
}

}  // namespace

// Usage: filter_moved_bench [TEXT]  (only the measures whose title holds TEXT)
int main(int argc, char** argv) {
  if (argc > 1) only = argv[1];
  Settings settings;
  settings.AutoMode = true;  // no message boxes
  platform::HeadlessUserInterface ui(nullptr);
  Comparison c(settings, ui);
  const double buildTime = seconds([&] { build(c.Files); });
  std::printf("file list: %d entries (built in %.3f s); target %.1f s each\n", c.Files.Count(), buildTime, kTargetSeconds);

  bool allOk = true;
  static const char* const typeNames[] = {"full path", "new name", "new size", "new time", "new CRC", "old name",
                                          "old size",  "old time", "old CRC",  "status",   "CRC-32"};
  for (std::uint8_t type = 0; type <= 10; ++type)
    for (const bool descending : {false, true}) {
      const std::string what =
          "filter pass, type " + std::to_string(type) + " (" + typeNames[type] + (descending ? ", desc)" : ")");
      if (!selected(what)) continue;
      c.Display.SortType = SortTypeFromNumber(type).value();
      c.Display.Descending = descending;
      const double t = seconds([&] { FilterPass(c); });
      allOk &= report(what, t, "shown " + std::to_string(c.Display.Count()));
    }
  if (selected("filter pass, identical hidden, name")) {
    c.Files.XFilter = 0xFFFF & ~stIdentical;
    c.Display.SortType = SortType::NewName;
    c.Display.Descending = false;
    const double filtered = seconds([&] { FilterPass(c); });
    allOk &= report("filter pass, identical hidden, name", filtered, "shown " + std::to_string(c.Display.Count()));
  }

  struct Matching {
    const char* what;
    bool byCrc, byName;
  };
  for (const Matching m : {Matching{"moved files by name", false, true}, Matching{"moved files by checksum", true, false},
                           Matching{"moved files by name and checksum", true, true}}) {
    if (!selected(m.what)) continue;
    settings.MovedFilesByCRC = m.byCrc;
    settings.MovedFilesByFileName = m.byName;
    const double t = seconds([&] { CheckMovedFiles(c); });
    allOk &= report(m.what, t, "pairs " + std::to_string(c.State.Stats.MovedCount));
  }
  std::printf("%s\n", allOk ? "all under target" : "some figures over target (is the machine busy?)");
  return 0;
}
