// Writes a New and an Old snapshot of COUNT entries each (default 1,000,000) into DIR, as
// the window benchmark's million-entry pair: the Old snapshot has 1% of the entries with
// another checksum, 1% missing and 1% of its own. Usage: snapshot_pair_bench DIR [COUNT]
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "engine/add_file.h"
#include "engine/comparison.h"
#include "platform/headless_user_interface.h"
#include "reports/set_listing.h"

namespace {

std::string makePath(std::uint32_t n) {
  static const char* const exts[] = {"cpp", "h", "txt", "png", "json", "xml"};
  char text[96];
  std::snprintf(text, sizeof text, "project%02u\\module%03u\\src\\file_%07u.%s", n % 17, (n / 17) % 400, n,
                exts[n % 6]);
  return text;
}

bool writeSide(const std::string& path, std::uint32_t count, bool old) {
  using namespace quorvane;
  Settings settings;
  settings.AutoMode = true;
  platform::HeadlessUserInterface ui(nullptr);
  Comparison c(settings, ui);
  c.State.SnapshotMode = true;
  c.State.NewSet = {SetKind::Directory, old ? "/bench/old/" : "/bench/new/", ChecksumKind::Crc32};
  std::mt19937_64 rng(42);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t size = rng() % (std::uint64_t{1} << 24);
    const std::uint32_t time = 0x58000000u + static_cast<std::uint32_t>(rng() % 0x00FFFFFF);
    std::uint32_t crc = static_cast<std::uint32_t>(rng());
    if (old && i % 100 == 1) continue;               // deleted in New's view
    if (old && i % 100 == 2) crc ^= 1;               // another checksum
    ScanRecord& s = c.Scan;
    s.Path = old && i % 100 == 3 ? makePath(count + i) : makePath(i);  // the Old set's own
    s.NewSize = size;
    s.NewTime = time;
    s.NewCRC = crc;
    s.Status = 0;
    AddFile(c, Side::New);
  }
  return WriteSetListing(c, path, ListingKind::NewSnapshot) == ListingOutcome::Complete;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: snapshot_pair_bench DIR [COUNT]\n");
    return 1;
  }
  const std::string dir = argv[1];
  const std::uint32_t count = argc > 2 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 1'000'000;
  if (!writeSide(dir + "/new.snp", count, false) || !writeSide(dir + "/old.snp", count, true)) return 1;
  return 0;
}
