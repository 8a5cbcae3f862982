// Feeds arbitrary bytes to the snapshot reader as the New or the Old set: a read ends
// with one of the snapshot errors or with the entries it accepted, never with a crash, a
// hang or a sanitizer report.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/comparison.h"
#include "engine/errors.h"
#include "platform/headless_user_interface.h"
#include "sources/snapshot_reader.h"
#include "support/memory_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorvane;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // The first byte, when there is one, picks the side and the options.
  const std::uint8_t choice = size > 0 ? data[0] : 0;
  // One comparison for every input, emptied each time, as the program keeps one.
  static Settings settings;
  static platform::HeadlessUserInterface ui(nullptr);
  static Comparison c(settings, ui);
  c.ClearFiles();
  c.State = RunState();
  settings.Recurse = (choice & 1) == 0;
  settings.NoPath = (choice & 2) != 0;
  settings.Strip83 = (choice & 4) != 0;
  c.State.SnapshotMode = (choice & 8) != 0;
  c.State.NewSet = {SetKind::Snapshot, "fuzz.snp", ChecksumKind::Crc32};
  c.State.OldSet = {(choice & 16) ? SetKind::Lha : SetKind::Snapshot, "fuzz.snp", ChecksumKind::Crc32};
  const Side side = (choice & 32) ? Side::Old : Side::New;
  test::MemoryFileReader reader(bytes);
  try {
    ReadSnapshotFrom(c, side, reader, bytes.size(), "fuzz.snp");
  } catch (const eSnpError&) {
    // refused: the expected outcome for most inputs
  }
  for (std::int32_t i = 0; i < c.Files.Count(); ++i) {
    const std::string path = c.Files.ItemAt(i).Path();
    if (path.empty() || path.find('/') != std::string::npos) __builtin_trap();
  }
  return 0;
}
