// Feeds 1,000,000 New and 1,000,000 Old scan records (paths of about 40 characters; 90%
// common to both sides, 10% inserted, 10% deleted) through the add-file step and prints
// the time and the bytes held per entry, paths included.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/add_file.h"
#include "platform/headless_user_interface.h"

namespace {

// Paths like "project07\module123\src\component_4567_name.ext": ~40 characters, spread
// over directories as real trees are.
std::string makePath(std::uint32_t n) {
  static const char* const exts[] = {"cpp", "h", "txt", "png", "json", "xml"};
  char text[96];
  std::snprintf(text, sizeof text, "project%02u\\module%03u\\src\\file_%07u.%s", n % 17, (n / 17) % 400, n,
                exts[n % 6]);
  return text;
}

long residentKiB() {
  FILE* f = std::fopen("/proc/self/statm", "r");
  long pages = 0, resident = 0;
  if (f) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * 4;
}

// The peak resident size since the last resetPeakResident, from /proc/self/status.
long peakResidentKiB() {
  FILE* f = std::fopen("/proc/self/status", "r");
  long peak = 0;
  if (f) {
    char line[256];
    while (std::fgets(line, sizeof line, f))
      if (std::sscanf(line, "VmHWM: %ld kB", &peak) == 1) break;
    std::fclose(f);
  }
  return peak;
}

void resetPeakResident() {
  if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
    std::fputs("5", f);
    std::fclose(f);
  }
}

}  // namespace

int main() {
  using namespace quorvane;
  constexpr std::uint32_t kPerSide = 1'000'000;
  constexpr std::uint32_t kChanged = 100'000;

  // New: 0 .. kPerSide-1; Old: kChanged .. kPerSide+kChanged-1 (so kChanged inserted and
  // kChanged deleted), each side in its own shuffled order as a disk walk would give.
  std::vector<std::uint32_t> newIds(kPerSide), oldIds(kPerSide);
  for (std::uint32_t i = 0; i < kPerSide; ++i) newIds[i] = i, oldIds[i] = i + kChanged;
  std::mt19937 rng(42);
  std::shuffle(newIds.begin(), newIds.end(), rng);
  std::shuffle(oldIds.begin(), oldIds.end(), rng);
  std::vector<std::string> newPaths, oldPaths;
  newPaths.reserve(kPerSide);
  oldPaths.reserve(kPerSide);
  double pathBytes = 0;
  for (std::uint32_t i = 0; i < kPerSide; ++i) {
    newPaths.push_back(makePath(newIds[i]));
    oldPaths.push_back(makePath(oldIds[i]));
    pathBytes += static_cast<double>(newPaths.back().size());
  }

  Settings settings;
  platform::HeadlessUserInterface ui(nullptr);
  Comparison c(settings, ui);
  const long residentBefore = residentKiB();
  resetPeakResident();

  const auto start = std::chrono::steady_clock::now();
  for (std::uint32_t i = 0; i < kPerSide; ++i) {
    c.Scan.Path = newPaths[i];
    c.Scan.NewCRC = i, c.Scan.NewTime = 0x56000000, c.Scan.NewSize = i, c.Scan.NewAttr = 0x20, c.Scan.NewAlias = -1;
    AddFile(c, Side::New);
  }
  for (std::uint32_t i = 0; i < kPerSide; ++i) {
    c.Scan.Path = oldPaths[i];
    c.Scan.OldCRC = i, c.Scan.OldTime = 0x56000000, c.Scan.OldSize = i, c.Scan.OldAttr = 0x20, c.Scan.OldAlias = -1;
    AddFile(c, Side::Old);
  }
  PairPendingOldFiles(c);
  (void)c.Files.ItemAt(0);  // the key order is part of building the list
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const long residentAfter = residentKiB();
  const long residentPeak = peakResidentKiB();

  const double entries = c.Files.Count();
  std::printf("records            2 x %u (mean path %.1f bytes)\n", kPerSide, pathBytes / kPerSide);
  std::printf("entries            %.0f\n", entries);
  std::printf("add-file + order   %.3f s   (target < 2 s)\n", seconds);
  std::printf("bytes per entry    %.1f held by the list, %.1f resident growth   (target <= 80)\n",
              static_cast<double>(c.Files.FootprintBytes()) / entries,
              static_cast<double>(residentAfter - residentBefore) * 1024.0 / entries);
  std::printf("at the peak        %.1f held by the list, %.1f resident growth   (target <= 80)\n",
              static_cast<double>(c.Files.PeakFootprintBytes()) / entries,
              static_cast<double>(residentPeak - residentBefore) * 1024.0 / entries);
  return 0;
}
